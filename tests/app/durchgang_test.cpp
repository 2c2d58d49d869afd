#include "aids/h_haupt.h"
#include "aids/hilfenrahmen.h"
#include "aids/schriftrahmen.h"
#include "analyses/f_haupt.h"
#include "app/programmkoerper.h"
#include "games/s_2nachbar.h"
#include "games/s_KP.h"
#include "games/s_kette.h"
#include "games/s_pyra.h"
#include "games/s_zauber.h"
#include "games/s_zeichziff.h"
#include "games/sp_haupt.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/platzhalter.h"
#include "support/programm.h"

#include <QApplication>
#include <QFile>
#include <QTest>

// Ways through the whole program as a teacher or pupil takes them, with every window of the program.
class DurchgangTest : public ProgrammTest { };

TEST_F(DurchgangTest, APupilOpensAnAidFromTheHubAndEndsIt)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button2->Click(); // Rechnen im Raum bis 20
            hub->knopf(21)->Click();
            EXPECT_TRUE(hub->startknopf->isEnabled());
            hub->startknopf->Click();
        } else if (auto* hilfe = dynamic_cast<Hilfenfenster*>(&f))
            hilfe->endebutton->Click();
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form69 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(programmcode, 21);
}

TEST_F(DurchgangTest, ATeacherOpensTheAnalysesAndTheAdministration)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button9")->Click();
            f.findChild<Button*>("Button5")->Click(); // "Verwaltung": no password set
        } else if (auto* hub = dynamic_cast<TForm30*>(&f))
            hub->Button5->Click(); // kleines 1 + 1
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form30, Form37, Form34 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DurchgangTest, WindowsNotYetBuiltOpenTheirStandInsAndCloseOnEsc)
{
    // Every top-level window of the program body that is still a stand-in.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* platzhalter = dynamic_cast<Platzhalter*>(w);
        if (!platzhalter) continue;
        bool zu = false;
        platzhalter->OnClose = [&] { zu = true; };
        Form::setModalDriver([&](Form& f) {
            EXPECT_EQ(&f, platzhalter);
            QTest::keyClick(&f, Qt::Key_Escape);
        });
        platzhalter->showModal();
        platzhalter->OnClose = {};
        EXPECT_TRUE(zu) << platzhalter->klasse().toStdString();
    }
}

// ---- Games ----

TEST_F(DurchgangTest, APupilChoosesANumberChainAndStartSavesItsOptions)
{
    const QByteArray vorher = readBytes(dataPath("sw.ina"));
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button4")->Click();
        else if (auto* hub = dynamic_cast<TForm41*>(&f)) {
            grabToPng(hub, "sp_haupt");
            hub->Button9->Click();
            EXPECT_EQ(programmcode, 9);
            EXPECT_TRUE(hub->Button10->hasFocus() || !hub->isActiveWindow());
            hub->Button10->Click();
        } else if (auto* kp = dynamic_cast<TForm42*>(&f)) {
            EXPECT_EQ(kp->titelpanel->caption(), "Zahlenkette 4");
            EXPECT_EQ(kp->RadioGroup5->ItemIndex(), 1);
            QTest::mouseClick(kp->RadioGroup5->button(3), Qt::LeftButton);
            QTest::mouseClick(kp->RadioGroup6->button(2), Qt::LeftButton);
            kp->Button2->Click();
            kp->Button10->Click();
        } else if (auto* kette = dynamic_cast<TForm49*>(&f)) {
            EXPECT_EQ(kette->Button1->caption(), "1. Startzahl gefunden");
            EXPECT_GE(kette->glieder()[3], 21);
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form42, Form49 }));
    EXPECT_EQ(variante, 3);
    EXPECT_EQ(variante2, 2);
    QByteArray erwartet = vorher;
    erwartet.replace("kette\r\n1 1\r\n", "kette\r\n3 2\r\n");
    EXPECT_EQ(readBytes(dataPath("sw.ina")), erwartet);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DurchgangTest, SymbolsForDigitsPlaysWithTheOperationsChosenInTheLauncher)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button4")->Click();
        else if (auto* hub = dynamic_cast<TForm41*>(&f))
            hub->Button4->Click();
        else if (auto* kp = dynamic_cast<TForm42*>(&f)) {
            for (int i = 0; i < 3; ++i) // only "geteilt" stays
                QTest::mouseClick(kp->ListBox1->viewport(), Qt::LeftButton, {},
                    kp->ListBox1->visualItemRect(kp->ListBox1->item(i)).center());
            EXPECT_TRUE(kp->Button2->isEnabled());
            kp->Button2->Click();
        } else if (auto* zeichen = dynamic_cast<TForm43*>(&f)) {
            EXPECT_EQ(zeichen->spiel().aufgabenzahl(), 1);
            for (int n = 2; n <= 5; ++n)
                zeichen->Button13->Click();
            EXPECT_EQ(zeichen->spiel().aufgabenzahl(), 5);
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form42, Form43 }));
    EXPECT_EQ(rechenartzeichen[0], "n");
    EXPECT_EQ(rechenartzeichen[3], ":");
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).contains("zfz\r\n-1 -1 -1 3\r\n"));
}

TEST_F(DurchgangTest, NeighboursPyramidAndMagicSquaresTakeTheLaunchersOptions)
{
    int spiel = 0;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button4")->Click();
        } else if (auto* hub = dynamic_cast<TForm41*>(&f)) {
            for (Button* b : { hub->Button16, hub->Button21, hub->Button22 }) {
                spiel = b == hub->Button16 ? 16 : b == hub->Button21 ? 21 : 22;
                b->Click();
            }
        } else if (auto* kp = dynamic_cast<TForm42*>(&f)) {
            if (spiel == 16) QTest::mouseClick(kp->RadioGroup1->button(1), Qt::LeftButton);
            kp->Button2->Click();
        } else if (auto* nachbarn = dynamic_cast<TForm32*>(&f)) {
            EXPECT_TRUE(nachbarn->Button3->isVisible()); // "erlaubt" was just chosen
        } else if (auto* pyramide = dynamic_cast<TForm50*>(&f)) {
            EXPECT_LE(s_pyra::ziel(pyramide->zellen(), false), 20); // range 1 of the installed file
            EXPECT_GE(s_pyra::ziel(pyramide->zellen(), false), 11);
        } else if (auto* quadrat = dynamic_cast<TForm53*>(&f)) {
            EXPECT_EQ(quadrat->werte()[4], 1 + 4 * 1);
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form42, Form32, Form42, Form50, Form42, Form53 }));
    EXPECT_TRUE(readBytes(dataPath("sw.ina")).contains("2n\r\n0 1 2 3 1\r\n"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DurchgangTest, GameButtonsLoadTheirSectionBeforeTheirLauncherOpens)
{
    QByteArray datei = readBytes(dataPath("sw.ina"));
    datei.replace("ziel\r\n0 0 7 45\r\n", "ziel\r\n1 2 5 44\r\n");
    datei.replace("zfz\r\n0 1 2 3\r\n", "zfz\r\nx 1\r\n");
    writeBytes(dataPath("sw.ina"), datei);
    TForm41* hub = nullptr;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button4")->Click();
        } else if (&f == Form41) {
            hub = dynamic_cast<TForm41*>(&f);
            hub->Button26->Click();
            variante = 9;
            hub->Button17->Click();
            hub->Button25->Click();
            QTest::mouseClick(hub->Button4, Qt::LeftButton); // "x 1": told, and the launcher opens all the same
            hub->Button6->Click();
        } else if (&f == Form44 && programmcode == 26) {
            EXPECT_EQ(variante, 1);
            EXPECT_EQ(spieloption, 0);
            EXPECT_EQ(zwzahl2, 5);
            EXPECT_EQ(zwzahl3, 44);
        } else if (&f == Form44) {
            EXPECT_EQ(variante, 9); // 17 and 25 load nothing
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form44, Form44, Form44, Form42, Form47 }));
    ASSERT_EQ(errors, QStringList { sp_haupt::beschaedigtMeldung("zfz") });
    EXPECT_EQ(programmcode, 6);
    EXPECT_EQ(variante, 0);
    EXPECT_EQ(zeitwahl, 1);
}

TEST_F(DurchgangTest, WithoutSettingsFileTheLauncherShowsItsDefaultsAndStartsTheGame)
{
    QFile::remove(dataPath("sw.ina"));
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button4")->Click();
        else if (auto* hub = dynamic_cast<TForm41*>(&f))
            hub->Button22->Click();
        else if (auto* kp = dynamic_cast<TForm42*>(&f)) {
            EXPECT_EQ(kp->Edit1->text(), "1");
            EXPECT_TRUE(kp->Button2->isEnabled());
            kp->Button2->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form42, Form53 }));
    EXPECT_FALSE(QFile::exists(dataPath("sw.ina")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DurchgangTest, TheSmallDivisionAidGivesTheHubItsButtonBack)
{
    wahl8 = 1; // the long divisions' remainder choice, none of this aid's business
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button4->Click(); // Malnehmen und Teilen
            hub->Button55->Click();
            hub->restgroup->button(1)->click(); // mit Rest
            hub->startknopf->Click();
            EXPECT_EQ(hub->focusWidget(), hub->Button55);
        } else if (auto* hilfe = dynamic_cast<Hilfenfenster*>(&f)) {
            EXPECT_EQ(&f, Form72);
            EXPECT_EQ(wahl4, 1);
            hilfe->endebutton->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form72 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(wahl8, 1);
    EXPECT_EQ(protzeilen[2], "Programm:              Hilfen beim kleinen 1:1 (mit Rest)");
    EXPECT_EQ(protzeilen[4], "Divisoren:             1 2 3 4 5 6 7 8 9 10");
}

TEST_F(DurchgangTest, AColumnAdditionEndsWithItsLevelsAndStartReadyInTheHub)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button6->Click(); // schriftliche Rechenverfahren
            hub->BitBtn2->Click();
            hub->startknopf->Click();
            EXPECT_TRUE(hub->RG_SV_Plus->isVisible());
            EXPECT_TRUE(hub->startknopf->isVisible());
            EXPECT_TRUE(hub->startknopf->isEnabled());
            EXPECT_EQ(hub->focusWidget(), hub->startknopf);
        } else if (auto* sv = dynamic_cast<Schriftfenster*>(&f)) {
            const QString w = sv->schritte().wahltext;
            for (int s = int(w.size()); s >= 1; --s)
                if (w.at(s - 1) != u' ') sv->zeichenEingeben(w.at(s - 1));
            EXPECT_EQ(anzahl, 1);
            sv->Endebutton->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form79 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(protzeilen[4], "Rechenart:             HZE + HZE ");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
}

TEST_F(DurchgangTest, ALongDivisionEndsWithItsLevelsRestChoiceAndStartInTheHub)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button6->Click();
            hub->Button64->Click(); // T H Z E : E langer Weg
            hub->startknopf->Click();
            EXPECT_TRUE(hub->RG_SV_divE->isVisible());
            EXPECT_TRUE(hub->RG_SV_DRest->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->startknopf);
        } else if (auto* sv = dynamic_cast<Schriftfenster*>(&f)) {
            sv->Hilfebutton->Click();
            sv->Endebutton->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form82 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(protzeilen[11], "       Hilfetaste:     1");
}

TEST_F(DurchgangTest, ALongDivisionByTwoDigitsEndsWithItsLevelsInTheHub)
{
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button6->Click();
            hub->Button65->Click(); // T H Z E : Z E langer Weg
            hub->startknopf->Click();
            EXPECT_TRUE(hub->RG_SV_DZE->isVisible());
            grabToPng(hub, QStringLiteral("hub_nach_sv5"));
            EXPECT_TRUE(hub->RG_SV_DRest->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->startknopf);
        } else if (auto* sv = dynamic_cast<Schriftfenster*>(&f)) {
            sv->Endebutton->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form83 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_TRUE(protzeilen[4].str().startsWith("Rechenart:             THZE : ZE"));
}

TEST_F(DurchgangTest, TheWrittenMultiplicationsAndTheShortDivisionEndWithTheirLevelsInTheHub)
{
    struct Weg {
        Button* TForm63::*knopf;
        RadioGroup* TForm63::*gruppe;
        int code;
        int stufe; // clicked in the group before Start
    };
    const Weg wege[] = { { &TForm63::Button62, &TForm63::RG_SV_malE, 85, 2 },
        { &TForm63::Button66, &TForm63::RG_SV_divE, 87, 5 }, { &TForm63::Button63, &TForm63::RG_SV_malZZ, 86, 1 } };
    QList<int> codes;
    zeigen(Form1, [&](Form& f) {
        if (&f == Form1)
            f.findChild<Button*>("Button1")->Click();
        else if (auto* hub = dynamic_cast<TForm63*>(&f)) {
            hub->Button6->Click(); // schriftliche Rechenverfahren
            for (const Weg& w : wege) {
                SCOPED_TRACE(w.code);
                (hub->*w.knopf)->Click();
                QTest::mouseClick((hub->*w.gruppe)->button(w.stufe), Qt::LeftButton);
                hub->startknopf->Click();
                EXPECT_TRUE((hub->*w.gruppe)->isVisible());
                EXPECT_TRUE(hub->startknopf->isVisible());
                EXPECT_TRUE(hub->startknopf->isEnabled());
                EXPECT_EQ(hub->focusWidget(), hub->startknopf);
                EXPECT_EQ(protzeilen[7].str(), "bearbeitete Aufgaben:  1");
            }
            grabToPng(hub, QStringLiteral("hub_nach_sv3"));
            EXPECT_EQ(protzeilen[4].str(), "Rechenart:             HZE x ZE");
            // The division kept its level to itself: Start of the addition saves the multiplication's level.
            EXPECT_EQ(variante, 2);
            hub->BitBtn2->Click();
            hub->startknopf->Click();
        } else if (auto* sv = dynamic_cast<Schriftfenster*>(&f)) {
            codes << programmcode;
            while (!sv->schritte().geloest())
                sv->zeichenEingeben(sv->schritte().erwartet());
            sv->Endebutton->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form63, Form80, Form80, Form81, Form79 }));
    EXPECT_EQ(codes, (QList<int> { 85, 87, 86, 81 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    const QStringList zeilen = QString::fromLatin1(readBytes(dataPath("hw.ina"))).split("\r\n");
    const QStringList sv = zeilen.value(zeilen.indexOf("sv") + 1).split(' ');
    ASSERT_GE(sv.size(), 4);
    EXPECT_EQ(sv[1], "2"); // variante: the level of the multiplication by one digit
    EXPECT_EQ(sv[2], "1");
    EXPECT_EQ(sv[3], "5");
}
