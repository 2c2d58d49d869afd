#include "aids/h_stern_logik.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace stern;

TEST(SternLogik, OnesDigitsLinesAndPenWidths)
{
    const std::array<int, 11> drei { 0, 3, 6, 9, 2, 5, 8, 1, 4, 7, 0 };
    EXPECT_EQ(einer(3), drei);
    EXPECT_EQ(linie(3, 1), QLine(punkt(0), punkt(3)));
    EXPECT_EQ(linie(3, 4), QLine(punkt(9), punkt(2)));

    // Row 5: ten lines between the points of 0 and 5, side by side.
    QSet<int> xWerte;
    for (int k = 1; k <= 10; ++k) {
        const QLine l = linie(5, k);
        EXPECT_EQ(l.y1(), k % 2 == 1 ? punkt(0).y() : punkt(5).y()) << k;
        EXPECT_EQ(l.y2(), k % 2 == 1 ? punkt(5).y() : punkt(0).y()) << k;
        xWerte.insert(l.x1() * 1000 + l.x2());
    }
    EXPECT_EQ(xWerte.size(), 10);

    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 10; ++k) {
            const int soll = r == 5 ? 2 : r % 2 == 1 ? 5 : k < 6 ? 3 : 8;
            EXPECT_EQ(stiftbreite(r, k), soll) << r << " " << k;
        }
}

TEST(SternLogik, JudgingMomentAndTheListOfRows)
{
    EXPECT_TRUE(langGenug(QStringLiteral("6"), 6));
    EXPECT_FALSE(langGenug(QStringLiteral("1"), 12));
    EXPECT_TRUE(langGenug(QStringLiteral("21"), 12));
    EXPECT_TRUE(langGenug(QStringLiteral("1"), 0));

    QString liste;
    for (int r : { 3, 7, 3 })
        liste = reihenliste(liste, r);
    EXPECT_EQ(zeile4(liste), "bearbeitete Reihe(n):  1x1 der 3, 7, 3");
    for (int i = 0; i < 30; ++i)
        liste = reihenliste(liste, 9);
    EXPECT_EQ(liste.size(), 60);
    EXPECT_EQ(zeile4(liste).size(), 91);
}
