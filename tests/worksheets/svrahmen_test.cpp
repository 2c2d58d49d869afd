#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "svseite.h"
#include "worksheets/a_SV_m2.h"
#include "worksheets/a_SV_p2.h"
#include "worksheets/a_sv_d1.h"
#include "worksheets/a_sv_p1.h"
#include "worksheets/svrahmen_logik.h"

#include <QRegularExpression>
#include <QTest>
#include <set>

// The frame of the written-calculation sheets, driven on the two column sheets.
class SvrahmenTest : public DruckTest {
protected:
    static void waehlen(RadioGroup* g, int item) { g->button(item)->click(); }
    static int zaehle(const std::vector<int>& v, int wert) { return int(std::count(v.begin(), v.end(), wert)); }
};

TEST_F(SvrahmenTest, TypedCountsAreCutAtTheSheetAndTheMixtureFillsItUp)
{
    programmcode = 1;
    TForm7 blatt;
    zeigen(blatt, [&] {
        tippen(blatt.anzahledits()[0], "10");
        tippen(blatt.anzahledits()[1], "10");
        tippen(blatt.anzahledits()[2], "5");
        EXPECT_EQ(blatt.Label11->caption(), " 25 gewählt ");
        EXPECT_TRUE(blatt.Button2->isEnabled());
        blatt.Button2->Click();
        EXPECT_EQ(zaehle(blatt.arten(), 1), 10);
        EXPECT_EQ(zaehle(blatt.arten(), 2), 10);
        EXPECT_EQ(zaehle(blatt.arten(), 3), 1);
        EXPECT_EQ(blatt.blatt().aufgaben.size(), 21u);

        tippen(blatt.anzahledits()[0], "3");
        tippen(blatt.anzahledits()[1], "4");
        EXPECT_FALSE(blatt.Button2->isEnabled());
        waehlen(blatt.mischgruppe(), 1);
        EXPECT_EQ(blatt.Label11->caption(), " 21 gewählt ");
        EXPECT_TRUE(blatt.Button2->isEnabled());
        EXPECT_FALSE(blatt.anzahledits()[0]->isVisibleTo(&blatt));
        blatt.Button2->Click();
        const auto& a = blatt.blatt().aufgaben;
        ASSERT_EQ(a.size(), 21u);
        for (size_t k = 0; k < 21; ++k)
            if (k < 3)
                EXPECT_EQ(a[k].typ, 1);
            else if (k < 7)
                EXPECT_EQ(a[k].typ, 2);
            else
                EXPECT_TRUE(std::set<int>({ 1, 2, 3, 5, 6, 7 }).count(a[k].typ)) << a[k].typ;
        // After the run: the typed composition, empty and shown again.
        EXPECT_EQ(blatt.mischgruppe()->ItemIndex(), 0);
        EXPECT_TRUE(blatt.anzahledits()[0]->isVisibleTo(&blatt));
        EXPECT_EQ(blatt.anzahledits()[0]->text(), "");
        EXPECT_EQ(blatt.Label11->caption(), " 0 gewählt ");
        EXPECT_FALSE(blatt.Button2->isEnabled());
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(typzahlen[k], 0) << k;
        blatt.Button1->Click();
    });
    EXPECT_EQ(programmcode, 0);
}

TEST_F(SvrahmenTest, CopiesArePrintJobsOfTheirOwnAndTheSolutionComesLast)
{
    programmcode = 2;
    TForm7 blatt;
    zeigen(blatt, [&] {
        waehlen(blatt.RadioGroup2, 1);
        tippen(blatt.Edit9, "3");
        tippen(blatt.anzahledits()[4], "21");
        blatt.Button2->Click();
    });
    const auto& docs = printer().recorded();
    ASSERT_EQ(docs.size(), 4);
    for (const auto& d : docs) {
        EXPECT_EQ(d.copies, 1);
        EXPECT_EQ(d.pages.size(), 1);
    }
    const auto texte = [&](int i) { return docs[i].pageTexts().first().join('\n'); };
    EXPECT_EQ(texte(0), texte(1));
    EXPECT_EQ(texte(0), texte(2));
    EXPECT_TRUE(texte(0).contains("Ergebnisse:"));
    EXPECT_TRUE(texte(0).contains("Subtraktion"));
    EXPECT_TRUE(texte(3).contains("Lösungsblatt"));
    EXPECT_FALSE(texte(3).contains("Ergebnisse:"));
    // Named by the variant the menu chose, the solution as such.
    EXPECT_EQ(docs[0].title, "schriftlich Subtraktion");
    EXPECT_EQ(docs[3].title, "schriftlich Subtraktion Lösungsblatt");
    // The solution holds the same tasks: every given digit of the worksheet stands on it in its place.
    const QStringList arbeit = docs[0].pageTexts().first(), loesung = docs[3].pageTexts().first();
    int ziffern = 0;
    for (const QString& zeile : arbeit)
        if (zeile.startsWith("TextOut") && zeile.contains(QRegularExpression("\"\\d\"")) && !zeile.contains(",-25")) {
            EXPECT_TRUE(loesung.contains(zeile)) << zeile.toStdString();
            ++ziffern;
        }
    EXPECT_EQ(ziffern, 21 * 6);
}

TEST_F(SvrahmenTest, AnEmptyCopiesEditPrintsOneAndEveryEditTakesTwoDigits)
{
    programmcode = 1;
    TForm8 blatt;
    zeigen(blatt, [&] {
        for (Edit* e : blatt.anzahledits())
            EXPECT_EQ(e->maxLength(), 2);
        EXPECT_EQ(blatt.Edit9->maxLength(), 2);
        tippen(blatt.Edit9, "");
        tippen(blatt.anzahledits()[1], "17");
        EXPECT_FALSE(blatt.Button2->isEnabled());
        tippen(blatt.anzahledits()[4], "1");
        EXPECT_EQ(typzahlen[5], 1);
        EXPECT_EQ(blatt.Label11->caption(), " 18 gewählt ");
        blatt.Button2->Click();
        EXPECT_EQ(blatt.Edit9->text(), "1");
        EXPECT_FALSE(blatt.Button2->isEnabled());
        EXPECT_EQ(blatt.anzahledits()[1]->text(), "");
    });
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(zaehle(blatt.arten(), 2), 17);
    EXPECT_EQ(blatt.blatt().aufgaben.back().typ, 5);
}

TEST_F(SvrahmenTest, ActivationClearsEveryCountAndTheFillOfAnotherSheet)
{
    programmcode = 2;
    TForm8 blatt;
    typzahlen[6] = 18; // a mixture's rest another window left
    typzahlen[8] = 5;
    blatt.Edit9->setText("4");
    zeigen(blatt, [&] {
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(typzahlen[k], 0) << k;
        EXPECT_EQ(blatt.Label11->caption(), " 0  gewählt ");
        EXPECT_EQ(blatt.Edit9->text(), "1");
        EXPECT_EQ(wieoft, 1);
        EXPECT_FALSE(blatt.Button2->isEnabled());
        waehlen(blatt.mischgruppe(), 1);
        EXPECT_EQ(blatt.Label11->caption(), " 18 gewählt ");
        waehlen(blatt.mischgruppe(), 0);
        EXPECT_FALSE(blatt.Button2->isEnabled());
        EXPECT_EQ(typzahlen[6], 0);
        waehlen(blatt.mischgruppe(), 1);
        blatt.Button2->Click();
    });
    ASSERT_EQ(blatt.blatt().aufgaben.size(), 18u);
    EXPECT_EQ(blatt.variante(), 2);
}

TEST_F(SvrahmenTest, TheFactorOrderIsTheSheetsOwnUntilItIsLeft)
{
    TForm10 blatt;
    zeigen(blatt, [&] {
        EXPECT_EQ(programmcode, 0);
        waehlen(blatt.RadioGroup1, 1);
        EXPECT_EQ(programmcode, 1);
        tippen(blatt.anzahledits()[6], "18");
        blatt.Button2->Click();
        EXPECT_EQ(blatt.blatt().form, 1);
        EXPECT_EQ(blatt.RadioGroup1->ItemIndex(), 1); // printing keeps it
        blatt.Button1->Click();
    });
    EXPECT_EQ(programmcode, 0);
    EXPECT_EQ(blatt.RadioGroup1->ItemIndex(), 0);
    EXPECT_LT(blatt.blatt().aufgaben.front().operand1, 100);
    blatt.RadioGroup1->setItemIndex(1);
    programmcode = 1;
    zeigen(blatt, [&] {
        EXPECT_EQ(blatt.RadioGroup1->ItemIndex(), 0);
        EXPECT_EQ(programmcode, 0);
    });
}

TEST_F(SvrahmenTest, DivisionWithRemaindersCopiesAndSolution)
{
    programmcode = 1;
    TForm11 blatt;
    zeigen(blatt, [&] {
        EXPECT_EQ(blatt.Label14->caption().left(20), "Es werden         8 ");
        waehlen(blatt.RadioGroup1, 1);
        waehlen(blatt.RadioGroup2, 1);
        tippen(blatt.Edit9, "2");
        waehlen(blatt.mischgruppe(), 1);
        EXPECT_EQ(blatt.Label11->caption(), " 8 gewählt ");
        blatt.Button2->Click();
        EXPECT_EQ(blatt.RadioGroup1->ItemIndex(), 1); // kept until "zurück"
        blatt.Button1->Click();
        EXPECT_EQ(blatt.RadioGroup1->ItemIndex(), 0);
    });
    EXPECT_EQ(blatt.variante(), 1);
    ASSERT_EQ(blatt.blatt().aufgaben.size(), 8u);
    for (const auto& a : blatt.blatt().aufgaben) {
        EXPECT_GT(a.divisionsrest, 0);
        EXPECT_GE(a.divisor, 10);
    }
    const auto& docs = printer().recorded();
    ASSERT_EQ(docs.size(), 3);
    EXPECT_EQ(docs[0].pageTexts(), docs[1].pageTexts());
    EXPECT_TRUE(docs[0].pageTexts().first().join('\n').contains("Reste:"));
    EXPECT_TRUE(docs[2].pageTexts().first().join('\n').contains("Lösungsblatt"));
    EXPECT_EQ(docs[2].pages.size(), 1);
    EXPECT_EQ(docs[0].title, "schriftlich ZTTHZE durch ZE"); // the menu's button
    EXPECT_EQ(programmcode, 1); // the division sheet leaves the menu's variant alone
}

// The results at the foot: sorted, as many on the first row as it takes, the rest on the second row again from the
// left; each clear to the right of the one before.
TEST(SvrahmenLogik, TheResultsFillTheirFirstRowThenStartAgainFromTheLeft)
{
    std::vector<int> werte;
    for (int i = 21; i >= 1; --i)
        werte.push_back(i * 37 % 1000);
    const Svseite seite([&](Canvas& c) { svrahmen::ergebnisse(c, werte, 115, 11, -2490, -2590); });
    std::vector<int> sortiert = werte;
    std::sort(sortiert.begin(), sortiert.end());
    std::vector<int> erste, zweite;
    std::vector<int> xErste, xZweite;
    int label = 0;
    for (const DrawOp& op : seite.ops) {
        if (op.kind != DrawOp::Kind::Text) continue;
        if (op.text == QStringLiteral("Ergebnisse:")) {
            EXPECT_EQ(op.points[0].y(), -2490);
            label = textspanne(op).second;
            continue;
        }
        (op.points[0].y() == -2490 ? erste : zweite).push_back(op.text.toInt());
        (op.points[0].y() == -2490 ? xErste : xZweite).push_back(op.points[0].x());
        EXPECT_TRUE(op.points[0].y() == -2490 || op.points[0].y() == -2590);
    }
    EXPECT_EQ(erste, std::vector<int>(sortiert.begin(), sortiert.begin() + 11));
    EXPECT_EQ(zweite, std::vector<int>(sortiert.begin() + 11, sortiert.end()));
    ASSERT_FALSE(xErste.empty());
    ASSERT_FALSE(xZweite.empty());
    EXPECT_GT(xErste[0], label);
    EXPECT_EQ(xZweite[0], xErste[0]);
    for (const auto* xs : { &xErste, &xZweite })
        for (size_t i = 1; i < xs->size(); ++i)
            EXPECT_EQ((*xs)[i] - (*xs)[i - 1], 115);
    EXPECT_EQ(svrahmen::nummer(7), " 7)");
    EXPECT_EQ(svrahmen::nummer(21), "21)");
    EXPECT_EQ(svrahmen::rechts(42, 4), "  42");
}
