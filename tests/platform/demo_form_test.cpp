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

TEST_F(TaviTest, DemoControlsLookLikeTheirWindowsCounterparts)
{
    // Parts of the aids hub: a group box of aid buttons, a level group, the work-limits panel and a memo.
    Form w;
    w.setCaption("Hilfen");
    w.setClientSize(940, 600);
    auto* gb = new GroupBox(&w, "Raum 10:", 328, 5, 300, 180);
    for (int i = 0; i < 3; ++i) {
        auto* b
            = new Button(gb, QStringList { "Wie viele sind es?", "Zerlegen mit Beinchen", "Zerlegen im 10er-Feld" }[i],
                16, 24 + 48 * i, 268, 40);
        applyFont(b, "MS Sans Serif", 16);
    }
    auto* level = new RadioGroup(&w, "Schwierigkeitsstufe", 640, 5, 290, 200);
    level->setItems({ " ohne Überträge", " ein Übertrag: in die 100er-Stelle", " ein Übertrag: in die 10er-Stelle",
        " zwei Überträge ", " Mischung aller Schwierigkeitsstufen" });
    level->setItemIndex(1);
    auto* columns = new RadioGroup(&w, "erlaubte Längen:", 640, 215, 290, 80);
    columns->setColumns(3);
    columns->setItems({ "3", "4", "5", "6", "7" });
    columns->setItemIndex(4);

    auto* limits = new Panel(&w, 16, 200, 600, 150);
    setColor(limits, clMoneyGreen);
    new Label(limits, "Wie viele Minuten soll mindestens gearbeitet werden?", 16, 20);
    auto* minutes = new Edit(limits, 400, 16, 40, 21, "10");
    minutes->setMaxLength(2);
    new Label(limits, "( 0 ... 15 )", 450, 20);
    auto* note
        = new Label(limits, "Wenn Sie '0' Minuten eingeben, werden sämtliche Protokollfunktionen unterdrückt.", 16, 60);
    setFontColor(note, clRed);
    auto* fertig = new Button(limits, "fertig", 480, 100, 100, 35);
    fertig->Default = true;
    auto* check = new CheckBox(limits, "mit Lösungsblatt", 16, 110, 150, 20);
    check->setChecked(true);

    auto* bar = new Panel(&w, 16, 360, 600, 49);
    bar->setBevelOuter(Bevel::Lowered);
    new Label(bar, "Vorgaben:", 8, 16);
    auto* title = new Panel(&w, 16, 8, 300, 60, "TAVI  Version 1");
    applyFont(title, "Arial", -21, FontStyle::Bold);
    setFontColor(title, clNavy);
    setColor(title, clSkyBlue);

    auto* memo = new Memo(&w, 16, 420, 600, 100);
    applyFont(memo, "courier new", -13);
    memo->setLines({ "Hinweise zur Fehleranalyse", "", "  Ü 1  bedeutet: Übertrag vergessen" });
    auto* list = new ListBox(&w, 640, 310, 120, 200);
    applyFont(list, "Courier New", 16);
    list->setMultiSelect(true);
    list->setItems({ " 1", " 2", " 3", " 4", " 5" });
    list->setSelected(1, true);
    list->setSelected(3, true);
    auto* ende = new Button(&w, "Hilfen beenden", 780, 540, 129, 49);
    ende->Cancel = true;
    w.show();
    grabToPng(&w, "demo_steuerelemente");
    EXPECT_EQ(columns->button(3)->y(), columns->button(0)->y() + columns->button(1)->height());
    EXPECT_EQ(memo->lines().size(), 3);
    w.Close();
}
