#include "worksheets/a_bl_str.h"

#include "platform/canvas.h"

namespace strahl {

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// Five lying lines, each a double base line with its ticks rising from it.
void liegend(Canvas& c, const std::vector<Striche>& striche)
{
    for (int s = 0; s < 5; ++s)
        liegenderStrahl(c, -300 - 550 * s, 8, striche);
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
                linie(c, 450 + e - st.laenge, -80 - st.abstand * i, 450 + e, -80 - st.abstand * i);
    }
}

} // namespace

void liegenderStrahl(Canvas& c, int y, int doppel, const std::vector<Striche>& striche)
{
    linie(c, 200, y, 1800, y);
    linie(c, 200, y - doppel, 1800, y - doppel);
    for (const Striche& st : striche)
        for (int i = 0; i < st.anzahl; ++i)
            linie(c, 200 + st.abstand * i, y, 200 + st.abstand * i, y + st.laenge);
}

void draw(Canvas& c, Art art)
{
    c.pen.color = Qt::black;
    c.pen.width = 3;
    switch (art) {
    case Art::Zehner5:
        liegend(c, { { 11, 160, 30 }, { 3, 800, 60 }, { 2, 1600, 130 } });
        break;
    case Art::Zwanziger5:
        liegend(c, { { 21, 80, 20 }, { 5, 400, 60 }, { 3, 800, 110 } });
        break;
    case Art::Hunderter5:
        liegend(c, { { 101, 16, 15 }, { 21, 80, 35 }, { 11, 160, 100 } });
        break;
    case Art::Zwanziger3quer:
        stehend(c, { { 21, 135, 20 }, { 5, 675, 60 }, { 3, 1350, 110 } });
        break;
    case Art::Hunderter3quer:
        stehend(c, { { 101, 27, 20 }, { 21, 135, 60 }, { 11, 270, 110 } });
        break;
    }
}

} // namespace strahl
