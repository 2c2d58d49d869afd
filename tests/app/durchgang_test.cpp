#include "aids/h_haupt.h"
#include "aids/hilfenrahmen.h"
#include "aids/schriftrahmen.h"
#include "analyses/f_haupt.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/platzhalter.h"
#include "support/fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

// Ways through the whole program as a teacher or pupil takes them, with every window of the program.
class DurchgangTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        // A data folder as the first run leaves it.
        const QString quelle = QStringLiteral(TAVI_INSTALLORDNER);
        QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString datei = it.next();
            const QString ziel = dataFolder() + QDir(quelle).relativeFilePath(datei);
            QDir().mkpath(QFileInfo(ziel).path());
            QFile::copy(datei, ziel);
        }
        const QByteArray kl = (dataFolder() + "\r\nohne\r\n").toUtf8();
        writeBytes(programFolder() + "kl.ina", kl);
        writeBytes(dataPath("kl.ina"), kl);
        static Form* haupt = fensterErzeugen();
        hauptfenster = haupt;
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }

    // Shows the main window; each window shown on the way is named in `gezeigt` and driven by `schritt`.
    void durchgehen(const std::function<void(Form&)>& schritt)
    {
        Form::setModalDriver([&](Form& f) {
            gezeigt << &f;
            schritt(f);
        });
        hauptfenster->showModal();
    }

    Form* hauptfenster = nullptr;
    QList<Form*> gezeigt;
};

TEST_F(DurchgangTest, APupilOpensAnAidFromTheHubAndEndsIt)
{
    durchgehen([&](Form& f) {
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
    durchgehen([&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button9")->Click();
            f.findChild<Button*>("Button5")->Click(); // "Verwaltung": no password set
        } else if (auto* hub = dynamic_cast<TForm30*>(&f))
            hub->Button5->Click(); // kleines 1 + 1
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form30, Form37, Form34 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(DurchgangTest, AreasNotYetBuiltOpenTheirStandIns)
{
    durchgehen([&](Form& f) {
        if (&f == Form1) {
            f.findChild<Button*>("Button4")->Click();
            f.findChild<Button*>("Button7")->Click();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form1, Form41, Form29 }));
    EXPECT_TRUE(dynamic_cast<Platzhalter*>(Form41));
    EXPECT_EQ(Form41->caption(), "Spiele");
    EXPECT_EQ(Form29->caption(), "Arbeitsblätter");
}

TEST_F(DurchgangTest, AColumnAdditionEndsWithItsLevelsAndStartReadyInTheHub)
{
    durchgehen([&](Form& f) {
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
    durchgehen([&](Form& f) {
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
    durchgehen([&](Form& f) {
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
