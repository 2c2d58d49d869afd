// The puzzle and partner games played by keys alone, opened from the games hub through their launcher, as a
// pupil meets them: Enter, Space and the arrows never close a game, and do what the game's state asks.
#include "games/s_2nachbar.h"
#include "games/s_KP.h"
#include "games/s_bufeld.h"
#include "games/s_kette.h"
#include "games/s_masch.h"
#include "games/s_pyra.h"
#include "games/s_tic.h"
#include "games/s_vg_100.h"
#include "games/s_vgspiel.h"
#include "games/s_zauber.h"
#include "games/s_zeichziff.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <random>

namespace {

struct Spiel {
    const char* name;
    int nummer;
    // The radio item the launcher's mode group gets (-1: as "sw.ina" left it).
    int modus = -1;
};

RadioGroup* modusgruppe(TForm42* kp, int nummer)
{
    switch (nummer) {
    case 9:
    case 11:
        return kp->RadioGroup5;
    case 20:
    case 21:
        return kp->RadioGroup2;
    case 13:
        return kp->RadioGroup4;
    case 22:
        return kp->RadioGroup9; // 1: the number supply hidden, typed on the keypad
    default:
        return nullptr;
    }
}

// A key as the pupil types it: sent to whatever has the focus, and what it set going (a repaint) done
// before the next one.
bool taste(Qt::Key key)
{
    if (!sendKey(key)) return false;
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class SpieleTastaturTest : public ProgrammTest {
protected:
    // Opens game `spiel` from the hub: a click on its button, the launcher's mode item chosen by a click, then
    // Enter on Start ("Knobeln und Planen") or a click on it ("Partnerspiele"); the game window goes to
    // `spielen`, active.
    void spielen(const Spiel& spiel, const std::function<void(Form&)>& spielen)
    {
        if (!onXServer()) GTEST_SKIP();
        auto* hub = dynamic_cast<TForm41*>(Form41);
        Form* fenster = spielfenster(spiel.nummer);
        bool gespielt = false;
        zeigen(hub, [&](Form& f) {
            ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
            if (&f == hub) {
                QTest::mouseClick(hub->spielknopf(spiel.nummer), Qt::LeftButton);
            } else if (auto* kp = dynamic_cast<TForm42*>(&f)) {
                if (RadioGroup* g = modusgruppe(kp, spiel.nummer); g && spiel.modus >= 0)
                    QTest::mouseClick(g->button(spiel.modus), Qt::LeftButton);
                ASSERT_TRUE(taste(Qt::Key_Return));
            } else if (auto* partner = dynamic_cast<TForm44*>(&f)) {
                QTest::mouseClick(partner->Button2, Qt::LeftButton);
            } else if (&f == fenster) {
                gespielt = true;
                spielen(f);
            }
        });
        EXPECT_TRUE(gespielt) << spiel.name;
        EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    }

    // Keys one after the other; false (with the key's place) once the game window is no longer open.
    static ::testing::AssertionResult tasten(Form& spiel, std::initializer_list<Qt::Key> folge)
    {
        int i = 0;
        for (Qt::Key k : folge) {
            if (!taste(k)) return ::testing::AssertionFailure() << "no window active before key " << i;
            if (!spiel.isVisible()) return ::testing::AssertionFailure() << "closed by key " << i;
            ++i;
        }
        return ::testing::AssertionSuccess();
    }
};

// ---- One long random key sequence per game ----

class ZufallstastenTest : public SpieleTastaturTest, public ::testing::WithParamInterface<Spiel> { };

TEST_P(ZufallstastenTest, keineTasteSchliesstDasSpiel)
{
    const Spiel spiel = GetParam();
    spielen(spiel, [&](Form& f) {
        // Enter and Space as the very first keys, then at random.
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Space, Qt::Key_Return }));
        std::mt19937 zufall(uint32_t(spiel.nummer * 100 + spiel.modus + 1));
        for (int i = 0; i < 400; ++i) {
            const Qt::Key k = randomKey(zufall);
            ASSERT_TRUE(taste(k)) << "key " << i;
            ASSERT_TRUE(f.isVisible()) << spiel.name << ": closed by key " << i << " (" << QTest::toString(k) << ")";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Spiele, ZufallstastenTest,
    ::testing::Values(Spiel { "buntesFeld", 13 }, Spiel { "Kette4_selberRechnen", 9, 1 },
        Spiel { "Kette5_Startzahlen", 11, 3 }, Spiel { "Kette4_Zielzahl", 9, 2 }, Spiel { "Pyramide3_Zielzahl", 21, 0 },
        Spiel { "Pyramide4_Startzahl", 20, 3 }, Spiel { "Zauberquadrate", 22, 1 }, Spiel { "ZeichenFuerZiffern", 4 },
        Spiel { "Maschine", 12 }, Spiel { "Maschinen", 1 }, Spiel { "Nachbarn2", 14 }, Spiel { "Nachbarn3", 15 },
        Spiel { "Nachbarn4", 16 }, Spiel { "VierGewinntSpiel", 17 }, Spiel { "VierGewinnt100", 2 },
        Spiel { "TicTacToe", 3 }, Spiel { "FuenfzehnGewinnt", 25 }, Spiel { "NeunerAbraeumen", 24 },
        Spiel { "Ziele", 26 }),
    [](const ::testing::TestParamInfo<Spiel>& info) { return std::string(info.param.name); });

// ---- The states in which a key used to end a game ----

namespace {

Qt::Key zifferntaste(QChar c)
{
    return Qt::Key(Qt::Key_0 + c.digitValue());
}

// The digits of `zahl`, typed.
bool tippen(int zahl)
{
    for (QChar c : QString::number(zahl))
        if (!taste(zifferntaste(c))) return false;
    return true;
}

// `aenderung` done while a message is in front of the game; then the game is active again.
::testing::AssertionResult hinterEinerMeldung(Form& spiel, const std::function<void()>& aenderung)
{
    QMessageBox meldung(
        QMessageBox::Critical, QStringLiteral("Fehler"), QStringLiteral("Meldung"), QMessageBox::Ok, &spiel);
    meldung.show();
    if (!waitActive(&meldung)) return ::testing::AssertionFailure() << "the message never became active";
    aenderung();
    meldung.accept();
    spiel.activateWindow(); // as a window manager does (Xvfb runs none)
    if (!waitActive(&spiel)) return ::testing::AssertionFailure() << "the game never became active again";
    QCoreApplication::processEvents();
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(SpieleTastaturTest, pyramideEnterGehtZurEingabeUndNachDerLoesungZurNeuenAufgabe)
{
    for (const Spiel& spiel : { Spiel { "Pyramide3_Zielzahl", 21, 0 }, Spiel { "Pyramide4_Startzahl", 20, 3 } }) {
        spielen(spiel, [&](Form& f) {
            auto* p = static_cast<TForm50*>(&f);
            EXPECT_EQ(keyReceiver(), p);
            ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Space, Qt::Key_Right, Qt::Key_Return }));
            EXPECT_EQ(p->versuch(), 1);
            const auto& z = p->zellen();
            const int richtig = spiel.modus == 0 ? z[7] : z[size_t(p->versteckt())];
            // A wrong number first: Enter is the keypad's Enter.
            ASSERT_TRUE(tippen(richtig + 1));
            ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
            EXPECT_EQ(p->versuch(), 2);
            ASSERT_TRUE(tippen(richtig));
            ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
            EXPECT_TRUE(p->Button1->isVisible());
            EXPECT_EQ(keyReceiver(), p->Button1);
            ASSERT_TRUE(tasten(f, { Qt::Key_Left, Qt::Key_Up, Qt::Key_Return }));
            EXPECT_FALSE(p->Button1->isVisible());
            EXPECT_EQ(p->versuch(), 1);
        });
    }
}

TEST_F(SpieleTastaturTest, ketteSelberRechnenEnterOhneRichtigeZahlTutNichts)
{
    spielen(Spiel { "Kette4_selberRechnen", 9, 1 }, [&](Form& f) {
        auto* k = static_cast<TForm49*>(&f);
        const int glied = k->glieder()[2];
        EXPECT_EQ(keyReceiver(), k);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Space }));
        ASSERT_TRUE(tippen(glied + 1));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Down, Qt::Key_Return }));
        EXPECT_FALSE(k->Button1->isEnabled());
        EXPECT_EQ(keyReceiver(), k);
        ASSERT_TRUE(tasten(f, { Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace }));
        ASSERT_TRUE(tippen(glied));
        EXPECT_EQ(keyReceiver(), k->Button1);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        // The next member waits for its number, and the focus is back with the window.
        EXPECT_FALSE(k->Button1->isEnabled());
        EXPECT_EQ(keyReceiver(), k);
    });
}

TEST_F(SpieleTastaturTest, ketteStartzahlenNachDemZehntenFalschenPaarSchliesstKeineTaste)
{
    spielen(Spiel { "Kette5_Startzahlen", 11, 3 }, [&](Form& f) {
        auto* k = static_cast<TForm49*>(&f);
        const int ziel = k->paarsuche().ziel();
        for (int paar = 1; paar <= 10; ++paar) {
            // 0 and ziel + 1 never reach the target.
            ASSERT_TRUE(tasten(f, { Qt::Key_0, Qt::Key_Return }));
            ASSERT_TRUE(tippen(ziel + 1));
            ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Return }));
        }
        EXPECT_EQ(k->Button1->caption(), "das ist wohl zu schwer für dich");
        EXPECT_EQ(keyReceiver(), k);
        ASSERT_TRUE(tasten(f, { Qt::Key_Space, Qt::Key_Down, Qt::Key_Return }));
    });
}

TEST_F(SpieleTastaturTest, maschineEnterOhneGetippteAusgabeTutNichts)
{
    spielen(Spiel { "Maschine", 12 }, [&](Form& f) {
        auto* m = static_cast<TForm51*>(&f);
        // Input into the machine, its output shown, the next input.
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Return, Qt::Key_Return }));
        ASSERT_EQ(m->maschzustand(), 1);
        ASSERT_EQ(keyReceiver(), m->Button2);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return })); // "ich weiß die Ausgabe!"
        EXPECT_EQ(keyReceiver(), m);
        for (Qt::Key k : { Qt::Key_Return, Qt::Key_Space, Qt::Key_Return }) {
            ASSERT_TRUE(tasten(f, { k }));
            EXPECT_EQ(m->maschzustand(), 1);
            EXPECT_EQ(m->Button1->caption(), "(Ausgabe &verraten?)");
        }
        ASSERT_TRUE(tippen(m->durchlauf().y));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_EQ(m->maschzustand(), 4);
        EXPECT_EQ(keyReceiver(), m->Button1);
    });
}

TEST_F(SpieleTastaturTest, nachbarnGeloestPfeileFuehrenNichtZumAbbrechen)
{
    spielen(Spiel { "Nachbarn2", 14 }, [&](Form& f) {
        auto* n = static_cast<TForm32*>(&f);
        n->aufgabeSetzen(0, s_2nachbar::Aufgabe { 4, 5, 45 + 46, 0 }); // waagerecht, under the cursor at 45
        // A hand moves the cursor, and the arrows go on moving it.
        QTest::mouseClick(n->Button7, Qt::LeftButton);
        ASSERT_TRUE(tasten(f, { Qt::Key_Left, Qt::Key_Return }));
        ASSERT_TRUE(n->Button9->isVisible());
        for (Qt::Key k : { Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down }) {
            ASSERT_TRUE(tasten(f, { k }));
            EXPECT_NE(keyReceiver(), n->Button1);
        }
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_TRUE(n->Button8->isVisible());
        EXPECT_EQ(keyReceiver(), n->ScrollBoxEx1);
    });
}

TEST_F(SpieleTastaturTest, nachbarnNachGefundenAufEinerFalschenStelleGehenDiePfeileAnsFeld)
{
    spielen(Spiel { "Nachbarn2", 14 }, [&](Form& f) {
        auto* n = static_cast<TForm32*>(&f);
        n->aufgabeSetzen(0, s_2nachbar::Aufgabe { 4, 5, 45 + 46, 0 }); // waagerecht, under the cursor at 45
        ASSERT_TRUE(tasten(f, { Qt::Key_Right, Qt::Key_Right }));
        QTest::mouseClick(n->Button8, Qt::LeftButton); // 47 + 48: not found
        ASSERT_TRUE(n->Button8->isVisible());
        EXPECT_EQ(keyReceiver(), n->ScrollBoxEx1);
        ASSERT_TRUE(tasten(f, { Qt::Key_Left, Qt::Key_Left }));
        EXPECT_EQ(n->cursor(), QPoint(4, 4));
        // Enter still asks "gefunden?", and here it is.
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_TRUE(n->Button9->isVisible());
    });
}

TEST_F(SpieleTastaturTest, buntesFeldNachDemMalenFuehrtEnterZumNaechstenFeld)
{
    spielen(Spiel { "buntesFeld", 13 }, [&](Form& f) {
        auto* b = static_cast<TForm52*>(&f);
        ASSERT_TRUE(tasten(f, { Qt::Key_Right, Qt::Key_Return })); // "das will ich!"
        ASSERT_TRUE(b->rechenpanel->isVisible());
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        ASSERT_TRUE(tippen(b->zahl()));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        ASSERT_TRUE(b->farbepanel->isVisible());
        ASSERT_TRUE(tasten(f, { Qt::Key_Right, Qt::Key_Return })); // a colour
        ASSERT_EQ(keyReceiver(), b->Button8);
        for (Qt::Key k : { Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up }) {
            ASSERT_TRUE(tasten(f, { k }));
            EXPECT_NE(keyReceiver(), b->Button1);
        }
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_TRUE(b->WahlPanel->isVisible());
        EXPECT_EQ(keyReceiver(), b->ScrollBoxEx1);
    });
}

TEST_F(SpieleTastaturTest, zeichenFuerZiffernNachDerLetztenAufgabeTunEnterUndNNichts)
{
    spielen(Spiel { "ZeichenFuerZiffern", 4 }, [&](Form& f) {
        auto* z = static_cast<TForm43*>(&f);
        for (int i = 0; i < s_zeichziff::Zeichenspiel::kAufgaben + 2; ++i)
            ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_FALSE(z->Button13->isEnabled());
        EXPECT_EQ(keyReceiver(), z);
        const int markiert = z->spiel().markiert();
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_N, Qt::Key_Space, Qt::Key_Right, Qt::Key_Return }));
        EXPECT_EQ(z->spiel().markiert(), markiert);
        EXPECT_EQ(z->spiel().aufgabenzahl(), s_zeichziff::Zeichenspiel::kAufgaben);
    });
}

TEST_F(SpieleTastaturTest, zauberquadratEnterNachDerGetipptenZahlWaehltDasFeldNichtNeu)
{
    spielen(Spiel { "Zauberquadrate", 22, 1 }, [&](Form& f) {
        auto* z = static_cast<TForm53*>(&f);
        EXPECT_EQ(keyReceiver(), z);
        int frei = 0;
        while (!z->zellen[frei]->isEnabled())
            ++frei;
        QTest::mouseClick(z->zellen[frei], Qt::LeftButton);
        ASSERT_TRUE(tasten(f, { Qt::Key_1, Qt::Key_7, Qt::Key_Return, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return }));
        EXPECT_EQ(z->texte()[frei], "17");
    });
}

TEST_F(SpieleTastaturTest, vierGewinntNachEinemKlickAufDieHandSchiebenPfeileDenStein)
{
    spielen(Spiel { "VierGewinntSpiel", 17 }, [&](Form& f) {
        auto* v = static_cast<TForm55*>(&f);
        QTest::mouseClick(v->Button5, Qt::LeftButton);
        EXPECT_EQ(v->haengtUeber(), 5);
        ASSERT_TRUE(tasten(f, { Qt::Key_Left, Qt::Key_Left, Qt::Key_Left }));
        EXPECT_EQ(v->haengtUeber(), 2);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_NE(v->brett().an(2, 6), 0);
        QTest::mouseClick(v->Button4, Qt::LeftButton);
        EXPECT_EQ(keyReceiver(), v->ScrollBoxEx1);
    });
}

TEST_F(SpieleTastaturTest, pyramideGibtDenFokusNichtAnsAbbrechenWennDasFokussierteHinterEinerMeldungVerschwindet)
{
    spielen(Spiel { "Pyramide3_Zielzahl", 21, 0 }, [&](Form& f) {
        auto* p = static_cast<TForm50*>(&f);
        // A key the program gave the focus (a click leaves it where it was), and its panel is disabled.
        SetFocus(p->tastenblock->ziffer(1));
        ASSERT_EQ(keyReceiver(), p->tastenblock->ziffer(1));
        ASSERT_TRUE(hinterEinerMeldung(f, [&] { p->tastenblock->Rechner->setEnabled(false); }));
        EXPECT_EQ(keyReceiver(), p);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Space, Qt::Key_Return }));
        p->tastenblock->Rechner->setEnabled(true);
        // "bitte eine neue Aufgabe" has the focus after the solution, and is hidden.
        ASSERT_TRUE(tasten(f, { Qt::Key_Backspace, Qt::Key_Backspace }));
        ASSERT_TRUE(tippen(p->zellen()[7]));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        ASSERT_EQ(keyReceiver(), p->Button1);
        ASSERT_TRUE(hinterEinerMeldung(f, [&] { p->Button1->hide(); }));
        EXPECT_EQ(keyReceiver(), p);
        ASSERT_TRUE(tasten(f, { Qt::Key_Return, Qt::Key_Space, Qt::Key_Return }));
    });
}

TEST_F(SpieleTastaturTest, vierGewinnt100LeertasteDruecktWeiterWieEnter)
{
    spielen(Spiel { "VierGewinnt100", 2 }, [&](Form& f) {
        auto* v = static_cast<TForm54*>(&f);
        // Whoever begins takes 1 .. 4, a row; the other 11 .. 13.
        for (int zahl : { 1, 11, 2, 12, 3, 13, 4 }) {
            ASSERT_TRUE(tippen(zahl));
            ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        }
        ASSERT_TRUE(v->Button12->isVisible());
        ASSERT_EQ(keyReceiver(), v->Button12);
        ASSERT_TRUE(tasten(f, { Qt::Key_Space }));
        EXPECT_FALSE(v->Button12->isVisible());
        EXPECT_TRUE(v->tasten->Rechner->isVisible());
    });
}

TEST_F(SpieleTastaturTest, vierGewinnt100GetippteZiffernNachDemGerahmtenAbbruchSetzenDenStein)
{
    spielen(Spiel { "VierGewinnt100", 2 }, [&](Form& f) {
        auto* v = static_cast<TForm54*>(&f);
        const auto steine = [v] {
            int n = 0;
            for (const auto& zeile : v->brett().zellen)
                n += int(std::count_if(zeile.begin(), zeile.end(), [](int z) { return z != 0; }));
            return n;
        };
        for (int zahl : { 45, 46 }) {
            for (int i = 0; i < 10 && keyReceiver() != v->Button1; ++i)
                ASSERT_TRUE(tasten(f, { Qt::Key_Tab }));
            ASSERT_EQ(keyReceiver(), v->Button1);
            const int vorher = steine();
            ASSERT_TRUE(tippen(zahl));
            ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
            EXPECT_EQ(steine(), vorher + 1) << zahl;
        }
        // Framed and pressed at once, the abort ends the game.
        for (int i = 0; i < 10 && keyReceiver() != v->Button1; ++i)
            ASSERT_TRUE(tasten(f, { Qt::Key_Tab }));
        ASSERT_TRUE(taste(Qt::Key_Return));
        EXPECT_FALSE(v->isVisible());
    });
}

TEST_F(SpieleTastaturTest, buntesFeldNachEinemFalschenWertPrueftEnterDieGeklickteZahl)
{
    spielen(Spiel { "buntesFeld", 13 }, [&](Form& f) {
        auto* b = static_cast<TForm52*>(&f);
        ASSERT_TRUE(tasten(f, { Qt::Key_Right, Qt::Key_Return })); // "das will ich!"
        ASSERT_TRUE(b->rechenpanel->isVisible());
        ASSERT_TRUE(tippen(b->zahl() + 1));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        // A wrong value: the delete key has the focus, and a click on it takes a digit back.
        ASSERT_EQ(keyReceiver(), b->Button9);
        while (!b->eingabe().isEmpty())
            QTest::mouseClick(b->Button9, Qt::LeftButton);
        for (QChar c : QString::number(b->zahl()))
            QTest::mouseClick(b->tastenblock->ziffer(c.digitValue()), Qt::LeftButton);
        ASSERT_EQ(b->eingabe(), QString::number(b->zahl()));
        ASSERT_TRUE(tasten(f, { Qt::Key_Return }));
        EXPECT_EQ(b->eingabe(), QString::number(b->zahl()));
        EXPECT_TRUE(b->farbepanel->isVisible());
        EXPECT_FALSE(b->rechenpanel->isVisible());
    });
}
