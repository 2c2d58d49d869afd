#include "aids/h_haupt.h"
#include "aids/h_hsv.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

// The half-written calculation as a pupil reaches it from the main window and the hub, with every window of
// the program.
class HalbschriftlichDurchgangTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
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

    Form* hauptfenster = nullptr;
};

} // namespace

TEST_F(HalbschriftlichDurchgangTest, EachKindEndsWithItsOptionPanelAndStartReadyInTheHub)
{
    struct Weg {
        int item;
        Panel* TForm63::*panel; // null: no panel
    };
    const Weg wege[] = { { 0, &TForm63::hsv_ZUEpanel }, { 1, &TForm63::hsv_ZUEpanel }, { 2, nullptr },
        { 3, &TForm63::hsv_malpanel }, { 4, &TForm63::hsv_durchpanel } };
    QList<Form*> gezeigt;
    int geloest = 0;
    Form::setModalDriver([&](Form& f) {
        gezeigt << &f;
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
    hauptfenster->showModal();
    EXPECT_EQ(gezeigt.mid(0, 3), (QList<Form*> { Form1, Form63, Form78 }));
    EXPECT_EQ(gezeigt.count(Form78), 5);
    EXPECT_EQ(geloest, 5);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(protzeilen[2], "Programm:              halbschriftlich, schnell (kurzer Weg)");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
}
