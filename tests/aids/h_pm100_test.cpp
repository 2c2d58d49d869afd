#include "aids/h_pm100.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/round.h"
#include "shell/fenster.h"
#include "support/keys.h"

#include <QTest>
#include <functional>

namespace {

// A small screen, so that the whole window fits the offscreen one.
constexpr float kSx = 0.78f, kSy = 0.57f;

class Pm100Test : public HilfenfensterTest {
protected:
    Pm100Test()
        : HilfenfensterTest({ kSx, kSy, 0, 0, false })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = 41;
        wahl1 = 0;
        wahl5 = 0;
        wahl7 = 0;
        for (int i = 0; i <= 5; ++i)
            pm100wahl[i] = 0;
    }

    // Runs the aid with `code` and `stufe`; `schritte` drives it, then Esc ends it.
    void lauf(int code, int stufe, const std::function<void(TForm77&)>& schritte)
    {
        programmcode = code;
        wahl1 = shortint((code - 41) % 3);
        wahl5 = byte((code - 41) / 3);
        pm100wahl[code - 41] = shortint(stufe);
        laufen(hilfe, [&] { schritte(hilfe); });
    }

    static QString soll(const TForm77& h) { return h.aktuelleAufgabe().solltext(); }
    static QChar falsch(QChar richtig) { return QChar(u'0' + (richtig.unicode() - u'0') % 9 + 1); }

    TForm77 hilfe;
};

} // namespace

TEST_F(Pm100Test, ASolvedTaskIsTickedAndShowsEveryHelpStepButTheLast)
{
    lauf(41, 3, [&](TForm77& h) {
        EXPECT_EQ(h.aktuelleAufgabe().wieoft, 6);
        EXPECT_EQ(zehner1, h.aktuelleAufgabe().zehner1);
        EXPECT_EQ(tauschtext, h.aktuelleAufgabe().text);
        EXPECT_FALSE(h.weiterbutton->isVisible());
        typeText(&h, soll(h));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 2);
        EXPECT_EQ(eingabenrichtig, 2);
        EXPECT_EQ(hilfestufe, 5);
        EXPECT_EQ(wahl6, 3);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_FALSE(h.rechner->isEnabled());
        EXPECT_FALSE(h.KeyPreview);
        grabToPng(&h, QStringLiteral("pm100_feld_geloest"));
        // Digits do nothing now; Enter starts the next task with another tens digit.
        typeText(&h, QStringLiteral("5"));
        EXPECT_EQ(eingabengesamt, 2);
        const int vorher = h.aktuelleAufgabe().zehner1;
        pressKey(&h, Qt::Key_Return);
        EXPECT_NE(h.aktuelleAufgabe().zehner1, vorher);
        EXPECT_EQ(hilfestufe, 0);
        EXPECT_TRUE(antwort.isEmpty());
        EXPECT_TRUE(h.KeyPreview);
    });
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  2  ~ 100 %  (Ziel: 100 %)");
}

TEST_F(Pm100Test, AWrongSecondDigitGoesAndBringsOneHelpStep)
{
    lauf(44, 5, [&](TForm77& h) {
        const QString s = soll(h);
        typeText(&h, s.left(1));
        EXPECT_EQ(wahl6, 2);
        typeText(&h, QString(falsch(s.at(1))));
        EXPECT_EQ(antwort, s.left(1));
        EXPECT_EQ(wahl6, 2);
        EXPECT_EQ(hilfestufe, 1);
        EXPECT_EQ(aufgabeneingaben, 2);
        EXPECT_EQ(aufgabennoetig, 1);
        // A help press adds the next step; the right digit then solves the task.
        h.Hilfeknopf->Click();
        EXPECT_EQ(hilfestufe, 2);
        EXPECT_EQ(hilfetasten, 1);
        typeText(&h, s.mid(1));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4);
        EXPECT_EQ(eingabenrichtig, 2);
        EXPECT_EQ(hilfestufe, 5);
    });
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 1");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     1");
}

TEST_F(Pm100Test, WrongDigitsUseUpTheHelpAndTheRightOnesStillCount)
{
    wahl7 = 1;
    lauf(42, 2, [&](TForm77& h) {
        ASSERT_EQ(h.aktuelleAufgabe().wieoft, 4);
        // Below the 100 line.
        EXPECT_EQ(h.rechenbox->geometry().topLeft(), QPoint(Round(260 * double(kSx)), Round(290 * double(kSy))));
        const QString s = soll(h);
        typeText(&h, s.left(1));
        for (int i = 1; i <= 4; ++i)
            h.ziffernknopf(falsch(s.at(1)).unicode() - u'0')->Click();
        EXPECT_EQ(hilfestufe, 4);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 5);
        EXPECT_EQ(eingabenrichtig, 1);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_FALSE(h.KeyPreview);
        grabToPng(&h, QStringLiteral("pm100_strahl_hilfe_aufgebraucht"));
    });
}

TEST_F(Pm100Test, WhenTheHelpIsUsedUpEnterGivesTheNextTask)
{
    // By the help key, clicked, and by wrong digits, typed.
    for (const bool perHilfetaste : { true, false }) {
        lauf(41, 3, [&](TForm77& h) {
            const QString s = soll(h);
            if (!perHilfetaste) typeText(&h, s.left(1));
            for (int i = 1; i <= 6; ++i) {
                if (perHilfetaste)
                    QTest::mouseClick(h.Hilfeknopf, Qt::LeftButton);
                else
                    typeText(&h, QString(falsch(s.at(1))));
            }
            ASSERT_TRUE(h.weiterbutton->isVisible());
            EXPECT_EQ(h.focusWidget(), h.weiterbutton);
            pressKey(&h, Qt::Key_Return);
            EXPECT_TRUE(h.isVisible());
            EXPECT_EQ(hilfestufe, 0);
            EXPECT_FALSE(h.weiterbutton->isVisible());
        });
    }
}

TEST_F(Pm100Test, AFirstZeroIsIgnoredAndACompletingTaskIsSolvedByItsOneDigit)
{
    // A variante left behind by another aid does not switch on a seventh help step.
    variante = 1;
    lauf(43, 3, [&](TForm77& h) {
        EXPECT_EQ(h.aktuelleAufgabe().wieoft, 6);
        typeText(&h, QStringLiteral("0"));
        EXPECT_EQ(aufgabeneingaben, 0);
        EXPECT_EQ(hilfestufe, 0);
        typeText(&h, soll(h));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, 1);
        EXPECT_EQ(hilfestufe, 5);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        grabToPng(&h, QStringLiteral("pm100_feld_ergaenzen"));
    });
}

TEST_F(Pm100Test, HelpPressesToTheEndAndTheProtocolLines)
{
    wahl7 = 1;
    lauf(46, 5, [&](TForm77& h) {
        for (int i = 1; i <= 6; ++i)
            h.Hilfeknopf->Click();
        EXPECT_EQ(hilfestufe, 6);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 6);
        EXPECT_EQ(eingabenrichtig, 0);
        EXPECT_FALSE(h.Hilfeknopf->isEnabled());
        grabToPng(&h, QStringLiteral("pm100_strahl_alle_hilfen"));
        // The end button takes the time it is pressed, not that of the last task.
        clockx::TestClock::advance(95 * kSekunde);
    });
    EXPECT_EQ(protzeilen[2], "Programm:              Raum 100  2 gemischte Zehnerzahlen");
    EXPECT_EQ(protzeilen[4], "Hilfe:                 ergänzen am 100er-Strahl");
    EXPECT_EQ(protzeilen[5], "Aufgaben der Form:     36 + __ = 64");
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:35 min");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 0");
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     6");
    EXPECT_FALSE(hilfe.isVisible());
}

TEST_F(Pm100Test, BackInTheHubTheLevelPanelAndStartAreReady)
{
    TForm63& hub = echterHub();
    hub.show();
    hub.Button37->Click(); // the area "+ / -  im Raum bis 100"; Start hides the panel and itself
    hub.optionenZeigen(nullptr);
    hub.startknopf->hide();
    lauf(45, 6, [&](TForm77& h) {
        // The squared paper stands beside the 100 field.
        EXPECT_EQ(h.rechenbox->geometry().topLeft(), QPoint(Round(480 * double(kSx)), Round(160 * double(kSy))));
    });
    EXPECT_TRUE(hub.pm100_22->isVisibleTo(&hub));
    EXPECT_FALSE(hub.pm100_11->isVisibleTo(&hub));
    EXPECT_TRUE(hub.startknopf->isVisibleTo(&hub));
    EXPECT_TRUE(hub.startknopf->isEnabled());
    EXPECT_EQ(hub.focusWidget(), hub.startknopf);
    hub.hide();
}

TEST_F(Pm100Test, TheLastTaskOfTheLimitsEndsTheRunWithTheProtocolDialog)
{
    mindestminuten = 1;
    mindestaufgaben = 1;
    Form dialog;
    Form65 = &dialog;
    int dialoge = 0;
    programmcode = 44;
    pm100wahl[3] = 4;
    Form::setModalDriver([&](Form& f) {
        if (&f == &dialog) {
            ++dialoge;
            return;
        }
        clockx::TestClock::advance(61 * kSekunde);
        typeText(&hilfe, soll(hilfe));
        EXPECT_FALSE(hilfe.isVisible());
    });
    hilfe.showModal();
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(protzeilen[6], "Arbeitszeit:           1:01 min");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_EQ(protzeilen[5], "Aufgaben der Form:     36 + 32 = __");
}
