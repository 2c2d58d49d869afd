#include "games/s_2nachbar.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "platform/surface.h"
#include "shell/SBEx.h"
#include "spieletest.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <string>

using namespace s_2nachbar;

namespace {

int summe(const std::vector<int>& z)
{
    return std::accumulate(z.begin(), z.end(), 0);
}

const std::pair<int, int> kFormen[]
    = { { 14, 0 }, { 14, 1 }, { 14, 2 }, { 14, 3 }, { 15, 0 }, { 15, 1 }, { 15, 2 }, { 15, 3 }, { 16, 0 } };

} // namespace

TEST(Nachbarn, SumsAtFortyFive)
{
    const int erwartet[] = { 91, 100, 81, 101, 135, 135, 135, 135, 202 };
    for (size_t i = 0; i < std::size(kFormen); ++i)
        EXPECT_EQ(summe(zahlen(kFormen[i].first, kFormen[i].second, 4, 4)), erwartet[i]) << i;
    EXPECT_EQ(summentext(zahlen(14, waagerecht, 4, 4)), "45 + 46 = 91");
    QString zweite;
    EXPECT_EQ(summentext(zahlen(16, 0, 4, 4), &zweite), "45 + 46 + 55 + 56");
    EXPECT_EQ(zweite, " = 202");
}

TEST(Nachbarn, EveryTaskFitsTheFieldAndAnOffsetTargetIsNeverReachable)
{
    for (const auto& [spiel, lage] : kFormen) {
        RandSeed(std::uint32_t(31 * spiel + lage));
        for (int i = 0; i < 300; ++i) {
            const Aufgabe a = aufgabe(spiel, lage, true);
            const int r = a.zeile, c = a.spalte - 1;
            ASSERT_TRUE(bewegbar(spiel, lage, r, c, 0, 0)) << spiel << " " << lage << " " << r << " " << c;
            EXPECT_EQ(summe(zahlen(spiel, lage, r, c)), a.ziel + a.abzug);
            EXPECT_TRUE(a.abzug == 0 || a.abzug == (spiel == 16 ? 2 : 1));
            if (a.abzug == 0) continue;
            for (int zr = 0; zr <= 9; ++zr)
                for (int zc = 0; zc <= 9; ++zc)
                    if (bewegbar(spiel, lage, zr, zc, 0, 0)) {
                        EXPECT_NE(summe(zahlen(spiel, lage, zr, zc)), a.ziel);
                    }
        }
    }
    // Row 0 and column 0 upright: the pair 7 and 17.
    for (std::uint32_t seed = 1;; ++seed) {
        RandSeed(seed);
        const int row = Random(9), col = Random(10);
        if (row != 0 || col != 0) continue;
        RandSeed(seed);
        const Aufgabe a = aufgabe(14, senkrecht, false);
        EXPECT_EQ(a.zeile * 10 + a.spalte, 7);
        EXPECT_EQ(a.ziel, 24);
        break;
    }
}

// Over many tasks each form's anchor row, anchor column and target reach both ends of their ranges and no
// further.
TEST(Nachbarn, EachFormsPositionsAndTargetsReachBothEnds)
{
    const struct {
        int spiel, lage;
        int zeile[2], spalte[2], ziel[2];
    } soll[] = {
        { 14, waagerecht, { 0, 9 }, { 1, 9 }, { 3, 199 } },
        { 14, senkrecht, { 0, 8 }, { 1, 10 }, { 12, 188 } },
        { 14, nordost, { 1, 8 }, { 2, 9 }, { 15, 169 } },
        { 14, suedost, { 1, 8 }, { 2, 9 }, { 35, 189 } },
        { 15, waagerecht, { 0, 9 }, { 2, 9 }, { 6, 297 } },
        { 15, senkrecht, { 1, 8 }, { 1, 10 }, { 33, 270 } },
        { 15, nordost, { 1, 8 }, { 2, 9 }, { 36, 267 } },
        { 15, suedost, { 1, 8 }, { 2, 9 }, { 36, 267 } },
        { 16, 0, { 0, 8 }, { 1, 9 }, { 26, 378 } },
    };
    for (const auto& f : soll) {
        RandSeed(std::uint32_t(7 * f.spiel + f.lage));
        int zeile[2] = { 99, -99 }, spalte[2] = { 99, -99 }, ziel[2] = { 999, -999 };
        for (int i = 0; i < 4000; ++i) {
            const Aufgabe a = aufgabe(f.spiel, f.lage, false);
            ASSERT_EQ(a.abzug, 0);
            zeile[0] = std::min(zeile[0], a.zeile), zeile[1] = std::max(zeile[1], a.zeile);
            spalte[0] = std::min(spalte[0], a.spalte), spalte[1] = std::max(spalte[1], a.spalte);
            ziel[0] = std::min(ziel[0], a.ziel), ziel[1] = std::max(ziel[1], a.ziel);
        }
        const std::string form = std::to_string(f.spiel) + "/" + std::to_string(f.lage);
        EXPECT_EQ(std::vector<int>(zeile, zeile + 2), std::vector<int>(f.zeile, f.zeile + 2)) << form;
        EXPECT_EQ(std::vector<int>(spalte, spalte + 2), std::vector<int>(f.spalte, f.spalte + 2)) << form;
        EXPECT_EQ(std::vector<int>(ziel, ziel + 2), std::vector<int>(f.ziel, f.ziel + 2)) << form;
    }
}

// The cursor may stand wherever every cell of its form lies in the field, and nowhere else: so many places per
// form, none beyond any of the four edges.
TEST(Nachbarn, TheCursorStaysInsideTheFieldAtEveryEdge)
{
    const int plaetze[] = { 90, 90, 81, 81, 80, 80, 64, 64, 81 };
    for (size_t i = 0; i < std::size(kFormen); ++i) {
        const auto [spiel, lage] = kFormen[i];
        int n = 0;
        for (int r = -2; r <= 11; ++r)
            for (int c = -2; c <= 11; ++c)
                if (bewegbar(spiel, lage, r, c, 0, 0)) {
                    ++n;
                    for (int z : zahlen(spiel, lage, r, c))
                        EXPECT_TRUE(z >= 1 && z <= 100) << spiel << "/" << lage << " at " << r << "," << c;
                }
        EXPECT_EQ(n, plaetze[i]) << spiel << "/" << lage;
    }
    // A step is taken from where the cursor stands.
    EXPECT_TRUE(bewegbar(14, waagerecht, 4, 7, 0, 1));
    EXPECT_FALSE(bewegbar(14, waagerecht, 4, 8, 0, 1));
    EXPECT_FALSE(bewegbar(14, senkrecht, 8, 4, 1, 0));
    EXPECT_FALSE(bewegbar(16, 0, 0, 0, 0, -1));
    EXPECT_FALSE(bewegbar(16, 0, 0, 0, -1, 0));
}

TEST(Nachbarn, TwoDirectionsNeverRepeat)
{
    const int zwei[4] = { -1, 1, -1, 3 };
    const int eine[4] = { -1, -1, 2, -1 };
    int letzte = 0;
    for (int i = 0; i < 100; ++i) {
        const int vorher = letzte;
        const int d = richtungWaehlen(zwei, 2, letzte);
        EXPECT_TRUE(d == 1 || d == 3);
        EXPECT_NE(d, vorher);
        EXPECT_EQ(richtungWaehlen(eine, 1, letzte), 2);
    }
}

class NachbarnFensterTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
        for (int i = 0; i <= 3; ++i)
            nachbarlagen[i] = shortint(i);
        gewaehltzahl = 4;
        unloesbar = 1;
    }
    void spielen(int spiel, const std::function<void()>& schritt)
    {
        programmcode = spiel;
        Form::setModalDriver([&](Form& f) {
            if (&f == &fenster) schritt();
        });
        fenster.showModal();
    }
    TForm32 fenster;
};

TEST_F(NachbarnFensterTest, ASolvableAndAnUnsolvableTask)
{
    spielen(14, [&] {
        EXPECT_TRUE(mousetrap::current().has_value());
        fenster.aufgabeSetzen(waagerecht, { 4, 5, 91, 0 });
        QTest::keyClick(fenster.ScrollBoxEx1, Qt::Key_Right);
        EXPECT_EQ(fenster.cursor(), QPoint(5, 4));
        fenster.Button8->Click();
        EXPECT_EQ(fenster.summe(), "46 + 47 = 93");
        EXPECT_TRUE(fenster.Button8->isVisible());
        QTest::keyClick(fenster.ScrollBoxEx1, Qt::Key_Left);
        EXPECT_TRUE(fenster.summe().isEmpty());
        fenster.Button3->Click(); // solvable: two "!", the target stays
        EXPECT_FALSE(fenster.Button3->isEnabled());
        fenster.Button2->Click();
        grabToPng(&fenster, "s_2nachbar_mitte");
        fenster.Button8->Click();
        EXPECT_FALSE(fenster.Button8->isVisible());
        EXPECT_TRUE(fenster.Button9->isVisible());
        EXPECT_FALSE(fenster.Button4->isEnabled());
        grabToPng(&fenster, "s_2nachbar_geloest");

        fenster.Button9->Click();
        fenster.aufgabeSetzen(waagerecht, { 4, 5, 90, 1 });
        fenster.Button8->Click();
        EXPECT_TRUE(fenster.Button8->isVisible());
        fenster.Button3->Click();
        fenster.Button8->Click();
        EXPECT_TRUE(fenster.Button9->isVisible());
    });
    EXPECT_FALSE(mousetrap::current().has_value());
}

TEST_F(NachbarnFensterTest, AtTheBorderTheCursorStaysButTheSumGoes)
{
    spielen(16, [&] {
        fenster.aufgabeSetzen(0, { 4, 5, 202, 0 });
        for (int i = 0; i < 6; ++i)
            fenster.Button6->Click();
        EXPECT_EQ(fenster.cursor(), QPoint(4, 8));
        fenster.Button8->Click();
        EXPECT_FALSE(fenster.summe().isEmpty());
        fenster.Button6->Click();
        EXPECT_EQ(fenster.cursor(), QPoint(4, 8));
        EXPECT_TRUE(fenster.summe().isEmpty());
    });
}

TEST_F(NachbarnFensterTest, TwoDirectionsAlternateAlsoAfterReopening)
{
    nachbarlagen[0] = -1;
    nachbarlagen[2] = -1;
    gewaehltzahl = 2;
    unloesbar = 0;
    QList<int> lagen;
    for (int i = 0; i < 6; ++i)
        spielen(15, [&] {
            lagen << fenster.nachbarlage();
            EXPECT_FALSE(fenster.Button3->isVisible());
            fenster.Button9->Click();
            lagen << fenster.nachbarlage();
        });
    for (int i = 1; i < lagen.size(); ++i)
        EXPECT_NE(lagen[i], lagen[i - 1]);
}

// On a small screen the texts of the task panel are too wide for their fonts: they stay inside the panel, and
// a move clears the whole sum that "gefunden?" wrote.
TEST_F(NachbarnFensterTest, TheTextsStayInsideTheirPanelAndAMoveClearsTheSum)
{
    for (const int spiel : { 15, 16 }) {
        SCOPED_TRACE(spiel);
        spielen(spiel, [&] {
            fenster.aufgabeSetzen(0, { 4, 5, 126, 0 });
            const DesignGrid g(skala_x, skala_y);
            const QImage& bild = fenster.surface().image();
            const QRgb grund = bild.pixel(g.x(1000) - 1, g.y(300));
            const auto draussen = [&] {
                int n = 0;
                for (int y = g.y(20); y < g.y(560); ++y)
                    for (int x : { g.x(700), g.x(700) + 1, g.x(990) + 1, g.x(990) + 2, g.x(1000) - 2 })
                        n += bild.pixel(x, y) != grund;
                return n;
            };
            EXPECT_EQ(draussen(), 0);
            const QImage vorher = bild.copy(g.x(700), 0, g.x(1000) - g.x(700), g.y(600));
            fenster.Button8->Click();
            EXPECT_FALSE(fenster.summe().isEmpty());
            EXPECT_EQ(draussen(), 0);
            fenster.Button5->Click();
            EXPECT_TRUE(bild.copy(g.x(700), 0, g.x(1000) - g.x(700), g.y(600)) == vorher);
        });
    }
}
