#include "aids/h_pm100_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "support/wertebereiche.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace pm100;

namespace {

// Many tasks of one kind and level in a row, as one run draws them.
void vieleAufgaben(int art, int stufe, const std::function<void(const Aufgabe&, int vorher)>& pruefe)
{
    for (std::uint32_t seed : { 1u, 77u, 4242u }) {
        RandSeed(seed);
        int vorindex = 0;
        for (int i = 0; i < 400; ++i) {
            const int vorher = vorindex;
            const Aufgabe x = aufgabenwahl(art, stufe, vorindex);
            ASSERT_EQ(vorindex, x.zehner1);
            pruefe(x, vorher);
        }
    }
}

QString zeile(const Aufgabe& x, int bisStufe, int z, int wahl6 = 1)
{
    return geschriebeneZeilen(x, bisStufe, wahl6)[z];
}

} // namespace

TEST(Pm100Generator, EveryTaskStaysBelow100AndChangesTheTensDigitOfTheFirstNumber)
{
    for (int art = 41; art <= 46; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(art, stufe, [&](const Aufgabe& x, int vorher) {
                EXPECT_NE(x.zehner1, vorher) << art << "/" << stufe;
                EXPECT_LE(x.zielzahl, 99);
                EXPECT_EQ(x.zielzahl, x.a() + x.b());
                EXPECT_GE(x.zehner1, 2);
                EXPECT_EQ(x.text.size(), 8);
                const Rechenart ra = rechenart(art);
                EXPECT_EQ(x.zeichen, ra == Rechenart::minus ? QLatin1Char('-') : QLatin1Char('+'));
                // What the pupil reads adds up.
                if (ra == Rechenart::minus)
                    EXPECT_EQ(x.hunderter1 - x.hunderter2, x.hunderter3);
                else
                    EXPECT_EQ(x.hunderter1 + x.hunderter2, x.hunderter3);
                if (!zweiZehnerzahlen(art)) {
                    EXPECT_EQ(x.zehner2, 0);
                    EXPECT_EQ(x.wieoft, x.einer1 + x.einer2 > 10 ? 6 : 4);
                } else {
                    EXPECT_GE(x.zehner2, 1);
                    EXPECT_EQ(x.wieoft, x.einer2 == 0 ? 4 : 6);
                }
            });
}

TEST(Pm100Generator, LevelsOfTheKindsWithAOneDigitNumber)
{
    for (int art = 41; art <= 43; ++art) {
        std::set<int> zehner;
        vieleAufgaben(art, 0, [&](const Aufgabe& x, int) {
            EXPECT_EQ(x.einer1, 0);
            EXPECT_GE(x.einer2, 1);
            zehner.insert(x.zehner1);
        });
        EXPECT_EQ(zehner, (std::set<int> { 2, 3, 4, 5, 6, 7, 8, 9 }));
        vieleAufgaben(art, 1, [&](const Aufgabe& x, int) {
            EXPECT_EQ(x.einer1 + x.einer2, 10);
            EXPECT_LE(x.zehner1, 8);
            EXPECT_EQ(x.wieoft, 4);
        });
        vieleAufgaben(art, 2, [&](const Aufgabe& x, int) {
            EXPECT_GE(x.einer1, 1);
            EXPECT_GE(x.einer2, 1);
            EXPECT_LT(x.einer1 + x.einer2, 10);
        });
        vieleAufgaben(art, 3, [&](const Aufgabe& x, int) {
            EXPECT_GE(x.einer1 + x.einer2, 11);
            EXPECT_LE(x.zehner1, 8);
            EXPECT_EQ(x.wieoft, 6);
        });
        std::set<int> ersteEiner;
        vieleAufgaben(art, 4, [&](const Aufgabe& x, int) {
            EXPECT_LE(x.einer1, 8);
            EXPECT_GE(x.einer2, 1);
            ersteEiner.insert(x.einer1);
        });
        EXPECT_EQ(ersteEiner.size(), 9u);
    }
}

TEST(Pm100Generator, LevelsOfTheKindsWithTwoTwoDigitNumbers)
{
    for (int art = 44; art <= 46; ++art) {
        const bool minus = art == 45;
        vieleAufgaben(art, 0, [&](const Aufgabe& x, int) {
            EXPECT_EQ(x.einer1 + x.einer2, 0);
            EXPECT_GE(x.zehner2, 2);
            EXPECT_LE(x.zehner1 + x.zehner2, 9);
        });
        // Minus 64 - 30 takes away a pure tens number, plus 30 + 34 adds one with ones.
        vieleAufgaben(art, 1, [&](const Aufgabe& x, int) {
            EXPECT_EQ(minus ? x.einer2 : x.einer1, 0);
            EXPECT_GE(minus ? x.einer1 : x.einer2, 1);
        });
        // Minus 64 - 24 leaves a pure tens number.
        vieleAufgaben(art, 2, [&](const Aufgabe& x, int) {
            EXPECT_EQ(minus ? x.einer1 : x.einer2, 0);
            EXPECT_GE(minus ? x.einer2 : x.einer1, 1);
        });
        vieleAufgaben(art, 3, [&](const Aufgabe& x, int) {
            EXPECT_EQ(x.einer1 + x.einer2, 10);
            EXPECT_EQ(x.zielzahl % 10, 0);
        });
        vieleAufgaben(art, 4, [&](const Aufgabe& x, int) {
            EXPECT_GE(x.einer1, 1);
            EXPECT_GE(x.einer2, 1);
            EXPECT_LT(x.einer1 + x.einer2, 10);
        });
        vieleAufgaben(art, 5, [&](const Aufgabe& x, int) { EXPECT_GE(x.einer1 + x.einer2, 11); });
        bool ohneEiner = false;
        vieleAufgaben(art, 6, [&](const Aufgabe& x, int) {
            EXPECT_LE(x.zehner1 + x.zehner2, 8);
            ohneEiner = ohneEiner || x.einer2 == 0;
        });
        EXPECT_TRUE(ohneEiner);
    }
}

// Per kind and level: the tens and ones of both numbers, each value their range allows and no other.
TEST(Pm100Generator, EveryDigitOfEveryLevelTakesEachValueOfItsRangeAndNoOther)
{
    const auto bereiche = [](int art, int stufe) {
        Wertebereiche w;
        vieleAufgaben(art, stufe, [&](const Aufgabe& x, int) {
            w(QStringLiteral("z1"), x.zehner1);
            w(QStringLiteral("e1"), x.einer1);
            w(QStringLiteral("z2"), x.zehner2);
            w(QStringLiteral("e2"), x.einer2);
        });
        return w.text().toStdString();
    };
    const char* const einstellig[] = {
        "e1 0, e2 1-9, z1 2-9, z2 0",
        "e1 1-9, e2 1-9, z1 2-8, z2 0",
        "e1 1-8, e2 1-8, z1 2-9, z2 0",
        "e1 2-9, e2 2-9, z1 2-8, z2 0",
        "e1 0-8, e2 1-9, z1 2-8, z2 0",
    };
    for (int art = 41; art <= 43; ++art)
        for (int stufe = 0; stufe < 5; ++stufe)
            EXPECT_EQ(bereiche(art, stufe), einstellig[stufe]) << art << "/" << stufe;
    // Minus swaps which ones digit is 0 on levels 1 and 2.
    const char* const zweistellig[] = {
        "e1 0, e2 0, z1 2-7, z2 2-7",
        "e1 0, e2 1-9, z1 2-8, z2 1-7",
        "e1 1-9, e2 0, z1 2-8, z2 1-7",
        "e1 1-9, e2 1-9, z1 2-7, z2 1-6",
        "e1 1-8, e2 1-8, z1 2-8, z2 1-7",
        "e1 2-9, e2 2-9, z1 2-7, z2 1-6",
        "e1 0-9, e2 0-9, z1 2-7, z2 1-6",
    };
    for (int art = 44; art <= 46; ++art)
        for (int stufe = 0; stufe < 7; ++stufe) {
            const int s = art == 45 && (stufe == 1 || stufe == 2) ? 3 - stufe : stufe;
            EXPECT_EQ(bereiche(art, stufe), zweistellig[s]) << art << "/" << stufe;
        }
}

TEST(Pm100Generator, ALevelTheKindDoesNotHaveRunsAsMischungInsteadOfNeverEnding)
{
    EXPECT_EQ(stufeAusWahl(41, 5), 4);
    EXPECT_EQ(stufeAusWahl(44, -1), 6);
    EXPECT_EQ(stufeAusWahl(44, 5), 5);
    RandSeed(3);
    int vorindex = 0;
    const Aufgabe x = aufgabenwahl(42, 9, vorindex);
    EXPECT_EQ(x.art, 42);
    EXPECT_EQ(formzeile(42, 9), "Aufgaben der Form:     (Mischung aller Schwierigkeitsgrade)");
}

TEST(Pm100Aufgabe, TheTaskAsEightCharactersWithItsAnswerPlaces)
{
    EXPECT_EQ(aufgabeAus(41, 3, 6, 0, 6).text, " 36+6=_ ");
    EXPECT_EQ(aufgabeAus(42, 3, 6, 0, 6).text, " 42-6=_ ");
    EXPECT_EQ(aufgabeAus(43, 3, 6, 0, 6).text, " 36+_=42");
    EXPECT_EQ(aufgabeAus(44, 3, 6, 3, 8).text, "36+38=_ ");
    EXPECT_EQ(aufgabeAus(45, 2, 8, 3, 6).text, "64-36=_ ");
    EXPECT_EQ(aufgabeAus(46, 3, 6, 2, 8).text, "36+_ =64");

    EXPECT_EQ(aufgabeAus(42, 3, 6, 0, 6).sollwert, 36);
    EXPECT_EQ(aufgabeAus(43, 3, 6, 0, 6).sollwert, 6);
    EXPECT_EQ(aufgabeAus(46, 3, 6, 2, 8).sollwert, 28);
    EXPECT_EQ(antwortspalte(41, 2), 8);
    EXPECT_EQ(antwortspalte(43, 1), 5);
    EXPECT_EQ(antwortspalte(46, 2), 5);

    EXPECT_TRUE(zifferRichtig("4", 1, 42));
    EXPECT_TRUE(zifferRichtig("42", 2, 42));
    EXPECT_FALSE(zifferRichtig("43", 2, 42));
    EXPECT_FALSE(zifferRichtig("4", 2, 42));
    EXPECT_FALSE(zifferRichtig("62", 2, 6));
}

TEST(Pm100Schritte, TheWrittenPartStepsOfSixStepTasks)
{
    // Row 1 to the ten or with the tens, row 2 the rest; the task row is left alone until the last step.
    const Aufgabe plus = aufgabeAus(41, 3, 6, 0, 6);
    EXPECT_EQ(zeile(plus, 5, 1), " 36+4=40");
    EXPECT_EQ(zeile(plus, 5, 2), " 40+2=42");
    EXPECT_EQ(zeile(plus, 5, 0), " 36+6=_ ");
    EXPECT_EQ(zeile(plus, 2, 1), " 36+4=  ");

    const Aufgabe minus = aufgabeAus(42, 3, 6, 0, 6);
    EXPECT_EQ(zeile(minus, 5, 1), " 42-2=40");
    EXPECT_EQ(zeile(minus, 5, 2), " 40-4=36");

    const Aufgabe ergaenzen = aufgabeAus(43, 3, 6, 0, 6);
    EXPECT_EQ(zeile(ergaenzen, 5, 1), " 36+4=40");
    EXPECT_EQ(zeile(ergaenzen, 5, 2), " 40+2=42");
    EXPECT_EQ(zeile(ergaenzen, 6, 0), " 36+6=42");

    const Aufgabe zwei = aufgabeAus(44, 3, 6, 3, 8);
    EXPECT_EQ(zeile(zwei, 5, 1), "36+30=66");
    EXPECT_EQ(zeile(zwei, 5, 2), "66+ 8=74");

    const Aufgabe zweiMinus = aufgabeAus(45, 2, 8, 3, 6);
    EXPECT_EQ(zeile(zweiMinus, 5, 1), "64-30=34");
    EXPECT_EQ(zeile(zweiMinus, 5, 2), "34- 6=28");

    const Aufgabe fehlend = aufgabeAus(46, 3, 6, 2, 8);
    EXPECT_EQ(zeile(fehlend, 3, 1), "36+20=56");
    EXPECT_EQ(zeile(fehlend, 4, 2), "56+  =64");
    EXPECT_EQ(zeile(fehlend, 5, 2), "56+ 8=64");
    EXPECT_EQ(zeile(fehlend, 6, 0), "36+28=64");
}

TEST(Pm100Schritte, FourStepTasksEndWithTheOpenAnswerPlaces)
{
    const Aufgabe x = aufgabeAus(41, 3, 6, 0, 2); // 36 + 2, no crossing
    ASSERT_EQ(x.wieoft, 4);
    EXPECT_EQ(zeile(x, 3, 1), " 36+2=38");
    EXPECT_EQ(zeile(x, 3, 2), "        ");
    EXPECT_EQ(zeile(x, 4, 0), " 36+2=38");
    // With the first digit typed only the second place is still open.
    const QVector<Schreibschritt> rest = schreibschritt(x, 4, 2);
    ASSERT_EQ(rest.size(), 1);
    EXPECT_EQ(rest[0].spalte, 8);
    EXPECT_EQ(rest[0].text, "8");
    EXPECT_EQ(rest[0].farbe, clPurple);

    const Aufgabe zehn = aufgabeAus(42, 3, 0, 0, 4); // 34 - 4 = 30
    EXPECT_EQ(zeile(zehn, 3, 1), " 34-4=30");
    const Aufgabe ganz = aufgabeAus(43, 3, 6, 0, 2); // 36 + _ = 38
    EXPECT_EQ(zeile(ganz, 3, 1), " 36+2=38");
    const Aufgabe zehner = aufgabeAus(46, 3, 6, 3, 0); // 36 + _ = 66
    EXPECT_EQ(zeile(zehner, 3, 1), "36+30=66");
    EXPECT_EQ(zeile(zehner, 4, 0), "36+30=66");

    EXPECT_TRUE(schreibschritt(x, 0, 1).isEmpty());
    EXPECT_TRUE(schreibschritt(x, 5, 1).isEmpty());
}

namespace {

Bildteil einziger(const Bild& b)
{
    EXPECT_EQ(b.size(), 1);
    return b.isEmpty() ? Bildteil {} : b.first();
}

} // namespace

TEST(Pm100Bilder, MarksOnNumbersAndOnResultsThatEndIn0)
{
    EXPECT_EQ(zellmitte(36), QPoint(262, 255));
    EXPECT_EQ(zellmitte(40), QPoint(430, 255));
    EXPECT_EQ(zellmitte(41), QPoint(52, 315));

    // 34 - 4 = 30: the result stands in column 10 of the row 21 .. 30.
    const Aufgabe x = aufgabeAus(42, 3, 0, 0, 4);
    const Bildteil rot = einziger(feldschritt(x, 3));
    EXPECT_EQ(rot.art, Bildteil::Art::Marke);
    EXPECT_EQ(QPoint((rot.l + rot.r) / 2, (rot.t + rot.b) / 2), QPoint(429, 195));

    // 36 + 6 = 42, the purple dot on the result: the box is computed from 42 itself.
    const Bildteil lila = einziger(feldschritt(aufgabeAus(41, 3, 6, 0, 6), 5));
    EXPECT_EQ(lila.farbe, clPurple);
    EXPECT_EQ(lila.stift, 15);
    EXPECT_EQ(QVector<int>({ lila.l, lila.t, lila.r, lila.b }), QVector<int>({ 87, 306, 101, 324 }));
}

TEST(Pm100Bilder, PathsInTheFieldKeepToTheField)
{
    // Every path and dot of every help step lies in the 100 field, for every task of every kind.
    for (int art = 41; art <= 46; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(art, stufe, [&](const Aufgabe& x, int) {
                for (int s = 1; s <= x.wieoft; ++s)
                    for (const Bildteil& t : feldschritt(x, s)) {
                        int l = t.l, r = t.r, o = t.t, u = t.b;
                        if (t.art == Bildteil::Art::Pfad) {
                            const int a = t.senkrecht ? t.start.y() : t.start.x();
                            const int lo = std::min(a, t.ende), hi = std::max(a, t.ende);
                            l = t.senkrecht ? t.start.x() : lo;
                            r = t.senkrecht ? t.start.x() : hi;
                            o = t.senkrecht ? lo : t.start.y();
                            u = t.senkrecht ? hi : t.start.y();
                        } else if (t.art == Bildteil::Art::Linie) {
                            l = r = t.punkte[0].x();
                            o = u = t.punkte[0].y();
                        }
                        ASSERT_GE(l, 20) << x.text.toStdString() << " step " << s;
                        ASSERT_LE(r, 460) << x.text.toStdString() << " step " << s;
                        ASSERT_GE(o, 40) << x.text.toStdString() << " step " << s;
                        ASSERT_LE(u, 650) << x.text.toStdString() << " step " << s;
                    }
            });
}

TEST(Pm100Bilder, FromAFullTenTheOnesPathGoesOnInTheNextRow)
{
    // 30 + 24: from 50 the ones lead on to 54 in the next row.
    const Bild b = feldschritt(aufgabeAus(44, 3, 0, 2, 4), 4);
    ASSERT_EQ(b.size(), 2);
    EXPECT_EQ(b[1].start, QPoint(27, zellmitte(54).y() + 23));
    EXPECT_EQ(b[1].ende, 42 * 4 + 22);
}

TEST(Pm100Bilder, OnTheLineTheFirstJumpOfACrossingTaskEndsAtTheTenItCrosses)
{
    // 36 + 6, 42 - 6, 36 + _ = 42: the red arrow points at 40, in plus, minus and completing tasks alike.
    const int pfeilschritt[] = { 3, 3, 2 };
    for (int art = 41; art <= 43; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(art, stufe, [&](const Aufgabe& x, int) {
                if (!x.uebergang()) return;
                const Bild b = strahlschritt(x, pfeilschritt[art - 41]);
                ASSERT_FALSE(b.isEmpty()) << x.text.toStdString();
                ASSERT_EQ(b[0].farbe, QColor(clRed)) << x.text.toStdString();
                ASSERT_EQ(b[0].punkte[0].x(), strahlstelle(x.zielzahl / 10 * 10)) << x.text.toStdString();
            });
}

TEST(Pm100Bilder, StepsWithoutAPictureDrawNothing)
{
    // Without crossing the fourth and last step adds nothing in the field, in plus and in minus tasks.
    EXPECT_TRUE(feldschritt(aufgabeAus(41, 3, 6, 0, 2), 4).isEmpty());
    EXPECT_TRUE(feldschritt(aufgabeAus(42, 3, 6, 0, 2), 4).isEmpty());
    EXPECT_FALSE(feldschritt(aufgabeAus(42, 3, 6, 0, 6), 4).isEmpty());
    // On the line the fourth step draws the arc from the ten below the result to the result.
    const Bildteil bogen = einziger(strahlschritt(aufgabeAus(41, 3, 6, 0, 2), 4));
    EXPECT_EQ(bogen.art, Bildteil::Art::Bogen);
    EXPECT_EQ(bogen.l, strahlstelle(30));
    EXPECT_EQ(bogen.r, strahlstelle(38));
    EXPECT_EQ(bogen.farbe, clGreen);
    // Kind 43 without crossing leaves out the purple dot of step 4.
    EXPECT_TRUE(feldschritt(aufgabeAus(43, 3, 6, 0, 2), 4).isEmpty());
    EXPECT_TRUE(feldschritt(aufgabeAus(41, 3, 6, 0, 6), 6).isEmpty());
    EXPECT_TRUE(strahlschritt(aufgabeAus(41, 3, 6, 0, 6), 6).isEmpty());
    EXPECT_FALSE(strahlschritt(aufgabeAus(43, 3, 6, 0, 6), 6).isEmpty());
}

TEST(Pm100Protokoll, TitleHelpAndLevelLines)
{
    EXPECT_EQ(protokolltitel(41), "Raum 100  gemischte Zehner und Einer");
    EXPECT_EQ(protokolltitel(45), "Raum 100  2 gemischte Zehnerzahlen");
    EXPECT_EQ(hilfezeile(43, false), "Hilfe:                 ergänzen am 100er-Feld");
    EXPECT_EQ(hilfezeile(42, true), "Hilfe:                 minus am 100er-Strahl");
    EXPECT_EQ(formzeile(41, 3), "Aufgaben der Form:     36 + 6 = __");
    EXPECT_EQ(formzeile(46, 0), "Aufgaben der Form:     20 + _0 = 70");
    EXPECT_EQ(formzeile(45, 2), "Aufgaben der Form:     64 - 24 = _0");
    EXPECT_EQ(stufenbeispiel(41, 4), "(Mischung aller Schwierigkeitsgrade)");
    EXPECT_EQ(stufenbeispiel(44, 6), "(Mischung aller Schwierigkeitsgrade)");
}

// The pictures run alongside the written steps: the 100 field has five of them, the 100 line five, or six for
// the completing kinds; past those (and at the seventh, one more try) a step draws nothing.
TEST(Pm100Bilder, TheFieldShowsFiveStepsAndTheLineSixOnlyWhenCompleting)
{
    for (int art = 41; art <= 46; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(art, stufe, [&](const Aufgabe& aufgabe, int) {
                if (aufgabe.wieoft != 6) return;
                const bool ergaenzen = rechenart(art) == Rechenart::ergaenzen;
                for (int wieoft : { 6, 7 }) {
                    Aufgabe x = aufgabe;
                    x.wieoft = wieoft;
                    SCOPED_TRACE(x.text.toStdString() + " in " + std::to_string(wieoft) + " steps");
                    if (wieoft == 6) ASSERT_FALSE(feldschritt(x, 5).isEmpty() || strahlschritt(x, 5).isEmpty());
                    ASSERT_TRUE(feldschritt(x, 6).isEmpty());
                    ASSERT_EQ(strahlschritt(x, 6).isEmpty(), !ergaenzen);
                    ASSERT_TRUE(feldschritt(x, 7).isEmpty() && strahlschritt(x, 7).isEmpty());
                }
            });
}
