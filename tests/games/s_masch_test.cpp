#include "games/s_masch.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

#include <QApplication>

class MaschinenTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.78f;
        skala_y = 0.57f;
        operatortexte[1] = QStringLiteral("+3");
        operatorzahl = 1;
        zwzahl1 = 1;
    }
    // Shows game `spiel` with the machines given, then runs `schritt`.
    void spielen(int spiel, const QString& erste, const QString& zweite, const std::function<void()>& schritt)
    {
        programmcode = spiel;
        Form::setModalDriver([&](Form& f) {
            if (&f != &fenster) return;
            QApplication::processEvents(); // the picture's first paint
            fenster.maschinenSetzen(erste, zweite);
            schritt();
        });
        fenster.showModal();
    }
    // Whether a pixel of `farbe` lies within 2 pixels of the design point.
    bool farbeBei(const QColor& farbe, int x, int y) { return farbeIn(farbe, x - 3, y - 4, x + 3, y + 4); }
    // Whether a pixel of `farbe` lies in the design rectangle.
    bool farbeIn(const QColor& farbe, int links, int oben, int rechts, int unten)
    {
        for (int x = qRound(links * 0.78); x <= qRound(rechts * 0.78); ++x)
            for (int y = qRound(oben * 0.57); y <= qRound(unten * 0.57); ++y)
                if (fenster.PaintBox1->canvas().pixel(x, y) == farbe) return true;
        return false;
    }
    void tippen(const QString& zahl)
    {
        for (QChar c : zahl)
            fenster.tastenblock->ziffer(c.digitValue())->Click();
    }
    QString caption() const { return fenster.Button1->caption(); }
    TForm51 fenster;
};

TEST_F(MaschinenTest, OneMachinePlayedToTheEnd)
{
    spielen(12, "+3", QString(), [&] {
        EXPECT_EQ(fenster.Button3->caption(), "ich weiß, was die &Maschine tut!");
        EXPECT_FALSE(fenster.Button10->isVisible());
        EXPECT_EQ(caption(), "bitte eine &Eingabe!");
        EXPECT_FALSE(fenster.Button2->isEnabled());
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "zeige die &Ausgabe!");
        EXPECT_FALSE(fenster.Button2->isEnabled()) << "no output shown yet";
        grabToPng(&fenster, "s_masch_eingabe");
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "bitte eine &Eingabe!");
        EXPECT_EQ(fenster.maschzustand(), 2);
        fenster.Button1->Click();
        ASSERT_TRUE(fenster.Button2->isEnabled());
        EXPECT_EQ(fenster.Button2->caption(), "ich &weiß die Ausgabe!");
        fenster.Button2->Click();
        EXPECT_EQ(caption(), "(Ausgabe &verraten?)");
        EXPECT_TRUE(fenster.tastenblock->Rechner->isEnabled());
        EXPECT_FALSE(fenster.Button4->isEnabled());
        typeText(&fenster, QString::number(fenster.durchlauf().y));
        EXPECT_TRUE(fenster.Button4->hasFocus() || !fenster.isActiveWindow());
        pressKey(fenster.Button4, Qt::Key_Return);
        fenster.Button4->Click(); // offscreen the focus may be elsewhere; an empty answer does nothing
        EXPECT_EQ(fenster.maschzustand(), 4);
        EXPECT_TRUE(farbeBei(clRed, 827, 280)) << "the tick";
        EXPECT_FALSE(fenster.Button3->isEnabled());
        fenster.Button1->Click();
        ASSERT_TRUE(fenster.Button3->isEnabled());
        fenster.Button3->Click();
        EXPECT_TRUE(fenster.GroupBox2->isEnabled());
        EXPECT_EQ(fenster.GroupBox2->palette().color(QPalette::Window), clGreen);
        typeText(&fenster, "+");
        EXPECT_FALSE(fenster.GroupBox2->isEnabled());
        tippen("3");
        grabToPng(&fenster, "s_masch_geloest");
        EXPECT_EQ(fenster.maschzustand(), 10);
        EXPECT_EQ(caption(), "bitte eine &neue Maschine!");
        EXPECT_TRUE(farbeBei(clRed, 612, 285)) << "the tick";
        fenster.Button1->Click();
        EXPECT_EQ(fenster.maschzustand(), 0);
        EXPECT_EQ(caption(), "bitte eine &Eingabe!");
        EXPECT_FALSE(fenster.Button2->isEnabled());
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(MaschinenTest, AWrongOutputGetsTheStrokeAndNoGuess)
{
    spielen(12, ":4", QString(), [&] {
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button2->Click();
        tippen(QString::number(fenster.durchlauf().y + 1));
        fenster.Button4->Click();
        EXPECT_EQ(fenster.maschzustand(), 0);
        EXPECT_TRUE(farbeBei(clRed, 700, 287));
        EXPECT_FALSE(farbeBei(clRed, 827, 280));
        fenster.Button1->Click();
        EXPECT_FALSE(fenster.Button3->isEnabled());
    });
}

// Neutral guesses: a stroke, and the grey hint only when the machine changes nothing either.
TEST_F(MaschinenTest, NeutralGuessesAreJudgedBySign)
{
    const struct {
        const char* maschine;
        int taste;
        int ziffer;
        bool hinweis;
    } faelle[] = { { "-0", 2, 1, true }, { "+3", 0, 0, false } };
    for (const auto& f : faelle) {
        spielen(12, f.maschine, QString(), [&] {
            fenster.Button3->Click();
            (f.taste == 2 ? fenster.Button7 : fenster.Button5)->Click();
            tippen(QString::number(f.ziffer));
            EXPECT_EQ(fenster.maschzustand(), 0);
            EXPECT_EQ(caption(), "bitte eine &Eingabe!");
            EXPECT_TRUE(farbeBei(clRed, 500, 287)) << "the stroke";
            EXPECT_EQ(farbeIn(QColor(128, 128, 128), 420, 400, 580, 425), f.hinweis) << f.maschine;
        });
    }
}

TEST_F(MaschinenTest, TwoMachinesOneRightOneWrong)
{
    spielen(1, "+2", "*3", [&] {
        EXPECT_EQ(fenster.Button3->caption(), "ich weiß, was die &Maschinen tun!");
        EXPECT_TRUE(fenster.Button10->isVisible());
        fenster.Button1->Click();
        EXPECT_TRUE(fenster.Button10->isEnabled());
        fenster.Button10->Click();
        EXPECT_EQ(caption(), "bitte eine &Eingabe");
        EXPECT_EQ(fenster.maschzustand(), 0);
        fenster.Button3->Click();
        fenster.Button5->Click();
        tippen("2");
        EXPECT_EQ(fenster.maschzustand(), 6);
        EXPECT_TRUE(fenster.GroupBox2->isEnabled());
        typeText(&fenster, "*4");
        grabToPng(&fenster, "s_masch_zwei");
        EXPECT_EQ(fenster.maschzustand(), 0);
        EXPECT_TRUE(farbeBei(clRed, 422, 295)) << "tick on the first";
        EXPECT_TRUE(farbeBei(clRed, 677, 287)) << "stroke on the second";
        EXPECT_FALSE(farbeBei(clRed, 782, 295)) << "no tick on the second";
    });
}

TEST_F(MaschinenTest, AnOutputTakesThreeDigits)
{
    spielen(1, "*5", "*5", [&] {
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button2->Click();
        tippen("1000");
        EXPECT_EQ(fenster.antwort(), "100");
        fenster.Button9->Click();
        EXPECT_EQ(fenster.antwort(), "10");
    });
}
