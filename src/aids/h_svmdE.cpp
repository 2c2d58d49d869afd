#include "aids/h_svmdE.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

using namespace svmdE;

TForm80::TForm80(QWidget* parent)
    : Merkfenster(parent)
{
    setObjectName(QStringLiteral("Form80"));
    setCaption(QStringLiteral("SV2"));
    schriftvorgaben.meldePlatz = { 10, 444, 790, 556 };
    schriftvorgaben.meldeUnten = 534;
}

// ---- Routines ----

void TForm80::aufgabeVorbereiten()
{
    hilfestufe = 0;
    zwbyte3 = 0;
    Merkfenster::aufgabeVorbereiten();
}

void TForm80::aufgabeErzeugen()
{
    // Code 87 reads its level from the division's choice and keeps it to itself: the multiplication's level
    // stays what the pupil chose for it.
    const int stufe = programmcode == 87 ? int(wahl1) : variante;
    const int generator = generatorVonStufe(stufe);
    Faktoren f { m_aufgabe.r.h, m_aufgabe.r.z, m_aufgabe.r.e, m_aufgabe.r.d };
    if (generator >= 0) f = stellenwurf(generator, programmcode);
    m_aufgabe = aufgabeBilden(programmcode, f);
    m_schritte.beginnen(m_aufgabe.wahltext, true);
}

void TForm80::aufgabeVorgeben(const Aufgabe& aufgabe)
{
    aufgabeVorbereiten();
    m_aufgabe = aufgabe;
    m_schritte.beginnen(m_aufgabe.wahltext, true);
    meldungLoeschen();
    feldZeichnen(papier());
    aufgabeZeichnen();
}

schrift::Bild TForm80::papier() const
{
    return svmdE::papier();
}

void TForm80::aufgabeZeichnen()
{
    feldZeichnen(aufgabenbild(m_aufgabe));
}

void TForm80::vorDemEintrag(QChar)
{
    hilfestufe = 0;
    markierungWeg();
}

void TForm80::eintragZeichnen(int schritt, QChar zeichen)
{
    feldZeichnen(eintrag(m_aufgabe, schritt, zeichen));
    merkebutton->setEnabled(true);
}

void TForm80::nachDemEintrag(QChar)
{
    if (m_aufgabe.code == 85 && m_schritte.schrittzeiger == 0) merkebutton->setEnabled(false);
}

void TForm80::falschesZeichen(QChar zeichen)
{
    const Meldung m = svmdE::meldung(m_aufgabe, m_schritte.schrittzeiger, zeichen);
    meldungZeichnen(meldungsbild(m.text));
    if (!m.feld.leer()) feldZeichnen(m.feld);
    if (!m.zaehlt) aufgabeneingaben = aufgabeneingaben - 1;
    if (m.hilfeFrei) Hilfebutton->setEnabled(true);
}

void TForm80::hilfeZeigen()
{
    const int schritt = m_schritte.schrittzeiger;
    if (zwbyte3 == 0) {
        const schrift::Bild m = markierung(m_aufgabe, schritt);
        if (!m.leer()) {
            feldZeichnen(m);
            m_markierterSchritt = schritt;
            zwbyte3 = 1;
        }
    }
    hilfestufe = 0;
    meldungZeichnen(hilfe(m_aufgabe, schritt));
    zeigebutton->setEnabled(true);
}

void TForm80::ergebnisZeigen()
{
    const int schritt = m_schritte.schrittzeiger;
    hilfestufe = hilfestufe + 1;
    meldungZeichnen(zeigen(m_aufgabe, schritt, hilfestufe));
    if (letzteZeigestufe(m_aufgabe, schritt, hilfestufe)) zeigebutton->setEnabled(false);
}

void TForm80::geloestZeichnen()
{
    feldZeichnen(haken(m_aufgabe.code));
}

QString TForm80::merkeText() const
{
    return svmdE::merkeText(m_aufgabe, m_schritte.schrittzeiger);
}

void TForm80::markierungWeg()
{
    if (zwbyte3 == 1) feldZeichnen(markierung(m_aufgabe, m_markierterSchritt));
    zwbyte3 = 0;
}
