#include "ui/tools/frmHinweis.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"

namespace zolt {

namespace {

// Broken by hand for the list's width; each is one list entry and is never re-wrapped.
const char* const kNoteLines[] = {
    "Beim Vergleich der errechneten Werte mit denen der Bank kann es geringe Abweichungen geben.",
    "Das Programm rechnet mit exakten mathematischen Formeln (z.B. geometrischen Reihenentwick-",
    "lungen). Bei Banken wurden früher, als es noch keine Computer gab, vereinfachte Methoden ",
    "und Tabellen zur Zinsberechnung entwickelt. Viele Banken benutzen auch heute noch, trotz ",
    "Computereinsatz, diese vereinfachten Verfahren um z.B. Tausendstel Pfennige zu vermeiden.",
    "Damit sind die geringen Abweichungen zu erklären.",
    "Bei den Kreditprogrammen ist zu beachten, daß diese mit den jährlichen Nominal-Zinssatz rechnen.",
    "Oft wird jedoch nur der effektive Jahreszinssatz angegeben. Dieser beinhaltet alle Kredit-",
    "nebenkosten und die Kosten für die Zoltbeschaffung der Bank (Disagio, Damnum). Außerdem werden",
    "von den Banken die Ratenhöhen korrigiert um ganzzahlige Werte zu erhalten. Die erste Rate wird",
    "dann oft höher als die folgenden. Es kann deshalb auch beim Vergleich der errechneten Ratenhöhen",
    "zu geringen Abweichungen kommen.",
    "",
    "Der effektive Jahreszinsatz wird errechnet:",
    "",
    "                                              Z(eff.)=Z(nom.)+Kreditnebenkosten (in %)",
    "",
    "",
    "In der Windows-Systemsteuerung sollte unter 'Ländereinstelungen' das deutsche Zahlenformat",
    "",
    "                           Dezimaltrennzeichen ',' (Komma)     Tausendertrennzeichen '.' (Punkt)",
    "",
    "und ab 01.01.2002 das Währungsformat € eingestellt sein.",
};

}  // namespace

frmHinweis::frmHinweis(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmHinweis"));
    setWindowTitle(QStringLiteral("Hinweis"));
    setFont(DialogFont());
    SetClientTwips(this, 11520, 6780);

    Liste1_ = MakeControl<QListWidget>(this, QStringLiteral("Liste1"), {120, 120, 11280, 5940});
    Liste1_->setSortingEnabled(false);
    QFont notes(QStringLiteral("Times New Roman"));
    notes.setPointSizeF(9.75);
    notes.setStyleHint(QFont::Serif);
    Liste1_->setFont(notes);

    Befehl1_ = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Zurück"), {4740, 6210, 2040, 420});
    connect(Befehl1_, &QPushButton::clicked, this, &frmHinweis::Befehl1_Click);

    // The donation label is not created: the program has no donation address.
    Form_Load();
}

void frmHinweis::Form_Load() {
    CenterOnDesktop(this);
    for (const char* line : kNoteLines) Liste1_->addItem(QString::fromUtf8(line));
}

void frmHinweis::Befehl1_Click() { hide(); }

}  // namespace zolt
