#include "analyses/f_prot.h"
#include "analyses/f_schueler.h"
#include "analyses/f_ss.h"
#include "analyses/f_ss_logik.h"
#include "analyses/f_ss_runner.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <functional>

namespace {

constexpr double kSekunde = 1.0 / 86400.0;

void warten(double sekunden)
{
    clockx::TestClock::advance(sekunden * kSekunde);
}

void taste(QWidget* w, QChar c)
{
    QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &e);
}

} // namespace

// A run prepared as the set-up's Start leaves it: pupil "Anna" without a list, the number 7 only,
// three times, grid on, light background.
class FSsRunnerTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
        skala_x = 0.8f;
        skala_y = 0.8f;
        schuelername = "Anna";
        for (int k = 0; k <= 10; ++k) {
            zahlenwahl1[k] = -1;
            zahlenwahl2[k] = -1;
        }
        zahlenwahl1[6] = 7;
        for (int k = 0; k <= 11; ++k)
            wahlbytes[k] = 255;
        wahlbytes[0] = 0;
        wahlbytes[1] = 1;
        wahlbytes[2] = 2;
        schalter1 = 1;
        schalter2 = 0;
        rasterbleibt = 1;
        mindestaufgaben = 3;
        mindestminuten = 10;
        for (int i = 0; i <= 60; ++i)
            protzeilen[i] = "";
        punkte = 0;
        ss::zeitliste();
        ASSERT_EQ(schueler::protokollvorbereiten("ss10__"), schueler::Protokollziel::Bereit);
        viewer = std::make_unique<TForm36>();
        Form36 = viewer.get();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form36 = nullptr;
        viewer.reset();
        TaviTest::TearDown();
    }
    void zahlen(int code) { ss::zahlenbilden(code); }

    // Runs the runner; `ablauf` drives it; the viewer is grabbed and closed when it comes.
    void starten(SsRunner& r, const std::function<void(SsRunner&)>& ablauf)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == viewer.get()) {
                viewerGezeigt = true;
                grabToPng(&f, QStringLiteral("f_ss_protokoll_") + r.caption());
                viewer->Button2->Click();
                return;
            }
            ablauf(r);
        });
        r.showModal();
        Form::setModalDriver({});
    }
    static void tippen(SsRunner& r, const QString& ziffern)
    {
        for (QChar c : ziffern)
            r.ziffern[size_t(c.digitValue())]->Click();
        r.Button13->Click();
    }
    QColor pixel(SsRunner& r, int x, int y) { return r.surface().image().pixelColor(qRound(x * 0.8), qRound(y * 0.8)); }

    std::unique_ptr<TForm36> viewer;
    bool viewerGezeigt = false;
};

TEST_F(FSsRunnerTest, ThreePresentationsGiveThreeOneOrNoPointsAndTheProtocolFile)
{
    zahlen(ss::Zehnerfeld);
    TForm35 r;
    starten(r, [&](SsRunner& r) {
        EXPECT_FALSE(r.Button13->isEnabled());
        r.Button15->Click(); // los geht's!
        EXPECT_EQ(r.eingabetext(), "?");
        EXPECT_EQ(r.gezeigteZahl(), 7);
        warten(1.35);
        tippen(r, "7");
        EXPECT_EQ(punkte, 3);
        EXPECT_EQ(r.Button15->caption(), "weiter!");
        grabToPng(&r, "f_ss10_richtig");

        r.Button15->Click();
        warten(0.55);
        tippen(r, "5");
        warten(2.15);
        tippen(r, "6");
        warten(0.45);
        tippen(r, "7");
        EXPECT_EQ(punkte, 4);

        r.Button15->Click();
        for (const char* falsch : { "1", "2", "3" }) {
            warten(1.05);
            tippen(r, falsch);
        }
        EXPECT_EQ(punkte, 4);
        EXPECT_EQ(r.eingabetext(), "7");
        EXPECT_FALSE(r.Button13->isEnabled());
        EXPECT_TRUE(r.Button15->isVisible());
        grabToPng(&r, "f_ss10_zeiten_verbraucht");
        r.Button15->Click(); // the task limit is reached
    });
    EXPECT_TRUE(viewerGezeigt);
    EXPECT_TRUE(r.protokollGeschrieben());
    EXPECT_FALSE(r.isVisible());

    const QString pfad = dataPath("OHNELIST/Anna/ss10__01.txt");
    EXPECT_EQ(protdatei, pfad);
    const QByteArray erwartet = "Anna                                   07.12.2026     Schnelles Sehen am 10er\r\n"
        + pfad.toUtf8()
        + "\r\n"
          "Zeit: 0:16 min      Aufgaben: 3   Punkte: 4      P/Ag: 1,3      P/min: 15,0\r\n"
          "Vorgaben:  Hintergrund: hell, mit Raster, max. 10 Minuten, max. 3 Aufgaben\r\n"
          "\r\n"
          "vorg      0,2 sec    0,5 sec    1,0 sec     ok?     P\r\n"
          "Zahl     Zahl/Zeit  Zahl/Zeit  Zahl/Zeit    Zeit\r\n"
          "\r\n"
          "  7        7  1,3                            1,3    3\r\n"
          "  7        5  0,5     6  2,1     7  0,4      3,1    1\r\n"
          "  7        1  1,0     2  1,0     3  1,0\r\n";
    EXPECT_EQ(readBytes(pfad), erwartet);
    EXPECT_EQ(protzeilenzahl, 11);
}

TEST_F(FSsRunnerTest, TheDotsOfTheFieldsMidTask)
{
    zahlenwahl1[6] = -1;
    zahlenwahl1[0] = 6;
    zahlenwahl2[0] = 7;
    zahlen(ss::Hunderterfeld);
    TForm45 r;
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        EXPECT_EQ(r.gezeigteZahl(), 67);
        EXPECT_EQ(r.eingabetext(), "");
        grabToPng(&r, "f_ss100_mitten");
        // Row 6 from the left: blue; its right half red; row 7: five blue, two red, then nothing.
        EXPECT_EQ(pixel(r, 55, 72 + 95 * 5), QColor(0, 0, 255));
        EXPECT_EQ(pixel(r, 55 + 66 * 5, 72 + 95 * 5), QColor(255, 0, 0));
        EXPECT_EQ(pixel(r, 55 + 66 * 6, 72 + 95 * 6), QColor(255, 0, 0));
        EXPECT_EQ(pixel(r, 55 + 66 * 7, 72 + 95 * 6), QColor(192, 192, 192));
        r.ziffern[0]->Click(); // no 0 first in the 100 field
        EXPECT_EQ(r.eingabetext(), "");
        r.abbruch->Click();
    });
    EXPECT_FALSE(viewerGezeigt);

    zahlen(ss::Zwanzigerfeld);
    zahlenwahl1[0] = -1;
    zahlenwahl2[0] = 13;
    zahlen(ss::Zwanzigerfeld);
    TForm33 r20;
    starten(r20, [&](SsRunner& r) {
        r.Button15->Click();
        EXPECT_EQ(r.gezeigteZahl(), 13);
        grabToPng(&r, "f_ss20_mitten");
        EXPECT_EQ(pixel(r, 71 + 95 * 2, 527 + 134), QColor(255, 0, 0));
        EXPECT_EQ(pixel(r, 71 + 95 * 3, 527 + 134), QColor(192, 192, 192));
        r.abbruch->Click();
    });
}

TEST_F(FSsRunnerTest, ARepeatedNumberIsHiddenLikeAnyOther)
{
    zahlen(ss::Zehnerfeld);
    TForm35 r;
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        grabToPng(&r, "f_ss10_mitten");
        EXPECT_EQ(pixel(r, 71, 527), QColor(255, 0, 0));
        warten(0.1);
        r.darbietung->trigger();
        EXPECT_EQ(bildflag, 1);
        warten(0.1);
        r.darbietung->trigger();
        EXPECT_EQ(bildflag, 0);
        EXPECT_EQ(pixel(r, 71, 527), QColor(192, 192, 192));
        tippen(r, "7");

        r.Button15->Click(); // 7 again
        EXPECT_EQ(pixel(r, 71, 527), QColor(255, 0, 0));
        warten(0.2);
        r.darbietung->trigger();
        EXPECT_EQ(pixel(r, 71, 527), QColor(192, 192, 192));
        r.abbruch->Click();
    });
    EXPECT_TRUE(viewerGezeigt);
}

TEST_F(FSsRunnerTest, KeysCountOnlyWhileAPictureIsPresented)
{
    zahlen(ss::Zehnerfeld);
    TForm35 r;
    starten(r, [&](SsRunner& r) {
        taste(&r, '5');
        r.ziffern[5]->Click();
        r.Button13->Click();
        EXPECT_EQ(r.eingabetext(), "");
        EXPECT_EQ(zaehler, 0);

        r.Button15->Click();
        taste(r.Button13, '7');
        EXPECT_EQ(r.eingabetext(), "7");
        taste(r.Button13, '\b');
        EXPECT_EQ(r.eingabetext(), "");
        taste(r.Button13, '7');
        taste(r.Button13, '7');
        taste(r.Button13, '7');
        EXPECT_EQ(r.eingabetext(), "77"); // two digits at most
        r.Button14->Click();
        r.Button13->Click();
        EXPECT_EQ(punkte, 3);
        // A second Enter, a key or a keypad click after the answer change nothing.
        r.Button13->Click();
        taste(&r, '\r');
        taste(&r, '7');
        r.ziffern[7]->Click();
        EXPECT_EQ(punkte, 3);
        EXPECT_EQ(r.eingabetext(), "7");
        r.abbruch->Click();
    });
}

TEST_F(FSsRunnerTest, AbortBeforeOrDuringTheFirstTaskWritesNoProtocol)
{
    zahlen(ss::Zehnerfeld);
    TForm35 r;
    starten(r, [&](SsRunner& r) { r.abbruch->Click(); });
    EXPECT_FALSE(viewerGezeigt);
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        tippen(r, "3");
        r.abbruch->Click();
    });
    EXPECT_FALSE(viewerGezeigt);
    EXPECT_FALSE(r.protokollGeschrieben());
    EXPECT_TRUE(QDir(dataPath("OHNELIST/Anna")).isEmpty());

    // After a solved task the open second one is taken back.
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        tippen(r, "7");
        r.Button15->Click();
        r.abbruch->Click();
    });
    EXPECT_TRUE(viewerGezeigt);
    EXPECT_EQ(zaehler, 1);
    EXPECT_TRUE(readBytes(dataPath("OHNELIST/Anna/ss10__01.txt")).contains("Aufgaben: 1 "));
}

TEST_F(FSsRunnerTest, TheTimeLimitCountsWholeMinutesHoursIncluded)
{
    zahlen(ss::Zehnerfeld);
    mindestaufgaben = 50;
    mindestminuten = 2;
    TForm35 r;
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        tippen(r, "7");
        warten(117);
        r.Button15->Click(); // about 1:59
        EXPECT_EQ(zaehler, 2);
        tippen(r, "7");
        warten(2);
        r.Button15->Click(); // past 2:00: the run ends
    });
    EXPECT_TRUE(viewerGezeigt);
    EXPECT_EQ(zaehler, 2);

    viewerGezeigt = false;
    mindestminuten = 70;
    ASSERT_EQ(schueler::protokollvorbereiten("ss10__"), schueler::Protokollziel::Bereit);
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        tippen(r, "7");
        warten(69 * 60);
        r.Button15->Click();
        EXPECT_EQ(zaehler, 2);
        tippen(r, "7");
        warten(60);
        r.Button15->Click();
    });
    EXPECT_TRUE(viewerGezeigt);
    EXPECT_TRUE(readBytes(dataPath("OHNELIST/Anna/ss10__02.txt")).contains("Zeit: 70:"));
}

TEST_F(FSsRunnerTest, AProtocolThatCannotBeSavedIsReported)
{
    zahlen(ss::Zehnerfeld);
    // Deep in a shared drive: the reason names the whole path, more than the note's lines hold at first.
    QString tief = dataFolder();
    for (int ebene = 1; ebene <= 14; ++ebene)
        tief += QStringLiteral("Gemeinsame_Ablage_Ebene_%1/").arg(ebene);
    QDir().mkpath(tief);
    writeBytes(tief + "blockiert", "kein Ordner");
    protdatei = tief + "blockiert/";
    TForm35 r;
    starten(r, [&](SsRunner& r) {
        r.Button15->Click();
        tippen(r, "7");
        r.abbruch->Click();
        EXPECT_TRUE(r.isVisible());
        EXPECT_TRUE(r.meldung->isVisible());
        EXPECT_TRUE(r.meldung->caption().startsWith("Das Protokoll konnte nicht gespeichert werden."));
        EXPECT_TRUE(showsWhole(r.meldung));
        grabToPng(&r, "f_ss10_nicht_gespeichert");
        r.abbruch->Click();
    });
    EXPECT_FALSE(viewerGezeigt);
    EXPECT_FALSE(r.isVisible());
}

// ---- The set-up ----

class FSsSetupTest : public FSsRunnerTest {
protected:
    void SetUp() override
    {
        FSsRunnerTest::SetUp();
        QFile::copy(
            QStringLiteral(TAVI_SOURCE_DIR "/installordner/fw.ina"), dataPath("fw.ina"));
        QFile(dataPath("fw.ina")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        schuelername = "";
        setup = std::make_unique<TForm31>();
        Form31 = setup.get();
    }
    void TearDown() override
    {
        Form31 = nullptr;
        setup.reset();
        FSsRunnerTest::TearDown();
    }
    void oeffnen(int code, const std::function<void(TForm31&)>& ablauf)
    {
        programmcode = code;
        Form::setModalDriver([&](Form& f) {
            if (&f == setup.get()) ablauf(*setup);
        });
        setup->showModal();
        Form::setModalDriver({});
    }
    std::unique_ptr<TForm31> setup;
};

TEST_F(FSsSetupTest, TimesTasksAndTheHeaderLines)
{
    oeffnen(ss::Zwanzigerfeld, [&](TForm31& s) {
        EXPECT_EQ(mindestaufgaben, 20);
        EXPECT_EQ(s.Edit1->text(), "10");
        EXPECT_TRUE(s.ListBox5->Selected(9));
        EXPECT_EQ(s.Label14->caption(), " gewählt: 20 ");
        EXPECT_TRUE(s.n_ohne->isVisible());
        EXPECT_FALSE(s.Button2->isEnabled()); // no pupil yet

        for (int k = 0; k < 5; ++k)
            s.ListBox1->setSelected(k, k == 1 || k == 3);
        s.ListBox1->OnClick();
        EXPECT_EQ(zeitwahl, 2);
        EXPECT_EQ(protzeilen[5].str(), "vorg      0,5 sec    2,5 sec     ok?     P");
        EXPECT_EQ(protzeilen[6].str(), "Zahl     Zahl/Zeit  Zahl/Zeit    Zeit");

        s.Edit2->setText("0");
        EXPECT_EQ(s.Edit2->text(), "1");
        s.Edit2->setText("75");
        EXPECT_EQ(s.Edit2->text(), "50");
        EXPECT_EQ(mindestaufgaben, 50);
        s.Edit1->setText("0");
        EXPECT_EQ(s.Edit1->text(), "1");

        s.n_ohne->setText("Ben");
        EXPECT_TRUE(s.Button2->isEnabled());
        grabToPng(&s, "f_ss_einrichtung");
        s.Button1->Click();
    });
    EXPECT_EQ(schuelername, "");
}

TEST_F(FSsSetupTest, HundredFieldDigits)
{
    oeffnen(ss::Hunderterfeld, [&](TForm31& s) {
        for (int k = 0; k <= 9; ++k) {
            s.ListBox3->setSelected(k, k == 0);
            s.ListBox4->setSelected(k, k == 0);
        }
        s.ListBox3->OnClick();
        s.ListBox4->OnClick();
        EXPECT_EQ(anzahl, 0);
        EXPECT_EQ(s.Label9->caption(), " bildbare Aufgaben:  0 ");
        s.n_ohne->setText("Ben");
        EXPECT_FALSE(s.Button2->isEnabled());
        s.ListBox4->setSelected(5, true);
        s.ListBox4->OnClick();
        ASSERT_EQ(anzahl, 1);
        EXPECT_EQ(zahlenbeutel[1], 5);
        EXPECT_TRUE(s.Button2->isEnabled());
        s.Button1->Click();
    });
}

TEST_F(FSsSetupTest, AFullFolderKeepsTheRunnerClosed)
{
    QDir().mkpath(dataPath("OHNELIST/Ben"));
    for (int i = 1; i <= 99; ++i)
        writeBytes(dataPath("OHNELIST/Ben/ss20__") + QString("%1.txt").arg(i, 2, 10, QChar('0')), "");
    TForm33 laeufer;
    Form33 = &laeufer;
    bool gestartet = false;
    laeufer.OnActivate = [&] { gestartet = true; };
    oeffnen(ss::Zwanzigerfeld, [&](TForm31& s) {
        s.n_ohne->setText("Ben");
        s.Button2->Click();
        EXPECT_TRUE(s.Label18->isVisible());
        EXPECT_EQ(s.Label18->caption(), "Der benötigte Protokoll-Ordner ist voll.");
        s.Button1->Click();
        EXPECT_FALSE(s.Label18->isVisible());
    });
    Form33 = nullptr;
    EXPECT_FALSE(gestartet);
}

TEST_F(FSsSetupTest, ARunFromTheSetUpAndTheNextPupil)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL2.txt"), "01 Anton\r\n02 Berta\r\n03 Carla Sommer\r\n");
    aktivliste = "KL2";
    TForm35 laeufer;
    Form35 = &laeufer;
    oeffnen(ss::Zehnerfeld, [&](TForm31& s) {
        Form::setModalDriver([&](Form& f) {
            if (&f == &laeufer) {
                laeufer.Button15->Click();
                tippen(laeufer, QString::number(laeufer.gezeigteZahl()));
                laeufer.abbruch->Click();
            } else if (&f == viewer.get()) {
                viewer->Button2->Click();
            }
        });
        ASSERT_EQ(s.namen->count(), 3);
        s.namen->setItemIndex(2);
        s.namen->OnClick();
        EXPECT_EQ(schuelername, "03 Carla Sommer");
        ASSERT_TRUE(s.Button2->isEnabled());
        s.Button2->Click();
        // Back from the run: the next pupil must be chosen.
        EXPECT_EQ(schuelername, "");
        EXPECT_FALSE(s.Button2->isEnabled());
        s.Button1->Click();
    });
    Form35 = nullptr;
    const QByteArray p = readBytes(dataPath("Klassen/KL2/03 Carla/ss10__01.txt"));
    EXPECT_TRUE(p.startsWith("Carla Sommer     "));
    EXPECT_TRUE(readBytes(dataPath("fw.ina")).contains("ss_10\r\n"));
}

// The ten and twenty fields are covered in the window's own background: silver inside a white frame, in the dark
// setting black inside a gray one, as a wipe leaves them.
TEST_F(FSsRunnerTest, TheTenAndTwentyFieldsAreCoveredInTheBackgroundAndItsFrame)
{
    const QColor silber(192, 192, 192), weiss(255, 255, 255), grau(128, 128, 128), schwarz(0, 0, 0);
    for (int code : { ss::Zehnerfeld, ss::Zwanzigerfeld })
        for (int dunkel : { 0, 1 }) {
            SCOPED_TRACE(testing::Message() << "field " << code << ", dark " << dunkel);
            schalter2 = dunkel;
            zahlen(code);
            std::unique_ptr<SsRunner> r;
            if (code == ss::Zehnerfeld)
                r = std::make_unique<TForm35>();
            else
                r = std::make_unique<TForm33>();
            starten(*r, [&](SsRunner& r) {
                r.Button15->Click();
                warten(0.1);
                r.darbietung->trigger();
                warten(0.1);
                r.darbietung->trigger();
                EXPECT_EQ(bildflag, 0);
                // Across the cover's left edge: the window, the frame, the covered field.
                QList<QColor> farben;
                for (int x = 4; x <= 16; ++x)
                    if (farben.isEmpty() || farben.last() != pixel(r, x, 527)) farben << pixel(r, x, 527);
                EXPECT_EQ(farben,
                    dunkel ? QList<QColor>({ silber, grau, schwarz }) : QList<QColor>({ silber, weiss, silber }));
                r.abbruch->Click();
            });
        }
}
