#pragma once
// The Raum-100 sheets: six additions A + B = C of a two-digit A with C <= 100, each shown in one of six
// forms of the same relationship beside a picture of the hundred, and the sorted results strip. The sheet
// of mixed tens and ones and the sheet of two tens numbers differ in their generators and a few texts.

#include <QString>
#include <array>
#include <vector>

class Canvas;

namespace raum100 {

struct Aufgabe {
    int a = 0, b = 0, c = 0;
};

// The six tasks of a level (1..4) of mixed tens plus or minus ones. Levels 1 to 3 redraw a task whose
// first operand shares its tens or ones digit with an earlier one.
std::array<Aufgabe, 6> zehnerUndEiner(int stufe);
// The six tasks of a level (1..6) of two tens numbers. A task that breaks its level's rule against an
// earlier one starts the whole set again.
std::array<Aufgabe, 6> zweiZehnerzahlen(int stufe);

// The printed text of the task in form 1..6; `einStrich` writes the gap of forms 3 and 4 as "_".
QString aufgabentext(int form, const Aufgabe& aufgabe, bool einStrich);
// The number the pupil finds, for the strip.
int fehlend(int form, const Aufgabe& aufgabe);

enum Grafik { Gitter = 0, Felder = 1, Strahle = 2 };

struct Blatt {
    QString titel; // the whole title line
    int grafik = Gitter;
    std::vector<int> formen; // per filled slot its form, at most six
    std::array<Aufgabe, 6> aufgaben {};
    bool einStrich = false;
};

void draw(Canvas& canvas, const Blatt& blatt);

} // namespace raum100
