#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QFontInfo>

namespace {

// The main window's form description, written with the layer as a window's file would be.
class DemoMainWindow final : public Form {
public:
    DemoMainWindow()
    {
        setCaption("TAVI");
        setPosition(FormPosition::ScreenCenter);
        setMaximized(true);
        setDefaultFont("MS Sans Serif", -11);

        Panel1 = new Panel(this, 8, 8, 761, 129);
        Label9 = new Label(Panel1, " Bitte treffen Sie Ihre Auswahl ", 272, 84);
        applyFont(Label9, "Arial", -19);
        setColor(Label9, clWhite);

        for (auto [button, caption, top] : { std::tuple { &Button1, "&Hilfen", 168 }, { &Button4, "&Spiele", 251 },
                 { &Button9, "&Fehleranalysen", 334 }, { &Button7, "&Arbeitsblätter", 417 } }) {
            *button = new Button(this, caption, 480, top, 249, 40);
            bigButton(*button);
        }
        Button10 = new Button(this, "Ende", 644, 491, 100, 40);
        Button10->Cancel = true;
        bigButton(Button10);

        kl_Panel = new Panel(this, 48, 168, 249, 361);
        Label5 = new Label(kl_Panel, "Klassenlisten", 80, 8);
        applyFont(Label5, "Arial", -16, FontStyle::Bold);
        Label6 = new Label(kl_Panel, "(für Hilfen und Fehleranalysen)", 48, 28);
        listenwahl = new ListBox(kl_Panel, 88, 56, 145, 209);
        listenwahl->setSorted(true);
        listenwahl->setItemHeight(20);
        Label8 = new Label(kl_Panel, "zur Zeit ist aktiviert:", 8, 56);
        Label8->setAutoSize(false);
        place(Label8, 8, 56, 72, 40);
        Label8->setWordWrap(true);
        Label16 = new Label(kl_Panel, "...", 8, 100);
        applyFont(Label16, "Arial", -21);
        setFontColor(Label16, clBlue);
        RadioButton1 = new RadioButton(kl_Panel, "Arbeit ohne Klassenliste", 24, 276, 193, 17);
        Button5 = new Button(kl_Panel, "Verwaltung", 24, 313, 193, 40);
        applyFont(Button5, "Arial", -16);
        setFontColor(Button5, clRed);

        Panel2 = new Panel(this, 312, 392, 145, 137);
        Panel2->hide();
        datpfadpanel = new Panel(this, 776, 8, 761, 545);
        datpfadpanel->hide();
    }

    Button *Button1 = nullptr, *Button4 = nullptr, *Button9 = nullptr, *Button7 = nullptr, *Button10 = nullptr;
    Button* Button5 = nullptr;
    Panel *Panel1 = nullptr, *Panel2 = nullptr, *kl_Panel = nullptr, *datpfadpanel = nullptr;
    Label *Label9 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label8 = nullptr, *Label16 = nullptr;
    ListBox* listenwahl = nullptr;
    RadioButton* RadioButton1 = nullptr;

private:
    static void bigButton(Button* b)
    {
        applyFont(b, "Arial", -19);
        setFontColor(b, clRed);
        setHandCursor(b);
    }
};

} // namespace

TEST_F(TaviTest, DemoMainWindowLooksLikeItsFormDescription)
{
    DemoMainWindow w;
    w.OnActivate = [&] {
        w.listenwahl->setItems({ "KL3A", "kl2b", "4c" });
        w.Label16->setCaption("KL3A");
        w.listenwahl->setItemIndex(1);
        SetFocus(w.Button10);
    };
    Form::setModalDriver([&](Form& f) {
        EXPECT_EQ(w.outerSize(), f.screen()->availableGeometry().size());
        EXPECT_GE(f.width(), 761 + 16);
        EXPECT_EQ(w.Button7->geometry(), QRect(480, 417, 249, 40));
        EXPECT_EQ(w.Button7->text(), "&Arbeitsblätter");
        EXPECT_EQ(w.Button1->font().pixelSize(), 19);
        EXPECT_EQ(QFontInfo(w.Button1->font()).family(), "Liberation Sans");
        EXPECT_EQ(w.Button1->palette().color(QPalette::ButtonText), clRed);
        EXPECT_EQ(w.Label6->font().pixelSize(), 11);
        EXPECT_EQ(w.listenwahl->items(), QStringList({ "4c", "kl2b", "KL3A" }));
        EXPECT_EQ(f.focusWidget(), w.Button10);
        grabToPng(&f, "demo_hauptfenster");
        pressKey(&f, Qt::Key_Escape); // "Ende" has no handler here: the driver closes the window
    });
    w.showModal();
}
