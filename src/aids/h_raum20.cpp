#include "aids/h_raum20.h"

#include "aids/h_haupt.h"
#include "aids/h_raum20_logik.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"

TForm69::TForm69(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("+/-  im Raum 20"));
    setObjectName(QStringLiteral("Form69"));

    agbox = new PaintBox(this);
    place(agbox, 710, 20, 280, 400);

    // Digits and help only: no Enter (a typed digit is checked at once) and no backspace.
    Tastenfeld& tasten = tastenfeldAnlegen(Tastenfeld::Hilfetaste);
    Rechner = tasten.Rechner;
    Hilfebutton = tasten.Hilfebutton;

    vorgaben.endePlatz = QRect(750, 950, 200, 30);
    place(endebutton, 750, 950, 200, 30);
    Endebutton = endebutton;
    vorgaben.pausenlaenge = 1.5e-6;
    eingabe = Eingabetext(antwort);
}

// ---- Handlers ----

void TForm69::aktivieren()
{
    // The hub opens this window only with a pool and one of its codes; without them there is nothing to
    // practise.
    if (!raum20::codeBekannt(programmcode) || vorratsgroesse < 1) {
        Close();
        return;
    }
    Hilfenfenster::aktivieren();
}

void TForm69::hilfetaste()
{
    Hilfenfenster::hilfetaste();
    if (hilfeAufgebraucht()) SetFocus(nocheinebutton);
}

// ---- Routines ----

void TForm69::neueaufgabe()
{
    variante = raum20::typZiehen(programmcode);
    wahl3 = 0;
    wahl4 = 0;
    Hilfenfenster::neueaufgabe();
}

void TForm69::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(agbox, 710, 20, 280, 400);
}

void TForm69::aufgabeStellen()
{
    aufgabeziehen();
}

void TForm69::aufgabeziehen()
{
    raum20::ziehung();
    aufgabezeigen();
}

void TForm69::aufgabezeigen()
{
    m_aufgabe = raum20::aufgabe(variante, einer1, einer2);
    raum20::Zeichner(agbox->canvas(), skala_x, skala_y).titel(variante);
    raum20::Zeichner z = zeichner();
    z.arbeitsflaeche();
    z.aufgabenzeile(m_aufgabe);
    sollwert = m_aufgabe.sollwert;
    wieoft = raum20::typangaben(variante).wieoft;
    zwzahl6 = raum20::stellenzahl(sollwert);
    aufgabenstart = clockx::now();
    // No button holds the focus while the pupil types: Enter and the space bar then press nothing.
    setFocus(Qt::OtherFocusReason);
}

void TForm69::eingabeGeaendert()
{
    zifferzaehlen();
}

void TForm69::zifferzaehlen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    ziffernpruefung();
}

void TForm69::ziffernpruefung()
{
    raum20::Zeichner z = zeichner();
    z.meldungLoeschen();
    const raum20::Pruefergebnis r = raum20::ziffernpruefung(sollwert, antwort);
    switch (r.art) {
    case raum20::Pruefung::zehnerZuerst:
        z.zehnerZuerst();
        hilfestufe = shortint(hilfestufe + 1);
        hilfeschritt();
        antwort = QString();
        break;
    case raum20::Pruefung::geloest:
        geloest();
        break;
    case raum20::Pruefung::falsch:
        antwort = r.antwort;
        hilfestufe = shortint(hilfestufe + 1);
        hilfeschritt();
        break;
    case raum20::Pruefung::zehnerRichtig:
        z.zehnerziffer(antwort);
        break;
    }
    if (hilfeAufgebraucht()) aufgabeVorbei();
}

void TForm69::geloest()
{
    // The whole picture; its pauses are skipped, as the typed answer is the right one.
    for (int i = 1; i <= wieoft; ++i) {
        hilfestufe = shortint(i);
        hilfeschritt();
    }
    hilfenrahmen::uhrschritt();
    KeyPreview = false;
    Rechner->setEnabled(false);
    m_imGeloest = true;
    zeitbalken();
    m_imGeloest = false;
    eingabenrichtig = eingabenrichtig + zwzahl6;
    nocheinebutton->show();
    SetFocus(nocheinebutton);
    zeichner().haken(variante);
}

// The task is over: solved, or the help is used up. It is counted; only a solved one has right inputs.
void TForm69::aufgabeVorbei()
{
    aufgabeAbschliessen(false, false);
    SetFocus(nocheinebutton);
}

void TForm69::hilfeschritt()
{
    zeichner().hilfeschritt(m_aufgabe, hilfestufe, [this] {
        // Animated while the pupil is being helped; drawn at once when a solved task completes its picture.
        if (antwort.str() != QString::number(sollwert)) warteschleife();
    });
}

bool TForm69::hilfeAufgebraucht() const
{
    return hilfestufe >= wieoft;
}

bool TForm69::automatischesEndeErlaubt() const
{
    return !m_imGeloest;
}

hilfenrahmen::Protokollangaben TForm69::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = raum20::programmtitel(programmcode);
    // The type of the task shown last, even when the run ended while the next one was being chosen.
    const int gezeigt = m_aufgabe.variante != 0 ? m_aufgabe.variante : variante;
    const raum20::Zeilen45 z = raum20::protokollzeilen45(gezeigt, wahltext);
    a.zeile4 = z.zeile4;
    a.zeile5 = z.zeile5;
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
    a.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    return a;
}

void TForm69::nachDemEnde()
{
    const raum20::Hubfokus f = raum20::hubfokus(programmcode);
    TForm63* hub = hilfenhub();
    if (!hub || !f.knopf) return;
    if (f.gbRaum20Zeigen) hub->gruppeZeigen(hub->gbRaum20);
    hub->fokus(hub->knopf(programmcode));
}

raum20::Zeichner TForm69::zeichner()
{
    return raum20::Zeichner(canvas(), skala_x, skala_y);
}
