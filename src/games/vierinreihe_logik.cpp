#include "games/vierinreihe_logik.h"

namespace vierinreihe {

namespace {

// The four windows of a direction (step da, db per cell), the stone at position 3, 2, 1, 0 of its window.
void richtung(std::array<Fenster, 16>& f, int& i, int da, int db, const int werte[4])
{
    for (int lage = 0; lage < 4; ++lage) {
        Fenster w { werte[lage], {} };
        int n = 0;
        for (int k = -3 + lage; k <= lage; ++k)
            if (k != 0) {
                w.d[n][0] = k * da;
                w.d[n][1] = k * db;
                ++n;
            }
        f[std::size_t(i++)] = w;
    }
}

// The sixteen windows of a board: the values for steps (1, 0), (0, 1), (1, 1) and (1, -1) in that order.
std::array<Fenster, 16> tafel(const int (&werte)[4][4])
{
    static const int schritt[4][2] = { { 1, 0 }, { 0, 1 }, { 1, 1 }, { 1, -1 } };
    std::array<Fenster, 16> t {};
    int i = 0;
    for (int r = 0; r < 4; ++r)
        richtung(t, i, schritt[r][0], schritt[r][1], werte[r]);
    return t;
}

} // namespace

const std::array<Fenster, 16>& hunderterfeldFenster()
{
    // [row, column]: along the column the row changes
    static const std::array<Fenster, 16> f
        = tafel({ { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 9, 10, 11, 12 }, { 13, 14, 15, 16 } });
    return f;
}

const std::array<Fenster, 16>& spielversionFenster()
{
    // [slot, row]: along a row the slot changes
    static const std::array<Fenster, 16> f
        = tafel({ { 5, 6, 7, 8 }, { 1, 2, 3, 4 }, { 9, 10, 11, 12 }, { 16, 15, 14, 13 } });
    return f;
}

int vierertest(const Brett& brett, int a, int b, const std::array<Fenster, 16>& fenster)
{
    const int farbe = brett.an(a, b);
    for (const Fenster& w : fenster) {
        bool ganz = true;
        for (const auto& d : w.d)
            if (brett.an(a + d[0], b + d[1]) != farbe) ganz = false;
        if (ganz) return w.wert;
    }
    return 0;
}

void enden(int wert, bool spielversion, int& da1, int& db1, int& da2, int& db2)
{
    // A window's first end lies 3, 2, 1 or 0 cells before the stone along its direction.
    static const int hundert[4][2] = { { 1, 0 }, { 0, 1 }, { 1, 1 }, { 1, -1 } };
    static const int spiel[4][2] = { { 0, 1 }, { 1, 0 }, { 1, 1 }, { -1, 1 } };
    const int lage = (wert - 1) % 4;
    const int richtung = (wert - 1) / 4;
    const int* s = spielversion ? spiel[richtung] : hundert[richtung];
    da1 = (lage - 3) * s[0];
    db1 = (lage - 3) * s[1];
    da2 = lage * s[0];
    db2 = lage * s[1];
}

void zelle(int zahl, int& z, int& e)
{
    z = zahl / 10;
    e = zahl % 10;
    if (e == 0) {
        z -= 1;
        e = 10;
    }
}

int fallzeile(const Brett& brett, int slot)
{
    for (int r = 6; r >= 1; --r)
        if (brett.an(slot, r) == 0) return r;
    return 0;
}

QString ergebniszeile(const QString& name1, const QString& name2, int punkte1, int punkte2)
{
    const bool erster = punkte1 > punkte2;
    return QStringLiteral(" %1 gewinnt gegen %2 mit  %3 : %4 ")
        .arg(erster ? name1 : name2, erster ? name2 : name1)
        .arg(erster ? punkte1 : punkte2)
        .arg(erster ? punkte2 : punkte1);
}

} // namespace vierinreihe
