#include "games/s_pyra.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

#include <QCoreApplication>
#include <set>

using namespace s_pyra;

TEST(Pyramide, CellsTargetsAndTrials)
{
    const Zellen z = pyramide(3, 5, 2, 4);
    EXPECT_EQ(z, (Zellen { 3, 5, 2, 4, 8, 7, 6, 15, 13, 28 }));
    EXPECT_EQ(ziel(z, true), 28);
    EXPECT_EQ(ziel(pyramide(3, 5, 2, 0), false), 15);
    const auto p = probepyramide(pyramide(3, 5, 2, 0), 1, 4);
    EXPECT_EQ(p[0], 7);
    EXPECT_EQ(p[1], 6);
    EXPECT_EQ(p[3], 13);
}

TEST(Pyramide, TargetsStayInTheirRangeAndNeverRepeat)
{
    const int lo[2][3] = { { 2, 11, 21 }, { 3, 11, 21 } }, hi[2][3] = { { 10, 20, 36 }, { 10, 20, 72 } };
    for (bool vier : { false, true })
        for (int bereich = 0; bereich <= 2; ++bereich) {
            RandSeed(std::uint32_t(7 + bereich + 10 * vier));
            int vorindex = 5, kleinster = 1000, groesster = 0;
            for (int i = 0; i < 3000; ++i) {
                const int vorher = vorindex;
                const Zellen z = pyramidenaufgabe(vier, bereich, vorindex);
                const int t = ziel(z, vier);
                EXPECT_NE(t, vorher);
                EXPECT_EQ(vorindex, t);
                kleinster = std::min(kleinster, t);
                groesster = std::max(groesster, t);
            }
            EXPECT_EQ(kleinster, lo[vier][bereich]) << vier << bereich;
            EXPECT_LE(groesster, hi[vier][bereich]) << vier << bereich;
            EXPECT_GE(groesster, hi[vier][bereich] - (bereich == 2 ? 12 : 0)) << vier << bereich;
        }
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(versteckteZelle(1, false, i % 2), 1);
        const int h = versteckteZelle(1, true, 0);
        EXPECT_TRUE(h == 1 || h == 2);
        EXPECT_EQ(versteckteZelle(2, true, 1), 3);
        EXPECT_EQ(versteckteZelle(2, false, 1), 2);
        EXPECT_EQ(versteckteZelle(2, false, 0), 0);
    }
    // Mode 3 hides either what mode 1 or what mode 2 hides; mode 0 nothing.
    std::set<int> gemischt;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        RandSeed(seed);
        gemischt.insert(versteckteZelle(3, false, 1));
    }
    EXPECT_EQ(gemischt, (std::set<int> { 1, 2 }));
    EXPECT_EQ(versteckteZelle(0, true, 1), -1);
}

// The start numbers over many tasks: the second from 1 to 9, the others from 0 to 9.
TEST(Pyramide, StartNumbersReachBothEndsOfTheirRanges)
{
    int kleinste[4] = { 99, 99, 99, 99 }, groesste[4] = { -1, -1, -1, -1 };
    RandSeed(21);
    int vorindex = 0;
    for (int i = 0; i < 3000; ++i) {
        const Zellen z = pyramidenaufgabe(true, 2, vorindex);
        for (int k = 0; k < 4; ++k) {
            kleinste[k] = std::min(kleinste[k], z[size_t(k)]);
            groesste[k] = std::max(groesste[k], z[size_t(k)]);
        }
    }
    EXPECT_EQ(std::vector<int>(kleinste, kleinste + 4), std::vector<int>({ 0, 1, 0, 0 }));
    EXPECT_EQ(std::vector<int>(groesste, groesste + 4), std::vector<int>({ 9, 9, 9, 9 }));
}

class PyramideFensterTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
    }
    void spielen(int spiel, int modus, const std::function<void()>& schritt)
    {
        programmcode = spiel;
        variante = modus;
        variante2 = 0;
        Form::setModalDriver([&](Form& f) {
            if (&f != &fenster) return;
            QCoreApplication::processEvents();
            schritt();
        });
        fenster.showModal();
    }
    void tippen(const QString& zahl)
    {
        for (QChar c : zahl)
            fenster.tastenblock->ziffer(c.digitValue())->Click();
    }
    void enter()
    {
        fenster.tastenblock->Button13->Click();
        QCoreApplication::processEvents();
    }
    TForm50 fenster;
};

TEST_F(PyramideFensterTest, FindingTheTargetRevealsMiddleCellsAfterWrongAnswers)
{
    spielen(20, 0, [&] {
        fenster.aufgabeSetzen(pyramide(3, 5, 2, 4));
        EXPECT_TRUE(fenster.boxen[6]->isVisible());
        EXPECT_FALSE(fenster.boxen[0]->isVisible());
        EXPECT_TRUE(fenster.zielpanel->isVisible());
        tippen("0");
        EXPECT_EQ(fenster.antwort().anzeige(), "?");
        EXPECT_FALSE(fenster.tastenblock->Button13->isEnabled());
        tippen("123");
        EXPECT_EQ(fenster.antwort().text(), "12");
        enter();
        enter(); // nothing typed: nothing happens
        tippen("13");
        enter();
        EXPECT_EQ(fenster.versuch(), 3);
        typeText(&fenster, "28");
        grabToPng(&fenster, "s_pyra_ziel_mitte");
        enter();
        EXPECT_TRUE(fenster.Button1->isVisible());
        EXPECT_FALSE(fenster.tastenblock->Rechner->isEnabled());
        grabToPng(&fenster, "s_pyra_ziel_geloest");
        fenster.Button1->Click();
        EXPECT_FALSE(fenster.Button1->isVisible());
        EXPECT_NE(ziel(fenster.zellen(), true), 28);
    });
}

TEST_F(PyramideFensterTest, SixWrongStartNumbersRevealTheMissingOne)
{
    spielen(21, 1, [&] {
        fenster.aufgabeSetzen(pyramide(3, 5, 2, 0), 1);
        EXPECT_EQ(fenster.versteckt(), 1);
        EXPECT_TRUE(fenster.startpanel->isVisible());
        tippen("4");
        enter();
        EXPECT_TRUE(fenster.boxen[1]->isVisible());
        EXPECT_FALSE(fenster.tastenblock->Button13->isEnabled());
        for (int i = 2; i <= 6; ++i) {
            tippen("0");
            enter();
        }
        EXPECT_TRUE(fenster.boxen[5]->isVisible());
        EXPECT_TRUE(fenster.Button1->isVisible());
        EXPECT_FALSE(fenster.tastenblock->Rechner->isEnabled());
        EXPECT_FALSE(fenster.KeyPreview);
        grabToPng(&fenster, "s_pyra_start_verraten");
        fenster.Button1->Click();
        EXPECT_FALSE(fenster.boxen[1]->isVisible());
        EXPECT_EQ(fenster.versuch(), 1);
    });
}

TEST_F(PyramideFensterTest, OuterAndAnyStartNumberSolvedOnTheSecondTry)
{
    for (int modus : { 2, 3 }) {
        spielen(20, modus, [&] {
            fenster.aufgabeSetzen(pyramide(3, 5, 2, 4));
            const int h = fenster.versteckt();
            EXPECT_TRUE(modus == 3 || h == 0 || h == 3);
            tippen(QString::number((fenster.zellen()[size_t(h)] + 1) % 10));
            enter();
            tippen(QString::number(fenster.zellen()[size_t(h)]));
            enter();
            EXPECT_TRUE(fenster.Button1->isVisible());
            EXPECT_TRUE(fenster.boxen[1]->isVisible());
            grabToPng(&fenster, QStringLiteral("s_pyra_modus%1").arg(modus));
        });
    }
}

// The entry's font is scaled across and the cleared area down: on a wide screen a backspace must still take
// back all of a longer entry, and the entry must leave the cell's frame whole.
TEST_F(PyramideFensterTest, ABackspaceLeavesTheCellAsTheShorterEntryAlone)
{
    skala_x = 1.366f;
    skala_y = 0.73f;
    for (const int modus : { 0, 1 })
        spielen(21, modus, [&] {
            fenster.aufgabeSetzen(pyramide(3, 5, 2, 0), 1);
            QCoreApplication::processEvents();
            tippen("1");
            const QImage nurEins = fenster.surface().image().copy();
            tippen("2");
            fenster.tastenblock->Button14->Click();
            EXPECT_TRUE(fenster.surface().image() == nurEins) << modus;
        });
}
