#include "games/s_kette_logik.h"
#include "platform/random.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace s_kette;

TEST(Kette, TheChainRuleAndItsPairs)
{
    EXPECT_EQ(kettenrechnung(3, 4, 4), (Glieder { 3, 4, 7, 11, 0 }));
    EXPECT_EQ(kettenrechnung(2, 1, 5), (Glieder { 2, 1, 3, 4, 7 }));
    const int faelle[][3]
        = { { 7, 4, 4 }, { 31, 4, 16 }, { 32, 4, 17 }, { 7, 5, 1 }, { 12, 5, 3 }, { 95, 5, 16 }, { 1, 5, 0 } };
    for (const auto& f : faelle) {
        EXPECT_EQ(loesungszahl(f[0], f[1]), f[2]) << f[0];
        int zaehler = 0;
        for (int a = 0; a <= f[0]; ++a)
            for (int b = 0; b <= f[0]; ++b)
                zaehler += kettenrechnung(a, b, f[1])[size_t(f[1] - 1)] == f[0];
        EXPECT_EQ(zaehler, f[2]) << f[0];
    }
}

TEST(Kette, TasksStayInTheirRangeAndNeverRepeatTheFirstNumberOrTarget)
{
    for (int n : { 4, 5 })
        for (int modus = 0; modus <= 3; ++modus)
            for (int bereich = 0; bereich <= 2; ++bereich) {
                RandSeed(std::uint32_t(100 * n + 10 * modus + bereich));
                int vorindex = 1;
                int letzter = 1;
                for (int i = 0; i < 200; ++i) {
                    const Aufgabe a = kettenaufgabe(modus, bereich, n, vorindex);
                    if (modus == 3) {
                        EXPECT_NE(a.ziel, letzter);
                        const int l = loesungszahl(a.ziel, n);
                        EXPECT_TRUE(l >= 1 && l <= 16) << a.ziel;
                        if (n == 4 && bereich == 2) {
                            EXPECT_LE(a.ziel, 31);
                        }
                        letzter = a.ziel;
                    } else {
                        EXPECT_NE(a.a, letzter);
                        EXPECT_EQ(kettenrechnung(a.a, a.b, n)[size_t(n - 1)], a.ziel);
                        const int lo[] = { 1, 10, 21 }, hi[] = { 10, 20, 99 };
                        EXPECT_TRUE(a.ziel >= lo[bereich] && a.ziel <= hi[bereich]) << a.ziel;
                        letzter = a.a;
                    }
                }
            }
}

// Over many tasks each range is reached at both ends: the targets, and the two first numbers of a chain.
TEST(Kette, EveryRangeIsReachedAtBothEnds)
{
    struct Spanne {
        int min = 1000, max = -1000;
        void nimm(int v) { min = std::min(min, v), max = std::max(max, v); }
        std::vector<int> ende() const { return { min, max }; }
    };
    const struct {
        int n, modus, bereich;
        std::vector<int> ziel, a, b; // lowest and highest
    } soll[] = {
        { 4, 3, 0, { 1, 10 }, {}, {} },
        { 4, 3, 1, { 10, 20 }, {}, {} },
        { 4, 3, 2, { 21, 31 }, {}, {} },
        { 5, 3, 0, { 2, 10 }, {}, {} }, // 1 has no pair of its own in a chain of five
        { 5, 3, 1, { 10, 20 }, {}, {} },
        { 5, 3, 2, { 21, 95 }, {}, {} },
        { 4, 0, 0, { 1, 10 }, { 0, 10 }, { 0, 5 } },
        { 4, 1, 1, { 10, 20 }, { 0, 19 }, { 0, 10 } },
        { 4, 2, 2, { 21, 99 }, { 0, 33 }, { 0, 33 } },
        { 5, 0, 0, { 2, 10 }, { 0, 5 }, { 0, 3 } }, // 2a + 3b is never 1
        { 5, 1, 1, { 10, 20 }, { 0, 10 }, { 0, 6 } },
        { 5, 2, 2, { 21, 99 }, { 0, 33 }, { 0, 33 } },
    };
    PinRandomSeed(9);
    for (const auto& f : soll) {
        Spanne ziel, a, b;
        int vorindex = 100;
        for (int i = 0; i < 3000; ++i) {
            const Aufgabe t = kettenaufgabe(f.modus, f.bereich, f.n, vorindex);
            ziel.nimm(t.ziel);
            a.nimm(t.a);
            b.nimm(t.b);
        }
        EXPECT_EQ(ziel.ende(), f.ziel) << f.n << " " << f.modus << " " << f.bereich;
        if (!f.a.empty()) {
            EXPECT_EQ(a.ende(), f.a) << f.n << " " << f.modus << " " << f.bereich;
            EXPECT_EQ(b.ende(), f.b) << f.n << " " << f.modus << " " << f.bereich;
        }
    }
    UnpinRandomSeed();
}

TEST(Kette, FindingThePairsOfSeven)
{
    Paarsuche s;
    s.beginnen(7, 4);
    EXPECT_EQ(s.pruefen(7, 0), Paarsuche::Ergebnis::neu);
    EXPECT_EQ(s.caption(), "es gibt noch 3 Lösungen");
    s.naechstesPaar();
    EXPECT_EQ(s.pruefen(7, 0), Paarsuche::Ergebnis::schonDa);
    EXPECT_EQ(s.caption(), "es gibt noch 3 Lösungen");
    s.naechstesPaar();
    EXPECT_EQ(s.pruefen(1, 1), Paarsuche::Ergebnis::falsch);
    EXPECT_EQ(s.endwert(), 3);
    EXPECT_EQ(s.caption(), "leider nicht, überlege neu");
    s.naechstesPaar();
    for (auto [a, b] : { std::pair { 5, 1 }, { 3, 2 } }) {
        s.pruefen(a, b);
        s.naechstesPaar();
    }
    EXPECT_EQ(s.caption(), "es gibt noch 1 Lösung");
    s.pruefen(1, 3);
    EXPECT_TRUE(s.alleGefunden());
    EXPECT_EQ(s.caption(), "bitte eine neue Aufgabe");
    EXPECT_EQ(s.bearbeitetezahlen(), "7_0   5_1   3_2   1_3   ");
}

TEST(Kette, TenWrongPairsInARowAreTooHard)
{
    Paarsuche s;
    s.beginnen(7, 5);
    for (int i = 1; i <= 10; ++i) {
        s.pruefen(0, 0);
        s.naechstesPaar();
        if (i == 9) {
            EXPECT_EQ(s.caption(), "letzte Chance!");
        }
    }
    EXPECT_TRUE(s.zuSchwer());
    EXPECT_EQ(s.caption(), "das ist wohl zu schwer für dich");
    // A right pair in between starts the count again.
    s.beginnen(7, 5);
    for (int i = 0; i < 5; ++i)
        s.pruefen(0, 0);
    EXPECT_EQ(s.pruefen(2, 1), Paarsuche::Ergebnis::neu);
    EXPECT_EQ(s.bearbeitetezahlen(), "2_1   ");
    s.naechstesPaar();
    EXPECT_EQ(s.fehlversuche(), 0);
}
