// The group games played with the keyboard alone, opened from the games hub through their set-up window: no
// key but Esc ends a player's turn, and the window closes only when every player has had a turn.
#include "games/s_hm.h"
#include "games/s_zrat.h"
#include "games/sp_haupt.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Spiel {
    const char* name;
    int code;
    // Options of the set-up window, by item index; -1 leaves the group as it is.
    int variante;
    bool zahlVomMitspieler;
};

const Spiel spiele[] = {
    { "Zahlenraten ohne Hilfen", 5, 0, false },
    { "Zahlenraten Wahrheitstabelle", 5, 1, false },
    { "Zahlenraten 100er-Feld vom Mitspieler", 5, 2, true },
    { "Botschaften", 6, 0, false },
    { "Flipper", 7, 0, false },
    { "Wörterraten", 8, 13, false },
    { "links vorwärts rechts 1", 18, -1, false },
    { "links vorwärts rechts 2", 19, -1, false },
};

bool keinerAbgebrochen()
{
    for (int p = 1; p <= 5; ++p)
        if (spielerstatus[p] == 500) return false;
    return true;
}

// The button that aborts a turn: the window's Cancel button.
Button* abbruchknopf(Form& f)
{
    for (Button* b : f.findChildren<Button*>())
        if (b->Cancel) return b;
    return nullptr;
}

Qt::Key zufallstaste(std::mt19937& zufall)
{
    static const Qt::Key feste[] = { Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Space, Qt::Key_Left,
        Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backspace };
    const int n = int(std::size(feste));
    const int k = int(zufall() % unsigned(n + 4));
    if (k < n) return feste[k];
    if (k < n + 2) return Qt::Key(Qt::Key_0 + int(zufall() % 10));
    return Qt::Key(Qt::Key_A + int(zufall() % 26));
}

class GruppenspielTastatur : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        clockx::TestClock::install(45000.0);
    }
    void TearDown() override
    {
        clockx::TestClock::uninstall();
        ProgrammTest::TearDown();
    }

    // Opens game `s` from the hub for three players; `imSpiel` runs in the game window once it is active.
    void spielen(const Spiel& s, const std::function<void(Form&)>& imSpiel)
    {
        auto* hub = dynamic_cast<TForm41*>(Form41);
        auto* aufbau = dynamic_cast<TForm47*>(Form47);
        ASSERT_TRUE(hub && aufbau);
        bool gespielt = false;
        zeigen(hub, [&](Form& f) {
            if (&f == hub) {
                ASSERT_TRUE(waitActive(hub));
                QTest::mouseClick(hub->spielknopf(s.code), Qt::LeftButton);
            } else if (&f == aufbau) {
                ASSERT_TRUE(waitActive(aufbau));
                Edit* felder[] = { aufbau->Edit1, aufbau->Edit2, aufbau->Edit3, aufbau->Edit4, aufbau->Edit5 };
                const QStringList namen { "Ali", "Bea", "Cem" };
                for (int k = 0; k < 5; ++k) {
                    felder[k]->clear();
                    QTest::keyClicks(felder[k], namen.value(k));
                }
                RadioGroup* gruppe = nullptr;
                switch (s.code) {
                case 5:
                    gruppe = aufbau->zr_var;
                    break;
                case 6:
                    gruppe = aufbau->Bot_RArten;
                    break;
                case 7:
                    gruppe = aufbau->flip_welche;
                    break;
                case 8:
                    gruppe = aufbau->wortwahl;
                    break;
                default:
                    break;
                }
                if (gruppe && s.variante >= 0) QTest::mouseClick(gruppe->button(s.variante), Qt::LeftButton);
                if (s.code >= 18) {
                    for (int i = 0; i < 4; ++i)
                        aufbau->Lage->setSelected(i, true);
                    aufbau->Lage->OnClick();
                }
                if (s.code == 5)
                    QTest::mouseClick(aufbau->zvonwem->button(s.zahlVomMitspieler ? 1 : 0), Qt::LeftButton);
                RadioGroup* zeit = s.code == 7 ? aufbau->flip_zeiten : aufbau->WR_Bot_LVR_Zeit;
                QTest::mouseClick(zeit->button(3), Qt::LeftButton);
                // Enter in the set-up window starts the game.
                ASSERT_TRUE(sendKey(Qt::Key_Return));
                EXPECT_TRUE(gespielt);
            } else {
                ASSERT_TRUE(waitActive(&f));
                gespielt = true;
                imSpiel(f);
            }
        });
    }
};

} // namespace

// Each game from its first key to its end with a few hundred random keys: the window stays open until every
// player has had a turn, no turn ends as aborted, and the arrows never put the abort under Enter.
TEST_F(GruppenspielTastatur, zufaelligeTastenBrechenKeinenZugAb)
{
    if (!onXServer()) GTEST_SKIP();
    for (const Spiel& s : spiele) {
        SCOPED_TRACE(s.name);
        std::mt19937 zufall(47u + unsigned(s.code));
        spielen(s, [&](Form& spiel) {
            Button* abbruch = abbruchknopf(spiel);
            ASSERT_NE(abbruch, nullptr);
            for (int i = 0; i < 400; ++i) {
                const Qt::Key taste = zufallstaste(zufall);
                ASSERT_TRUE(sendKey(taste)) << i;
                ASSERT_TRUE(keinerAbgebrochen()) << "key " << i << " " << std::hex << int(taste);
                if (!spiel.isVisible()) {
                    // The window closes only past the last player's turn.
                    EXPECT_EQ(merker2, 1) << i;
                    return;
                }
                ASSERT_NE(keyReceiver(), abbruch) << "key " << i;
            }
        });
    }
}
