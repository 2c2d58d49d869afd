#pragma once
// What every aid window does around its own exercise and what needs no window: the work counters and the
// clock of a run, the work limits with the automatic end, the geometry of the time and task bars, and the
// aid's lines 2 to 12 of the protocol record.

#include "shell/ziffernfilter.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class Canvas;

namespace hilfenrahmen {

// ---- Counters and clock (on the shared variables) ----

// Start of a run: anzahl, eingabengesamt, eingabenrichtig, noetiggesamt, hilfetasten, zeigetasten, dauer and
// the time parts to 0; startzeit := now.
void laufBeginnen();
// Start of a task: aufgabeneingaben, aufgabennoetig, laufzeit, hilfestufe := 0.
void aufgabeBeginnen();
// Decodes an elapsed time (by magnitude) into stunden, minuten, sekunden, millisek. minuten holds all the
// minutes of the run, not only those within the hour, so that a long run is neither shown as a short one
// nor ended by the bars as if it had just begun.
void zeitteileSetzen(double spanne);
// The clock step: jetzt := now; dauer := startzeit - jetzt; decoded.
void uhrschritt();
// The end of a run: endzeit := now; laufzeit := endzeit - startzeit; decoded.
void endzeitNehmen();
// A task is done: anzahl + 1, eingabengesamt + aufgabeneingaben, eingabenrichtig + aufgabennoetig when it
// counts as right, then the clock step.
void aufgabeGezaehlt(bool richtigBuchen);
// Rounds the seconds of the last decoding to whole seconds (millisek > 499 rounds up); 60 seconds carry
// into the minutes.
void sekundenRunden();

// ---- Work limits ----

// A limit of 0 switches the bars, the automatic end and the protocol off.
bool limitsAktiv(int mindestminuten, int mindestaufgaben);
// The run ends by itself once both limits are reached.
bool automatischesEnde(int minuten, int anzahl, int mindestminuten, int mindestaufgaben);
// The end button offers the protocol once one limit is reached.
bool protokollErlaubt(int minuten, int anzahl, int mindestminuten, int mindestaufgaben);

// ---- Time and task bars ----

// Design units inside the bar box (200 x 95): the grounds and the green parts as drawn (left, top, right,
// bottom); a green part may reach beyond its ground, where the white strip from x 195 covers it.
struct Balken {
    QRect zeitgrund, aufgabengrund;
    int zeitrechts = 5; // right end of the green time bar
    int aufgabenrechts = 5; // right end of the green task bar
};
constexpr int kBalkenlaenge = 190;
// Only for limits above 0.
Balken balkengeometrie(int minuten, int sekunden, int anzahl, int mindestminuten, int mindestaufgaben);
// Paints the bars on the bar box's canvas, design units scaled by sx and sy.
void balkenZeichnen(Canvas& canvas, const Balken& balken, float sx, float sy);

// ---- Protocol lines 2 to 12 ----

// The labels are 23 characters long, so the values of all lines stand in one column.
QString stufenzeile(const QString& stufe); // "Schwierigkeitsstufe:   " + stufe
QString arbeitszeittext(int minuten, int sekunden); // "2:05 min"
// label + richtig + "  ~ " + percent + " %  (Ziel: 100 %)"; the percent is taken of at least one input.
QString prozentzeile(const QString& label, int richtig, int gesamt);
QString hilfetastenzeile(int hilfetasten); // "       Hilfetaste(n):  " + n
QString hilfetastezeile(int hilfetasten); // "       Hilfetaste:     " + n
QString zeigetastezeile(const QString& wert); // "       Zeigetaste:     " + wert

// What an aid says in its protocol beyond the common lines.
struct Protokollangaben {
    QString titel; // line 2 after "Programm:"
    QString zeile4 = stufenzeile(QStringLiteral("---"));
    QString zeile5;
    // In place of the common line 9 (the placing aid counts necessary moves instead of right inputs).
    std::optional<QString> zeile9;
    // Line 10, "falsch/unnötig": the help and show presses are inputs but not wrong ones in aids that
    // count them; some aids leave the line empty.
    enum class Falsch { ohneAbzug, ohneHilfetasten, ohneHilfeUndZeigetasten, leer };
    Falsch zeile10 = Falsch::ohneAbzug;
    // The label in front of that count (some aids name it otherwise).
    QString zeile10label = QStringLiteral("       falsch/unnötig: ");
    QString zeile11;
    QString zeile12;
};

// The counters the lines are written from.
struct Stand {
    int mindestminuten = 0, mindestaufgaben = 0;
    int minuten = 0, sekunden = 0; // already rounded
    int anzahl = 0, eingabengesamt = 0, eingabenrichtig = 0, hilfetasten = 0, zeigetasten = 0;
};
Stand aktuellerStand();

// Lines 2 to 12 (11 lines).
QStringList protokollzeilen(const Protokollangaben& angaben, const Stand& stand);
// Before the aid says its lines: rounds the seconds and puts a help count below 0 back to 0.
void protokollVorbereiten();
// Writes lines 2 to 12 of protzeilen from the shared counters.
void protokollSchreiben(const Protokollangaben& angaben);

} // namespace hilfenrahmen

// ---- Keypad and keyboard ----

namespace tasten {

// Where the form's key handler sends a typed character: backspace, Enter and Esc to their buttons, the
// digits to the digit buttons; everything else goes nowhere.
enum class Ziel { keins, ziffer, loeschen, eingabe, ende };
struct Tastenziel {
    Ziel ziel = Ziel::keins;
    int ziffer = -1;
};
Tastenziel tastenweiche(QChar taste);

// The arrow keys (37 .. 40) are wanted by the arrow-key box, so that they move and do not move the focus.
bool pftast(quint16 charCode);

} // namespace tasten
