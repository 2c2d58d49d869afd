#include "games/s_abraum.h"

#include "games/s_abraum_logik.h"
#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

const QColor kGruen(0, 128, 0);
constexpr int kSpalteX[3] = { 351, 481, 611 };
constexpr int kZeileY[3] = { 315, 492, 669 };

int sx(double v)
{
    return Round(v * double(skala_x));
}
int sy(double v)
{
    return Round(v * double(skala_y));
}

bool verliert()
{
    return spieloption != 0;
}

} // namespace

// ---- Form description ----

TForm57::TForm57(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm57"));
    setCaption(QStringLiteral("Abraum"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(Qt::white);
    // The number captions carry "&1" .. "&9": digit keys take the enabled numbers.
    PlainKeyAccelerators = true;
    ActivateOnReturn = false;
    for (int n = 1; n <= 9; ++n) {
        m_zahlen[n] = new Button(
            this, QStringLiteral("&%1").arg(n), kSpalteX[abraum::spalte(n)], kZeileY[abraum::zeile(n)], 38, 50);
        m_zahlen[n]->setObjectName(QStringLiteral("Button%1").arg(n));
        setHandCursor(m_zahlen[n]);
        setTabStop(m_zahlen[n], false);
        m_zahlen[n]->OnClick = [this, n] { zahlClick(n); };
    }
    Button10 = new Button(this, QStringLiteral("fertig"), 300, 825, 400, 70);
    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    Button11->Cancel = true;
    setTabStop(Button11, false);
    Button10->OnClick = [this] { Button10Click(); };
    Button11->OnClick = [this] { Close(); };
    OnActivate = [this] { abraumaktiv(); };
}

// ---- Handlers ----

void TForm57::abraumaktiv()
{
    const DesignGrid g(skala_x, skala_y);
    for (int n = 1; n <= 9; ++n) {
        g.place(m_zahlen[n], kSpalteX[abraum::spalte(n)], kZeileY[abraum::zeile(n)], 38, 50);
        g.fontSize(m_zahlen[n], 30);
    }
    g.place(Button10, 300, 825, 400, 70);
    g.fontSize(Button10, 25);
    g.place(Button11, 750, 930, 200, 40);
    g.fontSize(Button11, 14);
    canvas().brush = Brush { Qt::white };
    canvas().fillRect(0, 0, width(), height());
    // The window keeps the focus at the start, so that no key presses "Programm abbrechen".
    SetFocus(this);

    partner::spielBeginnen(letztersieger == 0);
    gewonnen = 0;
    neuersatz();
    partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
}

void TForm57::zahlClick(int n)
{
    // A taken or blocked number takes nothing, even when clicked by code.
    if (!m_zahlen[n]->isEnabled() || gewonnen != 0) return;
    m_zahlen[n]->setEnabled(false);
    const int c = abraum::spalte(n), r = abraum::zeile(n);
    schrittzeiger = c;
    zwzahl4 = r;
    ++merker;
    Button10->setEnabled(true);
    SetFocus(Button10);
    Canvas& cv = canvas();
    cv.setMapMode(MapMode::Pixels);
    cv.pen = Pen { Qt::white, 1 };
    cv.brush = Brush { Qt::white };
    cv.ellipse(sx(315 + 130 * c), sy(270 + 177 * r), sx(425 + 130 * c), sy(417 + 177 * r));
    antwort = QString::number(n);
    partner::textX(
        cv, amzug == QLatin1String("rot") ? 135 : 845, 65 * merker + 110, 28, Qt::black, antwort, TextAlign::Left);
    const std::array<bool, 10> sperre = abraum::gesperrt(n);
    for (int k = 1; k <= 9; ++k)
        if (sperre[std::size_t(k)] && m_zahlen[k]->isEnabled()) {
            m_zahlen[k]->setEnabled(false);
            neunerfeld[k - 1] = k - 1;
        }
}

void TForm57::Button10Click()
{
    switch (gewonnen) {
    case 0: {
        Button10->setEnabled(false);
        for (int k = 1; k <= 9; ++k)
            if (neunerfeld[k - 1] != 10) m_zahlen[k]->setEnabled(true);
        for (int k = 0; k <= 8; ++k)
            neunerfeld[k] = 10;
        if (merker >= 9) {
            gewonnen = 1;
            Button10->setCaption(QStringLiteral("weiter"));
            Button10->setEnabled(true);
            SetFocus(Button10);
            const int fuer = abraum::punktFuer(amzug == QLatin1String("rot"), verliert());
            (fuer == 2 ? punkte2 : punkte1) += 1;
            if (punkte1 < 3 && punkte2 < 3) {
                partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
                zugkasten();
            } else {
                gewonnen = 2;
                Button10->setCaption(QStringLiteral("Rückspiel?"));
                partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
                zugkasten();
            }
        } else {
            amzug = partner::farbwechsel(amzug);
            partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
            zugkasten();
        }
        break;
    }
    case 1:
    case 2:
        if (gewonnen == 2) punkte1 = punkte2 = 0;
        Button10->setCaption(QStringLiteral("fertig"));
        Button10->setEnabled(false);
        // The loser begins: with "gewinnt" the other player, with "verliert" the one who cleared.
        if (!verliert()) amzug = partner::farbwechsel(amzug);
        neuersatz();
        partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
        break;
    default:
        partner::spielstand(canvas(), partner::Standlayout::Abraeumen);
        zugkasten();
        break;
    }
}

// ---- Routines ----

void TForm57::neuersatz()
{
    merker = 0;
    Button10->setEnabled(false);
    Button10->setCaption(QStringLiteral("fertig"));
    gewonnen = 0;
    for (int n = 1; n <= 9; ++n)
        m_zahlen[n]->setEnabled(true);
    for (int k = 0; k <= 8; ++k)
        neunerfeld[k] = 10;
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(295), sy(135), sx(705), sy(800));
    c.rectangle(sx(30), sy(35), sx(265), sy(800));
    c.rectangle(sx(735), sy(35), sx(970), sy(800));
    c.rectangle(sx(420), sy(35), sx(580), sy(115));
    c.pen = Pen { Qt::black, 5 };
    for (int i = 0; i <= 3; ++i) {
        c.moveTo(sx(305 + 130 * i), sy(255));
        c.lineTo(sx(305 + 130 * i), sy(785));
        c.moveTo(sx(305), sy(255 + 177 * i));
        c.lineTo(sx(695), sy(255 + 177 * i));
    }
    c.pen = Pen { Qt::black, 1 };
    c.brush = Brush { QColor(255, 255, 0) };
    for (int r = 0; r <= 2; ++r)
        for (int s = 0; s <= 2; ++s)
            c.ellipse(sx(315 + 130 * s), sy(270 + 177 * r), sx(425 + 130 * s), sy(417 + 177 * r));
    c.brush = Brush { Qt::white };
    partner::textX(c, 500, 170, 25, kGruen,
        verliert() ? QStringLiteral("wer abräumt, verliert") : QStringLiteral("wer abräumt, gewinnt"),
        TextAlign::Center);
    partner::textX(c, 148, 50, 28, Qt::black, spielername1, TextAlign::Center);
    partner::textX(c, 852, 50, 28, Qt::black, spielername2, TextAlign::Center);
    zugkasten();
}

void TForm57::zugkasten()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    c.rectangle(sx(295), sy(925), sx(705), sy(995));
    if (gewonnen == 0) {
        m_zugtext = partner::zugname() + QStringLiteral(" nimmt weg");
    } else if (gewonnen == 1) {
        const int fuer = abraum::punktFuer(amzug == QLatin1String("rot"), verliert());
        m_zugtext = QStringLiteral("1 Punkt für ") + (fuer == 2 ? spielername2 : spielername1);
    } else if (gewonnen == 2) {
        const bool zweiter = punkte1 <= punkte2;
        m_zugtext = (zweiter ? spielername2 : spielername1) + QStringLiteral(" gewinnt gegen ")
            + (zweiter ? spielername1 : spielername2);
    }
    partner::textX(c, 500, 940, 20, Qt::white, m_zugtext, TextAlign::Center);
}
