#include "games/s_lvr_logik.h"

#include "platform/random.h"

namespace s_lvr {
namespace {

const QString kRichtungen = QStringLiteral("NOSW"); // clockwise

// The two sides of a main direction: A, B.
QChar seite(int hauptrichtung, bool a)
{
    switch (hauptrichtung) {
    case 0:
    case 1:
        return QLatin1Char(a ? 'O' : 'W');
    case 2:
        return QLatin1Char(a ? 'N' : 'S');
    default:
        return QLatin1Char(a ? 'S' : 'N');
    }
}

bool imRaster(const Feld& f)
{
    return f.zeile >= 1 && f.zeile <= 10 && f.spalte >= 1 && f.spalte <= 10;
}

enum Relativ { vorwaerts, seiteA, seiteB, rueckwaerts };

} // namespace

QChar hauptrichtungBuchstabe(int hauptrichtung)
{
    static const char buchstaben[4] = { 'N', 'S', 'O', 'W' };
    return QLatin1Char(buchstaben[hauptrichtung & 3]);
}

QChar drehen(QChar richtung, QChar befehl)
{
    const int i = int(kRichtungen.indexOf(richtung));
    if (i < 0) return richtung;
    if (befehl == QLatin1Char('R')) return kRichtungen[(i + 1) % 4];
    if (befehl == QLatin1Char('L')) return kRichtungen[(i + 3) % 4];
    return richtung;
}

Feld weiter(const Feld& f, QChar richtung)
{
    switch (richtung.unicode()) {
    case 'N':
        return { f.zeile - 1, f.spalte };
    case 'S':
        return { f.zeile + 1, f.spalte };
    case 'O':
        return { f.zeile, f.spalte + 1 };
    case 'W':
        return { f.zeile, f.spalte - 1 };
    default:
        return f;
    }
}

Pfad erzeugen(int code, int schritte, const bool erlaubt[4])
{
    Pfad p;
    bool irgendeine = false;
    for (int i = 0; i < 4; ++i)
        irgendeine = irgendeine || erlaubt[i];
    do
        p.hauptrichtung = Random(4);
    while (irgendeine && !erlaubt[p.hauptrichtung]);
    const int h = p.hauptrichtung;
    const QChar haupt = hauptrichtungBuchstabe(h);

    Feld erstes;
    Feld start;
    switch (h) {
    case 0:
        erstes = { 10, 2 + Random(8) };
        start = { 11, erstes.spalte };
        break;
    case 1:
        erstes = { 1, 2 + Random(8) };
        start = { 0, erstes.spalte };
        break;
    case 2:
        erstes = { 2 + Random(8), 1 };
        start = { erstes.zeile, 0 };
        break;
    default:
        erstes = { 2 + Random(8), 10 };
        start = { erstes.zeile, 11 };
        break;
    }
    p.plaetze = { start, erstes };
    p.zellen = { erstes };

    // The figure turns right when it leaves north for side A, and for the other main directions left.
    const QString dreh1 = h == 0 ? QStringLiteral("R") : QStringLiteral("L");
    const QString dreh2 = h == 0 ? QStringLiteral("L") : QStringLiteral("R");
    int m = 0;
    Relativ vorher = vorwaerts;
    int letzteDrehung = 1;
    Feld hier = erstes;
    while (m < schritte) {
        const int t = m == 0 ? 0 : Random(3);
        Relativ neu = vorher;
        if (t == 1)
            neu = vorher == vorwaerts ? seiteA : vorher == seiteA ? rueckwaerts : vorwaerts;
        else if (t == 2)
            neu = vorher == vorwaerts ? seiteB : vorher == seiteA ? vorwaerts : rueckwaerts;
        if (neu == rueckwaerts) continue;
        // Straight on twice in a row only at the very start.
        if (t == 0 && letzteDrehung == 0) continue;
        const QChar richtung = neu == vorwaerts ? haupt : seite(h, neu == seiteA);
        const Feld ziel = weiter(hier, richtung);
        if (!imRaster(ziel)) continue;
        hier = ziel;
        if (neu == vorwaerts) ++m;
        p.zellen.push_back(hier);
        if (code == 19) p.plaetze.push_back(hier);
        if (t == 0)
            p.befehle += QLatin1Char('V');
        else
            p.befehle += code == 18 ? (t == 1 ? dreh1 : dreh2) + QStringLiteral("V") : (t == 1 ? dreh1 : dreh2);
        vorher = neu;
        letzteDrehung = t;
    }

    // The heading after each command: the last command is always a step on in the main direction.
    const int n = int(p.befehle.size());
    p.richtungen = QString(haupt);
    for (int i = 2; i <= n - 1; ++i)
        p.richtungen += drehen(p.richtungen.back(), p.befehle[i - 1]);
    if (n > 1) p.richtungen += haupt;

    if (code == 18) {
        // A turn stays on its cell; every other command moves one cell on.
        for (int i = 1; i <= n; ++i) {
            const QChar jetzt = p.richtungen[i - 1];
            const QChar davor = i >= 2 ? p.richtungen[i - 2] : jetzt;
            p.plaetze.push_back(jetzt != davor ? p.plaetze[std::size_t(i)] : weiter(p.plaetze[std::size_t(i)], jetzt));
        }
    }
    return p;
}

QChar richtungNach(const Pfad& p, int befehlszaehler)
{
    const int i = befehlszaehler <= 0 ? 1 : befehlszaehler;
    return i <= p.richtungen.size() ? p.richtungen[i - 1] : hauptrichtungBuchstabe(p.hauptrichtung);
}

QString befehlswort(QChar befehl)
{
    switch (befehl.unicode()) {
    case 'V':
        return QStringLiteral("vorwärts");
    case 'L':
        return QStringLiteral("links");
    case 'R':
        return QStringLiteral("rechts");
    default:
        return QString();
    }
}

QPoint zellmitte(const Feld& f)
{
    return { 54 * f.spalte + 55, 72 * f.zeile + 148 };
}

std::vector<QPoint> figur(const Feld& f, QChar richtung)
{
    const int X = 54 * f.spalte;
    const int Y = 72 * f.zeile;
    switch (richtung.unicode()) {
    case 'O':
        return { { X + 41, Y + 135 }, { X + 71, Y + 148 }, { X + 41, Y + 160 } };
    case 'W':
        return { { X + 41, Y + 148 }, { X + 71, Y + 135 }, { X + 71, Y + 160 } };
    case 'S':
        return { { X + 54, Y + 167 }, { X + 64, Y + 128 }, { X + 48, Y + 128 } };
    default:
        return { { X + 56, Y + 128 }, { X + 64, Y + 167 }, { X + 48, Y + 167 } };
    }
}

std::vector<QPoint> irrpfeil(const Feld& f, QChar richtung)
{
    const int X = 54 * f.spalte;
    const int Y = 72 * f.zeile;
    switch (richtung.unicode()) {
    case 'O':
        return { { X + 95, Y + 135 }, { X + 125, Y + 148 }, { X + 95, Y + 160 } };
    case 'W':
        return { { X - 13, Y + 148 }, { X + 17, Y + 135 }, { X + 17, Y + 160 } };
    case 'S':
        return { { X + 54, Y + 239 }, { X + 64, Y + 200 }, { X + 48, Y + 200 } };
    default:
        return { { X + 56, Y + 56 }, { X + 64, Y + 95 }, { X + 48, Y + 95 } };
    }
}

QString laufzeitText(int minuten, int sekunden)
{
    return QString::number(minuten) + QLatin1Char(':') + QString::number(sekunden);
}

} // namespace s_lvr
