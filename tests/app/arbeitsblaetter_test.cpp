#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"
#include "worksheets/a_ber_20.h"
#include "worksheets/ablhaupt.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

// The worksheet hub and the "Bereich bis 20" menu with the windows the program body creates.
class ArbeitsblaetterTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        static Form* haupt = fensterErzeugen();
        Q_UNUSED(haupt);
        datpfad = dataFolder();
        QFile::copy(QStringLiteral(TAVI_INSTALLORDNER "/aw.ina"), dataPath("aw.ina"));
        hub = dynamic_cast<TForm29*>(Form29);
        menue = dynamic_cast<TForm2*>(Form2);
        ASSERT_TRUE(hub && menue);
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }
    static void esc(Form& f)
    {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&f, &e);
    }
    TForm29* hub = nullptr;
    TForm2* menue = nullptr;
};

TEST_F(ArbeitsblaetterTest, EachHubButtonSetsCopiesAndSeedAsItsTopicNeedsAndOpensItsWindow)
{
    struct Fall {
        Button* knopf;
        Form* fenster;
        int wieoft;
        bool neuerSamen;
    };
    UnpinRandomSeed();
    RandSeed(99);
    const int ohneNeuenSamen = Random(1 << 30);
    const QList<Fall> faelle {
        { hub->Button1, Form2, 1, true },
        { hub->Button2, Form14, 1, true },
        { hub->Button3, Form20, 1, true },
        { hub->Button4, Form17, 1, true },
        { hub->Button5, Form6, 1, true },
        { hub->Button6, Form27, 1, false },
        { hub->Button7, Form28, 1, true }, // the hub leaves the seed, the sheet seeds on activation
        { hub->Button8, Form23, 1, true },
        { hub->Button11, Form26, 1, true },
        { hub->Button9, Form5, 7, false },
    };
    for (const Fall& fall : faelle) {
        QList<Form*> gezeigt;
        int wieoftBeimOeffnen = -1;
        int zufall = 0;
        Form::setModalDriver([&](Form& f) {
            gezeigt << &f;
            if (&f == hub) {
                wieoft = 7;
                RandSeed(99);
                fall.knopf->Click();
                esc(f);
            } else {
                wieoftBeimOeffnen = wieoft;
                zufall = Random(1 << 30);
                f.Close();
            }
        });
        hub->showModal();
        SCOPED_TRACE(fall.knopf->caption().toStdString());
        EXPECT_EQ(gezeigt, (QList<Form*> { hub, fall.fenster }));
        EXPECT_EQ(wieoftBeimOeffnen, fall.wieoft);
        EXPECT_EQ(zufall != ohneNeuenSamen, fall.neuerSamen);
        EXPECT_FALSE(hub->isVisible());
    }
}

TEST_F(ArbeitsblaetterTest, AfterAChildClosesZurueckHasTheFocusOnlyWhileTheSettingsFileExists)
{
    for (const bool vorhanden : { true, false }) {
        if (!vorhanden) QFile::remove(dataPath("aw.ina"));
        QWidget* fokus = nullptr;
        Form::setModalDriver([&](Form& f) {
            if (&f != hub) return f.Close();
            hub->Button1->setFocus();
            SetFocus(hub->Button1);
            hub->Button2->Click();
            fokus = hub->focusWidget();
            grabToPng(hub, "ablhaupt");
            hub->Button10->Click();
        });
        hub->showModal();
        SCOPED_TRACE(vorhanden);
        EXPECT_EQ(fokus == hub->Button10, vorhanden);
    }
}

TEST_F(ArbeitsblaetterTest, TheMenuOpensTheFourSheetsTheKnobelkaestenAndTheDominosAndNothingElse)
{
    QList<Form*> gezeigt;
    Form::setModalDriver([&](Form& f) {
        gezeigt << &f;
        if (&f == hub) {
            hub->Button1->Click();
            esc(f);
        } else if (&f == menue) {
            wieoft = 3;
            programmcode = 44;
            grabToPng(menue, "a_ber_20");
            for (Button* b :
                { menue->Button5, menue->Button1, menue->Button2, menue->Button3, menue->Button6, menue->Button7 })
                b->Click();
            EXPECT_EQ(wieoft, 3);
            EXPECT_EQ(programmcode, 44);
            esc(f);
        } else
            f.Close();
    });
    hub->showModal();
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, menue, Form4, Form3, Form13, Form12, Form23, Form26 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
