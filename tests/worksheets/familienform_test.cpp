#include "blattfixture.h"
#include "worksheets/a_ber_10.h"
#include "worksheets/a_zue20.h"
#include "worksheets/a_zw1020.h"

using FamilienformTest = BlattTest;

TEST_F(FamilienformTest, Bereich10BuildsItsPoolFromTheTicksAndPrintsItsOwnPicture)
{
    TForm3 form;
    TForm12 schwester;
    zeigen(schwester, [&] {
        QTest::mouseClick(schwester.RadioGroup1->button(2), Qt::LeftButton);
        schwester.Button1->Click();
    });
    zeigen(form, [&] {
        EXPECT_EQ(form.vorrat().groesse(), 45); // the installed file ticks everything
        EXPECT_EQ(form.Edit8->text(), "1");
        ankreuzen(form.ListBox1, { 0, 1 });
        ankreuzen(form.ListBox2, { 0, 1, 2 });
        ankreuzen(form.ListBox3, { 1, 2 });
        EXPECT_EQ(form.vorrat().codes(), (std::vector<int> { 12, 13, 21, 22 }));
        EXPECT_EQ(form.Label15->caption(), "aus dem Zahlenvorrat bildbare Aufgaben: 4");
        ankreuzen(form.ListBox1, { 4 });
        ankreuzen(form.ListBox2, { 4 });
        ankreuzen(form.ListBox3, { 8 });
        tippen(form.Edits[0], "10");
        grabToPng(&form, "a_ber_10");
        form.Button2->Click();
    });
    const familienblatt::Blatt& b = form.letztesBlatt();
    ASSERT_EQ(b.zeilen.size(), 10u);
    for (const auto& z : b.zeilen)
        EXPECT_EQ(z.text, " 5 + 5 = __");
    EXPECT_EQ(b.grafik, 0);
    EXPECT_FALSE(b.geteilt);
    EXPECT_TRUE(readBytes(dataPath("aw.ina"))
                    .contains("zehn\r\n-1 -1 -1 -1 5 -1 -1 -1 -1 -1 -1 -1 -1 5 -1 -1 -1 -1 "
                              "-1 -1 -1 -1 -1 -1 -1 -1 10\r\n"));
    // Reopened: the saved lists and one copy.
    zeigen(form, [&] {
        EXPECT_EQ(form.vorrat().codes(), (std::vector<int> { 55 }));
        EXPECT_TRUE(form.ListBox3->Selected(8));
        EXPECT_FALSE(form.ListBox3->Selected(1));
        form.Button1->Click();
    });
}

TEST_F(FamilienformTest, Zwischen10und20TakesAllFiftyFiveAndPairsNeedFiveTasks)
{
    TForm13 form;
    zeigen(form, [&] {
        EXPECT_EQ(form.vorrat().groesse(), 55);
        EXPECT_EQ(form.Label15->caption(), "aus dem Zahlenvorrat bildbare Aufgaben: 55");
        tippen(form.Edits[1], "5");
        EXPECT_FALSE(form.Button2->isEnabled());
        QTest::mouseClick(form.RadioGroup2->button(1), Qt::LeftButton);
        EXPECT_TRUE(form.Button2->isEnabled());
        QTest::mouseClick(form.RadioGroup2->button(0), Qt::LeftButton);
        EXPECT_FALSE(form.Button2->isEnabled());
        QTest::mouseClick(form.RadioGroup2->button(1), Qt::LeftButton);
        grabToPng(&form, "a_zw1020");
        form.Button2->Click();
    });
    const familienblatt::Blatt& b = form.letztesBlatt();
    ASSERT_EQ(b.zeilen.size(), 10u);
    EXPECT_TRUE(b.geteilt);
    for (size_t p = 0; p < 5; ++p)
        EXPECT_EQ(b.ergebnisliste[p] + 10, b.ergebnisliste[p + 5]);
}

TEST_F(FamilienformTest, ZehneruebergangWithOnlySumTenUsesTheNineTasksBeforeAnyRepeats)
{
    TForm12 form;
    zeigen(form, [&] {
        ankreuzen(form.ListBox3, { 0 });
        EXPECT_EQ(form.vorrat().codes(), (std::vector<int> { 19, 28, 37, 46, 55, 64, 73, 82, 91 }));
        tippen(form.Edits[0], "10");
        QTest::mouseClick(form.RadioGroup2->button(1), Qt::LeftButton);
        grabToPng(&form, "a_zue20");
        form.Button2->Click();
    });
    const familienblatt::Blatt& b = form.letztesBlatt();
    std::set<QString> erste;
    for (size_t n = 0; n < 9; ++n)
        erste.insert(b.zeilen[n].text);
    EXPECT_EQ(erste.size(), 9u);
    EXPECT_TRUE(b.geteilt);
    EXPECT_EQ(b.ergebnisliste, std::vector<int>(10, 10));
}
