#include "aids/h_1d1.h"

#include "aids/h_1d1_bilder.h"
#include "aids/h_haupt.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"

using namespace kl1d1;

namespace {

struct Hilfeknopf {
    Button* TForm72::*knopf;
    const char* name;
    const char* caption;
    int left, top;
    bool fett;
};

const Hilfeknopf kHilfeknoepfe[] = {
    { &TForm72::Strahlb, "Strahlb", "&Strahl", 10, 45, false },
    { &TForm72::ergb, "ergb", "&Ergebnis", 105, 45, false },
    { &TForm72::aufteilbutton, "aufteilbutton", "&aufteilen", 10, 98, true },
    { &TForm72::verteilbutton, "verteilbutton", "&verteilen", 105, 98, true },
    { &TForm72::feldb, "feldb", "&Feld", 10, 150, false },
    { &TForm72::hundb, "hundb", "&Hunderter", 105, 150, false },
};

struct Boxplatz {
    PaintBox* TForm72::*box;
    const char* name;
    int left, top, width, height;
};

const Boxplatz kBoxen[] = {
    { &TForm72::strahlbox, "strahlbox", 10, 10, 730, 285 },
    { &TForm72::agbox, "agbox", 10, 205, 730, 170 },
    { &TForm72::feldbox, "feldbox", 15, 380, 250, 300 },
    { &TForm72::avhundbox, "avhundbox", 275, 380, 233, 300 },
    { &TForm72::hundbox, "hundbox", 510, 380, 233, 300 },
    { &TForm72::aufteilbox, "aufteilbox", 10, 693, 370, 280 },
    { &TForm72::verteilbox, "verteilbox", 390, 693, 350, 280 },
    { &TForm72::titelbox, "titelbox", 750, 10, 200, 180 },
};

} // namespace

TForm72::TForm72(QWidget* parent)
    : Hilfenfenster(parent)
{
    setObjectName(QStringLiteral("Form72"));
    setCaption(QStringLiteral("1 : 1"));
    // A window opened from here (the protocol dialog) gives the focus back without a new run.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.endePlatz = { 750, 950, 200, 30 };
    vorgaben.pausenlaenge = 1e-5;
    eingabe = Eingabetext(m_antwort);

    for (const Boxplatz& b : kBoxen) {
        auto* box = new PaintBox(this);
        box->setObjectName(QLatin1String(b.name));
        place(box, b.left, b.top, b.width, b.height);
        this->*b.box = box;
    }

    hilfenpanel = new Panel(this, 750, 210, 200, 200);
    hilfenpanel->setObjectName(QStringLiteral("hilfenpanel"));
    Form::setColor(hilfenpanel, clMoneyGreen);
    Label1 = new Label(hilfenpanel, QStringLiteral("Hilfen"), 75, 8);
    Label1->setObjectName(QStringLiteral("Label1"));
    applyFont(Label1, QStringLiteral("MS Sans Serif"), 30);
    for (const Hilfeknopf& k : kHilfeknoepfe) {
        auto* b = new Button(hilfenpanel, QString::fromUtf8(k.caption), k.left, k.top, 85, 40);
        b->setObjectName(QLatin1String(k.name));
        applyFont(b, QStringLiteral("MS Sans Serif"), 25, k.fett ? FontStyles(FontStyle::Bold) : FontStyles(0));
        this->*k.knopf = b;
    }
    ergb->OnClick = [this] { ergbClick(); };
    Strahlb->OnClick = [this] { StrahlbClick(); };
    feldb->OnClick = [this] { feldbClick(); };
    hundb->OnClick = [this] { hundbClick(); };
    aufteilbutton->OnClick = [this] { aufteilbuttonClick(); };
    verteilbutton->OnClick = [this] { verteilbuttonClick(); };

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste);
    Rechner = t.Rechner;
    Rechner->setObjectName(QStringLiteral("Rechner"));
    Button13 = t.Button13;
    Button13->Default = true;
    Button14 = t.Button14;
    for (int d = 0; d <= 9; ++d)
        t.ziffer(d)->setObjectName(QStringLiteral("Button%1").arg(d));
    Button13->setObjectName(QStringLiteral("Button13"));
    Button14->setObjectName(QStringLiteral("Button14"));

    nocheinebutton->setObjectName(QStringLiteral("nocheinebutton"));
    nocheinebutton->setCaption(vorgaben.nocheineCaption);
    zeitagbox->setObjectName(QStringLiteral("zeitagbox"));
    Endebutton = endebutton;
    Endebutton->setObjectName(QStringLiteral("Endebutton"));
    place(Endebutton, 750, 950, 200, 30);
}

// ---- Handlers ----

void TForm72::aktivieren()
{
    // The hub opens this window only with a pool; without one there is nothing to practise.
    if (vorratsgroesse < 1) {
        Close();
        return;
    }
    Hilfenfenster::aktivieren();
}

void TForm72::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    for (const Boxplatz& b : kBoxen)
        g.place(this->*b.box, b.left, b.top, b.width, b.height);
    g.place(hilfenpanel, 750, 210, 200, 200);
    g.fontHeight(Label1, 30);
    Label1->move(g.x(75), g.y(8));
    for (const Hilfeknopf& k : kHilfeknoepfe) {
        g.place(this->*k.knopf, k.left, k.top, 85, 40);
        g.fontHeight(this->*k.knopf, 25);
    }
}

void TForm72::ergbClick()
{
    aufgabeneingaben = aufgabeneingaben + 2;
    zeigetasten = zeigetasten + 1;
    ergb->setCaption(ergebnistext(m_aufgabe));
    warteschleife();
    ergb->setCaption(QStringLiteral("&Ergebnis"));
    SetFocus(Button13);
}

void TForm72::StrahlbClick()
{
    hilfebild(strahlbild(m_aufgabe, m_phase));
}

void TForm72::feldbClick()
{
    hilfebild(feldbild(m_aufgabe, m_phase));
}

void TForm72::hundbClick()
{
    hilfebild(hunderterbild(m_aufgabe, m_phase));
}

void TForm72::aufteilbuttonClick()
{
    hilfebild(aufteilbild(m_aufgabe, m_phase));
}

void TForm72::verteilbuttonClick()
{
    hilfebild(verteilbild(m_aufgabe, m_phase));
}

// ---- Routines ----

void TForm72::neueaufgabe()
{
    // The whole work area goes, whatever the screen: no picture, tick or hint of the last task stays.
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.brush.color = clBtnFace;
    c.brush.style = BrushStyle::Solid;
    c.fillRect(0, 0, raster().x(1000), raster().y(1000));
    m_phase = kQuotientPhase;
    Hilfenfenster::neueaufgabe();
}

void TForm72::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    hilfenpanel->setEnabled(true);
}

void TForm72::eingabenSperren()
{
    Hilfenfenster::eingabenSperren();
    nocheinebutton->setEnabled(true);
    hilfenpanel->setEnabled(false);
}

void TForm72::aufgabeStellen()
{
    SetFocus(Button13);
    // The next-task button stays in its place, only switched off while the task is open.
    nocheinebutton->show();
    nocheinebutton->setEnabled(false);
    if (const auto a = ziehung(wahl4 == 1)) aufgabeZeigen(*a);
}

void TForm72::aufgabeZeigen(const Aufgabe& aufgabe)
{
    m_aufgabe = aufgabe;
    einer1 = aufgabe.divisor;
    einer2 = aufgabe.quotient;
    zielzahl = aufgabe.dividend;
    zeichnen(aufgabenbild(aufgabe));
    aufgabenstart = clockx::now();
}

void TForm72::eingabeGeaendert()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    zeichnen(hinweisLoeschen());
    zeichnen(eingabebild(m_phase, m_antwort));
}

bool TForm72::nullAblehnen() const
{
    // No dividend, quotient or remainder of this aid is 0, so no answer begins with 0.
    return m_antwort.isEmpty();
}

void TForm72::antwortPruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    switch (pruefen(m_aufgabe, m_phase, StrToInt(m_antwort))) {
    case Urteil::falsch:
        zeichnen(hinweis());
        break;
    case Urteil::quotientRichtig:
        zeichnen(haken(m_phase));
        warteschleife();
        m_phase = kRestPhase;
        m_antwort = QString();
        zeichnen(restfrage(m_aufgabe));
        break;
    case Urteil::geloest:
        zeichnen(haken(m_phase));
        geloest();
        break;
    }
}

void TForm72::geloest()
{
    aufgabennoetig = noetigeEingaben(m_aufgabe);
    aufgabeAbschliessen(true, true);
    if (!isVisible()) return;
    // Enter now asks for the next task.
    SetFocus(nocheinebutton);
}

void TForm72::hilfebild(const Bild& bild)
{
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfetasten = hilfetasten + 1;
    zeichnen(bild, true);
    SetFocus(Button13);
}

void TForm72::zeichnen(const Bild& bild, bool mitPausen)
{
    for (const Schritt& s : bild) {
        schrittZeichnen(box(s.box)->canvas(), s, skala_x, skala_y);
        if (mitPausen && pausiert(s.pause, m_phase)) warteschleife();
    }
}

PaintBox* TForm72::box(Box b) const
{
    switch (b) {
    case Box::titel:
        return titelbox;
    case Box::aufgabe:
        return agbox;
    case Box::strahl:
        return strahlbox;
    case Box::feld:
        return feldbox;
    case Box::hund:
        return hundbox;
    case Box::avhund:
        return avhundbox;
    case Box::aufteil:
        return aufteilbox;
    case Box::verteil:
        return verteilbox;
    }
    return titelbox;
}

hilfenrahmen::Protokollangaben TForm72::protokollangaben() const
{
    return kl1d1::protokollangaben(wahl4, wahltext, hilfetasten, zeigetasten);
}

void TForm72::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) hub->fokus(hub->Button55);
}
