#include "games/s_2nachbar_logik.h"

#include "platform/random.h"

#include <QStringList>
#include <numeric>

namespace s_2nachbar {

std::vector<QPoint> zellen(int spiel, int lage)
{
    if (spiel == 16) return { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 1, 1 } };
    if (spiel == 14) {
        switch (lage) {
        case waagerecht:
            return { { 0, 0 }, { 1, 0 } };
        case senkrecht:
            return { { 0, 0 }, { 0, 1 } };
        case nordost:
            return { { 0, 0 }, { 1, -1 } };
        default:
            return { { 0, 0 }, { 1, 1 } };
        }
    }
    switch (lage) {
    case waagerecht:
        return { { -1, 0 }, { 0, 0 }, { 1, 0 } };
    case senkrecht:
        return { { 0, -1 }, { 0, 0 }, { 0, 1 } };
    case nordost:
        return { { -1, 1 }, { 0, 0 }, { 1, -1 } };
    default:
        return { { -1, -1 }, { 0, 0 }, { 1, 1 } };
    }
}

bool bewegbar(int spiel, int lage, int r, int c, int dr, int dc)
{
    for (const QPoint& z : zellen(spiel, lage)) {
        const int zr = r + dr + z.y(), zc = c + dc + z.x();
        if (zr < 0 || zr > 9 || zc < 0 || zc > 9) return false;
    }
    return true;
}

std::vector<int> zahlen(int spiel, int lage, int r, int c)
{
    std::vector<int> z;
    for (const QPoint& p : zellen(spiel, lage))
        z.push_back(10 * (r + p.y()) + c + p.x() + 1);
    return z;
}

QString summentext(const std::vector<int>& zahlen, QString* zweite)
{
    QStringList teile;
    for (int z : zahlen)
        teile << QString::number(z);
    const QString summe = QString::number(std::accumulate(zahlen.begin(), zahlen.end(), 0));
    if (zweite) {
        *zweite = QStringLiteral(" = ") + summe;
        return teile.join(QStringLiteral(" + "));
    }
    return teile.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + summe;
}

int richtungWaehlen(const int erlaubt[4], int gewaehlt, int& letzte)
{
    int d = 0;
    do
        d = Random(4);
    while (erlaubt[d] != d || (gewaehlt >= 2 && d == letzte));
    letzte = d;
    return d;
}

Aufgabe aufgabe(int spiel, int lage, bool unloesbarErlaubt)
{
    Aufgabe a;
    int& row = a.zeile;
    int& col = a.spalte;
    int ziel = 0;
    const auto n = [&] { return 10 * row + col; };
    if (spiel == 16) {
        col = Random(9) + 1;
        row = Random(9);
        ziel = 4 * n() + 22;
    } else if (spiel == 14) {
        switch (lage) {
        case waagerecht:
            row = Random(10);
            col = Random(9) + 1;
            ziel = 2 * n() + 1;
            break;
        case senkrecht:
            row = Random(9);
            col = Random(10);
            if (row == 0 && col == 0) {
                col = 7;
            } else if (col == 0) {
                col = 10;
                --row;
            }
            ziel = 2 * n() + 10;
            break;
        default:
            row = Random(8) + 1;
            col = Random(8) + 2;
            ziel = lage == nordost ? 2 * n() - 9 : 2 * n() + 11;
            break;
        }
    } else {
        switch (lage) {
        case waagerecht:
            col = Random(8) + 2;
            row = Random(10);
            break;
        case senkrecht:
            do {
                row = Random(9) + 1;
                col = Random(10);
                if (col == 0) {
                    col = 10;
                    --row;
                }
            } while (n() < 11 || n() > 90);
            break;
        default:
            row = Random(8) + 1;
            col = Random(8) + 2;
            break;
        }
        ziel = 3 * n();
    }
    a.abzug = 0;
    if (unloesbarErlaubt) {
        a.abzug = Random(2);
        if (spiel == 16 && a.abzug == 1) a.abzug = 2;
    }
    a.ziel = ziel - a.abzug;
    return a;
}

} // namespace s_2nachbar
