#include "worksheets/a_r_100.h"

#include "platform/controls.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

TForm14::TForm14(QWidget* parent)
    : Themenmenue(QStringLiteral("Raum 100 (+/-)"), QStringLiteral("MS Sans Serif"), 19, parent)
{
    const auto knopf
        = [this](const QString& text, int top) { return Themenmenue::knopf(text, 80, top, 400, 55, true); };
    Button5 = knopf(QStringLiteral("gemischte Zehner und Einer"), 48);
    Button1 = knopf(QStringLiteral("zwei gemischte Zehnerzahlen"), 144);
    Button2 = knopf(QStringLiteral("siehe auch:      Knobelkästen"), 288);
    Button3 = knopf(QStringLiteral("siehe auch:              Dominos"), 384);
    Button4 = zurueckKnopf();

    Button5->OnClick = [] { oeffnen(Form15); };
    Button1->OnClick = [] { oeffnen(Form16); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [] { oeffnen(Form26); };
}

void TForm14::Button2Click()
{
    if (auto* knobel = dynamic_cast<KnobelVorbereitung*>(Form23)) knobel->Button1Zuerst();
    oeffnen(Form23);
}
