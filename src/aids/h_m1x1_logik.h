#pragma once
// What the middle and large 1x1 aid decides without a window: the task of the chosen form from the hub's
// pool of ones digits, the check of a typed digit against the product, and the five help steps that take
// the product apart on the 20 x 20 dot field (tens times the other factor, the ones on their own), and the
// aid's protocol lines. Positions are design units of the dot field's paint box.

#include "aids/hilfenrahmen_logik.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

namespace m1x1 {

// Form 0: E x ZE, 1: ZE x E, 2: ZE x ZE; the two-digit factors lie between 12 and 19.
struct Aufgabe {
    int form = 0;
    int a = 0, b = 0; // the ones digits drawn from the pool, left and right
    int einer1 = 0, einer2 = 0; // the factors
    int zielzahl = 0;
    QString produkt() const { return QString::number(zielzahl); }
};
Aufgabe aufgabe(int form, int a, int b);
// Draws the next pair of digits from aufgabenliste (a new pass once all have come).
Aufgabe ziehen(int form);

// Whether the digit at `stelle` (from 1) of the typed text is the digit at that place of the product.
bool zifferRichtig(const QString& eingabe, int stelle, int zielzahl);
// The right end of the typed digits once `stelle` of them stand, so that they fill up to where the
// product stands in the end.
int ziffernRechts(int stellen, int stelle);

// The dot of column i (the right factor) and row j (the left factor).
QRect punkt(int i, int j);

struct Punkte {
    int spalteVon = 1, spalteBis = 0, zeileVon = 1, zeileBis = 0;
    QColor fuellung, rand;
};
struct Gleichung {
    int y = 0;
    QString links; // right-aligned at x 780
    int wert = 0; // right-aligned at x 880
    QColor farbe;
};
struct Hilfeschritt {
    bool trennlinie = false; // the line under the task, in step 1
    std::optional<Punkte> punkte;
    std::optional<Gleichung> gleichung;
    bool ergebnis = false; // step 5: the product
    // Forms with one two-digit factor have no step 3: the step after 2 is 4.
    bool dreiUeberspringen = false;
};
constexpr int kLetzteStufe = 5;
// Step 1..5 of a task; any other step draws nothing.
Hilfeschritt hilfeschritt(const Aufgabe& t, int stufe);

hilfenrahmen::Protokollangaben protokollangaben(int form, const QString& wahltext, int hilfetasten);

} // namespace m1x1
