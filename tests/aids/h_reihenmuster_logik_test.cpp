#include "aids/h_reihenmuster_logik.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

using namespace reihenmuster;

TEST(ReihenmusterLogik, EveryCaseKeepsItsSeriesInTheFieldOverManySeeds)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        for (int wahl7 = 0; wahl7 <= 7; ++wahl7) {
            const int s = wahl7 + 2;
            for (int wahl1 = 0; wahl1 <= 1; ++wahl1)
                for (int wahl5 = 0; wahl5 <= 2; ++wahl5) {
                    const Optionen o { wahl7, wahl1, wahl5 };
                    const Reihe r = reiheZiehen(o);
                    const int fall = o.fall();
                    const auto info = testing::Message() << "s " << s << " case " << fall << " start " << r.start;
                    EXPECT_EQ(r.schritt, wahl1 ? -s : s) << info;
                    int kleinstes = 1000, groesstes = 0;
                    for (int i = 1; i <= kGlieder; ++i) {
                        const int g = r.glied(i);
                        kleinstes = std::min(kleinstes, g);
                        groesstes = std::max(groesstes, g);
                        if (wahl5 == 2)
                            EXPECT_NE(g % s, 0) << info;
                        else
                            EXPECT_EQ(g % s, 0) << info;
                    }
                    EXPECT_GE(kleinstes, 1) << info;
                    EXPECT_LE(groesstes, 100) << info;
                    switch (fall) {
                    case 1:
                        EXPECT_EQ(r.start, s) << info;
                        break;
                    case 2:
                        // No multiple of 9 above 9 leaves room for ten members: the row of 9 starts at 9.
                        EXPECT_EQ(r.start, s == 9 ? 9 : std::max(r.start, s + 1)) << info;
                        EXPECT_LE(groesstes, 100 - s) << info;
                        if (s == 8) EXPECT_EQ(r.start, 16) << info;
                        break;
                    case 4:
                        EXPECT_EQ(r.start, 10 * s) << info;
                        break;
                    case 5:
                        EXPECT_GT(r.start, 10 * s) << info;
                        EXPECT_GE(kleinstes, 2 * s) << info;
                        break;
                    case 6:
                        EXPECT_GE(kleinstes, s + 1) << info;
                        break;
                    default:
                        break;
                    }
                }
        }
    }
}

// Over many seeds each case draws every start its rule allows, and no other: forwards beyond the table the
// multiples of s above s up to 100 - 10s, forwards without table numbers the others from 1 up to 100 - 10s,
// backwards beyond the table the multiples of s above 10s up to 99, backwards without them the others from 10s.
TEST(ReihenmusterLogik, EachCaseDrawsEveryStartItsRuleAllowsAndNoOther)
{
    for (int wahl7 = 0; wahl7 <= 7; ++wahl7) {
        const int s = wahl7 + 2;
        const int spanne = 100 - 10 * s;
        for (int fall = 1; fall <= 6; ++fall) {
            const Optionen o { wahl7, fall > 3 ? 1 : 0, (fall - 1) % 3 };
            ASSERT_EQ(o.fall(), fall);
            std::set<int> soll;
            for (int z = 1; z <= 100; ++z) {
                const bool vielfaches = z % s == 0;
                switch (fall) {
                case 1:
                    if (z == s) soll.insert(z);
                    break;
                case 2:
                    if (s == 9 ? z == 9 : vielfaches && z > s && z <= spanne) soll.insert(z);
                    break;
                case 3:
                    if (!vielfaches && z <= spanne) soll.insert(z);
                    break;
                case 4:
                    if (z == 10 * s) soll.insert(z);
                    break;
                case 5:
                    if (vielfaches && z > 10 * s && z <= 99) soll.insert(z);
                    break;
                default:
                    if (!vielfaches && z >= 10 * s && z <= 99) soll.insert(z);
                    break;
                }
            }
            std::set<int> starts;
            for (std::uint32_t seed = 1; seed <= 600; ++seed) {
                RandSeed(seed);
                starts.insert(reiheZiehen(o).start);
            }
            EXPECT_EQ(starts, soll) << "step " << s << ", case " << fall;
        }
    }
    EXPECT_EQ(zeichen({ 3, 0, 1 }), "+");
    EXPECT_EQ(zeichen({ 3, 1, 1 }), "-");
}

TEST(ReihenmusterLogik, CellsPatternsAndProtocolLines)
{
    const std::pair<int, QPoint> zellen[] = { { 1, { 1, 0 } }, { 10, { 10, 0 } }, { 11, { 1, 1 } }, { 55, { 5, 5 } },
        { 90, { 10, 8 } }, { 100, { 10, 9 } } };
    for (const auto& [n, z] : zellen)
        EXPECT_EQ(zelle(n), z) << n;

    // Step 7 from 3: the next member after the series is 73; the pattern reaches beyond the series.
    QList<int> sieben;
    for (int n = 3; n <= 100; n += 7)
        sieben << n;
    EXPECT_EQ(muster(73, 7), sieben);
    EXPECT_EQ(sieben.last(), 94);
    // Backwards from 40 by 4 ends at 0: the whole row of 4.
    EXPECT_EQ(muster(0, 4).size(), 25);
    EXPECT_EQ(muster(0, 4).first(), 4);
    EXPECT_EQ(muster(0, 4).last(), 100);

    EXPECT_EQ(zeile4({ 2, 0, 0 }), "Schrittweite+Richtung: 4   vorwärts   ");
    EXPECT_EQ(zeile4({ 7, 1, 2 }), "Schrittweite+Richtung: 9   rückwärts   ");
    EXPECT_EQ(zeile5({ 2, 0, 0 }), "verwendete Zahlen:     nur Zahlen des kleinen 1x4");
    EXPECT_EQ(zeile5({ 2, 0, 1 }), "verwendete Zahlen:     1x1-Zahlen über das kl. 1x4 hinaus");
    EXPECT_EQ(zeile5({ 2, 0, 2 }), "verwendete Zahlen:     keine Zahlen des 1x4");
}
