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
    EXPECT_EQ(printer().recorded().last().title, "Mengen zerlegen"); // the menu's button
}

// A split diagram: the whole's box with the quantity in it, the dots above it, two part boxes below joined to it
// by a line each; layout 3 writes the given part into the left part box and leaves the right one to the pupil.
TEST(ZerlegenTest, EachSplitDiagramHasTheWholeAboveTwoPartBoxesAndTheGivenPartOnTheLeft)
{
    struct Kasten {
        int links, rechts, oben, unten; // y upward
        bool enthaelt(QPoint p) const { return p.x() > links && p.x() < rechts && p.y() < oben && p.y() > unten; }
    };
    for (int form : { 2, 3 }) {
        RandSeed(std::uint32_t(form));
        const zerlegen::Blatt b = zerlegen::blatt(form, { 2, 1, 2, 1, 2, 1, 1 }, false);
        const Svseite seite([&](Canvas& c) { zerlegen::zeichnen(c, b); });
        std::vector<Kasten> kaesten;
        std::vector<std::pair<QPoint, QPoint>> linien;
        for (const DrawOp& op : seite.ops) {
            const QPoint a = op.points.value(0), e = op.points.value(1);
            if (op.kind == DrawOp::Kind::Rectangle)
                kaesten.push_back(
                    { std::min(a.x(), e.x()), std::max(a.x(), e.x()), std::max(a.y(), e.y()), std::min(a.y(), e.y()) });
            if (op.kind == DrawOp::Kind::Line && op.pen.width > 1) linien.push_back({ a, e });
        }
        ASSERT_EQ(kaesten.size(), 3 * b.aufgaben.size()) << "form " << form;
        ASSERT_EQ(linien.size(), 2 * b.aufgaben.size()) << "form " << form;
        const auto darin = [&](const Kasten& k) {
            QStringList t;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Text && k.enthaelt(op.points[0])) t << op.text;
            return t;
        };
        for (size_t k = 0; k < b.aufgaben.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "form " << form << ", task " << k + 1);
            std::vector<Kasten> drei(kaesten.begin() + long(3 * k), kaesten.begin() + long(3 * k + 3));
            std::sort(drei.begin(), drei.end(), [](const Kasten& a, const Kasten& b) {
                return std::pair(-a.oben, a.links) < std::pair(-b.oben, b.links);
            });
            const Kasten ganz = drei[0], links = drei[1], rechts = drei[2];
            const int mitte = (ganz.links + ganz.rechts) / 2;
            EXPECT_GT(ganz.unten, links.oben);
            EXPECT_EQ(links.oben, rechts.oben);
            EXPECT_LT(links.rechts, mitte + 60);
            EXPECT_GT(rechts.links, mitte - 60);
            EXPECT_LT(links.links, rechts.links);
            EXPECT_EQ(darin(ganz), QStringList { QString::number(b.aufgaben[k].menge) });
            EXPECT_EQ(darin(links), form == 3 ? QStringList { QString::number(b.aufgaben[k].teil) } : QStringList {});
            EXPECT_EQ(darin(rechts), QStringList {});
            // Each line from the whole's box down to one part box, one to each.
            int nachLinks = 0;
            for (size_t l = 2 * k; l < 2 * k + 2; ++l) {
                const auto [von, bis] = linien[l];
                EXPECT_EQ(std::max(von.y(), bis.y()), ganz.unten);
                EXPECT_EQ(std::min(von.y(), bis.y()), links.oben);
                const QPoint unten = von.y() < bis.y() ? von : bis;
                nachLinks += unten.x() > links.links && unten.x() < links.rechts;
            }
            EXPECT_EQ(nachLinks, 1);
            // The dots above the whole's box, over its middle.
            int punktLinks = 1 << 20, punktRechts = -(1 << 20), punkte = 0;
            for (const DrawOp& op : seite.ops)
                if (op.kind == DrawOp::Kind::Ellipse && op.points[1].y() > ganz.oben
                    && op.points[1].y() < ganz.oben + 200 && op.points[0].x() > ganz.links - 400
                    && op.points[1].x() < ganz.rechts + 400) {
                    punktLinks = std::min(punktLinks, op.points[0].x());
                    punktRechts = std::max(punktRechts, op.points[1].x());
                    ++punkte;
                }
            EXPECT_EQ(punkte, b.aufgaben[k].menge);
            EXPECT_NEAR((punktLinks + punktRechts) / 2, mitte, 25);
        }
    }
}

// In the row layouts each quantity's dots stand on its own row, right of its question, in reading order.
TEST(ZerlegenTest, EachRowsDotsStandRightOfItsQuestionOnItsHeight)
{
    for (int form : { 1, 4 }) {
        const zerlegen::Blatt b = zerlegen::blatt(form, { 2, 1, 2, 1, 2, 1, 1 }, false);
        const Svseite seite([&](Canvas& c) { zerlegen::zeichnen(c, b); });
        std::vector<const DrawOp*> fragen, punkte;
        for (const DrawOp& op : seite.ops) {
            if (op.kind == DrawOp::Kind::Text && op.text.contains(QStringLiteral(" = ___ + ___")))
                fragen.push_back(&op);
            if (op.kind == DrawOp::Kind::Ellipse) punkte.push_back(&op);
        }
        ASSERT_EQ(fragen.size(), b.aufgaben.size());
        size_t i = 0;
        for (size_t k = 0; k < fragen.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "form " << form << ", task " << k + 1);
            const DrawOp& f = *fragen[k];
            EXPECT_TRUE(f.text.startsWith(QString::number(b.aufgaben[k].menge) + u' '));
            if (k > 0) EXPECT_LT(f.points[0].y(), fragen[k - 1]->points[0].y() - f.font.height);
            const int oben = f.points[0].y() + 40, unten = f.points[0].y() - f.font.height - 40;
            const int rechts = textspanne(f).second;
            for (int n = 0; n < b.aufgaben[k].menge; ++n, ++i) {
                ASSERT_LT(i, punkte.size());
                const QPoint m = (punkte[i]->points[0] + punkte[i]->points[1]) / 2;
                EXPECT_GT(m.x(), rechts);
                EXPECT_LT(m.y(), oben);
                EXPECT_GT(m.y(), unten);
            }
        }
        EXPECT_EQ(i, punkte.size());
    }
}
