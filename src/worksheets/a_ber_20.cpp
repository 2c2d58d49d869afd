#include "worksheets/a_ber_20.h"

#include "platform/controls.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

namespace {

void oeffnen(Form* fenster)
{
    if (fenster) fenster->showModal();
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Bereich bis 20"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 19);

    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 80, top, 350, 50);
        applyFont(b, QStringLiteral("MS Sans Serif"), 19);
        return b;
    };
    Button5 = knopf(QStringLiteral("Mengen zerlegen"), 32);
    Button1 = knopf(QStringLiteral("+ / -  im Bereich bis 10"), 121);
    Button2 = knopf(QStringLiteral("zwischen 10 und 20"), 211);
    Button3 = knopf(QStringLiteral("Zehnerübergang"), 300);
    Button6 = knopf(QStringLiteral("siehe auch:     Knobelkästen"), 390);
    Button7 = knopf(QStringLiteral("siehe auch:          Dominos"), 480);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    applyFont(Button4, QStringLiteral("MS Sans Serif"), 16);
    Button4->Cancel = true;

    Button5->OnClick = [] { oeffnen(Form4); };
    Button1->OnClick = [] { oeffnen(Form3); };
    Button2->OnClick = [] { oeffnen(Form13); };
    Button3->OnClick = [] { oeffnen(Form12); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [] { oeffnen(Form26); };
    Button4->OnClick = [this] { Close(); };
}

void TForm2::Button6Click()
{
    if (auto* knobel = dynamic_cast<KnobelVorbereitung*>(Form23)) knobel->Button5Zuerst();
    oeffnen(Form23);
}
