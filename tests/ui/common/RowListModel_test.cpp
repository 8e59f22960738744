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
    void formatsRowsFromTheData();
    void resetReplacesAllRows();
    void appendAddsRowsAtTheEnd();
    void millionRowsStoreNoStrings();
};

void RowListModelTest::formatsRowsFromTheData() {
    std::vector<int> values{3, 1, 4};
    int formatted = 0;
    RowListModel model([&](int row) {
        ++formatted;
        return QStringLiteral("Zeile %1").arg(values[static_cast<std::size_t>(row)]);
    });
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Reset(3);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("Zeile 1"));
    QCOMPARE(model.RowAt(2), QStringLiteral("Zeile 4"));
    QCOMPARE(model.RowAt(3), QString());
    QVERIFY(!model.index(5).data().isValid());
    values[1] = 9;  // formatted on demand: the next read sees the new number
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("Zeile 9"));
    QVERIFY(formatted > 0);
}

void RowListModelTest::resetReplacesAllRows() {
    std::vector<QString> rows{"a", "b"};
    RowListModel model([&](int row) { return rows[static_cast<std::size_t>(row)]; });
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Reset(2);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.Reset(1, [&] { rows = {"c"}; });
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.RowAt(0), QStringLiteral("c"));
    model.Reset(-4);
    QCOMPARE(model.rowCount(), 0);
}

void RowListModelTest::appendAddsRowsAtTheEnd() {
    std::vector<QString> rows{"a"};
    RowListModel model([&](int row) { return rows[static_cast<std::size_t>(row)]; });
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Reset(1);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.Append(2, [&] { rows.insert(rows.end(), {"b", "c"}); });
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 1);
    QCOMPARE(inserted.first().at(2).toInt(), 2);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.RowAt(2), QStringLiteral("c"));
    model.Append(0);
    QCOMPARE(model.rowCount(), 3);
}

void RowListModelTest::millionRowsStoreNoStrings() {
    // A view over a million rows formats only what it shows.
    int formatted = 0;
    RowListModel model([&](int row) {
        ++formatted;
        return QString::number(row);
    });
    QListView view;
    zolt::ShowRows(&view, &model);
    view.resize(200, 200);
    model.Reset(1'000'000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.scrollToBottom();
    QCoreApplication::processEvents();
    QCOMPARE(model.RowAt(999'999), QStringLiteral("999999"));
    QVERIFY2(formatted < 10'000, qPrintable(QString::number(formatted)));
}

QTEST_MAIN(RowListModelTest)
#include "RowListModel_test.moc"
