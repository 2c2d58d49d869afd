#pragma once
// The printed class list: a ruled sheet with the list name, the pupils' lines and twelve tick columns to the
// right of the names. The sheet is a model first, drawn afterwards, so that both can be looked at apart.

#include "shell/zeilendruck.h"

#include <QString>
#include <QStringList>
#include <QVector>

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
    static constexpr int kSpalteBreite = 80;
    static constexpr int kSpaltenAb = 950;
    static constexpr int kSpaltenOben = -50;
    static constexpr int kSpaltenUnten = -2780;
    static constexpr int kSchrifthoehe = 50;

    QString listenname;
    QStringList zeilen; // as printed
    int reihen = 32;
    int abstand = 80;

    // Top of the text of pupil i (from 1): 10 units above the rule that closes its row.
    int zeileY(int i) const { return -(kRasterOben - 60 + abstand * i); }
    // Rule j (from 0 to reihen).
    int regelY(int j) const { return -(kRasterOben + abstand * j); }
    int spalteX(int j) const { return kSpaltenAb + kSpalteBreite * j; }
};

// Up to 32 pupils stand in rows of 8 mm; a longer list shares the same ruled height among its rows, so that
// all 40 pupils fit on one A4 page. Each line is printed as the file holds it.
Listenblatt listenblatt(const QString& liste, const QStringList& zeilen);
// Every pupil of a list, 40 to a page: a list made by hand may hold more, and each pupil is printed.
QVector<Listenblatt> listenblaetter(const QString& liste, const QStringList& zeilen);

// The page as the line printing draws it: the name, the pupils, then the rules.
zeilendruck::Seite seite(const Listenblatt& blatt);
void zeichnen(Canvas& canvas, const Listenblatt& blatt);

// One document on the default printer, a page for each sheet.
void drucken(const Listenblatt& blatt);
void drucken(const QVector<Listenblatt>& blaetter);

} // namespace dverw
