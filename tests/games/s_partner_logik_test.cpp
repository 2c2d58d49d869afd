#include "games/s_15gewinnt_logik.h"
#include "games/s_partner_logik.h"
#include "games/s_tictactoe_logik.h"
#include "platform/random.h"

#include <QPointF>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
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

// Each kind's title as the board shows it over the fields; the operand in it is the board's own.
TEST(Tictactoe, EachKindIsTitledByItsTask)
{
    const char* feste[] = { "ergänze zur 10", "ergänze zur 100", "ergänze zur 1000", "immer das Doppelte",
        "immer die Hälfte", "finde eine Malaufgabe aus dem kleinen 1 x 1" };
    for (int art = 0; art <= 5; ++art)
        EXPECT_EQ(tictactoe::zahlenwahl(art).titel, QString::fromUtf8(feste[art])) << "kind " << art;
    for (int art = 6; art <= 17; ++art) {
        const tictactoe::Brett b = tictactoe::zahlenwahl(art);
        const char* muster = art <= 8 ? "zähle %1 dazu"
            : art <= 11               ? "nimm %1 weg"
            : art <= 14               ? "nimm mit %1 mal"
                                      : "teile durch %1";
        EXPECT_EQ(b.titel, QString::fromUtf8(muster).arg(b.n)) << "kind " << art;
    }
}

// The shuffle moves every pair onto the board over many games: each of the eleven numbers is shown in a field.
TEST(Tictactoe, EveryPairReachesTheBoard)
{
    for (const int art : { 0, 12 }) {
        QSet<int> gezeigt;
        PinRandomSeed(5);
        for (int spiel = 0; spiel < 300; ++spiel) {
            const tictactoe::Brett b = tictactoe::zahlenwahl(art);
            for (int k = 1; k <= 9; ++k)
                gezeigt.insert(b.gezeigt[size_t(k)]);
        }
        UnpinRandomSeed();
        EXPECT_EQ(gezeigt, (QSet<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 })) << "kind " << art;
    }
}

// Fields 1..9 read like a text: three to a row, left to right, rows top to bottom; each winning line runs
// through the centres of the three fields it joins and beyond them.
TEST(Tictactoe, FieldsReadRowByRowAndEachWinningLineCrossesItsThreeFields)
{
    for (int k = 1; k <= 9; ++k) {
        const int spalte = (k - 1) % 3, zeile = (k - 1) / 3;
        EXPECT_EQ(tictactoe::mitteX(k), tictactoe::mitteX(spalte + 1)) << k;
        EXPECT_EQ(tictactoe::mitteY(k), tictactoe::mitteY(3 * zeile + 1)) << k;
        if (spalte > 0) {
            EXPECT_GT(tictactoe::mitteX(k), tictactoe::mitteX(k - 1) + 100) << k;
        }
        if (zeile > 0) {
            EXPECT_GT(tictactoe::mitteY(k), tictactoe::mitteY(k - 3) + 100) << k;
        }
    }
    const auto mitte
        = [](int c, int r) { return QPointF(tictactoe::mitteX(3 * (r - 1) + c), tictactoe::mitteY(3 * (r - 1) + c)); };
    struct Fall {
        int art, spalte, zeile;
        std::array<QPointF, 3> felder;
    };
    std::vector<Fall> faelle;
    for (int i = 1; i <= 3; ++i) {
        faelle.push_back({ 1, i, 2, { mitte(i, 1), mitte(i, 2), mitte(i, 3) } });
        faelle.push_back({ 2, 2, i, { mitte(1, i), mitte(2, i), mitte(3, i) } });
    }
    faelle.push_back({ 3, 2, 2, { mitte(1, 1), mitte(2, 2), mitte(3, 3) } });
    faelle.push_back({ 4, 2, 2, { mitte(1, 3), mitte(2, 2), mitte(3, 1) } });
    for (const Fall& f : faelle) {
        const tictactoe::Linie l = tictactoe::gewinnlinie(f.art, f.spalte, f.zeile);
        const QPointF a(l.x1, l.y1), b(l.x2, l.y2);
        const QPointF ab = b - a;
        const double laenge = std::hypot(ab.x(), ab.y());
        for (const QPointF& p : f.felder) {
            const QPointF ap = p - a;
            const double abstand = std::abs(ab.x() * ap.y() - ab.y() * ap.x()) / laenge;
            const double t = (ab.x() * ap.x() + ab.y() * ap.y()) / (laenge * laenge);
            EXPECT_LT(abstand, 6) << "kind " << f.art << " at " << f.spalte << "," << f.zeile;
            EXPECT_TRUE(t > 0.05 && t < 0.95) << "kind " << f.art << " at " << f.spalte << "," << f.zeile;
        }
    }
}

// Every line of the board, the mark placed in each of its three fields, gives the line's kind; one field of
// the other colour gives none.
TEST(Tictactoe, EveryLineIsFoundFromEachOfItsFields)
{
    struct Linie {
        int art;
        int felder[3][2];
    };
    std::vector<Linie> linien;
    for (int i = 1; i <= 3; ++i) {
        linien.push_back({ 1, { { i, 1 }, { i, 2 }, { i, 3 } } });
        linien.push_back({ 2, { { 1, i }, { 2, i }, { 3, i } } });
    }
    linien.push_back({ 3, { { 1, 1 }, { 2, 2 }, { 3, 3 } } });
    linien.push_back({ 4, { { 1, 3 }, { 2, 2 }, { 3, 1 } } });
    for (const Linie& l : linien)
        for (int gesetzt = 0; gesetzt < 3; ++gesetzt) {
            tictactoe::Feld f;
            for (const auto& z : l.felder)
                f.an(z[0], z[1]) = "blau";
            const int c = l.felder[gesetzt][0], r = l.felder[gesetzt][1];
            EXPECT_EQ(tictactoe::linientest(f, c, r), l.art) << c << "," << r;
            f.an(l.felder[(gesetzt + 1) % 3][0], l.felder[(gesetzt + 1) % 3][1]) = "rot";
            EXPECT_EQ(tictactoe::linientest(f, c, r), 0) << c << "," << r;
        }
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
