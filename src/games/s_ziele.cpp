#include "games/s_ziele.h"

#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "games/s_ziele_logik.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/pause.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

const QColor kGruen(0, 128, 0);
constexpr double kComputerpause = 1.2e-5;

int sx(double v)
{
    return Round(v * double(skala_x));
}
int sy(double v)
{
    return Round(v * double(skala_y));
}
int px(int p)
{
    return 16 * p + 100;
}

bool blauZieht()
{
    return amzug == QLatin1String("blau");
}

} // namespace

// ---- Form description ----

TForm59::TForm59(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm59"));
    setCaption(QStringLiteral("Ziele"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(Qt::white);
    // The jump captions carry "&1" .. "&9": digit keys jump by the enabled ones.
    PlainKeyAccelerators = true;
    ActivateOnReturn = false;
    GroupBox1 = new GroupBox(this, QString(), 387, 600, 225, 170);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = new Label(GroupBox1, QStringLiteral("erlaubte Sprünge"), 15, 15);
    for (int k = 1; k <= 9; ++k) {
        m_spruenge[k] = new Button(GroupBox1, QStringLiteral("&%1").arg(k), 15 + 70 * (k - 1), 75, 55, 70);
        m_spruenge[k]->setObjectName(QStringLiteral("Button%1").arg(k));
        setHandCursor(m_spruenge[k]);
        setTabStop(m_spruenge[k], false);
        m_spruenge[k]->OnClick = [this, k] { sprungClick(k); };
    }
    Button10 = new Button(this, QStringLiteral("weiter"), 750, 830, 200, 60);
    setHandCursor(Button10);
    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    Button11->Cancel = true;
    setTabStop(Button11, false);
    Button10->OnClick = [this] { Button10Click(); };
    // Start and target are this window's own: the set-up keeps the two numbers as they were typed.
    Button11->OnClick = [this] { Close(); };
    OnActivate = [this] { zieleaktiv(); };
}

// ---- Handlers ----

void TForm59::zieleaktiv()
{
    const DesignGrid g(skala_x, skala_y);
    applyFontSize(Label1, QStringLiteral("Arial"), Round(16 * double(skala_x)));
    Label1->move(g.x(15), g.y(15));
    for (int k = 1; k <= 9; ++k) {
        g.place(m_spruenge[k], 15 + 70 * (k - 1), 75, 55, 70);
        g.fontSize(m_spruenge[k], 37);
    }
    g.place(Button10, 750, 830, 200, 60);
    setFontSize(Button10, Round(20 * double(skala_x)));
    g.place(Button11, 750, 930, 200, 40);
    g.fontSize(Button11, 14);
    canvas().brush = Brush { Qt::white };
    canvas().fillRect(0, 0, width(), height());
    // The window keeps the focus at the start, so that no key presses "Programm abbrechen".
    SetFocus(this);
    Button10->setEnabled(false);
    knoepfeFreigeben(true);
    neuesspiel();
    zahlenstrahl();
    zugkasten();
    partner::spielstand(canvas(), partner::Standlayout::Ziel);
}

void TForm59::sprungClick(int k)
{
    // A hidden or disabled jump moves nothing, even when clicked by code.
    if (!m_spruenge[k]->isEnabled() || k > m_m || gewonnen != 0) return;
    antwort = QString::number(k);
    springen(k);
}

void TForm59::Button10Click()
{
    switch (gewonnen) {
    case 0:
        Button10->setEnabled(false);
        knoepfeFreigeben(true);
        zugkasten();
        break;
    case 1:
    case 2:
        zugkasten();
        break;
    case 4:
    case 5:
        if (gewonnen == 5) {
            punkte1 = punkte2 = 0;
            partner::spielstand(canvas(), partner::Standlayout::Ziel);
            Button10->setCaption(QStringLiteral("weiter"));
        }
        gewonnen = 0;
        knoepfeFreigeben(true);
        Button10->setEnabled(false);
        // Against the computer the human begins every set.
        if (spieloption > 0) amzug = QStringLiteral("blau");
        amzug = partner::farbwechsel(amzug);
        zahlenstrahl();
        zugkasten();
        break;
    default:
        break;
    }
}

// ---- Routines ----

int TForm59::position() const
{
    return zielzahl;
}

bool TForm59::rueckwaerts() const
{
    return variante == 1;
}

void TForm59::knoepfeFreigeben(bool an)
{
    for (int k = 1; k <= 9; ++k)
        m_spruenge[k]->setEnabled(an);
}

void TForm59::neuesspiel()
{
    punkte1 = punkte2 = 0;
    gewonnen = 0;
    merker = 0;
    const partner::Beginn b = partner::werbeginnt(beginner, letztersieger == 0);
    beginner = byte(b.beginner);
    amzug = spieloption > 0 ? QStringLiteral("rot") : b.amzug;
    m_m = ziele::sprungweite(zwzahl2, zwzahl3);
    zwzahl1 = m_m;
    m_start = rueckwaerts() ? zwzahl3 : zwzahl2;
    m_ziel = rueckwaerts() ? zwzahl2 : zwzahl3;
    const DesignGrid g(skala_x, skala_y);
    g.place(GroupBox1, 492 - 35 * m_m, 600, 70 * m_m + 15, 170);
    for (int k = 1; k <= 9; ++k)
        m_spruenge[k]->setVisible(k <= m_m);
    Button10->setCaption(QStringLiteral("weiter"));
}

void TForm59::zahlenstrahl()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(50), sy(200), sx(950), sy(550));
    c.pen = Pen { Qt::black, Round(6 * double(skala_x)) };
    c.moveTo(sx(100), sy(400));
    c.lineTo(sx(900), sy(400));
    for (int k = 0; k <= 50; ++k) {
        const int bis = k % 10 == 0 ? 345 : k % 5 == 0 ? 370 : 385;
        c.moveTo(sx(px(k)), sy(400));
        c.lineTo(sx(px(k)), sy(bis));
        if (k % 10 == 0) partner::textX(c, px(k), 280, 20, Qt::black, QString::number(k), TextAlign::Center);
    }
    partner::textX(c, px(m_start), 455, 20, kGruen, QStringLiteral("Start"), TextAlign::Center);
    partner::textX(c, px(m_ziel), 455, 20, kGruen, QStringLiteral("Ziel"), TextAlign::Center);
    c.pen = Pen { kGruen, Round(2 * double(skala_x)) };
    for (int p : { m_start, m_ziel }) {
        c.moveTo(sx(px(p)), sy(450));
        c.lineTo(sx(px(p)), sy(250));
    }
    zielzahl = m_start;
}

void TForm59::zugkasten()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { partner::zugfarbe(), 1 };
    c.brush = Brush { partner::zugfarbe() };
    c.rectangle(sx(295), sy(900), sx(705), sy(970));
    const auto zeigen = [&](const QString& t) {
        m_zugtext = t;
        c.brush = Brush { partner::zugfarbe() };
        partner::textX(c, 500, 910, 20, Qt::white, t, TextAlign::Center);
    };
    switch (gewonnen) {
    case 0:
        zeigen(partner::zugname() + QStringLiteral(" springt"));
        setColor(GroupBox1, partner::zugfarbe());
        aufgabenzeile();
        if (zielzahl != m_start && blauZieht() && spieloption > 0) computerzug();
        break;
    case 1:
        (blauZieht() ? punkte2 : punkte1) += 1;
        zeigen(QStringLiteral("1 Punkt für ") + partner::zugname());
        if (punkte1 < 3 && punkte2 < 3) {
            gewonnen = 4;
        } else {
            gewonnen = 5;
            const bool zweiter = punkte1 <= punkte2;
            c.rectangle(sx(295), sy(900), sx(705), sy(970));
            zeigen((zweiter ? spielername2 : spielername1) + QStringLiteral(" hat gewonnen"));
            Button10->setCaption(QStringLiteral("Rückspiel?"));
        }
        partner::spielstand(c, partner::Standlayout::Ziel);
        break;
    case 2:
        zeigen(QStringLiteral("kein Punkt"));
        partner::spielstand(c, partner::Standlayout::Ziel);
        gewonnen = 4;
        break;
    default:
        break;
    }
}

void TForm59::aufgabenzeile()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(268), sy(25), sx(732), sy(155));
    partner::textX(c, 400, 45, 40, Qt::black, QString::number(zielzahl), TextAlign::Right);
    partner::textX(c, 510, 45, 40, partner::zugfarbe(), rueckwaerts() ? QStringLiteral("-  ?") : QStringLiteral("+  ?"),
        TextAlign::Right);
}

void TForm59::springen(int w)
{
    Button10->setEnabled(true);
    SetFocus(Button10);
    knoepfeFreigeben(false);
    const int alt = zielzahl;
    zielzahl = rueckwaerts() ? zielzahl - w : zielzahl + w;
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { partner::zugfarbe(), 1 };
    c.brush = Brush { partner::zugfarbe() };
    c.rectangle(sx(px(qMin(alt, int(zielzahl)))), sy(408), sx(px(qMax(alt, int(zielzahl)))), sy(435));
    c.brush = Brush { Qt::white };
    partner::textX(c, 475, 45, 40, partner::zugfarbe(), antwort + QStringLiteral("  =  ") + QString::number(zielzahl),
        TextAlign::Left);
    ++merker;
    const int rest = rueckwaerts() ? zielzahl - m_ziel : m_ziel - zielzahl;
    if (rest > 0) {
        amzug = partner::farbwechsel(amzug);
        gewonnen = 0;
    } else {
        gewonnen = rest == 0 ? 1 : 2;
    }
}

void TForm59::computerzug()
{
    jetzt = clockx::now();
    pause(kComputerpause);
    const int d = rueckwaerts() ? zielzahl - m_ziel : m_ziel - zielzahl;
    const int w = ziele::computerSprung(spieloption == 2, d, m_m);
    antwort = QString::number(w);
    springen(w);
    Button10->setEnabled(true);
}
