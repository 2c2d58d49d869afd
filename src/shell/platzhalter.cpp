#include "shell/platzhalter.h"

#include "platform/controls.h"

Platzhalter::Platzhalter(const QString& klasse, const QString& caption, QWidget* parent)
    : Form(parent)
    , m_klasse(klasse)
{
    setObjectName(klasse);
    setCaption(caption);
    setPosition(FormPosition::ScreenCenter);
    setClientSize(480, 160);
    setDefaultFont(QStringLiteral("MS Sans Serif"), -11);
    auto* hinweis = new Label(this, QStringLiteral("%1 – noch nicht eingerichtet (Esc schließt)").arg(klasse), 24, 24);
    applyFont(hinweis, QStringLiteral("Arial"), -16);
    auto* ende = new Button(this, QStringLiteral("Ende"), 376, 104, 80, 32);
    ende->Cancel = true;
    ende->OnClick = [this] { Close(); };
}
