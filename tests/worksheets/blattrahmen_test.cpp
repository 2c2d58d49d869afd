#include "blattfixture.h"
#include "platform/random.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <set>

using namespace blattrahmen;

TEST(BlattrahmenTest, APoolIsUsedWholeBeforeAnyCodeRepeats)
{
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        RandSeed(seed);
        Aufgabenvorrat v;
        v.setzen({ 12, 13, 21 });
        std::vector<int> gezogen;
        for (int t = 0; t < 10; ++t)
            gezogen.push_back(v.ziehen());
        for (size_t runde = 0; runde + 3 <= gezogen.size(); runde += 3)
            EXPECT_EQ(std::set<int>(gezogen.begin() + long(runde), gezogen.begin() + long(runde) + 3),
                (std::set<int> { 12, 13, 21 }));
    }
    Aufgabenvorrat leer;
    EXPECT_EQ(leer.ziehen(), 0);
}

TEST(BlattrahmenTest, EachSheetsDrawStartsFromTheClockSoThatNoTwoSheetsRepeatTheirTasks)
{
    // The generator set alike before each sheet, as at the start of the program: still other tasks.
    Aufgabenvorrat v;
    std::vector<int> codes(90);
    for (int i = 0; i < 90; ++i)
        codes[size_t(i)] = 10 + i;
    RandSeed(7);
    v.setzen(codes);
    const std::vector<int> erstes = ziehung(v, 12);
    RandSeed(7);
    v.setzen(codes);
    EXPECT_NE(ziehung(v, 12), erstes);
}

TEST(BlattrahmenTest, RowsAreFilledByKindsInOrderAndTheRestIsCutOff)
{
    EXPECT_EQ(zeilenarten({ 8, 0, 5 }, 10), (std::vector<int> { 1, 1, 1, 1, 1, 1, 1, 1, 3, 3 }));
    EXPECT_EQ(zeilenarten({ 0, 2, 0, 1 }, 10), (std::vector<int> { 2, 2, 4 }));
    EXPECT_EQ(aufsteigend({ 7, 3, 7, 10 }), (std::vector<int> { 3, 7, 7, 10 }));
    EXPECT_EQ(str2(3), " 3");
    EXPECT_EQ(str2(17), "17");
    EXPECT_EQ(flaggen({ 2, 3, 4 }, { true, false, true }), (std::vector<int> { 2, -1, 4 }));
    EXPECT_EQ(summenvorrat({ 1, 2, -1 }, { 1, 2, 3 }, { -1, 3, 4 }, 10), (std::vector<int> { 12, 13, 21, 22 }));
}

using BlattdruckTest = BlattTest;

TEST_F(BlattdruckTest, TaskTextsStandOnAFixedPitchAndTheStripIsSorted)
{
    blattdruck::drucken(QStringLiteral("Probe"), 3, [](Canvas& c) {
        EXPECT_EQ(c.pen.width, 2);
        EXPECT_EQ(c.font.height, 75);
        blattdruck::festerAbstand(c, 300, -365, 36, QStringLiteral(" 3 + 4 = __"));
        EXPECT_EQ(c.textAlign(), TextAlign::Right | TextAlign::Top);
        blattdruck::ergebnisstreifen(c, { 7, 3, 7, 10 }, 150, -2690, 400);
    });
    ASSERT_EQ(printer().recorded().size(), 1);
    const auto& doc = printer().recorded().first();
    EXPECT_EQ(doc.copies, 3);
    ASSERT_EQ(doc.pages.size(), 1);
    const QStringList t = texte();
    EXPECT_EQ(t.mid(0, 3), (QStringList { " @336,-365", "3@372,-365", " @408,-365" }));
    EXPECT_EQ(t.size(), 11 + 5);
    EXPECT_EQ(t.mid(11),
        (QStringList { "Ergebnisse:@150,-2690", "3@400,-2690", "7@500,-2690", "7@600,-2690", "10@700,-2690" }));
    EXPECT_EQ(doc.pages[0].last().font.height, 45);
    EXPECT_EQ(doc.pages[0].last().align, TextAlign::Left | TextAlign::Top);
}
