#include "games/s_masch_logik.h"
#include "platform/random.h"

#include <gtest/gtest.h>
#include <set>

using namespace s_masch;

namespace {

const QString kZeichen = QStringLiteral("+-*:");

Maschine m(const char* text)
{
    return maschine(QString::fromLatin1(text));
}

} // namespace

TEST(Maschinen, SingleMachinesKeepTheirRangesAndNeverRepeatADraw)
{
    struct Fall {
        const char* text;
        int xmin, xmax;
    } faelle[] = { { "+3", 0, 16 }, { "-4", 4, 19 }, { "*7", 0, 10 }, { ":4", 0, 40 } };
    for (const Fall& f : faelle) {
        RandSeed(7);
        int letzter = kErsterWurf;
        std::set<int> xs;
        for (int i = 0; i < 400; ++i) {
            const int vorher = letzter;
            const Durchlauf w = eingabe(m(f.text), letzter);
            xs.insert(w.x);
            EXPECT_NE(letzter, vorher) << f.text;
            const Maschine a = m(f.text);
            const int y = a.op == '+' ? w.x + a.zahl
                : a.op == '-'         ? w.x - a.zahl
                : a.op == '*'         ? w.x * a.zahl
                                      : w.x / a.zahl;
            EXPECT_EQ(w.y, y) << f.text;
            if (a.op == ':') EXPECT_EQ(w.x % a.zahl, 0);
        }
        EXPECT_EQ(*xs.begin(), f.xmin) << f.text;
        EXPECT_EQ(*xs.rbegin(), f.xmax) << f.text;
    }
}

// Every playable pair over many seeds: exact division, outputs 0..100, and each row's own condition.
TEST(Maschinen, EveryPairMeetsItsRow)
{
    bool hundert = false;
    for (QChar a : kZeichen)
        for (QChar b : kZeichen)
            for (int d1 = a == ':' ? 1 : 0; d1 <= 9; ++d1)
                for (int d2 = b == ':' ? 1 : 0; d2 <= 9; ++d2) {
                    const Maschine e { a, d1 }, z { b, d2 };
                    if (!paarSpielbar(e, z)) continue;
                    RandSeed(std::uint32_t(d1 * 10 + d2));
                    int letzter = kErsterWurf;
                    const QString paar = QString(a) + b;
                    for (int i = 0; i < 60; ++i) {
                        const int vorher = letzter;
                        const Durchlauf w = eingabe(e, z, letzter);
                        const QString wo = paar + QString::number(d1) + QString::number(d2);
                        ASSERT_GE(w.x, 0) << wo.toStdString();
                        ASSERT_GE(w.m, 0) << wo.toStdString();
                        ASSERT_GE(w.y, 0) << wo.toStdString();
                        ASSERT_LE(w.y, 100) << wo.toStdString();
                        if (a == ':') ASSERT_EQ(w.x % d1, 0);
                        if (b == ':') ASSERT_EQ(w.m % d2, 0);
                        if (w.y == 100) {
                            hundert = true;
                            EXPECT_EQ(paar, "**");
                        }
                        if (paar == "*-") EXPECT_GE(w.y, 1);
                        const bool frei = paar == "++" || paar == "+-" || paar == "-+" || paar == "--" || paar == ":-";
                        if (!frei && !(paar == "*:" && w.y != w.x)) EXPECT_NE(w.x, vorher) << wo.toStdString();
                        if (frei && a != ':')
                            EXPECT_EQ(letzter, vorher);
                        else
                            EXPECT_EQ(letzter, w.x);
                    }
                }
    EXPECT_TRUE(hundert);
    int letzter = kErsterWurf;
    for (int i = 0; i < 20; ++i) {
        const Durchlauf w = eingabe(m("*2"), m(":9"), letzter);
        EXPECT_EQ(w.x, 9);
        EXPECT_EQ(w.y, 2);
    }
}

TEST(Maschinen, PairsWithoutANewInputAreNeverDealt)
{
    EXPECT_FALSE(paarSpielbar(m("*0"), m("-3")));
    EXPECT_FALSE(paarSpielbar(m("*1"), m("-8")));
    EXPECT_FALSE(paarSpielbar(m("*1"), m("-9")));
    EXPECT_TRUE(paarSpielbar(m("*1"), m("-7")));
    EXPECT_TRUE(paarSpielbar(m("-9"), m("*1")));
    BoundedArray<Text<2>, 0, 40> pool;
    const char* texte[] = { "*0", "*1", "-8", "-9" };
    for (int i = 0; i < 4; ++i)
        pool[i + 1] = QString::fromLatin1(texte[i]);
    int offen = 4;
    for (int i = 0; i < 500; ++i) {
        Maschine e, z;
        paarZiehen(pool, 4, offen, e, z);
        EXPECT_TRUE(paarSpielbar(e, z)) << e.text().toStdString() << z.text().toStdString();
    }
}

TEST(Maschinen, PassesDealEveryTextOnceAndOneEntryFillsBothMachines)
{
    BoundedArray<Text<2>, 0, 40> pool;
    for (int i = 1; i <= 5; ++i)
        pool[i] = QStringLiteral("+%1").arg(i);
    int offen = 5;
    std::set<QString> pass;
    for (int i = 0; i < 5; ++i)
        pass.insert(ziehen(pool, 5, offen).text());
    EXPECT_EQ(pass.size(), 5u);
    EXPECT_EQ(offen, 5);
    // The last entry of a pass is the one left; a count outside the pool starts a new pass.
    for (int i = 1; i <= 5; ++i)
        pool[i] = QStringLiteral("+%1").arg(i);
    int letzter = 1;
    EXPECT_EQ(ziehen(pool, 5, letzter).text(), "+1");
    EXPECT_EQ(letzter, 5);
    for (const int falsch : { 0, 6 }) {
        int n = falsch;
        ziehen(pool, 5, n);
        EXPECT_EQ(n, 4) << falsch;
    }

    pool[1] = QStringLiteral("-3");
    int eins = 1;
    Maschine e, z;
    paarZiehen(pool, 1, eins, e, z);
    EXPECT_EQ(e.text(), "-3");
    EXPECT_EQ(z.text(), "-3");
}

TEST(Maschinen, GuessesAreJudgedExactlyAndNeutralOnesHinted)
{
    EXPECT_TRUE(urteilen("+3", "+3").richtig);
    const Urteil nullplus = urteilen("+0", "+3");
    EXPECT_FALSE(nullplus.richtig);
    EXPECT_FALSE(nullplus.auchMoeglich);
    const Urteil mal1 = urteilen("*1", "-0");
    EXPECT_FALSE(mal1.richtig);
    EXPECT_TRUE(mal1.auchMoeglich);
    EXPECT_EQ(zeichenVonTaste(u'/'), u':');
    EXPECT_EQ(zeichenVonTaste(u'.'), u':');
    EXPECT_EQ(zeichenVonTaste(u'-'), u'-');
    EXPECT_TRUE(zeichenVonTaste(u'x').isNull());
}

// Every pair's inputs over many presses: exactly the values from its lowest to its highest in its steps, so that
// a range one too short or too long, or a limit of the row moved by one, shows.
TEST(Maschinen, EachPairTakesItsWholeRangeOfInputs)
{
    const struct {
        const char *erste, *zweite;
        int von, bis, schritt;
    } faelle[] = {
        { "+3", "+4", 0, 92, 1 }, { "+3", "-4", 4, 96, 1 }, { "+3", "*4", 0, 8, 1 }, { "+3", ":4", 1, 37, 4 },
        { "+3", ":3", 0, 27, 3 }, // 3 + 0 = 3 : 3 = 1
        { "-3", "+4", 3, 97, 1 }, { "-3", "-4", 7, 98, 1 }, { "-3", "*4", 3, 12, 1 }, { "-3", ":4", 3, 43, 4 },
        { "*3", "+4", 1, 9, 1 }, { "*3", "-4", 2, 9, 1 },
        { "*3", "-3", 2, 9, 1 }, // 1 * 3 - 3 = 0 is no output of this pair
        { "*3", ":4", 4, 8, 4 }, { "*3", "*4", 0, 8, 1 }, { "*5", "*4", 0, 5, 1 }, // 5 * 5 * 4 = 100
        { ":3", "+4", 0, 27, 3 }, { ":3", "-4", 12, 27, 3 }, // 12 : 3 - 4 = 0
        { ":3", "*4", 3, 27, 3 }, { ":3", ":4", 0, 96, 12 }, { ":5", ":5", 0, 75, 25 }, // 100 is no input
        { ":2", ":3", 0, 54, 6 }, // quotients 0 to 9 only
    };
    for (const auto& f : faelle) {
        RandSeed(5);
        int letzter = kErsterWurf;
        std::set<int> xs;
        for (int i = 0; i < 3000; ++i)
            xs.insert(eingabe(m(f.erste), m(f.zweite), letzter).x);
        std::set<int> soll;
        for (int x = f.von; x <= f.bis; x += f.schritt)
            soll.insert(x);
        EXPECT_EQ(xs, soll) << f.erste << " " << f.zweite;
    }
}
