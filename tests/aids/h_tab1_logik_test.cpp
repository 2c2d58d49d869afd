#include "aids/h_tab1_logik.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QSet>
#include <algorithm>
#include <tuple>

using namespace tab1;

namespace {

class Tab1LogikTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        variante = 0;
        wahl3 = 0;
        wahl4 = 0;
    }

    // The hub's choice: rows and columns in ascending order.
    static void rand(std::initializer_list<int> zeilen, std::initializer_list<int> spalten)
    {
        int i = 0;
        for (int z : zeilen)
            auswahl1[++i] = z;
        tabzeilenzahl = shortint(i);
        i = 0;
        for (int s : spalten)
            auswahl2[++i] = s;
        tabspaltenzahl = shortint(i);
    }

    static Tabelle aufbauen(int code)
    {
        tabellengroesse(code);
        raenderBilden(code);
        return zellenBilden(code);
    }

    static QStringList pool()
    {
        QStringList l;
        for (int i = 1; i <= vorratsgroesse; ++i)
            l << aufgabenliste[i];
        return l;
    }
};

} // namespace

TEST_F(Tab1LogikTest, Raum10AsksOnlySumsUpToTenTheCrossingsOnlySumsAboveAndTheyBecomeTheRunsGoal)
{
    rand({ 3, 5, 7 }, { 4, 6, 8 });
    mindestaufgaben = 20;
    const Tabelle t = aufbauen(61);
    EXPECT_EQ(pool(), (QStringList { "v0h0a3b4", "v0h1a3b6", "v1h0a5b4" }));
    EXPECT_EQ(mindestaufgaben, 3);
    EXPECT_EQ(nummer, 1);
    EXPECT_EQ(t.askbar(), 3);
    EXPECT_FALSE(t.zelleGefragt(2, 2));
    EXPECT_EQ(zellbreite, 62);

    // Only the crossings of ten.
    variante = 2;
    rand({ 3, 5, 7 }, { 4, 6, 8 });
    aufbauen(61);
    EXPECT_EQ(vorratsgroesse, 6);

    // A sum of exactly 10 reaches the ten without crossing it: asked in Raum 10, not among the crossings.
    variante = 0;
    rand({ 4, 5, 6 }, { 4, 5, 6 });
    aufbauen(61);
    EXPECT_EQ(pool(), (QStringList { "v0h0a4b4", "v0h1a4b5", "v0h2a4b6", "v1h0a5b4", "v1h1a5b5", "v2h0a6b4" }));
    variante = 2;
    rand({ 4, 5, 6 }, { 4, 5, 6 });
    aufbauen(61);
    EXPECT_EQ(pool(), (QStringList { "v1h2a5b6", "v2h1a6b5", "v2h2a6b6" }));
}

TEST_F(Tab1LogikTest, SubtractionAcrossTenAddsTenToTheRowsAndAsksDifferencesUpToNine)
{
    variante = 2;
    rand({ 0, 5 }, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 });
    const Tabelle t = aufbauen(62);
    EXPECT_EQ(t.zeilenzahlen, (QVector<int> { 10, 15 }));
    EXPECT_EQ(vorratsgroesse, 15); // 10 - 1 .. 10 - 10 and 15 - 6 .. 15 - 10
    EXPECT_EQ(pool().first(), "v0h0a10b1");
    EXPECT_EQ(pool().last(), "v1h9a15b10");
}

// Raum 10 of subtraction asks no difference below 0, the whole space of 20 (and the crossings) add 10 to every
// row; addition never does.
TEST_F(Tab1LogikTest, SubtractionAsksNoNegativeDifferenceAndOnlyItsSpaceOf20AddsTenToTheRows)
{
    rand({ 3, 5 }, { 3, 4, 6 });
    Tabelle t = aufbauen(62);
    EXPECT_EQ(t.zeilenzahlen, (QVector<int> { 3, 5 }));
    EXPECT_EQ(pool(), (QStringList { "v0h0a3b3", "v1h0a5b3", "v1h1a5b4" })); // 3 - 4 = -1 is not asked

    variante = 1;
    rand({ 0, 5 }, { 3, 9 });
    t = aufbauen(62);
    EXPECT_EQ(t.zeilenzahlen, (QVector<int> { 10, 15 }));
    EXPECT_EQ(vorratsgroesse, 4); // every difference in the space of 20, also 15 - 3 = 12

    for (int v = 0; v <= 2; ++v) {
        variante = v;
        rand({ 2, 4 }, { 1, 9 });
        EXPECT_EQ(aufbauen(61).zeilenzahlen, (QVector<int> { 2, 4 })) << v;
    }
    // Raum 20 of addition asks every sum, below and above ten.
    variante = 1;
    rand({ 2, 4 }, { 1, 9 });
    aufbauen(61);
    EXPECT_EQ(vorratsgroesse, 4);
}

// Each code calculates with its own operation: the answer a pupil must give to the first cell.
TEST_F(Tab1LogikTest, EveryCodeCalculatesWithItsOwnOperationAndShowsItsSign)
{
    const std::tuple<int, int, const char*> arten[]
        = { { 61, 15, "+" }, { 62, 9, "-" }, { 63, 36, "*" }, { 64, 4, ":" }, { 65, 36, "*" }, { 66, 15, "+" },
              { 67, 9, "-" }, { 68, 15, "+" }, { 69, 9, "-" }, { 610, 36, "*" } };
    for (const auto& [code, ergebnis12und3, zeichen] : arten) {
        const Tabellenart a = tabellenart(code);
        EXPECT_EQ(ergebnis(a.rechenart, 12, 3), ergebnis12und3) << code;
        EXPECT_EQ(a.zeichen, QString::fromLatin1(zeichen)) << code;
    }
    // A table picked by the hub starts at its first cell in order, anywhere when jumping.
    QSet<int> erste;
    for (int seed = 1; seed <= 100; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        wahl3 = 1;
        rand({ 2, 3, 4 }, { 5, 6, 7 });
        aufbauen(63);
        ASSERT_GE(nummer, 1);
        ASSERT_LE(nummer, 9);
        erste << nummer;
    }
    EXPECT_EQ(erste.size(), 9);
}

// Each divisor alone: the dividend is a two-digit multiple of it plus 1 .. the divisor, i.e. every number from
// 10 up to 11 times the divisor (at most 99), and every one of them comes.
TEST_F(Tab1LogikTest, EveryDividendADivisorAllowsComesAndNoOther)
{
    for (int d = 2; d <= 10; ++d) {
        QSet<int> soll;
        for (int z = 10; z <= std::min(11 * d, 99); ++z)
            if (z > d) soll << z;
        QSet<int> gezogen;
        for (int seed = 1; seed <= 1500; ++seed) {
            PinRandomSeed(std::uint32_t(seed));
            rand({}, { d });
            const Tabelle t = aufbauen(64);
            ASSERT_EQ(t.zeilen, 1);
            gezogen << t.zeilenzahlen[0];
        }
        EXPECT_EQ(gezogen, soll) << "divisor " << d;
    }
}

TEST_F(Tab1LogikTest, ShuffledMarginsNeverKeepAPlace)
{
    for (int seed = 1; seed <= 300; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        for (int code : { 65, 66, 67, 68, 69, 610 }) {
            wahl4 = shortint(seed % 2);
            const Tabelle t = aufbauen(code);
            ASSERT_EQ(variante, 1);
            for (int i = 1; i <= 8; ++i)
                ASSERT_NE(auswahl3[i], i + 1) << "seed " << seed;
            if ((code == 67 || code == 68) && wahl4 == 0) {
                for (int z : t.zeilenzahlen)
                    ASSERT_NE(z / 10, z % 10) << z;
            }
            if (code == 69 && wahl4 == 0) {
                EXPECT_EQ(t.zeilenzahlen[0] - t.spaltenzahlen[0], 110);
            }
            EXPECT_EQ(vorratsgroesse, 64);
        }
        // Unordered margins of a chosen table: no number stays where the hub put it.
        wahl4 = 1;
        rand({ 0, 1, 2, 3, 4 }, { 5, 6 });
        aufbauen(63);
        for (int i = 1; i <= 5; ++i)
            ASSERT_NE(auswahl1[i], i - 1);
        EXPECT_EQ(auswahl2[1], 6);
    }
}

TEST_F(Tab1LogikTest, DivisionDrawsDistinctTwoDigitDividendsInOrder)
{
    for (int seed = 1; seed <= 200; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        variante = seed % 2;
        rand({}, { 2, 3, 5, 9, 10, 4 }); // six divisors: only five are used
        const Tabelle t = aufbauen(64);
        ASSERT_EQ(t.zeilen, 5);
        ASSERT_EQ(t.spalten, 5);
        for (int i = 0; i < 5; ++i) {
            ASSERT_GE(t.zeilenzahlen[i], 10);
            ASSERT_LE(t.zeilenzahlen[i], 99);
            if (i > 0) {
                ASSERT_LT(t.zeilenzahlen[i - 1], t.zeilenzahlen[i]);
            }
        }
        int bisZehn = 0;
        for (int z : t.zeilenzahlen)
            for (int s : t.spaltenzahlen)
                bisZehn += z / s <= 10;
        ASSERT_EQ(vorratsgroesse, variante == 1 ? bisZehn : 25);
    }
}

TEST_F(Tab1LogikTest, AnswersAndTheirMessages)
{
    struct Fall {
        Rechenart art;
        int a, b, schritt;
        const char* eingabe;
        Urteil urteil;
        const char* meldung;
    };
    const Fall faelle[] = {
        { Rechenart::mal, 7, 8, 3, "56", Urteil::geloest, "" },
        { Rechenart::mal, 7, 8, 3, "65", Urteil::falsch, "Zahlendreher!" },
        { Rechenart::mal, 7, 8, 3, "54", Urteil::falsch, "7 x 8 = 56" },
        { Rechenart::minus, 180, 27, 3, "135", Urteil::falsch, "Zahlendreher!" },
        { Rechenart::plus, 5, 6, 3, "1", Urteil::falsch, "Zahlendreher!" }, // one digit counts twice
        { Rechenart::minus, 15, 8, 3, "8", Urteil::falsch, "15 - 8 = 7" },
        { Rechenart::durch, 47, 5, 1, "45", Urteil::naechsterSchritt, "" },
        { Rechenart::durch, 47, 5, 2, "9", Urteil::naechsterSchritt, "" },
        { Rechenart::durch, 47, 5, 3, "2", Urteil::geloest, "" },
        { Rechenart::durch, 47, 5, 1, "40", Urteil::falsch, "45 lässt sich teilen." },
        { Rechenart::durch, 47, 5, 2, "8", Urteil::falsch, "45 : 5 = 9" },
        { Rechenart::durch, 47, 5, 3, "3", Urteil::falsch, "47 : 5 = 9  Rest 2" },
        { Rechenart::durch, 47, 5, 1, "54", Urteil::falsch, "Zahlendreher!" },
    };
    for (const Fall& f : faelle) {
        const Pruefung p = pruefen(f.art, f.a, f.b, f.schritt, QString::fromLatin1(f.eingabe));
        EXPECT_EQ(p.urteil, f.urteil) << f.a << " " << f.b << " " << f.eingabe;
        EXPECT_EQ(p.meldung, QString::fromUtf8(f.meldung)) << f.a << " " << f.b << " " << f.eingabe;
    }
    EXPECT_EQ(richtigeEingaben(Rechenart::durch, 47, 5, "2"), 7);
    EXPECT_EQ(richtigeEingaben(Rechenart::durch, 99, 9, "0"), 8); // 99, 11, 0 and three Enters
    EXPECT_EQ(richtigeEingaben(Rechenart::mal, 7, 8, "56"), 3);
}

TEST_F(Tab1LogikTest, InOrderTheLastCellEndsInJumpingOrderEachSolvedCellLeaves)
{
    rand({ 1, 2 }, { 1, 2 });
    aufbauen(63);
    EXPECT_TRUE(naechsteZelle(false));
    EXPECT_EQ(nummer, 2);
    nummer = 4;
    EXPECT_FALSE(naechsteZelle(false));
    EXPECT_EQ(vorratsgroesse, 0);

    wahl3 = 1;
    aufbauen(63);
    QStringList geloest;
    while (vorratsgroesse > 0) {
        geloest << aufgabenliste[nummer];
        const QString nicht = aufgabenliste[nummer];
        naechsteZelle(true);
        EXPECT_FALSE(pool().contains(nicht));
    }
    geloest.sort();
    EXPECT_EQ(geloest, (QStringList { "v0h0a1b1", "v0h1a1b2", "v1h0a2b1", "v1h1a2b2" }));

    // After a wrong answer another cell, while there is one.
    for (int seed = 1; seed <= 50; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        aufbauen(63);
        const int vorher = nummer;
        andereZelle(true);
        ASSERT_NE(nummer, vorher);
    }
    // Two cells left: always the other one.
    for (int seed = 1; seed <= 20; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        vorratsgroesse = 2;
        nummer = 1 + seed % 2;
        andereZelle(true);
        ASSERT_EQ(nummer, 2 - seed % 2);
    }
    vorratsgroesse = 1;
    nummer = 1;
    andereZelle(true);
    EXPECT_EQ(nummer, 1);
}

TEST_F(Tab1LogikTest, DescriptorsAndProtocolLines)
{
    const Zelle z = zerlegen("v10h3a115b47");
    EXPECT_EQ(z.zeile, 10);
    EXPECT_EQ(z.spalte, 3);
    EXPECT_EQ(z.a, 115);
    EXPECT_EQ(z.b, 47);
    EXPECT_EQ(deskriptor(z), "v10h3a115b47");

    EXPECT_EQ("Programm:              " + programmtitel(64, 1), "Programm:              Tabelle  Teilen mit Rest");
    EXPECT_EQ(programmtitel(62, 1), "Tabelle -, Raum 20 (alle Aufgaben)");
    EXPECT_EQ(programmtitel(610, 1), "Tabelle zum großen  1 x 1");
    EXPECT_EQ(zeile4(64, 1, "2 5 "), "Teiler:                2 5   Ergebnisse bis 10");
    EXPECT_EQ(zeile4(61, 0, "1 2 // 3"), "Zahlenvorrat:          1 2 // 3");
    EXPECT_EQ(zeile4(63, 0, "4 5 // 6"), "Zahlenvorrat:          4 5 // 6");
    EXPECT_EQ(zeile4(64, 0, "3 "), "Teiler:                3   Ergebnisse auch >10");
    EXPECT_EQ(zeile4(67, 1, "x"), "Einerziffern:          2 ... 9");
    EXPECT_EQ(zeile5(1, 1), "Abfrage:               Rand ungeordnet // springend");
    EXPECT_EQ(zeile5(0, 0), "Abfrage:               Rand geordnet // der Reihe nach");
}

TEST_F(Tab1LogikTest, EveryEightByEightTableBuildsItsRowsAndColumnsFromTheShuffledDigits)
{
    // Per code: row i and column i from i and s = auswahl3[i].
    struct Rand {
        int code;
        int (*zeile)(int i, int s);
        int (*spalte)(int i, int s);
    };
    const Rand tabelle[] = {
        { 65, [](int i, int) { return i + 1; }, [](int i, int) { return 10 + i + 1; } },
        { 66, [](int i, int s) { return 10 * (s - 1) + i + 1; }, [](int i, int) { return i + 1; } },
        { 67, [](int i, int s) { return 10 * s + i + 1; }, [](int i, int) { return i + 1; } },
        { 68, [](int i, int s) { return 10 * s + i + 1; }, [](int i, int s) { return 10 * (s - 1) + i + 1; } },
        { 69, [](int i, int s) { return 100 + 10 * s + i + 1; }, [](int i, int s) { return 10 * (s - 1) + i + 1; } },
        { 610, [](int i, int) { return i + 1; }, [](int i, int s) { return 10 * s + i + 1; } },
    };
    for (int seed = 1; seed <= 20; ++seed) {
        PinRandomSeed(std::uint32_t(seed));
        for (const Rand& r : tabelle) {
            const Tabelle t = aufbauen(r.code);
            ASSERT_EQ(t.zeilenzahlen.size(), 8);
            ASSERT_EQ(t.spaltenzahlen.size(), 8);
            for (int i = 1; i <= 8; ++i) {
                EXPECT_EQ(t.zeilenzahlen[i - 1], r.zeile(i, auswahl3[i])) << "code " << r.code << ", row " << i;
                EXPECT_EQ(t.spaltenzahlen[i - 1], r.spalte(i, auswahl3[i])) << "code " << r.code << ", column " << i;
            }
        }
    }
}

TEST_F(Tab1LogikTest, OnlyTheTableCodesAreTables)
{
    for (int code : { 61, 62, 63, 64, 65, 66, 67, 68, 69, 610 })
        EXPECT_TRUE(istTabellencode(code)) << code;
    for (int code : { 0, 60, 70, 71, 81, 609, 611 })
        EXPECT_FALSE(istTabellencode(code)) << code;
}

// The box above the table names the kind of table, one title per code; the lines read from top to bottom.
TEST_F(Tab1LogikTest, EveryCodeHasItsOwnTitleAboveTheTable)
{
    const auto zeilen = [](int code, int v) {
        QStringList s;
        int y = 0;
        for (const Titelzeile& z : titel(code, v)) {
            EXPECT_GT(z.y, y) << code;
            y = z.y;
            s << z.text;
        }
        return s.join(" | ");
    };
    const QStringList raum = { "Raum 10", "Raum 20", "Zehnerübergang" };
    for (int v = 0; v <= 2; ++v) {
        EXPECT_EQ(zeilen(61, v), raum[v] + " | plus");
        EXPECT_EQ(zeilen(62, v), raum[v] + " | minus");
    }
    EXPECT_EQ(zeilen(64, 0), "1 : 1 | Ergebnisse auch >10");
    EXPECT_EQ(zeilen(64, 1), "1 : 1 | Ergebnisse bis 10");
    const std::pair<int, const char*> einzeilig[] = { { 63, "kleines  1 x 1" }, { 65, "mittleres  1 x 1" },
        { 66, "ZE + E" }, { 67, "ZE - E" }, { 68, "ZE + ZE" }, { 69, "HZE - ZE" }, { 610, "großes  1 x 1" } };
    for (const auto& [code, text] : einzeilig)
        for (int v = 0; v <= 1; ++v)
            EXPECT_EQ(zeilen(code, v), QString::fromUtf8(text)) << code << " " << v;

    // The record names each kind of table apart as well.
    QStringList programme;
    for (int code : { 61, 62, 63, 64, 65, 66, 67, 68, 69, 610 })
        for (int v = 0; v <= (code <= 62 ? 2 : 0); ++v)
            programme << programmtitel(code, v);
    EXPECT_EQ(programme.removeDuplicates(), 0) << programme.join(" / ").toStdString();
    EXPECT_EQ(programmtitel(61, 2), "Tabelle +, Zehnerübergang");
    EXPECT_EQ(programmtitel(68, 0), "Tabelle ZE + ZE");
}
