#include "aids/h_1x1.h"

#include "aids/h_1d1_bilder.h"
#include "aids/h_haupt.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"
#include "platform/round.h"

#include <functional>

using namespace kl1x1;

namespace {

const QString kErgebnis = QStringLiteral("&Ergebnis");

// Drawing on one box of the window in its design units.
class Stift {
public:
    Stift(Canvas& c, const DesignGrid& g)
        : c(c)
        , g(g)
    {
        c.setMapMode(MapMode::Pixels);
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.pen.style = PenStyle::Solid;
        c.pen.mode = PenMode::Copy;
        c.brush.style = BrushStyle::Solid;
        c.font.name = QStringLiteral("arial");
    }
    void stift(const QColor& farbe, int breite)
    {
        c.pen.color = farbe;
        c.pen.width = breite;
    }
    void pinsel(const QColor& farbe) { c.brush.color = farbe; }
    void schrift(const QColor& farbe, int hoehe)
    {
        c.font.color = farbe;
        c.font.height = g.y(hoehe);
    }
    // A white rectangle outlined green: the frame every picture starts with.
    void rahmen(int l, int t, int r, int b, int breite)
    {
        stift(clGreen, breite);
        pinsel(clWhite);
        rechteck(l, t, r, b);
    }
    void rechteck(int l, int t, int r, int b) { c.rectangle(g.x(l), g.y(t), g.x(r), g.y(b)); }
    void ellipse(int l, int t, int r, int b) { c.ellipse(g.x(l), g.y(t), g.x(r), g.y(b)); }
    void flaeche(const Flaeche& f, bool stiftInFarbe)
    {
        if (stiftInFarbe) c.pen.color = f.farbe;
        pinsel(f.farbe);
        rechteck(f.box.left(), f.box.top(), f.box.right(), f.box.bottom());
    }
    void linie(int x0, int y0, int x1, int y1)
    {
        c.moveTo(g.x(x0), g.y(y0));
        c.lineTo(g.x(x1), g.y(y1));
    }
    void vieleck(const QPolygon& p)
    {
        QVector<QPoint> punkte;
        for (const QPoint& q : p)
            punkte << QPoint(g.x(q.x()), g.y(q.y()));
        c.polygon(punkte);
    }
    void text(int x, int y, const QString& s) { c.textOut(g.x(x), g.y(y), s); }

    Canvas& c;
    const DesignGrid g; // a copy: callers hand the window's raster() as a temporary
};

// Draws a ground the small 1:1 shares; it leaves the pen as its last line had it.
void grundZeichnen(Canvas& c, const std::function<void(kl1d1::Skizze&)>& zeichnen)
{
    kl1d1::Skizze s(kl1d1::Box::titel);
    zeichnen(s);
    for (const kl1d1::Schritt& schritt : s.bild())
        kl1d1::schrittZeichnen(c, schritt, skala_x, skala_y);
}

} // namespace

TForm71::TForm71(QWidget* parent)
    : Hilfenfenster(parent)
{
    setObjectName(QStringLiteral("Form71"));
    setCaption(QStringLiteral("1x1"));
    // A window opened from here (the protocol dialog) gives the focus back without a new run.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.endePlatz = { 750, 950, 200, 30 };
    // The bars only run with both limits; the per-task reset draws them after it blanked the work area.
    vorgaben.pausenlaenge = 5e-6;
    eingabe = Eingabetext(::eingabe);

    Endebutton = endebutton;
    Endebutton->setObjectName(QStringLiteral("Endebutton"));
    zeitagbox->setObjectName(QStringLiteral("zeitagbox"));
    nocheinebutton->setObjectName(QStringLiteral("nocheinebutton"));
    nocheinebutton->setCaption(vorgaben.nocheineCaption);

    const auto box = [this](const char* name, int l, int t, int w, int h) {
        auto* b = new PaintBox(this);
        b->setObjectName(QLatin1String(name));
        place(b, l, t, w, h);
        return b;
    };
    strahlbox = box("strahlbox", 10, 10, 730, 285);
    agbox = box("agbox", 160, 205, 550, 170);
    feldbox = box("feldbox", 15, 380, 233, 300);
    hundbox = box("hundbox", 267, 380, 233, 300);
    kreuzbox = box("kreuzbox", 510, 380, 233, 300);
    tippbox = box("tippbox", 10, 693, 730, 280);
    titelbox = box("titelbox", 750, 10, 200, 180);

    hilfenpanel = new Panel(this, 750, 210, 200, 200);
    hilfenpanel->setObjectName(QStringLiteral("hilfenpanel"));
    setColor(hilfenpanel, clMoneyGreen);
    Label1 = new Label(hilfenpanel, QStringLiteral("Hilfen"), 75, 8);
    Label1->setObjectName(QStringLiteral("Label1"));
    applyFont(Label1, QStringLiteral("MS Sans Serif"), 30);
    const auto hilfe = [this](const char* name, const QString& caption, int l, int t, int hoehe) {
        auto* b = new Button(hilfenpanel, caption, l, t, 85, 40);
        b->setObjectName(QLatin1String(name));
        applyFont(b, QStringLiteral("MS Sans Serif"), hoehe);
        setTabStop(b, false);
        return b;
    };
    Strahlb = hilfe("Strahlb", QStringLiteral("&Strahl"), 10, 45, 25);
    feldb = hilfe("feldb", QStringLiteral("&Feld"), 105, 45, 25);
    hundb = hilfe("hundb", QStringLiteral("&Hunderter"), 10, 98, 25);
    kreuzb = hilfe("kreuzb", QStringLiteral("Hemd &x Hose"), 105, 98, 21);
    tippb = hilfe("tippb", QStringLiteral("&Tipp"), 10, 150, 25);
    ergb = hilfe("ergb", kErgebnis, 105, 150, 25);

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste);
    Rechner = t.Rechner;
    Rechner->setObjectName(QStringLiteral("Rechner"));
    Button13 = t.Button13;
    Button13->setObjectName(QStringLiteral("Button13"));
    Button13->Default = true;
    Button14 = t.Button14;
    Button14->setObjectName(QStringLiteral("Button14"));
    for (int d = 0; d <= 9; ++d)
        t.ziffer(d)->setObjectName(QStringLiteral("Button%1").arg(d));

    Strahlb->OnClick = [this] { StrahlbClick(); };
    feldb->OnClick = [this] { feldbClick(); };
    hundb->OnClick = [this] { hundbClick(); };
    kreuzb->OnClick = [this] { kreuzbClick(); };
    tippb->OnClick = [this] { tippbClick(); };
    ergb->OnClick = [this] { ergbClick(); };
}

Button* TForm71::ziffernknopf(int ziffer) const
{
    return tastenfeld->ziffer(ziffer);
}

// ---- Handlers ----

void TForm71::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(strahlbox, 10, 10, 730, 285);
    g.place(agbox, 160, 205, 550, 170);
    g.place(feldbox, 15, 380, 233, 300);
    g.place(hundbox, 267, 380, 233, 300);
    g.place(kreuzbox, 510, 380, 233, 300);
    g.place(tippbox, 10, 693, 730, 280);
    g.place(titelbox, 750, 10, 200, 180);
    g.place(hilfenpanel, 750, 210, 200, 200);
    g.place(Label1, 75, 8, 60, 30);
    g.fontHeight(Label1, 30);
    const struct {
        Button* b;
        int l, t, hoehe;
    } hilfen[] = { { Strahlb, 10, 45, 25 }, { feldb, 105, 45, 25 }, { hundb, 10, 98, 25 }, { kreuzb, 105, 98, 21 },
        { tippb, 10, 150, 25 }, { ergb, 105, 150, 25 } };
    for (const auto& h : hilfen) {
        g.place(h.b, h.l, h.t, 85, 40);
        g.fontHeight(h.b, h.hoehe);
    }
}

void TForm71::neueaufgabe()
{
    // The whole work area goes, with the last task's pictures, tick and message, whatever the screen's size.
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.brush.color = clBtnFace;
    c.brush.style = BrushStyle::Solid;
    c.fillRect(0, 0, raster().x(1000) + 1, raster().y(1000) + 1);
    Hilfenfenster::neueaufgabe();
}

void TForm71::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    hilfenpanel->setEnabled(true);
}

void TForm71::eingabenSperren()
{
    Hilfenfenster::eingabenSperren();
    hilfenpanel->setEnabled(false);
}

bool TForm71::nullAblehnen() const
{
    return kl1x1::nullAblehnen(::eingabe, zielzahl);
}

bool TForm71::automatischesEndeErlaubt() const
{
    return programmcode == 51;
}

void TForm71::aufgabeStellen()
{
    nocheinebutton->setVisible(m_weiterGezeigt);
    nocheinebutton->setEnabled(false);
    SetFocus(Button13);

    m_aufgabe = ziehen();
    einer1 = m_aufgabe.a;
    einer2 = m_aufgabe.b;
    zielzahl = m_aufgabe.produkt();

    const DesignGrid g = raster();
    Stift t(titelbox->canvas(), g);
    t.stift(clGreen, 2);
    t.pinsel(clWhite);
    t.rechteck(1, 1, 199, 179);
    t.schrift(clBlue, 45);
    t.text(100, 25, QStringLiteral("kleines 1x1"));

    Stift a(agbox->canvas(), g);
    a.stift(clGreen, Round(2 * double(skala_x)));
    a.pinsel(clWhite);
    a.rechteck(5, 5, 445, 155);
    a.schrift(clBlue, 120);
    a.text(55, 20, QString::number(m_aufgabe.a));
    a.text(190, 20, QString::number(m_aufgabe.b));
    a.text(270, 20, QStringLiteral("="));
    a.text(365, 20, QStringLiteral("?"));
    a.stift(clBlue, 1);
    a.pinsel(clBlue);
    a.ellipse(116, 66, 128, 83);
    aufgabenstart = clockx::now();
}

void TForm71::eingabeGeaendert()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const DesignGrid g = raster();
    Stift t(titelbox->canvas(), g);
    t.stift(clWhite, 1);
    t.pinsel(clWhite);
    t.rechteck(3, 65, 196, 175);

    Stift a(agbox->canvas(), g);
    a.stift(clWhite, Round(2 * double(skala_x)));
    a.pinsel(clWhite);
    a.rechteck(300, 20, 440, 140);
    a.schrift(clBlue, 120);
    a.text(365, 20, ::eingabe.str());
}

void TForm71::antwortPruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const Urteil u = urteil(::eingabe, zielzahl);
    if (u != Urteil::richtig) {
        Stift t(titelbox->canvas(), raster());
        t.pinsel(clWhite);
        t.schrift(clRed, 30);
        t.text(100, 90, meldung(u));
        t.text(100, 130, kNeuRechnen);
        return;
    }
    aufgabennoetig = ::eingabe.length() + 1;
    m_weiterGezeigt = true;
    aufgabeAbschliessen(true, false);
    hilfenrahmen::uhrschritt();
    zeitbalken();
    // The bars may have ended the run.
    if (!isVisible()) return;
    haekchen();
    nocheinebutton->setEnabled(true);
    SetFocus(nocheinebutton);
}

void TForm71::haekchen()
{
    Stift s(canvas(), raster());
    s.stift(clRed, Round(5 * double(skala_x)));
    s.linie(545, 340, 565, 370);
    s.linie(565, 370, 645, 195);
}

void TForm71::ergbClick()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    zeigetasten = zeigetasten + 1;
    ergb->setCaption(QString::number(zielzahl));
    warteschleife();
    ergb->setCaption(kErgebnis);
    SetFocus(Button13);
}

void TForm71::hilfeGezaehlt()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfetasten = hilfetasten + 1;
}

void TForm71::StrahlbClick()
{
    hilfeGezaehlt();
    const DesignGrid g = raster();
    Stift s(strahlbox->canvas(), g);
    grundZeichnen(s.c, [](kl1d1::Skizze& k) { kl1d1::zahlenstrahl(k); });
    s.stift(clBlack, 1);
    for (const Flaeche& sprung : spruenge(m_aufgabe)) {
        s.flaeche(sprung, true);
        warteschleife();
    }
    SetFocus(Button13);
}

void TForm71::feldbClick()
{
    hilfeGezaehlt();
    const DesignGrid g = raster();
    Stift s(feldbox->canvas(), g);
    s.rahmen(0, 0, 233, 300, 2);
    s.schrift(clBlack, 20);
    grundZeichnen(s.c, [](kl1d1::Skizze& k) { kl1d1::gitter(k, kl1d1::kPunktfeld); });
    s.c.pen.width = 1;
    for (const Punktreihe& reihe : punktfeld(m_aufgabe)) {
        for (const Flaeche& p : reihe.punkte) {
            s.pinsel(p.farbe);
            s.ellipse(p.box.left(), p.box.top(), p.box.right(), p.box.bottom());
        }
        s.pinsel(clWhite);
        warteschleife();
        s.text(reihe.beschriftungOrt.x(), reihe.beschriftungOrt.y(), reihe.beschriftung);
    }
    SetFocus(Button13);
}

void TForm71::hundbClick()
{
    hilfeGezaehlt();
    const DesignGrid g = raster();
    Stift s(hundbox->canvas(), g);
    s.rahmen(0, 0, 223, 300, 2);
    grundZeichnen(s.c, [](kl1d1::Skizze& k) { kl1d1::gitter(k, kl1d1::kHunderterfeld); });
    // The squares keep the thick pen, in their group's colour, so that the groups stand out from the grid.
    for (const QVector<Flaeche>& gruppe : hunderterfeld(m_aufgabe)) {
        for (const Flaeche& q : gruppe)
            s.flaeche(q, true);
        warteschleife();
    }
    SetFocus(Button13);
}

void TForm71::kreuzbClick()
{
    hilfeGezaehlt();
    const DesignGrid g = raster();
    Stift s(kreuzbox->canvas(), g);
    s.rahmen(0, 0, 223, 300, 2);
    s.schrift(clBlack, 20);
    s.stift(clBlack, 1);
    const int a = m_aufgabe.a;
    const int b = m_aufgabe.b;
    for (int j = 1; j <= b; ++j) {
        s.pinsel(kleiderfarbe(j));
        s.vieleck(hose(j));
    }
    s.schrift(clBlack, 25);
    for (int i = 1; i <= a; ++i) {
        s.stift(clBlack, 1);
        s.pinsel(kleiderfarbe(i));
        s.vieleck(hemd(i));
        s.stift(kleiderfarbe(i), 1);
        for (int j = 1; j <= b; ++j)
            s.linie(hemdKragen(i).x(), hemdKragen(i).y(), hosenBund(j).x(), hosenBund(j).y());
        s.pinsel(clWhite);
        s.text(208, 10, QString::number(i));
        s.text(208, 138, QStringLiteral("x"));
        s.text(208, 264, QString::number(b));
        warteschleife();
    }
    SetFocus(Button13);
}

void TForm71::tippbClick()
{
    // Every tip press is a help press and an input, "kein Tipp" included, so that it never turns up as a
    // wrong input in the protocol.
    hilfeGezaehlt();
    const DesignGrid g = raster();
    Stift s(tippbox->canvas(), g);
    const int rand = Round(2 * double(skala_x));
    s.rahmen(kTipprahmenLinks, kTipprahmenOben, kTipprahmenRechts, kTipprahmenUnten, rand);
    const Tipp tp = tipp(m_aufgabe);
    for (const QLine& l : trennstriche(tp)) {
        // The frame's bottom line lies one pixel above its coordinate (a rectangle leaves out its bottom edge).
        const int ende = l.y2() == kTipprahmenUnten ? g.y(l.y2()) - 1 : g.y(l.y2());
        s.c.moveTo(g.x(l.x1()), g.y(l.y1()));
        s.c.lineTo(g.x(l.x2()), ende);
    }
    for (const Tipptext& t : tp.texte) {
        s.schrift(t.farbe, t.hoehe);
        s.text(t.x, t.y, t.text);
    }
    SetFocus(Button13);
}

hilfenrahmen::Protokollangaben TForm71::protokollangaben() const
{
    return kl1x1::protokollangaben(wahltext, hilfetasten, zeigetasten);
}

void TForm71::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) {
        hub->gruppeZeigen(hub->gb1x1);
        hub->fokus(hub->knopf(51));
    }
}
