#include "analyses/f_gra.h"
#include "analyses/f_gra_logik.h"
#include "analyses/f_gra_vp.h"
#include "analyses/f_prot.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"

#include <QDir>
#include <QTest>
#include <functional>

namespace {

const QByteArray kFwIna = "TAVI Einstellungen Fehleranalysen\r\nnicht von Hand \xe4ndern\r\n"
                          "1p1\r\n0 1 2 3 4 5 6 7 8 9 10 0 1 2 3 4 5 6 7 8 9 10\r\n2\r\n"
                          "1x1\r\n-1 -1 2 3 4 -1 -1 -1 -1 -1 -1 -1 -1 2 3 4 -1 -1 -1 -1 -1 -1\r\n0\r\n";

// A list box choice as the teacher makes it: the item toggled, then the list's click handler.
void ankreuzen(ListBox* box, int item, bool an)
{
    box->setSelected(item, an);
    if (box->OnClick) box->OnClick();
}

} // namespace

class FGraFensterTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        aktivliste = "ohne";
        schuelername = "";
        skala_x = 0.8f;
        skala_y = 0.6f;
        writeBytes(dataPath("fw.ina"), kFwIna);
        viewer.OnActivate = [this] {
            ++viewerGezeigt;
            viewerDatei = protdatei;
        };
        Form37 = &setup;
        Form38 = &runner;
        Form36 = &viewer;
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form36 = Form37 = Form38 = nullptr;
        TaviTest::TearDown();
    }

    // Opens the set-up of `code`; `einrichten` runs in it, `lauf` in the runner, if it opens.
    void oeffnen(int code, const std::function<void()>& einrichten, const std::function<void()>& lauf = {})
    {
        programmcode = code;
        Form::setModalDriver([this, einrichten, lauf](Form& f) {
            if (&f == &setup && einrichten)
                einrichten();
            else if (&f == &runner) {
                ++runnerGeoeffnet;
                if (lauf) lauf();
            } else if (&f == Form36 && viewerDriver)
                viewerDriver(f);
        });
        setup.showModal();
    }
    void tippen(const QString& ziffern)
    {
        for (QChar z : ziffern)
            runner.ziffern[size_t(z.digitValue())]->Click();
    }
    // Answers every task of the run, right unless `falsch` says otherwise for the task's answer.
    void alleBeantworten(const std::function<QString(int)>& antwort = {})
    {
        while (runner.aufgabeOffen()) {
            tippen(antwort ? antwort(zahl) : QString::number(zahl));
            runner.Button13->Click();
        }
    }

    TForm37 setup;
    TForm38 runner;
    Form viewer;
    std::function<void(Form&)> viewerDriver;
    int viewerGezeigt = 0;
    int runnerGeoeffnet = 0;
    QString viewerDatei;
};

TEST_F(FGraFensterTest, SetupCountsWhatTheTicksAllow)
{
    oeffnen(11, [this] {
        EXPECT_EQ(setup.zaehllabels[0][0]->caption(), "66 ohne Zehnerübergang");
        EXPECT_EQ(setup.zaehllabels[0][1]->caption(), "55 mit Zehnerübergang");
        EXPECT_EQ(setup.zaehllabels[0][2]->caption(), "121 gesamt");
        EXPECT_EQ(setup.r11->ItemIndex(), 2);
        EXPECT_TRUE(setup.zahlenpanels[0]->isVisible());
        EXPECT_FALSE(setup.zahlenpanels[5]->isVisible());
        // No pupil yet: Start stays disabled.
        EXPECT_FALSE(setup.Button2->isEnabled());
        setup.n_ohne->setText("Anna");
        EXPECT_TRUE(setup.Button2->isEnabled());
        // No number in the second list: nothing to ask, whatever the pupil.
        for (int i = 0; i <= 10; ++i)
            ankreuzen(setup.zweitelisten[0], i, false);
        EXPECT_EQ(aufgabenanzahl, 0);
        EXPECT_FALSE(setup.Button2->isEnabled());
        setup.Button10->Click();
    });
    EXPECT_EQ(setup.n_ohne->text(), "");

    oeffnen(16, [this] {
        EXPECT_EQ(setup.zaehllabels[5][0]->caption(), "min.: 6   max.: 9");
        EXPECT_EQ(aufgabenanzahl, 9);
        // The variant alone does not count again; Start does.
        setup.r16maldurch->setItemIndex(1);
        setup.r16maldurch->OnClick();
        EXPECT_EQ(aufgabenanzahl, 9);
        grabToPng(&setup, "f_gra_einrichtung_1x1");
        setup.Button10->Click();
    });

    oeffnen(17, [this] {
        // The heading of the divisors can be read: it lies on nothing else of the panel.
        QWidget* p = setup.zahlenpanels[6];
        const QList<Label*> labels = p->findChildren<Label*>();
        const auto reihe
            = std::find_if(labels.begin(), labels.end(), [](Label* l) { return l->text() == "(1x1-Reihe)"; });
        ASSERT_NE(reihe, labels.end());
        EXPECT_TRUE(p->rect().contains((*reihe)->geometry()));
        for (QWidget* w : p->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w != *reihe && w->isVisible())
                EXPECT_FALSE(w->geometry().intersects((*reihe)->geometry())) << w->metaObject()->className();
        grabToPng(&setup, "f_gra_einrichtung_1d1");
        setup.Button10->Click();
    });

    oeffnen(14, [this] {
        EXPECT_EQ(setup.zaehllabels[3][0]->caption(), "36"); // the section is missing: every number
        setup.Button10->Click();
    });
}

TEST_F(FGraFensterTest, StartSavesTheChoiceAndRunsTheAnalysis)
{
    oeffnen(
        16,
        [this] {
            ankreuzen(setup.erstelisten[5], 4, false);
            ankreuzen(setup.zweitelisten[5], 4, false);
            setup.r16maldurch->setItemIndex(1);
            setup.r16maldurch->OnClick();
            setup.n_ohne->setText("Ben");
            ASSERT_TRUE(setup.Button2->isEnabled());
            setup.Button2->Click();
            // Back from the run: a new pupil must be chosen.
            EXPECT_FALSE(setup.Button2->isEnabled());
            EXPECT_EQ(setup.n_ohne->text(), "");
        },
        [this] {
            EXPECT_EQ(aufgabenanzahl, 3); // of 2 x 3 and 3 x 2 only one
            EXPECT_FALSE(runner.aufgabeOffen());
            runner.Button15->Click();
            ASSERT_TRUE(runner.aufgabeOffen());
            tippen("1");
            grabToPng(&runner, "f_gra_lauf_1x1");
            runner.Button14->Click();
            alleBeantworten([](int richtig) { return QString::number(richtig == 9 ? 6 : richtig); });
        });
    EXPECT_TRUE(readBytes(dataPath("fw.ina"))
                    .contains("1x1\r\n-1 -1 2 3 -1 -1 -1 -1 -1 -1 -1 -1 -1 2 3 -1 -1 -1 -1 -1 -1 -1\r\n1\r\n"));
    EXPECT_EQ(runnerGeoeffnet, 1);
    ASSERT_EQ(viewerGezeigt, 1);
    EXPECT_TRUE(viewerDatei.endsWith("/OHNELIST/Ben/1x1___01.txt"));
    const QStringList zeilen = cp1252::decode(readBytes(viewerDatei)).split("\r\n");
    EXPECT_TRUE(zeilen[0].startsWith("Ben   "));
    EXPECT_TRUE(zeilen[0].endsWith("  kleines  1 x 1 (ohne T-Ag)"));
    EXPECT_EQ(zeilen[4], "          davon bearbeitet: 3  ");
    EXPECT_EQ(zeilen[7], "          falsch:   1  Tabelle: richtige Lösung, _ , falsche Lösung");
    EXPECT_TRUE(zeilen[22].contains("9_6")) << zeilen[22].toStdString(); // row 3: 3 x 3 answered 6
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FGraFensterTest, KeysCountOnlyWhileATaskIsShown)
{
    schuelername = "";
    oeffnen(
        11,
        [this] {
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            // Before the first task a digit is not taken; Enter is "los geht's!".
            QTest::keyClick(&runner, Qt::Key_5);
            EXPECT_EQ(eingabe, "");
            EXPECT_FALSE(runner.ziffern[5]->isEnabled());
            QTest::keyClick(&runner, Qt::Key_Return);
            EXPECT_EQ(zaehler, 1);
            EXPECT_EQ(eingabe, "");
            ASSERT_TRUE(runner.aufgabeOffen());
            const int richtig = zahl;
            QTest::keyClick(&runner, Qt::Key_9);
            QTest::keyClick(&runner, Qt::Key_8);
            QTest::keyClick(&runner, Qt::Key_7);
            QTest::keyClick(&runner, Qt::Key_6); // a fourth digit has no room
            EXPECT_EQ(eingabe, "987");
            QTest::keyClick(&runner, Qt::Key_Backspace);
            QTest::keyClick(&runner, Qt::Key_Backspace);
            QTest::keyClick(&runner, Qt::Key_Backspace);
            QTest::keyClick(&runner, Qt::Key_Return); // nothing typed: nothing happens
            EXPECT_EQ(zaehler, 1);
            for (QChar z : QString::number(richtig))
                QTest::keyClick(&runner, z.toLatin1());
            QTest::keyClick(&runner, Qt::Key_Return);
            EXPECT_EQ(wahl1, 1);
            EXPECT_EQ(zaehler, 2);
            // Abort: the task on screen does not count, the one answered does.
            QTest::keyClick(&runner, Qt::Key_Escape);
        });
    EXPECT_EQ(viewerGezeigt, 1);
    const QStringList zeilen = cp1252::decode(readBytes(viewerDatei)).split("\r\n");
    EXPECT_EQ(zeilen[3], "Aufgaben: maximal (nach Vorgabe durch die Zahlenauswahl): 121 (?\?\?)");
    EXPECT_EQ(zeilen[4], "          davon bearbeitet: 1  ");
}

TEST_F(FGraFensterTest, AbortOnTheFirstTaskWritesNoProtocol)
{
    oeffnen(
        11,
        [this] {
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            runner.Button15->Click();
            runner.Button1->Click();
        });
    EXPECT_EQ(runnerGeoeffnet, 1);
    EXPECT_EQ(viewerGezeigt, 0);
    EXPECT_TRUE(QDir(dataPath("OHNELIST/Anna")).entryList(QDir::Files).isEmpty());
}

TEST_F(FGraFensterTest, MixedTensTakeNoLeadingZero)
{
    oeffnen(
        12,
        [this] {
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            runner.Button15->Click();
            EXPECT_GE(zahl, 10);
            runner.ziffern[0]->Click();
            EXPECT_EQ(eingabe, "");
            runner.ziffern[4]->Click();
            runner.ziffern[0]->Click();
            EXPECT_EQ(eingabe, "40");
            runner.Button1->Click();
        });
}

TEST_F(FGraFensterTest, SubtractionFormWithTheGapInTheMiddle)
{
    writeBytes(dataPath("fw.ina"),
        kFwIna + "1m1_10\r\n-1 -1 -1 -1 -1 -1 -1 -1 -1 9 -1 -1 -1 -1 -1 4 -1 -1 -1 -1 -1 -1\r\n3\r\n");
    oeffnen(
        13,
        [this] {
            EXPECT_EQ(setup.r13_14->ItemIndex(), 3);
            EXPECT_EQ(aufgabenanzahl, 1);
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            runner.Button15->Click();
            EXPECT_EQ(zahl, 5);
            tippen("5");
            grabToPng(&runner, "f_gra_lauf_1m1_form3");
            runner.Button13->Click();
        });
    ASSERT_EQ(viewerGezeigt, 1);
    EXPECT_TRUE(readBytes(viewerDatei).contains(" 9   " + QByteArray(24, ' ') + "5 ++  "));
}

TEST_F(FGraFensterTest, AFullFolderStopsTheStart)
{
    QDir().mkpath(dataPath("OHNELIST/Anna"));
    for (int i = 1; i <= 99; ++i)
        writeBytes(dataPath(QString("OHNELIST/Anna/1+1___%1.txt").arg(i, 2, 10, QChar('0'))), "");
    oeffnen(11, [this] {
        setup.n_ohne->setText("Anna");
        setup.Button2->Click();
        EXPECT_FALSE(setup.Label55->isHidden());
        EXPECT_EQ(setup.Label55->caption(), "Der benötigte Protokoll-Ordner ist voll.");
        setup.Button2->Click(); // the search runs again and ends the same way
        EXPECT_FALSE(setup.Label55->isHidden());
        setup.Button10->Click();
        EXPECT_TRUE(setup.Label55->isHidden());
    });
    EXPECT_EQ(runnerGeoeffnet, 0);
}

TEST_F(FGraFensterTest, WithoutTheSettingsFileStartDoesNothing)
{
    QFile::remove(dataPath("fw.ina"));
    oeffnen(11, [this] {
        EXPECT_EQ(aufgabenanzahl, 121); // the installation's choice
        setup.n_ohne->setText("Anna");
        EXPECT_TRUE(setup.Button2->isEnabled());
        setup.Button2->Click();
        setup.Button10->Click();
    });
    EXPECT_EQ(runnerGeoeffnet, 0);
}

TEST_F(FGraFensterTest, AProtocolThatCannotBeSavedIsReported)
{
    oeffnen(
        17,
        [this] {
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            runner.Button15->Click();
            // The pupil's folder is gone by the end of the run, and a file stands in its place.
            QDir(dataPath("OHNELIST/Anna")).removeRecursively();
            writeBytes(dataPath("OHNELIST/Anna"), "");
            tippen(QString::number(zahl));
            runner.Button13->Click();
            runner.Button1->Click();
        });
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Das Protokoll konnte nicht gespeichert werden. ")) << errors[0].toStdString();
    EXPECT_EQ(viewerGezeigt, 1);
}

TEST_F(FGraFensterTest, TheViewerShowsTheFinishedRun)
{
    TForm36 protokollfenster;
    Form36 = &protokollfenster;
    viewerDriver = [](Form& f) {
        grabToPng(&f, "f_gra_protokoll_1p1");
        static_cast<TForm36&>(f).Button1->Click(); // printed into the test's print folder
    };
    oeffnen(
        11,
        [this] {
            for (int i = 5; i <= 10; ++i)
                ankreuzen(setup.erstelisten[0], i, false);
            setup.n_ohne->setText("Anna");
            setup.Button2->Click();
        },
        [this] {
            runner.Button15->Click();
            int n = 0;
            alleBeantworten([&n](int richtig) { return QString::number(++n % 4 == 0 ? richtig + 1 : richtig); });
        });
    EXPECT_EQ(protzeilenzahl, 53);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
    EXPECT_EQ(protzeilen[1].str().left(20), "Anna                ");
    const QDir druck(qEnvironmentVariable("TAVI_DRUCKORDNER"));
    const QStringList pdf = druck.entryList({ "*.pdf" });
    ASSERT_EQ(pdf.size(), 1);
    const QString kopie = QStringLiteral(TAVI_TEST_OUTPUT "/f_gra_protokoll_1p1.pdf");
    QFile::remove(kopie);
    QFile::copy(druck.filePath(pdf[0]), kopie);
}
