#include "blattfixture.h"
#include "worksheets/a_1x1_f1.h"
#include "worksheets/a_1x1_f2.h"
#include "worksheets/a_knk2.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/einmaleins_logik.h"

#include <set>

class EinmaleinsblattTest : public BlattTest {
protected:
    // Ticks the factors given, as clicks would.
    static void faktoren(ListBox* box, const std::set<int>& faktoren)
    {
        std::set<int> items;
        for (int f : faktoren)
            items.insert(f - 2);
        ankreuzen(box, items);
    }
};

TEST_F(EinmaleinsblattTest, KnobelkaestenOfTheSmallTableNeedAsManyTasksAsABoxHoldsAndResetOnActivation)
{
    TForm25 form;
    zeigen(form, [&] {
        EXPECT_EQ(form.vorrat().groesse(), 81);
        faktoren(form.ListBox1, { 3 });
        faktoren(form.ListBox2, { 2, 3, 4, 5, 6, 7, 8, 9 });
        EXPECT_EQ(form.Label22->caption(), " bildbare Aufgaben:  8 ");
        EXPECT_TRUE(form.Button2->isEnabled());
        form.Edit8->clear();
        grabToPng(&form, "a_knk2");
        form.Button2->Click();
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_EQ(form.Button2->caption(), "drucken");
        faktoren(form.ListBox2, { 7 });
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(form.RadioGroup3->button(i), Qt::LeftButton);
            EXPECT_FALSE(form.Button2->isEnabled());
        }
        QTest::mouseClick(form.RadioGroup2->button(3), Qt::LeftButton);
        form.Button1->Click();
    });
    const knobel::Kastenblatt& b = form.letztesBlatt();
    EXPECT_EQ(b.loesung[0], std::vector<int>(15, 3));
    EXPECT_TRUE(
        readBytes(dataPath("aw.ina")).contains("1x1felder\r\n-1 3 -1 -1 -1 -1 -1 -1 -1 2 3 4 5 6 7 8 9 -1\r\n"));
    zeigen(form, [&] {
        EXPECT_EQ(form.RadioGroup2->ItemIndex(), 0);
        EXPECT_EQ(form.RadioGroup3->ItemIndex(), 1);
        EXPECT_EQ(form.Edit8->text(), "1");
        EXPECT_TRUE(form.ListBox2->Selected(0)); // the printed choice, not the one left unprinted
        form.Button1->Click();
    });

    // A choice saved by one sheet preselects the others, also after a restart.
    TForm21 felder;
    TForm22 hunderter;
    for (Einmaleinsblatt* blatt : std::initializer_list<Einmaleinsblatt*> { &felder, &hunderter })
        zeigen(*blatt, [&] {
            EXPECT_EQ(blatt->vorrat().groesse(), 8);
            blatt->zurueckknopf()->Click();
        });
}

TEST_F(EinmaleinsblattTest, FieldSheetsBuildTheirPoolFromTheListsAlsoWithoutTheSettingsFile)
{
    QFile::remove(dataPath("aw.ina"));
    TForm21 felder;
    zeigen(felder, [&] {
        EXPECT_EQ(felder.Label15->caption(), " bildbare Aufgaben: 0 ");
        EXPECT_FALSE(felder.Button2->isEnabled());
        faktoren(felder.ListBox1, { 4, 7 });
        EXPECT_EQ(felder.Label15->caption(), " bildbare Aufgaben:  2 ");
        EXPECT_TRUE(felder.Button2->isEnabled());
        grabToPng(&felder, "a_1x1_f1");
        felder.Button2->Click();
        felder.Button1->Click();
    });
    for (const auto& f : felder.letztesBlatt().links)
        EXPECT_EQ(f.a, f.b);
    zeigen(felder, [&] {
        EXPECT_EQ(felder.vorrat().groesse(), 2);
        felder.Button1->Click();
    });

    TForm22 hunderter;
    zeigen(hunderter, [&] {
        EXPECT_FALSE(hunderter.Button3->isEnabled());
        faktoren(hunderter.ListBox1, { 3 });
        faktoren(hunderter.ListBox2, { 4, 5 });
        grabToPng(&hunderter, "a_1x1_f2");
        hunderter.Button3->Click();
        hunderter.Button4->Click();
    });
    EXPECT_EQ(printer().recorded().size(), 2);
    QStringList streifen;
    for (const DrawOp& op : printer().recorded().last().pages[0])
        if (op.kind == DrawOp::Kind::Text && op.points[0].y() == -2690) streifen << op.text;
    EXPECT_EQ(streifen, QStringList { "Ergebnisse:" } + QStringList(10, "12") + QStringList(10, "15"));
    EXPECT_FALSE(QFile::exists(dataPath("aw.ina")));
}

TEST_F(EinmaleinsblattTest, EachSheetPrintsEveryTaskItDrewOnceAndListsItsResults)
{
    const std::vector<int> alle = { 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    const auto seite = [] { return printer().recorded().last().pages[0]; };
    // The numbers listed after "Ergebnisse:", on its line.
    const auto ergebnisse = [](const QVector<DrawOp>& ops) {
        std::multiset<int> r;
        int y = 1;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Ergebnisse:")) y = op.points[0].y();
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.points[0].y() == y && op.text != QStringLiteral("Ergebnisse:"))
                r.insert(op.text.toInt());
        return r;
    };
    for (int runde = 0; runde < 5; ++runde) {
        blattrahmen::Aufgabenvorrat vorrat;
        vorrat.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Hunderterblatt h = einmaleins::hunderterblatt(vorrat);
        ASSERT_EQ(h.aufgaben.size(), 20u);
        einmaleins::drucken(h, 1);
        // A task is its first factor and, on the same line just right of it, "b = __".
        std::multiset<std::pair<int, int>> gedruckt, gezogen;
        std::multiset<int> produkte;
        const QVector<DrawOp> ops = seite();
        for (const DrawOp& rechts : ops) {
            if (rechts.kind != DrawOp::Kind::Text || !rechts.text.endsWith(QStringLiteral(" = __"))) continue;
            for (const DrawOp& links : ops)
                if (links.kind == DrawOp::Kind::Text && links.points[0].y() == rechts.points[0].y()
                    && links.points[0].x() < rechts.points[0].x() && links.points[0].x() > rechts.points[0].x() - 100)
                    gedruckt.insert({ links.text.toInt(), rechts.text.chopped(5).toInt() });
        }
        for (const einmaleins::Feld& f : h.aufgaben) {
            gezogen.insert({ f.a, f.b });
            produkte.insert(f.a * f.b);
        }
        EXPECT_EQ(gedruckt, gezogen);
        EXPECT_EQ(ergebnisse(ops), produkte);

        // The dot fields: one number and a row-by-column field of dots for each task drawn.
        blattrahmen::Aufgabenvorrat felder;
        felder.setzen(einmaleins::paare(alle, alle, false));
        const einmaleins::Felderblatt b = einmaleins::felderblatt(felder);
        einmaleins::drucken(b, 1);
        int nummern = 0, punkte = 0, soll = 0;
        std::multiset<int> feldprodukte;
        for (const auto* spalte : { &b.links, &b.rechts })
            for (const einmaleins::Feld& f : *spalte) {
                soll += f.a * f.b;
                feldprodukte.insert(f.a * f.b);
            }
        for (const DrawOp& op : seite()) {
            if (op.kind == DrawOp::Kind::Ellipse) ++punkte;
            if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("%1) ").arg(nummern + 1)) ++nummern;
        }
        EXPECT_EQ(nummern, int(b.links.size() + b.rechts.size()));
        EXPECT_GT(nummern, 4);
        EXPECT_EQ(punkte, soll);
        EXPECT_EQ(ergebnisse(seite()), feldprodukte);
    }
}
