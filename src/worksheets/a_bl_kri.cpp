#include "worksheets/a_bl_kri.h"

#include "platform/canvas.h"

namespace kringel {

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

} // namespace

void kreise(Canvas& c, int x0, int y0, int nx, int ny, int abstand, int groesse, int luecke5, int luecke10)
{
    for (int r = 0; r < ny; ++r)
        for (int s = 0; s < nx; ++s) {
            const int x = x0 + abstand * s + luecke5 * (s / 5) + luecke10 * (s / 10);
            const int y = y0 - abstand * r - luecke5 * (r / 5) - luecke10 * (r / 10);
            c.ellipse(x, y, x + groesse, y - groesse);
        }
}

void draw(Canvas& c, Feld feld)
{
    c.pen.color = Qt::black;
    switch (feld) {
    case Feld::Zehner7:
        for (int s = 0; s < 7; ++s) {
            const int d = 370 * s;
            c.rectangle(340, -190 - d, 1820, -320 - d);
            linie(c, 1080, -200 - d, 1080, -310 - d);
            kreise(c, 350, -200 - d, 10, 1, 150, 110);
        }
        break;
    case Feld::Zwanziger4:
        for (int f = 0; f < 4; ++f) {
            const int d = 600 * f;
            kreise(c, 350, -200 - d, 10, 2, 150, 110);
            linie(c, 1080, -200 - d, 1080, -470 - d);
            linie(c, 340, -330 - d, 1805, -330 - d);
        }
        break;
    case Feld::Hunderter1:
        kreise(c, 350, -200, 10, 10, 150, 110);
        linie(c, 1080, -200, 1080, -1650);
        linie(c, 340, -930, 1805, -930);
        break;
    case Feld::Hunderter2:
        for (int f = 0; f < 2; ++f) {
            const int d = 1320 * f;
            kreise(c, 300, -200 - d, 10, 10, 110, 60);
            linie(c, 825, -190 - d, 825, -1245 - d);
            linie(c, 300, -725 - d, 1350, -725 - d);
        }
        break;
    case Feld::Vierhunderter2:
        for (int f = 0; f < 2; ++f)
            kreise(c, 200, -200 - 1400 * f, 20, 20, 50, 30, 10, 10);
        break;
    case Feld::Tausender2reihig:
        c.pen.width = 1;
        for (int t = 0; t < 3; ++t)
            for (int h = 0; h < 2; ++h)
                for (int k = 0; k < 5; ++k)
                    kreise(c, 200 + 300 * k, -220 - 900 * t - 300 * h, 10, 10, 25, 12, 9);
        break;
    case Feld::Tausender1reihig:
        c.pen.width = 1;
        for (int b = 0; b < 10; ++b)
            for (int k = 0; k < 3; ++k)
                kreise(c, 300 + 600 * k, -120 - 270 * b - 15 * (b / 5), 10, 10, 22, 12, 9);
        break;
    }
}

} // namespace kringel
