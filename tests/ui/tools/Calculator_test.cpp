// The desk calculator's keys, clicked or typed, reach the core calculator (whose arithmetic
// its own test checks); a refused key shows the calculator's box.

#include "support/ScreenTestKit.h"
#include "ui/tools/Calculator.h"

using namespace zolt;
using namespace zolt::testing;

class CalculatorTest : public QObject, private ScreenFixture<Calculator> {
    Q_OBJECT

    // Digits and , / + X - = % E(CE) C: clicked, or typed as the window system delivers keys
    // (the point and "x" type the comma and "X" as well).
    QString Press(const QString& keys, bool typed) {
        static const QStringList names = {"Decimal",     "Operator(0)", "Operator(1)", "Operator(2)", "Operator(3)",
                                          "Operator(4)", "Percent",     "CancelEntry", "Cancel"};
        static const std::array<int, 9> codes = {Qt::Key_Period, Qt::Key_Slash,   Qt::Key_Plus,   Qt::Key_X,     Qt::Key_Minus,
                                                 Qt::Key_Enter,  Qt::Key_Percent, Qt::Key_Delete, Qt::Key_Escape};
        for (const QChar key : keys) {
            const auto i = QStringLiteral(",/+X-=%EC").indexOf(key);
            if (typed) QTest::keyClick(screen_->windowHandle(), Qt::Key(i < 0 ? Qt::Key_0 + key.digitValue() : codes[i]));
            else Click(Get(i < 0 ? QStringLiteral("Number(%1)").arg(key) : names[i]));
        }
        return Get<QLabel>("Readout")->text();
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void keysReachTheCalculator_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("digits") << "1234567890" << "1234567890,";
        QTest::newRow("operators") << "1,5X4/2+3-1=" << "5";  // a swapped pair would show another number
        QTest::newRow("percent") << "5%" << "0,05";
        QTest::newRow("clear entry keeps the operands") << "5+3E4=" << "9";
        QTest::newRow("clear starts afresh") << "5+3C4=" << "4,";
    }

    void keysReachTheCalculator() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QCOMPARE(Press(keys, false), display);
        QCOMPARE(Press("C" + keys, true), display);  // a clicked key keeps no focus: the keyboard still works
        QCOMPARE(boxes_->Take(), QStringList{});
    }

    void refusalsShowTheirBox() {
        QCOMPARE(Press("8/0=", false), QStringLiteral("8,"));
        QCOMPARE(Press("C5X-+", false), QStringLiteral("Fehler"));
        QCOMPARE(boxes_->Take(), (QStringList{"! Rechner: Division durch Null ist nicht möglich",
                                              "! Rechner: Die Eingabe ist keine Zahl. Der Rechner wurde zurückgesetzt."}));
    }
};

QTEST_MAIN(CalculatorTest)
#include "Calculator_test.moc"
