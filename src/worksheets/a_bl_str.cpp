#include "worksheets/a_bl_str.h"

#include "platform/canvas.h"

#include <vector>

namespace strahl {

namespace {

// A set of ticks: how many, their spacing, and where the tick ends away from the line (the top of a
// lying line's tick, the left start of a standing line's tick).
struct Striche {
    int anzahl;
    int abstand;
    int ende;
};

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// Five lying lines, each a double base line with its ticks rising from it.
void liegend(Canvas& c, const std::vector<Striche>& striche)
{
    for (int s = 0; s < 5; ++s) {
        const int d = 550 * s;
        linie(c, 200, -300 - d, 1800, -300 - d);
        linie(c, 200, -308 - d, 1800, -308 - d);
        for (const Striche& st : striche)
            for (int i = 0; i < st.anzahl; ++i)
                linie(c, 200 + st.abstand * i, -300 - d, 200 + st.abstand * i, st.ende - d);
    }
}

// Three standing lines, read sideways, with their ticks coming from the left.
void stehend(Canvas& c, const std::vector<Striche>& striche)
{
    for (int k = 0; k < 3; ++k) {
        const int e = 650 * k;
        linie(c, 450 + e, -80, 450 + e, -2780);
        linie(c, 458 + e, -80, 458 + e, -2780);
        for (const Striche& st : striche)
            for (int i = 0; i < st.anzahl; ++i)
                linie(c, st.ende + e, -80 - st.abstand * i, 450 + e, -80 - st.abstand * i);
    }
}

} // namespace

void draw(Canvas& c, Art art)
{
    c.pen.color = Qt::black;
    c.pen.width = 3;
    switch (art) {
    case Art::Zehner5:
        liegend(c, { { 11, 160, -270 }, { 3, 800, -240 }, { 2, 1600, -170 } });
        break;
    case Art::Zwanziger5:
        liegend(c, { { 21, 80, -280 }, { 5, 400, -240 }, { 3, 800, -190 } });
        break;
    case Art::Hunderter5:
        liegend(c, { { 101, 16, -285 }, { 21, 80, -265 }, { 11, 160, -200 } });
        break;
    case Art::Zwanziger3quer:
        stehend(c, { { 21, 135, 430 }, { 5, 675, 390 }, { 3, 1350, 340 } });
        break;
    case Art::Hunderter3quer:
        stehend(c, { { 101, 27, 430 }, { 21, 135, 390 }, { 11, 270, 340 } });
        break;
    }
}

} // namespace strahl
