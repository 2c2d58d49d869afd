#include "analyses/f_prot.h"
#include "analyses/f_sv.h"
#include "analyses/f_sv_logik.h"
#include "analyses/f_sv_vp.h"
#include "platform/controls.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <functional>
#include <optional>

using namespace sv;

namespace {

std::string txt(const QString& s)
{
    return s.toStdString();
}

// Types an answer on the keyboard as a pupil does: the units first, leftwards.
void tippe(QWidget* fenster, const QString& antwort)
{
    for (int i = int(antwort.size()) - 1; i >= 0; --i)
        QTest::keyClick(fenster, antwort[i].toLatin1());
}

// The "ü" key.
void markeTippen(QWidget* fenster)
{
    QTest::sendKeyEvent(QTest::Click, fenster, Qt::Key_Udiaeresis, QString(QChar(0xFC)), Qt::NoModifier);
}

} // namespace

class SvFensterTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        skala_x = 0.8f;
        skala_y = 0.8f;
        datpfad = dataFolder();
        aktivliste = "ohne";
        programmcode = 20;
        printer().setRecording(true);
        printer().clearRecorded();
        setup = new TForm39;
        runner = new TForm40;
        viewer = new TForm36;
        Form39 = setup;
        Form40 = runner;
        Form36 = viewer;
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form39 = Form40 = Form36 = nullptr;
        delete viewer;
        delete runner;
        delete setup;
        printer().setRecording(false);
        TaviTest::TearDown();
    }

    // Shows the set-up; `amSetup` drives it, `amLaeufer` the runner; the viewer notes what it shows.
    void fuehren(std::function<void()> amSetup, std::function<void()> amLaeufer)
    {
        Form::setModalDriver([=](Form& f) {
            if (&f == setup)
                amSetup();
            else if (&f == runner)
                amLaeufer();
            else if (&f == viewer) {
                ++viewerGezeigt;
                viewerDatei = protdatei;
                f.Close();
            }
        });
        setup->showModal();
    }

    // The pupil answers every task; `antwort` gives the answer of a task.
    void rechnen(const std::function<QString(const Aufgabe&)>& antwort, int hoechstens = 40)
    {
        runner->Button15->Click();
        for (int n = 0; n < hoechstens && runner->lauf().aufgabeOffen(); ++n) {
            tippe(runner, antwort(runner->lauf().aufgabe()));
            QTest::keyClick(runner, Qt::Key_Return);
            runner->Button15->Click();
        }
    }

    TForm39* setup = nullptr;
    TForm40* runner = nullptr;
    TForm36* viewer = nullptr;
    int viewerGezeigt = 0;
    QString viewerDatei;
};

TEST_F(SvFensterTest, ARunWithoutErrorsFromTheSetUpToTheViewer)
{
    int aufgaben = 0;
    fuehren(
        [&] {
            EXPECT_FALSE(setup->Button2->isEnabled());
            QTest::keyClicks(setup->n_ohne, "Anna");
            EXPECT_TRUE(setup->Button2->isEnabled());
            setup->Button2->Click();
            EXPECT_FALSE(setup->Button2->isEnabled()) << "a new pupil is needed for the next run";
            EXPECT_EQ(txt(setup->n_ohne->text()), "");
        },
        [&] {
            rechnen([&](const Aufgabe& a) {
                ++aufgaben;
                return a.loesungstext();
            });
        });
    EXPECT_EQ(aufgaben, 10);
    EXPECT_EQ(viewerGezeigt, 1);
    const QString datei = dataPath("OHNELIST/Anna/ssub__01.txt");
    EXPECT_EQ(txt(files::resolve(viewerDatei)), txt(files::resolve(datei)));
    EXPECT_TRUE(files::fileExists(datei));
    EXPECT_EQ(viewer->Button1->isEnabled(), true);
    EXPECT_EQ(protzeilenzahl, 25);
    EXPECT_EQ(txt(protzeilen[11].str().left(9)), " A    1  ") << "the viewer read file line 10 into record line 11";
    EXPECT_TRUE(runner->protokollGeschrieben());
    EXPECT_FALSE(runner->isVisible());
}

TEST_F(SvFensterTest, ClassListsThatCannotBeReadAreSaidAndNoPupilIsOffered)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.TXT"), "01 Anna\r\n02 Ben\r\n");
    aktivliste = "KL3A";
    std::optional<UnlesbarerOrdner> zu(std::in_place, dataPath("k_liste"), testFolder());
    fuehren(
        [&] {
            ASSERT_TRUE(setup->Label18->isVisible());
            EXPECT_TRUE(setup->Label18->caption().startsWith(
                "Die Klassenlisten können an diesem Rechner nicht gelesen werden: der Ordner „" + dataPath("k_liste")))
                << txt(setup->Label18->caption());
            EXPECT_TRUE(showsWhole(setup->Label18));
            EXPECT_EQ(setup->namen->count(), 0);
            EXPECT_FALSE(setup->Button2->isEnabled());
            zu.reset(); // the picture is written as the tests' own user
            grabToPng(setup, "f_sv_listen_unlesbar");
            setup->Button10->Click();
        },
        [] {});
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen")));
}

TEST_F(SvFensterTest, TheRunnerMidTask)
{
    fuehren(
        [&] {
            QTest::keyClicks(setup->n_ohne, "Ben");
            setup->Button2->Click();
        },
        [&] {
            // Before the first task digits count nothing; Enter presses "los geht's!".
            QTest::keyClick(runner, '5');
            EXPECT_EQ(runner->lauf().zustand(), Lauf::Zustand::Bereit);
            EXPECT_FALSE(runner->Button13->isEnabled());
            grabToPng(runner, "f_sv_vp_start");

            QTest::keyClick(runner, Qt::Key_Return);
            ASSERT_TRUE(runner->lauf().aufgabeOffen());
            EXPECT_EQ(runner->lauf().eingabe().ziffernzahl(), 0);
            EXPECT_FALSE(runner->Button15->isVisible());
            EXPECT_TRUE(runner->Button13->isEnabled());
            EXPECT_TRUE(runner->KeyPreview);
            const Aufgabe a = runner->lauf().aufgabe();
            QTest::keyClick(runner, a.loesungstext()[2].toLatin1());
            markeTippen(runner);
            markeTippen(runner); // not twice in a row
            runner->ziffernknoepfe[std::size_t(a.zehner1)]->Click();
            EXPECT_EQ(txt(runner->lauf().eingabe().tastenfolge()),
                txt(a.loesungstext().mid(2, 1) + QString::fromUtf8("ü") + a.loesungstext().mid(1, 1)));
            grabToPng(runner, "f_sv_vp_mitten_in_der_aufgabe");

            // Backspace and Enter by key; Enter answers.
            QTest::keyClick(runner, Qt::Key_Backspace);
            EXPECT_EQ(runner->lauf().eingabe().ziffernzahl(), 1);
            runner->Button14->Click();
            runner->Button14->Click();
            EXPECT_EQ(runner->lauf().eingabe().ziffernzahl(), 0);
            QTest::keyClick(runner, Qt::Key_Return);
            EXPECT_TRUE(runner->lauf().aufgabeOffen()) << "Enter without a digit does nothing";
            tippe(runner, "999");
            QTest::keyClick(runner, Qt::Key_Return);
            EXPECT_EQ(runner->lauf().zustand(), Lauf::Zustand::Beantwortet);
            EXPECT_TRUE(runner->Button15->isVisible());
            EXPECT_EQ(txt(runner->Button15->caption()), "weiter!");
            EXPECT_FALSE(runner->KeyPreview);
            QTest::keyClick(runner, '1');
            EXPECT_EQ(runner->lauf().eingabe().ziffernzahl(), 3) << "no keys while no task is shown";
            grabToPng(runner, "f_sv_vp_beantwortet");

            // Esc is "Programm abbrechen": one task counted, so a protocol.
            QTest::keyClick(runner, Qt::Key_Escape);
        });
    EXPECT_EQ(viewerGezeigt, 1);
    EXPECT_TRUE(files::fileExists(dataPath("OHNELIST/Ben/ssub__01.txt")));
    EXPECT_EQ(protzeilenzahl, 31);
}

TEST_F(SvFensterTest, EndingBeforeTheFirstAnswerWritesNoProtocol)
{
    int laeufe = 0;
    fuehren(
        [&] {
            QTest::keyClicks(setup->n_ohne, "Cleo");
            setup->Button2->Click();
            EXPECT_FALSE(setup->Button2->isEnabled());
            QTest::keyClicks(setup->n_ohne, "Cleo");
            setup->Button2->Click();
        },
        [&] {
            if (++laeufe == 1) {
                runner->Button1->Click(); // before the first task
                return;
            }
            runner->Button15->Click(); // the first task shown, not answered
            runner->Button1->Click();
        });
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(viewerGezeigt, 0);
    EXPECT_FALSE(files::exists(dataPath("OHNELIST/Cleo/ssub__01.txt")));
    EXPECT_FALSE(setup->Button2->isEnabled());
}

TEST_F(SvFensterTest, AProtocolThatCannotBeSavedIsReportedInTheRunner)
{
    fuehren(
        [&] {
            QTest::keyClicks(setup->n_ohne, "Dora");
            setup->Button2->Click();
        },
        [&] {
            // The folder vanishes during the run.
            QDir(dataPath("OHNELIST/Dora")).removeRecursively();
            writeBytes(dataPath("OHNELIST/Dora"), "kein Ordner");
            rechnen([](const Aufgabe& a) { return a.loesungstext(); });
            EXPECT_TRUE(runner->isVisible());
            EXPECT_TRUE(runner->meldung->isVisible());
            EXPECT_TRUE(runner->meldung->caption().startsWith("Das Protokoll konnte nicht gespeichert werden."));
            EXPECT_TRUE(showsWhole(runner->meldung));
            grabToPng(runner, "f_sv_vp_nicht_gespeichert");
            runner->Button1->Click();
        });
    EXPECT_EQ(viewerGezeigt, 0);
    EXPECT_FALSE(runner->isVisible());
}

TEST_F(SvFensterTest, AFullFolderOpensNothing)
{
    QDir().mkpath(dataPath("OHNELIST/Emil"));
    for (int i = 1; i <= 99; ++i)
        writeBytes(dataPath("OHNELIST/Emil/ssub__%1.txt").arg(i, 2, 10, QChar('0')), "");
    bool laeuferOffen = false;
    fuehren(
        [&] {
            QTest::keyClicks(setup->n_ohne, "Emil");
            setup->Button2->Click();
            EXPECT_TRUE(setup->Label18->isVisible());
            EXPECT_EQ(
                txt(setup->Label18->caption()), txt(QString::fromUtf8("Der benötigte Protokoll-Ordner ist voll.")));
            QCoreApplication::processEvents();
            grabToPng(setup, "f_sv_ordner_voll");
            QMouseEvent bewegung(
                QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(setup, &bewegung);
            EXPECT_FALSE(setup->Label18->isVisible());
            setup->Button10->Click();
        },
        [&] { laeuferOffen = true; });
    EXPECT_FALSE(laeuferOffen);
}

TEST_F(SvFensterTest, TheSetUpWithAClassListAndThePrintedHints)
{
    aktivliste = "KL3A";
    QDir().mkpath(dataPath("k_liste"));
    QByteArray liste;
    for (int i = 1; i <= 12; ++i)
        liste += QString("%1 Kind %2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
    writeBytes(dataPath("k_liste/KL3A.txt"), liste);
    fuehren(
        [&] {
            EXPECT_FALSE(setup->n_ohne->isVisible());
            ASSERT_EQ(setup->namen->count(), 12);
            EXPECT_EQ(setup->Memo1->lines(), hinweiszeilen());
            QCoreApplication::processEvents(); // a form never painted grabs as stale memory
            grabToPng(setup, "f_sv_einrichtung");
            setup->Button1->Click();
            setup->namen->setItemIndex(11);
            setup->namen->OnClick();
            EXPECT_EQ(txt(schuelername.str()), "12 Kind 12");
            EXPECT_TRUE(setup->Button2->isEnabled());
            setup->Button10->Click();
        },
        [] {});
    ASSERT_EQ(printer().recorded().size(), 1);
    const auto& doc = printer().recorded().first();
    ASSERT_EQ(doc.pages.size(), 1);
    const auto& ops = doc.pages.first();
    ASSERT_EQ(ops.size(), hinweiszeilen().size());
    EXPECT_EQ(txt(ops.first().text), "Es sind 1...3 Aufgaben der folgenden 10 'Arten' zu lösen");
    EXPECT_EQ(ops.first().points.first(), QPoint(200, -100));
    EXPECT_EQ(ops.last().points.first(), QPoint(200, -(100 + 40 * 60)));
    EXPECT_EQ(ops.first().font.name, "courier new");
    EXPECT_EQ(ops.first().font.height, 45);
    EXPECT_EQ(ops.first().mapMode, MapMode::LoMetric);
    EXPECT_TRUE(Printer::writePdf(doc, QStringLiteral(TAVI_TEST_OUTPUT "/f_sv_hinweise.pdf")).isEmpty());
    EXPECT_FALSE(setup->Button2->isEnabled());
}

TEST_F(SvFensterTest, AListDeletedOnAnotherPcOffersTheTypedNameAndOneBeingSavedAsksForAMoment)
{
    aktivliste = "KL3A";
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.txt"), "01 Anna\r\n02 Ben\r\n");
    bool laeuferOffen = false;
    FileLock::setWaitForTests(60);
    fuehren(
        [&] {
            setup->namen->setItemIndex(1);
            setup->namen->OnClick();
            {
                // Another PC saves the list just now: not a list deleted, nothing to type.
                const FileLock anderer(dataPath("k_liste/KL3A.LCK"));
                setup->Button2->Click();
            }
            EXPECT_TRUE(setup->Label18->caption().contains("gleich noch einmal „Start“"));
            EXPECT_TRUE(setup->namen->isVisible());
            EXPECT_FALSE(setup->n_ohne->isVisible());
            EXPECT_TRUE(showsWhole(setup->Label18));

            // Then it deletes the list: the set-up goes on as without one, and says so whole.
            QFile::remove(dataPath("k_liste/KL3A.txt"));
            setup->Button2->Click();
            EXPECT_EQ(txt(setup->Label18->caption()),
                "Die Klassenliste „KL3A“ gibt es nicht mehr: sie wurde inzwischen gelöscht. Bitte den Namen eintippen "
                "und noch einmal „Start“ klicken.");
            EXPECT_TRUE(showsWhole(setup->Label18));
            EXPECT_FALSE(setup->Label18->geometry().intersects(setup->Namenliste->geometry()));
            EXPECT_TRUE(setup->n_ohne->isVisible());
            EXPECT_FALSE(setup->Button2->isEnabled());
            QCoreApplication::processEvents();
            grabToPng(setup, "f_sv_liste_geloescht");
            QTest::keyClicks(setup->n_ohne, "Ben");
            setup->Button2->Click();
        },
        [&] {
            laeuferOffen = true;
            // The list comes back while the pupil works: the set-up looks at it again once the run is over.
            writeBytes(dataPath("k_liste/KL3A.txt"), "01 Anna\r\n02 Ben\r\n");
            runner->Close();
        });
    FileLock::setWaitForTests(-1);
    EXPECT_TRUE(laeuferOffen);
    EXPECT_FALSE(QDir(dataPath("Klassen")).exists());
    EXPECT_TRUE(QDir(dataPath("OHNELIST/Ben")).exists());
    EXPECT_EQ(aktivliste, "KL3A");
    EXPECT_EQ(setup->namen->items(), QStringList({ "Anna", "Ben" }));
    EXPECT_FALSE(setup->n_ohne->isVisible());
}
