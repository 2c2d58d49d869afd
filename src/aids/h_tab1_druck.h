#pragma once
// The empty table as a worksheet: the grid with its margin numbers and the operation sign, the working
// hints, and for division the three-part schema in every cell. One page on the default printer, in 0.1 mm.

#include <QPoint>
#include <QString>
#include <QVector>

class Canvas;

namespace tab1 {

struct Tabellenblatt {
    // The three grids: small tables (cell 14.5 mm), division (29 mm, schema in each cell), 8 x 8 (20 mm).
    enum class Raster { klein, teilen, acht };
    Raster raster = Raster::klein;
    int zeilen = 0;
    int spalten = 0;
    QVector<int> zeilenzahlen;
    QVector<int> spaltenzahlen;
    QString zeichen;
    QPoint zeichenPlatz;
    struct Hinweis {
        QPoint platz; // top left, 0.1 mm
        QString text;
    };
    QVector<Hinweis> hinweise;
};

// The sheet of a table code with its margins in their current order; wahl4 = 1 (shuffled margins) leaves
// out the pattern hint.
Tabellenblatt tabellenblatt(
    int code, int variante, int wahl4, const QVector<int>& zeilenzahlen, const QVector<int>& spaltenzahlen);
// The same from the shared variables the aid has set up.
Tabellenblatt aktuellesBlatt();

void zeichnen(Canvas& canvas, const Tabellenblatt& blatt);
// One document on the default printer.
void drucken(const Tabellenblatt& blatt);

} // namespace tab1
