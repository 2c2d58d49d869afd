#include "aids/h_svd_lw.h"

#include "shell/HalmorGlobalDefs.h"

using namespace svd_lw;

TForm82::TForm82(QWidget* parent)
    : Langdivisionfenster(parent)
{
    setObjectName(QStringLiteral("Form82"));
    setCaption(QStringLiteral("SV4"));
    schriftvorgaben.meldePlatz = { 10, 730, 790, 250 };
    schriftvorgaben.meldeUnten = 250;
    divisionsvorgaben.rechenart = QStringLiteral("THZE : E");
    divisionsvorgaben.zeigenLeeren = QRect(QPoint(30, 120), QPoint(710, 240));
}

// ---- Routines ----

void TForm82::aufgabeErzeugen()
{
    m_markierlinien = 0;
    // The level is read from the hub's choice, never written back into another option.
    const int g = generatorVonStufe(wahl1);
    if (g >= 0) m_aufgabe = generator(g, wahl8 == 1);
    planBeginnen(schrittplan(m_aufgabe));
}

schrift::Bild TForm82::papier() const
{
    return svd_lw::papier();
}

void TForm82::aufgabeZeichnen()
{
    feldZeichnen(aufgabenzeile(m_aufgabe));
}

void TForm82::eintragen(int schritt, QChar zeichen)
{
    Langdivisionfenster::eintragen(schritt, zeichen);
    feldZeichnen(linien(m_aufgabe, schritt));
    if (schritt == 1 && zeilennr == 1) markierlinieZeichnen();
}

langdivision::Meldung TForm82::meldungFuer(int schritt, QChar eingabe)
{
    return svd_lw::meldung(m_aufgabe, schritt, eingabe);
}

void TForm82::hilfeZeichnen(int schritt)
{
    meldungZeichnen(langdivision::hilfezeilen(hilfetexte(m_aufgabe, schritt)));
    if (schritt == 1) {
        // A second help at the first step draws the line once more, which takes it away again.
        markierlinieZeichnen();
        zeilennr = 1;
    }
    if (schritt == 5 || schritt == 10) feldZeichnen(langdivision::herunterholen(m_plan.platz(schritt)));
}

void TForm82::geloestZeichnen()
{
    feldZeichnen(haken());
}

bool TForm82::mitRest() const
{
    return wahl8 != 0;
}

void TForm82::markierlinieZeichnen()
{
    feldZeichnen(markierlinie());
    ++m_markierlinien;
}
