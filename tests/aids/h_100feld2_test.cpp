#include "aids/h_100feld2.h"
#include "aids/h_100feld_logik.h"
#include "aids/hilfenfixture.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/keys.h"

#include <QTest>

namespace {

class TForm66Test : public HilfenfensterTest {
protected:
    TForm66Test()
        // No protocol dialog: a run that ends here just closes the window.
        : HilfenfensterTest({ 0.79f, 0.55f, 0, 0, false })
    {
    }

    // The next task asks for this number: the bag holds only it, and "noch eine Aufgabe?" is pressed.
    static void naechsteAufgabe(TForm66& f, int zahl)
    {
        vorratsgroesse = 1;
        zahlenbeutel[1] = byte(zahl);
        f.nocheinebutton->Click();
        ASSERT_EQ(zielzahl, zahl);
    }

    // Whether anything in a colour was drawn in a rectangle of the form (design units).
    static bool farbeIn(TForm66& f, const QColor& farbe, int links, int oben, int rechts, int unten)
    {
        const DesignGrid g(skala_x, skala_y);
        for (int y = g.y(oben); y < g.y(unten); ++y)
            for (int x = g.x(links); x < g.x(rechts); ++x)
                if (f.canvas().pixel(x, y) == farbe) return true;
        return false;
    }
};

} // namespace

TEST_F(TForm66Test, NamingJudgesEachDigitTensFirstAndCountsHelpOnlyWhenItShowedSomething)
{
    programmcode = 18;
    TForm66 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f != &feld) return;
        EXPECT_EQ(feld.caption(), "100erFeld2");
        EXPECT_TRUE(mousetrap::current().has_value());
        EXPECT_FALSE(feld.tastenfeld->Button13->isEnabled());
        EXPECT_FALSE(feld.Randbitte->isVisible());
        EXPECT_TRUE(feld.tastenfeld->Hilfebutton->isVisible());

        // 47: the units first is "Zehner zuerst!" and help step 1, 37 above the cell.
        naechsteAufgabe(feld, 47);
        typeText(&feld, "7");
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_TRUE(zifferneingabe.isEmpty());
        EXPECT_TRUE(farbeIn(feld, clBlack, 109 + 54 * 6 - 20, 37 + 80 * 4, 109 + 54 * 6 + 20, 77 + 80 * 4));
        typeText(&feld, "4");
        EXPECT_EQ(hilfestufe, 2);
        EXPECT_EQ(aufgabennoetig, 1);
        grabToPng(&feld, QStringLiteral("h_100feld2_nennen"));
        typeText(&feld, "7");
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 3);
        EXPECT_EQ(eingabenrichtig, 2);
        EXPECT_TRUE(feld.nocheinebutton->isVisible());
        EXPECT_FALSE(feld.KeyPreview);
        grabToPng(&feld, QStringLiteral("h_100feld2_nennen_geloest"));

        // 5: help step 1 has nothing to show and is not counted; step 2 shows 15.
        naechsteAufgabe(feld, 5);
        feld.tastenfeld->Hilfebutton->Click();
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_EQ(aufgabeneingaben, 0);
        EXPECT_EQ(hilfetasten, 0);
        feld.tastenfeld->Hilfebutton->Click();
        EXPECT_EQ(aufgabeneingaben, 1);
        EXPECT_EQ(hilfetasten, 1);
        typeText(&feld, "0"); // a first 0 is refused: 5 does not end in 0
        EXPECT_EQ(aufgabeneingaben, 1);
        typeText(&feld, "35");
        EXPECT_EQ(anzahl, 2);

        // 5 again: a wrong digit reaches the empty help step 1; it stays a wrong input and is no help press.
        naechsteAufgabe(feld, 5);
        typeText(&feld, "3");
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_EQ(aufgabeneingaben, 1);
        EXPECT_EQ(hilfetasten, 1);
        typeText(&feld, "5");
        EXPECT_EQ(anzahl, 3);
        pressKey(&feld, Qt::Key_Escape);
    });
    feld.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              im 100er-Feld: Zahl nennen");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   ---");
    EXPECT_EQ(protzeilen[5], "");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  3");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      8");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  4  ~ 50 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 3");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste(n):  1");
    EXPECT_EQ(protzeilen[12], "");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(TForm66Test, AssigningShowsBlueCellsAndItsHelpPictures)
{
    programmcode = 19;
    TForm66 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f != &feld) return;
        naechsteAufgabe(feld, 37);
        EXPECT_TRUE(farbeIn(feld, clBlue, 89 + 54 * 6, 112 + 80 * 3, 129 + 54 * 6, 167 + 80 * 3)); // 37
        EXPECT_TRUE(farbeIn(feld, clYellow, 89 + 54 * 7, 112 + 80 * 3, 129 + 54 * 7, 167 + 80 * 3)); // 38
        EXPECT_FALSE(farbeIn(feld, clRed, 50, 495, 656, 505));
        feld.tastenfeld->Hilfebutton->Click();
        EXPECT_TRUE(farbeIn(feld, clRed, 50, 495, 656, 505)); // the red line under the fifth row
        typeText(&feld, "7"); // the units first
        EXPECT_EQ(hilfestufe, 2);
        grabToPng(&feld, QStringLiteral("h_100feld2_zuordnen"));
        typeText(&feld, "37");
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, 2);
        EXPECT_EQ(hilfetasten, 1);
        grabToPng(&feld, QStringLiteral("h_100feld2_zuordnen_geloest"));

        // Help pressed to the end: the task counts as done, the answer is shown in red.
        naechsteAufgabe(feld, 64);
        for (int i = 0; i < 5; ++i)
            feld.tastenfeld->Hilfebutton->Click();
        EXPECT_EQ(anzahl, 2);
        EXPECT_EQ(hilfestufe, 6);
        EXPECT_EQ(hilfetasten, 6);
        EXPECT_FALSE(feld.tastenfeld->Hilfebutton->isEnabled());
        feld.endebutton->Click();
    });
    feld.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              im 100er-Feld: Menge/Zahl-Zuordnung");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      9");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  2  ~ 22 %  (Ziel: 100 %)");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 1");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste(n):  6");
}

TEST_F(TForm66Test, SnakesTakeTheWholeNumberAndRevealOneCellForEachWrongAnswer)
{
    programmcode = 110;
    variante = 2;
    for (int i = 0; i <= 4; ++i)
        wahlbytes[i] = byte(i + 3);
    wahltext = "3 4 5 6 7";
    protzeilen[5] = "Richtungen: + und x";
    TForm66 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f != &feld) return;
        // No cursor trap for the snakes; no help button, but border and cross.
        EXPECT_FALSE(mousetrap::current().has_value());
        EXPECT_FALSE(feld.tastenfeld->Hilfebutton->isVisible());
        EXPECT_TRUE(feld.Randbitte->isVisible());
        EXPECT_TRUE(feld.tastenfeld->Button13->isEnabled());
        EXPECT_EQ(feld.focusWidget(), feld.agbox);
        EXPECT_EQ(zielzahl, auswahl1[sollwert]);

        // A snake whose end can be written the wrong way round.
        for (int i = 0; i < 500 && (zielzahl < 10 || zielzahl % 10 == 0 || zielzahl % 10 == zielzahl / 10); ++i)
            feld.nocheinebutton->Click();
        const int ende = zielzahl;
        ASSERT_TRUE(ende >= 10 && ende % 10 != 0 && ende % 10 != ende / 10) << ende;
        const QString verdreht = QString::number((ende % 10) * 10 + ende / 10);

        typeText(&feld, verdreht);
        pressKey(&feld, Qt::Key_Return);
        EXPECT_EQ(hilfestufe, 1); // the second cell is shown
        EXPECT_EQ(aufgabeneingaben, 3);
        EXPECT_TRUE(zifferneingabe.isEmpty());
        EXPECT_EQ(anzahl, 0);
        pressKey(&feld, Qt::Key_R, Qt::AltModifier); // "&Rand"
        EXPECT_FALSE(feld.Randbitte->isEnabled());
        EXPECT_EQ(hilfetasten, 1);
        EXPECT_EQ(aufgabeneingaben, 4);
        grabToPng(&feld, QStringLiteral("h_100feld2_schlange"));

        // Three digits at most; a fourth is dropped and not counted; backspace takes a digit back.
        typeText(&feld, "1234");
        EXPECT_EQ(zifferneingabe, "123");
        EXPECT_EQ(aufgabeneingaben, 7);
        for (int i = 0; i < 3; ++i)
            pressKey(&feld, Qt::Key_Backspace);
        EXPECT_TRUE(zifferneingabe.isEmpty());
        EXPECT_EQ(aufgabeneingaben, 4);

        typeText(&feld, QString::number(ende));
        pressKey(&feld, Qt::Key_Return);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4 + 3);
        EXPECT_EQ(eingabenrichtig, 3);
        EXPECT_EQ(hilfetasten, 1); // border and cross of the right answer are not counted
        EXPECT_FALSE(feld.Randbitte->isVisible());
        EXPECT_TRUE(feld.nocheinebutton->isVisible());
        grabToPng(&feld, QStringLiteral("h_100feld2_schlange_geloest"));

        // The next snake by mouse; Enter then checks the answer, it does not end the run.
        QTest::mouseClick(feld.nocheinebutton, Qt::LeftButton);
        EXPECT_EQ(feld.focusWidget(), feld.agbox);
        const QString richtig = QString::number(zielzahl);
        typeText(&feld, richtig);
        pressKey(&feld, Qt::Key_Return);
        EXPECT_TRUE(feld.isVisible());
        EXPECT_EQ(anzahl, 2);
        pressKey(&feld, Qt::Key_Escape);
        EXPECT_EQ(eingabengesamt, 7 + richtig.size() + 1);
    });
    feld.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              im 100er-Feld: Schlangen");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   Länge(n): 3 4 5 6 7");
    EXPECT_EQ(protzeilen[5], QString(23, u' ') + "Richtungen: + und x");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 3");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste(n):  1");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(TForm66Test, AfterTheSnakesTheHubsButtonHasTheFocus)
{
    TForm63& hub = echterHub();
    for (int i = 0; i <= 4; ++i)
        wahlbytes[i] = byte(i + 3);
    TForm66 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f == &hub) {
            hub.Button1->Click(); // the area "Zahlbegriff"
            SetFocus(hub.Button1);
            programmcode = 110;
            feld.showModal();
        } else if (&f == &feld) {
            pressKey(&feld, Qt::Key_Escape);
        }
    });
    hub.showModal();
    EXPECT_EQ(hub.focusWidget(), hub.Button21);
}

TEST_F(TForm66Test, WithNoSnakeLengthAllowedNoTaskIsSet)
{
    programmcode = 110;
    variante = 0;
    for (int i = 0; i <= 4; ++i)
        wahlbytes[i] = 255;
    TForm66 feld;
    Form::setModalDriver([&](Form& f) {
        if (&f != &feld) return;
        EXPECT_FALSE(feld.tastenfeld->Rechner->isEnabled());
        EXPECT_FALSE(feld.Randbitte->isVisible());
        EXPECT_FALSE(feld.nocheinebutton->isVisible());
        typeText(&feld, "12");
        pressKey(&feld, Qt::Key_Return);
        EXPECT_EQ(aufgabeneingaben, 0);
        grabToPng(&feld, QStringLiteral("h_100feld2_keine_laenge"));
        pressKey(&feld, Qt::Key_Escape);
    });
    feld.showModal();
    EXPECT_FALSE(feld.isVisible());
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  0");
}
