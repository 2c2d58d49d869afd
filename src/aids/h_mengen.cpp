#include "aids/h_mengen.h"

#include "aids/h_haupt.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/fenster.h"

#include <limits>

using namespace mengen;

namespace {

const QString kArial = QStringLiteral("arial");

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

void stift(Canvas& c, const QColor& farbe, int breite)
{
    c.pen = Pen { farbe, breite };
}

void pinsel(Canvas& c, const QColor& farbe)
{
    c.brush = Brush { farbe, BrushStyle::Solid };
}

void schrift(Canvas& c, int hoehe, const QColor& farbe, int ausrichtung)
{
    c.setTextAlign(ausrichtung | TextAlign::Top);
    c.font.name = kArial;
    c.font.height = hoehe;
    c.font.bold = false;
    c.font.color = farbe;
}

// The frame of the task panel.
void agrahmen(Canvas& c, const DesignGrid& g)
{
    stift(c, clGreen, 2);
    pinsel(c, clWhite);
    c.rectangle(g.x(1), g.y(1), g.x(275), g.y(400));
}

// Blanks the work area down to the buttons and draws the white field framed green.
void feldLeeren(Canvas& c, const DesignGrid& g)
{
    stift(c, clBtnFace, 2);
    pinsel(c, clBtnFace);
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(999));
    stift(c, clGreen, 2);
    pinsel(c, clWhite);
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(855));
}

} // namespace

TForm68::TForm68(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("Mengen erkennen"));
    agbox = new PaintBox(this);
    place(agbox, 710, 20, 280, 400);
    tastenfeldAnlegen();
    Hilfebutton = tastenfeld->Hilfebutton;
    eingabe = Eingabetext(zifferneingabe);
    // A task ended by used-up help is counted, so the bars follow it as after any other counted task.
    vorgaben.balkenNachHilfe = true;
    Timer1 = new Timer(this, 1, false);
    Timer1->OnTimer = [this] { wievtimer(); };
}

void TForm68::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(agbox, 710, 20, 280, 400);
}

// ---- Handlers ----

void TForm68::wievtimer()
{
    const double zeit = darbietungszeit(variante, eingabenrichtig, zielzahl);
    switch (wievtakt(zifferneingabe, zielzahl, hilfestufe, clockx::now(), aufgabenstart, zeit)) {
    case Takt::warten:
        return;
    case Takt::ruhen:
        Timer1->setEnabled(false);
        return;
    case Takt::abdecken:
        break;
    }
    const DesignGrid g = raster();
    Canvas& c = canvas();
    stift(c, clWhite, 1);
    pinsel(c, clWhite);
    for (const TRect& r : abdeckungen())
        c.rectangle(g.x(r.left), g.y(r.top), g.x(r.right), g.y(r.bottom));
    Timer1->setEnabled(false);
}

// ---- Frame hooks ----

void TForm68::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    if (platten()) {
        Hilfebutton->hide();
        tastenfeld->Button13->setEnabled(true);
        tastenfeld->Button14->setEnabled(true);
    } else {
        tastenfeld->Button13->setEnabled(false);
        tastenfeld->Button14->setEnabled(false);
        Hilfebutton->setEnabled(true);
    }
}

void TForm68::aufgabeStellen()
{
    wahl3 = 0;
    Timer1->setEnabled(false);
    if (platten()) {
        plattenaufgabe();
        // Enter belongs to the keypad here.
        SetFocus(tastenfeld->Button13);
    } else {
        mengenaufgabe();
        // No button keeps the focus, so that Enter presses nothing while a quantity is asked.
        if (QWidget* f = focusWidget()) f->clearFocus();
    }
}

void TForm68::eingabeGeaendert()
{
    mengenpruefung();
}

void TForm68::antwortPruefen()
{
    plattenpruefung();
}

bool TForm68::nullAblehnen() const
{
    return zifferneingabe.isEmpty() && zielzahl % 10 != 0;
}

void TForm68::hilfetaste()
{
    Hilfenfenster::hilfetaste();
    // Disabling the keypad would hand the focus on to the end button, where Enter ends the run.
    if (!tastenfeld->Rechner->isEnabled()) SetFocus(nocheinebutton);
}

void TForm68::hilfeschritt()
{
    hilfebild(hilfestufe);
}

hilfenrahmen::Protokollangaben TForm68::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
    if (platten()) {
        a.titel = QStringLiteral("Platten, Stangen, Blöcke");
        a.zeile4 = hilfenrahmen::stufenzeile(QStringLiteral("(Zahlenraum bis 1000)"));
    } else {
        a.titel = QStringLiteral("Wie viele sind es?");
        a.zeile4 = hilfenrahmen::stufenzeile(QStringLiteral("gezeigte Mengen: ") + wahltext);
        a.zeile5 = QString(23, u' ') + zeitenlabel(variante);
        a.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    }
    return a;
}

void TForm68::protokollende()
{
    Timer1->setEnabled(false);
    Hilfenfenster::protokollende();
}

void TForm68::nachDemEnde()
{
    TForm63* hub = hilfenhub();
    if (platten() || !hub) return;
    // The hub's button "Wie viele sind es?", so that the next run is one key away.
    hub->fokus(hub->knopf(11));
}

void TForm68::zu()
{
    Timer1->setEnabled(false);
    Hilfenfenster::zu();
}

// ---- Routines ----

mengen::Stellen TForm68::stellen() const
{
    return { hunderter1, zehner1, einer1 };
}

void TForm68::mengenaufgabe()
{
    const DesignGrid g = raster();
    zielzahl = mengeZiehen(wahltext);

    Canvas& c = canvas();
    feldLeeren(c, g);

    m_objekte = objekteLegen(zielzahl);
    stift(c, clBlack, 3);
    pinsel(c, clTeal);
    for (int i = 0; i < m_objekte.size(); ++i) {
        const Objekt& o = m_objekte[i];
        zahlenwahl1[i] = o.x;
        zahlenwahl2[i] = o.y;
        c.ellipse(g.x(o.x), g.y(o.y), g.x(o.x + kObjektbreite), g.y(o.y + kObjekthoehe));
    }
    Timer1->setEnabled(true);

    Canvas& a = agbox->canvas();
    agrahmen(a, g);
    schrift(a, g.y(45), clBlue, TextAlign::Center);
    a.textOut(g.x(137), g.y(40), QStringLiteral("Wie viele"));
    a.textOut(g.x(137), g.y(105), QStringLiteral("sind es?"));
    stift(a, clBlue, g.x(5));
    a.rectangle(g.x(75), g.y(181), g.x(200), g.y(310));
    aufgabenstart = clockx::now();
}

void TForm68::plattenaufgabe()
{
    const DesignGrid g = raster();
    einer1 = Random(10);
    zehner1 = Random(10);
    hunderter1 = Random(9) + 1;
    zielzahl = zahlVon(stellen());

    Canvas& c = canvas();
    // A counting strip left from a run of "Wie viele sind es?" goes too.
    feldLeeren(c, g);
    stift(c, clBlack, 1);
    for (const Kasten& k : plattenbild(stellen())) {
        pinsel(c, k.farbe);
        c.rectangle(g.x(k.r.left), g.y(k.r.top), g.x(k.r.right), g.y(k.r.bottom));
    }

    Canvas& a = agbox->canvas();
    agrahmen(a, g);
    schrift(a, g.y(60), clRed, TextAlign::Left);
    a.textOut(g.x(85), g.y(80), QStringLiteral("H"));
    a.font.color = clYellow;
    a.textOut(g.x(125), g.y(80), QStringLiteral("Z"));
    a.font.color = clGreen;
    a.textOut(g.x(165), g.y(80), QStringLiteral("E"));
    stift(a, clBlue, g.x(5));
    pinsel(a, clWhite);
    a.rectangle(g.x(55), g.y(181), g.x(220), g.y(310));
    aufgabenstart = clockx::now();
}

void TForm68::farbmengen()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    stift(c, clBlack, 2);
    for (int i : farbfolge(m_objekte)) {
        const Objekt& o = m_objekte[i];
        pinsel(c, quadrantfarbe(quadrant(o)));
        c.ellipse(g.x(o.x), g.y(o.y), g.x(o.x + kObjektbreite), g.y(o.y + kObjekthoehe));
    }
}

void TForm68::hilfebild(int stufe)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    const int n = int(m_objekte.size());
    const auto zeigenUndWiederAbdecken = [&] {
        farbmengen();
        aufgabenstart = clockx::now();
        Timer1->setEnabled(true);
    };
    switch (stufe) {
    case 1:
        zeigenUndWiederAbdecken();
        break;
    case 2:
        stift(c, clBtnFace, g.x(20));
        linie(c, g.x(352), g.y(10), g.x(352), g.y(850));
        linie(c, g.x(10), g.y(430), g.x(691), g.y(430));
        zeigenUndWiederAbdecken();
        break;
    case 3: {
        farbmengen();
        stift(c, clBtnFace, 3);
        pinsel(c, clWhite);
        c.rectangle(g.x(10), g.y(863), g.x(695), g.y(990));
        stift(c, clGreen, 2);
        for (int k = 0; k <= 10; ++k)
            linie(c, g.x(22 + 66 * k), g.y(880), g.x(22 + 66 * k), g.y(975));
        linie(c, g.x(22), g.y(880), g.x(682), g.y(880));
        linie(c, g.x(22), g.y(975), g.x(682), g.y(975));
        c.pen.width = 5;
        linie(c, g.x(352), g.y(875), g.x(352), g.y(980));
        stift(c, clBlack, 2);
        pausieren();
        pausieren();
        int r = 0;
        for (int i : farbfolge(m_objekte)) {
            const Objekt& o = m_objekte[i];
            pausieren();
            linie(c, g.x(o.x), g.y(o.y), g.x(o.x + kObjektbreite), g.y(o.y + kObjekthoehe));
            linie(c, g.x(o.x + kObjektbreite), g.y(o.y), g.x(o.x), g.y(o.y + kObjekthoehe));
            pinsel(c, quadrantfarbe(quadrant(o)));
            const TRect z = streifenzelle(r++);
            c.ellipse(g.x(z.left), g.y(z.top), g.x(z.right), g.y(z.bottom));
        }
        break;
    }
    case 4:
        schrift(c, g.y(40), clBlack, TextAlign::Left);
        pinsel(c, clWhite);
        for (int k = 1; k <= n - 1; ++k) {
            pausieren();
            c.textOut(g.x(zaehlzahlX(k, n)), g.y(kZaehlzahlY), QString::number(k));
        }
        break;
    case 5: {
        schrift(c, g.y(40), clBlack, TextAlign::Left);
        pinsel(c, clWhite);
        c.textOut(g.x(zaehlzahlX(n, n)), g.y(kZaehlzahlY), QString::number(n));
        Canvas& a = agbox->canvas();
        schrift(a, g.x(65), clBlue, TextAlign::Center);
        pinsel(a, clWhite);
        a.textOut(g.x(137), g.y(195), QString::number(n));
        break;
    }
    default:
        break;
    }
}

void TForm68::mengenpruefung()
{
    if (platten()) {
        stellenanzeige();
        return;
    }
    const DesignGrid g = raster();
    aufgabeneingaben = aufgabeneingaben + 1;
    Canvas& a = agbox->canvas();
    schrift(a, g.x(65), clBlue, TextAlign::Center);
    pinsel(a, clWhite);
    if (StrToInt(zifferneingabe) != zielzahl) {
        zifferneingabe = QString();
        hilfestufe = shortint(hilfestufe + 1);
        hilfebild(hilfestufe);
    } else {
        a.textOut(g.x(137), g.y(195), zifferneingabe);
        aufgabennoetig = 1;
        richtigantwort();
        return;
    }
    // The fifth wrong answer ends the task as used-up help does: it counts as done, without right inputs.
    if (hilfestufe > 4) {
        aufgabeAbschliessen(false, true);
        SetFocus(nocheinebutton);
    }
}

void TForm68::plattenpruefung()
{
    const DesignGrid g = raster();
    aufgabeneingaben = aufgabeneingaben + 1;
    if (StrToInt(zifferneingabe) == zielzahl) {
        // The three digits and Enter.
        aufgabennoetig = 4;
        richtigantwort();
        return;
    }
    // Only whether there was a wrong answer matters (it switches the place markers on); the count just
    // must not run over.
    if (hilfestufe < std::numeric_limits<shortint>::max()) hilfestufe = shortint(hilfestufe + 1);
    if (zifferneingabe == QString::number(tauschzahl(stellen()))) {
        Canvas& a = agbox->canvas();
        schrift(a, g.y(35), clBlue, TextAlign::Center);
        pinsel(a, clWhite);
        a.textOut(g.x(137), g.y(333), QStringLiteral("erst Zehner, dann Einer!"));
        wahl3 = 1;
    }
    zifferneingabe = QString();
    aufgabeneingaben = aufgabeneingaben - 1;
    stellenanzeige();
}

void TForm68::stellenanzeige()
{
    const DesignGrid g = raster();
    if (zifferneingabe.length() >= 4)
        zifferneingabe = zifferneingabe.str().left(3);
    else
        aufgabeneingaben = aufgabeneingaben + 1;

    Canvas& a = agbox->canvas();
    stift(a, clWhite, 4);
    pinsel(a, clWhite);
    // The message is wider than its place on a screen of 4:3; all of it goes, up to the frame.
    if (wahl3 == 0) a.rectangle(g.x(6), g.y(320), g.x(270), g.y(390));
    a.rectangle(g.x(80), g.y(190), g.x(192), g.y(280));
    wahl3 = 0;
    schrift(a, g.y(75), clBlue, TextAlign::Left);
    const QString getippt = zifferneingabe;
    for (int i = 0; i < getippt.size(); ++i)
        a.textOut(g.x(85 + 40 * i), g.y(200), getippt.mid(i, 1));
    if (getippt.isEmpty()) a.textOut(g.x(130), g.y(200), QStringLiteral("?"));

    if (hilfestufe <= 0) return;
    const auto marke = stellenmarke(stellen(), int(getippt.size()));
    if (!marke) return;
    Canvas& c = canvas();
    if (marke->loeschen) {
        stift(c, clWhite, 1);
        pinsel(c, clWhite);
        const TRect& r = *marke->loeschen;
        c.rectangle(g.x(r.left), g.y(r.top), g.x(r.right), g.y(r.bottom));
    }
    stift(c, marke->farbe, 15);
    linie(c, g.x(marke->x1), g.y(marke->y), g.x(marke->x2), g.y(marke->y));
}

void TForm68::richtigantwort()
{
    const DesignGrid g = raster();
    aufgabeAbschliessen(true, false);
    Canvas& a = agbox->canvas();
    if (platten()) {
        stift(a, clRed, g.x(5));
        linie(a, g.x(155), g.y(355), g.x(135), g.y(325));
        linie(a, g.x(155), g.y(355), g.x(255), g.y(120));
    } else {
        stift(a, clWhite, 1);
        pinsel(a, clWhite);
        a.rectangle(g.x(10), g.y(10), g.x(260), g.y(150));
        schrift(a, g.y(50), clBlue, TextAlign::Center);
        a.textOut(g.x(137), g.y(85), QStringLiteral("Es sind"));
        stift(a, clRed, g.x(5));
        linie(a, g.x(135), g.y(355), g.x(115), g.y(325));
        linie(a, g.x(135), g.y(355), g.x(255), g.y(65));
        // The whole counting picture, at once: the pauses stand still while the right answer stands.
        for (int stufe = 2; stufe <= 5; ++stufe)
            hilfebild(stufe);
    }
    SetFocus(nocheinebutton);
    // Last, so that the picture is complete should the bars end the run.
    zeitbalken();
}

void TForm68::pausieren()
{
    if (zifferneingabe != QString::number(zielzahl)) warteschleife();
}
