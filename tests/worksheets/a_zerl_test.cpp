#include "blattfixture.h"
#include "platform/random.h"
#include "worksheets/a_zerl.h"

TEST(ZerlegenTest, PartsRepeatOnlyAfterEveryPossiblePartOfTheQuantityWasGiven)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed(seed);
        const std::vector<int> ohneNull = zerlegen::teilmengen({ 4 }, false);
        ASSERT_EQ(ohneNull.size(), 4u);
        EXPECT_EQ(std::set<int>(ohneNull.begin(), ohneNull.begin() + 3), (std::set<int> { 1, 2, 3 }));
        EXPECT_GE(ohneNull[3], 1);
        EXPECT_LE(ohneNull[3], 3);
        const std::vector<int> mitNull = zerlegen::teilmengen({ 10 }, true);
        ASSERT_EQ(mitNull.size(), 10u);
        EXPECT_EQ(std::set<int>(mitNull.begin(), mitNull.begin() + 5), (std::set<int> { 0, 1, 2, 3, 4 }));
        EXPECT_EQ(std::set<int>(mitNull.begin() + 5, mitNull.end()), (std::set<int> { 0, 1, 2, 3, 4 }));
    }
    // Eleven tasks asked for: the ten smallest quantities.
    const zerlegen::Blatt b = zerlegen::blatt(3, { 0, 0, 0, 0, 0, 3, 8 }, false);
    ASSERT_EQ(b.aufgaben.size(), 10u);
    EXPECT_EQ(b.aufgaben[2].menge, 9);
    EXPECT_EQ(b.aufgaben[3].menge, 10);
    EXPECT_EQ(b.aufgaben[3].teil + b.aufgaben[3].rest, 10);
    // Four dots centred over the whole's box at 608.
    EXPECT_EQ(zerlegen::punktX(0, 1, 4), 480);
    EXPECT_EQ(zerlegen::punktX(0, 4, 4) + 45, 735);
}

using ZerlegenFensterTest = BlattTest;

TEST_F(ZerlegenFensterTest, PrintsTheLayoutShownAndReopensInLayoutOne)
{
    TForm4 form;
    int runde = 0;
    Form::setModalDriver([&](Form&) {
        ++runde;
        EXPECT_EQ(form.RadioGroup1->ItemIndex(), 0);
        EXPECT_EQ(form.RadioGroup2->ItemIndex(), 0);
        EXPECT_FALSE(form.Panel1->isVisible());
        if (runde > 1) return form.Button1->Click();
        QTest::mouseClick(form.RadioGroup1->button(2), Qt::LeftButton);
        EXPECT_TRUE(form.Panel1->isVisible());
        QTest::keyClicks(form.Edits[0], "3");
        QTest::keyClicks(form.Edits[6], "7");
        EXPECT_TRUE(form.Button2->isEnabled());
        form.Edit9->clear();
        grabToPng(&form, "a_zerl");
        form.Button2->Click();
        EXPECT_EQ(form.Edit9->text(), "1");
        EXPECT_EQ(form.Edits[0]->text(), "");
        EXPECT_FALSE(form.Button2->isEnabled());
        form.Button1->Click();
    });
    form.showModal();
    form.showModal();
    ASSERT_EQ(printer().recorded().size(), 1);
    const zerlegen::Blatt& b = form.letztesBlatt();
    EXPECT_EQ(b.form, 3);
    ASSERT_EQ(b.aufgaben.size(), 10u);
    std::set<int> teile;
    for (int n = 0; n < 3; ++n)
        teile.insert(b.aufgaben[size_t(n)].teil);
    EXPECT_EQ(teile, (std::set<int> { 1, 2, 3 }));
    EXPECT_EQ(b.aufgaben[3].menge, 10);
}
