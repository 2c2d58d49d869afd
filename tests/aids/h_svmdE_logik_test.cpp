// "SV2" without a window: the generators, the columns, the messages, the help and the show stages.

#include "aids/h_svmdE_logik.h"
#include "platform/random.h"
#include "support/fixtures.h"

using namespace svmdE;

namespace {

class SvmdELogik : public TaviTest { };

Aufgabe aufgabe(int code, int f, int d)
{
    return aufgabeBilden(code, { f / 100, f / 10 % 10, f % 10, d });
}

} // namespace

TEST_F(SvmdELogik, EveryGeneratorGivesAFourDigitProductWithTheCarriesOfItsLevel)
{
    struct Soll {
        int generator;
        int code;
        std::function<bool(const Reihe&)> regel;
    };
    const Soll tabelle[] = {
        { 0, 85, [](const Reihe& r) { return r.merkE == 0 && r.merkZ == 0; } },
        { 1, 85, [](const Reihe& r) { return r.merkE == 0 && r.merkZ > 0; } },
        { 2, 87, [](const Reihe& r) { return r.merkE > 0 && r.merkZ == 0; } },
        { 4, 85, [](const Reihe& r) { return r.produktE >= 10 && r.produktZ >= 10; } },
        { 4, 87, [](const Reihe& r) { return r.d <= 5 && r.produktE >= 10 && r.produktZ >= 10; } },
        // The units carry makes the tens carry.
        { 5, 85, [](const Reihe& r) { return r.produktZ < 10 && r.merkZ > 0; } },
        { 5, 87, [](const Reihe& r) { return r.d >= 6 && r.h >= 6 && r.z >= 6 && r.e >= 6; } },
        { 6, 85, [](const Reihe& r) { return (r.z == 0) != (r.e == 0) && r.h > 0; } },
    };
    for (const Soll& s : tabelle) {
        SCOPED_TRACE(s.generator * 100 + s.code);
        int zehnerNull = 0;
        for (int seed = 1; seed <= 400; ++seed) {
            RandSeed(std::uint32_t(seed));
            const Aufgabe a = aufgabeBilden(s.code, stellenwurf(s.generator, s.code));
            const Reihe& r = a.r;
            ASSERT_EQ(r.wert(), (r.h * 100 + r.z * 10 + r.e) * r.d);
            ASSERT_GE(r.stellen[3], 1) << r.wert();
            ASSERT_GE(r.d, 2);
            ASSERT_TRUE(s.regel(r)) << r.h << r.z << r.e << " x " << r.d;
            zehnerNull += r.z == 0;
        }
        if (s.generator == 6) EXPECT_NEAR(zehnerNull, 200, 40);
    }
    for (int seed = 1; seed <= 50; ++seed) {
        RandSeed(std::uint32_t(seed));
        const int g3 = generatorVonStufe(3), g7 = generatorVonStufe(7);
        EXPECT_TRUE(g3 == 1 || g3 == 2);
        EXPECT_TRUE(g7 >= 0 && g7 != 3 && g7 <= 6);
    }
    EXPECT_EQ(generatorVonStufe(8), -1);
}

TEST_F(SvmdELogik, MultiplyingKeepsTheCarriesAndTellsForgottenOnes)
{
    const Aufgabe a = aufgabe(85, 456, 4);
    EXPECT_EQ(a.merkziffern[1], "1");
    EXPECT_EQ(a.merkziffern[2], "2");
    EXPECT_EQ(a.merkziffern[3], "2");
    EXPECT_EQ(a.merkziffern[4], "0");
    EXPECT_EQ(a.wahltext, "1824");
    // The units first: the pointer starts at the end.
    const auto text = [&](int schritt, char c) { return meldung(a, schritt, QChar(c)).text; };
    EXPECT_EQ(text(3, '0'), "Die Gemerkten wurden vergessen.");
    EXPECT_EQ(text(2, '6'), "Die Gemerkten wurden vergessen.");
    const Meldung zuerst = meldung(a, 2, u'1');
    EXPECT_EQ(zuerst.text, "Tippe zuerst die Hunderter ein.");
    EXPECT_FALSE(zuerst.zaehlt);
    EXPECT_FALSE(zuerst.hilfeFrei);
    const Meldung falsch = meldung(a, 3, u'7');
    EXPECT_EQ(falsch.text, "Die 7 war falsch. Rechne neu oder hole Hilfe.");
    EXPECT_TRUE(falsch.zaehlt && falsch.hilfeFrei);

    EXPECT_EQ(hilfe(a, 3).texte(), (QStringList { "rechne:    4    5", "und addiere die Gemerkten" }));
    EXPECT_EQ(hilfe(a, 4).texte(), (QStringList { "rechne:    4    6" }));
    EXPECT_EQ(hilfe(a, 1).texte(), (QStringList { "es fehlt nur noch der Tausender" }));
    EXPECT_TRUE(markierung(a, 1).leer());
    EXPECT_FALSE(markierung(a, 3).leer());

    EXPECT_EQ(zeigen(a, 3, 1).texte(), (QStringList { "=  20", "2" }));
    EXPECT_EQ(zeigen(a, 3, 2).texte(), (QStringList { "22", "tippe", "merke" }));
    EXPECT_FALSE(letzteZeigestufe(a, 3, 1));
    EXPECT_TRUE(letzteZeigestufe(a, 3, 2));
    // The thousands are shown at once, and nothing is left to remember.
    EXPECT_EQ(zeigen(a, 1, 1).texte(), (QStringList { " :   1", "tippe" }));
    EXPECT_TRUE(letzteZeigestufe(a, 1, 1));
    // No carry out of the units of 401 x 2: no "merke".
    EXPECT_EQ(zeigen(aufgabe(85, 401, 2), 4, 2).texte(), (QStringList { "2", "tippe" }));

    EXPECT_EQ(merkeText(a, 3), "2");
    EXPECT_EQ(merkeText(a, 2), "2");
    EXPECT_EQ(merkeText(a, 1), "1");
    EXPECT_EQ(merkeText(a, 4), "");
}

TEST_F(SvmdELogik, DividingTheShortWayRemembersTheRemainders)
{
    const Aufgabe a = aufgabe(87, 456, 4);
    EXPECT_EQ(a.wahltext, "654");
    EXPECT_EQ(aufgabenbild(a).texte(), (QStringList { "1", "8", "2", "4", ":", "4" }));
    const Meldung null = meldung(a, 3, u'0');
    EXPECT_EQ(null.text, "Die Null am Anfang ist unnötig.");
    EXPECT_FALSE(null.zaehlt);
    EXPECT_EQ(null.feld.texte(), QStringList { "0" });
    EXPECT_TRUE(meldung(a, 2, u'0').hilfeFrei);

    const QStringList h = hilfe(a, 3).texte();
    EXPECT_EQ(h.first(), "4");
    EXPECT_EQ(h.at(9), "40");
    EXPECT_EQ(h.last(), "rechne:       18  :  4");
    EXPECT_EQ(hilfe(a, 2).texte().last(), "rechne:       22  :  4");
    EXPECT_EQ(hilfe(a, 1).texte().last(), "rechne:       24  :  4");
    EXPECT_EQ(zeigen(a, 3, 1).texte(), QStringList { "=   4   Rest  2" });
    EXPECT_EQ(zeigen(a, 1, 1).texte(), QStringList { "=   6" });
    EXPECT_EQ(zeigen(a, 2, 2).texte(), (QStringList { "tippe", "merke" }));
    EXPECT_EQ(zeigen(a, 1, 2).texte(), QStringList { "tippe" });
    // The remainder carried into the tens stands above the sheet.
    EXPECT_EQ(markierung(a, 2).texte(), QStringList { "2" });
    EXPECT_TRUE(markierung(aufgabe(87, 212, 3), 2).texte().isEmpty());
    EXPECT_EQ(merkeText(a, 2), "2");
    EXPECT_EQ(merkeText(a, 1), "2");
    EXPECT_EQ(merkeText(a, 3), "");
}
