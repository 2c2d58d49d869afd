#include "games/s_15gewinnt_logik.h"
#include "games/s_partner_logik.h"
#include "games/s_tictactoe_logik.h"
#include "platform/random.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

TEST(Tictactoe, EachKindKeepsItsRangesAndItsPairsThroughTheShuffle)
{
    PinRandomSeed(7);
    for (int seed = 0; seed < 200; ++seed) {
        for (int art = 0; art <= 17; ++art) {
            const tictactoe::Brett b = tictactoe::zahlenwahl(art);
            QSet<int> antworten;
            for (int i = 0; i <= 10; ++i) {
                const int s = b.gezeigt[i], a = b.antwort[i];
                antworten.insert(a);
                switch (art) {
                case 0: EXPECT_EQ(s + a, 10); break;
                case 1: EXPECT_TRUE(a >= 10 && a <= 89 && a % 10 != 0 && s + a == 100); break;
                case 2: EXPECT_TRUE(a >= 100 && a <= 899 && a % 10 != 0 && s + a == 1000); break;
                case 3: EXPECT_TRUE(s >= 11 && s <= 48 && a == 2 * s); break;
                case 4: EXPECT_TRUE(s % 2 == 0 && s >= 22 && s <= 96 && 2 * a == s); break;
                case 5: EXPECT_EQ(s, a); break;
                case 6: EXPECT_TRUE(b.n >= 1 && b.n <= 9 && s <= 10 && a == s + b.n); break;
                case 7: EXPECT_TRUE(b.n % 10 != 0 && s >= 11 && a == s + b.n && a < 100); break;
                case 8: EXPECT_TRUE(b.n % 10 != 0 && s >= 101 && a == s + b.n && a < 1000); break;
                case 9: case 10: case 11: EXPECT_EQ(s - b.n, a); break;
                case 12: case 13: case 14: EXPECT_EQ(a, b.n * s); break;
                default: EXPECT_EQ(s, b.n * a); break;
                }
            }
            EXPECT_EQ(antworten.size(), 11) << "kind " << art;
        }
    }
    UnpinRandomSeed();
    EXPECT_EQ(tictactoe::zahlenwahl(12).titel.left(9), QStringLiteral("nimm mit "));
    EXPECT_EQ(tictactoe::zahlenwahl(15).titel.left(12), QStringLiteral("teile durch "));
}

// Each drawn number reaches both ends of its range, and no further, over many boards.
TEST(Tictactoe, EveryKindDrawsItsWholeRangeAndTheOneTimesOneOnlySmallFactors)
{
    struct Spanne {
        int min = 1 << 30, max = -(1 << 30);
        void nimm(int v) { min = std::min(min, v), max = std::max(max, v); }
    };
    // Per kind: the operand, the smaller and the larger number of each pair.
    std::array<Spanne, 18> n, klein, gross;
    QSet<int> produkte;
    PinRandomSeed(11);
    for (int seed = 0; seed < 3000; ++seed) {
        for (int art = 1; art <= 17; ++art) {
            const tictactoe::Brett b = tictactoe::zahlenwahl(art);
            n[art].nimm(b.n);
            for (int i = 0; i <= 10; ++i) {
                klein[art].nimm(std::min(b.gezeigt[i], b.antwort[i]));
                gross[art].nimm(std::max(b.gezeigt[i], b.antwort[i]));
                if (art == 5) produkte.insert(b.gezeigt[i]);
            }
        }
    }
    UnpinRandomSeed();
    QSet<int> kleinesEinmaleins;
    for (int x = 2; x <= 9; ++x)
        for (int y = 2; y <= 9; ++y)
            kleinesEinmaleins.insert(x * y);
    EXPECT_EQ(produkte, kleinesEinmaleins);

    const struct {
        int art, nMin, nMax, kleinMin, grossMax;
    } soll[] = {
        { 1, 0, 0, 11, 89 },
        { 2, 0, 0, 101, 899 },
        { 3, 0, 0, 11, 96 },
        { 4, 0, 0, 11, 96 },
        { 6, 1, 9, 0, 19 },
        { 7, 11, 49, 11, 99 },
        { 8, 101, 499, 101, 999 },
        { 9, 1, 9, 0, 19 },
        { 10, 11, 49, 11, 99 },
        { 11, 101, 499, 101, 999 },
        { 12, 2, 10, 0, 100 },
        { 13, 11, 19, 0, 190 },
        { 14, 21, 99, 0, 990 },
        { 15, 2, 10, 0, 100 },
        { 16, 11, 19, 0, 190 },
        { 17, 21, 99, 0, 990 },
    };
    for (const auto& s : soll) {
        EXPECT_EQ(n[s.art].min, s.nMin) << "kind " << s.art;
        EXPECT_EQ(n[s.art].max, s.nMax) << "kind " << s.art;
        EXPECT_EQ(klein[s.art].min, s.kleinMin) << "kind " << s.art;
        EXPECT_EQ(gross[s.art].max, s.grossMax) << "kind " << s.art;
    }
}

TEST(Tictactoe, LinesThroughAMarkAndTheLastMark)
{
    tictactoe::Feld f;
    f.an(2, 1) = f.an(2, 2) = f.an(2, 3) = "rot";
    EXPECT_EQ(tictactoe::linientest(f, 2, 2), 1);
    EXPECT_EQ(tictactoe::gewinnlinie(1, 2, 2).x1, 371);
    tictactoe::Feld d;
    d.an(1, 1) = d.an(2, 2) = d.an(3, 3) = "blau";
    EXPECT_EQ(tictactoe::linientest(d, 3, 3), 3);
    d.an(3, 3) = "rot";
    EXPECT_EQ(tictactoe::linientest(d, 3, 3), 0);

    // R B R / B R B / B R _ : the free field completes red's diagonal, so play goes on.
    const char* weiter[3][3] = { { "rot", "blau", "rot" }, { "blau", "rot", "blau" }, { "blau", "rot", "xxx" } };
    // R B R / R B B / B R _ : no line through the free field can be completed: a draw.
    const char* patt[3][3] = { { "rot", "blau", "rot" }, { "rot", "blau", "blau" }, { "blau", "rot", "xxx" } };
    tictactoe::Feld a, b;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) {
            a.an(c, r) = weiter[r - 1][c - 1];
            b.an(c, r) = patt[r - 1][c - 1];
        }
    EXPECT_TRUE(tictactoe::letzteMarkeMoeglich(a));
    EXPECT_FALSE(tictactoe::letzteMarkeMoeglich(b));
}

// Every board of eight marks, the free field anywhere: play goes on exactly when red or blue in the free
// field would make three in a line through it.
TEST(Tictactoe, AfterTheEighthMarkPlayGoesOnExactlyWhenTheFreeFieldCanCompleteALine)
{
    int weiter = 0;
    for (int frei = 1; frei <= 9; ++frei) {
        const int fc = (frei - 1) % 3 + 1, fr = (frei - 1) / 3 + 1;
        for (int farben = 0; farben < 256; ++farben) {
            tictactoe::Feld f;
            int bit = 0;
            for (int k = 1; k <= 9; ++k)
                if (k != frei) f.an((k - 1) % 3 + 1, (k - 1) / 3 + 1) = (farben >> bit++) & 1 ? "rot" : "blau";
            int c = 0, r = 0;
            tictactoe::freiesFeld(f, c, r);
            ASSERT_EQ(c, fc);
            ASSERT_EQ(r, fr);
            bool linie = false;
            for (const char* farbe : { "rot", "blau" }) {
                tictactoe::Feld probe = f;
                probe.an(fc, fr) = farbe;
                linie = linie || tictactoe::linientest(probe, fc, fr) != 0;
            }
            weiter += linie;
            EXPECT_EQ(tictactoe::letzteMarkeMoeglich(f), linie) << "free field " << frei << ", colours " << farben;
        }
    }
    EXPECT_GT(weiter, 0);
    EXPECT_LT(weiter, 9 * 256);
}

TEST(Tictactoe, KindFiveAsksForTwoFactors)
{
    EXPECT_EQ(tictactoe::eingabeText(5, ""), "? x ?");
    EXPECT_EQ(tictactoe::eingabeText(5, "3"), "3 x ?");
    EXPECT_EQ(tictactoe::eingabeText(5, "34"), "3 x 4");
    EXPECT_EQ(tictactoe::eingabeWert(5, "34"), 12);
    EXPECT_EQ(tictactoe::eingabeWert(5, "3"), -1);
    EXPECT_EQ(tictactoe::eingabeWert(0, "?"), -1);
    EXPECT_EQ(tictactoe::eingabeWert(0, "007"), 7);
}

TEST(Fuenfzehn, LinesOfFifteenAndTheLastStone)
{
    using W = fuenfzehn::Werte;
    const int L = fuenfzehn::kLeer;
    EXPECT_EQ(fuenfzehn::summentest(W { L, 9, L, L, 5, L, L, 1, L }), 2);
    EXPECT_EQ(fuenfzehn::linie(2).x1, 500);
    const W fast { 1, 2, 3, 4, 5, L, 6, 9, 8 };
    EXPECT_EQ(fuenfzehn::summentest(fast), 0);
    EXPECT_EQ(fuenfzehn::letzterStein(fast), 7);
    W voll = fast;
    voll[5] = 7;
    EXPECT_EQ(fuenfzehn::summentest(voll), 0); // a draw
    const W diagonale { 1, 2, 3, 4, 5, 7, 8, 6, L };
    EXPECT_EQ(fuenfzehn::letzterStein(diagonale), 9);
    W mitNeun = diagonale;
    mitNeun[8] = 9;
    EXPECT_EQ(fuenfzehn::summentest(mitNeun), 7);
}

TEST(Partner, TheResultNamesTheWinnerFirst)
{
    const partner::Ergebnis e = partner::spielergebnis("ANNA", "BEN", 2, 6);
    EXPECT_EQ(e.sieger, 2);
    EXPECT_EQ(e.zeile1, "BEN gewinnt gegen ANNA");
    EXPECT_EQ(e.zeile2, "mit  6 : 2");
    EXPECT_EQ(partner::spielergebnis("A", "B", 6, 6).zeile2, "UNENTSCHIEDEN");
    EXPECT_EQ(partner::farbwechsel("rot"), "blau");
    EXPECT_EQ(partner::farbwechsel("blau"), "rot");
    EXPECT_EQ(partner::werbeginnt(1, false).amzug, "blau");
}

TEST(Partner, ADrawnBeginnerIsPlayerOneOrTwoAndEitherCanBeDrawn)
{
    QSet<int> gezogen;
    for (int seed = 0; seed < 100; ++seed) {
        RandSeed(std::uint32_t(seed));
        const partner::Beginn b = partner::werbeginnt(2, true);
        ASSERT_TRUE(b.beginner == 1 || b.beginner == 2) << b.beginner;
        EXPECT_EQ(b.amzug, b.beginner == 1 ? "blau" : "rot");
        gezogen.insert(b.beginner);
    }
    EXPECT_EQ(gezogen, QSet<int>({ 1, 2 }));
    // Not drawn: the given beginner (the last winner) starts.
    EXPECT_EQ(partner::werbeginnt(2, false).beginner, 2);
    EXPECT_EQ(partner::werbeginnt(2, false).amzug, "rot");
}
