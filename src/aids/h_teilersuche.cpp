#include "aids/h_teilersuche.h"

#include "aids/h_haupt.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"

using namespace teilersuche;

namespace {

// Columns and rows of the digit block inside Rechner: 7 8 9 on top.
constexpr int kSpalten[3] = { 12, 74, 136 };
constexpr int kZeilen[3] = { 18, 95, 174 };
QRect knopfplatz(int ziffer)
{
    return { kSpalten[(ziffer - 1) % 3], kZeilen[(9 - ziffer) / 3], 55, 70 };
}

} // namespace

TForm75::TForm75(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("Teilersuche"));
    setObjectName(QStringLiteral("Form75"));
    // The set-up runs when the hub shows the window, not again when the protocol dialog closes.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine Aufgabe?");
    vorgaben.nocheinePlatz = { 765, 725, 200, 45 };
    vorgaben.endePlatz = { 765, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 765, 835, 200, 100 };
    // The protocol gives the working time up to the last number done.
    vorgaben.endzeitNehmen = false;

    strahlbox = new PaintBox(this);
    strahlbox->setObjectName(QStringLiteral("strahlbox"));
    place(strahlbox, 10, 10, 980, 700);
    titelbox = new PaintBox(this);
    titelbox->setObjectName(QStringLiteral("titelbox"));
    place(titelbox, 10, 725, 505, 258);

    Rechner = new GroupBox(this, QString(), 540, 720, 205, 263);
    Rechner->setObjectName(QStringLiteral("Rechner"));
    for (int d = 1; d <= 9; ++d) {
        const QRect p = knopfplatz(d);
        auto* b = new Button(Rechner, QString::number(d), p.x(), p.y(), p.width(), p.height());
        b->setObjectName(QStringLiteral("Button%1").arg(d));
        applyFontSize(b, QStringLiteral("MS Sans Serif"), 37);
        setHandCursor(b);
        // Keys of a keypad: a clicked digit takes no focus, Enter belongs to "noch eine Aufgabe?".
        setKeypadKey(b);
        if (d >= 2) b->OnClick = [this, d] { teilerknopfClick(d); };
        m_knoepfe[std::size_t(d)] = b;
    }

    rahmenknoepfeBenennen(weiterbutton, Endebutton);
    setTabStop(Endebutton, false);

    // Only the digits 2 .. 9 come through the form; Esc and Enter reach the end and the next-task button as
    // the window's Cancel and Default buttons.
    OnKeyPress = [this](QChar& taste) { teilerkey(taste); };
}

// ---- Handlers ----

void TForm75::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(strahlbox, 10, 10, 980, 700);
    g.place(titelbox, 10, 725, 505, 258);
    g.place(Rechner, 540, 720, 205, 263);
    for (int d = 1; d <= 9; ++d) {
        const QRect p = knopfplatz(d);
        g.place(knopf(d), p.x(), p.y(), p.width(), p.height());
        g.fontSize(knopf(d), 37);
    }
    knopf(1)->setEnabled(false);
}

void TForm75::laufBeginnen()
{
    m_wahltext.clear();
    m_bearbeitetezahlen.clear();
    poolFuellen(m_pool);
}

void TForm75::teilerkey(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste >= QLatin1Char('2') && taste <= QLatin1Char('9'))
        knopf(taste.unicode() - '0')->clickIfVisibleAndEnabled();
}

void TForm75::teilerknopfClick(int ziffer)
{
    // Each digit can be tried once per number.
    knopf(ziffer)->setEnabled(false);
    m_zeichen = QString::number(ziffer);
    teilerpruefung();
}

hilfenrahmen::Protokollangaben TForm75::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("Teilersuche am Strahl");
    const Zeilen45 z = protokollzeilen45(m_bearbeitetezahlen);
    a.zeile4 = z.zeile4;
    a.zeile5 = z.zeile5;
    return a;
}

void TForm75::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) hub->fokus(hub->Button56);
}

// ---- Routines ----

void TForm75::eingabenFreigeben()
{
    Rechner->setEnabled(true);
    for (int d = 2; d <= 9; ++d)
        knopf(d)->setEnabled(true);
}

void TForm75::eingabenSperren()
{
    for (int d = 2; d <= 9; ++d)
        knopf(d)->setEnabled(false);
}

void TForm75::aufgabeStellen()
{
    m_zwzahl1 = 0;
    m_zeichen.clear();
    aufgabenzeichnung();
}

void TForm75::aufgabenzeichnung()
{
    m_zielzahl = ziehung(m_pool);
    m_wahltext = teiler(m_zielzahl);
    if (m_zielzahl <= 9) knopf(m_zielzahl)->setEnabled(false);

    const DesignGrid g = raster();
    Canvas& c = titelbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(10), g.y(1), g.x(505), g.y(258));
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    c.font.height = g.y(43);
    c.textOut(g.x(258), g.y(50), frage(int(m_wahltext.size())));
    c.font.height = g.y(75);
    c.textOut(g.x(258), g.y(130), QStringLiteral("Teiler von        ?"));
    c.font.color = clRed;
    c.textOut(g.x(350), g.y(130), QString::number(m_zielzahl));

    strahlzeichnung();
}

void TForm75::strahlzeichnung()
{
    const DesignGrid g = raster();
    Canvas& c = strahlbox->canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(10), g.y(10), g.x(985), g.y(700));

    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(50);
    c.font.color = clGreen;
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clGreen, 3 };
    c.moveTo(g.x(100), g.y(255));
    c.lineTo(g.x(900), g.y(255));
    for (int n = 0; n <= 100; ++n) {
        int oben = 220;
        int breite = 1;
        if (n == 0 || n == 100) {
            oben = 140;
            breite = 3;
        } else if (n % 10 == 0) {
            oben = 170;
            breite = 3;
        } else if (n % 5 == 0) {
            oben = 200;
            breite = 2;
        }
        c.pen.width = breite;
        c.moveTo(g.x(100 + 8 * n), g.y(250));
        c.lineTo(g.x(100 + 8 * n), g.y(oben));
    }
    for (int i = 0; i <= 10; ++i)
        c.textOut(g.x(100 + 80 * i), g.y(80), QString::number(10 * i));

    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    for (int k = 1; k <= m_wahltext.size(); ++k)
        c.textOut(g.x(50), g.y(200 + 70 * k), QStringLiteral("?"));
}

void TForm75::teilerpruefung()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const DesignGrid g = raster();
    Canvas& c = strahlbox->canvas();
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(50);
    c.brush = Brush { clWhite };
    const int t = m_zeichen.toInt();
    const int z = m_zielzahl;

    if (m_wahltext.contains(m_zeichen)) {
        const int n = ++m_zwzahl1;
        const int y = 200 + 70 * n;
        c.pen = Pen { clWhite, 1 };
        c.font.color = clGreen;
        c.setTextAlign(TextAlign::Left | TextAlign::Top);
        c.textOut(g.x(50), g.y(y), m_zeichen);
        // The row is cleared, and with it a message about a digit that is none.
        c.rectangle(g.x(100), g.y(y), g.x(800), g.y(y + 70));
        c.setTextAlign(TextAlign::Right | TextAlign::Top);
        c.textOut(
            g.x(8 * z + 230), g.y(y), QString::number(z) + QStringLiteral(" : ") + m_zeichen + QStringLiteral(" = "));
        c.textOut(g.x(8 * z + 265), g.y(y), QString::number(z / t));
        // The jumps, alternately red and blue and overlapping in height.
        for (int i = 0; i < z / t; ++i) {
            const bool gerade = i % 2 == 0;
            c.brush = Brush { gerade ? clRed : clBlue };
            c.rectangle(g.x(8 * t * i + 100), g.y(y - 4 + (gerade ? 0 : 8)), g.x(8 * t * (i + 1) + 100),
                g.y(y + 36 + (gerade ? 0 : 8)));
        }
        // White lines cut every jump into unit steps.
        for (int i = 0; i <= z; ++i) {
            c.moveTo(g.x(8 * i + 100), g.y(265));
            c.lineTo(g.x(8 * i + 100), g.y(665));
        }
    } else {
        c.font.color = clRed;
        c.setTextAlign(TextAlign::Left | TextAlign::Top);
        c.textOut(g.x(100), g.y(270 + 70 * m_zwzahl1), keinTeilerText(t, z));
    }

    if (m_zwzahl1 < m_wahltext.size()) return;
    m_bearbeitetezahlen += QString::number(z) + u' ';
    aufgabennoetig = int(m_wahltext.size());
    aufgabeAbschliessen(true, true);
}
