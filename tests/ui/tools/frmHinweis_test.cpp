// The notes screen shows its 23 lines, as written (blanks included), once per run.

#include <QListWidget>
#include <QtTest>

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
// One note line per text line; the empty lines are empty notes, lines 3 and 4 end in a blank.
const QString kNotes = QStringLiteral(
    R"(Beim Vergleich der errechneten Werte mit denen der Bank kann es geringe Abweichungen geben.
Das Programm rechnet mit exakten mathematischen Formeln (z.B. geometrischen Reihenentwick-
lungen). Bei Banken wurden früher, als es noch keine Computer gab, vereinfachte Methoden 
und Tabellen zur Zinsberechnung entwickelt. Viele Banken benutzen auch heute noch, trotz 
Computereinsatz, diese vereinfachten Verfahren um z.B. Tausendstel Pfennige zu vermeiden.
Damit sind die geringen Abweichungen zu erklären.
Bei den Kreditprogrammen ist zu beachten, daß diese mit den jährlichen Nominal-Zinssatz rechnen.
Oft wird jedoch nur der effektive Jahreszinssatz angegeben. Dieser beinhaltet alle Kredit-
nebenkosten und die Kosten für die Zoltbeschaffung der Bank (Disagio, Damnum). Außerdem werden
von den Banken die Ratenhöhen korrigiert um ganzzahlige Werte zu erhalten. Die erste Rate wird
dann oft höher als die folgenden. Es kann deshalb auch beim Vergleich der errechneten Ratenhöhen
zu geringen Abweichungen kommen.

Der effektive Jahreszinsatz wird errechnet:

                                              Z(eff.)=Z(nom.)+Kreditnebenkosten (in %)


In der Windows-Systemsteuerung sollte unter 'Ländereinstelungen' das deutsche Zahlenformat

                           Dezimaltrennzeichen ',' (Komma)     Tausendertrennzeichen '.' (Punkt)

und ab 01.01.2002 das Währungsformat € eingestellt sein.)");
}  // namespace

class frmHinweisTest : public QObject {
    Q_OBJECT

private slots:
    void notesShownWholeAndOnce() {
        ProgramSlots program;
        for (int opening = 0; opening < 2; ++opening) {
            QWidget* notes = program.screens.Open(ScreenId::frmHinweis);
            auto* list = Find<QListWidget>(notes, QStringLiteral("Liste1"));
            QStringList lines;
            for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
            QCOMPARE(lines, kNotes.split(QLatin1Char('\n')));
            QCOMPARE(lines.size(), 23);
            notes->hide();
        }
    }
};

QTEST_MAIN(frmHinweisTest)
#include "frmHinweis_test.moc"
