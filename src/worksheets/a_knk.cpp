#include "worksheets/a_knk.h"

#include "platform/controls.h"
#include "shell/fenster.h"
#include "worksheets/a_knk1.h"

TForm23::TForm23(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Knobelkästen"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("Arial"), 19);

    auto* Label9 = new Label(this, QStringLiteral("Knobelkästen-Arbeitsblätter"), 80, 24);
    applyFont(Label9, QStringLiteral("Arial"), 26, FontStyle::Bold);
    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 80, top, 350, 50);
        applyFont(b, QStringLiteral("Arial"), 19);
        return b;
    };
    Button5 = knopf(QStringLiteral("+/-  im Zahlbereich bis 20"), 90);
    Button1 = knopf(QStringLiteral("+/-  im Zahlbereich bis 100"), 170);
    Button2 = knopf(QStringLiteral("+/-  im Zahlbereich bis 1000"), 250);
    Button3 = knopf(QStringLiteral("kleines  1 x 1"), 330);
    Button6 = knopf(QStringLiteral("mittleres und großes  1 x 1"), 410);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    applyFont(Button4, QStringLiteral("Arial"), 16);
    Button4->Cancel = true;

    Button5->OnClick = [this] { bereich(1); };
    Button1->OnClick = [this] { bereich(2); };
    Button2->OnClick = [this] { bereich(3); };
    Button6->OnClick = [this] { bereich(5); };
    Button3->OnClick = [] {
        if (Form25) Form25->showModal();
    };
    Button4->OnClick = [this] { Close(); };
}

void TForm23::Button5Zuerst()
{
    setTabOrderIndex(Button5, 0);
}

void TForm23::Button1Zuerst()
{
    setTabOrderIndex(Button1, 0);
}

void TForm23::Button3Zuerst()
{
    setTabOrderIndex(Button3, 0);
}

void TForm23::bereich(int nummer)
{
    if (auto* blatt = dynamic_cast<TForm24*>(Form24)) blatt->bereichWaehlen(nummer);
    if (Form24) Form24->showModal();
}
