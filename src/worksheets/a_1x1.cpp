#include "worksheets/a_1x1.h"

#include "platform/controls.h"
#include "platform/random.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

namespace {

void oeffnen(Form* fenster)
{
    if (fenster) fenster->showModal();
}

} // namespace

TForm20::TForm20(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("kleines  1 x 1"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 19);

    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 80, top, 350, 50);
        applyFont(b, QStringLiteral("MS Sans Serif"), 19);
        return b;
    };
    Button5 = knopf(QStringLiteral("1 x 1 -  Felder"), 40);
    Button2 = knopf(QStringLiteral("1 x 1   in 100er-Feldern"), 130);
    Button7 = knopf(QStringLiteral("siehe auch:     Knobelkästen"), 300);
    Button1 = knopf(QStringLiteral("siehe auch:           Dominos"), 390);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    applyFont(Button4, QStringLiteral("MS Sans Serif"), 16);
    Button4->Cancel = true;

    Button5->OnClick = [] { oeffnen(Form21); };
    Button2->OnClick = [] { oeffnen(Form22); };
    Button7->OnClick = [this] { Button7Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button4->OnClick = [this] { Close(); };
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
