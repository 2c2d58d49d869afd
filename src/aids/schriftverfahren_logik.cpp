#include "aids/schriftverfahren_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

namespace schriftverfahren {

int generatorVonStufe(int stufe)
{
    static constexpr int kMischung[6] = { 0, 1, 2, 4, 5, 6 };
    switch (stufe) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
        return stufe;
    case 3:
        return Random(2) == 0 ? 1 : 2;
    case 7:
        return kMischung[Random(6)];
    default:
        return -1;
    }
}

int zufall(int lo, int hi)
{
    return Random(hi - lo + 1) + lo;
}

schrift::Schrift text(int x, int y, const QString& t, const QColor& farbe, int hoehe, schrift::Ausrichtung a)
{
    return schrift::Schrift { x, y, t, farbe, hoehe, a, std::nullopt };
}

schrift::Bild meldungsbild(const QString& t)
{
    schrift::Bild b;
    b << text(370, 150, t, clGreen, 50);
    return b;
}

schrift::Bild rechenpapier(int unten, int rahmenbreite, int zeilen)
{
    schrift::Bild b;
    b << schrift::Rechteck { 20, 20, 720, unten, clGreen, rahmenbreite, clWhite };
    for (int i = 1; i <= 9; ++i)
        b << schrift::Linienzug { { { 72 * i + 10, 40 }, { 72 * i + 10, unten - 30 } }, clTeal, 1 };
    for (int j = 1; j <= zeilen; ++j)
        b << schrift::Linienzug { { { 57, 103 * j + 15 }, { 685, 103 * j + 15 } }, clTeal, 1 };
    return b;
}

} // namespace schriftverfahren
