// "SV 1" driven as a pupil drives it: typed tasks, carries by key and button, messages, help, show, the
// exchanges of code 84, the end and its protocol lines.

#include "aids/h_sv1.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "support/keys.h"

#include <functional>

namespace {

constexpr float kSx = 0.78f, kSy = 0.57f;

class Sv1Test : public HilfenfensterTest {
protected:
    Sv1Test()
        : HilfenfensterTest({ kSx, kSy, 0, 0, true })
    {
    }

    // Runs the aid with `code` and level `stufe`; `schritte` drives it, then Esc ends it.
    void lauf(int code, int stufe, const std::function<void(TForm79&)>& schritte)
    {
        programmcode = code;
        wahl7 = shortint(stufe);
        stufentext = QStringLiteral(" zwei Überträge");
        Form::setModalDriver([&](Form& f) {
            if (&f == &dialog) {
                ++dialoge;
                return;
            }
            if (&f != &hilfe) return;
            schritte(hilfe);
            if (hilfe.isVisible()) pressKey(&hilfe, Qt::Key_Escape);
        });
        hilfe.showModal();
    }

    // The characters the pupil types for the task on show: blanks skipped, in code 84 the carries too.
    static QString tippen(const TForm79& h)
    {
        const QString w = h.schritte().wahltext;
        QString t;
        for (int s = w.size(); s >= 1; --s)
            if (w.at(s - 1) != u' ' && !(programmcode == 84 && s % 2 == 0)) t += w.at(s - 1);
        return t;
    }
    static QString meldung(const TForm79& h) { return h.meldung().texte().join(u'|'); }

    TForm79 hilfe;
    int dialoge = 0;
};

} // namespace

TEST_F(Sv1Test, EveryCodeIsTypedFromTheUnitsCarriesByKeyAndTickedWhenSolved)
{
    for (int code : { 81, 82, 83, 84 }) {
        SCOPED_TRACE(code);
        lauf(code, 4, [&](TForm79& h) {
            EXPECT_EQ(h.Button10->isVisible(), code != 84);
            EXPECT_EQ(h.tauschbutton->isVisible(), code == 84);
            EXPECT_FALSE(h.zeigebutton->isEnabled());
            EXPECT_FALSE(h.weiterbutton->isVisible());
            grabToPng(&h, QStringLiteral("sv1_%1_neu").arg(code));
            const QString t = tippen(h);
            EXPECT_EQ(t.size(), code == 84 ? 3 : 5);
            typeText(&h, t);
            EXPECT_EQ(anzahl, 1);
            EXPECT_EQ(eingabengesamt, t.size());
            EXPECT_EQ(eingabenrichtig, t.size());
            EXPECT_TRUE(h.weiterbutton->isVisible());
            EXPECT_EQ(h.focusWidget(), h.weiterbutton);
            EXPECT_FALSE(h.rechner->isEnabled());
            EXPECT_FALSE(h.Hilfebutton->isEnabled());
            EXPECT_FALSE(h.tauschbutton->isVisible());
            EXPECT_FALSE(h.KeyPreview);
            grabToPng(&h, QStringLiteral("sv1_%1_geloest").arg(code));
            // Keys do nothing now; Enter brings the next task.
            typeText(&h, QStringLiteral("5ü"));
            EXPECT_EQ(eingabengesamt, t.size());
            pressKey(&h, Qt::Key_Return);
            EXPECT_FALSE(h.weiterbutton->isVisible());
            EXPECT_EQ(h.schritte().schrittzeiger, 5);
            EXPECT_EQ(aufgabeneingaben, 0);
            EXPECT_TRUE(h.KeyPreview);
        });
        EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    }
}

TEST_F(Sv1Test, WrongCharactersGetTheirMessageAndEnterOrSpaceDoNothing)
{
    lauf(81, 4, [&](TForm79& h) {
        const QString w = h.schritte().wahltext;
        // Enter and Space mid-task press nothing: no input, no end.
        pressKey(&h, Qt::Key_Return);
        pressKey(&h, Qt::Key_Space);
        EXPECT_TRUE(h.isVisible());
        EXPECT_EQ(aufgabeneingaben, 0);
        typeText(&h, QStringLiteral("Ü"));
        EXPECT_EQ(meldung(h), "zu Beginn gibt es keinen Übertrag");
        typeText(&h, w.right(1));
        EXPECT_EQ(h.schritte().schrittzeiger, 4);
        // A "1" at a carry: the carry key is meant, and it gets the focus.
        h.ziffernknopf(1)->Click();
        EXPECT_EQ(meldung(h), "für den Übertrag:  tippe 'Ü' oder drücke 'Ü 1'");
        EXPECT_EQ(h.focusWidget(), h.Button10);
        grabToPng(&h, QStringLiteral("sv1_81_meldung"));
        h.Button10->Click();
        EXPECT_EQ(h.schritte().schrittzeiger, 3);
        typeText(&h, QStringLiteral("ü"));
        EXPECT_EQ(meldung(h), "der Übertrag steht schon da");
        const int falsch = (w.at(2).unicode() - u'0' + 1) % 10;
        h.ziffernknopf(falsch)->Click();
        EXPECT_EQ(meldung(h), QStringLiteral("Die %1 war falsch. Rechne neu oder hole Hilfe.").arg(falsch));
        grabToPng(&h, QStringLiteral("sv1_81_falsch"));
        EXPECT_EQ(aufgabeneingaben, 6);
        EXPECT_EQ(aufgabennoetig, 2);
        EXPECT_TRUE(h.isVisible());
    });
    // The inputs of a task count once it is solved; code 81 has no show button.
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  0");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[12], "       Zeigetaste:     entfällt");
}

TEST_F(Sv1Test, HelpAndShowAreCountedAndShowTypesNothing)
{
    for (int code : { 81, 82, 83 }) {
        SCOPED_TRACE(code);
        lauf(code, 4, [&](TForm79& h) {
            h.Hilfebutton->Click();
            EXPECT_FALSE(h.Hilfebutton->isEnabled());
            EXPECT_EQ(h.zeigebutton->isEnabled(), code != 81);
            // Code 82 shows the sum with the gap's "?", the others point where to type.
            EXPECT_EQ(h.meldung().texte().contains("tippe"), code != 82);
            grabToPng(&h, QStringLiteral("sv1_%1_hilfe").arg(code));
            if (code != 81) {
                h.zeigebutton->Click();
                EXPECT_FALSE(h.zeigebutton->isEnabled());
                EXPECT_TRUE(h.meldung().texte().contains(h.schritte().wahltext.right(1)));
                grabToPng(&h, QStringLiteral("sv1_%1_zeigen").arg(code));
            }
            EXPECT_EQ(h.schritte().schrittzeiger, 5);
            typeText(&h, tippen(h));
            EXPECT_EQ(anzahl, 1);
            EXPECT_EQ(eingabengesamt, 5 + (code == 81 ? 1 : 2));
            EXPECT_EQ(eingabenrichtig, 5);
        });
        EXPECT_EQ(
            protzeilen[9], QStringLiteral("davon: richtig/nötig:  5  ~ %1 %  (Ziel: 100 %)").arg(code == 81 ? 83 : 71));
        EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
        EXPECT_EQ(protzeilen[11], "       Hilfetaste:     1");
        EXPECT_EQ(protzeilen[12], code == 81 ? "       Zeigetaste:     entfällt" : "       Zeigetaste:     1");
    }
    EXPECT_EQ(protzeilen[2], "Programm:              schriftlich ");
    EXPECT_EQ(protzeilen[4], "Rechenart:             HZE - HZE, ergänzen");
    EXPECT_EQ(protzeilen[5], "Schwierigkeitsgrad:    zwei Überträge");
}

TEST_F(Sv1Test, CodeEightyFourExchangesByButtonOrByTheRightDigit)
{
    // Level 5: the ten exchange makes the hundred exchange necessary.
    lauf(84, 5, [&](TForm79& h) {
        const sv1::Ziffern vorher = h.aktuelleAufgabe().z;
        ASSERT_LT(vorher.c[sv1::E], vorher.b[sv1::E]);
        // "ü" still reaches the check, though the carry key is hidden.
        typeText(&h, QStringLiteral("ü"));
        EXPECT_EQ(meldung(h), "zu Beginn gibt es keinen Übertrag");
        h.Hilfebutton->Click();
        EXPECT_TRUE(h.tauschbutton->isEnabled());
        EXPECT_EQ(h.focusWidget(), h.tauschbutton);
        EXPECT_FALSE(h.zeigebutton->isEnabled());
        grabToPng(&h, QStringLiteral("sv1_84_tauschen_angeboten"));
        h.tauschbutton->Click();
        EXPECT_EQ(h.tauschstand(), 44);
        EXPECT_FALSE(h.tauschbutton->isEnabled());
        EXPECT_TRUE(h.Hilfebutton->isEnabled());
        EXPECT_EQ(h.aktuelleAufgabe().z.c[sv1::E], vorher.c[sv1::E] + 10);
        grabToPng(&h, QStringLiteral("sv1_84_zehner_getauscht"));
        const QString t = tippen(h);
        typeText(&h, t.left(1));
        EXPECT_EQ(h.schritte().schrittzeiger, 3);
        typeText(&h, QStringLiteral("ü"));
        EXPECT_EQ(meldung(h), "es gab keinen Übertrag");
        // The right tens digit exchanges the hundred itself.
        typeText(&h, t.mid(1, 1));
        EXPECT_EQ(h.aktuelleAufgabe().z.c[sv1::H], vorher.c[sv1::H] - 1);
        grabToPng(&h, QStringLiteral("sv1_84_hunderter_getauscht"));
        typeText(&h, t.mid(2));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, 3);
    });
    EXPECT_EQ(protzeilen[4], "Rechenart:             HZE - HZE, tauschen");
}

TEST_F(Sv1Test, AMinuendWithoutTensIsExchangedTwiceInOneGo)
{
    bool gesehen = false;
    for (int versuch = 0; versuch < 40 && !gesehen; ++versuch)
        lauf(84, 6, [&](TForm79& h) {
            const sv1::Ziffern z = h.aktuelleAufgabe().z;
            if (z.c[sv1::Z] != 0 || z.c[sv1::E] >= z.b[sv1::E]) return;
            gesehen = true;
            h.Hilfebutton->Click();
            h.tauschbutton->Click();
            EXPECT_EQ(h.meldung().texte().size(), 3);
            EXPECT_EQ(h.aktuelleAufgabe().z.c[sv1::Z], 9);
            grabToPng(&h, QStringLiteral("sv1_84_doppelt_getauscht"));
            typeText(&h, tippen(h));
            EXPECT_EQ(anzahl, 1);
        });
    EXPECT_TRUE(gesehen);
}

TEST_F(Sv1Test, ARunWithoutASolvedTaskEndsWithNoDialog)
{
    mindestminuten = 1;
    mindestaufgaben = 2;
    lauf(82, 0, [&](TForm79&) { clockx::TestClock::advance(75 * kSekunde); });
    EXPECT_EQ(dialoge, 0);
    EXPECT_FALSE(hilfe.isVisible());
    // The working time is that of the last solved task.
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           0:00 min");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  0");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      0");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  0  ~ 0 %  (Ziel: 100 %)");
}

TEST_F(Sv1Test, TheLastTaskOfTheLimitsEndsTheRunWithTheProtocolDialog)
{
    mindestminuten = 1;
    mindestaufgaben = 1;
    lauf(81, 0, [&](TForm79& h) {
        clockx::TestClock::advance(65 * kSekunde);
        typeText(&h, tippen(h));
        EXPECT_FALSE(h.isVisible());
    });
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:05 min");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  3  ~ 100 %  (Ziel: 100 %)");
}
