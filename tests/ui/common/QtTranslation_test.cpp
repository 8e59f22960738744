#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/common/QtTranslation.h"

// Qt's standard texts as German users see them in the lottery's question box and file dialog.
class QtTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void standardButtonsAreGerman_data();
    void standardButtonsAreGerman();
    void fileDialogIsGerman();
};

void QtTranslationTest::initTestCase() { QVERIFY(zolt::InstallGermanQtTranslation(*QCoreApplication::instance())); }

void QtTranslationTest::standardButtonsAreGerman_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << int(QDialogButtonBox::Yes) << QStringLiteral("&Ja");
    QTest::newRow("no") << int(QDialogButtonBox::No) << QStringLiteral("&Nein");
    QTest::newRow("save") << int(QDialogButtonBox::Save) << QStringLiteral("Speichern");
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("Abbrechen");
}

void QtTranslationTest::standardButtonsAreGerman() {
    QFETCH(int, button);
    QFETCH(QString, text);
    const auto which = static_cast<QDialogButtonBox::StandardButton>(button);
    QDialogButtonBox box(which);
    QCOMPARE(box.button(which)->text(), text);
}

void QtTranslationTest::fileDialogIsGerman() {
    QFileDialog dialog(nullptr, QString(), QString(), QString());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Datei&name:"));
}

QTEST_MAIN(QtTranslationTest)
#include "QtTranslation_test.moc"
