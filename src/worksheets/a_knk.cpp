#include "worksheets/a_knk.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "shell/fenster.h"
#include "worksheets/a_knk1.h"

TForm23::TForm23(QWidget* parent)
    : Themenmenue(QStringLiteral("Knobelkästen"), QStringLiteral("Arial"), 19, parent)
{
    auto* Label9 = new Label(this, QStringLiteral("Knobelkästen-Arbeitsblätter"), 80, 24);
    applyFont(Label9, QStringLiteral("Arial"), 26, FontStyle::Bold);
    const auto knopf = [this](const QString& text, int top) { return Themenmenue::knopf(text, 80, top, 350, 50); };
    Button5 = knopf(QStringLiteral("+/-  im Zahlbereich bis 20"), 90);
    Button1 = knopf(QStringLiteral("+/-  im Zahlbereich bis 100"), 170);
    Button2 = knopf(QStringLiteral("+/-  im Zahlbereich bis 1000"), 250);
    Button3 = knopf(QStringLiteral("kleines  1 x 1"), 330);
    Button6 = knopf(QStringLiteral("mittleres und großes  1 x 1"), 410);
    Button4 = zurueckKnopf();

    Button5->OnClick = [this] { bereich(1); };
    Button1->OnClick = [this] { bereich(2); };
    Button2->OnClick = [this] { bereich(3); };
    Button6->OnClick = [this] { bereich(5); };
    Button3->OnClick = [] { oeffnen(Form25); };
}

void TForm23::Button5Zuerst()
{
    setTabOrderIndex(Button5, 0);
    SetFocus(Button5);
}

void TForm23::Button1Zuerst()
{
    setTabOrderIndex(Button1, 0);
    SetFocus(Button1);
}

void TForm23::Button3Zuerst()
{
    setTabOrderIndex(Button3, 0);
    SetFocus(Button3);
}

void TForm23::bereich(int nummer)
{
    if (auto* blatt = dynamic_cast<TForm24*>(Form24)) blatt->bereichWaehlen(nummer);
    oeffnen(Form24);
}
