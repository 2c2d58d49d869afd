#pragma once
// The number line aid without its window: the three lines (0 to 10, 20, 100) with their ticks and labels,
// the drawing of the sought number from the bag, the number a pointer at some x stands for, the line band
// in which the pointer may judge, and the texts of the protocol.

#include <QString>
#include <QVector>
#include <optional>

namespace strahl {

constexpr int kBis10 = 14, kBis20 = 15, kBis100 = 16;
// variante: how the pupil answers.
constexpr int kZeigen = 0, kNennen = 1;

// The highest number of the line of a code (10, 20, 100); an unknown code is taken as the line to 10.
int obergrenze(int code);
// Design x of number n on the line.
int xVon(int code, int n);
// The number nearest to a design x (may lie beyond the line).
int zahlAnX(int code, int xDesign);
bool aufDerLinie(int code, int n);
// The number a pointer at design x marks: none left of 0 or right of the end.
std::optional<int> gezeigteZahl(int code, int xDesign);

// The band of the line in design y: the pointer judges only here, below it lie the task panel and the
// buttons. It is the rectangle the mouse is held in while the pupil points.
constexpr int kBandOben = 200, kBandUnten = 380;
// Whether a pointer at window pixel y lies in the band.
bool imBand(int yPixel, float skalaY);
// Window pixel x in design units.
int designX(int xPixel, float skalaX);

// Fills zahlenbeutel with 1..10 for a new run.
void beutelFuellen();
// Draws the sought number of the next task from zahlenbeutel (a pass of the bag gives each entry once):
// 1..9 for the line to 10, 1..19 for 20, 1..99 without 50 for 100. A rejected draw uses up its entry.
int zielzahlZiehen(int code);

// How many digits the answer may have (2, or 3 on the line to 100).
int stellen(int code);
// The digits of n swapped ("erst Zehner, dann Einer!").
QString zifferntausch(int zahl);

// ---- The drawing of the line (design units; widths in pixels) ----

struct Strich {
    int n = 0; // number the tick stands at
    int oben = 0; // the tick runs from y 250 up to here
    int breite = 1;
};
struct Beschriftung {
    int x = 0, y = 0;
    QString text;
};
struct Linienbild {
    int achseY = 263;
    int achsenbreite = 10;
    QVector<Strich> striche; // in drawing order
    QVector<Beschriftung> beschriftungen;
    // The pointer arrow: shaft from pfeilOben to pfeilUnten, the head strokes end 10 to either side at y 293.
    int pfeilOben = 275, pfeilUnten = 325, pfeilbreite = 8;
    int wischOben = 275; // the pointer band that is wiped before the arrow is drawn
    // A typed wrong number is marked by a red tick from y 250 up to markeOben.
    int markeOben = 200, markenbreite = 10;
};
Linienbild linienbild(int code);
// Labels written once a task is solved (the tens that the line to 20 and to 100 do not show before).
QVector<Beschriftung> loesungsbeschriftungen(int code);
// Half height added above and below the arc from 0 to the solved number.
int bogenhoehe(int code, int zahl);

// ---- Protocol ----

QString titel(int code);
// Line 4 by the tasks solved in each mode; "---" when none was solved.
QString stufenzeile(int zeigenGeloest, int nennenGeloest);

} // namespace strahl
