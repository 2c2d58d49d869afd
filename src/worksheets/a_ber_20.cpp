#include "worksheets/a_ber_20.h"

#include "platform/controls.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

TForm2::TForm2(QWidget* parent)
    : Themenmenue(QStringLiteral("Bereich bis 20"), QStringLiteral("MS Sans Serif"), 19, parent)
{
    const auto knopf = [this](const QString& text, int top) { return Themenmenue::knopf(text, 80, top, 350, 50); };
    Button5 = knopf(QStringLiteral("Mengen zerlegen"), 32);
    Button1 = knopf(QStringLiteral("+ / -  im Bereich bis 10"), 121);
    Button2 = knopf(QStringLiteral("zwischen 10 und 20"), 211);
    Button3 = knopf(QStringLiteral("Zehnerübergang"), 300);
    Button6 = knopf(QStringLiteral("siehe auch:     Knobelkästen"), 390);
    Button7 = knopf(QStringLiteral("siehe auch:          Dominos"), 480);
    Button4 = zurueckKnopf();

    Button5->OnClick = [] { oeffnen(Form4); };
    Button1->OnClick = [] { oeffnen(Form3); };
    Button2->OnClick = [] { oeffnen(Form13); };
    Button3->OnClick = [] { oeffnen(Form12); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [] { oeffnen(Form26); };
}

void TForm2::Button6Click()
{
    if (auto* knobel = dynamic_cast<KnobelVorbereitung*>(Form23)) knobel->Button5Zuerst();
    oeffnen(Form23);
}
