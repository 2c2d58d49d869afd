#include "aids/h_strahl_logik.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QSet>
#include <algorithm>
#include <map>

using namespace strahl;

namespace {

class StrahlLogikTest : public TaviTest {
protected:
    QList<int> ziehen(int code, int mal)
    {
        beutelFuellen();
        QList<int> z;
        for (int i = 0; i < mal; ++i)
            z << zielzahlZiehen(code);
        return z;
    }
};

} // namespace

TEST_F(StrahlLogikTest, EachLineAsksItsNumbersOnly)
{
    const QList<int> bis10 = ziehen(kBis10, 500);
    EXPECT_EQ(QSet<int>(bis10.begin(), bis10.end()), QSet<int>({ 1, 2, 3, 4, 5, 6, 7, 8, 9 }));

    const QList<int> bis20 = ziehen(kBis20, 2000);
    QSet<int> erwartet20;
    for (int n = 1; n <= 19; ++n)
        erwartet20 << n;
    EXPECT_EQ(QSet<int>(bis20.begin(), bis20.end()), erwartet20);

    const QList<int> bis100 = ziehen(kBis100, 5000);
    QSet<int> erwartet100;
    for (int n = 1; n <= 99; ++n)
        if (n != 50) erwartet100 << n;
    EXPECT_EQ(QSet<int>(bis100.begin(), bis100.end()), erwartet100);
}

TEST_F(StrahlLogikTest, APassOfTheBagGivesEachNumberOnce)
{
    for (int lauf = 0; lauf < 20; ++lauf) {
        // Nine tasks use up the bag of ten but for the 10, which is passed over; the tenth starts a new pass.
        const QList<int> z = ziehen(kBis10, 9);
        EXPECT_EQ(QSet<int>(z.begin(), z.end()).size(), 9);
        EXPECT_LE(vorratsgroesse, 1);
        zielzahlZiehen(kBis10);
        EXPECT_GE(vorratsgroesse, 7);
    }
    // Pass after pass the whole bag comes again: nine tasks in a row give 1 .. 9 once each.
    beutelFuellen();
    for (int pass = 0; pass < 10; ++pass) {
        QSet<int> z;
        for (int i = 0; i < 9; ++i)
            z << zielzahlZiehen(kBis10);
        EXPECT_EQ(z.size(), 9) << "pass " << pass;
    }
    // A size another aid left behind does not reach beyond the bag.
    beutelFuellen();
    vorratsgroesse = 55;
    EXPECT_LE(zielzahlZiehen(kBis10), 9);
}

TEST_F(StrahlLogikTest, ThePointedNumberAndTheBand)
{
    EXPECT_EQ(gezeigteZahl(kBis10, 100), 0);
    EXPECT_EQ(gezeigteZahl(kBis10, 139), 0);
    EXPECT_EQ(gezeigteZahl(kBis10, 141), 1);
    EXPECT_EQ(gezeigteZahl(kBis10, 59), std::nullopt); // left of 0
    EXPECT_EQ(gezeigteZahl(kBis10, 941), std::nullopt); // right of 10
    EXPECT_EQ(gezeigteZahl(kBis20, 900), 20);
    EXPECT_EQ(gezeigteZahl(kBis100, 903), 100);
    EXPECT_EQ(gezeigteZahl(kBis100, 905), std::nullopt);
    EXPECT_EQ(gezeigteZahl(kBis100, 500), 50);

    // Band 200..379 in design units, at a vertical scale of 0.6: pixels 120..227.
    EXPECT_FALSE(imBand(119, 0.6f));
    EXPECT_TRUE(imBand(120, 0.6f));
    EXPECT_TRUE(imBand(227, 0.6f));
    EXPECT_FALSE(imBand(228, 0.6f));
    EXPECT_EQ(designX(400, 0.8f), 500);
}

TEST_F(StrahlLogikTest, SwapLevelAndTitle)
{
    EXPECT_EQ(zifferntausch(24), "42");
    EXPECT_EQ(zifferntausch(7), "70");
    EXPECT_EQ(zifferntausch(30), "3");
    EXPECT_EQ(stufenzeile(0, 0), "Schwierigkeitsstufe:   ---");
    EXPECT_EQ(stufenzeile(2, 0), "Schwierigkeitsstufe:   n u r  zeigen");
    EXPECT_EQ(stufenzeile(1, 0), "Schwierigkeitsstufe:   n u r  zeigen");
    EXPECT_EQ(stufenzeile(0, 1), "Schwierigkeitsstufe:   n u r  nennen");
    EXPECT_EQ(stufenzeile(1, 3), "Schwierigkeitsstufe:   zeigen  u n d  nennen");
    EXPECT_EQ(titel(kBis20), "Orientierung am Strahl bis 20");
}

TEST_F(StrahlLogikTest, EveryLabelStandsAtItsNumberAndTheSolvedLineNamesEveryTen)
{
    for (int code : { kBis10, kBis20, kBis100 }) {
        QVector<Beschriftung> alle = linienbild(code).beschriftungen;
        alle += loesungsbeschriftungen(code);
        QVector<int> zahlen;
        for (const Beschriftung& b : alle) {
            EXPECT_EQ(zahlAnX(code, b.x), b.text.toInt()) << "code " << code << ": " << b.text.toStdString();
            zahlen << b.text.toInt();
        }
        std::sort(zahlen.begin(), zahlen.end());
        zahlen.erase(std::unique(zahlen.begin(), zahlen.end()), zahlen.end());
        QVector<int> zehner;
        for (int z = 0; z <= obergrenze(code); z += 10)
            zehner << z;
        EXPECT_EQ(zahlen, zehner) << "code " << code;
    }
}

TEST_F(StrahlLogikTest, TheArcOfAJumpHasOneShapeOnEveryLine)
{
    // All three lines are drawn equally long: a jump over the same stretch of line is equally high on each, and
    // twice the stretch is twice as high, so that the arcs of two lines can be compared by eye.
    const int spanne100 = xVon(kBis100, 100) - xVon(kBis100, 0);
    const int hoehe100 = bogenhoehe(kBis100, 100);
    ASSERT_GT(hoehe100, 0);
    for (int code : { kBis10, kBis20, kBis100 }) {
        EXPECT_EQ(xVon(code, obergrenze(code)) - xVon(code, 0), spanne100) << "code " << code;
        for (int n = 1; n <= obergrenze(code); ++n) {
            const int spanne = xVon(code, n) - xVon(code, 0);
            EXPECT_EQ(bogenhoehe(code, n) * spanne100, hoehe100 * spanne) << "code " << code << ", " << n;
        }
    }
}

// Every number of a line has its tick, each five a longer one, each ten a longer one still (and on the line to
// 100 its two ends the longest); no tick stands beside the line's numbers.
TEST_F(StrahlLogikTest, EveryNumberHasATickLongerForEachFiveAndLongerStillForEachTen)
{
    for (int code : { kBis10, kBis20, kBis100 }) {
        const int ende = obergrenze(code);
        std::map<int, int> oben; // the highest top of the ticks at each number
        for (const Strich& s : linienbild(code).striche) {
            ASSERT_GE(s.n, 0) << code;
            ASSERT_LE(s.n, ende) << code;
            oben[s.n] = oben.count(s.n) ? std::min(oben[s.n], s.oben) : s.oben;
        }
        ASSERT_EQ(int(oben.size()), ende + 1) << code;
        const auto stufe = [&](int n) { return n % 10 == 0 ? (code == kBis100 && n % 100 == 0 ? 3 : 2) : n % 5 == 0; };
        for (int n = 0; n <= ende; ++n)
            for (int m = 0; m <= ende; ++m) {
                if (stufe(n) == stufe(m))
                    ASSERT_EQ(oben[n], oben[m]) << "code " << code << ": " << n << ", " << m;
                else if (stufe(n) > stufe(m))
                    ASSERT_LT(oben[n], oben[m]) << "code " << code << ": " << n << ", " << m;
            }
    }
    EXPECT_EQ(stellen(kBis10), 2);
    EXPECT_EQ(stellen(kBis20), 2);
    EXPECT_EQ(stellen(kBis100), 3);
}
