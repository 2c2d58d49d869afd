#include "aids/h_haupt.h"
#include "aids/h_reihenmuster.h"
#include "aids/h_stern.h"
#include "aids/h_teilersuche.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"

// The multiplication aids opened from the hub of the program's own windows, and what the hub shows when
// they end.
class Hilfen6UebergabeTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = hilfenhub();
        ASSERT_NE(hub, nullptr);
    }

    // Shows the hub and runs `imHub` in it; an aid opened meanwhile is noted and driven by `inDerHilfe`.
    void imHub(const std::function<void()>& imHub, const std::function<void(Form&)>& inDerHilfe)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == hub)
                imHub();
            else if (&f != Form65) {
                geoeffnet << &f;
                inDerHilfe(f);
            }
        });
        hub->showModal();
        Form::setModalDriver({});
    }

    TForm63* hub = nullptr;
    QList<Form*> geoeffnet;
};

TEST_F(Hilfen6UebergabeTest, TheDivisorSearchGivesButton56TheFocusBack)
{
    imHub(
        [&] {
            hub->Button4->Click();
            hub->Button56->Click();
            EXPECT_TRUE(hub->gb1x1->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button56);
        },
        [&](Form& f) {
            auto* t = dynamic_cast<TForm75*>(&f);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(programmcode, 56);
            t->Endebutton->Click();
        });
    EXPECT_EQ(geoeffnet, QList<Form*> { Form75 });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(Hilfen6UebergabeTest, RowsAndPatternsReturnToTheGroupTheyWereStartedFrom)
{
    QList<int> codes;
    imHub(
        [&] {
            hub->Button37->Click();
            hub->Button60->Click();
            hub->startknopf->Click();
            EXPECT_TRUE(hub->gbpm100->isVisible());
            EXPECT_FALSE(hub->gb1x1->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button60);
            hub->Button4->Click();
            hub->Button52->Click();
            hub->startknopf->Click();
            EXPECT_TRUE(hub->gb1x1->isVisible());
            EXPECT_FALSE(hub->gbpm100->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button52);
        },
        [&](Form& f) {
            auto* r = dynamic_cast<TForm73*>(&f);
            ASSERT_NE(r, nullptr);
            codes << programmcode;
            // The hub's step-width choice + 2.
            EXPECT_EQ(std::abs(r->reihe().schritt), wahl7 + 2);
            r->Endebutton->Click();
        });
    EXPECT_EQ(geoeffnet, (QList<Form*> { Form73, Form73 }));
    EXPECT_EQ(codes, (QList<int> { 40, 52 }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(Hilfen6UebergabeTest, TheStarGivesButton53TheFocusBack)
{
    // Another aid left 0 as its expected number: the star's 0 still chooses no row.
    zielzahl = 0;
    imHub(
        [&] {
            hub->Button4->Click();
            hub->Button53->Click();
            EXPECT_TRUE(hub->gb1x1->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button53);
        },
        [&](Form& f) {
            auto* s = dynamic_cast<TForm74*>(&f);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(programmcode, 53);
            s->ziffernknopf(0)->Click();
            EXPECT_TRUE(s->reihenwahl());
            s->Endebutton->Click();
        });
    EXPECT_EQ(geoeffnet, QList<Form*> { Form74 });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
