#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"
#include "worksheets/a_komma.h"
#include "worksheets/a_r_100.h"
#include "worksheets/ablhaupt.h"

#include <QTest>

// Hand-overs from the worksheet hub and menus to the windows the program body creates.
class BlaetterUebergabe : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        static Form* haupt = fensterErzeugen();
        Q_UNUSED(haupt);
        datpfad = dataFolder();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }
};

// The hub opens "Komma" with its form list hidden and one copy shown.
TEST_F(BlaetterUebergabe, TheHubHidesTheKommaFormPanelUntilAKindIsChosen)
{
    auto* hub = dynamic_cast<TForm29*>(Form29);
    auto* komma = dynamic_cast<TForm27*>(Form27);
    ASSERT_TRUE(hub && komma);
    komma->Panel5->show();
    komma->Edit8->setText("7");
    bool geprueft = false;
    Form::setModalDriver([&](Form& f) {
        if (&f == hub) {
            hub->Button6->Click();
            hub->Close();
            return;
        }
        EXPECT_EQ(&f, komma);
        EXPECT_FALSE(komma->Panel5->isVisible());
        EXPECT_EQ(komma->Edit8->text(), "1");
        EXPECT_EQ(wieoft, 1);
        QTest::mouseClick(komma->RadioGroup1->button(5), Qt::LeftButton);
        EXPECT_TRUE(komma->Panel5->isVisible());
        EXPECT_TRUE(komma->listen[5]->isVisible());
        EXPECT_FALSE(komma->listen[0]->isVisible());
        geprueft = true;
        komma->Button4->Click();
    });
    hub->showModal();
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(BlaetterUebergabe, TheRaum100MenuOpensItsSheetsTheKnobelkaestenAndTheDominos)
{
    auto* hub = dynamic_cast<TForm29*>(Form29);
    auto* menue = dynamic_cast<TForm14*>(Form14);
    ASSERT_TRUE(hub && menue);
    QList<Form*> gezeigt;
    Form::setModalDriver([&](Form& f) {
        gezeigt << &f;
        if (&f == hub) {
            hub->Button2->Click();
            hub->Close();
        } else if (&f == menue) {
            wieoft = 3;
            grabToPng(menue, "a_r_100");
            for (Button* b : { menue->Button5, menue->Button1, menue->Button2, menue->Button3 })
                b->Click();
            EXPECT_EQ(wieoft, 1); // the sheets show one copy when they open
            menue->Button4->Click();
        } else {
            f.Close();
        }
    });
    hub->showModal();
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, menue, Form15, Form16, Form23, Form26 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
