// Keys pressed only to move or to type never act: moving through a list that deletes, prints or saves only
// moves its frame, Space never presses an on-screen keypad key, and a keypad key clicked with the mouse brings
// the keyboard back to the keypad. Each case with the program's own windows, under X, keys sent to the focus.
#include "aids/h_100Feld.h"
#include "aids/h_100feld_logik.h"
#include "aids/h_haupt.h"
#include "aids/h_m1x1.h"
#include "aids/h_strahl.h"
#include "aids/h_strahl_logik.h"
#include "aids/h_sv1.h"
#include "aids/hilfenrahmen.h"
#include "aids/hilfenrahmen_logik.h"
#include "aids/schriftrahmen_logik.h"
#include "analyses/f_gra.h"
#include "analyses/f_gra_vp.h"
#include "analyses/f_sv.h"
#include "games/s_tictactoe.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "shell/h_prot.h"
#include "shell/tastenfeld.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

class TastenHandeln : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        if (!onXServer()) GTEST_SKIP();
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        printer().setRecording(false);
        printer().clearRecorded();
        ProgrammTest::TearDown();
    }

    void klassenliste(const QString& name, const QStringList& schueler)
    {
        QDir().mkpath(dataPath("k_liste"));
        QByteArray b;
        for (int i = 0; i < schueler.size(); ++i) {
            const QString zeile = QString("%1 %2").arg(i + 1, 2, 10, QChar('0')).arg(schueler.at(i));
            b += zeile.toLatin1() + "\r\n";
            QDir().mkpath(dataPath("Klassen/" + name + "/" + zeile.left(8)));
        }
        writeBytes(dataPath("k_liste/" + name + ".TXT"), b);
    }

    // Opens the aid of `code` from the aids hub (its area, its button, `wahl` of the hub's options, Enter on
    // Start unless the button opened it at once) and works in it.
    void hilfeBenutzen(int code, Form* hilfe, const std::function<void()>& schritte,
        Button* TForm63::*bereich = &TForm63::Button4, const std::function<void(TForm63&)>& wahl = {})
    {
        TForm63* hub = hilfenhub();
        ASSERT_TRUE(hub && hilfe);
        bool benutzt = false;
        Form::setModalDriver([&](Form& f) {
            ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
            if (&f == hub && !benutzt) {
                (hub->*bereich)->Click();
                hub->knopf(code)->Click();
                if (wahl) wahl(*hub);
                if (!benutzt) ASSERT_TRUE(sendKey(Qt::Key_Return)); // Start
            } else if (&f == hilfe) {
                schritte();
                benutzt = true;
                ASSERT_TRUE(sendKey(Qt::Key_Escape));
            }
        });
        hub->showModal();
        Form::setModalDriver({});
        EXPECT_TRUE(benutzt);
    }

    static QString gedruckt()
    {
        QString text;
        for (const Printer::Document& d : printer().recorded())
            for (const QStringList& seite : d.pageTexts())
                text += seite.join(u'\n');
        return text;
    }

    // Runs `schritte` and counts the clicks of `knopf` meanwhile; its own click runs as well unless `nurZaehlen`.
    static int klicksWaehrend(Button* knopf, const std::function<void()>& schritte, bool nurZaehlen = false)
    {
        int n = 0;
        const std::function<void()> eigen = knopf->OnClick;
        knopf->OnClick = [&] {
            ++n;
            if (!nurZaehlen && eigen) eigen();
        };
        schritte();
        knopf->OnClick = eigen;
        return n;
    }

    static void tippen(const QString& ziffern)
    {
        for (QChar z : ziffern)
            ASSERT_TRUE(sendKey(Qt::Key(z.unicode())));
    }
};

} // namespace

TEST_F(TastenHandeln, dieVerwaltungLoeschtNurDieListeDieLeertasteOderEnterWaehlt)
{
    for (const char* name : { "1A", "2B", "3C", "4D" })
        klassenliste(name, { "Anna", "Ben" });
    auto* w = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(w);
    bool geprueft = false;
    zeigen(w, [&](Form& f) {
        if (&f != w) return;
        ASSERT_TRUE(waitActive(w));
        const auto listen = [this] { return QDir(dataPath("k_liste")).entryList(QDir::Files, QDir::Name); };
        QTest::mouseClick(w->Button5, Qt::LeftButton); // "eine Liste löschen"
        // The list of lists has the keys, framed on its first list and nothing chosen.
        ASSERT_EQ(keyReceiver(), w->ListBox1);
        EXPECT_EQ(w->ListBox1->currentRow(), 0);
        for (Qt::Key k : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_Down,
                 Qt::Key_Down, Qt::Key_Down, Qt::Key_Up })
            ASSERT_TRUE(sendKey(k));
        EXPECT_EQ(listen().size(), 4);
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        EXPECT_EQ(listen(), QStringList({ "1A.TXT", "2B.TXT", "4D.TXT" }));
        EXPECT_FALSE(QDir(dataPath("Klassen/3C")).exists());
        EXPECT_TRUE(QDir(dataPath("Klassen/2B/01 Anna")).exists());

        // Printing by keys prints the framed list only.
        QTest::mouseClick(w->Button4, Qt::LeftButton);
        ASSERT_EQ(keyReceiver(), w->ListBox1);
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        EXPECT_TRUE(printer().recorded().isEmpty());
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        ASSERT_EQ(printer().recorded().size(), 1);
        EXPECT_TRUE(gedruckt().contains("2B"));

        // Changing a name: the arrows reach every pupil, and only Enter opens one for editing.
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // 1A
        ASSERT_EQ(keyReceiver(), w->ListBox2);
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        EXPECT_EQ(keyReceiver(), w->ListBox2);
        EXPECT_FALSE(w->Edit1->isVisible());
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        EXPECT_EQ(keyReceiver(), w->Edit1);
        EXPECT_EQ(w->Edit1->text(), "Ben");
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(geprueft);
}

TEST_F(TastenHandeln, imHauptfensterWaehlenPfeileKeineListeLeertasteAktiviertDieGerahmte)
{
    for (const char* name : { "1A", "2B", "3C" })
        klassenliste(name, { "Anna" });
    const QByteArray klina = (dataFolder() + "\r\n1A\r\n").toUtf8();
    writeBytes(dataPath("kl.ina"), klina);
    bool geprueft = false;
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        ASSERT_TRUE(waitActive(&f));
        auto* liste = f.findChild<ListBox*>(QStringLiteral("listenwahl"));
        ASSERT_TRUE(liste);
        SetFocus(liste);
        ASSERT_EQ(keyReceiver(), liste);
        for (Qt::Key k : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End })
            ASSERT_TRUE(sendKey(k));
        EXPECT_EQ(readBytes(dataPath("kl.ina")), klina);
        EXPECT_EQ(aktivliste.str(), "1A");
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        EXPECT_EQ(aktivliste.str(), "3C");
        EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n3C\r\n").toUtf8());
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(geprueft);
}

TEST_F(TastenHandeln, imProtokollfensterWaehlenPfeileKeinenNamenEnterWaehltDenGerahmten)
{
    klassenliste("KL3A", { "Anna", "Ben", "Cem", "Dora" });
    writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\nKL3A\r\n").toUtf8());
    aktivliste = "KL3A";
    programmcode = 17;
    for (int i = 2; i <= 12; ++i)
        protzeilen[i] = QStringLiteral("Zeile %1").arg(i);
    auto* dialog = dynamic_cast<TForm65*>(Form65);
    ASSERT_TRUE(dialog);
    zeigen(dialog, [&](Form& f) {
        if (&f != dialog) return;
        ASSERT_TRUE(waitActive(dialog));
        ASSERT_EQ(keyReceiver(), dialog->Button3);
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // "speichern und drucken"
        ASSERT_EQ(keyReceiver(), dialog->namen);
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        EXPECT_TRUE(dialog->isVisible());
        grabToPng(dialog, QStringLiteral("tasten_protokoll_namenliste"));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_FALSE(dialog->isVisible());
    });
    for (const char* ordner : { "01 Anna", "02 Ben", "04 Dora" })
        EXPECT_TRUE(QDir(dataPath("Klassen/KL3A/") + ordner).isEmpty()) << ordner;
    const QString datei = dataPath("Klassen/KL3A/03 Cem/H1_7_01.txt");
    EXPECT_TRUE(readBytes(datei).contains("Leistungsprotokoll f\xfcr Cem\r\n"));
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_TRUE(gedruckt().contains("Leistungsprotokoll für Cem"));
}

TEST_F(TastenHandeln, woDieAktiveListeFehltTipptDerSchuelerSeinenNamenGleichEin)
{
    // The active list was deleted by hand: the keys reach the typed-name box at once, and the protocol is kept.
    writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\nKL3A\r\n").toUtf8());
    aktivliste = "KL3A";
    programmcode = 17;
    auto* dialog = dynamic_cast<TForm65*>(Form65);
    auto* setup = dynamic_cast<TForm39*>(Form39);
    ASSERT_TRUE(dialog && setup);
    zeigen(dialog, [&](Form& f) {
        if (&f != dialog) return;
        ASSERT_TRUE(waitActive(dialog));
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // "speichern und drucken"
        ASSERT_EQ(keyReceiver(), dialog->Edit2);
        tippen("PAUL");
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(readBytes(dataPath("OHNELIST/paul/H1_7_01.txt")).contains("Leistungsprotokoll f\xfcr paul\r\n"));

    // So in an analysis set-up.
    zeigen(setup, [&](Form& f) {
        if (&f != setup) return;
        ASSERT_TRUE(waitActive(setup));
        EXPECT_TRUE(setup->Label18->isVisible());
        ASSERT_EQ(keyReceiver(), setup->n_ohne);
        tippen("PAUL");
        EXPECT_EQ(schuelername, "paul");
        EXPECT_TRUE(setup->Button2->isEnabled());
        setup->Button10->Click();
    });
}

TEST_F(TastenHandeln, imAnalyselaufTipptDieLeertasteNichtsUndEinKlickLaesstDieTastaturWoSieWar)
{
    auto* setup = dynamic_cast<TForm37*>(Form37);
    auto* lauf = dynamic_cast<TForm38*>(Form38);
    ASSERT_TRUE(setup && lauf);
    programmcode = 11; // kleines 1+1
    bool gelaufen = false;
    zeigen(setup, [&](Form& f) {
        if (&f == setup) {
            setup->n_ohne->setText("Anna");
            setup->Button2->Click();
            return;
        }
        if (&f != lauf) return;
        ASSERT_TRUE(waitActive(lauf));
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // "los geht's!"
        ASSERT_TRUE(lauf->aufgabeOffen());
        ASSERT_EQ(keyReceiver(), lauf->Button13);
        const int vorher = zaehler;
        tippen("1");
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        tippen("2");
        EXPECT_EQ(eingabe, "12");
        EXPECT_EQ(zaehler, vorher);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(zaehler, vorher + 1);
        // A click on "1", then the keys 3 and Enter: "13" is the answer, and Enter no second "1".
        QTest::mouseClick(lauf->ziffern[1], Qt::LeftButton);
        EXPECT_EQ(keyReceiver(), lauf->Button13);
        tippen("3");
        EXPECT_EQ(eingabe, "13");
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(zaehler, vorher + 2);
        EXPECT_EQ(eingabe, "");
        gelaufen = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(gelaufen);
}

TEST_F(TastenHandeln, tictactoeEineZifferUndDieLeertasteBeendenDenZugNicht)
{
    auto* ttt = dynamic_cast<TForm46*>(Form46);
    ASSERT_TRUE(ttt);
    spieloption = 0; // ergänze zur 10
    spielername1 = "ROT";
    spielername2 = "BLAU";
    bool gespielt = false;
    zeigen(ttt, [&](Form& f) {
        if (&f != ttt) return;
        ASSERT_TRUE(waitActive(ttt));
        const tictactoe::Feld vorher = ttt->feld();
        tippen(QString::number(10 - ttt->brett().gezeigt[2]));
        const QString getippt = ttt->eingabe();
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        EXPECT_EQ(ttt->eingabe(), getippt);
        EXPECT_TRUE(ttt->feld().zellen == vorher.zellen);
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_FALSE(ttt->feld().zellen == vorher.zellen);
        gespielt = true;
        ttt->Button1->Click();
    });
    EXPECT_TRUE(gespielt);
}

TEST_F(TastenHandeln, mittleres1x1NachEinemKlickAufEineZifferGehtEnterAnsEnter)
{
    auto* m1x1 = dynamic_cast<TForm76*>(Form76);
    hilfeBenutzen(54, m1x1, [&] {
        const QString produkt = m1x1->aktuelleAufgabe().produkt();
        QTest::mouseClick(m1x1->ziffernknopf(produkt.at(0).digitValue()), Qt::LeftButton);
        const int stufe = hilfestufe;
        EXPECT_EQ(eingabe, produkt.left(1));
        EXPECT_EQ(m1x1->markedButton(), nullptr); // the keypad has no Enter key here, and the digit takes none
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(eingabe, produkt.left(1));
        EXPECT_EQ(hilfestufe, stufe);
        tippen(produkt.mid(1));
        EXPECT_TRUE(m1x1->weiterbutton->isVisible());
    });
}

TEST_F(TastenHandeln, reihenWaehrendDerEingabeIstDasEnterDesTastenfeldsMarkiert)
{
    auto* reihen = dynamic_cast<Hilfenfenster*>(Form73);
    hilfeBenutzen(52, reihen, [&] {
        ASSERT_TRUE(reihen->KeyPreview);
        Button* enter = reihen->tastenfeld->Button13;
        ASSERT_TRUE(enter);
        // No button has the focus and the Default one is hidden: the preview's Enter presses the keypad's.
        EXPECT_EQ(reihen->markedButton(), enter);
        const QImage markiert = enter->grab().toImage();
        grabToPng(reihen, QStringLiteral("tasten_reihen_enter_markiert"));
        reihen->KeyPreview = false;
        EXPECT_EQ(reihen->markedButton(), nullptr);
        EXPECT_TRUE(enter->grab().toImage() != markiert);
        reihen->KeyPreview = true;
    });
}

namespace {

// Aids whose abort a stray Tab frames while a task waits for its answer: the table aid (61), the small 1x1 (51)
// and the 1x1 star (53).
struct Abbruchfall {
    int code;
    Form* hilfe;
    Button* TForm63::*bereich;
};

std::vector<Abbruchfall> abbruchfaelle()
{
    return { { 51, Form71, &TForm63::Button4 }, { 61, Form70, &TForm63::Button3 }, { 53, Form74, &TForm63::Button4 } };
}

} // namespace

TEST_F(TastenHandeln, einKlickAufsTastenfeldHoltDieTastaturVomGerahmtenAbbruchZurueck)
{
    for (const Abbruchfall& fall : abbruchfaelle()) {
        auto* hilfe = dynamic_cast<Hilfenfenster*>(fall.hilfe);
        ASSERT_TRUE(hilfe);
        int enter = 0;
        hilfeBenutzen(
            fall.code, hilfe,
            [&] {
                enter = klicksWaehrend(hilfe->tastenfeld->Button13, [&] {
                    ASSERT_TRUE(sendKey(Qt::Key_Tab));
                    ASSERT_EQ(keyReceiver(), hilfe->endebutton);
                    QTest::mouseClick(hilfe->tastenfeld->ziffer(6), Qt::LeftButton);
                    ASSERT_TRUE(sendKey(Qt::Key_Return));
                    EXPECT_TRUE(hilfe->isVisible());
                });
            },
            fall.bereich);
        EXPECT_EQ(enter, 1) << fall.code;
    }
}

TEST_F(TastenHandeln, eineGetippteZifferOderDieRuecktasteHolenDieTastaturVomGerahmtenAbbruchZurueck)
{
    for (const Abbruchfall& fall : abbruchfaelle()) {
        SCOPED_TRACE(fall.code);
        auto* hilfe = dynamic_cast<Hilfenfenster*>(fall.hilfe);
        ASSERT_TRUE(hilfe);
        int enter = 0, abbruch = 0;
        hilfeBenutzen(
            fall.code, hilfe,
            [&] {
                abbruch = klicksWaehrend(
                    hilfe->endebutton,
                    [&] {
                        enter = klicksWaehrend(hilfe->tastenfeld->Button13, [&] {
                            const auto abbruchRahmen = [&] {
                                for (int i = 0; i < 10 && keyReceiver() != hilfe->endebutton; ++i)
                                    ASSERT_TRUE(sendKey(Qt::Key_Tab));
                                ASSERT_EQ(keyReceiver(), hilfe->endebutton);
                            };
                            // A digit typed as the answer takes the keys from the abort; Tab goes on from it.
                            abbruchRahmen();
                            tippen(QStringLiteral("6"));
                            EXPECT_EQ(keyReceiver(), hilfe);
                            ASSERT_TRUE(sendKey(Qt::Key_Tab));
                            EXPECT_NE(keyReceiver(), hilfe);
                            // So does Backspace where it takes a digit back.
                            abbruchRahmen();
                            ASSERT_TRUE(sendKey(Qt::Key_Backspace));
                            EXPECT_EQ(keyReceiver(), hilfe);
                            // A digit, then Enter: the keypad's Enter, and the run goes on.
                            abbruchRahmen();
                            tippen(QStringLiteral("6"));
                            ASSERT_TRUE(sendKey(Qt::Key_Return));
                            EXPECT_TRUE(hilfe->isVisible());
                            // Framed and pressed at once, the abort still ends the run (here only counted).
                            abbruchRahmen();
                            ASSERT_TRUE(sendKey(Qt::Key_Return));
                        });
                    },
                    true);
            },
            fall.bereich);
        EXPECT_EQ(enter, 1);
        EXPECT_EQ(abbruch, 1);
    }
}

TEST_F(TastenHandeln, nachEinemKlickAufsTastenfeldRahmtEinPfeilDenEinzigenHaltWieder)
{
    auto* tabelle = dynamic_cast<Hilfenfenster*>(Form70);
    ASSERT_TRUE(tabelle);
    hilfeBenutzen(
        61, tabelle,
        [&] {
            for (Qt::Key pfeil : { Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up }) {
                ASSERT_TRUE(sendKey(Qt::Key_Tab));
                ASSERT_EQ(keyReceiver(), tabelle->endebutton);
                QTest::mouseClick(tabelle->tastenfeld->ziffer(6), Qt::LeftButton);
                ASSERT_EQ(keyReceiver(), tabelle);
                ASSERT_TRUE(sendKey(pfeil));
                EXPECT_EQ(keyReceiver(), tabelle->endebutton) << QTest::toString(pfeil);
                // Framed again, it is framed: Enter would end the run now (here only counted).
                EXPECT_EQ(klicksWaehrend(
                              tabelle->endebutton, [] { ASSERT_TRUE(sendKey(Qt::Key_Return)); }, true),
                    1);
            }
        },
        &TForm63::Button3);
}

TEST_F(TastenHandeln, nachGefundenAufEinerFalschenStelleGehenDiePfeileAnsFeld)
{
    // "Zahl einordnen": a cell with room for two steps to the left that is not the target.
    auto* feld = dynamic_cast<TForm64*>(Form64);
    hilfeBenutzen(
        17, feld,
        [&] {
            for (int i = 0; i < 3 && (spalte2 < 2 || h100feld::zahlVon(zeile2, spalte2) == zielzahl); ++i)
                ASSERT_TRUE(sendKey(Qt::Key_Right));
            QTest::mouseClick(feld->gefundenknopf, Qt::LeftButton);
            ASSERT_TRUE(feld->gefundenknopf->isVisible());
            const int spalte = spalte2;
            ASSERT_TRUE(sendKey(Qt::Key_Left));
            ASSERT_TRUE(sendKey(Qt::Key_Left));
            EXPECT_EQ(spalte2, spalte - 2);
        },
        &TForm63::Button1);

    // The number line, pointing: "gefunden?" with no number shown.
    auto* strahl = dynamic_cast<TForm67*>(Form67);
    hilfeBenutzen(
        14, strahl,
        [&] {
            if (variante != strahl::kZeigen) strahl->Button10Click();
            QTest::mouseClick(strahl->gefundenbutton, Qt::LeftButton);
            ASSERT_TRUE(strahl->aufgabeLaeuft());
            wahl6 = 5; // where the arrow keys move the arrow from
            ASSERT_TRUE(sendKey(Qt::Key_Left));
            ASSERT_TRUE(sendKey(Qt::Key_Left));
            EXPECT_EQ(strahl->gezeigt(), 3);
        },
        &TForm63::Button1);
}

TEST_F(TastenHandeln, schriftlichePlusNachEinemKlickAufUe1TipptDieLeertasteNichts)
{
    auto* sv1 = dynamic_cast<TForm79*>(Form79);
    hilfeBenutzen(
        81, sv1,
        [&] {
            // The units digit, then the carry, both clicked.
            const QString erwartet = sv1->schritte().wahltext;
            ASSERT_EQ(erwartet.size(), 5);
            ASSERT_EQ(erwartet.at(3), QChar(u'ü'));
            QTest::mouseClick(sv1->ziffernknopf(erwartet.at(4).digitValue()), Qt::LeftButton);
            QTest::mouseClick(sv1->Button10, Qt::LeftButton);
            const int eingaben = aufgabeneingaben;
            const int schritt = sv1->schritte().schrittzeiger;
            ASSERT_TRUE(sendKey(Qt::Key_Space));
            EXPECT_EQ(aufgabeneingaben, eingaben);
            EXPECT_EQ(sv1->schritte().schrittzeiger, schritt);
            EXPECT_TRUE(sv1->meldung().leer()) << sv1->meldung().texte().join(" ").toStdString();
        },
        &TForm63::Button6, [](TForm63& hub) { hub.RG_SV_Plus->button(4)->click(); }); // two carries
}

TEST_F(TastenHandeln, schriftlichMinusNachEinemKlickAufEineZifferDrueckteEnterTauschen)
{
    auto* sv1 = dynamic_cast<TForm79*>(Form79);
    hilfeBenutzen(
        84, sv1,
        [&] {
            const sv1::Ziffern z = sv1->aktuelleAufgabe().z;
            ASSERT_LT(z.c[sv1::E], z.b[sv1::E]);
            QTest::mouseClick(sv1->Hilfebutton, Qt::LeftButton);
            ASSERT_EQ(sv1->focusWidget(), sv1->tauschbutton);
            // A wrong digit clicked where the help asks for the exchange; Enter still exchanges.
            QTest::mouseClick(sv1->ziffernknopf((z.c[sv1::E] + 11 - z.b[sv1::E]) % 10), Qt::LeftButton);
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            EXPECT_EQ(sv1->tauschstand(), 44);
        },
        &TForm63::Button6, [](TForm63& hub) { hub.RG_SV_mTausch->button(4)->click(); });
}

TEST_F(TastenHandeln, nachEinemKlickAufsTastenfeldRahmtTabDenEinzigenHaltWieder)
{
    // The table aid and the column addition: once a digit is in, each has one tab stop.
    auto* tabelle = dynamic_cast<Hilfenfenster*>(Form70);
    auto* sv1 = dynamic_cast<TForm79*>(Form79);
    const struct {
        int code;
        Hilfenfenster* hilfe;
        Button* TForm63::*bereich;
        std::function<Button*()> ziffer; // a digit the task takes without a message that moves the focus
    } faelle[] = {
        { 61, tabelle, &TForm63::Button3, [&] { return tabelle->tastenfeld->ziffer(6); } },
        { 81, sv1, &TForm63::Button6, [&] { return sv1->ziffernknopf(sv1->schritte().wahltext.at(4).digitValue()); } },
    };
    const auto tabhalte = [](const Form& f) {
        QList<QWidget*> liste;
        for (QWidget* w : f.findChildren<QWidget*>())
            if (isUsable(w) && hasTabStop(w) && (w->focusPolicy() & Qt::TabFocus)) liste << w;
        return liste;
    };
    for (const auto& fall : faelle) {
        ASSERT_TRUE(fall.hilfe);
        int gedrueckt = 0;
        hilfeBenutzen(
            fall.code, fall.hilfe,
            [&] {
                ASSERT_TRUE(sendKey(Qt::Key_Tab));
                auto* halt = qobject_cast<Button*>(keyReceiver());
                ASSERT_TRUE(halt);
                QTest::mouseClick(fall.ziffer(), Qt::LeftButton);
                ASSERT_EQ(keyReceiver(), fall.hilfe);
                ASSERT_EQ(tabhalte(*fall.hilfe), QList<QWidget*>({ halt }));
                for (Qt::Key k : { Qt::Key_Tab, Qt::Key_Backtab }) {
                    ASSERT_TRUE(sendKey(k));
                    EXPECT_EQ(keyReceiver(), halt) << QTest::toString(k);
                    QTest::mouseClick(fall.ziffer(), Qt::LeftButton);
                }
                ASSERT_TRUE(sendKey(Qt::Key_Tab));
                // Space presses it (here only counted: it may end the run).
                gedrueckt = klicksWaehrend(
                    halt, [] { ASSERT_TRUE(sendKey(Qt::Key_Space)); }, true);
            },
            fall.bereich);
        EXPECT_EQ(gedrueckt, 1) << fall.code;
    }
}

TEST_F(TastenHandeln, schriftlichePlusNachDemUebertragDruecktEnterUe1NichtNochEinmal)
{
    auto* sv1 = dynamic_cast<TForm79*>(Form79);
    hilfeBenutzen(
        81, sv1,
        [&] {
            // One carry, into the tens: units, (carry), tens, hundreds.
            const QString erwartet = sv1->schritte().wahltext;
            ASSERT_EQ(erwartet.mid(1), QStringLiteral(" %1ü%2").arg(erwartet.at(2)).arg(erwartet.at(4)));
            const auto klick = [&](int ziffer) { QTest::mouseClick(sv1->ziffernknopf(ziffer), Qt::LeftButton); };
            klick(erwartet.at(4).digitValue());
            // The tens digit before the carry: the message gives "Ü 1" the focus for the carry step.
            klick(erwartet.at(2).digitValue());
            ASSERT_EQ(keyReceiver(), sv1->Button10);
            QTest::mouseClick(sv1->Button10, Qt::LeftButton);
            EXPECT_EQ(keyReceiver(), sv1);
            klick(erwartet.at(2).digitValue());
            const int eingaben = aufgabeneingaben;
            ASSERT_TRUE(sendKey(Qt::Key_Return));
            EXPECT_EQ(aufgabeneingaben, eingaben);
            EXPECT_TRUE(sv1->meldung().leer()) << sv1->meldung().texte().join(" ").toStdString();
            klick(erwartet.at(0).digitValue());
            ASSERT_TRUE(sv1->schritte().geloest());
            // Five inputs, one of them wrong.
            const QStringList zeilen = hilfenrahmen::protokollzeilen(
                schrift::protokollangaben(81, stufentext, hilfetasten, zeigetasten, true),
                hilfenrahmen::aktuellerStand());
            EXPECT_TRUE(zeilen.contains(QStringLiteral("Eingaben, gesamt:      5"))) << zeilen.join("\n").toStdString();
            EXPECT_TRUE(zeilen.contains(QStringLiteral("       falsch/unnötig: 1"))) << zeilen.join("\n").toStdString();
        },
        &TForm63::Button6, [](TForm63& hub) { hub.RG_SV_Plus->button(2)->click(); }); // a carry into the tens
}
