#include "worksheets/a_hsverg.h"

#include "platform/controls.h"

TForm19::TForm19(QWidget* parent)
    : Halbschriftblatt(QStringLiteral("hs_5"), 5, 3, 15,
        QStringLiteral("12 Aufgaben werden -  nach dem Schwierigkeitsgrad  der  Vorgabemuster sortiert - gedruckt.  "
                       "Wenn mehr als 12 Aufgaben  gewählt wurden, werden die  schwierigeren ggf. abgeschnitten. "),
        parent)
{
    // No level to choose: the patterns move up.
    place(P2, 16, 76, 768, 330);
    Label8 = vorschau[0];
    Label1 = vorschau[1];
    Label3 = vorschau[2];
    Label4 = vorschau[3];
    Label5 = vorschau[4];
    OnActivate = [this] { aktivieren(); };
}

halbschrift::Seite TForm19::neueSeite()
{
    return halbschrift::ergaenzungsseite(musterfolge(), halbschrift::ergaenzungen());
}
