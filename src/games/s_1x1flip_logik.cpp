#include "games/s_1x1flip_logik.h"

#include "games/gruppenspiel.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

#include <algorithm>

namespace s_1x1flip {

std::array<int, 21> zahlen(int n)
{
    std::array<int, 21> z {};
    for (int i = 1; i <= 10; ++i) {
        z[std::size_t(i)] = n * i;
        int fremd = 0;
        do
            fremd = n * i - Random(n - 1) - 1;
        while ((n == 4 || n == 6 || n == 8) && fremd % 2 != 0);
        z[std::size_t(i + 10)] = fremd;
    }
    return z;
}

int zaehler(bool ja, bool inDerReihe)
{
    if (inDerReihe) return ja ? 0 : 2;
    return ja ? 3 : 1;
}

void zaehlen(int spieler, int zaehler, int nummer)
{
    byte& anzahl = flipzaehler[spieler][zaehler];
    if (anzahl < 10) flipzahlen[spieler][zaehler][anzahl] = byte(nummer);
    ++anzahl;
}

std::vector<int> striche(int fehlerBisher)
{
    std::vector<int> s { fehlerBisher + 1 };
    if (s.back() == 3 || s.back() == 8 || s.back() == 10) s.push_back(s.back() + 1);
    return s;
}

int grenze(int zeitwahl)
{
    switch (zeitwahl) {
    case 0:
        return 10;
    case 1:
        return 20;
    case 2:
        return 50;
    default:
        return 0;
    }
}

Auswertung auswertung(int variante, int zeitwahl, const QString& zeitText)
{
    Auswertung a;
    const QString n = QString::number(variante + 2);
    a.zeilen.push_back({ 200, -130,
        QStringLiteral("1 x ") + n + QStringLiteral("          Zeitbegrenzung:  ") + zeitText, false, 75 });
    const QString texte[5] = { QStringLiteral("Zahl(en) des 1 x ") + n + QStringLiteral(" richtig erkannt:"),
        QStringLiteral("Zahl(en) als nicht zum 1 x ") + n + QStringLiteral(" gehörig erkannt:"),
        QStringLiteral("Zahl(en) des 1 x ") + n + QStringLiteral(" nicht erkannt:"),
        QStringLiteral("fremde Zahl(en) dem 1 x ") + n + QStringLiteral(" zugeordnet:"),
        QStringLiteral("mal die Zeitbegrenzung nicht eingehalten:") };
    for (int p = 1; p <= 5; ++p) {
        const QString name = listenzeilen[p];
        if (gruppenspiel::freierPlatz(name)) continue;
        const int b = -470 * p;
        const int status = spielerstatus[p];
        const QString ergebnis = status == 0 ? QStringLiteral(" hat gewonnen:")
            : status == 140                  ? QStringLiteral(" hat verloren:")
                                             : QStringLiteral(" hat nicht begonnen oder vorzeitig abgebrochen.");
        a.zeilen.push_back({ 250, b + 140, name + ergebnis });
        if (status != 0 && status != 140) continue;
        const int zeilen = zeitwahl < 3 ? 5 : 4;
        for (int z = 0; z < zeilen; ++z) {
            const int y = b + 70 - 70 * z;
            a.zeilen.push_back({ 250, y, texte[z] });
            const int anzahl = flipzaehler[p][z];
            a.zeilen.push_back({ 220, y, QString::number(anzahl), true });
            std::vector<int> liste;
            for (int k = 0; k < std::min(anzahl, 10); ++k)
                liste.push_back(flipzahlen[p][z][k]);
            std::sort(liste.begin(), liste.end());
            for (int k = 1; k <= int(liste.size()); ++k)
                a.zeilen.push_back({ 1200 + 60 * k, y, QString::number(liste[std::size_t(k - 1)]), true });
        }
    }
    return a;
}

void draw(Canvas& c, const Auswertung& a)
{
    c.setMapMode(MapMode::LoMetric);
    c.pen = Pen { Qt::black, 1 };
    c.brush = Brush { Qt::white, BrushStyle::Clear };
    c.font.name = QStringLiteral("arial");
    c.font.color = Qt::black;
    for (const Druckzeile& z : a.zeilen) {
        c.font.height = z.hoehe;
        c.setTextAlign((z.rechts ? TextAlign::Right : TextAlign::Left) | TextAlign::Top);
        c.textOut(z.x, z.y, z.text);
    }
}

} // namespace s_1x1flip
