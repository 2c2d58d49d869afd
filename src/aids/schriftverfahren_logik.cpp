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

} // namespace schriftverfahren
