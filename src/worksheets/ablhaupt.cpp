#include "worksheets/ablhaupt.h"

#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"
#include "worksheets/awina.h"

TForm29::TForm29(QWidget* parent)
    : Themenmenue(QStringLiteral("Arbeitsblätter"), QStringLiteral("Arial"), 16, parent)
{
    const auto knopf
        = [this](const QString& text, int left, int top) { return Themenmenue::knopf(text, left, top, 210, 40); };
    // Created in the tab order: down the first column, then the second, then the third.
    Button1 = knopf(QStringLiteral("Bereich bis 20"), 24, 168);
    Button4 = knopf(QStringLiteral("halbschriftliches Rechnen"), 24, 264);
    Button7 = knopf(QStringLiteral("Überschläge"), 24, 360);
    Button9 = knopf(QStringLiteral("Blanco-Vorlagen"), 24, 448);
    Button2 = knopf(QStringLiteral("+ / -  im Bereich bis 100"), 290, 168);
    Button5 = knopf(QStringLiteral("schriftliche Rechenverfahren"), 290, 264);
    Button8 = knopf(QStringLiteral("Knobelkästen"), 290, 360);
    Button3 = knopf(QStringLiteral("kleines 1 x 1"), 552, 168);
    Button6 = knopf(QStringLiteral("Kommazahlen"), 552, 264);
    Button11 = knopf(QStringLiteral("Dominos"), 552, 360);
    Button10 = zurueckKnopf(644, 485);

    Button1->OnClick = [this] { thema(Form2, true); };
    Button2->OnClick = [this] { thema(Form14, true); };
    Button3->OnClick = [this] { thema(Form20, true); };
    Button4->OnClick = [this] { thema(Form17, true); };
    Button5->OnClick = [this] { thema(Form6, true); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { thema(Form28, false); };
    Button8->OnClick = [this] { thema(Form23, true); };
    Button11->OnClick = [this] { thema(Form26, true); };
    Button9->OnClick = [this] { Button9Click(); };

    OnActivate = [this] { F29aktiv(); };
}

void TForm29::F29aktiv()
{
    Randomize();
    if (awina::vorhanden()) SetFocus(Button10);
}

void TForm29::thema(Form* fenster, bool mischen)
{
    wieoft = 1;
    if (mischen) Randomize();
    oeffnen(fenster);
}

void TForm29::Button6Click()
{
    wieoft = 1;
    if (auto* komma = dynamic_cast<KommaVorbereitung*>(Form27)) komma->Panel5Verbergen();
    oeffnen(Form27);
}

void TForm29::Button9Click()
{
    // The blank templates print no tasks: neither copies nor seed are touched.
    oeffnen(Form5);
}
