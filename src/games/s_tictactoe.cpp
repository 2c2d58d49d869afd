#include "games/s_tictactoe.h"

#include "games/s_partner.h"
#include "games/s_partner_logik.h"
#include "games/s_tic.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/pause.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"

namespace {

const QColor kGruen(0, 128, 0);
constexpr double kPause = 0.00002;

int sx(double v) { return Round(v * double(skala_x)); }
int sy(double v) { return Round(v * double(skala_y)); }

} // namespace

// ---- Form description ----

TForm46::TForm46(QWidget* parent)
    : Form(parent)
{
    tasten = partner::tastenspiel(
        this, QStringLiteral("TForm46"), QStringLiteral("TicTacToe"), Button1, [this](int d) { ziffer(d); });
    Button2 = new Button(this, QStringLiteral("weiter!"), 750, 340, 200, 110);
    Button2->Default = true;
    setFontColor(Button2, kGruen);
    Button2->hide();

    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    tasten->Button13->OnClick = [this] { Button13Click(); };
    tasten->Button14->OnClick = [this] { Button14Click(); };
    OnKeyPress = [this](QChar& key) { form46keypress(key); };
    OnActivate = [this] { form46aktiv(); };
}

TForm46::~TForm46() = default;

// ---- Handlers ----

void TForm46::form46aktiv()
{
    partner::tastenspielAnordnen(this, Button1, *tasten, Button2);
    // Its caption in the size of the other games' continue buttons, not the window's small default font.
    setFontSize(Button2, Round(20 * double(skala_x)));
    // A game that ended at "Rückspiel?" and was left begins anew here, not at its first continue.
    spielende = 0;
    gewonnen = 0;
    SetFocus(tasten->Button13);
    partner::spielBeginnen(letztersieger == 0);
    neuesbrett();
    zuganzeige();
    partner::spielstand(canvas(), partner::Standlayout::Kasten);
    brettzeichnen();
}

void TForm46::form46keypress(QChar& key)
{
    if (m_eingabe == QLatin1String("?")) m_eingabe.clear();
    // While a set is decided the keypad is hidden, and keys place no mark either.
    if (tasten->Rechner->isVisible()) {
        if (key == QChar(8))
            tasten->Button14->Click();
        else if (key == QChar(13))
            tasten->Button13->Click();
        else if (key >= u'0' && key <= u'9')
            tasten->ziffer(key.digitValue())->clickIfVisibleAndEnabled();
    }
    key = QChar();
    if (gewonnen == 0) zuganzeige();
}

void TForm46::ziffer(int d)
{
    if (m_eingabe == QLatin1String("?")) m_eingabe.clear();
    if (m_eingabe.size() < 3) m_eingabe += QString::number(d);
    SetFocus(tasten->Button13);
    zuganzeige();
}

void TForm46::Button14Click()
{
    if (!m_eingabe.isEmpty() && m_eingabe != QLatin1String("?")) m_eingabe.chop(1);
    SetFocus(tasten->Button13);
    zuganzeige();
}

void TForm46::Button13Click()
{
    const int art = spieloption;
    if (tictactoe::eingabeWert(art, m_eingabe) < 0) return;
    markesetzen();
}

void TForm46::Button2Click()
{
    Button2->setCaption(QStringLiteral("weiter!"));
    if (spielende == 1) {
        spielende = 0;
        punkte1 = punkte2 = 0;
        partner::spielstand(canvas(), partner::Standlayout::Kasten);
        neuesbrett();
    }
    tasten->Rechner->show();
    Button2->hide();
    m_eingabe = QStringLiteral("?");
    gewonnen = 0;
    zuganzeige();
    brettzeichnen();
    neuesbrett();
    SetFocus(tasten->Button13);
}

void TForm46::Button1Click()
{
    Button2->setCaption(QStringLiteral("weiter"));
    tasten->Rechner->show();
    Button2->hide();
    tasten->ziffer(0)->setEnabled(true);
    tasten->ziffer(1)->setEnabled(true);
    Close();
    if (auto* einrichtung = dynamic_cast<TForm44*>(Form44)) SetFocus(einrichtung->ListBox2);
}

// ---- Routines ----

int TForm46::feldMit(int zahl) const
{
    for (int k = 1; k <= 9; ++k)
        if (m_brett.gezeigt[std::size_t(k)] == zahl) return k;
    return 0;
}

void TForm46::neuesbrett()
{
    m_merker = 0;
    m_eingabe = QStringLiteral("?");
    m_feld = tictactoe::Feld();
}

void TForm46::brettzeichnen()
{
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { Qt::white, 1 };
    c.brush = Brush { Qt::white };
    c.rectangle(sx(87), sy(35), sx(660), sy(938));
    c.pen = Pen { kGruen, 5 };
    for (int j = 0; j <= 3; ++j) {
        c.moveTo(sx(110 + 175 * j), sy(155));
        c.lineTo(sx(110 + 175 * j), sy(900));
        c.moveTo(sx(110), sy(155 + 250 * j));
        c.lineTo(sx(635), sy(155 + 250 * j));
    }
    m_brett = tictactoe::zahlenwahl(spieloption);
    const bool ohneNullEins = tictactoe::nullUndEinsAus(spieloption);
    tasten->ziffer(0)->setEnabled(!ohneNullEins);
    tasten->ziffer(1)->setEnabled(!ohneNullEins);
    partner::text(c, 373, 65, 30, Qt::black, m_brett.titel);
    for (int k = 1; k <= 9; ++k)
        partner::text(c, tictactoe::mitteX(k), tictactoe::mitteY(k) - 48, 64, Qt::black,
            QString::number(m_brett.gezeigt[std::size_t(k)]));
}

void TForm46::zuganzeige()
{
    partner::kasten(canvas(),
        { partner::zugfarbe(), partner::zugname(), QStringLiteral("ist dran"),
            tictactoe::eingabeText(spieloption, m_eingabe) });
}

void TForm46::marke(int k, const QColor& farbe)
{
    Canvas& c = canvas();
    c.pen = Pen { farbe, 1 };
    c.brush = Brush { farbe };
    const int x = tictactoe::mitteX(k), y = tictactoe::mitteY(k);
    c.ellipse(sx(x - 55), sy(y - 77), sx(x + 55), sy(y + 77));
}

void TForm46::markesetzen()
{
    const int wert = tictactoe::eingabeWert(spieloption, m_eingabe);
    bool gefunden = false;
    for (int r = 1; r <= 3 && !gefunden; ++r)
        for (int c = 1; c <= 3; ++c) {
            const int k = 3 * (r - 1) + c;
            if (m_brett.antwort[std::size_t(k)] != wert) continue;
            m_spalte = c;
            m_zeile = r;
            const bool rot = amzug == QLatin1String("rot");
            m_feld.an(c, r) = rot ? QStringLiteral("rot") : QStringLiteral("blau");
            marke(k, rot ? Qt::red : Qt::blue);
            m_brett.antwort[std::size_t(k)] = 1000; // no answer reaches it
            ++m_merker;
            gewonnen = byte(tictactoe::linientest(m_feld, c, r));
            if (gewonnen > 0) satzgewonnen();
            if (m_merker == 8 && gewonnen == 0) letztemarke();
            if (m_merker == 9 && gewonnen == 0) patt();
            gefunden = true;
            break;
        }
    if (!gefunden) {
        partner::kasten(canvas(),
            { partner::zugfarbe(), QStringLiteral("kein Stein"), QStringLiteral("für"), partner::zugname(), 35, 35, 690,
                780 });
        pause(kPause);
    }
    amzug = partner::farbwechsel(amzug);
    m_eingabe = QStringLiteral("?");
    if (gewonnen == 0) zuganzeige();
}

void TForm46::satzgewonnen()
{
    Canvas& c = canvas();
    const tictactoe::Linie l = tictactoe::gewinnlinie(gewonnen, m_spalte, m_zeile);
    c.pen = Pen { Qt::yellow, Round(double(skala_x) * 5) };
    c.moveTo(sx(l.x1), sy(l.y1));
    c.lineTo(sx(l.x2), sy(l.y2));
    partner::punktFuerZieher(c, 2, QStringLiteral("2 Punkte"));
    satzende();
}

void TForm46::patt()
{
    ++punkte1;
    ++punkte2;
    partner::kasten(canvas(),
        { kGruen, QStringLiteral("! PATT !"), QStringLiteral("1 Punkt"), QStringLiteral("für jeden"), 35, 35, 700,
            770 },
        Round(double(skala_x) * 5));
    satzende();
}

void TForm46::satzende()
{
    tasten->Rechner->hide();
    Button2->show();
    SetFocus(Button2);
    gewonnen = 1;
    partner::spielstand(canvas(), partner::Standlayout::Kasten);
    if (punkte1 >= 6 || punkte2 >= 6) {
        spielende = 1;
        spielergebnis();
    }
}

void TForm46::letztemarke()
{
    if (tictactoe::letzteMarkeMoeglich(m_feld)) return;
    int c = 0, r = 0;
    tictactoe::freiesFeld(m_feld, c, r);
    const int k = 3 * (r - 1) + c;
    marke(k, Qt::red);
    Canvas& cv = canvas();
    cv.pen = Pen { Qt::blue, 1 };
    cv.brush = Brush { Qt::blue };
    const int x = tictactoe::mitteX(k), y = tictactoe::mitteY(k);
    cv.ellipse(sx(x - 35), sy(y - 47), sx(x + 35), sy(y + 47));
    patt();
}

void TForm46::spielergebnis()
{
    pause(kPause);
    Canvas& c = canvas();
    c.pen = Pen { kGruen, 1 };
    c.brush = Brush { kGruen };
    c.rectangle(sx(110), sy(155), sx(635), sy(905));
    const partner::Ergebnis e = partner::spielergebnis(spielername1, spielername2, punkte1, punkte2);
    partner::text(c, 373, 300, 40, Qt::white, e.zeile1);
    partner::text(c, 373, 500, 40, Qt::white, e.zeile2);
    if (e.sieger > 0) letztersieger = byte(e.sieger);
    Button2->setCaption(QStringLiteral("Rückspiel?"));
    tasten->Rechner->hide();
    Button2->show();
}
