#include "aids/schriftverfahren_logik.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

using namespace schriftverfahren;

// A drawn digit takes every value from the lower to the upper end, both included, and no other.
TEST(Schriftverfahren, ARandomDigitReachesBothEndsOfItsRange)
{
    PinRandomSeed(5);
    for (const auto& [lo, hi] : { std::pair { 0, 9 }, std::pair { 1, 3 }, std::pair { 2, 2 } }) {
        std::set<int> werte;
        for (int i = 0; i < 500; ++i)
            werte.insert(zufall(lo, hi));
        EXPECT_EQ(*werte.begin(), lo);
        EXPECT_EQ(*werte.rbegin(), hi);
        EXPECT_EQ(int(werte.size()), hi - lo + 1);
    }
    UnpinRandomSeed();
}

// The squared paper has nine columns' lines and as many row lines as the aid asks for, down to its bottom.
TEST(Schriftverfahren, TheSquaredPaperHasTheRowsItIsAskedFor)
{
    const schrift::Bild b = rechenpapier(630, 1, 5);
    ASSERT_EQ(b.teile.size(), 1u + 9u + 5u);
    const auto rahmen = std::get<schrift::Rechteck>(b.teile[0]);
    EXPECT_EQ(rahmen.unten, 630);
    EXPECT_EQ(rahmen.breite, 1);
    EXPECT_EQ(std::get<schrift::Linienzug>(b.teile[9]).punkte.last().y(), 600);
    EXPECT_EQ(std::get<schrift::Linienzug>(b.teile[14]).punkte.first().y(), 530);
    EXPECT_EQ(rechenpapier(680, 2, 6).teile.size(), 16u);
    EXPECT_EQ(meldungsbild(QStringLiteral("gut")).texte(), QStringList { "gut" });
}
