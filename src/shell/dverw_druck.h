#pragma once
// The printed class list: a ruled sheet with the list name, the pupils' lines and twelve tick columns to the
// right of the names. The sheet is a model first, drawn afterwards, so that both can be looked at apart.

#include "shell/zeilendruck.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Canvas;

namespace dverw {

// Positions in 0.1 mm on the printer's canvas, y negative downward.
struct Listenblatt {
    static constexpr int kLinks = 200;
    static constexpr int kRechts = 1950;
    static constexpr int kTitelY = -100;
    static constexpr int kRasterOben = 210;
    static constexpr int kRasterHoehe = 2560; // 32 rows of 8 mm
    static constexpr int kSpalten = 12;
    // Twelve tick columns of 8 mm, the first beginning at 103 mm: a list keeps the grid teachers know, and a line too
    // long for the names' column is set to fit it (setzen), not the grid to fit the line.
    static constexpr int kSpalteBreite = 80;
    static constexpr int kSpaltenAb = 950;
    static constexpr int kSpaltenOben = -50;
    static constexpr int kSpaltenUnten = -2780;
    static constexpr int kSchrifthoehe = 50;
    // The width of a pupil's line: from the rules' left end to a millimetre before the first tick column.
    static constexpr int kNamenbreite = kSpaltenAb + kSpalteBreite - 10 - kLinks;

    QString listenname;
    QStringList zeilen; // as printed
    int reihen = 32;
    int abstand = 80;

    // Top of the text of pupil i (from 1): 10 units above the rule that closes its row.
    int zeileY(int i) const { return -(kRasterOben - 60 + abstand * i); }
    // Rule j (from 0 to reihen).
    int regelY(int j) const { return -(kRasterOben + abstand * j); }
    int spalteX(int j) const { return kSpaltenAb + kSpalteBreite * j; }
    // The height of a pupil's line: from just below the rule above its row down to where a line in the list's type
    // ends, a millimetre above the rule below.
    int namenhoehe() const { return abstand - 4 - 10; }
    // Top of part j (from 0) of a line of pupil i set in `teile` parts of cell height h: the parts stand one
    // under the other and end where a line in the list's type ends.
    int teilY(int i, int j, int teile, int h) const { return zeileY(i) - kSchrifthoehe + (teile - j) * h; }
};

// How a pupil's line stands in its row: the cell height of its type and its parts, one under the other.
struct Zeilensatz {
    int schrifthoehe = Listenblatt::kSchrifthoehe;
    QStringList teile;
};

// The width in 0.1 mm of a text in the list's type at a cell height, as printed.
using Messung = std::function<int(int schrifthoehe, const QString& text)>;

// A line that fits the width in the list's type stands in it, as typed. A longer one (a long name of wide letters,
// or a line typed by hand) is set in the largest type in which it fits the width and the height, broken where a line
// may break (after a blank or a hyphen; within a word only where the word alone is wider), so that nothing of it is cut
// or runs into the tick columns or the next row.
Zeilensatz setzen(const QString& zeile, int breite, int hoehe, const Messung& messen);
// Every pupil's line of the sheet, measured on the canvas it is drawn on.
QVector<Zeilensatz> saetze(const Listenblatt& blatt, Canvas& canvas);

// Up to 32 pupils stand in rows of 8 mm; a longer list shares the same ruled height among its rows, so that
// all 40 pupils fit on one A4 page. Each line is printed as the file holds it (setzen).
Listenblatt listenblatt(const QString& liste, const QStringList& zeilen);
// Every pupil of a list, 40 to a page: a list made by hand may hold more, and each pupil is printed.
QVector<Listenblatt> listenblaetter(const QString& liste, const QStringList& zeilen);

// The page as the line printing draws it: the name, the pupils whose lines stand in the list's type, then the
// rules.
zeilendruck::Seite seite(const Listenblatt& blatt, const QVector<Zeilensatz>& saetze);
// The page, then each line set in a smaller type.
void zeichnen(Canvas& canvas, const Listenblatt& blatt);

// One document on the default printer, a page for each sheet.
void drucken(const Listenblatt& blatt);
void drucken(const QVector<Listenblatt>& blaetter);

} // namespace dverw
