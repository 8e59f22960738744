#pragma once
// The selection menu: one button per calculator, the status line, the end of the program.

#include <QWidget>

namespace zolt {
class ScreenSlots;

class frmZoltauswahl : public QWidget {
    Q_OBJECT
public:
    explicit frmZoltauswahl(ScreenSlots& screens, QWidget* parent = nullptr);

    void Befehl1_Click();   // "Beenden"
    void Befehl2_Click();   // "Spareinlagen"
    void Befehl3_Click();   // "Bundesschatzbriefe"
    void Befehl4_Click();   // "Zinsatzermittlung"
    void Befehl5_Click();   // "Kredit-Rate"
    void Befehl6_Click();   // "Kredit-Laufzeit"
    void Befehl7_Click();   // "Kredit-Zinssatzermittlung"
    void Befehl8_Click();   // "Rente"
    void Befehl10_Click();  // "Alternative"
    void Befehl13_Click();  // "Kapital-Vervielfachung"
    void Befehl14_Click();  // "Plussparen-Extrasparen"
    void Befehl15_Click();  // "Summen-Sparen"
    void Befehl16_Click();  // "Hinweis"
    void Befehl17_Click();  // "Kreditvergleich"
    void Befehl18_Click();  // "Baufinanzierung"

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    ScreenSlots& screens_;
};

}  // namespace zolt
