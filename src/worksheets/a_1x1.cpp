#include "worksheets/a_1x1.h"

#include "platform/controls.h"
#include "platform/random.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

TForm20::TForm20(QWidget* parent)
    : Themenmenue(QStringLiteral("kleines  1 x 1"), QStringLiteral("MS Sans Serif"), 19, parent)
{
    const auto knopf = [this](const QString& text, int top) { return Themenmenue::knopf(text, 80, top, 350, 50); };
    Button5 = knopf(QStringLiteral("1 x 1 -  Felder"), 40);
    Button2 = knopf(QStringLiteral("1 x 1   in 100er-Feldern"), 130);
    Button7 = knopf(QStringLiteral("siehe auch:     Knobelkästen"), 300);
    Button1 = knopf(QStringLiteral("siehe auch:           Dominos"), 390);
    Button4 = zurueckKnopf();

    Button5->OnClick = [] { oeffnen(Form21); };
    Button2->OnClick = [] { oeffnen(Form22); };
    Button7->OnClick = [this] { Button7Click(); };
    Button1->OnClick = [this] { Button1Click(); };
}

void TForm20::Button7Click()
{
    if (auto* knobel = dynamic_cast<KnobelVorbereitung*>(Form23)) knobel->Button3Zuerst();
    oeffnen(Form23);
}

void TForm20::Button1Click()
{
    Randomize();
    if (auto* domino = dynamic_cast<DominoVorbereitung*>(Form26)) domino->Button6Zuerst();
    oeffnen(Form26);
}
