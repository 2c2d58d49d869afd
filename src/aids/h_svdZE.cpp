#include "aids/h_svdZE.h"

#include "shell/HalmorGlobalDefs.h"

using namespace svdZE;

Tform83::Tform83(QWidget* parent)
    : Langdivisionfenster(parent)
{
    setObjectName(QStringLiteral("Form83"));
    setCaption(QStringLiteral("SV5"));
    schriftvorgaben.meldePlatz = { 10, 667, 790, 313 };
    schriftvorgaben.meldeUnten = 313;
    divisionsvorgaben.rechenart = QStringLiteral("THZE : ZE");
    divisionsvorgaben.zeigenLeeren = QRect(QPoint(30, 108), QPoint(710, 260));
}

// ---- Routines ----

void Tform83::aufgabeErzeugen()
{
    // The level is read from the hub's choice, never written back into another option; a level the hub
    // does not offer keeps the last task.
    if (wahl6 <= 7) m_aufgabe = generator(wahl6, wahl8 == 1);
    planBeginnen(schrittplan(m_aufgabe));
}

schrift::Bild Tform83::papier() const
{
    return svdZE::papier();
}

void Tform83::aufgabeZeichnen()
{
    feldZeichnen(aufgabenzeile(m_aufgabe));
}

void Tform83::eintragen(int schritt, QChar zeichen)
{
    if (zeilennr == 1) {
        feldZeichnen(markierlinie(m_aufgabe));
        zeilennr = 0;
    }
    // A zero product goes to the units column; the help may have put its "?" in either place.
    if (m_plan.platz(schritt) != platz(m_aufgabe, schritt))
        feldZeichnen(langdivision::frageWeg(platz(m_aufgabe, schritt)));
    Langdivisionfenster::eintragen(schritt, zeichen);
}

void Tform83::weitergerueckt(int, int jetzt)
{
    feldZeichnen(linien(m_aufgabe, jetzt));
}

langdivision::Meldung Tform83::meldungFuer(int schritt, QChar eingabe)
{
    const Fehler f = svdZE::meldung(m_aufgabe, schritt, eingabe);
    if (f.nullPlatz) feldZeichnen(hellblaueNull(*f.nullPlatz));
    return f.meldung;
}

void Tform83::hilfeZeichnen(int schritt)
{
    const Hilfe h = hilfe(m_aufgabe, schritt);
    meldungZeichnen(langdivision::hilfezeilen(h.zeilen));
    meldungZeichnen(h.meldebild);
    feldZeichnen(h.feldbild);
    if (h.markierlinie && zeilennr == 0) {
        feldZeichnen(markierlinie(m_aufgabe));
        zeilennr = 1;
    }
}

void Tform83::geloestZeichnen()
{
    feldZeichnen(haken());
    // A moment to see the tick before "noch eine Aufgabe?" appears.
    warteschleife(0.00001);
}

bool Tform83::mitRest() const
{
    return wahl8 != 0;
}
