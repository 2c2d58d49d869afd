#include "aids/h_teilersuche_logik.h"
#include "platform/random.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace teilersuche;

TEST(TeilersucheLogik, OneDigitDivisorsBelowTheNumberInRisingOrder)
{
    const std::pair<int, const char*> faelle[] = { { 4, "2" }, { 9, "3" }, { 12, "2346" }, { 49, "7" }, { 64, "248" },
        { 72, "234689" }, { 81, "39" }, { 25, "5" }, { 8, "24" }, { 6, "23" } };
    for (const auto& [z, soll] : faelle)
        EXPECT_EQ(teiler(z), QString::fromLatin1(soll)) << z;
    EXPECT_EQ(frage(1), "Welche einstellige Zahl ist");
    EXPECT_EQ(frage(2), "Welche einstelligen Zahlen sind");
    EXPECT_EQ(frage(4), "Welche einstelligen Zahlen sind");
    EXPECT_EQ(keinTeilerText(5, 12), "5  ist kein Teiler von 12.");
}

TEST(TeilersucheLogik, ACycleDrawsEveryEntryOnceWith64TwiceThenBeginsAgain)
{
    // The numbers a pupil is asked about, each with at least one divisor to find.
    const QList<int> zahlen = { 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40, 42, 45,
        48, 49, 50, 54, 56, 60, 63, 64, 72, 80, 81 };
    for (std::uint32_t seed : { 1u, 7u, 99u }) {
        RandSeed(seed);
        Pool p;
        poolFuellen(p);
        QMap<int, int> gezogen;
        for (int i = 0; i < kPoolgroesse; ++i)
            ++gezogen[ziehung(p)];
        EXPECT_EQ(gezogen.keys(), zahlen);
        EXPECT_EQ(gezogen.value(64), 2);
        EXPECT_EQ(gezogen.firstKey(), 4);
        EXPECT_EQ(gezogen.lastKey(), 81);
        EXPECT_EQ(p.zaehler, kPoolgroesse);
        gezogen.clear();
        for (int i = 0; i < kPoolgroesse; ++i)
            ++gezogen[ziehung(p)];
        EXPECT_EQ(gezogen.size(), 34);
        EXPECT_EQ(gezogen.value(64), 2);
    }
}

TEST(TeilersucheLogik, TheListIsCutAtTheLastBlankOfCharacters31To33)
{
    const auto z = protokollzeilen45(QStringLiteral("12 9 64 4 81 36 72 50 21 18 28 63 "));
    EXPECT_EQ(z.zeile4, "bearbeitete Zahlen:    12 9 64 4 81 36 72 50 21 18 28");
    EXPECT_EQ(z.zeile5, "...  63 ");
    // Blank at 32: the cut moves one on.
    const auto z1 = protokollzeilen45(QStringLiteral("12 12 12 12 12 12 12 12 12 12 4 9 "));
    EXPECT_EQ(z1.zeile4, "bearbeitete Zahlen:    12 12 12 12 12 12 12 12 12 12 4");
    EXPECT_EQ(z1.zeile5, "...  9 ");
    // Blank at 33.
    const auto z2 = protokollzeilen45(QStringLiteral("12 12 12 12 12 12 12 12 12 12 12 9 "));
    EXPECT_EQ(z2.zeile4, "bearbeitete Zahlen:    12 12 12 12 12 12 12 12 12 12 12");
    EXPECT_EQ(z2.zeile5, "...  9 ");
    // A long list: the second line keeps 70 characters of it.
    QString lang;
    for (int i = 0; i < 40; ++i)
        lang += QStringLiteral("%1 ").arg(10 + i);
    const auto z3 = protokollzeilen45(lang);
    EXPECT_EQ(z3.zeile4, "bearbeitete Zahlen:    10 11 12 13 14 15 16 17 18 19 20");
    EXPECT_EQ(z3.zeile5, "... " + lang.mid(32, 70));
    EXPECT_EQ(z3.zeile5.size(), 74);
    const auto leer = protokollzeilen45(QString());
    EXPECT_EQ(leer.zeile4, "bearbeitete Zahlen:    ");
    EXPECT_EQ(leer.zeile5, "... ");
}
