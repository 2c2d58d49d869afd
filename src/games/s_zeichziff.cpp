#include "games/s_zeichziff.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

using namespace s_zeichziff;

namespace {

constexpr int kSymbolLinks[10] = { 313, 377, 441, 505, 569, 633, 697, 763, 825, 889 };

} // namespace

// ---- Form description ----

TForm43::TForm43(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm43"));
    setCaption(QStringLiteral("Zeichen für Ziffern"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(clWhite);
    for (int i = 0; i < 10; ++i) {
        auto* b = new Button(this, symbolzeichen().at(i), kSymbolLinks[i], 656, 46, 63);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        applyFontSize(b, QStringLiteral("Wingdings"), 37, FontStyle::Bold);
        setHandCursor(b);
        b->OnClick = [this, i] { symbolClick(i); };
        symbolknoepfe << b;
    }
    tastenblock = std::make_unique<Tastenfeld>(this, 0u, Tastenfeld::spielblock());
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { zifferClick(d); };

    Button12 = new Button(this, QStringLiteral("Lösung &verraten!"), 750, 870, 200, 40);
    applyFontSize(Button12, QStringLiteral("Arial"), 16);
    Button12->OnClick = [this] { Button12Click(); };
    Button13 = new Button(this, QStringLiteral("&nächste Aufgabe!"), 300, 870, 400, 100);
    applyFontSize(Button13, QStringLiteral("Arial"), 26);
    Button13->Default = true;
    Button13->OnClick = [this] { Button13Click(); };
    Button24 = new Button(this, QStringLiteral("noch einmal von vorn ???"), 300, 870, 400, 100);
    applyFontSize(Button24, QStringLiteral("Arial"), 26);
    Button24->hide();
    Button24->OnClick = [this] { Button24Click(); };
    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    applyFontSize(Button11, QStringLiteral("Arial"), 14);
    Button11->Cancel = true;
    Button11->OnClick = [this] { Button11Click(); };
    for (Button* b : { Button11, Button12, Button13, Button24 })
        setTabStop(b, false);

    KeyPreview = true;
    PlainKeyAccelerators = true;
    OnKeyPress = [this](QChar& taste) { tastatur(taste); };
    OnActivate = [this] { form43aktiv(); };
}

TForm43::~TForm43() = default;

// ---- Handlers ----

void TForm43::form43aktiv()
{
    Randomize();
    anordnen();
    neuesSpiel();
}

void TForm43::symbolClick(int symbol)
{
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->setEnabled(!m_spiel.vergeben(d));
    Button12->setEnabled(true);
    m_spiel.markieren(symbol);
}

void TForm43::zifferClick(int ziffer)
{
    if (!m_spiel.vergeben(ziffer)) zifferEingeben(ziffer);
}

void TForm43::tastatur(QChar& taste)
{
    if (taste < QLatin1Char('0') || taste > QLatin1Char('9')) return;
    const int ziffer = taste.digitValue();
    taste = QChar();
    if (!m_spiel.vergeben(ziffer)) zifferEingeben(ziffer);
}

void TForm43::Button12Click()
{
    if (!m_spiel.verraten()) return;
    tastenSperren();
    const int w = m_spiel.markiert();
    ziffernDrucken(m_spiel.zifferVon(w), clRed, true, 336 + 64 * w, 745);
    endtest();
    symbolFestlegen();
}

void TForm43::Button13Click()
{
    tastenSperren();
    aufgabeZeigen();
}

void TForm43::Button24Click()
{
    Button13->show();
    Button13->setEnabled(true);
    neuesSpiel();
}

void TForm43::Button11Click()
{
    Button13->show();
    Button13->setEnabled(true);
    Close();
}

// ---- Routines ----

void TForm43::anordnen()
{
    const DesignGrid g = spielraster();
    for (int i = 0; i < 10; ++i) {
        g.place(symbolknoepfe[i], kSymbolLinks[i], 656, 46, 63);
        g.fontSize(symbolknoepfe[i], 37);
    }
    tastenblock->anordnen(g);
    blockknoepfeAnordnen(g, Button11, Button13);
    g.place(Button24, 300, 870, 400, 100);
    g.fontSize(Button24, 26);
    g.place(Button12, 750, 870, 200, 40);
    g.fontSize(Button12, 16);
}

void TForm43::neuesSpiel()
{
    m_spiel.neuesSpiel();
    tastenSperren();
    Button24->hide();
    Button13->show();
    SetFocus(Button13);

    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.reset(TextAlign::Center | TextAlign::Top, MapMode::Pixels);
    c.pen.color = clBtnFace;
    c.brush.color = clWhite;
    c.rectangle(g.x(0), g.y(0), g.x(1000), g.y(620));
    c.pen.color = clWhite;
    c.rectangle(g.x(300), g.y(637), g.x(950), g.y(830));
    // The answer grid: the symbols in the upper row, the digits found below them.
    c.pen.color = clGreen;
    c.pen.width = 2;
    c.brush.style = BrushStyle::Clear;
    c.rectangle(g.x(305), g.y(644), g.x(945), g.y(823));
    c.moveTo(g.x(305), g.y(733));
    c.lineTo(g.x(944), g.y(733));
    for (int k = 1; k <= 10; ++k) {
        c.moveTo(g.x(305 + 64 * k), g.y(644));
        c.lineTo(g.x(305 + 64 * k), g.y(822));
    }
    c.brush.style = BrushStyle::Solid;
    c.pen.width = 1;
    for (Button* b : symbolknoepfe)
        b->show();
    aufgabeZeigen();
}

void TForm43::aufgabeZeigen()
{
    std::array<QString, 4> zeichen;
    for (int i = 0; i <= 3; ++i)
        zeichen[size_t(i)] = rechenartzeichen[i].str();
    const std::optional<Aufgabe> a = m_spiel.naechsteAufgabe(zeichen);
    if (!a) return;
    if (a->nummer >= Zeichenspiel::kAufgaben) Button13->setEnabled(false);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.bold = true;
    c.font.color = clGreen;
    c.font.setSize(g.y(38));
    const int spalte = a->nummer / 9, zeile = a->nummer % 9;
    for (int k = 1; k <= a->text.size(); ++k) {
        const QChar ch = a->text.at(k - 1);
        if (ch.isDigit()) {
            c.font.name = QStringLiteral("wingdings");
            const int symbol = m_spiel.symbolVon(ch.digitValue());
            c.textOut(g.x(555 * spalte + 30 + 43 * k), g.y(70 * (spalte + zeile)) - 20, symbolzeichen().at(symbol));
        } else {
            c.font.name = QStringLiteral("courier new");
            c.textOut(g.x(555 * spalte + 30 + 43 * k), g.y(70 * (spalte + zeile)) - 20, QString(ch));
        }
    }
}

void TForm43::zifferEingeben(int ziffer)
{
    const int w = m_spiel.markiert();
    const int punkt = w >= 0 ? m_spiel.punkteUnter(w) : 0;
    const Eingabe e = m_spiel.ziffer(ziffer);
    if (e == Eingabe::ignoriert) return;
    if (e == Eingabe::gefunden) {
        ziffernDrucken(ziffer, clBlue, false, 338 + 64 * w, 748);
        endtest();
        symbolFestlegen();
    } else if (e == Eingabe::fehler) {
        const DesignGrid g = spielraster();
        Canvas& c = canvas();
        c.pen.color = clRed;
        c.pen.width = 1;
        c.brush.color = clWhite;
        c.brush.style = BrushStyle::Solid;
        const int x = 313 + 64 * w + 11 * (punkt % 5), y = 809 - 68 * (punkt / 5);
        c.ellipse(g.x(x), g.y(y), g.x(x + 4), g.y(y + 4));
    }
    tastenSperren();
}

void TForm43::tastenSperren()
{
    tastenblock->knoepfeFreigeben(false);
    Button12->setEnabled(false);
}

void TForm43::ziffernDrucken(int ziffer, const QColor& farbe, bool fett, double x, double y)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.bold = fett;
    c.font.color = farbe;
    c.font.setSize(g.y(37));
    textMittig(c, g, x, y, QString::number(ziffer));
}

void TForm43::symbolFestlegen()
{
    const int w = m_spiel.markiert();
    symbolknoepfe[w]->hide();
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen.color = clWhite;
    c.pen.width = 1;
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.rectangle(g.x(309 + 64 * w), g.y(650), g.x(364 + 64 * w), g.y(726));
    const Font vorher = c.font;
    c.font.name = QStringLiteral("wingdings");
    c.font.bold = true;
    c.font.color = clBlack;
    c.font.setSize(g.y(37));
    textMittig(c, g, 337 + 64 * w, 660, symbolzeichen().at(w));
    // The rating that may follow keeps the font of the digit.
    c.font = vorher;
}

void TForm43::endtest()
{
    if (!m_spiel.fertig()) return;
    Button13->hide();
    Button24->show();
    SetFocus(Button24);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.brush.color = clRed;
    c.brush.style = BrushStyle::Solid;
    c.font.color = clYellow;
    c.font.setSize(g.y(40));
    textMittig(c, g, 500, 300, bewertungstext(m_spiel.punkte()));
}
