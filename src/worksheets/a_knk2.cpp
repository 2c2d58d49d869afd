#include "worksheets/a_knk2.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

TForm25::TForm25(QWidget* parent)
    : Einmaleinsblatt(parent)
{
    setCaption(QStringLiteral("kbk4var"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("Arial"), 16);

    P1 = new Panel(this, 8, 8, 250, 478);
    applyFont(
        new Label(P1, QStringLiteral("Auswahl der Faktoren"), 12, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    ListBox1 = faktorliste(P1, 30, 40);
    ListBox2 = faktorliste(P1, 150, 40);
    applyFont(new Label(P1, QStringLiteral("x"), 114, 120), QStringLiteral("Arial"), 22, FontStyle::Bold);
    Label22 = new Label(P1, QStringLiteral("bildbare Aufgaben: "), 12, 256);
    applyFont(Label22, QStringLiteral("Arial"), 17, FontStyle::Bold);
    vorratsfeld(Label22);
    auto* Label23 = new Label(P1,
        QStringLiteral("(mindestens so viele wie Zahlen pro Kasten!     besser noch: von beiden Faktoren jeweils "
                       "mindestens so viele wie Zahlen pro Kasten)"),
        12, 290);
    Label23->setAutoSize(false);
    place(Label23, 12, 290, 226, 120);
    Label23->setWordWrap(true);

    Panel2 = new Panel(this, 266, 8, 526, 250);
    applyFont(new Label(Panel2, QStringLiteral("Aufgabenart:"), 48, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    applyFont(new Label(Panel2, QStringLiteral("Beispiel:"), 330, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    RadioGroup2 = new RadioGroup(Panel2, QString(), 10, 30, 32, 210);
    RadioGroup2->setItems(QStringList(4, QString()));
    RadioGroup2->setItemIndex(0);
    RadioGroup2->OnClick = [this] { variante = RadioGroup2->ItemIndex(); };
    const QStringList arten { "malnehmen", "teilen", "teilen mit Rest", "teilen mit Knobelrest" };
    const QStringList beispiele { "3 x 4 = 12", "12 : 4 = 3", "13 : 4 = 3   R 1", "13 : 4 = 3    Rest 1" };
    const QStringList klein { QString(), "ohne Rest", "Reste sind den Ergebnissen zugeordnet",
        "Reste sind den Ergebnissen nicht zugeordnet   (4. Kastensegment)" };
    for (int i = 0; i < 4; ++i) {
        const int top = 60 + 47 * i;
        new Label(Panel2, arten.at(i), 48, top);
        new Label(Panel2, beispiele.at(i), 330, top);
        if (!klein.at(i).isEmpty())
            applyFont(new Label(Panel2, klein.at(i), 48, top + 18), QStringLiteral("Arial"), 13);
    }

    Panel5 = new Panel(this, 266, 266, 526, 100);
    new Label(Panel5, QStringLiteral("Ein Blatt umfasst drei Knobelkästen mit jeweils: "), 12, 10);
    RadioGroup3 = new RadioGroup(Panel5, QString(), 12, 28, 240, 66);
    RadioGroup3->setItems({ QStringLiteral(" 4  Zahlen pro Kasten"), QStringLiteral(" 5  Zahlen pro Kasten"),
        QStringLiteral(" 6  Zahlen pro Kasten") });
    RadioGroup3->setItemIndex(1);
    RadioGroup3->OnClick = [this] { druckfreigabe(); };

    Panel1 = new Panel(this, 266, 380, 200, 48);
    new Label(Panel1, QStringLiteral("wie oft?"), 12, 14);
    Edit8 = new Edit(Panel1, 100, 12, 40, 24);
    kopienfeld(Edit8);

    Button2 = new Button(this, QStringLiteral("drucken"), 480, 380, 150, 44);
    Button1 = new Button(this, QStringLiteral("zurück"), 642, 380, 150, 44);
    knoepfe(Button2, Button1);
    setHint(Button2, QStringLiteral("ein neues Blatt kann erzeugt und gedruckt werden"));
    OnActivate = [this] { Form25aktiv(); };
}

void TForm25::Form25aktiv()
{
    variante = 0;
    // The form shows the kind and the box size it will print.
    RadioGroup2->setItemIndex(0);
    RadioGroup3->setItemIndex(1);
    aktivieren();
}

int TForm25::kastengroesse() const
{
    return RadioGroup3->ItemIndex() + 4;
}

bool TForm25::druckbereit() const
{
    return vorrat().groesse() >= kastengroesse();
}

void TForm25::druckenClick()
{
    flagsTeilen();
    m_letztes = knobel::einmaleinsblatt(faktoren(0), faktoren(1), RadioGroup2->ItemIndex(), kastengroesse());
    abschnittschreiben();
    kopienSichern();
    mitDruckhinweis([this] { knobel::drucken(m_letztes, wieoft); });
}
