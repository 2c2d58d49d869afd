#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "worksheets/a_1x1.h"
#include "worksheets/a_ber_20.h"
#include "worksheets/a_domino.h"
#include "worksheets/a_knk.h"
#include "worksheets/a_knk1.h"
#include "worksheets/a_r_100.h"
#include "worksheets/ablhaupt.h"
#include "worksheets/familienform.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

// The worksheet hub and the "Bereich bis 20" menu with the windows the program body creates.
class ArbeitsblaetterTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = dynamic_cast<TForm29*>(Form29);
        menue = dynamic_cast<TForm2*>(Form2);
        ASSERT_TRUE(hub && menue);
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
        gezeigt.clear();
        int wieoftBeimOeffnen = -1;
        int zufall = 0;
        zeigen(hub, [&](Form& f) {
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
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button1->Click();
            esc(f);
        } else if (&f == menue) {
            programmcode = 44;
            grabToPng(menue, "a_ber_20");
            for (Button* b : { menue->Button5, menue->Button1, menue->Button2, menue->Button3 })
                b->Click();
            // The sheets set their own copies; the menu sets nothing.
            wieoft = 3;
            menue->Button6->Click();
            menue->Button7->Click();
            EXPECT_EQ(wieoft, 3);
            EXPECT_EQ(programmcode, 44);
            esc(f);
        } else {
            // A sheet opened from the menu shows the lists saved in the data folder and one copy.
            if (auto* blatt = dynamic_cast<Familienform*>(&f)) {
                EXPECT_EQ(blatt->Edit8->text(), "1");
                EXPECT_GT(blatt->vorrat().groesse(), 0);
            }
            f.Close();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, menue, Form4, Form3, Form13, Form12, Form23, Form26 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(ArbeitsblaetterTest, KnobelkaestenRangeButtonsPrepareTheSheetTheyOpen)
{
    auto* menue23 = dynamic_cast<TForm23*>(Form23);
    auto* blatt = dynamic_cast<TForm24*>(Form24);
    ASSERT_TRUE(menue23 && blatt);
    printer().setRecording(true);
    int runde = 0;
    Form::setModalDriver([&](Form& f) {
        if (&f == hub) {
            hub->Button8->Click();
            esc(f);
        } else if (&f == menue23) {
            grabToPng(menue23, "a_knk");
            menue23->Button1->Click();
            menue23->Button5->Click();
            esc(f);
        } else if (&f == blatt) {
            ++runde;
            EXPECT_EQ(blatt->RadioGroup2->ItemIndex(), 0);
            EXPECT_EQ(blatt->RadioGroup3->ItemIndex(), 1);
            EXPECT_EQ(blatt->Edit8->text(), "1");
            EXPECT_EQ(variante, 0);
            if (runde == 1) {
                EXPECT_EQ(programmcode, 2);
                EXPECT_EQ(blatt->artlabels[2]->caption(), "gem. Zehner + gem. Zehner = Zehnerzahl");
                EXPECT_EQ(blatt->beispiellabels[7]->caption(), "65 - 38 = 27");
                QTest::mouseClick(blatt->RadioGroup2->button(2), Qt::LeftButton);
                QTest::mouseClick(blatt->RadioGroup3->button(2), Qt::LeftButton);
                blatt->Edit8->setText("3");
                grabToPng(blatt, "a_knk1");
                blatt->Button2->Click();
                EXPECT_EQ(blatt->Edit8->text(), "1");
                EXPECT_EQ(wieoft, 1);
            } else {
                EXPECT_EQ(programmcode, 1);
                EXPECT_EQ(blatt->artlabels[0]->caption(), "zerlegen im Raum 10");
            }
            blatt->Button1->Click();
        } else
            f.Close();
    });
    hub->showModal();
    const QList<Printer::Document> gedruckt = printer().recorded();
    printer().setRecording(false);
    EXPECT_EQ(runde, 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    ASSERT_EQ(gedruckt.size(), 1);
    EXPECT_EQ(gedruckt.first().copies, 3);
    EXPECT_EQ(blatt->letztesBlatt().n, 6);
    for (int summe : blatt->letztesBlatt().loesung[2])
        EXPECT_EQ(summe % 10, 0);
}

TEST_F(ArbeitsblaetterTest, TheSmallTableMenuOpensItsSheetsAndPutsItsTopicFirstInTheKnobelkaesten)
{
    auto* menue20 = dynamic_cast<TForm20*>(Form20);
    auto* menue23 = dynamic_cast<TForm23*>(Form23);
    ASSERT_TRUE(menue20 && menue23);
    zeigen(hub, [&](Form& f) {
        if (&f == hub) {
            hub->Button3->Click();
            esc(f);
        } else if (&f == menue20) {
            grabToPng(menue20, "a_1x1");
            for (Button* b : { menue20->Button5, menue20->Button2, menue20->Button7, menue20->Button1 })
                b->Click();
            esc(f);
        } else {
            if (&f == menue23) EXPECT_EQ(tabOrderedChildren(menue23).first(), menue23->Button3);
            f.Close();
        }
    });
    EXPECT_EQ(gezeigt, (QList<Form*> { hub, menue20, Form21, Form22, Form23, Form26 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// A "siehe auch" opener gives its topic the focus even after the target's last user left it elsewhere, so that
// Enter opens that topic.
TEST_F(ArbeitsblaetterTest, SieheAuchGivesItsTopicTheFocusWhateverTheTargetLastHadFocused)
{
    auto* menue14 = dynamic_cast<TForm14*>(Form14);
    auto* menue20 = dynamic_cast<TForm20*>(Form20);
    auto* menue23 = dynamic_cast<TForm23*>(Form23);
    auto* domino = dynamic_cast<TForm26*>(Form26);
    ASSERT_TRUE(menue14 && menue20 && menue23 && domino);
    struct Fall {
        Button* hubKnopf;
        Button* zielImHub; // opens the target straight from the hub, where its user leaves the focus elsewhere
        Form* ziel;
        Button* anderer;
        Button* oeffner;
        Button* erwartet;
    };
    const Fall faelle[] = {
        { hub->Button1, hub->Button8, menue23, menue23->Button2, menue->Button6, menue23->Button5 },
        { hub->Button2, hub->Button8, menue23, menue23->Button6, menue14->Button2, menue23->Button1 },
        { hub->Button3, hub->Button8, menue23, menue23->Button5, menue20->Button7, menue23->Button3 },
        { hub->Button3, hub->Button11, domino, domino->Button1, menue20->Button1, domino->Button6 },
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.oeffner->caption().toStdString());
        QWidget* fokus = nullptr;
        int runde = 0;
        Form::setModalDriver([&](Form& f) {
            if (&f == hub) {
                fall.zielImHub->Click();
                fall.hubKnopf->Click();
                return esc(f);
            }
            if (&f == fall.ziel) {
                if (++runde == 1)
                    SetFocus(fall.anderer);
                else
                    fokus = f.focusWidget();
                return f.Close();
            }
            if (fall.oeffner->window() == &f) fall.oeffner->Click();
            f.Close();
        });
        hub->showModal();
        EXPECT_EQ(runde, 2);
        EXPECT_EQ(fokus, fall.erwartet);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
