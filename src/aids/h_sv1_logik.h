#pragma once
// Column addition and subtraction of three-digit numbers without a window: the level generators, the task
// as it is shown and typed, the messages for wrong characters, the help and show texts with their marks and
// pointers, and the exchanges of the subtraction by exchanging.
//
// Every task is made as an addition a + b = c; the subtractions show it backwards as c - b = a. Columns are
// indexed 0 = hundreds (H), 1 = tens (Z), 2 = units (E). The typed characters run from step 5 down to 1:
// units digit, carry into the tens, tens digit, carry into the hundreds, hundreds digit.

#include "aids/schriftrahmen_logik.h"
#include "aids/schriftverfahren_logik.h"

#include <QChar>
#include <QString>
#include <array>

namespace sv1 {

enum Spalte { H = 0, Z = 1, E = 2 };

struct Ziffern {
    std::array<int, 3> a {}, b {}, c {};
    QChar merkzehner { u' ' }; // "ü" when the units carry into the tens
    QChar merkhunderter { u' ' }; // "ü" when the tens carry into the hundreds
    int uebertraege = 0;

    int zahlA() const { return a[H] * 100 + a[Z] * 10 + a[E]; }
    int zahlB() const { return b[H] * 100 + b[Z] * 10 + b[E]; }
    int zahlC() const { return c[H] * 100 + c[Z] * 10 + c[E]; }
    // The carry mark a column receives (never the units).
    QChar merk(int spalte) const { return spalte == Z ? merkzehner : spalte == H ? merkhunderter : QChar(u' '); }
};

// The generators G0, G1, G2, G4, G5, G6 (`stellenwurf`); G5 depends on the code (addition or subtraction).
Ziffern stellenwurf(int generator, int code);
using schriftverfahren::generatorVonStufe;

// A task as shown: the rows on the sheet and what is typed.
struct Aufgabe {
    Ziffern z;
    int code = 81;
    QChar zeichen { u'+' };
    // Rows 0 (top), 1 (middle), 2 (result), columns H, Z, E; the result row is typed (codes 81, 83, 84).
    // Code 82 shows all three rows with "?" in the gaps.
    std::array<std::array<QString, 3>, 3> zeilen;
    // Code 82: the row of the gap in each column.
    std::array<int, 3> luecken { -1, -1, -1 };
    QString wahltext;
};
// Fills the display and the expected input; code 82 draws its gap rows.
Aufgabe aufgabeBilden(int code, const Ziffern& z);

// The column of a digit step (5 units, 3 tens, 1 hundreds) or carry step (4 into the tens, 2 into the
// hundreds).
int spalteVonSchritt(int schritt);
bool ziffernschritt(int schritt);

// ---- Drawing ----

// The task on the squared paper.
schrift::Bild aufgabenbild(const Aufgabe& a, int schritt);
// Code 82: the yellow mark of the gap typed at this step (nothing at carry steps).
schrift::Bild lueckenmarke(const Aufgabe& a, int schritt);
// A right character at its place.
schrift::Bild eintrag(const Aufgabe& a, int schritt, QChar zeichen);
// The green frame around a column, drawn in not-XOR (drawn again, it is gone).
schrift::Bild spaltenrahmen(int spalte);

// ---- Wrong characters ----

struct Meldung {
    QString text;
    bool button10Fokus = false;
};
// The message for a wrong character at `schritt`; `zuletzt` is the last right character typed.
Meldung meldung(QChar getippt, int schritt, const QString& wahltext, QChar zuletzt);
schrift::Bild meldungsbild(const QString& text);

// ---- Help and show ----

struct Hilfe {
    schrift::Bild meldung;
    bool spalteMarkieren = false;
    bool zeigenFrei = false;
    bool tauschenFrei = false; // code 84: the column cannot be subtracted yet
    bool button10Fokus = false;
    int zwbyte4 = 0; // the carry out of the column explained, 0 or 1
};
Hilfe hilfe(const Aufgabe& a, int schritt);
// The show button: the expected character (and for code 82 the pointers); `zwbyte4` as the help left it.
schrift::Bild zeigen(const Aufgabe& a, int schritt, int zwbyte4);

// ---- Exchanges (code 84) ----

// `tauschstand`: 0 at each task, 44 after a ten was exchanged into ones, 45 while a hundred and then a ten
// are exchanged in one go. The exchanges change the minuend digits (c) and give the notes and strokes.
schrift::Bild zehnerTauschen(Ziffern& z, int& tauschstand);
schrift::Bild hunderterTauschen(Ziffern& z, int tauschstand);
// What a right character at `schritt` needs first (nothing when the column can be subtracted).
schrift::Bild tauschVorEintrag(Ziffern& z, int& tauschstand, int schritt);
// The "tauschen" button: its explanation in meldebox and the exchange in feldbox.
struct Tauschknopf {
    schrift::Bild meldung;
    schrift::Bild feld;
};
Tauschknopf tauschen(Ziffern& z, int& tauschstand, int schritt);

} // namespace sv1
