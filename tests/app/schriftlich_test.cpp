#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "worksheets/a_SV_p2.h"
#include "worksheets/a_sv.h"
#include "worksheets/a_sv_d1.h"
#include "worksheets/a_sv_p1.h"

#include <QTest>

// The written-calculation menu with the sheet windows the program body creates.
class SchriftlichTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        menue = dynamic_cast<TForm6*>(Form6);
        blatt7 = dynamic_cast<TForm7*>(Form7);
        blatt8 = dynamic_cast<TForm8*>(Form8);
        ASSERT_TRUE(menue && blatt7 && blatt8);
        printer().setRecording(true);
        printer().clearRecorded();
    }
    void TearDown() override
    {
        printer().setRecording(false);
        ProgrammTest::TearDown();
    }
    // Shows the menu; `imMenue` runs in it, `imBlatt` in every sheet it opens (which is then left by "zurück").
    void menueZeigen(const std::function<void()>& imMenue, const std::function<void(Form&)>& imBlatt)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == menue) {
                imMenue();
                menue->Button1->Click();
                return;
            }
            imBlatt(f);
            f.Close();
        });
        menue->showModal();
    }
    static void klicken(Musterpanel* p) { QTest::mouseClick(p->text(), Qt::LeftButton); }
    TForm6* menue = nullptr;
    TForm7* blatt7 = nullptr;
    TForm8* blatt8 = nullptr;
};

TEST_F(SchriftlichTest, EachPatternSetsItsVariantAndCaptionsAndOpensItsSheet)
{
    struct Fall {
        Musterpanel* panel;
        Form* fenster;
        int programmcode;
        QString caption; // Label7 of TForm7, the top type label of TForm8
    };
    const QList<Fall> faelle {
        { menue->Panel4, Form7, 1, " Null(en) im Ergebnis " },
        { menue->Panel7, Form7, 2, " Ergänzen zu Zahlen mit Null(en) " },
        { menue->Panel5, Form7, 3, " Ergänzen zu Zahlen mit Null(en) " },
        { menue->Panel6, Form7, 4, " Ergänzen zu Zahlen mit Null(en) " },
        { menue->Panel3, Form7, 5, " Null(en) im Ergebnis " },
        { menue->Panel8, Form7, 6, " Ergänzen zu Zahlen mit Null(en) " },
        { menue->Panel1, Form8, 1, " gleichlange Summanden, keine Überträge,\n kein 1000er, keine Nullen" },
        { menue->Panel9, Form8, 2, " gleichlange Subtrahenden,\n keine Überträge, keine Nullen" },
    };
    for (const Fall& fall : faelle) {
        Form* gezeigt = nullptr;
        int codeBeimOeffnen = -1;
        QString caption;
        menueZeigen([&] { klicken(fall.panel); },
            [&](Form& f) {
                gezeigt = &f;
                codeBeimOeffnen = programmcode;
                caption = &f == blatt7 ? blatt7->Label7()->caption() : blatt8->typlabels().first()->caption();
                static_cast<SVRahmen&>(f).Button1->Click();
            });
        SCOPED_TRACE(fall.programmcode);
        EXPECT_EQ(gezeigt, fall.fenster);
        EXPECT_EQ(codeBeimOeffnen, fall.programmcode);
        EXPECT_EQ(caption, fall.caption);
        EXPECT_EQ(programmcode, 0); // "zurück" of the sheet
    }
    // The multiplication sheets take no variant from the menu: HZE x E leaves it alone, HZE x ZE holds its own
    // factor order there, from the first one on.
    programmcode = 5;
    QList<Form*> gezeigt;
    QList<int> codes;
    menueZeigen(
        [&] {
            menue->Button2->Click();
            menue->Button3->Click();
        },
        [&](Form& f) {
            gezeigt << &f;
            codes << programmcode;
        });
    EXPECT_EQ(gezeigt, (QList<Form*> { Form9, Form10 }));
    EXPECT_EQ(codes, (QList<int> { 5, 0 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(SchriftlichTest, UnderlayAndSolutionChosenInOneSheetStayThere)
{
    menueZeigen(
        [&] {
            menue->Panel4->OnClick();
            menue->Panel1->OnClick();
        },
        [&](Form& f) {
            auto& blatt = static_cast<SVRahmen&>(f);
            if (&f == blatt7) {
                blatt.RadioGroup2->button(1)->click();
                blatt.RadioGroup3->button(2)->click();
                QTest::keyClicks(blatt.anzahledits()[0], "3");
                QTest::keyClicks(blatt.anzahledits()[1], "4");
                grabToPng(&f, "a_sv_p1_getippt");
                blatt.mischgruppe()->button(1)->click();
                grabToPng(&f, "a_sv_p1_mischung");
            } else {
                EXPECT_EQ(blatt.RadioGroup2->ItemIndex(), 0);
                QTest::keyClicks(blatt.anzahledits()[0], "9");
                QTest::keyClicks(blatt.anzahledits()[2], "9");
                grabToPng(&f, "a_SV_p2_getippt");
            }
            blatt.Button2->Click();
            blatt.Button1->Click();
        });
    const auto& docs = printer().recorded();
    ASSERT_EQ(docs.size(), 3); // TForm7: worksheet and solution; TForm8: the worksheet only
    const QString form8 = docs[2].pageTexts().first().join('\n');
    EXPECT_TRUE(form8.contains("Addition"));
    EXPECT_FALSE(form8.contains("Lösungsblatt"));
    EXPECT_FALSE(form8.contains("#808080")); // no grey squares
    EXPECT_EQ(docs[2].pageTexts().first().filter("LineTo").size(), 18);
}

TEST_F(SchriftlichTest, TheMenuAsAPupilSeesIt)
{
    menueZeigen([&] { grabToPng(menue, "a_sv"); }, [](Form&) {});
    EXPECT_EQ(menue->caption(), "schriftliche Rechenverfahren");
}

TEST_F(SchriftlichTest, TheDivisionButtonsSetTheVariantAndTheSevenCaptions)
{
    auto* blatt11 = dynamic_cast<TForm11*>(Form11);
    ASSERT_TRUE(blatt11);
    for (const int variante : { 0, 1 }) {
        QStringList captions;
        int variantImBlatt = -1;
        programmcode = 9;
        menueZeigen([&] { (variante == 0 ? menue->Button4 : menue->Button5)->Click(); },
            [&](Form& f) {
                ASSERT_EQ(&f, Form11);
                for (Label* l : blatt11->typlabels())
                    captions << l->caption();
                variantImBlatt = blatt11->variante();
                grabToPng(&f, QStringLiteral("a_sv_d1_%1").arg(variante));
                blatt11->Button1->Click();
            });
        SCOPED_TRACE(variante);
        EXPECT_EQ(variantImBlatt, variante);
        EXPECT_EQ(programmcode, variante);
        ASSERT_EQ(captions.size(), 7);
        EXPECT_EQ(captions.first(), variante == 0 ? " keine Zwischenreste" : " Teilen durch Zehnerzahlen");
        EXPECT_EQ(captions.last(),
            variante == 0 ? " im Ergebnis kommt eine Null vor"
                          : " dto.                                 Ergebnis  mit  Null");
    }
    menueZeigen([&] { menue->Button3->Click(); }, [&](Form& f) { grabToPng(&f, "a_SV_m2"); });
    menueZeigen([&] { menue->Button2->Click(); }, [&](Form& f) { grabToPng(&f, "a_SV_m1"); });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
