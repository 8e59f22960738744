#include <QAbstractItemModelTester>
#include <QListView>
#include <QSignalSpy>
#include <QtTest>
#include <vector>

#include "ui/common/RowListModel.h"

using zolt::RowListModel;

class RowListModelTest : public QObject {
    Q_OBJECT
private slots:
    void formatsOnDemandResetsAndAppends() {
        std::vector<QString> rows{"a", "b"};
        RowListModel model([&](int row) { return rows[static_cast<std::size_t>(row)]; });
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Reset(2);
        rows[1] = QStringLiteral("x");  // formatted when asked for: a read sees the text of that moment
        QCOMPARE(model.index(1).data().toString(), QStringLiteral("x"));
        QVERIFY(!model.index(5).data().isValid());
        QCOMPARE(model.RowAt(2), QString());
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.Reset(1, [&] { rows = {"c"}; });
        QCOMPARE(resets.count(), 1);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.Append(2, [&] { rows.insert(rows.end(), {"d", "e"}); });
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.RowAt(2), QStringLiteral("e"));
        model.Append(0);  // nothing to insert: no signal the tester would refuse
        model.Reset(-4);
        QCOMPARE(model.rowCount(), 0);
    }

    void millionRowsFormatOnlyWhatIsShown() {
        int formatted = 0;
        RowListModel model([&](int row) { ++formatted; return QString::number(row); });
        QListView view;
        zolt::ShowRows(&view, &model);
        model.Reset(1'000'000);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY2(formatted < 10'000, qPrintable(QString::number(formatted)));
    }
};

QTEST_MAIN(RowListModelTest)
#include "RowListModel_test.moc"
