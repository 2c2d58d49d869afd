#include "worksheets/a_r_100.h"

#include "platform/controls.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

namespace {

void oeffnen(Form* fenster)
{
    if (fenster) fenster->showModal();
}

} // namespace

TForm14::TForm14(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Raum 100 (+/-)"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 19);

    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 80, top, 400, 55);
        applyFont(b, QStringLiteral("MS Sans Serif"), 19);
        setHandCursor(b);
        return b;
    };
    Button5 = knopf(QStringLiteral("gemischte Zehner und Einer"), 48);
    Button1 = knopf(QStringLiteral("zwei gemischte Zehnerzahlen"), 144);
    Button2 = knopf(QStringLiteral("siehe auch:      Knobelkästen"), 288);
    Button3 = knopf(QStringLiteral("siehe auch:              Dominos"), 384);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    applyFont(Button4, QStringLiteral("MS Sans Serif"), 16);
    Button4->Cancel = true;

    Button5->OnClick = [] { oeffnen(Form15); };
    Button1->OnClick = [] { oeffnen(Form16); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [] { oeffnen(Form26); };
    Button4->OnClick = [this] { Close(); };
}

void TForm14::Button2Click()
{
    if (auto* knobel = dynamic_cast<KnobelVorbereitung*>(Form23)) knobel->Button1Zuerst();
    oeffnen(Form23);
}
