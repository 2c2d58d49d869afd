#pragma once
// "SV4": long division of a four-digit number by a one-digit divisor, with or without remainder. The pupil
// writes the whole long way: each quotient digit, its product, the difference and the digit brought down.

#include "aids/h_svd_lw_logik.h"
#include "aids/langdivision.h"

class TForm82 final : public Langdivisionfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm82)
public:
    explicit TForm82(QWidget* parent = nullptr);

    const svd_lw::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    int markierlinien() const { return m_markierlinien; }

protected:
    void aufgabeErzeugen() override;
    schrift::Bild papier() const override;
    void aufgabeZeichnen() override;
    void eintragen(int schritt, QChar zeichen) override;
    langdivision::Meldung meldungFuer(int schritt, QChar eingabe) override;
    void hilfeZeichnen(int schritt) override;
    void geloestZeichnen() override;
    bool mitRest() const override;

private:
    void markierlinieZeichnen();

    svd_lw::Aufgabe m_aufgabe;
    // How often the marker line was drawn in this task (odd: it shows).
    int m_markierlinien = 0;
};
