#include "aids/h_haupt.h"
#include "aids/h_hsv.h"
#include "aids/hilfenrahmen.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/platzhalter.h"
#include "support/keys.h"
#include "support/programm.h"

namespace {

// The aids as a pupil reaches them from the main window and the hub, with every window of the program.
class HilfenRueckkehrTest : public ProgrammTest { };

} // namespace

TEST_F(HilfenRueckkehrTest, AfterAnAidTheHubShowsItsGroupWithTheButtonOfTheCode)
{
    struct Weg {
        Button* TForm63::*bereich;
        Button* TForm63::*knopf;
        GroupBox* TForm63::*gruppe;
        int code;
    };
    const Weg wege[] = {
        { &TForm63::Button3, &TForm63::Button42, &TForm63::gbTabellen, 61 },
        { &TForm63::Button3, &TForm63::Button28, &TForm63::gbTabellen, 64 },
        { &TForm63::Button3, &TForm63::Button47, &TForm63::gbTabellen, 67 },
        { &TForm63::Button37, &TForm63::Button60, &TForm63::gbpm100, 40 },
        { &TForm63::Button4, &TForm63::Button52, &TForm63::gb1x1, 52 },
        { &TForm63::Button4, &TForm63::Button53, &TForm63::gb1x1, 53 },
        { &TForm63::Button4, &TForm63::Button56, &TForm63::gb1x1, 56 },
    };
    bool geprueft = false;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button1")->Click();
        } else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            for (const Weg& w : wege) {
                (hub->*w.bereich)->Click();
                (hub->*w.knopf)->Click();
                if (hub->startknopf->isVisible()) {
                    ASSERT_TRUE(hub->startknopf->isEnabled()) << w.code;
                    hub->startknopf->Click();
                }
                EXPECT_EQ(programmcode, w.code);
                EXPECT_TRUE((hub->*w.gruppe)->isVisible()) << w.code;
                EXPECT_TRUE(hub->focusWidget() == hub->*w.knopf) << w.code;
                // Another area in between, so that the aid has to show its group again.
                hub->Button1->Click();
            }
            geprueft = true;
        } else if (auto* hilfe = dynamic_cast<Hilfenfenster*>(&f)) {
            EXPECT_FALSE(dynamic_cast<Platzhalter*>(&f));
            pressKey(hilfe, Qt::Key_Escape);
        }
    });
    EXPECT_TRUE(geprueft);
    EXPECT_EQ(gezeigt.count(Form70), 3);
    EXPECT_EQ(gezeigt.count(Form73), 2);
    EXPECT_EQ(gezeigt.count(Form74), 1);
    EXPECT_EQ(gezeigt.count(Form75), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(HilfenRueckkehrTest, EachHalfWrittenKindEndsWithItsOptionPanelAndStartReadyInTheHub)
{
    struct Weg {
        int item;
        Panel* TForm63::*panel; // null: no panel
    };
    const Weg wege[] = { { 0, &TForm63::hsv_ZUEpanel }, { 1, &TForm63::hsv_ZUEpanel }, { 2, nullptr },
        { 3, &TForm63::hsv_malpanel }, { 4, &TForm63::hsv_durchpanel } };
    int geloest = 0;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button1")->Click();
        } else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button5->Click(); // halbschriftliche Rechenverfahren
            hub->hsv_tempo->button(1)->click();
            for (const Weg& w : wege) {
                hub->hsv_r_art->button(w.item)->click();
                hub->startknopf->Click();
                EXPECT_EQ(programmcode, 71 + w.item);
                for (Panel* p : { hub->hsv_ZUEpanel, hub->hsv_malpanel, hub->hsv_durchpanel })
                    EXPECT_EQ(p->isVisible(), w.panel && p == hub->*w.panel) << w.item;
                EXPECT_TRUE(hub->startknopf->isVisible());
                EXPECT_TRUE(hub->startknopf->isEnabled());
                EXPECT_EQ(hub->focusWidget(), hub->startknopf);
            }
        } else if (auto* hsv = dynamic_cast<TForm78*>(&f)) {
            // The quick answer typed on the keyboard, then Esc.
            typeText(hsv, QString::number(hsv->aktuelleAufgabe().sollwert));
            if (hsv->vorbei()) ++geloest;
            pressKey(hsv, Qt::Key_Escape);
        }
    });
    EXPECT_EQ(gezeigt.mid(0, 3), (QList<Form*> { Form1, Form63, Form78 }));
    EXPECT_EQ(gezeigt.count(Form78), 5);
    EXPECT_EQ(geloest, 5);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(protzeilen[2], "Programm:              halbschriftlich, schnell (kurzer Weg)");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
}

TEST_F(HilfenRueckkehrTest, TheProtocolOfAWrittenMethodNamesTheWholeLevel)
{
    struct Weg {
        Button* TForm63::*knopf;
        RadioGroup* TForm63::*stufen;
        int item;
        QString stufe;
    };
    const Weg wege[] = {
        { &TForm63::BitBtn2, &TForm63::RG_SV_Plus, 3, " ein Übertrag: in die 100er- oder 10er-Stelle" },
        { &TForm63::BitBtn4, &TForm63::RG_SV_min_Erg, 3, " ein Übertrag: in die 100er- oder 10er-Stelle" },
        { &TForm63::BitBtn5, &TForm63::RG_SV_mTausch, 6, " der Minuend enthält mindestens eine Null" },
        { &TForm63::Button62, &TForm63::RG_SV_malE, 3, " Zehner oder Einer bewirken einen Übertrag" },
        { &TForm63::Button66, &TForm63::RG_SV_divE, 1, " nur die Hunderter hinterlassen einen Rest" },
        { &TForm63::Button64, &TForm63::RG_SV_divE, 3, " Hunderter oder Zehner hinterlassen einen Rest" },
        { &TForm63::Button64, &TForm63::RG_SV_divE, 5, " zwei Zwischenreste, schwere Teilaufgaben" },
    };
    QStringList zeilen;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button1")->Click();
        } else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button6->Click(); // schriftliche Rechenverfahren
            for (const Weg& w : wege) {
                (hub->*w.knopf)->Click();
                (hub->*w.stufen)->button(w.item)->click();
                hub->startknopf->Click();
                zeilen << protzeilen[5].str();
            }
        } else {
            pressKey(&f, Qt::Key_Escape);
        }
    });
    ASSERT_EQ(zeilen.size(), int(std::size(wege)));
    for (int i = 0; i < zeilen.size(); ++i)
        EXPECT_EQ(zeilen[i], "Schwierigkeitsgrad:   " + wege[i].stufe);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
