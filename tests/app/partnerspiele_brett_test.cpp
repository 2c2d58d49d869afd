#include "games/s_abraum.h"
#include "games/s_tic.h"
#include "games/s_vg_100.h"
#include "games/s_vgspiel.h"
#include "games/s_ziele.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/keys.h"
#include "support/programm.h"

#include <QTest>

// Four in a row (hundred field and game version), clearing the nines and jump into the target, played
// through the program's own windows.
class BrettspieleTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = dynamic_cast<TForm41*>(Form41);
        einrichtung = dynamic_cast<TForm44*>(Form44);
        hundert = dynamic_cast<TForm54*>(Form54);
        spielversion = dynamic_cast<TForm55*>(Form55);
        abraeumen = dynamic_cast<TForm57*>(Form57);
        ziele = dynamic_cast<TForm59*>(Form59);
        ASSERT_TRUE(hub && einrichtung && hundert && spielversion && abraeumen && ziele);
        letztersieger = 0;
        spielername1 = "ROT";
        spielername2 = "BLAU";
    }
    void TearDown() override
    {
        UnpinRandomSeed();
        ProgrammTest::TearDown();
    }

    TForm41* hub = nullptr;
    TForm44* einrichtung = nullptr;
    TForm54* hundert = nullptr;
    TForm55* spielversion = nullptr;
    TForm57* abraeumen = nullptr;
    TForm59* ziele = nullptr;
};

// ---- Four in a row in the hundred field ----

TEST_F(BrettspieleTest, HundredFieldFromTheHubFourInARowBesetztAndThreeSets)
{
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button2->Click();
        } else if (&f == einrichtung) {
            QTest::mouseClick(einrichtung->RadioGroup1->button(0), Qt::LeftButton); // 'sanfte' Regel
            einrichtung->Button2->Click();
            EXPECT_FALSE(mousetrap::current().has_value());
            einrichtung->Button1->Click();
        } else if (&f == hundert) {
            EXPECT_EQ(mausbereich.left, qRound(696 * skala_x));
            EXPECT_EQ(mausbereich.bottom, qRound(1100 * skala_y));
            EXPECT_TRUE(mousetrap::current().has_value());
            const auto tippen = [&](const QString& zahl) {
                typeText(hundert, zahl);
                pressKey(hundert, Qt::Key_Return);
            };
            // Whoever begins, red gets 45, 46, 47 and 48; blue plays the bottom row.
            if (amzug == "blau") tippen("100");
            typeText(hundert, "045");
            EXPECT_EQ(hundert->eingabe(), "45"); // the keyboard refuses a leading 0
            pressKey(hundert, Qt::Key_Return);
            const QString blau = amzug;
            tippen("45"); // occupied: 'sanfte' keeps the mover
            EXPECT_EQ(QString(amzug), blau);
            variante = 1; // 'scharfe': the turn passes
            tippen("45");
            EXPECT_EQ(QString(amzug), "rot");
            variante = 0;
            tippen("101"); // out of range: nothing happens, the input stays
            EXPECT_EQ(hundert->eingabe(), "101");
            for (int k = 0; k < 3; ++k)
                pressKey(hundert, Qt::Key_Backspace);
            tippen("46");
            tippen("91");
            tippen("47");
            hundert->tasten->ziffer(0)->Click(); // the button takes a leading 0
            typeText(hundert, "92");
            EXPECT_EQ(hundert->eingabe(), "092");
            pressKey(hundert, Qt::Key_Return);
            tippen("48");
            EXPECT_EQ(gewonnen, 5);
            EXPECT_EQ(hundert->linie(), QLine(319, 454, 517, 454));
            EXPECT_EQ(punkte1, 1);
            EXPECT_FALSE(hundert->tasten->Rechner->isVisible());
            EXPECT_TRUE(hundert->Button12->isVisible());
            grabToPng(hundert, "s_vg_100_satz");
            tippen("50"); // a decided set takes no stone by key
            EXPECT_EQ(hundert->brett().an(4, 10), 0);
            // Two more sets for red: the rising diagonal 10, 19, 28, 37.
            for (int satz = 2; satz <= 3; ++satz) {
                pressKey(hundert, Qt::Key_Return); // Enter continues
                EXPECT_FALSE(hundert->Button12->isVisible());
                if (amzug == "blau") tippen("100");
                for (const char* z : { "10", "91", "19", "93", "28", "95" })
                    tippen(z);
                tippen("37");
                EXPECT_EQ(gewonnen, 13);
            }
            EXPECT_EQ(hundert->Button12->caption(), "Rückspiel?");
            grabToPng(hundert, "s_vg_100_ende");
            hundert->Button12->Click();
            EXPECT_EQ(punkte1 + punkte2, 0);
            EXPECT_EQ(hundert->Button12->caption(), "weiter");
            pressKey(hundert, Qt::Key_Escape);
            EXPECT_FALSE(mousetrap::current().has_value());
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, einrichtung, hundert }));
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).contains("vg100\r\n0\r\n"));
}

// ---- Four in a row, game version ----

namespace {

// Moves the hanging stone from slot 4 to `slot` by the arrow keys and drops it.
void einwerfen(TForm55* f, int slot)
{
    for (int s = 4; s > slot; --s)
        pressKey(f, Qt::Key_Left);
    for (int s = 4; s < slot; ++s)
        pressKey(f, Qt::Key_Right);
    pressKey(f, Qt::Key_Down);
}

// A set won by `farbe` with four stacked in slot 1, the other player's stones in slots 2 and 3.
void satzFuer(TForm55* f, const QString& farbe)
{
    if (amzug == farbe) {
        for (int k = 0; k < 3; ++k) {
            einwerfen(f, 1);
            einwerfen(f, 2);
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            einwerfen(f, 2);
            einwerfen(f, 1);
        }
        einwerfen(f, 3);
    }
    einwerfen(f, 1);
}

} // namespace

TEST_F(BrettspieleTest, GameVersionDropsLinesFullBoardAndAGameWonByYellow)
{
    spielername2 = "GELB";
    zeigen(spielversion, [&](Form&) {
        auto* f = spielversion;
        EXPECT_EQ(f->haengtUeber(), 4);
        EXPECT_EQ(f->focusWidget(), f->ScrollBoxEx1);
        const QString erster = amzug;
        for (int k = 0; k < 3; ++k)
            pressKey(f, Qt::Key_Return); // Enter drops too
        EXPECT_EQ(f->brett().an(4, 6), erster == "rot" ? 1 : 2);
        EXPECT_NE(f->brett().an(4, 5), f->brett().an(4, 6));
        EXPECT_EQ(f->brett().an(4, 4), f->brett().an(4, 6));
        EXPECT_EQ(f->brett().an(4, 3), 0);
        pressKey(f, Qt::Key_Left);
        grabToPng(f, "s_vgspiel_haengt");
        f->Button1->Click();
    });

    PinRandomSeed(1);
    zeigen(spielversion, [&](Form&) {
        auto* f = spielversion;
        // Red in slots 1, 2, 3 of row 6, yellow above them, then red into slot 4.
        if (amzug != "rot") einwerfen(f, 7);
        for (int s = 1; s <= 3; ++s) {
            einwerfen(f, s);
            einwerfen(f, s);
        }
        f->Button5->Click(); // the hand buttons move too
        f->Button2->Click();
        f->Button4->Click();
        EXPECT_EQ(gewonnen, 5);
        EXPECT_EQ(f->linie(), QLine(275, 750, 500, 750));
        EXPECT_EQ(f->bandtext(), "   1 Punkt für ROT   ");
        EXPECT_EQ(punkte1, 1);
        EXPECT_FALSE(f->Button4->isEnabled());
        grabToPng(f, "s_vgspiel_satz");
        f->Button3->Click();
        satzFuer(f, "blau");
        EXPECT_EQ(gewonnen, 4);
        // 42 stones without four: a new board, the other colour above slot 4, no point.
        f->Button3->Click();
        const int p1 = punkte1, p2 = punkte2;
        const QString beginnt = amzug;
        for (int s : { 1, 4, 1, 7, 2, 4, 1, 6, 5, 2, 2, 2, 2, 3, 5, 4, 6, 3, 4, 4, 2, 1, 1, 6, 4, 1, 3, 7, 7, 3, 3, 7,
                 7, 5, 7, 3, 5, 5, 6, 6, 5, 6 })
            einwerfen(f, s);
        EXPECT_EQ(gewonnen, 0);
        EXPECT_EQ(f->steine(), 0);
        EXPECT_EQ(f->haengtUeber(), 4);
        EXPECT_EQ(QString(amzug), beginnt); // the other colour than the 42nd stone's
        EXPECT_EQ(punkte1 + punkte2, p1 + p2);
        satzFuer(f, "blau");
        f->Button3->Click();
        satzFuer(f, "blau");
        EXPECT_EQ(f->Button3->caption(), "Rückspiel?");
        grabToPng(f, "s_vgspiel_ende");
        f->Button3->Click();
        EXPECT_EQ(punkte1 + punkte2, 0);
        EXPECT_EQ(f->Button3->caption(), "weiter");
        EXPECT_TRUE(f->Button4->isEnabled());
        pressKey(f, Qt::Key_Escape);
    });
}

// ---- Clearing the nines ----

TEST_F(BrettspieleTest, ClearingNinesBlocksOutsideTheLineAndScoresByTheRule)
{
    spieloption = 0; // wer abräumt, gewinnt
    zeigen(abraeumen, [&](Form& f) {
        auto* a = abraeumen;
        const auto frei = [&] {
            QList<int> l;
            for (int n = 1; n <= 9; ++n)
                if (a->zahl(n)->isEnabled()) l << n;
            return l;
        };
        EXPECT_FALSE(a->Button10->isEnabled());
        EXPECT_EQ(a->zugtext(), QString(amzug == "rot" ? "ROT" : "BLAU") + " nimmt weg");
        QTest::keyClick(&f, '1'); // digit keys take the numbers
        EXPECT_EQ(frei(), (QList<int> { 2, 3, 4, 7 }));
        a->zahl(2)->Click();
        EXPECT_EQ(frei(), (QList<int> { 3 }));
        grabToPng(a, "s_abraum_gesperrt");
        a->Button10->Click();
        EXPECT_EQ(frei(), (QList<int> { 3, 4, 5, 6, 7, 8, 9 }));
        a->zahl(5)->Click();
        EXPECT_EQ(frei(), (QList<int> { 4, 6, 8 }));
        a->Button10->Click();
        // Row by row; returns the colour of the player who cleared the board.
        const auto satz = [&] {
            QString clearer;
            for (int zeile = 0; zeile < 3; ++zeile) {
                if (!a->zahl(3 * zeile + 1)->isEnabled() && !a->zahl(3 * zeile + 2)->isEnabled()
                    && !a->zahl(3 * zeile + 3)->isEnabled())
                    continue;
                for (int n = 3 * zeile + 1; n <= 3 * zeile + 3; ++n)
                    if (a->zahl(n)->isEnabled()) a->zahl(n)->Click();
                clearer = amzug;
                a->Button10->Click();
            }
            return clearer;
        };
        // "gewinnt": the clearer scores, the other begins the next set.
        while (gewonnen != 2) {
            const int p1 = punkte1, p2 = punkte2;
            const QString clearer = satz();
            EXPECT_EQ(punkte1 - p1, clearer == "rot" ? 1 : 0);
            EXPECT_EQ(punkte2 - p2, clearer == "rot" ? 0 : 1);
            if (gewonnen == 1) {
                EXPECT_EQ(a->zugtext(), "1 Punkt für " + QString(clearer == "rot" ? "ROT" : "BLAU"));
                a->Button10->Click();
                EXPECT_NE(QString(amzug), clearer);
            }
            ASSERT_LE(punkte1 + punkte2, 5);
        }
        EXPECT_EQ(a->Button10->caption(), "Rückspiel?");
        EXPECT_TRUE(a->zugtext().contains(" gewinnt gegen "));
        grabToPng(a, "s_abraum_ende");
        a->Button10->Click();
        EXPECT_EQ(punkte1 + punkte2, 0);
        EXPECT_EQ(a->Button10->caption(), "fertig");
        // "verliert": the other scores, the clearer begins.
        spieloption = 1;
        const QString clearer = satz();
        EXPECT_EQ(clearer == "rot" ? punkte2 : punkte1, 1);
        a->Button10->Click();
        EXPECT_EQ(QString(amzug), clearer);
        pressKey(&f, Qt::Key_Escape);
    });
}

// ---- Jump into the target ----

TEST_F(BrettspieleTest, TargetBackwardForTwoPlayersAndTheSetUpKeepsTheNumbers)
{
    PinRandomSeed(5);
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button26->Click();
        } else if (&f == einrichtung) {
            QTest::mouseClick(einrichtung->Richtung->button(1), Qt::LeftButton);
            einrichtung->edit3->setText("3");
            einrichtung->Edit4->setText("45");
            einrichtung->Button2->Click();
            EXPECT_EQ(einrichtung->edit3->text(), "3");
            EXPECT_EQ(einrichtung->Edit4->text(), "45");
            EXPECT_EQ(zwzahl2, 3);
            EXPECT_EQ(zwzahl3, 45);
            einrichtung->Button1->Click();
        } else if (&f == ziele) {
            auto* z = ziele;
            const int m = z->m();
            EXPECT_NE(42 % (m + 1), 0);
            const DesignGrid g(skala_x, skala_y);
            EXPECT_EQ(z->GroupBox1->geometry(), g.rect(492 - 35 * m, 600, 70 * m + 15, 170));
            for (int k = 1; k <= 9; ++k)
                EXPECT_EQ(z->sprung(k)->isVisible(), k <= m) << k;
            EXPECT_EQ(z->start(), 45);
            EXPECT_EQ(z->position(), 45);
            typeText(&f, "2");
            EXPECT_EQ(z->position(), 43);
            EXPECT_FALSE(z->sprung(1)->isEnabled());
            grabToPng(z, "s_ziele_sprung");

            // Big jumps until someone lands on 3 or jumps past it.
            int saetze = 0;
            bool vorbei = false;
            while (gewonnen != 5) {
                if (gewonnen == 0 && z->sprung(1)->isEnabled()) {
                    // Even sets land on the target, odd ones jump past it.
                    const int rest = z->position() - 3;
                    if (saetze % 2 == 0)
                        z->sprung(qMin(m, rest))->Click();
                    else
                        z->sprung(rest == m ? 1 : m)->Click();
                } else {
                    if (gewonnen == 2) {
                        const int p = punkte1 + punkte2;
                        z->Button10->Click();
                        EXPECT_EQ(z->zugtext(), "kein Punkt");
                        EXPECT_EQ(punkte1 + punkte2, p);
                        vorbei = true;
                    }
                    if (gewonnen == 4) ++saetze;
                    z->Button10->Click();
                }
                ASSERT_LT(saetze, 30);
            }
            EXPECT_TRUE(vorbei);
            EXPECT_TRUE(z->zugtext().endsWith(" hat gewonnen"));
            EXPECT_EQ(z->Button10->caption(), "Rückspiel?");
            grabToPng(z, "s_ziele_ende");
            z->Button10->Click();
            EXPECT_EQ(punkte1 + punkte2, 0);
            EXPECT_EQ(z->position(), 45);
            EXPECT_EQ(z->Button10->caption(), "weiter");
            z->Button11->Click();
        }
    });
}

TEST_F(BrettspieleTest, TheSmartComputerBeatsCarelessJumpsAndLosesToMultiples)
{
    variante = 0;
    zwzahl2 = 7;
    zwzahl3 = 45;
    spieloption = 2;
    spielername2 = "PC";
    for (const bool geschickt : { false, true }) {
        PinRandomSeed(geschickt ? 11 : 12);
        zeigen(ziele, [&](Form&) {
            auto* z = ziele;
            const int m = z->m();
            while (gewonnen != 5) {
                EXPECT_EQ(QString(amzug), "rot"); // the human begins every set
                const int rest = z->ziel() - z->position();
                z->sprung(geschickt && rest % (m + 1) ? rest % (m + 1) : 1)->Click();
                while (gewonnen != 5 && !(gewonnen == 0 && z->sprung(1)->isEnabled()))
                    z->Button10->Click();
            }
            EXPECT_EQ(geschickt ? punkte1 : punkte2, 3);
            EXPECT_EQ(geschickt ? punkte2 : punkte1, 0);
            if (!geschickt) EXPECT_EQ(z->zugtext(), "PC hat gewonnen");
            z->Button10->Click();
            EXPECT_EQ(QString(amzug), "rot");
            z->Button11->Click();
        });
    }
}
