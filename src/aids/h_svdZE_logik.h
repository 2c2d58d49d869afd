#pragma once
// Long division of a four-digit number by a two-digit divisor, without a window: the level generators, the
// 19 steps of the long way with the leading zeros that fall away, the shifted rows of a quotient below 100,
// the messages (counted or not), the "Ergänze" help with its borrow mark, and the drawings of the sheet.

#include "aids/langdivision_logik.h"

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace svdZE {

struct Aufgabe {
    int zehner2 = 2, einer2 = 0; // the divisor's digits
    int H = 0, Z = 5, E = 0; // the quotient's digits
    int r = 0;

    int teiler() const { return 10 * zehner2 + einer2; }
    int quotient() const { return 100 * H + 10 * Z + E; }
    int zahl() const { return quotient() * teiler() + r; }
    // The written layout, cells 0..21 (see the step table): dividend digits, quotient digits, products,
    // differences, digits brought down, remainder.
    std::array<QChar, 22> wegzeichen() const;
    QChar W(int k) const { return wegzeichen()[std::size_t(k)]; }
    // Rows below the task row move up by two rows when the quotient has no hundreds.
    int verschiebung() const { return H == 0 ? 174 : 0; }
};

// Level 0..6 (7 draws one of them); `mitRest` draws a remainder 1..d-1.
Aufgabe generator(int stufe, bool mitRest);

// The place of step s on the sheet (the row shift applied; the quotient digits stay in the task row).
QPoint platz(const Aufgabe& a, int schritt);
// Steps 1..19, the cells 3..21; a zero product is written as one "0" in the units column.
langdivision::Schrittplan schrittplan(const Aufgabe& a);

// ---- Sheet ----

schrift::Bild papier();
// The task row, and for a quotient below 100 the light-blue 0 in front of it.
schrift::Bild aufgabenzeile(const Aufgabe& a);
// The subtraction line the pointer's arrival at `schritt` completes.
schrift::Bild linien(const Aufgabe& a, int schritt);
// The marker line under the first partial dividend (not-XOR).
schrift::Bild markierlinie(const Aufgabe& a);
schrift::Bild haken();

// ---- Messages and help ----

struct Fehler {
    langdivision::Meldung meldung;
    // "unnötige Null": where the unnecessary zero would stand, drawn in light blue.
    std::optional<QPoint> nullPlatz;
};
Fehler meldung(const Aufgabe& a, int schritt, QChar eingabe);
schrift::Bild hellblaueNull(QPoint platz);

struct Hilfe {
    QStringList zeilen; // at y 60, 150, 210
    schrift::Bild meldebild; // arrows up at the divisor
    schrift::Bild feldbild; // arrow down, borrow mark
    bool markierlinie = false; // the marker line is to be drawn (when it is not already)
};
Hilfe hilfe(const Aufgabe& a, int schritt);

} // namespace svdZE
