#include "games/s_bufeld.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"
#include "shell/tastenfeld.h"

using namespace s_bufeld;

namespace {

struct Platz {
    int left, top, width, height;
};

// The colour buttons in their places (BitBtn1 .. BitBtn12) and the colour index each paints with.
constexpr int kFarbindex[13] = { -1, 7, 0, 2, 4, 1, 5, 8, 6, 3, 9, 10, 11 };

// Sizes given against the horizontal scale.
void schriftX(QWidget* control, int groesse)
{
    setFontSize(control, Round(double(groesse) * double(skala_x)));
}

} // namespace

// ---- Form description ----

TForm52::TForm52(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm52"));
    setCaption(QStringLiteral("buntes Feld"));
    setMaximized(true);
    ActivityWindow = true;

    const auto knopf
        = [](QWidget* eltern, const char* name, const QString& caption, const QString& schrift, int groesse) {
              auto* b = new Button(eltern, caption, 0, 0, 10, 10);
              b->setObjectName(QLatin1String(name));
              applyFontSize(b, schrift, groesse);
              return b;
          };
    const QString arial = QStringLiteral("Arial"), wingdings = QStringLiteral("Wingdings");

    Button1 = knopf(this, "Button1", QStringLiteral("Programm abbrechen"), arial, 14);
    Button1->Cancel = true;
    Button1->OnClick = [this] { Button1Click(); };

    ScrollBoxEx1 = pfeilkasten(this, [this](int zeilen, int spalten) { bewegen(zeilen, spalten); });

    WahlPanel = new Panel(this, 750, 50, 200, 445);
    WahlPanel->setObjectName(QStringLiteral("WahlPanel"));
    setColor(WahlPanel, clWhite);
    m_schritttitel[0] = knopf(WahlPanel, "Button11", QStringLiteral("1.  wohin?"), arial, 20);
    m_schritttitel[0]->setGeometry(16, 20, 168, 60);
    Button3 = knopf(WahlPanel, "Button3", QStringLiteral("G"), wingdings, 36);
    Button2 = knopf(WahlPanel, "Button2", QStringLiteral("E"), wingdings, 36);
    Button5 = knopf(WahlPanel, "Button5", QStringLiteral("F"), wingdings, 36);
    Button4 = knopf(WahlPanel, "Button4", QStringLiteral("H"), wingdings, 36);
    Button3->OnClick = [this] { bewegen(-1, 0); };
    Button2->OnClick = [this] { bewegen(0, -1); };
    Button5->OnClick = [this] { bewegen(0, 1); };
    Button4->OnClick = [this] { bewegen(1, 0); };

    rechenpanel = new Panel(this, 750, 50, 200, 420);
    rechenpanel->setObjectName(QStringLiteral("rechenpanel"));
    setColor(rechenpanel, clWhite);
    m_schritttitel[1] = knopf(rechenpanel, "Button12", QStringLiteral("2.  rechne!"), arial, 20);
    m_schritttitel[1]->setGeometry(12, 12, 176, 60);
    // The keypad block of the puzzle games, 70 lower under the panel's title.
    Tastenfeld::Anordnung block = Tastenfeld::spielblock();
    for (int d = 0; d <= 9; ++d)
        block.ziffern[d].top += 70;
    block.loeschen = { 12, 320, 55, 70, 20, QStringLiteral("Button9") };
    block.eingabe = { 136, 320, 55, 70, 20, QStringLiteral("Button10") };
    tastenblock = std::make_unique<Tastenfeld>(
        Tastenfeld::ImBehaelter {}, rechenpanel, Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste, block);
    Button9 = tastenblock->Button14;
    Button10 = tastenblock->Button13;
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { ziffertaste(d); };
    Button9->OnClick = [this] { Button9Click(); };
    Button10->OnClick = [this] { Button10Click(); };

    farbepanel = new Panel(this, 750, 50, 200, 525);
    farbepanel->setObjectName(QStringLiteral("farbepanel"));
    setColor(farbepanel, clWhite);
    m_schritttitel[2] = knopf(farbepanel, "Button6", QStringLiteral("3.  Farbe?"), arial, 20);
    m_schritttitel[2]->setGeometry(16, 20, 168, 60);
    for (int i = 1; i <= 12; ++i) {
        Button* b = knopf(farbepanel, "", QStringLiteral("n"), wingdings, 70);
        b->setObjectName(QStringLiteral("BitBtn%1").arg(i));
        setFontColor(b, i == 12 ? clWindowText : farbe(kFarbindex[i]));
        setHandCursor(b);
        b->OnClick = [this, i] { farbeClick(kFarbindex[i]); };
        BitBtn[size_t(i)] = b;
    }

    Button8 = knopf(this, "Button8", QStringLiteral("&gefunden?"), arial, 21);
    Button8->Default = true;
    Button8->OnClick = [this] { Button8Click(); };
    Button7 = knopf(this, "Button7", QString(), arial, 21);
    Button7->OnClick = [this] { Button7Click(); };
    Button13 = knopf(this, "Button13", QStringLiteral("Farbe &weiß"), arial, 14);
    Button13->OnClick = [this] { Button13Click(); };
    for (QWidget* w : { static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button8), static_cast<QWidget*>(Button7),
             static_cast<QWidget*>(Button13) })
        setTabStop(w, true);
    rechenpanel->hide();
    farbepanel->hide();
    Button7->hide();
    Button13->hide();

    OnActivate = [this] { form52aktiv(); };
    OnClose = [this] { bufeldzu(); };
    OnKeyPress = [this](QChar& taste) { scheing(taste); };
    mousetrap::releaseOnHide(this);
}

TForm52::~TForm52() = default;

QColor TForm52::farbe(int index)
{
    static const QColor farben[13] = { clYellow, clMaroon, clBlue, clOlive, clGreen, clFuchsia, clAqua, clRed, clPurple,
        clNavy, clTeal, clBlack, clWhite };
    return farben[index < 0 || index > 12 ? 12 : index];
}

QRect TForm52::zelle(int zeile, int spalte)
{
    return QRect(QPoint(26 + 56 * spalte, 31 + 78 * zeile), QPoint(75 + 56 * spalte, 99 + 78 * zeile));
}

// ---- Handlers ----

void TForm52::form52aktiv()
{
    // The pointer stays right of the table, which is worked only with the arrow buttons and keys.
    mausRechtsFangen(this, 3000);
    anordnen();
    Button7->hide();
    // A game left while computing leaves nothing of its task behind.
    Button13->hide();
    KeyPreview = false;
    aufgabenflaeche(clBtnFace);
    m_zahlenwahl1 = randzahlen(variante2 == 1);
    m_zahlenwahl2 = randzahlen(variante2 == 1);
    tabelle();
    schritt1();
}

void TForm52::bufeldzu()
{
    mousetrap::release();
}

void TForm52::bewegen(int dz, int ds)
{
    kursor();
    Button8->setEnabled(true);
    Button13->show();
    m_zeile2 = bewegt(m_zeile2, dz);
    m_spalte2 = bewegt(m_spalte2, ds);
    kursor();
}

void TForm52::Button8Click()
{
    if (m_schalter1 == 1)
        schritt2();
    else if (m_schalter1 == 5)
        schritt1();
}

void TForm52::ziffertaste(int ziffer)
{
    if (m_eingabe.size() < 3) m_eingabe += QString::number(ziffer);
    eingabeGeaendert();
}

void TForm52::Button9Click()
{
    if (!m_eingabe.isEmpty()) m_eingabe.chop(1);
    eingabeGeaendert();
}

void TForm52::Button10Click()
{
    if (!m_eingabe.isEmpty()) pruefen();
}

void TForm52::scheing(QChar& taste)
{
    if (!rechenpanel->isVisible()) return;
    const QChar t = taste;
    if (t == QChar(8)) {
        Button9Click();
    } else if (t == QChar(13)) {
        if (!m_eingabe.isEmpty()) pruefen();
    } else if (t >= QLatin1Char('0') && t <= QLatin1Char('9')) {
        ziffertaste(t.digitValue());
    } else {
        return;
    }
    taste = QChar();
}

void TForm52::Button7Click()
{
    if (!m_wahl3) {
        const DesignGrid g = spielraster();
        Canvas& c = canvas();
        weissDecken(c, g, 880, 565, 945, 640);
        blau(40);
        textMittig(c, g, 910, 570, QString::number(m_zahl));
        rechenpanel->hide();
        Button7->setCaption(QStringLiteral("weiter?"));
        m_wahl3 = true;
        // Typing goes nowhere now: a revealed cell is not to be painted.
        KeyPreview = false;
        SetFocus(Button7);
        return;
    }
    kursor();
    aufgabenflaeche(clBtnFace);
    Button7->hide();
    KeyPreview = false;
    schritt1();
}

void TForm52::farbeClick(int index)
{
    m_schalter2 = index;
    malen();
}

void TForm52::Button13Click()
{
    Button13->hide();
    m_schalter2 = 12;
    // The cursor's wide frame reaches past the paint; taken away first, it leaves no edge in the picture.
    kursorstrich();
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const QRect z = zelle(m_zeile2, m_spalte2);
    weissDecken(c, g, z.left(), z.top(), z.right(), z.bottom());
    schritt1();
}

void TForm52::Button1Click()
{
    Close();
}

// ---- Routines ----

void TForm52::anordnen()
{
    const DesignGrid g = spielraster();
    const struct {
        QWidget* w;
        Platz p;
    } plaetze[] = { { Button1, { 750, 950, 200, 40 } }, { ScrollBoxEx1, { 1, 1, 1, 1 } },
        { WahlPanel, { 750, 50, 200, 445 } }, { Button3, { 75, 140, 50, 75 } }, { Button2, { 17, 240, 50, 75 } },
        { Button5, { 133, 240, 50, 75 } }, { Button4, { 75, 340, 50, 75 } }, { rechenpanel, { 750, 50, 200, 420 } },
        { farbepanel, { 750, 50, 200, 525 } }, { Button8, { 750, 670, 200, 45 } }, { Button7, { 750, 730, 200, 45 } },
        { Button13, { 750, 770, 200, 45 } } };
    for (const auto& [w, p] : plaetze)
        g.place(w, p.left, p.top, p.width, p.height);
    g.fontSize(Button1, 14);
    for (Button* b : { Button3, Button2, Button5, Button4 })
        g.fontSize(b, 36);
    for (Button* b : { Button8, Button7 })
        g.fontSize(b, 21);
    g.fontSize(Button13, 14);
    // The titles of the three steps.
    const Platz titel[] = { { 16, 20, 168, 60 }, { 12, 12, 176, 60 }, { 16, 20, 168, 60 } };
    for (int i = 0; i < 3; ++i) {
        g.place(m_schritttitel[i], titel[i].left, titel[i].top, titel[i].width, titel[i].height);
        schriftX(m_schritttitel[i], 20);
    }
    tastenblock->anordnen(g);
    for (int i = 1; i <= 12; ++i) {
        const int stelle = i - 1;
        g.place(BitBtn[size_t(i)], 10 + 70 * (stelle % 3), 130 + 100 * (stelle / 3), 40, 55);
        schriftX(BitBtn[size_t(i)], 70);
    }
}

void TForm52::tabelle()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.reset(TextAlign::Center | TextAlign::Top, MapMode::Pixels);
    c.pen = Pen { clBtnFace, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(10), g.y(10), g.x(706), g.y(977));
    c.pen = Pen { clGreen, 1 };
    for (int k = 0; k <= 12; ++k) {
        c.moveTo(g.x(22 + 56 * k), g.y(25));
        c.lineTo(g.x(22 + 56 * k), g.y(962));
        c.moveTo(g.x(22), g.y(25 + 78 * k));
        c.lineTo(g.x(694), g.y(25 + 78 * k));
    }
    c.pen = Pen { clGreen, 4 };
    c.moveTo(g.x(78), g.y(20));
    c.lineTo(g.x(78), g.y(967));
    c.moveTo(g.x(18), g.y(103));
    c.lineTo(g.x(698), g.y(103));
    blau(40);
    const int zeichenY = variante == minus ? 34 : variante == mal ? 40 : 38;
    textMittig(c, g, 48, zeichenY, s_bufeld::zeichen(variante));
    for (int i = 1; i <= 11; ++i) {
        textMittig(c, g, 105 + 56 * (i - 1), 37, QString::number(m_zahlenwahl2[size_t(i - 1)]));
        textMittig(c, g, 48, 114 + 78 * (i - 1),
            QString::number(s_bufeld::zeilenzahl(variante, m_zahlenwahl1[size_t(i - 1)])));
    }
}

void TForm52::kursor()
{
    kursorstrich();
    ScrollBoxEx1->setEnabled(true);
    SetFocus(ScrollBoxEx1);
}

// Drawn in not-XOR, so that drawing it again at the same cell takes it away.
void TForm52::kursorstrich()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen = Pen { clBlue, g.x(4), PenStyle::Solid, PenMode::NotXor };
    c.brush = Brush { clWhite, BrushStyle::Clear };
    c.rectangle(g.x(26 + 56 * m_spalte2), g.y(31 + 78 * m_zeile2), g.x(73 + 56 * m_spalte2), g.y(97 + 78 * m_zeile2));
    c.pen.mode = PenMode::Copy;
}

void TForm52::schritt1()
{
    m_spalte2 = 1;
    m_zeile2 = 1;
    m_schalter1 = 1;
    m_wahl3 = false;
    kursor();
    WahlPanel->show();
    rechenpanel->hide();
    farbepanel->hide();
    Button8->show();
    Button8->setCaption(QStringLiteral("das will ich!"));
    Button8->setEnabled(false);
}

void TForm52::schritt2()
{
    Button13->hide();
    Button8->hide();
    WahlPanel->hide();
    rechenpanel->show();
    Button7->show();
    KeyPreview = true;
    ScrollBoxEx1->setEnabled(false);
    const int a = m_zahlenwahl1[size_t(m_zeile2 - 1)], b = m_zahlenwahl2[size_t(m_spalte2 - 1)];
    m_zahl = wert(variante, a, b);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    weissDecken(c, g, 750, 550, 950, 650);
    blau(40);
    textMittig(c, g, 777, 570, QString::number(s_bufeld::zeilenzahl(variante, a)));
    textMittig(c, g, 809, variante == minus ? 566 : variante == mal ? 580 : 570, s_bufeld::zeichen(variante));
    textMittig(c, g, 838, 570, QString::number(b));
    textMittig(c, g, 870, 570, QStringLiteral("="));
    Button7->setCaption(QStringLiteral("Lösung &verraten!"));
    m_eingabe.clear();
}

void TForm52::eingabeGeaendert()
{
    // Typed or clicked alike, an input to check leaves Enter to the keypad's Enter: after a wrong value the
    // game focuses the delete key, where Enter would delete a digit rather than check the value.
    if (!m_eingabe.isEmpty()) SetFocus(Button10);
    eingabeZeigen();
}

void TForm52::eingabeZeigen()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    weissDecken(c, g, 880, 565, 945, 640);
    blau(40);
    textMittig(c, g, 910, 570, m_eingabe);
}

void TForm52::pruefen()
{
    if (m_eingabe.toInt() != m_zahl) {
        const DesignGrid g = spielraster();
        Canvas& c = canvas();
        c.pen = Pen { clRed, 1 };
        c.moveTo(g.x(885), g.y(625));
        c.lineTo(g.x(940), g.y(570));
        SetFocus(Button9);
        return;
    }
    rechenpanel->hide();
    Button7->hide();
    KeyPreview = false;
    farbepanel->show();
    SetFocus(BitBtn[1]);
    aufgabenflaeche(clBtnFace);
}

void TForm52::malen()
{
    farbepanel->hide();
    kursorstrich();
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const QRect z = zelle(m_zeile2, m_spalte2);
    c.pen = Pen { farbe(m_schalter2), 1 };
    c.brush = Brush { farbe(m_schalter2), BrushStyle::Solid };
    c.rectangle(g.x(z.left()), g.y(z.top()), g.x(z.right()), g.y(z.bottom()));
    m_schalter1 = 5;
    Button8->show();
    Button8->setCaption(QStringLiteral("weiter?"));
    Button8->setEnabled(true);
    SetFocus(Button8);
}

void TForm52::aufgabenflaeche(const QColor& farbe)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen = Pen { farbe, 1 };
    c.brush = Brush { farbe, BrushStyle::Solid };
    c.rectangle(g.x(750), g.y(550), g.x(950), g.y(650));
}

// The font of the table: Arial, blue, on white.
void TForm52::blau(int hoehe)
{
    Canvas& c = canvas();
    c.font.name = QStringLiteral("arial");
    c.font.bold = false;
    c.font.height = Round(double(hoehe) * double(skala_x));
    c.font.color = clBlue;
    c.brush = Brush { clWhite, BrushStyle::Solid };
}
