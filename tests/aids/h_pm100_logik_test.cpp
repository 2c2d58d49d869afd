#include "aids/h_pm100_logik.h"
#include "platform/colors.h"
#include "platform/random.h"
#include "support/wertebereiche.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace pm100;

namespace {

// Many tasks of one kind and level in a row, as one run draws them.
// `einLauf`: one run only, for checks that take long per task.
void vieleAufgaben(
    int art, int stufe, const std::function<void(const Aufgabe&, int vorher)>& pruefe, bool einLauf = false)
{
    for (std::uint32_t seed : { 1u, 77u, 4242u }) {
        if (einLauf && seed != 1u) break;
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
    EXPECT_FALSE(zifferRichtig("4", 0, 42));
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
    EXPECT_EQ(hilfezeile(41, true), "Hilfe:                 plus am 100er-Strahl");
    // A code outside the aid's range runs the nearest kind.
    EXPECT_EQ(artAusCode(40), 41);
    EXPECT_EQ(artAusCode(47), 46);
    EXPECT_EQ(protokolltitel(43), "Raum 100  gemischte Zehner und Einer");
    EXPECT_EQ(protokolltitel(44), "Raum 100  2 gemischte Zehnerzahlen");
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

namespace {

// The numbers of a task as the help shows them: where it starts, the stop after the first part step, where it
// ends. The stop is read from the first written row, so the pictures are checked against what the pupil reads.
struct Stationen {
    int start = 0, zwischen = 0, ende = 0;
};

// "36+4=40" as its three numbers and the sign; false when the row is no calculation.
bool rechnung(const QString& zeile, int& links, QChar& zeichen, int& rechts, int& ergebnis)
{
    const QString t = QString(zeile).remove(QLatin1Char(' '));
    const int op = int(t.indexOf(QRegularExpression(QStringLiteral("[+-]"))));
    const int gleich = int(t.indexOf(QLatin1Char('=')));
    if (op <= 0 || gleich <= op + 1) return false;
    bool ok1 = false, ok2 = false, ok3 = false;
    links = t.left(op).toInt(&ok1);
    zeichen = t.at(op);
    rechts = t.mid(op + 1, gleich - op - 1).toInt(&ok2);
    ergebnis = t.mid(gleich + 1).toInt(&ok3);
    return ok1 && ok2 && ok3;
}

Stationen stationen(const Aufgabe& x)
{
    Stationen s;
    s.start = x.hunderter1;
    s.ende = rechenart(x.art) == Rechenart::ergaenzen ? x.zielzahl : x.hunderter3;
    int a = 0, b = 0;
    QChar z;
    EXPECT_TRUE(rechnung(zeile(x, x.wieoft, 1), a, z, b, s.zwischen)) << x.text.toStdString();
    return s;
}

} // namespace

// After the last help step the sheet holds a right calculation: the first row goes from the task's first number
// to the ten (or with the tens), the second from there to the end, the two parts make up the second number,
// and the answer stands in the task's answer places.
TEST(Pm100Schritte, TheWrittenRowsAddUpToTheTaskForEveryTask)
{
    for (int art = 41; art <= 46; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(
                art, stufe,
                [&](const Aufgabe& x, int) {
                    SCOPED_TRACE(x.text.toStdString() + " level " + std::to_string(stufe));
                    const QVector<QString> z = geschriebeneZeilen(x, x.wieoft, 1);
                    QString soll = x.text;
                    for (int p = 1; p <= x.solltext().size(); ++p)
                        soll[antwortspalte(art, p) - 1] = x.solltext().at(p - 1);
                    ASSERT_EQ(z[0], soll);
                    const bool ergaenzen = rechenart(art) == Rechenart::ergaenzen;
                    const int teile = ergaenzen ? x.sollwert : x.hunderter2;
                    const Stationen st = stationen(x);
                    int a = 0, b = 0, c = 0;
                    QChar zeichen;
                    ASSERT_TRUE(rechnung(z[1], a, zeichen, b, c)) << z[1].toStdString();
                    EXPECT_EQ(zeichen, x.zeichen);
                    EXPECT_EQ(a, st.start);
                    EXPECT_EQ(zeichen == u'+' ? a + b : a - b, c);
                    if (x.wieoft == 4) {
                        EXPECT_EQ(z[2].trimmed(), QString());
                        EXPECT_EQ(c, st.ende);
                        EXPECT_EQ(b, teile);
                        return;
                    }
                    // The first part goes to the ten when one digit is added, with the tens when two are.
                    if (zweiZehnerzahlen(art))
                        EXPECT_EQ(b, 10 * x.zehner2);
                    else
                        EXPECT_EQ(c % 10, 0);
                    int a2 = 0, b2 = 0, c2 = 0;
                    QChar zeichen2;
                    ASSERT_TRUE(rechnung(z[2], a2, zeichen2, b2, c2)) << z[2].toStdString();
                    EXPECT_EQ(zeichen2, x.zeichen);
                    EXPECT_EQ(a2, c);
                    EXPECT_EQ(zeichen2 == u'+' ? a2 + b2 : a2 - b2, c2);
                    EXPECT_EQ(c2, st.ende);
                    EXPECT_EQ(b + b2, teile);
                },
                true);
}

namespace {

// The number of the field cell a point lies in; a point past the right end of a row stands for the ten that ends
// the row, one before its left end for the ten that ends the row above.
int feldzahl(QPoint p)
{
    const int zeile = (p.y() - 45) / 60;
    if (p.x() >= 440) return 10 * zeile + 10;
    if (p.x() < 31) return 10 * zeile;
    return 10 * zeile + (p.x() + 11) / 42;
}

QPoint mitte(const Bildteil& t)
{
    return { (t.l + t.r) / 2, (t.t + t.b) / 2 };
}

QPoint pfadende(const Bildteil& t)
{
    return t.senkrecht ? QPoint(t.start.x(), t.ende) : QPoint(t.ende, t.start.y());
}

} // namespace

// In the 100 field the help marks the numbers of the written rows one after the other: the first number, the
// stop after the first part, the end; the paths between them lead from one to the next. Completing shows the
// stop one step earlier and the path after it.
TEST(Pm100Bilder, MarksAndPathsInTheFieldLandOnTheNumbersOfTheCalculation)
{
    for (int art = 41; art <= 46; ++art) {
        const bool ergaenzen = rechenart(art) == Rechenart::ergaenzen;
        const int markeZwischen = ergaenzen ? 2 : 3, markeEnde = ergaenzen ? 4 : 5;
        const int pfadZwischen = ergaenzen ? 3 : 2, pfadEnde = ergaenzen ? 5 : 4;
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(
                art, stufe,
                [&](const Aufgabe& x, int) {
                    SCOPED_TRACE(x.text.toStdString() + " level " + std::to_string(stufe));
                    const Stationen st = stationen(x);
                    for (int s = 1; s <= std::min(x.wieoft, letzterBildschritt(art, false)); ++s) {
                        const Bild b = feldschritt(x, s);
                        int soll = -1;
                        if (s == 1) soll = st.start;
                        if (s == markeZwischen || s == pfadZwischen) soll = st.zwischen;
                        if (s == markeEnde || s == pfadEnde) soll = st.ende;
                        const bool marke = s == 1 || s == markeZwischen || s == markeEnde;
                        const Bildteil* letzter = nullptr;
                        for (const Bildteil& t : b)
                            if (t.art == (marke ? Bildteil::Art::Marke : Bildteil::Art::Pfad)) letzter = &t;
                        if (b.isEmpty() && x.wieoft == 4 && s == 4) continue;
                        ASSERT_NE(letzter, nullptr) << "step " << s;
                        EXPECT_EQ(feldzahl(marke ? mitte(*letzter) : pfadende(*letzter)), soll) << "step " << s;
                    }
                },
                true);
    }
}

namespace {

int strahlzahl(int x)
{
    return (x - 100) / 8;
}

// A step on the 100 line as text: "Balken 36", "Pfeil 40", "Bogen 36-40" (smaller number first).
QStringList strahlteile(const Bild& b)
{
    QStringList s;
    for (const Bildteil& t : b) {
        if (t.art == Bildteil::Art::Bogen) {
            s << QStringLiteral("Bogen %1-%2").arg(strahlzahl(t.l)).arg(strahlzahl(t.r));
        } else if (t.art == Bildteil::Art::Linie && t.punkte.size() == 2) {
            const QPoint p = t.punkte[0], q = t.punkte[1];
            if (p.y() == q.y())
                s << QStringLiteral("Balken %1").arg(strahlzahl(q.x()));
            else
                s << QStringLiteral("Pfeil %1").arg(strahlzahl(p.x()));
        }
    }
    return s;
}

QString bogen(int von, int bis)
{
    return QStringLiteral("Bogen %1-%2").arg(std::min(von, bis)).arg(std::max(von, bis));
}

} // namespace

// On the 100 line the bar reaches the first number, the jumps go from number to number of the written rows and
// the arrows point at the stop and at the end; the tens of a second two-digit number are jumped one by one.
TEST(Pm100Bilder, BarJumpsAndArrowsOnTheLineMeetTheNumbersOfTheCalculation)
{
    for (int art = 41; art <= 46; ++art)
        for (int stufe = 0; stufe < stufenzahl(art); ++stufe)
            vieleAufgaben(
                art, stufe,
                [&](const Aufgabe& x, int) {
                    SCOPED_TRACE(x.text.toStdString() + " level " + std::to_string(stufe));
                    const Stationen st = stationen(x);
                    const int s = st.start, zw = st.zwischen, e = st.ende;
                    const QString pfeilZw = QStringLiteral("Pfeil %1").arg(zw),
                                  pfeilEnde = QStringLiteral("Pfeil %1").arg(e);
                    QStringList zehner;
                    const int richtung = zw > s ? 10 : -10;
                    for (int i = 0; i < x.zehner2; ++i)
                        zehner << bogen(s + i * richtung, s + (i + 1) * richtung);
                    if (zweiZehnerzahlen(art)) EXPECT_EQ(s + x.zehner2 * richtung, zw);
                    // From the stop to the end over the ten between them, when the ones cross it.
                    QStringList einer;
                    if (x.uebergang()) {
                        const int zehn = std::max(zw, e) / 10 * 10;
                        einer << bogen(zw, zehn) << bogen(zehn, e);
                    } else {
                        einer << bogen(zw, e);
                    }
                    std::vector<QStringList> soll;
                    switch (art) {
                    case 41:
                        soll = { { bogen(s, zw) }, { pfeilZw }, { bogen(e / 10 * 10, e) }, { bogen(s, e), pfeilEnde } };
                        break;
                    case 42:
                        soll = { { bogen(s, zw) }, { pfeilZw }, { bogen(s / 10 * 10, e) }, { bogen(s, e), pfeilEnde } };
                        break;
                    case 43:
                        soll = { { pfeilZw }, { bogen(s, zw) }, { pfeilEnde }, { bogen(e / 10 * 10, e) },
                            { bogen(s, e) } };
                        break;
                    case 44:
                    case 45:
                        soll = { zehner, { pfeilZw }, einer, { bogen(zw, e), pfeilEnde } };
                        break;
                    default:
                        soll = { { pfeilZw }, zehner, { pfeilEnde }, einer, { bogen(zw, e) } };
                        break;
                    }
                    EXPECT_EQ(strahlteile(strahlschritt(x, 1)), QStringList { QStringLiteral("Balken %1").arg(s) });
                    for (int k = 2; k <= std::min(x.wieoft, letzterBildschritt(art, true)); ++k)
                        EXPECT_EQ(strahlteile(strahlschritt(x, k)), soll[size_t(k - 2)]) << "step " << k;
                },
                true);
}
