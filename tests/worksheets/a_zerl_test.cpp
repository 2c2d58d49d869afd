#include "blattfixture.h"
#include "platform/random.h"
#include "svseite.h"
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

TEST(ZerlegenTest, EveryLayoutDrawsEachQuantityOnceAsManyDotsInItsRowsAndOnlyLayoutThreeGivesPartsAndResults)
{
    const std::vector<int> typzahlen { 2, 1, 2, 1, 2, 1, 1 };
    for (int form = 1; form <= 4; ++form) {
        RandSeed(std::uint32_t(form));
        const zerlegen::Blatt b = zerlegen::blatt(form, typzahlen, false);
        ASSERT_EQ(b.aufgaben.size(), 10u);
        const Svseite seite([&](Canvas& c) { zerlegen::zeichnen(c, b); });
        // The dots in drawing order, task after task: their tops, row by row.
        std::vector<int> oben;
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Ellipse) oben.push_back(op.points[0].y());
        size_t i = 0;
        for (const zerlegen::Aufgabe& a : b.aufgaben) {
            ASSERT_LE(i + size_t(a.menge), oben.size()) << "form " << form;
            const std::set<int> reihen(oben.begin() + long(i), oben.begin() + long(i) + a.menge);
            // One row of dots, or for layout 4 two rows taken in turn.
            EXPECT_EQ(reihen.size(), form == 4 ? 2u : 1u) << "form " << form << ", " << a.menge << " dots";
            i += size_t(a.menge);
        }
        EXPECT_EQ(i, oben.size()) << "form " << form;
        // The rows ask for the two parts of their quantity; the diagrams give the quantity (and the part).
        for (const zerlegen::Aufgabe& a : b.aufgaben) {
            const QString menge = QString::number(a.menge);
            if (form == 1 || form == 4)
                EXPECT_EQ(seite.texte().filter(QRegularExpression("^" + menge + " = ___ \\+ ___@")).size(),
                    std::count_if(b.aufgaben.begin(), b.aufgaben.end(),
                        [&](const zerlegen::Aufgabe& x) { return x.menge == a.menge; }));
        }
        if (form == 3)
            for (const zerlegen::Aufgabe& a : b.aufgaben)
                EXPECT_EQ(a.teil + a.rest, a.menge);
        // The numbers the sheet gives: each diagram its quantity, layout 3 also the given part and under
        // "Ergebnisse:" the missing parts in ascending order; the rows only their question.
        std::vector<int> gegeben, ergebnisse;
        int ergebniszeilen = 0;
        for (const DrawOp& op : seite.ops) {
            if (op.kind != DrawOp::Kind::Text) continue;
            bool zahl = false;
            const int wert = op.text.toInt(&zahl);
            if (op.text == "Ergebnisse:")
                ++ergebniszeilen;
            else if (zahl)
                (ergebniszeilen > 0 ? ergebnisse : gegeben).push_back(wert);
        }
        std::vector<int> sollGegeben, sollErgebnisse;
        for (const zerlegen::Aufgabe& a : b.aufgaben) {
            if (form == 2 || form == 3) sollGegeben.push_back(a.menge);
            if (form == 3) {
                sollGegeben.push_back(a.teil);
                sollErgebnisse.push_back(a.rest);
            }
        }
        std::sort(gegeben.begin(), gegeben.end());
        std::sort(sollGegeben.begin(), sollGegeben.end());
        std::sort(sollErgebnisse.begin(), sollErgebnisse.end());
        EXPECT_EQ(gegeben, sollGegeben) << "form " << form;
        EXPECT_EQ(ergebniszeilen, form == 3 ? 1 : 0) << "form " << form;
        EXPECT_EQ(ergebnisse, sollErgebnisse) << "form " << form;
    }
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
    EXPECT_EQ(texte().first(), "Zahlen zerlegen                     Name: _______________@200,-70");
    EXPECT_EQ(printer().recorded().last().title, "Zahlen zerlegen");
}
