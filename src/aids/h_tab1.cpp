#include "aids/h_tab1.h"

#include "aids/h_haupt.h"
#include "aids/h_tab1_druck.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"

using namespace tab1;

namespace {
const QString kDruckCaption = QStringLiteral("&Arbeitsblatt drucken?");
} // namespace

TForm70::TForm70(QWidget* parent)
    : Hilfenfenster(parent)
{
    setObjectName(QStringLiteral("Form70"));
    setCaption(QStringLiteral("Rechnen in Tabellen"));
    // The set-up runs when the hub shows the window; closing the protocol dialog starts no new run.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("&weiter");
    vorgaben.nocheinePlatz = { 750, 440, 200, 45 };
    vorgaben.endePlatz = { 750, 950, 200, 30 };
    vorgaben.endeSchriftgroesse = 14;
    eingabe = Eingabetext(::eingabe);

    rahmenknoepfeBenennen(weiterbutton, Endebutton);
    weiterbutton->Default = false;
    weiterbutton->hide();
    weiterbutton->OnClick = [this] { weiterbuttonClick(); };

    Button10 = new Button(this, kDruckCaption, 750, 440, 200, 45);
    Button10->setObjectName(QStringLiteral("Button10"));
    applyFontSize(Button10, QStringLiteral("MS Sans Serif"), 17);
    Button10->OnClick = [this] { Button10Click(); };

    agbox = new PaintBox(this);
    agbox->setObjectName(QStringLiteral("agbox"));
    place(agbox, 710, 20, 280, 400);
    Tabellenbox = new PaintBox(this);
    Tabellenbox->setObjectName(QStringLiteral("Tabellenbox"));

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste);
    t.anordnung.rechner = { 750, 500, 200, 320 };
    Rechner = t.Rechner;
    Rechner->setObjectName(QStringLiteral("Rechner"));
    t.Button13->Default = true;
}

// ---- Handlers ----

void TForm70::aktivieren()
{
    // The hub opens this window only with one of the table codes.
    if (!istTabellencode(programmcode)) {
        Close();
        return;
    }
    m_hubaufgaben = mindestaufgaben;
    m_hubvariante = variante;
    m_gefragt = false;
    tabellengroesse(programmcode);
    // The table of the last run may have been bigger; nothing of it may show around this one.
    surface().clear();
    update();
    Hilfenfenster::aktivieren();
}

void TForm70::weiterbuttonClick()
{
    weiterbutton->hide();
    Rechner->setEnabled(true);
    KeyPreview = true;
    zellrechteck(clTeal, 5, clTeal);
    Canvas& a = agbox->canvas();
    a.pen = Pen { clWhite, 1 };
    a.brush = Brush { clWhite };
    a.rectangle(sx(5), sy(280), sx(270), sy(385));
    andereZelle(wahl3 != 0);
    sollwert = m_tabelle.art.rechenart == Rechenart::durch ? 1 : 3;
    zelleZeigen();
    // The hidden "weiter" had the focus; Enter now belongs to the keypad again, not to whatever Qt chose.
    SetFocus(tastenfeld->Button13);
}

void TForm70::Button10Click()
{
    if (Button10->caption() != kDruckCaption) return;
    drucken(aktuellesBlatt());
}

// ---- Routines ----

void TForm70::neueaufgabe()
{
    sollwert = programmcode == 64 ? 1 : 3;
    Hilfenfenster::neueaufgabe();
}

void TForm70::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.fontSize(weiterbutton, 20);
    g.place(Button10, 750, 440, 200, 45);
    g.fontSize(Button10, 17);
    g.place(agbox, 710, 20, 280, 400);
    const double w = (tabspaltenzahl + 1) * zellbreite;
    const double h = (tabzeilenzahl + 1) * zellhoehe;
    g.place(Tabellenbox, 357 - w / 2, 505 - h / 2, w, h);
}

void TForm70::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    Button10->setCaption(kDruckCaption);
    Button10->show();
    // A run that ended during a wrong answer must not leave "weiter" over the print button.
    weiterbutton->hide();
    weiterbutton->setEnabled(false);
}

void TForm70::aufgabeStellen()
{
    SetFocus(tastenfeld->Button13);
    titelZeichnen();
    tabelleZeichnen();
    if (vorratsgroesse >= 1)
        zelleZeigen();
    else
        keineEingaben();
}

void TForm70::eingabeGeaendert()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    Button10->hide();
    Canvas& c = Tabellenbox->canvas();
    c.pen = Pen { clWhite, 5 };
    c.brush = Brush { clWhite };
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    const int b = zellbreite;
    const int h = zellhoehe;
    const int y = oben() + (h - 55) / 2;
    if (m_tabelle.art.rechenart != Rechenart::durch) {
        c.font.height = sy(48);
        c.rectangle(sx(links() + 5), sy(oben() + 8), sx(links() + b - 5), sy(oben() + h - 8));
        c.textOut(sx(mitte()), sy(y), ::eingabe);
        return;
    }
    c.font.height = sy(45);
    switch (sollwert) {
    case 1:
        c.rectangle(sx(links() + 5), sy(oben() + 8), sx(links() + b - 5), sy(oben() + 70));
        c.textOut(sx(mitte()), sy(y - 35), ::eingabe);
        break;
    case 2:
        c.rectangle(sx(links() + 5), sy(oben() + 85), sx(links() + b - 60), sy(oben() + h - 8));
        c.textOut(sx(mitte() - 25), sy(y + 37), ::eingabe);
        break;
    default:
        c.rectangle(sx(links() + 60), sy(oben() + 85), sx(links() + b - 10), sy(oben() + h - 8));
        c.textOut(sx(mitte() + 25), sy(y + 37), ::eingabe);
        break;
    }
}

void TForm70::antwortPruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const Rechenart art = m_tabelle.art.rechenart;
    zielzahl = schrittziel(art, tabzahl1, tabzahl2, sollwert);
    const Pruefung p = pruefen(art, tabzahl1, tabzahl2, sollwert, ::eingabe);
    switch (p.urteil) {
    case Urteil::geloest:
        anzahl = anzahl + 1;
        eingabengesamt = eingabengesamt + aufgabeneingaben;
        aufgabeneingaben = 0;
        hilfenrahmen::uhrschritt();
        zeitbalken();
        eingabenrichtig = eingabenrichtig + richtigeEingaben(art, tabzahl1, tabzahl2, ::eingabe);
        loesungZeichnen();
        if (!naechsteZelle(wahl3 != 0)) {
            Endebutton->Click();
            return;
        }
        zelleZeigen();
        break;
    case Urteil::naechsterSchritt: {
        sollwert = sollwert + 1;
        ::eingabe = QString();
        // The zero key is judged by the number this step expects.
        zielzahl = schrittziel(art, tabzahl1, tabzahl2, sollwert);
        fragezeichen(sollwert == 2 ? mitte() - 30 : mitte() + 30, oben() + (zellhoehe - 55) / 2 + 37);
        break;
    }
    case Urteil::falsch:
        meldungZeichnen(p);
        Rechner->setEnabled(false);
        KeyPreview = false;
        weiterbutton->show();
        weiterbutton->setEnabled(true);
        SetFocus(weiterbutton);
        break;
    }
}

bool TForm70::nullAblehnen() const
{
    return ::eingabe == "0" && zielzahl != 0;
}

hilfenrahmen::Protokollangaben TForm70::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = programmtitel(programmcode, variante);
    a.zeile4 = zeile4(programmcode, variante, wahltext);
    a.zeile5 = zeile5(wahl4, wahl3);
    return a;
}

void TForm70::nachDemEnde()
{
    // The askable cells were this run's goal only, and the 8 x 8 tables force their task kind: the hub's own
    // goal and choice hold again.
    mindestaufgaben = m_hubaufgaben;
    variante = m_hubvariante;
    TForm63* hub = hilfenhub();
    if (!hub) return;
    hub->gruppeZeigen(hub->gbTabellen);
    hub->fokus(hub->knopf(programmcode));
}

// ---- Drawing ----

int TForm70::sx(double x) const
{
    return raster().x(x);
}

int TForm70::sy(double y) const
{
    return raster().y(y);
}

void TForm70::titelZeichnen()
{
    Canvas& c = agbox->canvas();
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(sx(1), sy(1), sx(275), sy(400));
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    for (const Titelzeile& z : titel(programmcode, variante)) {
        c.font.height = sy(z.hoehe);
        c.textOut(sx(137), sy(z.y), z.text);
    }
    if (programmcode != 64) return;
    c.font.height = sy(45);
    c.font.color = clGreen;
    c.textOut(sx(137), sy(160), QStringLiteral("was lässt sich teilen?"));
    c.textOut(sx(70), sy(220), QStringLiteral("Ergebnis?"));
    c.textOut(sx(205), sy(220), QStringLiteral("Rest?"));
    c.pen = Pen { clGreen, 7 };
    c.moveTo(sx(10), sy(212));
    c.lineTo(sx(265), sy(212));
    c.moveTo(sx(145), sy(212));
    c.lineTo(sx(145), sy(265));
}

void TForm70::tabelleZeichnen()
{
    raenderBilden(programmcode);
    m_tabelle = zellenBilden(programmcode);
    const Tabellenart& art = m_tabelle.art;
    const int b = zellbreite;
    const int h = zellhoehe;
    const int w = (m_tabelle.spalten + 1) * b;
    const int hh = (m_tabelle.zeilen + 1) * h;

    Canvas& c = Tabellenbox->canvas();
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clTeal, 1 };
    c.brush = Brush { clTeal };
    c.rectangle(sx(1), sy(1), sx(w), sy(hh));
    c.pen = Pen { clGradientActiveCaption, 2 };
    c.brush = Brush { clGradientActiveCaption };
    c.rectangle(sx(1), sy(1), sx(b), sy(hh));
    c.rectangle(sx(1), sy(1), sx(w), sy(h));
    const auto linie = [&](int x1, int y1, int x2, int y2) {
        c.moveTo(sx(x1), sy(y1));
        c.lineTo(sx(x2), sy(y2));
    };
    c.pen = Pen { clWhite, 2 };
    for (int k = 1; k <= m_tabelle.spalten; ++k)
        linie(k * b, 0, k * b, 995);
    for (int k = 1; k <= m_tabelle.zeilen; ++k)
        linie(0, k * h, 700, k * h);
    c.pen = Pen { clWhite, 5 };
    linie(b, 0, b, 995);
    linie(0, h, 700, h);

    c.font.name = QStringLiteral("arial");
    c.font.color = clWhite;
    c.font.height = sy(art.randschrift);
    c.textOut(sx(art.zeichenPlatz.x()), sy(art.zeichenPlatz.y()), art.zeichen);
    for (int k = 1; k <= m_tabelle.spalten; ++k)
        c.textOut(
            sx(k * b + (b - 57) / 2 + 28), sy((h - 81) / 2 + 15), QString::number(m_tabelle.spaltenzahlen[k - 1]));
    for (int k = 1; k <= m_tabelle.zeilen; ++k)
        c.textOut(sx((b - 57) / 2 + 28), sy(k * h + 15 + (h - 81) / 2), QString::number(m_tabelle.zeilenzahlen[k - 1]));

    // Cells that are not asked say so, on the ground of the table.
    c.brush = Brush { clTeal };
    const bool teilen = art.rechenart == Rechenart::durch;
    for (int r = 0; r < m_tabelle.zeilen; ++r)
        for (int s = 0; s < m_tabelle.spalten; ++s)
            if (!m_tabelle.zelleGefragt(r, s))
                c.textOut(
                    sx((s + 1) * b + (teilen ? 60 : 30)), sy((r + 1) * h + (teilen ? 47 : 17)), QStringLiteral("---"));
    c.brush = Brush { clWhite };
}

void TForm70::zelleZeigen()
{
    m_zelle = zerlegen(aufgabenliste[nummer]);
    m_gefragt = true;
    tabzeile = m_zelle.zeile;
    tabspalte = m_zelle.spalte;
    tabzahl1 = m_zelle.a;
    tabzahl2 = m_zelle.b;
    zellrechteck(clWhite, 5, clWhite);
    const bool teilen = m_tabelle.art.rechenart == Rechenart::durch;
    if (teilen) schemaZeichnen(clTeal, 5);
    fragezeichen(mitte(), oben() + (zellhoehe - 61) / 2 - (teilen ? 35 : 0));
    ::eingabe = QString();
    zielzahl = schrittziel(m_tabelle.art.rechenart, tabzahl1, tabzahl2, teilen ? 1 : 3);
}

void TForm70::loesungZeichnen()
{
    zellrechteck(clTeal, 5, clTeal);
    Canvas& c = Tabellenbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.color = clWhite;
    c.font.height = sy(48);
    const int y = oben() + (zellhoehe - 55) / 2;
    const Rechenart art = m_tabelle.art.rechenart;
    if (art != Rechenart::durch) {
        c.textOut(sx(mitte()), sy(y), QString::number(ergebnis(art, tabzahl1, tabzahl2)));
        return;
    }
    sollwert = 1;
    schemaZeichnen(clWhite, 2);
    c.textOut(sx(mitte()), sy(y - 35), QString::number(schrittziel(art, tabzahl1, tabzahl2, 1)));
    c.textOut(sx(mitte() - 30), sy(y + 37), QString::number(schrittziel(art, tabzahl1, tabzahl2, 2)));
    c.textOut(sx(mitte() + 30), sy(y + 37), QString::number(schrittziel(art, tabzahl1, tabzahl2, 3)));
}

void TForm70::meldungZeichnen(const Pruefung& p)
{
    Canvas& c = agbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush = Brush { clWhite };
    c.font.name = QStringLiteral("arial");
    c.font.color = clRed;
    if (p.zahlendreher) {
        c.font.height = sy(64);
        c.textOut(sx(140), sy(280), p.meldung);
    } else if (m_tabelle.art.rechenart == Rechenart::durch) {
        c.font.height = sy(50);
        c.textOut(sx(140), sy(300), p.meldung);
    } else {
        c.font.height = sy(64);
        c.textOut(sx(140), sy(270), p.meldung);
    }
}

void TForm70::schemaZeichnen(const QColor& farbe, int breite)
{
    Canvas& c = Tabellenbox->canvas();
    c.pen = Pen { farbe, breite };
    const int y = oben() + 78;
    c.moveTo(sx(links() + 10), sy(y));
    c.lineTo(sx(links() + zellbreite - 10), sy(y));
    const double x = m_zelle.spalte * zellbreite + 1.5 * zellbreite;
    c.moveTo(sx(x), sy(y));
    c.lineTo(sx(x), sy(oben() + 145));
    c.pen = Pen { clWhite, 5 };
}

void TForm70::fragezeichen(int x, int y)
{
    Canvas& c = Tabellenbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush = Brush { clWhite };
    c.font.name = QStringLiteral("arial");
    c.font.color = clRed;
    c.font.height = sy(50);
    c.textOut(sx(x), sy(y), QStringLiteral("?"));
}

void TForm70::zellrechteck(const QColor& stift, int breite, const QColor& fuellung)
{
    if (!m_gefragt) return;
    Canvas& c = Tabellenbox->canvas();
    c.pen = Pen { stift, breite };
    c.brush = Brush { fuellung };
    c.rectangle(sx(links() + 5), sy(oben() + 8), sx(links() + zellbreite - 5), sy(oben() + zellhoehe - 8));
}

// A table without an askable cell asks nothing: only printing and the end button act.
void TForm70::keineEingaben()
{
    m_gefragt = false;
    Rechner->setEnabled(false);
    KeyPreview = false;
}
