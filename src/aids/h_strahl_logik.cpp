#include "aids/h_strahl_logik.h"

#include "platform/random.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

#include <utility>

namespace strahl {

namespace {

int schritt(int code)
{
    switch (code) {
    case kBis20:
        return 40;
    case kBis100:
        return 8;
    default:
        return 80;
    }
}

int ausDemBeutel()
{
    // Another aid may have left any size in the shared counter; the bag holds ten.
    if (vorratsgroesse <= 0 || vorratsgroesse > 10) vorratsgroesse = 10;
    const int k = Random(vorratsgroesse) + 1;
    const int v = zahlenbeutel[k];
    std::swap(zahlenbeutel[k], zahlenbeutel[vorratsgroesse]);
    vorratsgroesse = vorratsgroesse - 1;
    return v;
}

} // namespace

int obergrenze(int code)
{
    switch (code) {
    case kBis20:
        return 20;
    case kBis100:
        return 100;
    default:
        return 10;
    }
}

int xVon(int code, int n)
{
    return 100 + schritt(code) * n;
}

int zahlAnX(int code, int xDesign)
{
    return Round(double(xDesign - 100) / schritt(code));
}

bool aufDerLinie(int code, int n)
{
    return n >= 0 && n <= obergrenze(code);
}

std::optional<int> gezeigteZahl(int code, int xDesign)
{
    const int n = zahlAnX(code, xDesign);
    if (!aufDerLinie(code, n)) return std::nullopt;
    return n;
}

bool imBand(int yPixel, float skalaY)
{
    return yPixel >= Round(kBandOben * double(skalaY)) && yPixel < Round(kBandUnten * double(skalaY));
}

int designX(int xPixel, float skalaX)
{
    return skalaX > 0 ? Round(xPixel / double(skalaX)) : xPixel;
}

void beutelFuellen()
{
    for (int i = 1; i <= 10; ++i)
        zahlenbeutel[i] = byte(i);
    vorratsgroesse = 10;
}

int zielzahlZiehen(int code)
{
    for (;;) {
        const int v = ausDemBeutel();
        int z = v;
        switch (code) {
        case kBis20:
            z = v + 10 * Random(2);
            if (z == 20) continue;
            break;
        case kBis100:
            z = 10 * v - 10 + Random(10);
            if (z < 1 || z > 99 || z == 50) continue;
            break;
        default:
            if (z == 10) continue;
            break;
        }
        return z;
    }
}

int stellen(int code)
{
    return code == kBis100 ? 3 : 2;
}

QString zifferntausch(int zahl)
{
    return QString::number((zahl % 10) * 10 + zahl / 10);
}

Linienbild linienbild(int code)
{
    Linienbild b;
    const int ende = obergrenze(code);
    const auto striche = [&](int alle, int oben, int breite) {
        for (int n = 0; n <= ende; n += alle)
            b.striche << Strich { n, oben, breite };
    };
    switch (code) {
    case kBis20:
        striche(1, 220, 3);
        striche(5, 190, 5);
        striche(10, 140, 5);
        b.beschriftungen = { { 100, 80, QStringLiteral("0") }, { 900, 80, QStringLiteral("20") } };
        b.pfeilbreite = 5;
        b.markeOben = 220;
        b.markenbreite = 6;
        break;
    case kBis100:
        b.achseY = 255;
        b.achsenbreite = 3;
        striche(1, 220, 1);
        striche(5, 200, 2);
        striche(10, 170, 3);
        striche(100, 140, 3);
        b.beschriftungen = { { 100, 80, QStringLiteral("0") }, { 500, 80, QStringLiteral("50") },
            { 900, 80, QStringLiteral("100") } };
        b.pfeilOben = 260;
        b.pfeilUnten = 293;
        b.pfeilbreite = 2;
        b.wischOben = 260;
        b.markeOben = 220;
        b.markenbreite = 4;
        break;
    default:
        striche(1, 200, 5);
        striche(5, 150, 8);
        striche(10, 100, 8);
        b.beschriftungen = { { 100, 40, QStringLiteral("0") }, { 900, 40, QStringLiteral("10") } };
        break;
    }
    return b;
}

QVector<Beschriftung> loesungsbeschriftungen(int code)
{
    QVector<Beschriftung> z;
    if (code == kBis20) z << Beschriftung { 500, 80, QStringLiteral("10") };
    if (code == kBis100)
        for (int k = 1; k <= 9; ++k)
            z << Beschriftung { 100 + 80 * k, 80, QString::number(10 * k) };
    return z;
}

int bogenhoehe(int code, int zahl)
{
    switch (code) {
    case kBis20:
        return 10 * zahl;
    case kBis100:
        return 2 * zahl;
    default:
        return 20 * zahl;
    }
}

QString titel(int code)
{
    return QStringLiteral("Orientierung am Strahl bis ") + QString::number(obergrenze(code));
}

QString stufenzeile(int zeigenGeloest, int nennenGeloest)
{
    QString stufe = QStringLiteral("---");
    if (zeigenGeloest > 0 && nennenGeloest > 0)
        stufe = QStringLiteral("zeigen  u n d  nennen");
    else if (zeigenGeloest > 0)
        stufe = QStringLiteral("n u r  zeigen");
    else if (nennenGeloest > 0)
        stufe = QStringLiteral("n u r  nennen");
    return QStringLiteral("Schwierigkeitsstufe:   ") + stufe;
}

} // namespace strahl
