#include "worksheets/a_hsv_pm.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

TForm18::TForm18(QWidget* parent)
    : Halbschriftblatt(QStringLiteral("hs_4"), 4, 4, 13,
        QStringLiteral("12 Aufgaben werden -  von links nach rechts nach den Vorgabemustern sortiert - gedruckt.  "
                       "Wenn mehr als 12 Aufgaben gewählt wurden, werden die  weiter rechts stehenden  ggf. "
                       "abgeschnitten. "),
        parent)
{
    Label8 = vorschau[0];
    Label1 = vorschau[1];
    Label3 = vorschau[2];
    Label4 = vorschau[3];

    P3 = new Panel(this, 16, 76, 360, 110);
    RadioGroup1 = new RadioGroup(P3, QString(), 8, 8, 34, 94);
    RadioGroup1->setItems({ QString(), QString() });
    RadioGroup1->setItemIndex(0);
    Label17 = new Label(P3, QString(), 52, 8);
    Label5 = new Label(P3, QString(), 52, 8);
    for (int i = 0; i < 2; ++i) {
        Label* l = i == 0 ? Label17 : Label5;
        applyFont(l, QStringLiteral("MS Sans Serif"), 16);
        const int mitte = RadioGroup1->y() + RadioGroup1->button(i)->geometry().center().y();
        place(l, 52, mitte - 12, 300, 24);
    }

    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    OnActivate = [this] { F18aktiv(); };
}

void TForm18::F18aktiv()
{
    // The operation the menu chose for this opening.
    if (programmcode >= halbschrift::Addition && programmcode <= halbschrift::Division) m_rechenart = programmcode;
    m_musterstufe = 1;
    RadioGroup1->setItemIndex(0);
    aktivieren();
}

void TForm18::RadioGroup1Click()
{
    m_musterstufe = RadioGroup1->ItemIndex() + 1;
}

halbschrift::Seite TForm18::neueSeite()
{
    return halbschrift::musterseite(m_rechenart, musterfolge(), halbschrift::erzeugen(m_rechenart, m_musterstufe));
}
