#include "aids/h_100feld_logik.h"

#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

#include <cstdlib>

namespace h100feld {

int kuerzesterWeg(int zielzahl, int vorindex)
{
    // The target's row and column as the cursor counts them are those of zielzahl - 1; counted from zielzahl
    // itself the columns are off by one, and a multiple of 10 belongs to the row above.
    const int spalteZiel = zielzahl % 10;
    const int zeileZiel = zielzahl / 10;
    const int spalteStart = vorindex % 10;
    const int zeileStart = vorindex / 10;
    const int zeilen = std::abs(zeileZiel - zeileStart);
    if (spalteZiel == 0) return zeilen + (zeileStart < zeileZiel ? 8 : 10) - spalteStart;
    if (spalteZiel > spalteStart) return zeilen + std::abs(spalteZiel - spalteStart) - 1;
    return zeilen + std::abs(spalteZiel - spalteStart) + 1;
}

Platzaufgabe platzaufgabe()
{
    Randomize();
    Platzaufgabe a;
    a.zielzahl = Random(100) + 1;
    do {
        a.vorindex = Random(100);
    } while (a.vorindex + 1 == a.zielzahl);
    a.mindestschritte = kuerzesterWeg(a.zielzahl, a.vorindex);
    return a;
}

bool ziehen(Zug zug, int& zeile, int& spalte)
{
    switch (zug) {
    case Zug::hoch:
        if (zeile <= 0) return false;
        --zeile;
        return true;
    case Zug::links:
        if (spalte <= 0) return false;
        --spalte;
        return true;
    case Zug::runter:
        if (zeile >= 9) return false;
        ++zeile;
        return true;
    case Zug::rechts:
        if (spalte >= 9) return false;
        ++spalte;
        return true;
    }
    return false;
}

void beutelFuellen()
{
    for (int i = 1; i <= 99; ++i)
        zahlenbeutel[i] = byte(i);
    vorratsgroesse = 99;
}

bool zielzahlErlaubt(int code, int zahl)
{
    switch (code) {
    case 19:
        return zahl >= 11 && zahl % 10 != 0;
    case 110:
        return zahl >= 11 && zahl % 10 >= 2 && zahl < 91;
    default:
        return zahl >= 1 && zahl <= 99;
    }
}

int zielzahlZiehen(int code)
{
    for (;;) {
        // The refilled bag keeps its numbers in the order the draws left them.
        if (vorratsgroesse <= 0) vorratsgroesse = 99;
        const int platz = Random(vorratsgroesse) + 1;
        const int zahl = zahlenbeutel[platz];
        zahlenbeutel[platz] = zahlenbeutel[vorratsgroesse];
        zahlenbeutel[vorratsgroesse] = byte(zahl);
        vorratsgroesse = vorratsgroesse - 1;
        if (zielzahlErlaubt(code, zahl)) return zahl;
    }
}

bool zehnerzuerst(int zahl, const QString& eingabe, Zehnerpruefung art)
{
    if (art == Zehnerpruefung::ersteZiffer)
        return zahl >= 10 && eingabe.size() == 1 && eingabe != QString::number(zahl / 10)
            && eingabe == QString::number(zahl % 10);
    return eingabe == QString::number((zahl % 10) * 10 + zahl / 10);
}

Urteil ziffernurteil(int zielzahl, const QString& eingabe)
{
    if (eingabe.isEmpty()) return Urteil::keins;
    if (zielzahl < 10) return eingabe == QString::number(zielzahl) ? Urteil::richtig : Urteil::falsch;
    if (eingabe.size() == 1) {
        if (eingabe == QString::number(zielzahl / 10)) return Urteil::zehnerRichtig;
        if (zehnerzuerst(zielzahl, eingabe, Zehnerpruefung::ersteZiffer)) return Urteil::zehnerZuerst;
        return Urteil::falsch;
    }
    return eingabe == QString::number(zielzahl) ? Urteil::richtig : Urteil::einerFalsch;
}

std::optional<Hilfetext> hilfetext18(int zielzahl, int stufe)
{
    const int c = spalteVon(zielzahl);
    const int r = zeileVon(zielzahl);
    switch (stufe) {
    case 1:
        if (zielzahl - 10 < 1) return std::nullopt;
        return Hilfetext { QString::number(zielzahl - 10), QPoint(109 + 54 * c, 37 + 80 * r) };
    case 2: {
        const QString n = QString::number(zielzahl + 10);
        return Hilfetext { zielzahl + 10 > 100 ? u'(' + n + u')' : n, QPoint(109 + 54 * c, 197 + 80 * r) };
    }
    case 3: {
        // The number before the first of a row stands at the end of the row above.
        const QString n = QString::number(zielzahl - 1);
        return Hilfetext { zielzahl % 10 == 1 ? u'(' + n + QStringLiteral(") ") : n,
            QPoint(54 + 54 * c, 117 + 80 * r) };
    }
    case 4: {
        const QString n = QString::number(zielzahl + 1);
        return Hilfetext { zielzahl % 10 == 0 ? QStringLiteral(" (") + n + u')' : n,
            QPoint(163 + 54 * c, 117 + 80 * r) };
    }
    default:
        return std::nullopt;
    }
}

QVector<int> erlaubteLaengen()
{
    QVector<int> l;
    for (int i = 0; i <= 4; ++i)
        if (wahlbytes[i] == i + 3) l << i + 3;
    return l;
}

namespace {

// The column 1 .. 10 of a cell (a multiple of 10 is the last of its row).
int spalte1bis10(int zelle)
{
    const int e = zelle % 10;
    return e == 0 ? 10 : e;
}

bool nachbarn(int a, int b)
{
    const int d = std::abs(a - b);
    return d == 1 || d == 9 || d == 10 || d == 11;
}

// up, right, down, left, up-right, down-right, down-left, up-left
constexpr int kSchritt[8] = { -10, 1, 10, -1, -9, 11, 9, -11 };

} // namespace

std::optional<QVector<int>> schlange(int variante, const QVector<int>& laengen)
{
    bool moeglich = false;
    for (int l : laengen)
        moeglich = moeglich || (l >= 3 && l <= 7);
    if (!moeglich) return std::nullopt;

    const int richtungen = variante == 0 || variante == 1 ? variante : 2;
    // A straight snake turning a corner lies diagonally beside the cell two back, so the cell two back is
    // not held against it there.
    const int ausgenommen = richtungen == 2 ? 1 : 2;

    for (;;) {
        const int start = Random(99) + 1;
        // The start is not on the border ring, so the first move may go any way.
        if (start < 11 || start > 90 || start % 10 < 2) continue;
        int laenge = 0;
        do {
            laenge = Random(5) + 3;
        } while (!laengen.contains(laenge));

        QVector<int> zellen { start };
        bool nochmal = false;
        while (zellen.size() < laenge && !nochmal) {
            const int richtung = richtungen == 0 ? Random(4) : (richtungen == 1 ? Random(4) + 4 : Random(8));
            const int letzte = zellen.last();
            const int kandidat = letzte + kSchritt[richtung];
            // A rejected cell would be tried again in the same direction until the tries run out, which ends
            // in a new snake all the same.
            for (int i = 0; i < zellen.size() && !nochmal; ++i)
                nochmal = zellen[i] == kandidat || (i < zellen.size() - ausgenommen && nachbarn(zellen[i], kandidat));
            if (nochmal) break;
            const int spalteVorher = spalte1bis10(letzte);
            const int spalte = spalte1bis10(kandidat);
            nochmal = kandidat < 1 || kandidat > 99 || (spalteVorher == 10 && spalte == 1)
                || (spalteVorher == 1 && spalte == 10);
            zellen << kandidat;
        }
        if (!nochmal) return zellen;
    }
}

void schlangeMerken(const QVector<int>& zellen)
{
    for (int i = 0; i <= 7; ++i) {
        auswahl1[i] = 0;
        auswahl2[i] = 0;
        auswahl3[i] = 0;
    }
    for (int i = 0; i < zellen.size(); ++i) {
        auswahl1[i] = zellen[i];
        auswahl2[i] = spalte1bis10(zellen[i]);
        auswahl3[i] = zellen[i] / 10;
    }
    sollwert = int(zellen.size()) - 1;
    hilfszahl = 0;
}

} // namespace h100feld
