#include "aids/h_1x1.h"
#include "aids/h_haupt.h"
#include "aids/h_m1x1.h"
#include "app/programmkoerper.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/keys.h"
#include "support/programm.h"

// The small and the middle 1x1 opened from the program's own hub, and the hub as they leave it.
class EinmaleinsDurchgang : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        hub = dynamic_cast<TForm63*>(Form63);
        ASSERT_TRUE(hub);
    }

    static void waehlen(ListBox* liste, std::initializer_list<int> items)
    {
        for (int i = 0; i < liste->count(); ++i)
            liste->setSelected(i, std::find(items.begin(), items.end(), i) != items.end());
        liste->OnClick();
    }

    // Shows the hub; `optionen` choose an aid and press Start, `inDerHilfe` works in the aid, then Esc ends
    // it; `zurueck` looks at the hub after the aid has closed.
    void durchgang(const std::function<void()>& optionen, const std::function<void(Form&)>& inDerHilfe,
        const std::function<void()>& zurueck)
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == hub) {
                optionen();
                hub->startknopf->Click();
                zurueck();
                return;
            }
            gezeigt << &f;
            if (&f == Form65) return;
            inDerHilfe(f);
            pressKey(&f, Qt::Key_Escape);
        });
        hub->showModal();
    }

    TForm63* hub = nullptr;
};

TEST_F(EinmaleinsDurchgang, TheSmall1x1ReturnsToItsHubButton)
{
    durchgang(
        [&] {
            hub->Button4->Click();
            hub->Button51->Click();
            waehlen(hub->lmal, { 7 });
            waehlen(hub->rmal, { 8 });
        },
        [&](Form& f) {
            auto* hilfe = dynamic_cast<TForm71*>(&f);
            ASSERT_TRUE(hilfe);
            EXPECT_EQ(zielzahl, 56);
            typeText(hilfe, "56\r");
            EXPECT_FALSE(hilfe->Rechner->isEnabled());
        },
        [&] {
            EXPECT_TRUE(hub->Button51->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button51);
        });
    EXPECT_EQ(gezeigt, QList<Form*>({ Form71 }));
    EXPECT_EQ(protzeilen[4], "linke Faktoren:        7");
    EXPECT_EQ(protzeilen[5], "rechte Faktoren:       8 ");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(EinmaleinsDurchgang, TheMiddle1x1ReturnsToItsHubButton)
{
    durchgang(
        [&] {
            hub->Button4->Click();
            hub->Button54->Click();
            hub->m1x1wahl->button(2)->click();
            waehlen(hub->m1x1links, { 1 }); // 3
            waehlen(hub->m1x1rechts, { 3 }); // 5
        },
        [&](Form& f) {
            auto* hilfe = dynamic_cast<TForm76*>(&f);
            ASSERT_TRUE(hilfe);
            EXPECT_EQ(zielzahl, 195);
            typeText(hilfe, "195");
            EXPECT_FALSE(hilfe->rechner->isEnabled());
        },
        [&] {
            EXPECT_TRUE(hub->Button54->isVisible());
            EXPECT_EQ(hub->focusWidget(), hub->Button54);
        });
    EXPECT_EQ(gezeigt, QList<Form*>({ Form76 }));
    EXPECT_EQ(protzeilen[2], "Programm:              Hilfen beim großen 1x1   (1E x 1E)");
    EXPECT_EQ(protzeilen[4], "erlaubte Einer links:  3 ");
    EXPECT_EQ(protzeilen[5], "erlaubte Einer rechts: 5 ");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// The run ends with the protocol dialog; closing it must not start a new run, which would draw one more task
// from the hub's pool.
TEST_F(EinmaleinsDurchgang, NeitherTableAidDrawsATaskWhenTheProtocolDialogCloses)
{
    struct Fall {
        Button* TForm63::*knopf;
        ListBox* TForm63::*links;
        ListBox* TForm63::*rechts;
        Form* hilfe;
    };
    const Fall faelle[] = {
        { &TForm63::Button51, &TForm63::lmal, &TForm63::rmal, Form71 },
        { &TForm63::Button54, &TForm63::m1x1links, &TForm63::m1x1rechts, Form76 },
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.hilfe->caption().toStdString());
        gezeigt.clear();
        int nummerNachDemLauf = -1;
        durchgang(
            [&] {
                hub->Button4->Click();
                (hub->*fall.knopf)->Click();
                waehlen(hub->*fall.links, { 3 });
                waehlen(hub->*fall.rechts, { 4, 5 });
                // Work limits of one task, as the teacher sets them in the hub.
                hub->Edit1->setText("15");
                hub->Edit2->setText("1");
                hub->Button9->Click();
            },
            [&](Form& f) { typeText(&f, QString::number(zielzahl) + (&f == Form71 ? "\r" : "")); },
            [&] { nummerNachDemLauf = nummer; });
        EXPECT_EQ(gezeigt, QList<Form*>({ fall.hilfe, Form65 }));
        EXPECT_EQ(nummerNachDemLauf, 1);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// A run leaves its bars on the window; the next run, started from the hub, must not show them: the middle 1x1
// paints its bars only as a task ends, so a new run starts without any, as the first did.
TEST_F(EinmaleinsDurchgang, ANewRunOfTheMiddle1x1StartsWithoutTheBarsOfTheLast)
{
    QList<QImage> balken; // at each run's start, and once the first run has reached its task limit
    for (int lauf = 0; lauf < 2; ++lauf)
        durchgang(
            [&] {
                hub->Button4->Click();
                hub->Button54->Click();
                waehlen(hub->m1x1links, { 1 });
                waehlen(hub->m1x1rechts, { 3 });
                hub->Edit1->setText("15");
                hub->Edit2->setText("2");
                hub->Button9->Click();
            },
            [&](Form& f) {
                auto* hilfe = dynamic_cast<TForm76*>(&f);
                ASSERT_TRUE(hilfe);
                balken << hilfe->zeitagbox->grab().toImage();
                if (lauf > 0) return;
                typeText(hilfe, QString::number(zielzahl));
                pressKey(hilfe, Qt::Key_Return);
                typeText(hilfe, QString::number(zielzahl));
                balken << hilfe->zeitagbox->grab().toImage();
            },
            [] {});
    ASSERT_EQ(balken.size(), 3);
    EXPECT_TRUE(balken[1] != balken[0]) << "the first run painted no bars";
    EXPECT_TRUE(balken[2] == balken[0]) << "the second run starts with other bars than the first";
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
