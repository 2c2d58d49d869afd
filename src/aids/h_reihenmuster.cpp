#include "aids/h_reihenmuster.h"

#include "aids/h_haupt.h"
#include "aids/zahlendreher.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"

using namespace reihenmuster;

TForm73::TForm73(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("Reihen und Muster"));
    setObjectName(QStringLiteral("Form73"));
    // The set-up runs when the hub shows the window, not again when the protocol dialog closes.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.nocheinePlatz = { 750, 440, 200, 45 };
    vorgaben.endePlatz = { 750, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 750, 835, 200, 100 };
    // The protocol gives the working time up to the last series completed.
    vorgaben.endzeitNehmen = false;
    eingabe = Eingabetext(m_eingabe);

    titelbox = new PaintBox(this);
    titelbox->setObjectName(QStringLiteral("titelbox"));
    place(titelbox, 750, 10, 200, 410);

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste);
    t.anordnung.rechner = { 750, 500, 200, 320 };
    Rechner = t.Rechner;
    Rechner->setObjectName(QStringLiteral("Rechner"));
    Button13 = t.Button13;
    Button14 = t.Button14;

    rahmenknoepfeBenennen(weiterbutton, Endebutton);
}

// ---- Handlers ----

void TForm73::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(titelbox, 750, 10, 200, 410);
}

bool TForm73::nullAblehnen() const
{
    return m_eingabe.isEmpty() && m_zielzahl != 0;
}

hilfenrahmen::Protokollangaben TForm73::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("Reihen und Muster im 100er-Feld");
    a.zeile4 = zeile4(m_optionen);
    a.zeile5 = zeile5(m_optionen);
    return a;
}

void TForm73::nachDemEnde()
{
    TForm63* hub = hilfenhub();
    if (!hub) return;
    if (programmcode == 40) {
        hub->gruppeZeigen(hub->gbpm100);
        hub->fokus(hub->Button60);
    } else {
        hub->gruppeZeigen(hub->gb1x1);
        hub->fokus(hub->Button52);
    }
}

// ---- Routines ----

void TForm73::neueaufgabe()
{
    // The options are read for every series; the hub's own values stay as they are.
    m_optionen = { wahl7, wahl1, wahl5 };
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.brush = Brush { clBtnFace };
    c.fillRect(0, 0, g.x(1000), g.y(1000));
    m_wahl6 = 0;
    m_zwbyte1 = false;
    Hilfenfenster::neueaufgabe();
}

void TForm73::aufgabeStellen()
{
    m_reihe = reiheZiehen(m_optionen);
    titelzeichnen();
    feldzeichnen();
    // No button holds the focus while the pupil types: Enter reaches the form's key handler.
    setFocus(Qt::OtherFocusReason);
}

void TForm73::titelzeichnen()
{
    const DesignGrid g = raster();
    Canvas& c = titelbox->canvas();
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(1), g.y(1), g.x(199), g.y(409));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    c.font.height = g.y(45);
    c.textOut(g.x(100), g.y(25), QStringLiteral("setze"));
    c.textOut(g.x(100), g.y(75), QStringLiteral("die Reihe"));
    c.textOut(g.x(100), g.y(125), QStringLiteral("fort:"));
    c.font.height = g.y(55);
    c.textOut(g.x(100), g.y(200), QStringLiteral("immer"));
    c.font.height = g.y(75);
    c.textOut(
        g.x(100), g.y(270), reihenmuster::zeichen(m_optionen) + u' ' + QString::number(m_optionen.schrittweite()));
}

void TForm73::feldzeichnen()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clBtnFace, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(990));
    c.pen = Pen { clGreen, 2 };
    for (int k = 0; k <= 10; ++k) {
        c.moveTo(g.x(42 + 54 * k), g.y(100));
        c.lineTo(g.x(42 + 54 * k), g.y(880));
        c.moveTo(g.x(42), g.y(100 + 78 * k));
        c.lineTo(g.x(582), g.y(100 + 78 * k));
    }
    // The quarters of the field.
    c.pen.width = 4;
    c.moveTo(g.x(312), g.y(85));
    c.lineTo(g.x(312), g.y(897));
    c.moveTo(g.x(30), g.y(490));
    c.lineTo(g.x(593), g.y(490));

    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.brush = Brush { clWhite };
    c.textOut(g.x(635), g.y(116), QString::number(m_reihe.start));

    m_zielzahl = m_reihe.start;
    rahmen(m_zielzahl, true);
    m_wahl6 = 1;
    fragezeichen(m_wahl6);
    m_zielzahl = m_reihe.start + m_reihe.schritt;
}

void TForm73::fragezeichen(int w)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.brush = Brush { clWhite };
    c.textOut(g.x(635), g.y(78 * w + 116), QStringLiteral(" ? "));
}

void TForm73::rahmen(int n, bool blau)
{
    if (n < 1 || n > 100) return;
    const DesignGrid g = raster();
    const QPoint z = zelle(n);
    const int x = 54 * z.x(), y = 78 * z.y();
    Canvas& c = canvas();
    c.brush = Brush { clWhite };
    if (blau) {
        c.pen = Pen { clBlue, g.x(5) };
        c.rectangle(g.x(x - 8), g.y(y + 106), g.x(x + 39), g.y(y + 174));
    } else {
        c.pen = Pen { clRed, g.x(2) };
        c.rectangle(g.x(x - 3), g.y(y + 113), g.x(x + 33), g.y(y + 165));
    }
}

void TForm73::feldzahlen(const QColor& farbe)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(30);
    c.font.color = farbe;
    const int typ = m_zwbyte1 && !m_eingabe.isEmpty() ? m_eingabe.str().toInt() : -1;
    for (int n = 1; n <= 100; ++n) {
        const QPoint z = zelle(n);
        c.brush = Brush { n == typ ? clYellow : clWhite };
        c.textOut(g.x(54 * z.x() + 15), g.y(78 * z.y() + 124), QString::number(n));
    }
}

void TForm73::eingabeGeaendert()
{
    const DesignGrid g = raster();
    feldzahlen(clWhite);
    Canvas& t = titelbox->canvas();
    t.pen = Pen { clWhite, 1 };
    t.brush = Brush { clWhite };
    t.rectangle(g.x(5), g.y(340), g.x(195), g.y(400));

    aufgabeneingaben = aufgabeneingaben + 1;
    const int w = m_wahl6;
    Canvas& c = canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(597), g.y(78 * w + 96), g.x(685), g.y(78 * w + 156));
    if (m_eingabe.isEmpty()) {
        fragezeichen(w);
        return;
    }
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(30);
    c.font.color = clBlue;
    c.textOut(g.x(638), g.y(78 * w + 116), m_eingabe);
}

void TForm73::antwortPruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const int getippt = StrToInt(m_eingabe);
    if (getippt == m_zielzahl) {
        rahmen(m_zielzahl, true);
        aufgabennoetig = aufgabennoetig + m_eingabe.length() + 1;
        m_zielzahl += m_reihe.schritt;
        m_eingabe = QString();
        m_wahl6 += 1;
        if (m_wahl6 < kGlieder) fragezeichen(m_wahl6);
    } else {
        const DesignGrid g = raster();
        Canvas& t = titelbox->canvas();
        t.pen = Pen { clWhite, 1 };
        t.brush = Brush { clWhite };
        t.setTextAlign(TextAlign::Center | TextAlign::Top);
        t.font.name = QStringLiteral("arial");
        t.font.height = g.y(40);
        t.font.color = clRed;
        t.textOut(g.x(100), g.y(350),
            zahlendreher::ausEingabe(m_eingabe, m_zielzahl) ? zahlendreher::meldung : QStringLiteral("rechne neu!"));
        // The numbers of the field as a help, the typed one marked; the digits stay until deleted.
        m_zwbyte1 = true;
        feldzahlen(clGreen);
        m_zwbyte1 = false;
    }
    if (m_wahl6 < kGlieder) return;

    // The series is complete: the pattern of every number with its remainder.
    m_wahl6 = 11;
    for (int n : muster(m_zielzahl, m_optionen.schrittweite()))
        rahmen(n, false);
    feldzahlen(clGreen);
    aufgabeAbschliessen(true, true);
    SetFocus(weiterbutton);
}
