#pragma once
// The quantities aid without its window. "Wie viele sind es?" (code 11): which quantities may come, where
// the shapes lie (each wholly in one quadrant of the work field), how long they are shown, when the timer
// covers them, the colour order and the counting strip of the help steps. "Platten, Stangen, Blöcke"
// (code 111): the picture of a three-digit number and the place markers under it.
// All places are design units (left, top, right, bottom).

#include "shell/HalmorGlobalDefs.h"

#include <QColor>
#include <QString>
#include <QVector>
#include <optional>

namespace mengen {

constexpr int kWieviele = 11, kPlatten = 111;

// ---- "Wie viele sind es?" ----

// The quantities 3..9 whose decimal text occurs in the hub's text of the allowed quantities.
QVector<int> erlaubteMengen(const QString& wahltext);
// Draws Random(7) + 3 until an allowed quantity comes. A text that allows none (the hub never starts
// with one) allows all, rather than drawing for ever.
int mengeZiehen(const QString& wahltext);

// A shape: the top-left corner of its 55 x 77 box.
struct Objekt {
    int x = 0, y = 0;
};
constexpr int kObjektbreite = 55, kObjekthoehe = 77;
enum class Quadrant { obenLinks, obenRechts, untenLinks, untenRechts };
Quadrant quadrant(const Objekt& o);
// Places n shapes at random: x in 20..619 outside 280..370, y in 25..744 outside 310..455, and no two
// closer than 60 across and 81 down; so each lies wholly in one quadrant.
QVector<Objekt> objekteLegen(int n);
// Help colours by quadrant: red top-left, yellow top-right, blue bottom-left, green bottom-right.
QColor quadrantfarbe(Quadrant q);
// The shapes in colour order (red, yellow, blue, green), within a colour in the order they were placed.
QVector<int> farbfolge(const QVector<Objekt>& objekte);

// The four white rectangles that cover the shapes; the strips between them stay.
QVector<TRect> abdeckungen();

// How long the shapes are shown, as a fraction of a day, by the chosen presentation time (variante 0..6).
double darbietungszeit(int variante, int eingabenrichtig, int zielzahl);
// The label of the presentation time as the hub shows it; empty beyond 0..6.
QString zeitenlabel(int variante);

// What the timer does at a tick.
enum class Takt {
    warten, // still within the presentation time
    abdecken, // cover the shapes now
    ruhen, // never cover any more in this task (answer right, or help from step 3 on)
};
Takt wievtakt(const QString& eingabe, int zielzahl, int hilfestufe, double jetzt, double aufgabenstart, double zeit);

// The counting strip of help step 3 on: cell r (from 0) and where count k of n is written.
TRect streifenzelle(int r);
int zaehlzahlX(int k, int n);
constexpr int kZaehlzahlY = 905;

// ---- "Platten, Stangen, Blöcke" ----

struct Stellen {
    int h = 1, z = 0, e = 0;
};
int zahlVon(const Stellen& s);
// Tens and units swapped: 100 H + 10 E + Z.
int tauschzahl(const Stellen& s);

// One cell of a plate, rod or cube.
struct Kasten {
    TRect r;
    QColor farbe;
};
// The plates (hundreds, blue and yellow in turn), the rods (tens) and the cubes (units, in columns of five,
// bottom first), in drawing order.
QVector<Kasten> plattenbild(const Stellen& s);

// The place marker under the picture once the pupil has answered wrongly: under the plates while nothing
// is typed (after clearing the marker row), under the rods after one digit, under the cubes after two.
struct Stellenmarke {
    QColor farbe;
    int x1 = 0, x2 = 0, y = 0;
    std::optional<TRect> loeschen;
};
std::optional<Stellenmarke> stellenmarke(const Stellen& s, int getippt);

} // namespace mengen
