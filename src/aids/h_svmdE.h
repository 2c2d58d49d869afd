#pragma once
// "SV2": written multiplication of a three-digit number by a one-digit one (code 85) and the short
// division of the product by that digit (code 87). The pupil types the digits of the result one by one and
// keeps the carries, or the remainders, in mind; "Gemerkte?" shows the remembered digit for a moment.

#include "aids/h_svmdE_logik.h"
#include "aids/merkfenster.h"

class TForm80 final : public Merkfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm80)
public:
    explicit TForm80(QWidget* parent = nullptr);

    const svmdE::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    // Puts a given task on the sheet in place of the one drawn (the pupil starts it afresh).
    void aufgabeVorgeben(const svmdE::Aufgabe& aufgabe);
    // Show presses at the current step.
    int zeigestufe() const { return hilfestufe; }
    bool markiert() const { return zwbyte3 == 1; }

protected:
    void aufgabeVorbereiten() override;
    void aufgabeErzeugen() override;
    schrift::Bild papier() const override;
    void aufgabeZeichnen() override;
    void vorDemEintrag(QChar zeichen) override;
    void eintragZeichnen(int schritt, QChar zeichen) override;
    void nachDemEintrag(QChar zeichen) override;
    void falschesZeichen(QChar zeichen) override;
    void hilfeZeigen() override;
    void ergebnisZeigen() override;
    void geloestZeichnen() override;
    QString merkeText() const override;

private:
    void markierungWeg();

    svmdE::Aufgabe m_aufgabe;
    int hilfestufe = 0;
    // 1 while the help highlight of step m_markierterSchritt is on the sheet.
    int zwbyte3 = 0;
    int m_markierterSchritt = 0;
};
