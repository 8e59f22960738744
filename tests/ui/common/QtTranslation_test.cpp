#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "ui/common/QtTranslation.h"

// Qt's standard texts in German: the answers of the question box before a long print.
class QtTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void questionButtonsAreGerman() {
        QVERIFY(zolt::InstallGermanQtTranslation(*QCoreApplication::instance()));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text() + " " + box.button(QDialogButtonBox::No)->text(), "&Ja &Nein");
    }
};

QTEST_MAIN(QtTranslationTest)
#include "QtTranslation_test.moc"
