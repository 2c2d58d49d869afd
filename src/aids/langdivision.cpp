#include "aids/langdivision.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

Langdivisionfenster::Langdivisionfenster(QWidget* parent)
    : Schriftfenster(parent)
{
    schriftvorgaben.abwaerts = false;
    schriftvorgaben.meldeStift = 1;
    schriftvorgaben.feldPlatz = { 10, 10, 790, 750 };
}

// ---- Handlers ----

void Langdivisionfenster::zeichenEingeben(QChar zeichen)
{
    if (m_schritte.geloest()) return;
    meldungLoeschen();
    aufgabeneingaben = aufgabeneingaben + 1;
    const int s = m_schritte.schrittzeiger;
    if (zeichen == m_plan.soll(s)) {
        eintragen(s, zeichen);
        aufgabennoetig = aufgabennoetig + 1;
        m_schritte.schrittzeiger = m_plan.naechster(s);
        weitergerueckt(s, m_schritte.schrittzeiger);
    } else {
        const langdivision::Meldung m = meldungFuer(s, zeichen);
        meldungZeichnen(langdivision::meldungsbild(m, zeichen));
        if (!m.gezaehlt) aufgabeneingaben = aufgabeneingaben - 1;
    }
    Hilfebutton->setEnabled(true);
    zeigebutton->setEnabled(false);
    if (m_schritte.geloest()) loesen();
}

void Langdivisionfenster::ergebnisZeigen()
{
    meldungZeichnen(langdivision::zeigen(divisionsvorgaben.zeigenLeeren, m_plan.soll(m_schritte.schrittzeiger)));
    zeigebutton->setEnabled(false);
}

void Langdivisionfenster::hilfeZeigen()
{
    const int s = m_schritte.schrittzeiger;
    hilfeZeichnen(s);
    feldZeichnen(langdivision::fragezeichen(fragePlatz(s)));
    zeigebutton->setEnabled(true);
}

// ---- Routines ----

void Langdivisionfenster::aufgabeVorbereiten()
{
    zeilennr = 0;
}

void Langdivisionfenster::planBeginnen(const langdivision::Schrittplan& plan)
{
    m_plan = plan;
    m_schritte.beginnen(plan.zeichen, false);
    m_schritte.schrittzeiger = plan.start;
}

void Langdivisionfenster::eintragen(int schritt, QChar zeichen)
{
    feldZeichnen(langdivision::eintrag(m_plan.platz(schritt), zeichen));
}

hilfenrahmen::Protokollangaben Langdivisionfenster::protokollangaben() const
{
    return langdivision::protokollangaben(
        divisionsvorgaben.rechenart, mitRest(), stufentext, eingabenrichtig, eingabengesamt, hilfetasten, zeigetasten);
}
