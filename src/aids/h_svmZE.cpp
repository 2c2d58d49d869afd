#include "aids/h_svmZE.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

using namespace svmZE;

TForm81::TForm81(QWidget* parent)
    : Merkfenster(parent)
{
    setObjectName(QStringLiteral("Form81"));
    setCaption(QStringLiteral("SV3"));
    schriftvorgaben.meldeStift = 1;
}

// ---- Routines ----

void TForm81::aufgabeVorbereiten()
{
    hilfestufe = 0;
    zwbyte3 = 0;
    wahl2 = 0;
    Merkfenster::aufgabeVorbereiten();
}

void TForm81::aufgabeErzeugen()
{
    const int art = artVonStufe(wahl5);
    if (art >= 0)
        m_aufgabe = aufgabeBilden(stellenwurf(art), art);
    else
        m_aufgabe = aufgabeBilden(m_aufgabe.f, m_aufgabe.art);
    m_schritte.beginnen(m_aufgabe.wahltext, true);
}

void TForm81::aufgabeVorgeben(const Aufgabe& aufgabe)
{
    aufgabeVorbereiten();
    m_aufgabe = aufgabe;
    m_schritte.beginnen(m_aufgabe.wahltext, true);
    meldungLoeschen();
    feldZeichnen(papier());
    aufgabeZeichnen();
}

schrift::Bild TForm81::papier() const
{
    return svmZE::papier();
}

void TForm81::aufgabeZeichnen()
{
    feldZeichnen(aufgabenbild(m_aufgabe));
}

void TForm81::vorDemEintrag(QChar)
{
    // The arc and the arrow belong to the step now done.
    if (zwbyte3 == 1) feldZeichnen(bogen(m_bogenschritt));
    if (wahl2 == 1) feldZeichnen(spaltenpfeil(m_pfeilschritt));
    zwbyte3 = 0;
    wahl2 = 0;
    hilfestufe = 0;
}

void TForm81::eintragZeichnen(int schritt, QChar zeichen)
{
    feldZeichnen(eintrag(schritt, zeichen));
}

void TForm81::nachDemEintrag(QChar)
{
    m_schritte.schrittzeiger = ueberspringen(m_aufgabe, m_schritte.schrittzeiger);
    // "Gemerkte?" follows the step the pupil is at now: only a step that adds a carry has one to show.
    merkebutton->setEnabled(merkeFrei(m_aufgabe.art, m_schritte.schrittzeiger));
}

void TForm81::falschesZeichen(QChar zeichen)
{
    const Meldung m = svmZE::meldung(m_aufgabe, m_schritte.schrittzeiger, zeichen);
    meldungZeichnen(meldungsbild(m.text));
    if (!m.zaehlt) aufgabeneingaben = aufgabeneingaben - 1;
    if (m.hilfeFrei) Hilfebutton->setEnabled(true);
}

void TForm81::hilfeZeigen()
{
    const int p = m_schritte.schrittzeiger;
    if (p > 5 && zwbyte3 == 0) {
        feldZeichnen(bogen(p));
        m_bogenschritt = p;
        zwbyte3 = 1;
    }
    if (p < 6 && wahl2 == 0) {
        feldZeichnen(spaltenpfeil(p));
        m_pfeilschritt = p;
        wahl2 = 1;
    }
    hilfestufe = 0;
    meldungZeichnen(hilfe(m_aufgabe, p));
    zeigebutton->setEnabled(true);
}

void TForm81::ergebnisZeigen()
{
    const int p = m_schritte.schrittzeiger;
    hilfestufe = hilfestufe + zeigeschritt(p);
    meldungZeichnen(zeigen(m_aufgabe, p, hilfestufe));
    if (hilfestufe >= 2) zeigebutton->setEnabled(false);
}

void TForm81::geloestZeichnen()
{
    feldZeichnen(haken());
}

QString TForm81::merkeText() const
{
    return svmZE::merkeText(m_aufgabe, m_schritte.schrittzeiger);
}
