#include "games/s_2nachbar.h"

#include "aids/hunderterfeld.h"
#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"

using namespace s_2nachbar;

namespace {

struct Knopf {
    Button** knopf;
    const char* name;
    const char* caption;
    int left, top, width, height, groesse;
    bool wingdings;
};

// The task panel inside its frame, and the part of it that a move clears.
const QRect kPanel(QPoint(715, 25), QPoint(985, 555));
const QRect kSummenfeld(QPoint(715, 350), QPoint(985, 480));

// A text of the task panel centred at (x, y), drawn smaller where its font would carry it past the room
// `kasten` leaves it on either side or below: on a small screen the fonts of this window, which keep their
// sizes, are wider than the panel, and what runs over stays behind the next move.
void textImKasten(Canvas& c, const DesignGrid& g, int x, int y, const QString& text, const QRect& kasten)
{
    const int breite = 2 * std::min(g.x(x) - g.x(kasten.left()), g.x(kasten.right()) - g.x(x)) - 2;
    const int hoehe = g.y(kasten.bottom()) - g.y(y);
    const Font schrift = c.font;
    while (c.font.size() > 4 && (c.textWidth(text) > breite || c.textHeight(text) > hoehe))
        c.font.setSize(c.font.size() - 1);
    textMittig(c, g, x, y, text);
    c.font = schrift;
}

} // namespace

// ---- Form description ----

TForm32::TForm32(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm32"));
    setCaption(QStringLiteral("Nachbarn"));
    setMaximized(true);
    ActivityWindow = true;
    const Knopf knoepfe[] = {
        { &Button8, "Button8", "&gefunden?", 750, 770, 200, 45, 21, false },
        { &Button9, "Button9", "noch eine Aufgabe?", 710, 770, 280, 45, 21, false },
        { &Button2, "Button2", "&Zahlen zeigen", 750, 830, 200, 45, 21, false },
        { &Button3, "Button3", "&nicht lösbar", 750, 890, 200, 45, 21, false },
        { &Button1, "Button1", "Programm abbrechen", 750, 950, 200, 40, 14, false },
        { &Button4, "Button4", "G", 823, 580, 55, 75, 36, true },
        { &Button5, "Button5", "E", 750, 670, 55, 75, 36, true },
        { &Button6, "Button6", "H", 823, 670, 55, 75, 36, true },
        { &Button7, "Button7", "F", 895, 670, 55, 75, 36, true },
    };
    for (const Knopf& k : knoepfe) {
        auto* b = new Button(this, QString::fromUtf8(k.caption), k.left, k.top, k.width, k.height);
        b->setObjectName(QLatin1String(k.name));
        applyFontSize(b, k.wingdings ? QStringLiteral("Wingdings") : QStringLiteral("Arial"), k.groesse);
        *k.knopf = b;
    }
    for (Button* b : { Button2, Button3, Button1, Button4, Button5, Button6, Button7 })
        setTabStop(b, false);
    Button8->Default = true;
    Button9->Default = true;
    Button1->Cancel = true;
    Button8->OnClick = [this] { Button8Click(); };
    Button9->OnClick = [this] { Button9Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button4->OnClick = [this] { bewegen(-1, 0); };
    Button5->OnClick = [this] { bewegen(0, -1); };
    Button6->OnClick = [this] { bewegen(1, 0); };
    Button7->OnClick = [this] { bewegen(0, 1); };

    ScrollBoxEx1 = pfeilkasten(this, [this](int zeilen, int spalten) { bewegen(zeilen, spalten); });
    OnActivate = [this] { Form32aktiv(); };
    OnClose = [this] { nachbarzu(); };
    mousetrap::releaseOnHide(this);
}

void TForm32::aufgabeSetzen(int lage, const Aufgabe& aufgabe)
{
    hunderterfeld(canvas(), feldZahlEinordnen(), spielraster());
    m_lage = lage;
    m_aufgabe = aufgabe;
    m_zielkorrektur = 0;
    aufgabenpanel();
}

// ---- Handlers ----

void TForm32::Form32aktiv()
{
    mausRechtsFangen(this, 3000);
    anordnen();
    Button9->setCaption(QStringLiteral("noch eine Aufgabe?"));
    neueAufgabe();
}

void TForm32::nachbarzu()
{
    mousetrap::release();
}

void TForm32::Button8Click()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.font.name = QStringLiteral("arial");
    c.font.setSize(26);
    c.font.color = clBlue;
    const std::vector<int> z = zahlen(programmcode, m_lage, m_zeile2, m_spalte2);
    int summe = 0;
    for (int v : z)
        summe += v;
    if (programmcode == 16) {
        QString zweite;
        m_summe = summentext(z, &zweite);
        textImKasten(c, g, 850, 370, m_summe, kSummenfeld);
        textImKasten(c, g, 800, 425, zweite, kSummenfeld);
        m_summe += zweite;
    } else {
        m_summe = summentext(z);
        textImKasten(c, g, 850, 370, m_summe, kSummenfeld);
    }
    if (summe == m_aufgabe.ziel + m_zielkorrektur)
        geloest();
    else
        // The search goes on: the arrow keys move the cursor again, as after a click on a hand.
        SetFocus(ScrollBoxEx1);
}

void TForm32::Button9Click()
{
    neueAufgabe();
}

void TForm32::Button2Click()
{
    zahlenZeichnen(clRed);
    SetFocus(ScrollBoxEx1);
}

void TForm32::Button3Click()
{
    Button3->setEnabled(false);
    SetFocus(ScrollBoxEx1);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.font.name = QStringLiteral("arial");
    c.font.setSize(55);
    c.font.color = clRed;
    if (m_aufgabe.abzug == 0) {
        m_zielkorrektur = 0;
        textImKasten(c, g, 950, 160, QStringLiteral("!"), kPanel);
        textImKasten(c, g, 750, 160, QStringLiteral("!"), kPanel);
    } else {
        m_zielkorrektur = m_aufgabe.abzug;
        textImKasten(c, g, 850, 160, QString::number(m_aufgabe.ziel + m_aufgabe.abzug), kPanel);
    }
}

void TForm32::Button1Click()
{
    Close();
}

void TForm32::bewegen(int dr, int dc)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    weissDecken(c, g, 715, 350, 985, 480);
    m_summe.clear();
    zahlenZeichnen(clWhite);
    kursor(clWhite);
    if (bewegbar(programmcode, m_lage, m_zeile2, m_spalte2, dr, dc)) {
        m_zeile2 += dr;
        m_spalte2 += dc;
    }
    kursor(clRed);
    // After a click on a hand the arrow keys still move the cursor, rather than the focus among the buttons.
    SetFocus(ScrollBoxEx1);
}

// ---- Routines ----

void TForm32::anordnen()
{
    const DesignGrid g = spielraster();
    const struct {
        Button* b;
        int left, top, width, height, groesse;
    } plaetze[]
        = { { Button8, 750, 770, 200, 45, 21 }, { Button9, 710, 770, 280, 45, 21 }, { Button2, 750, 830, 200, 45, 21 },
              { Button3, 750, 890, 200, 45, 21 }, { Button1, 750, 950, 200, 40, 14 }, { Button4, 823, 580, 55, 75, 36 },
              { Button5, 750, 670, 55, 75, 36 }, { Button6, 823, 670, 55, 75, 36 }, { Button7, 895, 670, 55, 75, 36 } };
    for (const auto& p : plaetze) {
        g.place(p.b, p.left, p.top, p.width, p.height);
        g.fontSize(p.b, p.groesse);
    }
    g.place(ScrollBoxEx1, 1, 1, 1, 1);
}

void TForm32::feldknoepfe(bool an)
{
    for (Button* b : { Button2, Button4, Button5, Button6, Button7 })
        b->setEnabled(an);
    ScrollBoxEx1->setEnabled(an);
}

void TForm32::neueAufgabe()
{
    Button9->hide();
    Button8->show();
    feldknoepfe(true);
    Button3->setVisible(unloesbar == 1);
    Button3->setEnabled(unloesbar == 1);
    const DesignGrid g = spielraster();
    canvas().reset(TextAlign::Center | TextAlign::Top, MapMode::Pixels);
    hunderterfeld(canvas(), feldZahlEinordnen(), g);
    if (programmcode != 16) {
        const int erlaubt[4] = { nachbarlagen[0], nachbarlagen[1], nachbarlagen[2], nachbarlagen[3] };
        m_lage = richtungWaehlen(erlaubt, gewaehltzahl, m_letztelage);
    }
    m_aufgabe = s_2nachbar::aufgabe(programmcode, m_lage, unloesbar == 1);
    m_zielkorrektur = 0;
    aufgabenpanel();
    SetFocus(ScrollBoxEx1);
}

// The canvas fonts of this window keep their sizes at every scale.
void TForm32::aufgabenpanel()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(710), g.y(20), g.x(990), g.y(560));
    c.font.name = QStringLiteral("arial");
    c.font.setSize(32);
    c.font.color = clBlue;
    const int anzahl = programmcode == 14 ? 2 : programmcode == 15 ? 3 : 4;
    textImKasten(c, g, 850, 40, QStringLiteral("Suche %1 Zahlen,").arg(anzahl), kPanel);
    textImKasten(c, g, 850, 105, QStringLiteral("die zusammen"), kPanel);
    textImKasten(c, g, 850, 255, QStringLiteral("ergeben."), kPanel);
    c.font.setSize(45);
    c.font.color = clRed;
    textImKasten(c, g, 850, 170, QString::number(m_aufgabe.ziel), kPanel);
    m_zeile2 = 4;
    m_spalte2 = 4;
    m_summe.clear();
    kursor(clRed);
}

void TForm32::kursor(const QColor& farbe)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen = Pen { farbe, g.x(5) };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    for (const QPoint& z : zellen(programmcode, m_lage)) {
        const int r = m_zeile2 + z.y(), k = m_spalte2 + z.x();
        c.rectangle(g.x(29 + 66 * k), g.y(35 + 95 * r), g.x(81 + 66 * k), g.y(110 + 95 * r));
    }
}

void TForm32::zahlenZeichnen(const QColor& farbe)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.font.name = QStringLiteral("arial");
    c.font.setSize(28);
    c.font.color = farbe;
    for (int r = 0; r <= 9; ++r)
        for (int k = 1; k <= 10; ++k)
            c.textOut(
                g.x(66 * k - 12), g.y(95 * r + 50), QString::number(10 * r + k).rightJustified(3, QLatin1Char(' ')));
}

void TForm32::geloest()
{
    Button9->show();
    Button8->hide();
    Button3->setEnabled(false);
    feldknoepfe(false);
    SetFocus(Button9);
    zahlenZeichnen(clBlue);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen = Pen { clRed, g.x(2) };
    c.moveTo(g.x(820), g.y(530));
    c.lineTo(g.x(805), g.y(500));
    c.moveTo(g.x(820), g.y(530));
    c.lineTo(g.x(970), g.y(240));
}
