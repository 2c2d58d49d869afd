#include "worksheets/themenmenue.h"

#include "platform/controls.h"

Themenmenue::Themenmenue(const QString& caption, const QString& schrift, int groesse, QWidget* parent)
    : Form(parent)
    , m_schrift(schrift)
    , m_groesse(groesse)
{
    setCaption(caption);
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(schrift, groesse);
}

Button* Themenmenue::knopf(const QString& text, int left, int top, int width, int height, bool hand)
{
    auto* b = new Button(this, text, left, top, width, height);
    applyFont(b, m_schrift, m_groesse);
    if (hand) setHandCursor(b);
    return b;
}

Button* Themenmenue::zurueckKnopf(int left, int top)
{
    auto* b = new Button(this, QStringLiteral("zurück"), left, top, 100, 40);
    applyFont(b, m_schrift, 16);
    b->Cancel = true;
    b->OnClick = [this] { Close(); };
    return b;
}

void Themenmenue::oeffnen(Form* fenster)
{
    if (fenster) fenster->showModal();
}
