#include "games/s_kette.h"
#include "platform/controls.h"
#include "shell/tastenfeld.h"
#include "spieletest.h"
#include "support/keys.h"

#include <QImage>

class KetteFensterTest : public SpieleTest {
protected:
    void SetUp() override
    {
        SpieleTest::SetUp();
        skala_x = 0.79f;
        skala_y = 0.55f;
    }
    // Shows the chain of `spiel` in `modus` with the task given, then runs `schritt`.
    void spielen(int spiel, int modus, const s_kette::Aufgabe& aufgabe, const std::function<void()>& schritt)
    {
        programmcode = spiel;
        variante = modus;
        variante2 = 0;
        Form::setModalDriver([&](Form& f) {
            if (&f != &fenster) return;
            EXPECT_NE(vorindex, 1) << "the first task never starts or ends with 1";
            fenster.aufgabeSetzen(aufgabe);
            schritt();
        });
        fenster.showModal();
    }
    void tippen(const QString& zahl)
    {
        for (QChar c : zahl)
            fenster.tastenblock->ziffer(c.digitValue())->Click();
    }
    QString caption() const { return fenster.Button1->caption(); }
    // Whether a grey hint (or, with blau, a blue entry) shows in the box of member i (five members).
    bool grauImKasten(int i, bool blau = false)
    {
        const QImage bild = fenster.grab().toImage();
        const int links = qRound((i * 150 + 160) * 0.79), rechts = qRound((i * 150 + 240) * 0.79);
        for (int x = links; x < rechts; ++x)
            for (int y = qRound(260 * 0.55); y < qRound(380 * 0.55); ++y) {
                const QColor c = bild.pixelColor(x, y);
                if (blau ? c == QColor(Qt::blue) : c.red() == c.green() && c.green() == c.blue() && c.red() < 160)
                    return true;
            }
        return false;
    }
    TForm49 fenster;
};

TEST_F(KetteFensterTest, ShowingAndComputingStepThroughTheMembers)
{
    spielen(9, 0, { 3, 4, 11 }, [&] {
        EXPECT_FALSE(fenster.tastenblock->Rechner->isVisible());
        EXPECT_EQ(fenster.glieder(), (s_kette::Glieder { 3, 4, 7, 11, 0 }));
        fenster.Button1->Click();
        fenster.Button1->Click();
        grabToPng(&fenster, "s_kette_modus0");
        fenster.Button1->Click(); // after the last member: a new task
        EXPECT_NE(vorindex, 3);
    });
    spielen(11, 1, { 2, 1, 7 }, [&] {
        EXPECT_TRUE(fenster.tastenblock->Rechner->isEnabled());
        EXPECT_FALSE(fenster.Button1->isEnabled());
        fenster.tastenblock->ziffer(0)->Click(); // no leading zero
        EXPECT_EQ(fenster.eingabe().anzeige(), "?");
        tippen("4");
        EXPECT_FALSE(fenster.Button1->isEnabled());
        fenster.tastenblock->Button14->Click(); // backspace
        typeText(&fenster, "3");
        EXPECT_TRUE(fenster.Button1->isEnabled());
        EXPECT_FALSE(fenster.tastenblock->Rechner->isEnabled());
        EXPECT_FALSE(fenster.KeyPreview);
        fenster.Button1->Click();
        tippen("4");
        fenster.Button1->Click();
        tippen("7");
        grabToPng(&fenster, "s_kette_modus1");
        EXPECT_TRUE(fenster.Button1->isEnabled());
    });
}

TEST_F(KetteFensterTest, FindingTheTargetShowsHintsAfterWrongAnswers)
{
    spielen(11, 2, { 2, 1, 7 }, [&] {
        EXPECT_EQ(caption(), "gefunden");
        tippen("9");
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "rechne neu");
        EXPECT_TRUE(grauImKasten(2));
        EXPECT_FALSE(grauImKasten(3));
        fenster.Button1->Click(); // nothing typed: nothing changes
        EXPECT_FALSE(grauImKasten(3));
        tippen("8");
        fenster.Button1->Click();
        EXPECT_TRUE(grauImKasten(3));
        tippen("1234");
        EXPECT_EQ(fenster.eingabe().text(), "123");
        fenster.tastenblock->Button14->Click();
        fenster.tastenblock->Button14->Click();
        fenster.tastenblock->Button14->Click();
        tippen("7");
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "weiter");
        grabToPng(&fenster, "s_kette_modus2");
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "gefunden");
    });
}

TEST_F(KetteFensterTest, FindingAllStartPairsOfSeven)
{
    const auto paar = [&](const QString& a, const QString& b) {
        tippen(a);
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "2. Startzahl gefunden");
        tippen(b);
        fenster.Button1->Click();
    };
    spielen(9, 3, { 0, 0, 7 }, [&] {
        EXPECT_EQ(caption(), "1. Startzahl gefunden");
        EXPECT_EQ(fenster.glieder()[3], 7);
        EXPECT_FALSE(fenster.Button1->isEnabled());
        paar("007", "0");
        EXPECT_EQ(caption(), "es gibt noch 3 Lösungen");
        EXPECT_EQ(fenster.paarsuche().bearbeitetezahlen(), "7_0   ");
        fenster.Button1->Click();
        paar("7", "0");
        EXPECT_EQ(caption(), "es gibt noch 3 Lösungen");
        EXPECT_EQ(fenster.paarsuche().gefunden(), 1);
        fenster.Button1->Click();
        paar("1", "1");
        EXPECT_EQ(caption(), "leider nicht, überlege neu");
        fenster.Button1->Click();
        paar("5", "1");
        fenster.Button1->Click();
        paar("3", "2");
        EXPECT_EQ(caption(), "es gibt noch 1 Lösung");
        fenster.Button1->Click();
        paar("1", "3");
        EXPECT_EQ(caption(), "bitte eine neue Aufgabe");
        grabToPng(&fenster, "s_kette_modus3");
        fenster.Button1->Click();
        EXPECT_EQ(caption(), "1. Startzahl gefunden");
        EXPECT_EQ(fenster.paarsuche().gefunden(), 0);
    });
}

TEST_F(KetteFensterTest, TheTenthWrongPairEndsTheGame)
{
    spielen(11, 3, { 0, 0, 7 }, [&] {
        for (int i = 1; i <= 10; ++i) {
            tippen("1");
            fenster.Button1->Click();
            tippen("1");
            fenster.Button1->Click();
            if (i < 10) fenster.Button1->Click();
        }
        EXPECT_EQ(caption(), "das ist wohl zu schwer für dich");
        EXPECT_TRUE(fenster.isVisible());
        fenster.Button1->Click();
        EXPECT_FALSE(fenster.isVisible());
    });
}

// The keyboard shows the entry after every key: "0" on an empty entry is refused but leaves "?" in the box.
TEST_F(KetteFensterTest, TheKeyZeroOnAnEmptyEntryShowsTheQuestionMark)
{
    spielen(11, 1, { 2, 1, 7 }, [&] {
        EXPECT_FALSE(grauImKasten(2, true));
        typeText(&fenster, "0");
        EXPECT_EQ(fenster.eingabe().anzeige(), "?");
        EXPECT_TRUE(grauImKasten(2, true));
    });
}
