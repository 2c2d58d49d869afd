#include "games/s_vg_100.h"

#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/pause.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

namespace {

const QColor kGruen(0, 128, 0);
constexpr double kPause = 0.00002;

int sx(double v)
{
    return Round(v * double(skala_x));
}
int sy(double v)
{
    return Round(v * double(skala_y));
}
int mitteX(int e)
{
    return 66 * e - 11;
}
int mitteY(int z)
{
    return 95 * z + 74;
}

} // namespace

// ---- Form description ----

TForm54::TForm54(QWidget* parent)
    : Form(parent)
{
    tasten = partner::tastenspiel(
        this, QStringLiteral("TForm54"), QStringLiteral("vg100"), Button1, [this](int d) { ziffer(d); });
    tasten->ziffer(1)->setObjectName(QStringLiteral("Button11"));
    tasten->ziffer(2)->setObjectName(QStringLiteral("Button2"));
    tasten->Button13->setObjectName(QStringLiteral("Button14"));
    tasten->Button14->setObjectName(QStringLiteral("Button15"));
    Button12 = new Button(this, QStringLiteral("weiter"), 750, 340, 200, 110);
    Button12->hide();

    Button1->OnClick = [this] { Button1Click(); };
    Button12->OnClick = [this] { Button12Click(); };
    tasten->Button13->OnClick = [this] { Button14Click(); };
    tasten->Button14->OnClick = [this] { Button15Click(); };
    OnKeyPress = [this](QChar& key) { form54key(key); };
    OnActivate = [this] { vg100aktiv(); };
    OnClose = [this] { vg100zu(); };
}

TForm54::~TForm54() = default;

// ---- Handlers ----

void TForm54::vg100aktiv()
{
    // The mouse stays right of the field.
    mausRechtsFangen(this, 2000);

    partner::tastenspielAnordnen(this, Button1, *tasten, Button12);
    setFontSize(Button12, Round(20 * double(skala_x)));

    // A game left at "Rückspiel?" begins anew here.
    spielende = 0;
    gewonnen = 0;
    Button12->setCaption(QStringLiteral("weiter"));
    Button12->hide();
    tasten->Rechner->show();
    partner::spielBeginnen(true);
    feldleer();
    vgzuganzeige();
    partner::spielstand(canvas(), partner::Standlayout::Kasten);
    feldzeichnen();
    SetFocus(tasten->Button13);
}

void TForm54::vg100zu()
{
    mousetrap::release();
}

void TForm54::form54key(QChar& key)
{
    if (m_eingabe == QLatin1String("?")) m_eingabe.clear();
    // While a set is decided the keypad is hidden, and keys place no stone either.
    if (tasten->Rechner->isVisible()) {
        if (key == QChar(8)) {
            if (!m_eingabe.isEmpty()) m_eingabe.chop(1);
            if (m_eingabe.isEmpty()) m_eingabe = QStringLiteral("?");
        } else if (key == QChar(13)) {
            tasten->Button13->Click();
        } else if (key >= u'0' && key <= u'9' && m_eingabe.size() < 3) {
            // A leading 0 is refused from the keyboard.
            if (key != u'0' || !m_eingabe.isEmpty()) m_eingabe += key;
        }
    }
    key = QChar();
    if (gewonnen == 0) vgzuganzeige();
}

void TForm54::ziffer(int d)
{
    if (m_eingabe == QLatin1String("?")) m_eingabe.clear();
    if (m_eingabe.size() < 3) m_eingabe += QString::number(d);
    SetFocus(tasten->Button13);
    vgzuganzeige();
}

void TForm54::Button15Click()
{
    if (!m_eingabe.isEmpty() && m_eingabe != QLatin1String("?")) m_eingabe.chop(1);
    if (m_eingabe.isEmpty()) m_eingabe = QStringLiteral("?");
    SetFocus(tasten->Button13);
    vgzuganzeige();
}

void TForm54::Button14Click()
{
    if (m_eingabe.isEmpty() || m_eingabe == QLatin1String("?")) return;
    const int v = m_eingabe.toInt();
    if (v > 0 && v < 101) steinsetzen(v);
}

void TForm54::Button12Click()
{
    feldleer();
    feldzeichnen();
    Button12->hide();
    tasten->Rechner->show();
    Button12->setCaption(QStringLiteral("weiter"));
    gewonnen = 0;
    vgzuganzeige();
    if (spielende == 1) {
        spielende = 0;
        partner::spielstand(canvas(), partner::Standlayout::Kasten);
    }
    SetFocus(tasten->Button13);
}

void TForm54::Button1Click()
{
    Button12->setCaption(QStringLiteral("weiter"));
    tasten->Rechner->show();
    Button12->hide();
    Close();
}

// ---- Routines ----

void TForm54::feldleer()
{
    m_eingabe = QStringLiteral("?");
    m_brett = vierinreihe::Brett();
}

void TForm54::feldzeichnen()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(10), sy(10), sx(696), sy(990));
    c.pen = Pen { kGruen, 1 };
    for (int j = 0; j <= 10; ++j) {
        c.moveTo(sx(66 * j + 22), sy(25));
        c.lineTo(sx(66 * j + 22), sy(975));
        c.moveTo(sx(22), sy(95 * j + 25));
        c.lineTo(sx(682), sy(95 * j + 25));
    }
    c.pen = Pen { kGruen, 3 };
    c.moveTo(sx(352), sy(20));
    c.lineTo(sx(352), sy(980));
    c.moveTo(sx(18), sy(500));
    c.lineTo(sx(686), sy(500));
    partner::text(c, 53, 50, 25, kGruen, QStringLiteral("1"));
    partner::text(c, 647, 50, 25, kGruen, QStringLiteral("10"));
    partner::text(c, 53, 905, 25, kGruen, QStringLiteral("91"));
    partner::text(c, 647, 905, 25, kGruen, QStringLiteral("100"));
}

void TForm54::vgzuganzeige()
{
    partner::kasten(canvas(), { partner::zugfarbe(), partner::zugname(), QStringLiteral("ist dran"), m_eingabe });
}

void TForm54::steinsetzen(int zahl)
{
    vierinreihe::zelle(zahl, m_zeile, m_spalte);
    const int z = m_zeile, e = m_spalte;
    Canvas& c = canvas();
    if (m_brett.an(z, e) != 0) {
        c.setMapMode(MapMode::Pixels);
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.font.name = QStringLiteral("arial");
        c.font.setSize(Round(27 * double(skala_x)));
        c.font.color = partner::zugfarbe();
        c.brush = Brush { Qt::white };
        c.textOut(sx(850), sy(772), QStringLiteral("besetzt!"));
        jetzt = clockx::now();
        pause(kPause);
        vgzuganzeige();
        if (variante == 1) amzug = partner::farbwechsel(amzug);
    } else {
        const bool rot = amzug == QLatin1String("rot");
        const QColor farbe = rot ? QColor(Qt::red) : QColor(Qt::blue);
        zeilennr = shortint(rot ? 1 : 2);
        m_brett.an(z, e) = zeilennr;
        c.pen = Pen { farbe, 1 };
        c.brush = Brush { farbe };
        c.ellipse(sx(66 * e - 37), sy(95 * z + 35), sx(66 * e + 15), sy(95 * z + 110));
        gewonnen = byte(vierinreihe::vierertest(m_brett, z, e, vierinreihe::hunderterfeldFenster()));
        if (gewonnen > 0) vgsatzende();
        amzug = partner::farbwechsel(amzug);
    }
    m_eingabe = QStringLiteral("?");
    if (gewonnen == 0) vgzuganzeige();
}

void TForm54::vgsatzende()
{
    int dz1, de1, dz2, de2;
    vierinreihe::enden(gewonnen, false, dz1, de1, dz2, de2);
    m_linie = QLine(mitteX(m_spalte + de1), mitteY(m_zeile + dz1), mitteX(m_spalte + de2), mitteY(m_zeile + dz2));
    Canvas& c = canvas();
    c.pen = Pen { Qt::yellow, Round(5 * double(skala_x)) };
    c.moveTo(sx(m_linie.x1()), sy(m_linie.y1()));
    c.lineTo(sx(m_linie.x2()), sy(m_linie.y2()));
    partner::punktFuerZieher(c, 1, QStringLiteral("1 Punkt"));
    partner::spielstand(c, partner::Standlayout::Kasten);
    tasten->Rechner->hide();
    Button12->show();
    SetFocus(Button12);
    if (punkte1 >= 3 || punkte2 >= 3) {
        spielende = 1;
        vgspielende();
    }
}

void TForm54::vgspielende()
{
    Canvas& c = canvas();
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    partner::text(c, 352, 475, 32, Qt::white, vierinreihe::ergebniszeile(spielername1, spielername2, punkte1, punkte2));
    Button12->setCaption(QStringLiteral("Rückspiel?"));
    tasten->Rechner->hide();
    Button12->show();
    punkte1 = punkte2 = 0;
}
