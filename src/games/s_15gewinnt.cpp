#include "games/s_15gewinnt.h"

#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"

#include <QApplication>

namespace {

const QColor kGruen(0, 128, 0);
const int kFeldLinks[3] = { 331, 461, 591 };
const int kFeldOben[3] = { 290, 467, 644 };

int sx(double v)
{
    return Round(v * double(skala_x));
}
int sy(double v)
{
    return Round(v * double(skala_y));
}

// A used stone is disabled and greyed. The panels around the stones take no input between turns, which must
// not grey the stones still to play: those keep their look whatever their panel's state.
void steinZeigen(Button* stein, bool frei)
{
    stein->setEnabled(frei);
    QPalette p = QApplication::palette(stein);
    if (frei)
        for (const QPalette::ColorRole rolle : { QPalette::ButtonText, QPalette::Button, QPalette::WindowText })
            p.setColor(QPalette::Disabled, rolle, p.color(QPalette::Active, rolle));
    stein->setPalette(p);
}

} // namespace

// ---- Form description ----

TForm56::TForm56(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm56"));
    setCaption(QStringLiteral("15 gewinnt"));
    setMaximized(true);
    ActivityWindow = true;
    // The stone captions carry "&1" .. "&9": digit keys set the stones of the enabled panel.
    PlainKeyAccelerators = true;
    ActivateOnReturn = false;
    for (int k = 1; k <= 9; ++k) {
        m_felder[k] = new Button(this, QString(), kFeldLinks[(k - 1) % 3], kFeldOben[(k - 1) / 3], 75, 100);
        m_felder[k]->setObjectName(QStringLiteral("Button%1").arg(k));
        setTabStop(m_felder[k], false);
        m_felder[k]->OnClick = [this, k] { feldClick(k); };
    }
    ungerade = new Panel(this, 30, 185, 235, 620);
    gerade = new Panel(this, 735, 185, 235, 620);
    for (Panel* p : { ungerade, gerade })
        setColor(p, Qt::white);
    for (int d = 1; d <= 9; ++d) {
        Panel* p = d % 2 ? ungerade : gerade;
        m_steine[d] = new Button(p, QStringLiteral("&%1").arg(d), 87, 40 + 110 * ((d - 1) / 2), 63, 80);
        m_steine[d]->setObjectName(QStringLiteral("Button%1").arg(10 + d));
        setTabStop(m_steine[d], false);
        m_steine[d]->OnClick = [this, d] { steinClick(d); };
    }
    Button10 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Close(); };
    Button20 = new Button(this, QStringLiteral("weiter"), 30, 890, 235, 80);
    Button20->hide();
    Button20->OnClick = [this] { Button20Click(); };
    OnActivate = [this] { s15gaktiv(); };
}

void TForm56::layout()
{
    const DesignGrid g(skala_x, skala_y);
    for (int k = 1; k <= 9; ++k) {
        g.place(m_felder[k], kFeldLinks[(k - 1) % 3], kFeldOben[(k - 1) / 3], 75, 100);
        g.fontSize(m_felder[k], 37);
    }
    g.place(ungerade, ungerade->x() < sx(400) ? 30 : 735, 185, 235, 620);
    g.place(gerade, gerade->x() < sx(400) ? 30 : 735, 185, 235, 620);
    for (int d = 1; d <= 9; ++d) {
        g.place(m_steine[d], 87, 40 + 110 * ((d - 1) / 2), 63, 80);
        g.fontSize(m_steine[d], 37);
    }
    g.place(Button10, 750, 930, 200, 40);
    g.fontSize(Button10, 14);
    g.place(Button20, 30, 890, 235, 80);
    g.fontSize(Button20, 30);
}

// ---- Handlers ----

void TForm56::s15gaktiv()
{
    layout();
    // The window keeps the focus at the start, so that no key presses "Programm abbrechen".
    SetFocus(this);
    canvas().brush = Brush { color() };
    canvas().fillRect(0, 0, width(), height());
    // Nothing of the last game scores or clears the new board.
    m_zustand = 0;
    Button20->hide();
    partner::spielBeginnen(letztersieger == 0);
    gewonnen = 0;
    satzneu15();
    brett15();
    partner::spielstand(canvas(), partner::Standlayout::FuenfzehnGewinnt);
}

void TForm56::feldClick(int k)
{
    if (gewonnen > 0) return; // a decided set takes no stone
    m_zufallsindex = k;
    for (int i = 1; i <= 9; ++i)
        if (m_felder[i]->caption() == QLatin1String("?")) m_felder[i]->setCaption(QString());
    m_felder[k]->setCaption(QStringLiteral("?"));
    Panel* p = m_merker % 2 ? gerade : ungerade;
    p->setEnabled(true);
    setColor(p, kGruen);
}

void TForm56::steinClick(int d)
{
    if (m_zufallsindex == 0 || !m_steine[d]->isEnabled()) return;
    steinZeigen(m_steine[d], false);
    steinlegen(d);
    nachzug();
}

void TForm56::Button20Click()
{
    if (gewonnen > 10) punkte1 = punkte2 = 0;
    Button20->hide();
    gewonnen = 0;
    m_zustand = 0;
    farbwechsel15();
    brett15();
    satzneu15();
    partner::spielstand(canvas(), partner::Standlayout::FuenfzehnGewinnt);
}

// ---- Routines ----

void TForm56::statuszeile()
{
    Canvas& c = canvas();
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    c.rectangle(sx(295), sy(825), sx(705), sy(895));
    QString t;
    if (gewonnen == 0)
        t = partner::zugname() + QStringLiteral(" ist an der Reihe");
    else if (gewonnen <= 9)
        t = QStringLiteral("2 Punkte für ") + partner::zugname();
    else if (gewonnen == 10)
        t = QStringLiteral(" PATT: 1 Punkt für jeden ");
    partner::text(c, 500, 840, 28, Qt::white, t);
}

void TForm56::brett15()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { color(), 1 };
    c.brush = Brush { color() };
    c.rectangle(sx(295), sy(920), sx(705), sy(980));
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    c.rectangle(sx(295), sy(920), sx(485), sy(980));
    c.rectangle(sx(515), sy(920), sx(705), sy(980));
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(295), sy(135), sx(705), sy(800));
    c.rectangle(sx(30), sy(35), sx(265), sy(180));
    c.rectangle(sx(735), sy(35), sx(970), sy(180));
    c.rectangle(sx(420), sy(35), sx(580), sy(115));
    c.pen = Pen { kGruen, 5 };
    for (int x : { 305, 435, 565, 695 }) {
        c.moveTo(sx(x), sy(255));
        c.lineTo(sx(x), sy(785));
    }
    for (int y : { 255, 432, 609, 786 }) {
        c.moveTo(sx(305), sy(y));
        c.lineTo(sx(695), sy(y));
    }
    c.font.name = QStringLiteral("arial");
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.setSize(Round(double(skala_x) * 25));
    c.font.color = kGruen;
    c.textOut(sx(500), sy(170), QStringLiteral("immer 15"));
    c.brush = Brush { kGruen };
    partner::text(c, 390, 935, 20, Qt::white, QStringLiteral("1. welches Feld?"));
    partner::text(c, 610, 935, 20, Qt::white, QStringLiteral("2. welche Zahl?"));
    c.brush = Brush { Qt::white };
    c.font.setSize(Round(double(skala_x) * 20));
    c.font.color = Qt::black;
    c.textOut(sx(148), sy(50), spielername1);
    c.textOut(sx(852), sy(50), spielername2);
    partner::text(c, 148, 115, 20, Qt::black, QStringLiteral("und seine Steine"));
    partner::text(c, 852, 115, 20, Qt::black, QStringLiteral("und seine Steine"));
    statuszeile();
}

void TForm56::satzneu15()
{
    m_merker = 0;
    m_zufallsindex = 0;
    m_werte.fill(fuenfzehn::kLeer);
    // The beginner plays the odd stones, on his side of the board.
    const bool zweiter = amzug != QLatin1String("rot");
    const DesignGrid g(skala_x, skala_y);
    g.place(ungerade, zweiter ? 735 : 30, 185, 235, 620);
    g.place(gerade, zweiter ? 30 : 735, 185, 235, 620);
    for (Panel* p : { ungerade, gerade }) {
        p->setEnabled(false);
        setColor(p, Qt::white);
    }
    for (int i = 1; i <= 9; ++i) {
        steinZeigen(m_steine[i], true);
        m_felder[i]->setCaption(QString());
        m_felder[i]->setEnabled(true);
    }
}

void TForm56::steinlegen(int d)
{
    m_felder[m_zufallsindex]->setCaption(QString::number(d));
    m_felder[m_zufallsindex]->setEnabled(false);
    m_werte[std::size_t(m_zufallsindex - 1)] = d;
}

void TForm56::nachzug()
{
    for (Panel* p : { ungerade, gerade }) {
        p->setEnabled(false);
        setColor(p, Qt::white);
    }
    ++m_merker;
    m_zufallsindex = 0;
    gewonnen = byte(fuenfzehn::summentest(m_werte));
    if (gewonnen > 0) satzgewonnen15();
    if (m_merker == 8 && gewonnen == 0) letzterstein();
    if (m_zustand == 1) {
        ++punkte1;
        ++punkte2;
        partner::spielstand(canvas(), partner::Standlayout::FuenfzehnGewinnt);
        gewonnen = 10;
        statuszeile();
        if (punkte1 >= 6 || punkte2 >= 6)
            spielende15();
        else
            Button20->setCaption(QStringLiteral("weiter"));
        Button20->show();
        SetFocus(Button20);
    }
    if (gewonnen == 0) farbwechsel15();
}

void TForm56::letzterstein()
{
    const int stein = fuenfzehn::letzterStein(m_werte);
    for (int k = 1; k <= 9; ++k)
        if (m_werte[std::size_t(k - 1)] == fuenfzehn::kLeer) m_zufallsindex = k;
    if (stein >= 1 && stein <= 9) steinZeigen(m_steine[stein], false);
    steinlegen(stein);
    gewonnen = byte(fuenfzehn::summentest(m_werte));
    if (gewonnen >= 1) {
        farbwechsel15(); // the last stone is the beginner's
        satzgewonnen15();
    } else {
        m_zustand = 1;
    }
}

void TForm56::satzgewonnen15()
{
    Canvas& c = canvas();
    const fuenfzehn::Linie l = fuenfzehn::linie(gewonnen);
    c.pen = Pen { Qt::black, Round(5 * double(skala_x)) };
    c.moveTo(sx(l.x1), sy(l.y1));
    c.lineTo(sx(l.x2), sy(l.y2));
    c.pen = Pen { Qt::black, 1 };
    (amzug == QLatin1String("rot") ? punkte1 : punkte2) += 2;
    statuszeile();
    partner::spielstand(c, partner::Standlayout::FuenfzehnGewinnt);
    Button20->setCaption(QStringLiteral("weiter"));
    Button20->show();
    SetFocus(Button20);
    if (punkte1 >= 6 || punkte2 >= 6) spielende15();
}

void TForm56::spielende15()
{
    gewonnen = punkte1 != punkte2 ? 11 : 12;
    Canvas& c = canvas();
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    c.rectangle(sx(295), sy(920), sx(705), sy(980));
    QString t;
    if (gewonnen == 11) {
        const partner::Ergebnis e = partner::spielergebnis(spielername1, spielername2, punkte1, punkte2);
        t = e.zeile1 + QStringLiteral(" ") + e.zeile2;
    } else {
        t = QStringLiteral("Bravo!   U N E N T S C H I E D E N ");
    }
    partner::text(c, 500, 935, 20, Qt::white, t);
    Button20->setCaption(QStringLiteral("Rückspiel?"));
    Button20->show();
    SetFocus(Button20);
}

void TForm56::farbwechsel15()
{
    amzug = partner::farbwechsel(amzug);
    statuszeile();
}
