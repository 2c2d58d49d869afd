#include "games/s_vgspiel.h"

#include "aids/hilfenrahmen_logik.h"
#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/pause.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"

namespace {

const QColor kGruen(0, 128, 0);
const QColor kSilber(192, 192, 192);
constexpr double kFallpause = 0.00001;

int sx(double v)
{
    return Round(v * double(skala_x));
}
int sy(double v)
{
    return Round(v * double(skala_y));
}
int mx(int c)
{
    return 75 * c + 200;
}
int my(int r)
{
    return 95 * r + 180;
}

struct Hand {
    Button** knopf;
    const char* zeichen;
    int left;
};

} // namespace

// ---- Form description ----

TForm55::TForm55(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm55"));
    setCaption(QStringLiteral("vgSpiel"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(Qt::white);
    ActivateOnReturn = false;

    ScrollBoxEx1 = new TScrollBoxEx(this, 1, 1, 1, 1);
    ScrollBoxEx1->setObjectName(QStringLiteral("ScrollBoxEx1"));
    ScrollBoxEx1->OnWantSpecialKey = [](QObject*, quint16 code, bool& wanted) {
        if (tasten::pftast(code)) wanted = true;
    };
    ScrollBoxEx1->OnKeyDown = [this](quint16& key, ShiftState shift) { spezialkey(key, shift); };
    Button1 = new Button(this, QStringLiteral("Programm abbrechen"), 785, 930, 200, 40);
    Button1->Cancel = true;
    // Hands pointing left, down and right.
    const Hand haende[] = { { &Button2, "E", 375 }, { &Button4, "H", 475 }, { &Button5, "F", 575 } };
    for (const Hand& h : haende) {
        *h.knopf = new Button(this, QString::fromLatin1(h.zeichen), h.left, 30, 50, 75);
        applyFontSize(*h.knopf, QStringLiteral("Wingdings"), 36);
        setTabStop(*h.knopf, false);
    }
    Button2->setObjectName(QStringLiteral("Button2"));
    Button4->setObjectName(QStringLiteral("Button4"));
    Button5->setObjectName(QStringLiteral("Button5"));
    Button4->Default = true;
    Button3 = new Button(this, QStringLiteral("weiter"), 785, 790, 200, 110);
    Button3->hide();

    Button1->OnClick = [this] { Button1Click(); };
    // After a click on a hand the arrow keys still move the stone and Enter still drops it (Button4 is the
    // Default): the focus goes back to the arrow-key box rather than to a hand.
    Button2->OnClick = [this] {
        links();
        pfeilkastenFokus();
    };
    Button5->OnClick = [this] {
        rechts();
        pfeilkastenFokus();
    };
    Button4->OnClick = [this] {
        einwurf();
        pfeilkastenFokus();
    };
    Button3->OnClick = [this] { Button3Click(); };
    OnActivate = [this] { vgspaktiv(); };
}

// ---- Handlers ----

void TForm55::vgspaktiv()
{
    const DesignGrid g(skala_x, skala_y);
    g.place(ScrollBoxEx1, 1, 1, 1, 1);
    g.place(Button1, 785, 930, 200, 40);
    g.fontSize(Button1, 14);
    for (Button* b : { Button2, Button4, Button5 }) {
        g.place(b, b == Button2 ? 375 : b == Button4 ? 475 : 575, 30, 50, 75);
        g.fontSize(b, 36);
    }
    g.place(Button3, 785, 790, 200, 110);
    setFontSize(Button3, Round(20 * double(skala_x)));
    canvas().brush = Brush { Qt::white };
    canvas().fillRect(0, 0, width(), height());

    spielende = 0;
    Button3->setCaption(QStringLiteral("weiter"));
    eingabenFreigeben(true);
    partner::spielBeginnen(true);
    Button3->hide();
    vgsneu();
    partner::spielstand(canvas(), partner::Standlayout::Spielversion);
    vgsbrett();
}

void TForm55::spezialkey(quint16& key, unsigned)
{
    if (key == 37)
        links();
    else if (key == 39)
        rechts();
    else if (key == 40)
        einwurf();
}

void TForm55::Button3Click()
{
    vgsbrett();
    vgsneu();
    eingabenFreigeben(true);
    Button3->hide();
    Button3->setCaption(QStringLiteral("weiter"));
    if (spielende == 1) {
        spielende = 0;
        partner::spielstand(canvas(), partner::Standlayout::Spielversion);
    }
}

void TForm55::Button1Click()
{
    for (Button* b : { Button2, Button4, Button5 })
        b->setEnabled(true);
    Close();
}

// ---- Routines ----

int TForm55::haengtUeber() const
{
    return m_haengt ? spalte2 : 0;
}

void TForm55::pfeilkastenFokus()
{
    if (ScrollBoxEx1->isEnabled()) SetFocus(ScrollBoxEx1);
}

void TForm55::eingabenFreigeben(bool an)
{
    for (QWidget* w : { static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button4), static_cast<QWidget*>(Button5),
             static_cast<QWidget*>(ScrollBoxEx1) })
        w->setEnabled(an);
}

// The strip above the slots is cleared and the stone drawn anew, so exactly one stone ever hangs there.
void TForm55::haengestein(bool zeigen)
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(75 + 170), sy(119), sx(75 * 7 + 231), sy(201));
    m_haengt = zeigen;
    if (!zeigen) return;
    c.pen = Pen { Qt::black, 1 };
    c.brush = Brush { amzug == QLatin1String("rot") ? QColor(Qt::red) : QColor(Qt::yellow) };
    c.ellipse(sx(75 * spalte2 + 172), sy(121), sx(75 * spalte2 + 228), sy(199));
}

void TForm55::links()
{
    Button4->setEnabled(true);
    if (spalte2 > 1) --spalte2;
    haengestein(true);
}

void TForm55::rechts()
{
    Button4->setEnabled(true);
    if (spalte2 < 7) ++spalte2;
    haengestein(true);
}

void TForm55::vgsneu()
{
    gewonnen = 0;
    m_merker = 0;
    Button3->hide();
    m_brett = vierinreihe::Brett();
    spalte2 = 4;
    haengestein(true);
    ScrollBoxEx1->setEnabled(true);
    SetFocus(ScrollBoxEx1);
}

void TForm55::vgsbrett()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::blue, 1 };
    c.brush = Brush { Qt::blue };
    c.rectangle(sx(225), sy(215), sx(775), sy(900));
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(250), sy(818), sx(750), sy(900));
    c.pen = Pen { kSilber, 1 };
    c.brush = Brush { kSilber };
    for (int r = 6; r >= 1; --r)
        for (int s = 1; s <= 7; ++s)
            c.ellipse(sx(75 * s + 175), sy(95 * r + 145), sx(75 * s + 225), sy(95 * r + 215));
}

void TForm55::einwurf()
{
    if (gewonnen > 0) return; // a decided set takes no stone
    haengestein(false);
    fallstein();
    if (m_zustand == 1) amzug = partner::farbwechsel(amzug);
    if (gewonnen > 0) return;
    spalte2 = 4;
    haengestein(true);
    Button4->setEnabled(true);
}

void TForm55::fallstein()
{
    m_zustand = 0;
    const int c = spalte2;
    const int r = vierinreihe::fallzeile(m_brett, c);
    if (r == 0) return;
    ++m_merker;
    m_zustand = 1;
    zehner1 = r;
    const bool rot = amzug == QLatin1String("rot");
    const QColor farbe = rot ? QColor(Qt::red) : QColor(Qt::yellow);
    zeilennr = shortint(rot ? 1 : 2);
    m_brett.an(c, r) = zeilennr;
    Canvas& cv = canvas();
    cv.setMapMode(MapMode::Pixels);
    cv.pen = Pen { farbe, 1 };
    cv.brush = Brush { farbe };
    cv.ellipse(sx(75 * c + 174), sy(95 * r + 144), sx(75 * c + 225), sy(95 * r + 215));
    jetzt = clockx::now();
    pause(kFallpause);
    gewonnen = byte(vierinreihe::vierertest(m_brett, c, r, vierinreihe::spielversionFenster()));
    if (gewonnen > 0) {
        vgssatzende();
        return; // a 42nd stone that makes four ends its set like any other
    }
    if (m_merker == 42) {
        // A full board without four: no point, a new board; the other player begins it.
        gewonnen = 0;
        m_merker = 0;
        m_brett = vierinreihe::Brett();
        vgsbrett();
        m_haengt = false;
    }
}

void TForm55::vgssatzende()
{
    const int c = spalte2, r = zehner1;
    int dc1, dr1, dc2, dr2;
    vierinreihe::enden(gewonnen, true, dc1, dr1, dc2, dr2);
    m_linie = QLine(mx(c + dc1), my(r + dr1), mx(c + dc2), my(r + dr2));
    Canvas& cv = canvas();
    cv.setMapMode(MapMode::Pixels);
    cv.pen = Pen { Qt::black, Round(5 * double(skala_x)) };
    cv.moveTo(sx(m_linie.x1()), sy(m_linie.y1()));
    cv.lineTo(sx(m_linie.x2()), sy(m_linie.y2()));
    const bool zweiter = amzug != QLatin1String("rot");
    (zweiter ? punkte2 : punkte1) += 1;
    m_band = QStringLiteral("   1 Punkt für ") + (zweiter ? spielername2 : spielername1) + QStringLiteral("   ");
    cv.brush = Brush { Qt::white };
    partner::text(cv, 500, 840, 35, Qt::black, m_band);
    partner::spielstand(cv, partner::Standlayout::Spielversion);
    Button3->show();
    SetFocus(Button3);
    eingabenFreigeben(false);
    if (punkte1 >= 3 || punkte2 >= 3) {
        spielende = 1;
        vgsspielende();
    }
}

void TForm55::vgsspielende()
{
    Canvas& cv = canvas();
    cv.brush = Brush { Qt::white };
    partner::text(cv, 500, 495, 25, kGruen, vierinreihe::ergebniszeile(spielername1, spielername2, punkte1, punkte2));
    Button3->setCaption(QStringLiteral("Rückspiel?"));
    Button3->show();
    SetFocus(Button3);
    punkte1 = punkte2 = 0;
}
