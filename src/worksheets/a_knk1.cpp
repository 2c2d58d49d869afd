#include "worksheets/a_knk1.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

TForm24::TForm24(QWidget* parent)
    : Blattform(parent)
{
    setCaption(QStringLiteral("knk8var"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("Arial"), 16);

    Panel5 = new Panel(this, 8, 8, 600, 110);
    new Label(Panel5, QStringLiteral("Ein Blatt umfasst drei Knobelkästen mit jeweils: "), 12, 10);
    RadioGroup3 = new RadioGroup(Panel5, QString(), 12, 30, 240, 74);
    RadioGroup3->setItems({ QStringLiteral(" 4  Zahlen pro Kasten"), QStringLiteral(" 5  Zahlen pro Kasten"),
        QStringLiteral(" 6  Zahlen pro Kasten") });
    RadioGroup3->setItemIndex(1);

    Panel2 = new Panel(this, 8, 126, 600, 360);
    applyFont(new Label(Panel2, QStringLiteral("Aufgabenart:"), 48, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    applyFont(new Label(Panel2, QStringLiteral("Beispiel:"), 420, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    RadioGroup2 = new RadioGroup(Panel2, QString(), 10, 30, 32, 320);
    RadioGroup2->setItems(QStringList(8, QString()));
    RadioGroup2->setItemIndex(0);
    RadioGroup2->OnClick = [this] { variante = RadioGroup2->ItemIndex(); };
    for (int i = 0; i < 8; ++i) {
        const int top = 56 + 37 * i;
        artlabels << new Label(Panel2, QString(), 48, top);
        beispiellabels << new Label(Panel2, QString(), 420, top);
    }

    Panel1 = new Panel(this, 620, 126, 172, 48);
    setHint(Panel1, QStringLiteral("Anzahl gleicher Exemplare"));
    new Label(Panel1, QStringLiteral("wie oft?"), 12, 14);
    Edit8 = new Edit(Panel1, 100, 12, 40, 24);
    kopienfeld(Edit8);

    Button2 = new Button(this, QStringLiteral("drucken"), 620, 380, 172, 44);
    Button1 = new Button(this, QStringLiteral("zurück"), 620, 440, 172, 44);
    knoepfe(Button2, Button1);
    setHint(Button2, QStringLiteral("ein neues Blatt kann erzeugt und gedruckt werden"));
    druckfreigabe();
}

void TForm24::bereichWaehlen(int bereich)
{
    programmcode = bereich;
    wieofteins();
    variante = 0;
    // The form shows the kind and the box size it will print.
    RadioGroup2->setItemIndex(0);
    RadioGroup3->setItemIndex(1);
    const QStringList arten = knobel::artentexte(bereich);
    const QStringList beispiele = knobel::beispiele(bereich);
    for (int i = 0; i < 8; ++i) {
        artlabels[i]->setCaption(arten.at(i));
        beispiellabels[i]->setCaption(beispiele.at(i));
    }
}

void TForm24::druckenClick()
{
    m_letztes = knobel::additionsblatt(programmcode, RadioGroup2->ItemIndex(), RadioGroup3->ItemIndex() + 4);
    kopienSichern();
    knobel::drucken(m_letztes, wieoft);
    wieofteins();
}
