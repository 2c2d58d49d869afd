#pragma once
// The empty hundred field: ten rows of ten cells in thin lines, split into four quarters of 5 x 5 by two thick
// lines through its middle. The placing aid, the naming and assigning aids, the quick-sight test of the
// hundred field and some games draw it, each with its own geometry, so the geometry is a parameter.

#include "platform/colors.h"

#include <QColor>
#include <QRect>
#include <optional>

class Canvas;
class DesignGrid;

// Design units of the 1000 x 1000 grid.
struct Hunderterfeldmass {
    // The top-left corner of the top-left cell and the size of one cell.
    int links = 22;
    int oben = 25;
    int zellbreite = 66;
    int zellhoehe = 95;
    int spalten = 10;
    int zeilen = 10;

    // Ends of the thin lines: the vertical ones run from y senkrechtOben to senkrechtUnten, the horizontal ones
    // from x waagerechtLinks to waagerechtRechts.
    int senkrechtOben = 25;
    int senkrechtUnten = 975;
    int waagerechtLinks = 22;
    int waagerechtRechts = 682;

    // The thick lines through the middle (pixels wide, not scaled), with their own ends; none when 0.
    int mitteDicke = 3;
    int mitteSenkrechtOben = 20;
    int mitteSenkrechtUnten = 980;
    int mitteWaagerechtLinks = 18;
    int mitteWaagerechtRechts = 686;

    QColor farbe = clGreen;
    // Cleared to white with a button-face pen before the lines (left, top, right, bottom); nothing when empty.
    std::optional<QRect> loeschbereich = QRect(QPoint(10, 10), QPoint(695, 990));

    // Where the thick lines are: between the middle columns and the middle rows.
    int mitteX() const { return links + zellbreite * (spalten / 2); }
    int mitteY() const { return oben + zellhoehe * (zeilen / 2); }
    // Left, top, right and bottom of the cell in row r and column c (from 0).
    QRect zelle(int r, int c) const
    {
        return QRect(QPoint(links + zellbreite * c, oben + zellhoehe * r),
            QPoint(links + zellbreite * (c + 1), oben + zellhoehe * (r + 1)));
    }
};

// The field of the placing aid (and of the quick-sight test of the hundred field): 66 x 95 cells from (22, 25).
Hunderterfeldmass feldZahlEinordnen();
// The field of the naming and assigning aids: 54 x 80 cells from (82, 100); the thick cross only when asked
// (naming), not where the blue and yellow cells are counted.
Hunderterfeldmass feldZahlNennen(bool kreuz);

// Draws the field on a canvas in pixels, design units scaled by the grid; the pen is 1 pixel wide afterwards.
void hunderterfeld(Canvas& canvas, const Hunderterfeldmass& mass, const DesignGrid& raster);
