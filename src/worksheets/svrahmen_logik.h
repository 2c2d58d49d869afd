#pragma once
// What the written-calculation sheets share on paper and need no window for: the tasks' kinds in order,
// the task numbers, numbers padded into their places, the squared underlay, the result lines and the
// printing run of one job per copy and one solution sheet.

#include <QString>
#include <functional>
#include <vector>

class Canvas;

namespace svrahmen {

// The kinds (from 1) of a sheet's tasks: kind 1 as often as zahlen[0], then kind 2 and so on; the last
// entry of zahlen is the fill count of the mixture, whose kind is zahlen.size(). Cut at n tasks.
std::vector<int> arten(const std::vector<int>& zahlen, int n);

// "k)", a one-digit k preceded by a blank.
QString nummer(int k);
// The number right-aligned in `breite` places, blanks in front.
QString rechts(int zahl, int breite);

// Random(b - a + 1) + a: a draw from a..b.
int wurf(int a, int b);

// The header line: height 65, left-aligned; the task block that follows is right-aligned.
void kopf(Canvas& canvas, int x, int y, const QString& text);
// Character i (from 1) of the text ends at x0 + abstand * i, in font height `hoehe`.
void stellen(Canvas& canvas, int x0, int y, int abstand, const QString& text, int hoehe = 65);
// The squared underlay, grey for 1 and black for 2 (nothing for 0): horizontal lines at y = -130 - 65 i
// (i = 0 .. waagrecht - 1) from x 130 to `rechts`, vertical lines at x = 65 j (j = 2 .. bisSpalte) from
// y -130 to `unten`.
void kaestchen(Canvas& canvas, int wahl, int waagrecht, int rechts, int bisSpalte, int unten);
// A black solid line from x1 to x2 at y in the pen width given.
void linie(Canvas& canvas, int x1, int x2, int y, int breite);
// Left-aligned text in font height 35 (the strips at the foot of a sheet).
void fuss(Canvas& canvas, int x, int y, const QString& text);
// "Ergebnisse:" at the foot and the values sorted behind it: `proZeile` of them at x 215 + dx * i in row y,
// the rest again from the left in row y2.
void ergebnisse(Canvas& canvas, std::vector<int> werte, int dx, int proZeile, int y, int y2);

// The printing run: `kopien` worksheets, each a print job of its own with the same tasks, then, when asked,
// one solution sheet. zeichnen(canvas, loesungsdruck) draws one page.
void druckdurchgang(
    const QString& titel, int kopien, bool loesung, const std::function<void(Canvas&, bool loesungsdruck)>& zeichnen);

} // namespace svrahmen
