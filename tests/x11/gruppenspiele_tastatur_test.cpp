// The group games played with the keyboard alone, opened from the games hub through their set-up window: no
// key but Esc ends a player's turn, and the window closes only when every player has had a turn.
#include "games/s_1x1flip.h"
#include "games/s_botsch.h"
#include "games/s_hm.h"
#include "games/s_lvr.h"
#include "games/s_wraten.h"
#include "games/s_zrat.h"
#include "games/sp_haupt.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/surface.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"
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
        std::mt19937 zufall(47u + unsigned(&s - spiele));
        spielen(s, [&](Form& spiel) {
            Button* abbruch = abbruchknopf(spiel);
            ASSERT_NE(abbruch, nullptr);
            for (int i = 0; i < 400; ++i) {
                const Qt::Key taste = randomKey(zufall);
                ASSERT_TRUE(sendKey(taste)) << i;
                ASSERT_TRUE(keinerAbgebrochen()) << "key " << i << " " << std::hex << int(taste);
                if (!spiel.isVisible()) {
                    // The window closes only past the last player's turn.
                    EXPECT_TRUE(dynamic_cast<TForm47&>(*Form47).tabelleOffen()) << i;
                    return;
                }
                ASSERT_NE(keyReceiver(), abbruch) << "key " << i;
            }
        });
    }
}

namespace {

// A key to whatever has the focus; the turn goes on.
#define TASTE(k)                                                                                                       \
    do {                                                                                                               \
        ASSERT_TRUE(sendKey(k));                                                                                       \
        ASSERT_TRUE(keinerAbgebrochen());                                                                              \
    } while (false)

// Characters typed to whatever has the focus.
void tippen(const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, keyReceiver(), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace

// The states of each game by keys only: Enter and Space press what the window offers, during a turn they
// change nothing, and the focus is where the next Enter belongs.
TEST_F(GruppenspielTastatur, enterUndLeertasteTunInJedemZustandWasDasFensterAnbietet)
{
    if (!onXServer()) GTEST_SKIP();
    const auto mitten = { Qt::Key_Return, Qt::Key_Space, Qt::Key_Up, Qt::Key_Left, Qt::Key_Return };
    // Zahlenraten: Ali finds the number with Space between its digits, Bea starts after him.
    spielen(spiele[0], [&](Form& f) {
        auto& s = static_cast<TForm58&>(f);
        for (int spieler = 1; spieler <= 2; ++spieler) {
            ASSERT_EQ(s.zustand(), 2);
            EXPECT_EQ(keyReceiver(), s.startknopf);
            TASTE(Qt::Key_Space); // "los geht's"
            EXPECT_EQ(s.zustand(), 0);
            EXPECT_EQ(keyReceiver(), &s);
            for (Qt::Key k : mitten)
                TASTE(k);
            EXPECT_FALSE(s.startknopf->isVisible());
            for (QChar ziffer : QString::number(s.geheimzahl())) {
                tippen(ziffer);
                TASTE(Qt::Key_Space);
            }
            TASTE(Qt::Key_Return);
            ASSERT_EQ(s.zustand(), 1);
            EXPECT_EQ(spielerstatus[spieler], 0);
            EXPECT_EQ(keyReceiver(), s.startknopf); // "weiter"
            TASTE(Qt::Key_Return);
        }
    });
    // The truth table: a question by its accelerator, a number, Enter; then "weiter" goes off under the focus, and
    // Enter, Space and arrows wait for the next question.
    spielen(spiele[1], [&](Form& f) {
        auto& s = static_cast<TForm58&>(f);
        TASTE(Qt::Key_Return);
        for (int versuch = 0; versuch < 2; ++versuch) {
            QTest::keyClick(keyReceiver(), Qt::Key_G, Qt::AltModifier);
            ASSERT_FALSE(s.kleiner->isEnabled());
            tippen(QStringLiteral("50"));
            TASTE(Qt::Key_Return);
            ASSERT_EQ(keyReceiver(), s.startknopf);
            TASTE(Qt::Key_Return);
            EXPECT_FALSE(s.startknopf->isEnabled());
            EXPECT_EQ(keyReceiver(), &s);
            for (Qt::Key k : mitten)
                TASTE(k);
            EXPECT_TRUE(s.kleiner->isEnabled() && s.gleich->isEnabled() && s.grosser->isEnabled());
            EXPECT_EQ(s.zustand(), 0);
        }
    });
    // The word games: Enter starts, Enter, Space and arrows change nothing while the letters are typed.
    for (int i : { 3, 5 }) {
        spielen(spiele[i], [&](Form& f) {
            const bool botschaft = i == 3;
            const auto zustand
                = [&] { return botschaft ? static_cast<TForm60&>(f).zustand() : static_cast<TForm62&>(f).zustand(); };
            Button* start = f.findChild<Button*>(QStringLiteral("startknopf"));
            for (int spieler = 1; spieler <= 2; ++spieler) {
                ASSERT_EQ(zustand(), 0);
                EXPECT_EQ(keyReceiver(), start);
                TASTE(Qt::Key_Return);
                ASSERT_EQ(zustand(), 4);
                EXPECT_EQ(keyReceiver(), &f);
                // The letters have the keys: their keyboard is framed.
                auto* rahmen = f.findChild<QWidget*>(QStringLiteral("tastenrahmen"));
                ASSERT_TRUE(rahmen && rahmen->isVisible());
                if (botschaft) {
                    // It runs around the table of code numbers, over none of its blue lines and numbers.
                    const QImage tafel = f.surface().image();
                    const QRect r(rahmen->mapTo(&f, QPoint(0, 0)), rahmen->size());
                    int blau = 0;
                    for (int x = r.left(); x <= r.right(); ++x)
                        for (int y : { r.top(), r.bottom() })
                            blau += tafel.pixelColor(x, y) == QColor(Qt::blue);
                    for (int y = r.top(); y <= r.bottom(); ++y)
                        for (int x : { r.left(), r.right() })
                            blau += tafel.pixelColor(x, y) == QColor(Qt::blue);
                    EXPECT_EQ(blau, 0);
                }
                if (spieler == 1) grabToPng(&f, QStringLiteral("buchstaben_tastenrahmen_%1").arg(i));
                for (Qt::Key k : mitten)
                    TASTE(k);
                const QString wort
                    = botschaft ? static_cast<TForm60&>(f).wort().left(5) : static_cast<TForm62&>(f).wort();
                tippen(wort.toLower());
                ASSERT_EQ(zustand(), 1);
                EXPECT_EQ(spielerstatus[spieler], 0);
                EXPECT_EQ(keyReceiver(), start); // "weiter"
                TASTE(Qt::Key_Return);
            }
        });
    }
    // The flipper: Enter shows the first number, Enter and Space answer nothing, the arrows answer.
    spielen(spiele[4], [&](Form& f) {
        auto& s = static_cast<TForm61&>(f);
        EXPECT_EQ(keyReceiver(), s.ScrollBoxEx2);
        TASTE(Qt::Key_Return);
        const int zahl = s.wartendeZahl();
        ASSERT_NE(zahl, 0);
        for (Qt::Key k : { Qt::Key_Return, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return })
            TASTE(k);
        EXPECT_EQ(s.wartendeZahl(), zahl);
        EXPECT_EQ(s.fehler(), 0);
        TASTE(zahl % s.reihe() == 0 ? Qt::Key_Right : Qt::Key_Left);
        EXPECT_EQ(s.fehler(), 0);
        EXPECT_EQ(keyReceiver(), s.ScrollBoxEx2);
    });
    // The path game: Enter starts, Enter and Space change nothing, a wrong arrow offers "von vorn" under Enter.
    spielen(spiele[6], [&](Form& f) {
        auto& s = static_cast<TForm48&>(f);
        TASTE(Qt::Key_Return);
        ASSERT_FALSE(s.Button8->isVisible());
        EXPECT_EQ(keyReceiver(), s.ScrollBoxEx1);
        for (Qt::Key k : { Qt::Key_Return, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return })
            TASTE(k);
        EXPECT_EQ(s.befehlszaehler(), 0);
        TASTE(Qt::Key_Left); // the first command is always "V"
        ASSERT_TRUE(s.Button2->isVisible());
        TASTE(Qt::Key_Space);
        TASTE(Qt::Key_Return);
        EXPECT_FALSE(s.Button2->isVisible());
        EXPECT_EQ(keyReceiver(), s.ScrollBoxEx1);
        TASTE(Qt::Key_Up);
        EXPECT_EQ(s.befehlszaehler(), 1);
    });
}

// Number guessing with the mouse and the keys mixed: a focus the window gave stays through a click on the keypad,
// so a clicked digit and a typed one are followed alike by Enter, and the abort's "weiter" takes Enter as it did.
TEST_F(GruppenspielTastatur, zahlenratenEinGeklickteUndEineGetippteZifferLassenEnterWoEsWar)
{
    if (!onXServer()) GTEST_SKIP();
    spielen(spiele[0], [&](Form& f) {
        auto& s = static_cast<TForm58&>(f);
        // Ali: a digit clicked before "los geht's", then Enter starts the turn.
        ASSERT_EQ(s.zustand(), 2);
        QTest::mouseClick(s.Button5, Qt::LeftButton);
        EXPECT_EQ(keyReceiver(), s.startknopf);
        TASTE(Qt::Key_Return);
        EXPECT_EQ(s.zustand(), 0);
        EXPECT_EQ(s.eingabe(), QStringLiteral("?"));
        // The abort by the mouse, a digit clicked, and Enter presses "weiter": Bea's turn begins.
        QTest::mouseClick(s.EndeButton, Qt::LeftButton);
        ASSERT_EQ(s.zustand(), 1);
        ASSERT_EQ(spielerstatus[1], 500);
        QTest::mouseClick(s.Button5, Qt::LeftButton);
        EXPECT_EQ(keyReceiver(), s.startknopf);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        ASSERT_EQ(s.zustand(), 2);
        EXPECT_EQ(s.eingabe(), QStringLiteral("?")); // nothing clicked meanwhile carries over
        // Bea: a digit typed before "los geht's", then Enter starts the turn as the clicked one did.
        tippen(QStringLiteral("5"));
        EXPECT_EQ(keyReceiver(), s.startknopf);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(s.zustand(), 0);
        // A stray Tab frames "Programm abbrechen"; a clicked answer and Enter answer and do not abort.
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        ASSERT_EQ(keyReceiver(), s.EndeButton);
        const int zahl = s.geheimzahl();
        for (QChar z : QString::number(zahl))
            QTest::mouseClick(s.findChild<Button*>(QStringLiteral("Button%1").arg(z)), Qt::LeftButton);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(s.zustand(), 1);
        EXPECT_EQ(spielerstatus[2], 0);
    });
}

// A stray Tab frames the abort; a letter typed as the answer takes the keys back from it as a clicked one does,
// so Enter goes on with the turn, and Tab goes on from the abort.
TEST_F(GruppenspielTastatur, botschaftenEinGetippterBuchstabeLaesstEnterNichtAbbrechen)
{
    if (!onXServer()) GTEST_SKIP();
    spielen(spiele[3], [&](Form& f) {
        auto& s = static_cast<TForm60&>(f);
        TASTE(Qt::Key_Return); // "los geht's"
        ASSERT_EQ(s.zustand(), 4);
        const QString botschaft = s.wort().left(5);
        for (int k = 0; k < botschaft.size(); ++k) {
            for (int i = 0; i < 10 && keyReceiver() != s.Button31; ++i)
                TASTE(Qt::Key_Tab);
            ASSERT_EQ(keyReceiver(), s.Button31);
            tippen(botschaft.mid(k, 1));
            if (k + 1 == botschaft.size()) break;
            EXPECT_EQ(keyReceiver(), &s) << k;
            TASTE(Qt::Key_Return);
            ASSERT_EQ(s.zustand(), 4) << k;
        }
        // The last letter ends the turn, won: "weiter" takes Enter.
        EXPECT_EQ(s.zustand(), 1);
        EXPECT_EQ(keyReceiver(), s.startknopf);
        EXPECT_EQ(s.fehler(), 0);
        EXPECT_EQ(spielerstatus[1], 0);
    });
}

// With the co-player's number, the guesser's entry is empty when the turn begins: the number never shows.
TEST_F(GruppenspielTastatur, zahlenratenDerRatendeSiehtDieZahlDesMitspielersNicht)
{
    if (!onXServer()) GTEST_SKIP();
    spielen(spiele[2], [&](Form& f) {
        auto& s = static_cast<TForm58&>(f);
        ASSERT_EQ(s.zustand(), 3);
        tippen(QStringLiteral("99"));
        TASTE(Qt::Key_Return);
        ASSERT_EQ(s.zustand(), 2);
        ASSERT_EQ(s.geheimzahl(), 99);
        EXPECT_EQ(s.eingabe(), QStringLiteral("?"));
        tippen(QStringLiteral("5"));
        EXPECT_EQ(s.eingabe(), QStringLiteral("5"));
        QTest::mouseClick(s.Button7, Qt::LeftButton);
        EXPECT_EQ(s.eingabe(), QStringLiteral("57"));
    });
}
