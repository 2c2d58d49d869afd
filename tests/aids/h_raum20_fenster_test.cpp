// The aid window for sums up to 20, driven as a pupil would: digits on the keyboard and the keypad, the help
// button, the next-task button and "Programm abbrechen"; the counters, the protocol lines and the hub's focus
// afterwards.

#include "aids/h_raum20.h"
#include "aids/hilfenfixture.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "shell/fenster.h"
#include "support/keys.h"

#include <functional>

namespace {

class Raum20Fenster : public HilfenfensterTest {
protected:
    Raum20Fenster()
        // No protocol dialog: a run that ends here just closes the window.
        : HilfenfensterTest({ 0.79f, 0.55f, 0, 0, false })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        wahltext = "1 2 + 3 4 = 5 6 ";
        for (int i = 2; i <= 12; ++i)
            protzeilen[i] = QString();
    }

    // A pool of the given codes a*10+b, as the hub leaves it.
    void vorrat(int code, std::initializer_list<int> codes)
    {
        programmcode = code;
        int n = 0;
        for (int c : codes)
            aufgabencodes[++n] = c;
        vorratsgroesse = n;
        nummer = n;
    }

    // Shows the aid and lets `schritte` work in it; the window closes when they are done at the latest.
    void ausfuehren(TForm69& f, const std::function<void()>& schritte)
    {
        Form::setModalDriver([&](Form& shown) {
            if (&shown == &f) schritte();
        });
        f.showModal();
        Form::setModalDriver({});
    }

    QRgb pixel(TForm69& f, int x, int y)
    {
        const QPoint p = punkt(x, y);
        return f.canvas().pixel(p.x(), p.y()).rgb() & 0xffffff;
    }
};

} // namespace

TEST_F(Raum20Fenster, ARightAnswerCompletesThePictureTicksTheTaskAndOffersTheNextOne)
{
    vorrat(21, { 34 }); // 3 + 4
    TForm69 f;
    EXPECT_EQ(f.caption(), "+/-  im Raum 20");
    ausfuehren(f, [&] {
        EXPECT_EQ(variante, 21);
        EXPECT_EQ(sollwert, 7);
        EXPECT_EQ(wieoft, 5);
        EXPECT_TRUE(f.KeyPreview);
        EXPECT_FALSE(f.nocheinebutton->isVisible());

        typeText(&f, QStringLiteral("7"));
        EXPECT_EQ(hilfestufe, 5);
        EXPECT_FALSE(f.KeyPreview);
        EXPECT_FALSE(f.Rechner->isEnabled());
        EXPECT_TRUE(f.nocheinebutton->isVisible());
        EXPECT_EQ(f.focusWidget(), f.nocheinebutton);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 1);
        EXPECT_EQ(eingabenrichtig, 1);
        // The answer in the box, the right column full, and the red tick beside the box.
        EXPECT_EQ(pixel(f, 531 + 23, 650 - 360), 0xff0000u);
        EXPECT_EQ(pixel(f, 637, 776), 0xff0000u);
        grabToPng(&f, QStringLiteral("h_raum20_geloest"));

        // Enter is "noch eine Aufgabe?": the pool of one comes again.
        pressKey(&f, Qt::Key_Return);
        EXPECT_FALSE(f.nocheinebutton->isVisible());
        EXPECT_TRUE(f.KeyPreview);
        EXPECT_EQ(hilfestufe, 0);
        EXPECT_EQ(pixel(f, 531 + 23, 650), 0xffffffu); // the work area was wiped
        pressKey(&f, Qt::Key_Escape);
    });
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Raum20Fenster, WrongDigitsShowHelpStepsUntilThePictureIsComplete)
{
    vorrat(22, { 34 }); // 7 - 4 = 3: four steps
    TForm69 f;
    ausfuehren(f, [&] {
        for (int i = 1; i <= 3; ++i) {
            typeText(&f, QStringLiteral("5"));
            EXPECT_EQ(hilfestufe, i);
            EXPECT_TRUE(antwort.isEmpty());
            EXPECT_TRUE(f.KeyPreview);
        }
        grabToPng(&f, QStringLiteral("h_raum20_hilfe_drei_schritte"));
        // The keypad's own buttons do what the keys do.
        f.tastenfeld->ziffer(9)->Click();
        EXPECT_EQ(hilfestufe, 4);
        EXPECT_FALSE(f.KeyPreview);
        EXPECT_FALSE(f.Rechner->isEnabled());
        EXPECT_TRUE(f.nocheinebutton->isVisible());
        EXPECT_EQ(f.focusWidget(), f.nocheinebutton);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4);
        EXPECT_EQ(eingabenrichtig, 0);
        // A task that is over takes no more digits.
        typeText(&f, QStringLiteral("3"));
        EXPECT_EQ(eingabengesamt, 4);
        EXPECT_EQ(anzahl, 1);
    });
}

TEST_F(Raum20Fenster, ATwoDigitAnswerWantsItsTensFirst)
{
    vorrat(31, { 75 }); // 7 + 5 = 12
    TForm69 f;
    ausfuehren(f, [&] {
        typeText(&f, QStringLiteral("2"));
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_TRUE(antwort.isEmpty());
        EXPECT_TRUE(enthaelt(f, QRect(490, 925, 125, 30), 0x008080u)); // "Zehner zuerst!"
        grabToPng(&f, QStringLiteral("h_raum20_zehner_zuerst"));

        typeText(&f, QStringLiteral("1"));
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_EQ(antwort, "1");
        typeText(&f, QStringLiteral("3"));
        EXPECT_EQ(hilfestufe, 2);
        EXPECT_EQ(antwort, "1");
        typeText(&f, QStringLiteral("2"));
        EXPECT_EQ(hilfestufe, 5);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4);
        EXPECT_EQ(eingabenrichtig, 2);
        grabToPng(&f, QStringLiteral("h_raum20_zwanzigerfeld_geloest"));
    });
}

TEST_F(Raum20Fenster, EnterAndTheSpaceBarPressNothingWhileATaskRuns)
{
    vorrat(25, { 34 });
    TForm69 f;
    ausfuehren(f, [&] {
        pressKey(&f, Qt::Key_Return);
        pressKey(&f, Qt::Key_Space);
        pressKey(&f, Qt::Key_Backspace);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(aufgabeneingaben, 0);
        EXPECT_EQ(hilfestufe, 0);
        EXPECT_FALSE(f.nocheinebutton->isVisible());
        // Esc ends the run, during a task as after it.
        pressKey(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
}

TEST_F(Raum20Fenster, TheEndButtonWritesTheProtocolWithTheRealWorkingTime)
{
    vorrat(12, { 23 }); // 5 = 2 + ?
    TForm69 f;
    ausfuehren(f, [&] {
        clockx::TestClock::advance(20 * kSekunde);
        typeText(&f, QStringLiteral("3"));
        EXPECT_EQ(anzahl, 1);
        // The pupil looks at the picture for a while before ending.
        clockx::TestClock::advance(75 * kSekunde);
        f.Endebutton->Click();
    });
    EXPECT_EQ(protzeilen[2], "Programm:              zerlegen (mit Beinchen)");
    EXPECT_EQ(protzeilen[3], "Vorgaben:              0 Minute(n), 0 Aufgabe(n)");
    EXPECT_EQ(protzeilen[4], "zu zerlegende Zahlen:  5 6 ");
    EXPECT_EQ(protzeilen[5], "         zerlegen in:  1 2 + 3 4 ");
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:35 min");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      1");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  1  ~ 100 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     0");
    EXPECT_EQ(protzeilen[12], "");
}

TEST_F(Raum20Fenster, ARunWithoutAFinishedTaskStillHasItsWorkingTime)
{
    vorrat(25, { 34 });
    TForm69 f;
    ausfuehren(f, [&] {
        clockx::TestClock::advance(42 * kSekunde);
        pressKey(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(protzeilen[2], "Programm:              plus (am Zehnerstrahl)");
    EXPECT_EQ(protzeilen[4], "Zahlenvorrat:          1 2 + 3 4 ");
    EXPECT_EQ(protzeilen[5], "                       = 5 6 ");
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           0:42 min");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  0");
}

TEST_F(Raum20Fenster, UsedUpHelpEndsTheTaskAndCountsNoWrongInputs)
{
    vorrat(13, { 63 }); // 9 = 6 + ?: four steps
    TForm69 f;
    ausfuehren(f, [&] {
        for (int i = 1; i <= 4; ++i)
            f.Hilfebutton->Click();
        EXPECT_EQ(hilfetasten, 4);
        EXPECT_EQ(anzahl, 1);
        EXPECT_FALSE(f.Hilfebutton->isEnabled());
        EXPECT_FALSE(f.KeyPreview);
        EXPECT_EQ(f.focusWidget(), f.nocheinebutton);
        grabToPng(&f, QStringLiteral("h_raum20_zehnerfeld_hilfe"));
        pressKey(&f, Qt::Key_Return);
        EXPECT_TRUE(f.Hilfebutton->isEnabled());
        typeText(&f, QStringLiteral("3"));
        pressKey(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  2");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      5");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  1  ~ 20 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     4");
}

TEST_F(Raum20Fenster, TheRunEndsByItselfOnlyAfterTheSolvedTaskWasCounted)
{
    mindestminuten = 1;
    mindestaufgaben = 1;
    vorrat(21, { 34 });
    TForm69 f;
    ausfuehren(f, [&] {
        clockx::TestClock::advance(10 * kSekunde);
        typeText(&f, QStringLiteral("7"));
        pressKey(&f, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible()); // one task, but not yet a minute
        // Both limits are reached while the second task is solved; it is counted before the run ends.
        clockx::TestClock::advance(60 * kSekunde);
        typeText(&f, QStringLiteral("7"));
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(anzahl, 2);
        pressKey(&f, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  2");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  2  ~ 100 %  (Ziel: 100 %)");
}

TEST_F(Raum20Fenster, MischungInTheTenFramesAlsoGivesDecompositionsAndTheProtocolFollowsTheLastTask)
{
    vorrat(24, { 34, 25, 61 });
    TForm69 f;
    QSet<int> typen;
    ausfuehren(f, [&] {
        for (int i = 0; i < 40; ++i) {
            typen.insert(variante);
            if (i > 10 && (variante == 12 || variante == 13)) break;
            f.Hilfebutton->Click();
            while (f.Hilfebutton->isEnabled())
                f.Hilfebutton->Click();
            pressKey(&f, Qt::Key_Return);
        }
        pressKey(&f, Qt::Key_Escape);
    });
    EXPECT_TRUE(typen.contains(12) || typen.contains(13));
    EXPECT_TRUE(typen.contains(21) || typen.contains(22) || typen.contains(23));
    EXPECT_FALSE(typen.contains(24));
    EXPECT_EQ(protzeilen[2], "Programm:              Mischung (im Zehnerfeld)");
    EXPECT_EQ(protzeilen[4], "zu zerlegende Zahlen:  5 6 ");
}

TEST_F(Raum20Fenster, ClosingGivesTheFocusBackToTheButtonThatStartedTheExercise)
{
    TForm63& hub = echterHub();
    vorrat(12, { 23 });
    TForm69 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown == &hub) {
            SetFocus(hub.Button1);
            f.showModal();
            EXPECT_TRUE(hub.gbRaum20->isVisible());
            EXPECT_EQ(hub.focusWidget(), hub.Button24);
        } else if (&shown == &f) {
            pressKey(&f, Qt::Key_Escape);
        }
    });
    hub.showModal();
}

TEST_F(Raum20Fenster, WithoutAPoolOrWithAForeignCodeTheWindowClosesAtOnce)
{
    vorrat(21, {});
    TForm69 f;
    int gezeigt = 0;
    ausfuehren(f, [&] { ++gezeigt; });
    EXPECT_EQ(gezeigt, 0);
    EXPECT_FALSE(f.isVisible());

    vorrat(41, { 34 });
    ausfuehren(f, [&] { ++gezeigt; });
    EXPECT_EQ(gezeigt, 0);
}
