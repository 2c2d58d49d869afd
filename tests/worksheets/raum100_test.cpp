#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "svseite.h"
#include "worksheets/a_ZEPMZE.h"
#include "worksheets/a_ZEPM_E.h"

#include <QTest>
#include <set>

using namespace raum100;

TEST(Raum100Logik, TheSixFormsAndTheirMissingNumbers)
{
    const Aufgabe t { 64, 8, 72 };
    const char* texte[]
        = { "64 + 8 = __", "72 - 8 = __", "64 + __ = 72", "72 - __ = 64", "__ + 8 = 72", "__ - 8 = 64" };
    const int fehlt[] = { 72, 64, 8, 8, 64, 72 };
    for (int f = 1; f <= 6; ++f) {
        EXPECT_EQ(raum100::aufgabentext(f, t, false), texte[f - 1]);
        EXPECT_EQ(fehlend(f, t), fehlt[f - 1]);
    }
    EXPECT_EQ(raum100::aufgabentext(2, { 97, 3, 100 }, false), "100 - 3 = __");
    EXPECT_EQ(raum100::aufgabentext(1, { 40, 3, 43 }, false), "40 + 3 = __");
    EXPECT_EQ(raum100::aufgabentext(3, { 64, 28, 92 }, true), "64 + _ = 92");
    EXPECT_EQ(raum100::aufgabentext(6, { 7, 28, 35 }, true), "__ - 28 =  7");
}

TEST(Raum100Logik, TheLevelsKeepTheirDigitsAndTheirRules)
{
    for (std::uint32_t samen = 1; samen <= 30; ++samen) {
        RandSeed(samen);
        for (int stufe = 1; stufe <= 4; ++stufe) {
            std::set<int> zehner, einer;
            for (const Aufgabe& t : zehnerUndEiner(stufe)) {
                EXPECT_LE(t.c, 100);
                EXPECT_LT(t.b, 10);
                zehner.insert(t.a / 10);
                einer.insert(t.a % 10);
                if (stufe == 1) EXPECT_LT(t.a % 10 + t.b, 10);
                if (stufe == 2) EXPECT_GE(t.a % 10 + t.b, 11);
                if (stufe == 3) EXPECT_EQ(t.c % 10, 0);
                if (stufe == 4) EXPECT_EQ(t.a % 10, 0);
            }
            if (stufe <= 3) {
                EXPECT_EQ(zehner.size(), 6u);
                EXPECT_EQ(einer.size(), 6u);
            }
        }
        for (int stufe = 1; stufe <= 6; ++stufe) {
            std::set<int> zehnerA, einerA, zehnerB, einerB;
            for (const Aufgabe& t : zweiZehnerzahlen(stufe)) {
                EXPECT_LE(t.c, 100);
                EXPECT_GE(t.b, 10);
                zehnerA.insert(t.a / 10);
                einerA.insert(t.a % 10);
                zehnerB.insert(t.b / 10);
                einerB.insert(t.b % 10);
                if (stufe == 4) EXPECT_EQ(t.c % 10, 0);
                if (stufe == 5) EXPECT_LT(t.a % 10 + t.b % 10, 10);
                if (stufe == 6) EXPECT_GT(t.a % 10 + t.b % 10, 10);
            }
            if (stufe == 1 || stufe >= 3 && stufe <= 5) EXPECT_EQ(zehnerA.size(), 6u) << stufe;
            if (stufe == 2 || stufe == 4 || stufe == 5) EXPECT_EQ(einerA.size(), 6u) << stufe;
            if (stufe == 2) EXPECT_EQ(zehnerB.size(), 6u);
            if (stufe == 3) EXPECT_EQ(einerB.size(), 6u);
        }
    }
}

using Raum100Fenster = DruckTest;

TEST(Raum100Logik, EveryLevelKeepsItsDigitsRangesAndUsesEveryDigitTheyAllow)
{
    RandSeed(43);
    QStringList alle;
    for (int stufe = 1; stufe <= 10; ++stufe) {
        const bool zweiZehner = stufe > 4;
        Wertebereiche w;
        for (int n = 0; n < 400; ++n)
            for (const Aufgabe& t : zweiZehner ? zweiZehnerzahlen(stufe - 4) : zehnerUndEiner(stufe)) {
                w.ziffern(QStringLiteral("a"), t.a, 2);
                w.ziffern(QStringLiteral("b"), t.b, 2);
                w.ziffern(QStringLiteral("c"), t.c, 3);
            }
        alle << QStringLiteral("%1 %2: ").arg(zweiZehner ? "ZE+ZE" : "ZE+E").arg(zweiZehner ? stufe - 4 : stufe)
                + w.text();
    }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "ZE+E 1: aE 1-8, aZ 2-9, bE 1-8, bZ 0, cE 2-9, cH 0, cZ 2-9\n"
        "ZE+E 2: aE 2-9, aZ 1-8, bE 2-9, bZ 0, cE 1-8, cH 0, cZ 2-9\n"
        "ZE+E 3: aE 1-9, aZ 2-9, bE 1-9, bZ 0, cE 0, cH 0-1, cZ 0,3-9\n"
        "ZE+E 4: aE 0, aZ 2-9, bE 1-9, bZ 0, cE 1-9, cH 0, cZ 2-9\n"
        "ZE+ZE 1: aE 0, aZ 2-8, bE 0, bZ 2-8, cE 0, cH 0-1, cZ 0,4-9\n"
        "ZE+ZE 2: aE 1-9, aZ 2-7, bE 0, bZ 2-7, cE 1-9, cH 0, cZ 4-9\n"
        "ZE+ZE 3: aE 0, aZ 2-7, bE 1-9, bZ 2-7, cE 1-9, cH 0, cZ 4-9\n"
        "ZE+ZE 4: aE 1-9, aZ 2-8, bE 1-9, bZ 1-6, cE 0, cH 0-1, cZ 0,4-9\n"
        "ZE+ZE 5: aE 1-8, aZ 2-7, bE 1-8, bZ 1-7, cE 2-9, cH 0, cZ 3-9\n"
        "ZE+ZE 6: aE 2-9, aZ 2-7, bE 2-9, bZ 1-6, cE 1-8, cH 0, cZ 4-9");
}

TEST(Raum100Logik, OnTheNumberLineSheetEachTaskHasItsOwnLineAboveIt)
{
    RandSeed(7);
    Blatt blatt;
    blatt.titel = QStringLiteral("Zahlenstrahl");
    blatt.grafik = Strahle;
    blatt.formen = { 1, 2, 3, 4, 5, 6 };
    blatt.aufgaben = zehnerUndEiner(1);
    const Svseite seite([&](Canvas& c) { raum100::draw(c, blatt); });
    const auto hoehe = [&](const QString& text) {
        for (const DrawOp& op : seite.ops)
            if (op.kind == DrawOp::Kind::Text && op.text == text) return op.points[0].y();
        return 1;
    };
    std::vector<int> hoehen { hoehe(blatt.titel) }; // then each task's text, from the top down (y up)
    for (size_t i = 0; i < 6; ++i)
        hoehen.push_back(hoehe(raum100::aufgabentext(blatt.formen[i], blatt.aufgaben[i], false)));
    std::vector<int> grundlinien; // the long lying lines
    for (const DrawOp& op : seite.ops)
        if (op.kind == DrawOp::Kind::Line && op.points[0].y() == op.points[1].y()
            && std::abs(op.points[1].x() - op.points[0].x()) >= 1500)
            grundlinien.push_back(op.points[0].y());
    for (size_t s = 1; s < hoehen.size(); ++s) {
        ASSERT_LT(hoehen[s], hoehen[s - 1]) << "task " << s;
        // The double base line of the task's number line, between the task and the one above it.
        const auto zwischen = std::count_if(
            grundlinien.begin(), grundlinien.end(), [&](int y) { return y < hoehen[s - 1] && y > hoehen[s]; });
        EXPECT_EQ(zwischen, 2) << "task " << s;
    }
}

// The tasks in reading order, each centred under a picture of the hundred of its own (or, on the number line sheet,
// centred on the lines), and no picture without a task.
TEST(Raum100Logik, EachTaskStandsCentredUnderItsOwnPicture)
{
    RandSeed(8);
    for (int grafik : { Gitter, Felder, Strahle }) {
        SCOPED_TRACE(testing::Message() << "picture " << grafik);
        Blatt blatt;
        blatt.titel = QStringLiteral("Probe");
        blatt.grafik = grafik;
        blatt.formen = { 1, 2, 3, 4, 5, 6 };
        blatt.aufgaben = zehnerUndEiner(1);
        const Svseite seite([&](Canvas& c) { raum100::draw(c, blatt); });
        std::vector<const DrawOp*> aufgaben, bild;
        for (const DrawOp& op : seite.ops) {
            if (op.kind == DrawOp::Kind::Text && op.text.contains(u'=')) aufgaben.push_back(&op);
            if (op.kind != DrawOp::Kind::Text) bild.push_back(&op);
        }
        ASSERT_EQ(aufgaben.size(), 6u);
        // In reading order: left to right, top to bottom.
        for (size_t i = 1; i < 6; ++i) {
            const QPoint a = aufgaben[i - 1]->points[0], b = aufgaben[i]->points[0];
            EXPECT_LT(std::pair(-a.y(), a.x()), std::pair(-b.y(), b.x())) << "task " << i + 1;
        }
        const auto mitte = [](const DrawOp* op) {
            QPoint summe;
            for (const QPoint& p : op->points)
                summe += p;
            return summe / op->points.size();
        };
        if (grafik == Strahle) {
            int links = 1 << 20, rechts = -(1 << 20);
            for (const DrawOp* op : bild)
                for (const QPoint& p : op->points) {
                    links = std::min(links, p.x());
                    rechts = std::max(rechts, p.x());
                }
            for (const DrawOp* t : aufgaben) {
                const auto [von, bis] = textspanne(*t);
                EXPECT_NEAR((von + bis) / 2, (links + rechts) / 2, 5) << t->text.toStdString();
            }
            continue;
        }
        std::vector<int> teile;
        size_t zugeordnet = 0;
        for (const DrawOp* t : aufgaben) {
            const auto [von, bis] = textspanne(*t);
            const int x = (von + bis) / 2, y = t->points[0].y();
            int links = 1 << 20, rechts = -(1 << 20), n = 0;
            for (const DrawOp* op : bild) {
                const QPoint m = mitte(op);
                if (std::abs(m.x() - x) >= 400 || m.y() <= y || m.y() >= y + 690) continue;
                ++n;
                for (const QPoint& p : op->points) {
                    links = std::min(links, p.x());
                    rechts = std::max(rechts, p.x());
                }
            }
            teile.push_back(n);
            zugeordnet += size_t(n);
            EXPECT_NEAR(x, (links + rechts) / 2, 5) << t->text.toStdString();
        }
        EXPECT_GT(teile[0], 0);
        EXPECT_EQ(teile, std::vector<int>(6, teile[0]));
        EXPECT_EQ(zugeordnet, bild.size());
    }
}

TEST_F(Raum100Fenster, CountsFillTheSixSlotsByFormAndEachPicturePrints)
{
    TForm15 form15;
    TForm16 form16;
    for (Zehnerblatt* form : std::initializer_list<Zehnerblatt*> { &form15, &form16 }) {
        for (int grafik = 0; grafik < 3; ++grafik) {
            form->Edit8->setText("3");
            zeigen(*form, [&] {
                EXPECT_EQ(form->Edit8->text(), "1");
                EXPECT_EQ(form->RadioGroup2->ItemIndex(), 0);
                QTest::mouseClick(form->RadioGroup2->button(2), Qt::LeftButton);
                QTest::mouseClick(form->Grafik->button(grafik), Qt::LeftButton);
                tippen(form->Edits[0], "2");
                tippen(form->Edits[5], "3");
                EXPECT_FALSE(form->Button2->isEnabled());
                tippen(form->Edits[5], "5");
                EXPECT_EQ(form->Label16->caption(), " 7 gewählt ");
                EXPECT_TRUE(form->Button2->isEnabled());
                if (grafik == 1) grabToPng(form, form->caption());
                form->Button2->Click();
                EXPECT_FALSE(form->Button2->isEnabled());
                EXPECT_EQ(form->Edits[5]->text(), "");
                form->Button1->Click();
            });
            EXPECT_EQ(form->gedruckt().formen, (std::vector<int> { 1, 1, 6, 6, 6, 6 }));
            EXPECT_EQ(form->gedruckt().grafik, grafik);
            const QStringList seite = printer().lastDocument().pageTexts().first();
            EXPECT_TRUE(seite.join("\n").contains(
                form == &form15 ? "gem. Zehner und Einer (3)" : "gemischte Zehnerzahlen (3)"));
            // Named by the menu's button it was chosen by.
            EXPECT_EQ(printer().lastDocument().title,
                form == &form15 ? "gemischte Zehner und Einer" : "zwei gemischte Zehnerzahlen");
            Printer::writePdf(printer().lastDocument(),
                QStringLiteral(TAVI_TEST_OUTPUT "/%1_%2.pdf").arg(form->caption()).arg(grafik));
        }
    }
    EXPECT_EQ(printer().recorded().size(), 6);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
