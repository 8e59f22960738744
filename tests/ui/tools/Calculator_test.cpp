#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"

using zolt::ScreenId;
using zolt::testing::BoxRecorder;
using zolt::testing::Find;

// Key notation of the tests: digits, "," decimal, + - X / = operators, "%", "E" for CE, "C".
class CalculatorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zolt::ScreenSlots> screens_;
    QWidget* calc_ = nullptr;

    QWidget* Fresh() {
        screens_ = std::make_unique<zolt::ScreenSlots>();
        zolt::RegisterScreens(*screens_);
        calc_ = screens_->Open(ScreenId::Calculator);
        return calc_;
    }

    QString Readout() { return Find<QLabel>(calc_, QStringLiteral("Readout"))->text(); }

    QString ButtonFor(QChar key) {
        if (key.isDigit()) return zolt::ArrayName(QStringLiteral("Number"), key.digitValue());
        switch (key.unicode()) {
            case ',': return QStringLiteral("Decimal");
            case '/': return zolt::ArrayName(QStringLiteral("Operator"), 0);
            case '+': return zolt::ArrayName(QStringLiteral("Operator"), 1);
            case 'X': return zolt::ArrayName(QStringLiteral("Operator"), 2);
            case '-': return zolt::ArrayName(QStringLiteral("Operator"), 3);
            case '=': return zolt::ArrayName(QStringLiteral("Operator"), 4);
            case '%': return QStringLiteral("Percent");
            case 'E': return QStringLiteral("CancelEntry");
            case 'C': return QStringLiteral("Cancel");
            default: return {};
        }
    }

    void ClickKeys(const QString& keys) {
        for (QChar key : keys) zolt::testing::Click(Find<QPushButton>(calc_, ButtonFor(key)));
    }

    void TypeKeys(const QString& keys) {
        for (QChar key : keys) {
            switch (key.unicode()) {
                case 'X': QTest::keyClick(calc_, Qt::Key_Asterisk); break;
                case '=': QTest::keyClick(calc_, Qt::Key_Return); break;
                case 'E': QTest::keyClick(calc_, Qt::Key_Delete); break;
                case 'C': QTest::keyClick(calc_, Qt::Key_Escape); break;
                default: QTest::keyClick(calc_, key.toLatin1()); break;
            }
        }
    }

private slots:
    void layoutAndCaptions() {
        Fresh();
        QCOMPARE(calc_->windowTitle(), QStringLiteral("Rechner"));
        QCOMPARE(Readout(), QStringLiteral("0,"));
        const QStringList captions = {"/", "+", "X", "-", "="};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(Find<QPushButton>(calc_, zolt::ArrayName("Operator", i))->text(), captions[i]);
        for (int d = 0; d <= 9; ++d)
            QCOMPARE(Find<QPushButton>(calc_, zolt::ArrayName("Number", d))->text(), QString::number(d));
        QCOMPARE(Find<QPushButton>(calc_, "Cancel")->text(), QStringLiteral("C"));
        QCOMPARE(Find<QPushButton>(calc_, "CancelEntry")->text(), QStringLiteral("CE"));
        QCOMPARE(Find<QPushButton>(calc_, "Decimal")->text(), QStringLiteral(","));
        QCOMPARE(Find<QPushButton>(calc_, "Percent")->text(), QStringLiteral("%"));
        // 7 8 9 on the top row, "0" two keys wide at the bottom left (480 twips = 32 px).
        QCOMPARE(Find<QPushButton>(calc_, "Number(7)")->geometry(), QRect(8, 40, 32, 32));
        QCOMPARE(Find<QPushButton>(calc_, "Number(3)")->geometry(), QRect(88, 120, 32, 32));
        QCOMPARE(Find<QPushButton>(calc_, "Number(0)")->geometry(), QRect(8, 160, 72, 32));
        QCOMPARE(Find<QPushButton>(calc_, "Operator(4)")->geometry(), QRect(136, 160, 32, 32));
    }

    void sequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("add then equals") << "2+3=" << "5";
        QTest::newRow("equals again keeps") << "2+3==" << "5";
        QTest::newRow("leading minus") << "-" << "-0,";
        QTest::newRow("leading minus digit") << "-5" << "-5,";
        QTest::newRow("minus after times") << "5X-3=" << "-15";
        QTest::newRow("leading zeros") << "007" << "007,";
        QTest::newRow("leading zeros count as 7") << "007X2=" << "14";
        QTest::newRow("decimal comma") << "1,5+1=" << "2,5";
        QTest::newRow("left to right") << "2+3X4=" << "20";
        QTest::newRow("percent of times") << "200X5%=" << "10";
        QTest::newRow("percent after plus") << "200+5%=" << "10";
        QTest::newRow("percent alone") << "5%" << "0,05";
        QTest::newRow("clear entry") << "5+3E4=" << "9";
        QTest::newRow("division") << "1/8=" << "0,125";
        QTest::newRow("clear") << "5+3C2+1=" << "3";
        QTest::newRow("negative product") << "-4X2,5=" << "-10";
    }

    void sequences() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        BoxRecorder boxes;
        Fresh();
        ClickKeys(keys);
        QCOMPARE(Readout(), display);
        Fresh();
        TypeKeys(keys);
        QCOMPARE(Readout(), display);
        QCOMPARE(boxes.count(), 0);
    }

    void keyboardAlternatives() {
        Fresh();
        QTest::keyClick(calc_, Qt::Key_1);
        QTest::keyClick(calc_, '.');  // the point types the decimal comma too
        QTest::keyClick(calc_, Qt::Key_5);
        QTest::keyClick(calc_, 'x');
        QTest::keyClick(calc_, Qt::Key_4, Qt::KeypadModifier);
        QTest::keyClick(calc_, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Readout(), QStringLiteral("6"));
        QTest::keyClick(calc_, Qt::Key_Escape);
        QCOMPARE(Readout(), QStringLiteral("0,"));
    }

    void keyboardAfterMouse() {
        // A key clicked with the mouse must not take Enter away from the calculator.
        Fresh();
        ClickKeys("2+");
        TypeKeys("3=");
        QCOMPARE(Readout(), QStringLiteral("5"));
    }

    void keysThroughTheWindowSystem() {
        // Delivered as the window system delivers them: to whatever has the focus.
        Fresh();
        QWindow* window = calc_->windowHandle();
        QVERIFY(window);
        ClickKeys("9");
        for (Qt::Key key : {Qt::Key_Minus, Qt::Key_4, Qt::Key_Return}) QTest::keyClick(window, key);
        QCOMPARE(Readout(), QStringLiteral("5"));
        QTest::keyClick(window, Qt::Key_Delete);
        QCOMPARE(Readout(), QStringLiteral("0,"));
    }

    void divisionByZero() {
        BoxRecorder boxes;
        Fresh();
        ClickKeys("8/0=");
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Rechner"));
        QCOMPARE(boxes.last().text, QStringLiteral("Division durch Null ist nicht möglich"));
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(Readout(), QStringLiteral("8,"));
        ClickKeys("+2=");
        QCOMPARE(Readout(), QStringLiteral("10"));
    }

    void errorsShowAndReset_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("lone minus as operand") << "5X-+";
        QTest::newRow("percent twice") << "200X5%%";
        QTest::newRow("beyond double range") << QString("1" + QString(200, '0') + "X1" + QString(200, '0') + "=");
    }

    void errorsShowAndReset() {
        QFETCH(QString, keys);
        BoxRecorder boxes;
        Fresh();
        TypeKeys(keys);
        QCOMPARE(Readout(), QStringLiteral("Fehler"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Rechner"));
        // Reset as by "C": the next sequence starts afresh.
        ClickKeys("3+4=");
        QCOMPARE(Readout(), QStringLiteral("7"));
        QVERIFY(calc_->isVisible());
    }
};

QTEST_MAIN(CalculatorTest)
#include "Calculator_test.moc"
