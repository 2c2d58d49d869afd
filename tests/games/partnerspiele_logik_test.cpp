#include "games/s_abraum_logik.h"
#include "games/s_ziele_logik.h"
#include "games/vierinreihe_logik.h"
#include "platform/random.h"

#include <QSet>
#include <gtest/gtest.h>
#include <set>
#include <vector>

TEST(Vierinreihe, TheLastStoneFindsTheFirstWindowOfItsTable)
{
    struct Fall {
        bool spielversion;
        std::vector<std::pair<int, int>> steine; // the last one is the new stone
        int gewonnen;
    };
    const auto z = [](int n) {
        int a, b;
        vierinreihe::zelle(n, a, b);
        return std::pair<int, int>(a, b);
    };
    const Fall faelle[] = {
        { false, { z(46), z(47), z(48), z(45) }, 8 },
        { false, { z(45), z(46), z(47), z(48) }, 5 },
        { false, { z(45), z(47), z(48), z(46) }, 7 },
        { false, { z(10), z(19), z(28), z(37) }, 13 },
        { false, { z(37), z(28), z(19), z(10) }, 16 },
        { false, { z(1), z(12), z(23), z(34) }, 9 },
        { false, { z(5), z(15), z(35), z(25) }, 2 },
        { false, { z(8), z(9), z(10), z(11) }, 0 }, // 10 ends row 0, 11 begins row 1
        { false, { z(1), z(2), z(3) }, 0 }, // the top row looks above the field
        { true, { { 1, 6 }, { 2, 6 }, { 3, 6 }, { 4, 6 } }, 5 },
        { true, { { 1, 6 }, { 1, 5 }, { 1, 4 }, { 1, 3 } }, 4 },
        { true, { { 4, 6 }, { 3, 5 }, { 2, 4 }, { 1, 3 } }, 12 },
        { true, { { 1, 3 }, { 2, 4 }, { 3, 5 }, { 4, 6 } }, 9 },
        { true, { { 7, 1 }, { 6, 2 }, { 5, 3 }, { 4, 4 } }, 13 },
        { true, { { 4, 4 }, { 5, 3 }, { 6, 2 }, { 7, 1 } }, 16 },
    };
    for (const Fall& f : faelle) {
        vierinreihe::Brett b;
        for (const auto& [a, c] : f.steine)
            b.an(a, c) = 1;
        const auto [a, c] = f.steine.back();
        const auto& tabelle = f.spielversion ? vierinreihe::spielversionFenster() : vierinreihe::hunderterfeldFenster();
        EXPECT_EQ(vierinreihe::vierertest(b, a, c, tabelle), f.gewonnen) << f.spielversion << " " << a << "," << c;
    }
}

TEST(Vierinreihe, LineEndsAndResult)
{
    int a1, b1, a2, b2;
    vierinreihe::enden(14, false, a1, b1, a2, b2); // (z-2, e+2) to (z+1, e-1)
    EXPECT_EQ(std::vector<int>({ a1, b1, a2, b2 }), std::vector<int>({ -2, 2, 1, -1 }));
    vierinreihe::enden(15, true, a1, b1, a2, b2); // (c+1, r-1) to (c-2, r+2)
    EXPECT_EQ(std::vector<int>({ a1, b1, a2, b2 }), std::vector<int>({ 1, -1, -2, 2 }));
    EXPECT_EQ(vierinreihe::ergebniszeile("ROT", "GELB", 1, 3), " GELB gewinnt gegen ROT mit  3 : 1 ");
    EXPECT_EQ(vierinreihe::ergebniszeile("ROT", "GELB", 3, 2), " ROT gewinnt gegen GELB mit  3 : 2 ");
}

TEST(Abraum, ATakenNumberBlocksWhatLiesOutsideItsRowAndColumn)
{
    const auto gesperrt = [](int n) {
        QSet<int> s;
        const auto g = abraum::gesperrt(n);
        for (int k = 1; k <= 9; ++k)
            if (g[std::size_t(k)]) s.insert(k);
        return s;
    };
    EXPECT_EQ(gesperrt(1), (QSet<int> { 5, 6, 8, 9 }));
    EXPECT_EQ(gesperrt(5), (QSet<int> { 1, 3, 7, 9 }));
    EXPECT_EQ(gesperrt(1) | gesperrt(2), (QSet<int> { 4, 5, 6, 7, 8, 9 }));
    EXPECT_EQ(gesperrt(1) | gesperrt(4), (QSet<int> { 2, 3, 5, 6, 8, 9 }));
    EXPECT_EQ(abraum::punktFuer(true, false), 1);
    EXPECT_EQ(abraum::punktFuer(false, false), 2);
    EXPECT_EQ(abraum::punktFuer(true, true), 2);
    EXPECT_EQ(abraum::punktFuer(false, true), 1);
}

TEST(Ziele, TheLargestJumpNeverLetsTheSecondPlayerForceAWin)
{
    QSet<int> bei40, bei38;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        PinRandomSeed(seed);
        bei40.insert(ziele::sprungweite(5, 45));
        bei38.insert(ziele::sprungweite(45, 7));
    }
    UnpinRandomSeed();
    EXPECT_EQ(bei40, (QSet<int> { 5, 6, 8 }));
    EXPECT_EQ(bei38, (QSet<int> { 3, 4, 5, 6, 7, 8, 9 }));
}

TEST(Ziele, TheComputersLeaveAMultipleOfMPlusOneWhenTheyCan)
{
    EXPECT_EQ(ziele::computerSprung(true, 13, 5), 1);
    EXPECT_EQ(ziele::computerSprung(false, 13, 4), 3);
    QSet<int> zufall;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        PinRandomSeed(seed);
        zufall.insert(ziele::computerSprung(false, 20, 4)); // 20 is not below 16
        const int w = ziele::computerSprung(true, 18, 5); // 18 is a multiple of 6: nothing to leave
        EXPECT_TRUE(w >= 1 && w <= 5);
    }
    UnpinRandomSeed();
    EXPECT_EQ(zufall, (QSet<int> { 1, 2, 3, 4 }));
    // The plain computer plays the winning jump only below 16.
    QSet<int> bei15, bei16;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        PinRandomSeed(seed);
        bei15.insert(ziele::computerSprung(false, 15, 5));
        bei16.insert(ziele::computerSprung(false, 16, 5));
    }
    UnpinRandomSeed();
    EXPECT_EQ(bei15, (QSet<int> { 3 }));
    EXPECT_EQ(bei16, (QSet<int> { 1, 2, 3, 4, 5 }));
}

TEST(Vierinreihe, AStoneFallsToTheLowestFreeRowOfItsSlot)
{
    vierinreihe::Brett b;
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(vierinreihe::fallzeile(b, slot), 6);
    for (int stein = 1; stein <= 6; ++stein) {
        const int r = vierinreihe::fallzeile(b, 3);
        EXPECT_EQ(r, 7 - stein);
        b.an(3, r) = stein % 2 + 1;
    }
    EXPECT_EQ(vierinreihe::fallzeile(b, 3), 0); // full
    EXPECT_EQ(vierinreihe::fallzeile(b, 4), 6);
}

TEST(Vierinreihe, EveryWindowHasItsOwnValueAndItsLineRunsBetweenItsEnds)
{
    for (bool spielversion : { false, true }) {
        const auto& tabelle = spielversion ? vierinreihe::spielversionFenster() : vierinreihe::hunderterfeldFenster();
        std::set<int> werte;
        for (const vierinreihe::Fenster& f : tabelle) {
            werte.insert(f.wert);
            std::set<std::pair<int, int>> zellen { { 0, 0 } };
            for (const auto& d : f.d)
                zellen.insert({ d[0], d[1] });
            int a1, b1, a2, b2;
            vierinreihe::enden(f.wert, spielversion, a1, b1, a2, b2);
            // The line of a win joins the window's two outer cells, three steps apart.
            EXPECT_TRUE(zellen.count({ a1, b1 }) && zellen.count({ a2, b2 })) << spielversion << " " << f.wert;
            EXPECT_EQ(std::max(std::abs(a2 - a1), std::abs(b2 - b1)), 3) << spielversion << " " << f.wert;
        }
        EXPECT_EQ(werte.size(), 16u) << spielversion;
        EXPECT_EQ(*werte.begin(), 1);
        EXPECT_EQ(*werte.rbegin(), 16);
    }
}
