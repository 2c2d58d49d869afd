#include "games/s_wraten_logik.h"

#include <QList>
#include <gtest/gtest.h>

TEST(Woerterraten, EachCategoryReadsItsList)
{
    EXPECT_EQ(s_wraten::liste(0), QString("zahlen.txt"));
    EXPECT_EQ(s_wraten::liste(4), QString("essen.txt"));
    EXPECT_EQ(s_wraten::liste(14), QString("lang.txt"));
    EXPECT_TRUE(s_wraten::liste(15).isEmpty());
}

TEST(Woerterraten, LettersArePlacedAndSizedByTheWordsLength)
{
    EXPECT_EQ(s_wraten::abstand(6), 70);
    QList<int> plaetze;
    for (int i = 1; i <= 6; ++i)
        plaetze << s_wraten::platzX(i, 6, 1.0f);
    EXPECT_EQ(plaetze, (QList<int> { 200, 270, 340, 410, 480, 550 }));
    EXPECT_EQ(s_wraten::abstand(17), 25);
    EXPECT_EQ(s_wraten::buchstabenhoehe(17), 29);
    EXPECT_EQ(s_wraten::strichhoehe(17), 33);
    EXPECT_EQ(s_wraten::buchstabenzeile(17), 310);
    // The spacing is scaled once: a long word keeps inside its frame (50 .. 703) on a large screen.
    const float skala = 1.92f;
    for (int n = 1; n <= 17; ++n) {
        EXPECT_GT(s_wraten::platzX(1, n, skala), int(50 * skala)) << n;
        EXPECT_LT(s_wraten::platzX(n, n, skala), int(703 * skala)) << n;
    }
    EXPECT_EQ(s_wraten::fehlschussX(2), 314);
}

TEST(Woerterraten, ALetterFillsEveryPlaceItStandsAt)
{
    QString gefunden = s_wraten::anfang("ANANAS", true);
    EXPECT_EQ(gefunden, QString("A#####"));
    EXPECT_EQ(s_wraten::eintragen(gefunden, "ANANAS", 'A'), (std::vector<int> { 1, 3, 5 }));
    EXPECT_EQ(gefunden, QString("A#A#A#"));
    EXPECT_EQ(s_wraten::eintragen(gefunden, "ANANAS", 'A').size(), 3u); // again: costs nothing
    EXPECT_TRUE(s_wraten::eintragen(gefunden, "ANANAS", 'X').empty());
    s_wraten::eintragen(gefunden, "ANANAS", 'N');
    EXPECT_FALSE(s_wraten::fertig(gefunden));
    s_wraten::eintragen(gefunden, "ANANAS", 'S');
    EXPECT_TRUE(s_wraten::fertig(gefunden));
    EXPECT_EQ(s_wraten::anfang("HUND", false), QString("####"));
}
