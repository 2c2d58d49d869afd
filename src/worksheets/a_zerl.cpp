#include "worksheets/a_zerl.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

TForm4::TForm4(QWidget* parent)
    : Blattform(parent)
{
    setCaption(QStringLiteral(" Mengen zerlegen"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    Lucke = new GroupBox(this, QString(), 8, 8, 440, 480);
    auto* Label16 = new Label(Lucke, QStringLiteral(" Mengen zerlegen: ein Blatt hat 10 Aufgaben "), 16, 16);
    applyFont(Label16, QStringLiteral("MS Sans Serif"), 20, FontStyle::Bold);
    setColor(Label16, clAqua);
    RadioGroup1 = new RadioGroup(Lucke, QString(), 16, 60, 40, 400);
    RadioGroup1->setItems({ QString(), QString(), QString(), QString() });
    RadioGroup1->setItemIndex(0);
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    const struct {
        const char* text;
        const char* bild1;
        const char* bild2;
    } formen[] = {
        { "Mengen in einer Reihe mit Fünferlücke:", "ooooo oo", "" },
        { "dto., dazu Beinchen:", "/ \\", "" },
        { "dto., dazu Beinchen und eine Zahl:", "/ \\", "3  ?" },
        { "Mengen auf zwei Reihen verteilt:", "oooo", "ooo" },
    };
    for (int i = 0; i < 4; ++i) {
        const int top = 112 + 94 * i;
        new Label(Lucke, QString::fromUtf8(formen[i].text), 64, top);
        auto* bild = new Label(Lucke, QString::fromUtf8(formen[i].bild1), 320, top);
        applyFont(bild, QStringLiteral("Courier New"), 20, FontStyle::Bold);
        setHint(bild, QStringLiteral("Anzahl gleicher Exemplare"));
        if (*formen[i].bild2) {
            auto* bild2 = new Label(Lucke, QString::fromUtf8(formen[i].bild2), 320, top + 24);
            applyFont(bild2, QStringLiteral("Courier New"), 20, FontStyle::Bold);
        }
    }

    GroupBox3wieoft = new GroupBox(this, QString(), 456, 8, 336, 330);
    new Label(GroupBox3wieoft, QStringLiteral("Welche Menge wie oft? "), 16, 14);
    for (int k = 1; k <= 7; ++k) {
        auto* menge = new Label(GroupBox3wieoft, blattrahmen::str2(k + 3), 24, 18 + 30 * k);
        applyFont(menge, QStringLiteral("MS Sans Serif"), 18);
        auto* e = new Edit(GroupBox3wieoft, 64, 16 + 30 * k, 40, 24);
        anzahlfeld(e, k);
        Edits << e;
    }
    auto* Label11 = new Label(GroupBox3wieoft,
        QStringLiteral("Beim  Druck werden 10 Aufgaben aufsteigend sortiert ausgegeben, - auch wenn mehr als 10 "
                       "Aufgaben gewählt wurden."),
        124, 50);
    Label11->setAutoSize(false);
    place(Label11, 124, 50, 200, 120);
    Label11->setWordWrap(true);
    Label8 = new Label(GroupBox3wieoft, QString(), 124, 200);
    applyFont(Label8, QStringLiteral("MS Sans Serif"), 18, FontStyle::Bold);
    gewaehltfeld(Label8);

    Panel1 = new Panel(this, 456, 346, 200, 116);
    new Label(Panel1, QStringLiteral("Null(en)"), 10, 8);
    RadioGroup2 = new RadioGroup(Panel1, QString(), 10, 28, 110, 70);
    RadioGroup2->setItems({ QStringLiteral("verboten"), QStringLiteral("erlaubt") });
    RadioGroup2->setItemIndex(0);
    new Label(Panel1, QStringLiteral("(als Teilmenge)"), 96, 8);
    Panel1->hide();

    auto* kopien = new GroupBox(this, QString(), 664, 346, 128, 60);
    new Label(kopien, QStringLiteral("wie oft?"), 10, 22);
    Edit9 = new Edit(kopien, 76, 18, 40, 24);
    setHint(Edit9, QStringLiteral("Anzahl gleicher Exemplare"));
    setTabStop(Edit9, false);
    kopienfeld(Edit9);

    Button2 = new Button(this, QStringLiteral("drucken"), 456, 476, 160, 44);
    Button1 = new Button(this, QStringLiteral("zurück"), 632, 476, 160, 44);
    knoepfe(Button2, Button1);
    setActiveControl(Edits.first());
    OnActivate = [this] { F4aktiv(); };
}

void TForm4::F4aktiv()
{
    // The form shows the layout and the zero rule it will print.
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
    Panel1->hide();
}

void TForm4::RadioGroup1Click()
{
    Panel1->setVisible(RadioGroup1->ItemIndex() == 2);
}

void TForm4::druckenClick()
{
    kopienSichern();
    std::vector<int> zahlen;
    for (int k = 1; k <= 7; ++k)
        zahlen.push_back(typzahlen[k]);
    m_letztes = zerlegen::blatt(RadioGroup1->ItemIndex() + 1, zahlen, RadioGroup2->ItemIndex() == 1);
    zerlegen::drucken(m_letztes, wieoft);
    feldleeren();
}
