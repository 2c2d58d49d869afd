#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "worksheets/a_hsv.h"
#include "worksheets/a_hsv_pm.h"
#include "worksheets/a_hsverg.h"
#include "worksheets/a_komma.h"
#include "worksheets/a_r_100.h"
#include "worksheets/ablhaupt.h"

#include <QTest>

// Hand-overs from the worksheet hub and menus to the windows the program body creates.
class BlaetterUebergabe : public ProgrammTest { };

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
    zeigen(hub, [&](Form& f) {
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
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, menue, Form15, Form16, Form23, Form26 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(BlaetterUebergabe, TheHalfWrittenMenuHandsItsOperationAndPreviewsToTheSheets)
{
    auto* menue = dynamic_cast<TForm17*>(Form17);
    auto* muster = dynamic_cast<TForm18*>(Form18);
    auto* ergaenzen = dynamic_cast<TForm19*>(Form19);
    ASSERT_TRUE(menue && muster && ergaenzen);
    printer().setRecording(true);
    printer().clearRecorded();
    zeigen(menue, [&](Form& f) {
        if (&f == menue) {
            grabToPng(menue, "a_hsv");
            menue->Button6->Click();
            menue->Button7->Click();
            menue->Button4->Click();
        } else if (&f == muster) {
            EXPECT_EQ(muster->Label8->caption(), "252 : 7 = __ ------------ 210 : 7 = __  42 : 7 = __");
            EXPECT_EQ(muster->Label17->caption(), "mittleres 1x1");
            muster->Edits[2]->setText("12");
            grabToPng(muster, "a_hsv_pm");
            muster->Button2->Click();
            muster->Button4->Click();
        } else {
            EXPECT_EQ(ergaenzen->Label4->caption(), " 56 + __ = __ --------------  56 +  _ = __   __ + __ = __");
            grabToPng(ergaenzen, "a_hsverg_menue");
            f.Close();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { menue, muster, ergaenzen }));
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_TRUE(printer().recorded().first().pageTexts().first().join("").contains(":"));
    EXPECT_EQ(printer().recorded().first().title, "halbschriftliches Dividieren"); // the menu's button
    EXPECT_EQ(muster->gedruckt().zeilen[0][1].left(3), "___");
    printer().setRecording(false);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
