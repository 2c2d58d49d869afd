// A window never shows what another left behind: each decides its set-up from its own state, whichever way the
// window before it closed. Driven through the program's windows as a teacher and pupils meet them, under X.
#include "analyses/f_haupt.h"
#include "analyses/f_prot.h"
#include "analyses/f_sv.h"
#include "analyses/f_sv_vp.h"
#include "games/s_KP.h"
#include "games/s_hm.h"
#include "games/s_hm_logik.h"
#include "games/s_tic.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class Fensterzustand : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        if (!onXServer()) GTEST_SKIP();
        spielhub = dynamic_cast<TForm41*>(Form41);
        aufbau = dynamic_cast<TForm47*>(Form47);
        ASSERT_TRUE(spielhub && aufbau);
    }

    static void klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // The options the group-game set-up shows.
    QList<QWidget*> gezeigteOptionen() const
    {
        QList<QWidget*> liste;
        const QList<QWidget*> alle { aufbau->zr_var, aufbau->zvonwem, aufbau->Bot_RA, aufbau->flip_1x1,
            aufbau->flip_zeit, aufbau->flip_hinweis, aufbau->wortwahl, aufbau->wr_zeigen, aufbau->WR_Bot_Zeit,
            aufbau->lvr1panel, aufbau->lvr2panel };
        for (QWidget* w : alle)
            if (w->isVisible()) liste << w;
        return liste;
    }

    // The set-up of "Botschaften" as its game draws it: its title, its options, the names, no table.
    void botschaftenPruefen(const QString& bild)
    {
        EXPECT_EQ(aufbau->titelpanel->caption(), s_hm::titel(6));
        EXPECT_EQ(gezeigteOptionen(), QList<QWidget*>({ aufbau->Bot_RA, aufbau->WR_Bot_Zeit }));
        EXPECT_TRUE(aufbau->spielerpanel->isVisible());
        EXPECT_FALSE(aufbau->sieger->isVisible());
        EXPECT_FALSE(aufbau->dokuflip->isVisible());
        grabToPng(aufbau, bild);
    }

    TForm41* spielhub = nullptr;
    TForm47* aufbau = nullptr;
};

} // namespace

TEST_F(Fensterzustand, nachDerAbgebrochenenSubtraktionsanalyseZeigtBotschaftenSeinenAufbau)
{
    auto* fhub = dynamic_cast<TForm30*>(Form30);
    auto* setup = dynamic_cast<TForm39*>(Form39);
    auto* lauf = dynamic_cast<TForm40*>(Form40);
    auto* protokoll = dynamic_cast<TForm36*>(Form36);
    ASSERT_TRUE(fhub && setup && lauf && protokoll);
    // The flipper's set-up seen first: a set-up skipped later would show its panels.
    int spiel = 7;
    bool beantwortet = false, geprueft = false;
    zeigen(Form1, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f == Form1) {
            spielhub->showModal();
            fhub->showModal();
            spiel = 6;
            spielhub->showModal();
        } else if (&f == fhub) {
            klick(fhub->Button4); // schriftliche Subtraktion
            klick(fhub->Button10);
        } else if (&f == setup) {
            QTest::keyClicks(setup->n_ohne, "Anna");
            klick(setup->Button2);
            klick(setup->Button10);
        } else if (&f == lauf) {
            // One task answered by keys, then the run ended with the mouse.
            klick(lauf->Button15);
            ASSERT_TRUE(lauf->lauf().aufgabeOffen());
            const QString loesung = lauf->lauf().aufgabe().loesungstext();
            for (int i = int(loesung.size()) - 1; i >= 0; --i)
                ASSERT_TRUE(sendKey(Qt::Key(Qt::Key_0 + loesung[i].digitValue())));
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            beantwortet = !lauf->lauf().aufgabeOffen();
            klick(lauf->Button1);
        } else if (&f == protokoll) {
            klick(protokoll->Button2);
        } else if (&f == spielhub) {
            klick(spielhub->spielknopf(spiel));
            klick(spielhub->Button10);
        } else if (&f == aufbau) {
            if (spiel == 6) {
                botschaftenPruefen(QStringLiteral("fensterzustand_botschaften"));
                geprueft = true;
            } else {
                EXPECT_EQ(aufbau->titelpanel->caption(), s_hm::titel(7));
            }
            klick(aufbau->Button10);
        }
    });
    EXPECT_TRUE(beantwortet);
    EXPECT_TRUE(lauf->protokollGeschrieben());
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// The two launchers show a game's rules in place of its options. A launcher closed while its rules show (here by
// the program body, as any closing other than its own button) leaves neither itself nor the other launcher on
// the rules.
TEST_F(Fensterzustand, einLauncherDerBeiDenRegelnSchlossLaesstKeinenLauncherBeiDenRegeln)
{
    auto* knobeln = dynamic_cast<TForm42*>(Form42);
    auto* partner = dynamic_cast<TForm44*>(Form44);
    ASSERT_TRUE(knobeln && partner);
    const int folge[] = { 3, 9, 3, 9, 3 }; // tic-tac-toe, the number chain
    int schritt = 0;
    zeigen(spielhub, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f == spielhub) {
            for (schritt = 0; schritt < int(std::size(folge)); ++schritt)
                klick(spielhub->spielknopf(folge[schritt]));
        } else if (&f == partner) {
            SCOPED_TRACE(schritt);
            EXPECT_FALSE(partner->Anleitungtic->isVisible());
            EXPECT_TRUE(partner->Panel2->isVisible());
            EXPECT_TRUE(partner->Button2->isVisible());
            klick(partner->Button4); // "Anleitung lesen"
            ASSERT_TRUE(partner->Anleitungtic->isVisible());
            ASSERT_FALSE(partner->Button2->isVisible());
        } else if (&f == knobeln) {
            SCOPED_TRACE(schritt);
            EXPECT_FALSE(knobeln->infoKette->isVisible());
            EXPECT_TRUE(knobeln->Panelkette1->isVisible());
            EXPECT_TRUE(knobeln->Button1->isVisible() && knobeln->Button2->isVisible());
            grabToPng(knobeln, QStringLiteral("fensterzustand_knobeln"));
            klick(knobeln->Button1); // "Info"
            ASSERT_TRUE(knobeln->infoKette->isVisible());
        }
    });
    EXPECT_FALSE(partner->regelnOffen());
    EXPECT_FALSE(knobeln->regelnOffen());
}

// A finished game's winner table stays in the set-up window until Start, "o.k." or "zurück"; a set-up window
// closed otherwise with the table in view opens next time on the names and the options of the game chosen.
TEST_F(Fensterzustand, eineGewinnertabelleBleibtNichtUeberDasSchliessenDesAufbausHinaus)
{
    int spiel = 7;
    zeigen(spielhub, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f == spielhub) {
            klick(spielhub->spielknopf(7));
            spiel = 6;
            ASSERT_TRUE(waitActive(spielhub));
            klick(spielhub->spielknopf(6));
        } else if (&f == aufbau && spiel == 7) {
            // The flipper's last turn is over, as the game ends it.
            aufbau->spielende(true);
            ASSERT_TRUE(aufbau->tabelleOffen());
            ASSERT_TRUE(aufbau->sieger->isVisible() && aufbau->dokuflip->isVisible());
        } else if (&f == aufbau) {
            botschaftenPruefen(QStringLiteral("fensterzustand_botschaften_nach_tabelle"));
        }
    });
    EXPECT_FALSE(aufbau->tabelleOffen());
}
