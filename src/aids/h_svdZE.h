#pragma once
// "SV5": long division of a four-digit number by a two-digit divisor, with or without remainder. Up to
// three quotient digits, each with its product, its difference (found by adding up, "Ergänze") and the
// digit brought down; leading zeros fall away, and a quotient below 100 starts at its tens.

#include "aids/h_svdZE_logik.h"
#include "aids/langdivision.h"

class Tform83 final : public Langdivisionfenster {
    Q_OBJECT
    Q_DISABLE_COPY(Tform83)
public:
    explicit Tform83(QWidget* parent = nullptr);

    const svdZE::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }

protected:
    void aufgabeErzeugen() override;
    schrift::Bild papier() const override;
    void aufgabeZeichnen() override;
    void eintragen(int schritt, QChar zeichen) override;
    void weitergerueckt(int vorher, int jetzt) override;
    langdivision::Meldung meldungFuer(int schritt, QChar eingabe) override;
    void hilfeZeichnen(int schritt) override;
    void geloestZeichnen() override;
    bool mitRest() const override;

private:
    svdZE::Aufgabe m_aufgabe;
};
