#include "games/s_bufeld.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "shell/SBEx.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

#include <QApplication>
#include <numeric>

using namespace s_bufeld;

TEST(BuntesFeld, ValuesOfTheThreeTables)
{
    EXPECT_EQ(wert(plus, 3, 7), 10);
    EXPECT_EQ(s_bufeld::zeilenzahl(minus, 3), 13);
    EXPECT_EQ(wert(minus, 3, 7), 6);
    EXPECT_EQ(wert(minus, 0, 10), 0);
    EXPECT_EQ(wert(mal, 10, 10), 100);
    EXPECT_EQ(s_bufeld::zeilenzahl(mal, 3), 3);
    EXPECT_EQ(bewegt(1, -1), 1);
    EXPECT_EQ(bewegt(11, 1), 11);
    EXPECT_EQ(bewegt(5, 1), 6);
    EXPECT_EQ(bewegt(2, -1), 1);
    EXPECT_EQ(bewegt(10, 1), 11);
    EXPECT_EQ(s_bufeld::zeichen(plus), "+");
    EXPECT_EQ(s_bufeld::zeichen(minus), "-");
    EXPECT_EQ(s_bufeld::zeichen(mal), "*");
    EXPECT_EQ(s_bufeld::zeilenzahl(plus, 3), 3);
}

TEST(BuntesFeld, ShuffledEdgesLeaveNoNumberInPlace)
{
    EXPECT_EQ(randzahlen(false)[4], 4);
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        const Rand r = randzahlen(true);
        for (int i = 0; i <= 10; ++i)
            ASSERT_NE(r[size_t(i)], i) << seed;
        EXPECT_EQ(std::accumulate(r.begin(), r.end(), 0), 55);
    }
}

class BuntesFeldTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.78f;
        skala_y = 0.57f;
        programmcode = 13;
        variante = mal;
        variante2 = 0;
    }
    void spielen(const std::function<void()>& schritt)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f != &fenster) return;
            QApplication::processEvents();
            schritt();
        });
        fenster.showModal();
    }
    QImage bild() { return fenster.surface().image().copy(); }
    QColor pixel(int x, int y) { return fenster.canvas().pixel(qRound(x * 0.78), qRound(y * 0.57)); }
    // The cell's colour in its middle.
    QColor zellfarbe(int zeile, int spalte) { return pixel(50 + 56 * spalte, 65 + 78 * zeile); }
    bool roterStrich() { return pixel(912, 597) == clRed || pixel(913, 597) == clRed || pixel(912, 598) == clRed; }
    void tippen(const QString& zahl)
    {
        for (QChar c : zahl)
            fenster.tastenblock->ziffer(c.digitValue())->Click();
    }
    // To the cell by the buttons, from the top-left inner cell.
    void hin(int zeile, int spalte)
    {
        for (int i = 1; i < zeile; ++i)
            fenster.Button4->Click();
        for (int i = 1; i < spalte; ++i)
            fenster.Button5->Click();
    }
    TForm52 fenster;
};

TEST_F(BuntesFeldTest, ChooseComputeAndPaint)
{
    spielen([&] {
        ASSERT_TRUE(mousetrap::current().has_value());
        EXPECT_TRUE(fenster.WahlPanel->isVisible());
        EXPECT_FALSE(fenster.rechenpanel->isVisible());
        EXPECT_EQ(fenster.Button8->caption(), "das will ich!");
        EXPECT_FALSE(fenster.Button8->isEnabled());
        EXPECT_FALSE(fenster.Button13->isVisible());
        const QImage vorher = bild();
        fenster.Button5->Click();
        EXPECT_NE(bild(), vorher);
        fenster.Button2->Click();
        EXPECT_EQ(bild(), vorher) << "the cursor drawn twice leaves nothing";
        fenster.Button3->Click(); // up at the top edge keeps the cell
        EXPECT_EQ(fenster.cursor(), QPoint(1, 1));
        EXPECT_TRUE(fenster.Button8->isEnabled());
        EXPECT_TRUE(fenster.Button13->isVisible());

        pressKey(fenster.ScrollBoxEx1, Qt::Key_Down);
        pressKey(fenster.ScrollBoxEx1, Qt::Key_Right);
        EXPECT_EQ(fenster.cursor(), QPoint(2, 2));
        hin(10, 10); // to row and column 11: 10 x 10
        fenster.Button8->Click();
        EXPECT_TRUE(fenster.rechenpanel->isVisible());
        EXPECT_FALSE(fenster.WahlPanel->isVisible());
        EXPECT_EQ(fenster.Button7->caption(), "Lösung &verraten!");
        EXPECT_EQ(fenster.zahl(), 100);
        tippen("1000");
        EXPECT_EQ(fenster.eingabe(), "100");
        fenster.Button9->Click();
        tippen("1");
        fenster.Button10->Click();
        EXPECT_TRUE(roterStrich());
        fenster.Button9->Click();
        EXPECT_FALSE(roterStrich());
        grabToPng(&fenster, "s_bufeld_rechnen");
        typeText(&fenster, "0");
        fenster.Button10->Click();
        EXPECT_TRUE(fenster.farbepanel->isVisible());
        grabToPng(&fenster, "s_bufeld_farben");
        EXPECT_FALSE(fenster.rechenpanel->isVisible());
        fenster.BitBtn[3]->Click();
        EXPECT_EQ(zellfarbe(11, 11), clBlue);
        EXPECT_EQ(fenster.Button8->caption(), "weiter?");
        EXPECT_TRUE(fenster.Button8->isEnabled());
        fenster.Button8->Click();
        EXPECT_EQ(fenster.cursor(), QPoint(1, 1));
        EXPECT_EQ(fenster.Button8->caption(), "das will ich!");
        EXPECT_FALSE(fenster.Button8->isEnabled());
    });
    EXPECT_FALSE(mousetrap::current().has_value());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(BuntesFeldTest, ARevealedCellIsNotPainted)
{
    variante = minus;
    spielen([&] {
        hin(4, 8);
        fenster.Button8->Click();
        EXPECT_EQ(fenster.zahl(), 13 - 7);
        fenster.Button7->Click();
        EXPECT_EQ(fenster.Button7->caption(), "weiter?");
        EXPECT_FALSE(fenster.rechenpanel->isVisible());
        typeText(&fenster, "6\r");
        EXPECT_FALSE(fenster.farbepanel->isVisible());
        fenster.Button7->Click();
        EXPECT_FALSE(fenster.Button7->isVisible());
        EXPECT_TRUE(fenster.WahlPanel->isVisible());
        EXPECT_EQ(zellfarbe(4, 8), clWhite);
        EXPECT_EQ(fenster.cursor(), QPoint(1, 1));
    });
}

// A picture: some cells in colours, one white without computing.
TEST_F(BuntesFeldTest, APupilPaintsAPicture)
{
    variante = plus;
    variante2 = 1;
    spielen([&] {
        const Rand zeilen = fenster.zeilenrand(), spalten = fenster.spaltenrand();
        const struct {
            int zeile, spalte, knopf;
        } zellen[] = { { 3, 3, 1 }, { 3, 4, 2 }, { 4, 3, 3 }, { 4, 4, 4 }, { 6, 6, 12 } };
        for (const auto& z : zellen) {
            hin(z.zeile, z.spalte);
            fenster.Button8->Click();
            typeText(&fenster, QString::number(zeilen[size_t(z.zeile - 1)] + spalten[size_t(z.spalte - 1)]));
            fenster.Button10->Click();
            fenster.BitBtn[size_t(z.knopf)]->Click();
            fenster.Button8->Click();
        }
        hin(2, 2);
        fenster.Button13->Click();
        EXPECT_FALSE(fenster.Button13->isVisible());
        EXPECT_EQ(zellfarbe(3, 3), clRed);
        EXPECT_EQ(zellfarbe(3, 4), clYellow);
        EXPECT_EQ(zellfarbe(6, 6), clBlack);
        EXPECT_EQ(zellfarbe(2, 2), clWhite);
        grabToPng(&fenster, "s_bufeld_bild");
    });
}
