#include "games/s_zeichziff.h"
#include "platform/controls.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

class ZeichenFensterTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
        programmcode = 4;
        for (int i = 0; i <= 3; ++i)
            rechenartzeichen[i] = i == 3 ? QString("n") : QString("+-*").mid(i, 1);
    }
    void spielen(const std::function<void()>& schritt)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == &fenster) schritt();
        });
        fenster.showModal();
    }
    bool tastenFrei() const
    {
        for (int d = 0; d <= 9; ++d)
            if (fenster.tastenblock->ziffer(d)->isEnabled()) return true;
        return false;
    }
    TForm43 fenster;
};

TEST_F(ZeichenFensterTest, TheKeypadBlockHasItsNamesAndPlaces)
{
    spielen([&] {
        EXPECT_EQ(fenster.tastenblock->ziffer(4)->objectName(), "Button14");
        EXPECT_EQ(fenster.tastenblock->ziffer(0)->objectName(), "Button20");
        EXPECT_EQ(fenster.tastenblock->ziffer(3)->objectName(), "Button23");
        EXPECT_EQ(fenster.tastenblock->Rechner->geometry(), QRect(32, 348, 162, 183));
        EXPECT_EQ(fenster.tastenblock->ziffer(0)->geometry(), QRect(58, 138, 43, 39));
        EXPECT_EQ(fenster.tastenblock->Button14, nullptr);
        EXPECT_EQ(fenster.tastenblock->ziffer(7)->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(hasTabStop(fenster.tastenblock->ziffer(7)));
        EXPECT_TRUE(hasTabStop(fenster.symbolknoepfe[0]));
    });
}

TEST_F(ZeichenFensterTest, APupilPlaysToTheRating)
{
    spielen([&] {
        const auto& s = fenster.spiel();
        EXPECT_EQ(s.aufgabenzahl(), 1);
        EXPECT_FALSE(tastenFrei());
        EXPECT_FALSE(fenster.Button12->isEnabled());
        typeText(&fenster, "5"); // nothing marked: ignored
        EXPECT_EQ(s.fehlerzahl(), 0);
        fenster.Button13->Click();
        EXPECT_EQ(s.aufgabenzahl(), 2);

        // Symbol 0: one wrong key, counted once, then the right digit from the keyboard.
        fenster.symbolknoepfe[0]->Click();
        EXPECT_TRUE(tastenFrei());
        const int richtig = s.zifferVon(0);
        const int falsch = (richtig + 1) % 10;
        fenster.tastenblock->ziffer(falsch)->Click();
        EXPECT_EQ(s.fehlerzahl(), 1);
        EXPECT_FALSE(tastenFrei());
        typeText(&fenster, QString::number((richtig + 2) % 10));
        EXPECT_EQ(s.fehlerzahl(), 1);
        typeText(&fenster, QString::number(richtig));
        EXPECT_TRUE(s.bekannt(0));
        EXPECT_FALSE(fenster.symbolknoepfe[0]->isVisible());
        typeText(&fenster, QString::number((richtig + 3) % 10)); // symbol settled: no error, no dot
        EXPECT_EQ(s.fehlerzahl(), 1);

        // Symbol 1 revealed; its digit is no longer offered.
        fenster.symbolknoepfe[1]->Click();
        fenster.Button12->Click();
        EXPECT_TRUE(s.bekannt(1));
        fenster.symbolknoepfe[2]->Click();
        EXPECT_FALSE(fenster.tastenblock->ziffer(s.zifferVon(1))->isEnabled());
        EXPECT_FALSE(fenster.tastenblock->ziffer(richtig)->isEnabled());
        grabToPng(&fenster, "s_zeichziff_mitte");

        for (int i = 2; i <= 9; ++i) {
            fenster.symbolknoepfe[i]->Click();
            fenster.tastenblock->ziffer(s.zifferVon(i))->Click();
        }
        EXPECT_TRUE(s.fertig());
        EXPECT_EQ(s.punkte(), 9); // nine found, one wrong entry costs nothing
        EXPECT_FALSE(fenster.Button13->isVisible());
        EXPECT_TRUE(fenster.Button24->isVisible());
        grabToPng(&fenster, "s_zeichziff_ende");

        fenster.Button24->Click();
        EXPECT_EQ(s.aufgabenzahl(), 1);
        EXPECT_TRUE(fenster.Button13->isVisible());
        for (QWidget* b : fenster.symbolknoepfe)
            EXPECT_TRUE(b->isVisible());
        for (int n = 2; n <= 16; ++n)
            fenster.Button13->Click();
        EXPECT_FALSE(fenster.Button13->isEnabled());
        EXPECT_EQ(s.aufgabenzahl(), 16);
        fenster.Button11->Click();
    });
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(fenster.Button13->isEnabled());
}
