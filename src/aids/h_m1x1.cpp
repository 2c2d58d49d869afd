#include "aids/h_m1x1.h"

#include "aids/h_haupt.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"

using namespace m1x1;

namespace {

void strich(Canvas& c, const DesignGrid& g, int x0, int y0, int x1, int y1)
{
    c.moveTo(g.x(x0), g.y(y0));
    c.lineTo(g.x(x1), g.y(y1));
}

void schrift(Canvas& c, const DesignGrid& g, const QColor& farbe, int hoehe, int ausrichtung)
{
    c.setTextAlign(ausrichtung | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.color = farbe;
    c.font.height = g.y(hoehe);
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
}

} // namespace

TForm76::TForm76(QWidget* parent)
    : Hilfenfenster(parent)
{
    setObjectName(QStringLiteral("Form76"));
    setCaption(QStringLiteral("mittl 1x1"));
    // A window opened from here (the protocol dialog) gives the focus back without a new run.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.nocheinePlatz = { 765, 725, 200, 45 };
    vorgaben.endePlatz = { 765, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 765, 810, 200, 100 };
    // The bars show at the end of a task only; used-up help books the right digits typed and shows them.
    vorgaben.balkenBeiNeuerAufgabe = false;
    vorgaben.hilfeBuchtRichtig = true;
    vorgaben.balkenNachHilfe = true;
    eingabe = Eingabetext(::eingabe);

    feldbox = new PaintBox(this);
    feldbox->setObjectName(QStringLiteral("feldbox"));
    place(feldbox, 10, 10, 980, 700);

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Hilfetaste);
    rechner = t.Rechner;
    rechner->setObjectName(QStringLiteral("rechner"));
    t.anordnung.rechner = { 590, 725, 138, 264 };
    const int spalten[3] = { 10, 50, 90 };
    const int zeilen[3] = { 15, 73, 134 }; // 7 8 9 / 4 5 6 / 1 2 3
    for (int d = 1; d <= 9; ++d)
        t.anordnung.ziffern[d] = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 35, 50, 30 };
    t.anordnung.ziffern[0] = { 50, 195, 35, 50, 30 };
    t.anordnung.hilfe = { 90, 195, 35, 50, 15 };
    Hilfeknopf = t.Hilfebutton;
    Hilfeknopf->setObjectName(QStringLiteral("Hilfeknopf"));
    applyFontSize(Hilfeknopf, QStringLiteral("MS Sans Serif"), 15);
    for (int d = 0; d <= 9; ++d)
        t.ziffer(d)->setObjectName((d == 2 || d == 7 ? QStringLiteral("button%1") : QStringLiteral("Button%1")).arg(d));

    rahmenknoepfeBenennen(weiterbutton, Endebutton);

    // Only the digits come through the form; Esc reaches the end button as the window's Cancel button.
    OnKeyPress = [this](QChar& taste) { m1x1key(taste); };
}

Button* TForm76::ziffernknopf(int ziffer) const
{
    return tastenfeld->ziffer(ziffer);
}

// ---- Handlers ----

void TForm76::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.fontHeight(Endebutton, 20);
    g.place(feldbox, 10, 10, 980, 700);
}

void TForm76::m1x1key(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9'))
        tastenfeld->ziffer(taste.unicode() - '0')->clickIfVisibleAndEnabled();
}

bool TForm76::nullAblehnen() const
{
    // No product starts with 0.
    return ::eingabe.isEmpty();
}

void TForm76::eingabeGeaendert()
{
    zifferpruefen();
}

void TForm76::hilfetaste()
{
    Hilfenfenster::hilfetaste();
    if (hilfestufe >= kLetzteStufe && isVisible()) SetFocus(weiterbutton);
}

void TForm76::hilfeschritt()
{
    hilfezeichnen(hilfestufe);
}

bool TForm76::hilfeAufgebraucht() const
{
    return hilfestufe >= kLetzteStufe;
}

hilfenrahmen::Protokollangaben TForm76::protokollangaben() const
{
    return m1x1::protokollangaben(variante, wahltext, hilfetasten);
}

void TForm76::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) {
        hub->gruppeZeigen(hub->gb1x1);
        hub->fokus(hub->knopf(54));
    }
}

// ---- Routines ----

void TForm76::aufgabeStellen()
{
    m_stelle = 1;
    m_aufgabe = ziehen(variante);
    einer1 = m_aufgabe.einer1;
    einer2 = m_aufgabe.einer2;
    zielzahl = m_aufgabe.zielzahl;
    const DesignGrid g = raster();

    Canvas& f = canvas();
    f.setMapMode(MapMode::Pixels);
    f.pen = Pen { clGreen, 1 };
    f.brush = Brush { clWhite };
    f.rectangle(g.x(110), g.y(770), g.x(480), g.y(950));
    schrift(f, g, clBlue, 50, TextAlign::Center);
    f.textOut(g.x(295), g.y(800), QStringLiteral("Gib das Endergebnis"));
    f.textOut(g.x(295), g.y(870), QStringLiteral("von links nach rechts ein."));

    Canvas& c = feldbox->canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clGreen, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(1), g.y(1), g.x(979), g.y(699));
    strich(c, g, 475, 1, 475, 699);
    c.pen = Pen { clTeal, 1 };
    for (int k = 1; k <= 20; ++k) {
        strich(c, g, 30 + 21 * k, 45, 30 + 21 * k, 645);
        strich(c, g, 30, 45 + 30 * k, 450, 45 + 30 * k);
    }
    // Every fifth line thicker, the lines after ten columns and ten rows thickest.
    c.pen.width = 3;
    for (int k = 0; k <= 4; ++k) {
        strich(c, g, 30 + 105 * k, 45, 30 + 105 * k, 645);
        strich(c, g, 30, 45 + 150 * k, 450, 45 + 150 * k);
    }
    c.pen.width = 5;
    strich(c, g, 240, 45, 240, 645);
    strich(c, g, 30, 345, 450, 345);

    schrift(c, g, clBlue, 100, TextAlign::Right);
    c.textOut(g.x(780), g.y(76),
        QString::number(einer1) + QStringLiteral(" x ") + QString::number(einer2) + QStringLiteral(" = "));
}

void TForm76::zifferpruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const QString produkt = m_aufgabe.produkt();
    if (zifferRichtig(::eingabe, m_stelle, zielzahl)) {
        Canvas& c = feldbox->canvas();
        const DesignGrid g = raster();
        schrift(c, g, clBlue, 100, TextAlign::Right);
        c.textOut(g.x(ziffernRechts(int(produkt.size()), m_stelle)), g.y(76), ::eingabe.str());
        ++m_stelle;
        aufgabennoetig = aufgabennoetig + 1;
    } else {
        // A wrong digit is never shown: it goes at once and brings the next help step.
        ::eingabe = ::eingabe.str().left(m_stelle - 1);
        hilfestufe = shortint(hilfestufe + 1);
        hilfezeichnen(hilfestufe);
    }
    if (hilfestufe < kLetzteStufe && ::eingabe != produkt) return;

    aufgabeBeendet();
    if (aufgabennoetig == produkt.size()) {
        Canvas& c = feldbox->canvas();
        const DesignGrid g = raster();
        c.pen = Pen { clRed, 5 };
        strich(c, g, 895, 135, 910, 160);
        strich(c, g, 910, 160, 970, 55);
        // A product typed right without help still shows how it is made up.
        hilfestufe = 0;
        while (hilfestufe < 4) {
            hilfestufe = shortint(hilfestufe + 1);
            hilfezeichnen(hilfestufe);
        }
    }
}

void TForm76::aufgabeBeendet()
{
    aufgabeAbschliessen(true, true);
    if (isVisible()) SetFocus(weiterbutton);
}

void TForm76::hilfezeichnen(int stufe)
{
    const Hilfeschritt s = m1x1::hilfeschritt(m_aufgabe, stufe);
    Canvas& c = feldbox->canvas();
    const DesignGrid g = raster();
    c.setMapMode(MapMode::Pixels);
    if (s.trennlinie) {
        c.pen = Pen { clBlue, 2 };
        strich(c, g, 500, 195, 900, 195);
    }
    if (s.punkte) {
        c.pen.color = s.punkte->rand;
        c.brush = Brush { s.punkte->fuellung };
        for (int j = s.punkte->zeileVon; j <= s.punkte->zeileBis; ++j)
            for (int i = s.punkte->spalteVon; i <= s.punkte->spalteBis; ++i) {
                const QRect p = punkt(i, j);
                c.ellipse(g.x(p.left()), g.y(p.top()), g.x(p.right()), g.y(p.bottom()));
            }
    }
    if (s.gleichung) {
        schrift(c, g, s.gleichung->farbe, 100, TextAlign::Right);
        c.textOut(g.x(780), g.y(s.gleichung->y), s.gleichung->links);
        c.textOut(g.x(880), g.y(s.gleichung->y), QString::number(s.gleichung->wert));
    }
    if (s.ergebnis) {
        schrift(c, g, clBlue, 100, TextAlign::Right);
        c.textOut(g.x(880), g.y(76), m_aufgabe.produkt());
    }
    if (s.dreiUeberspringen) hilfestufe = shortint(hilfestufe + 1);
}
