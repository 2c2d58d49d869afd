#pragma once
// "SV3": written multiplication of a three-digit number by a two-digit one. The pupil types the row times
// the tens, the row times the units and their sum, right to left; leading zeros are not typed, and of a
// row times 0 only its units digit. "Gemerkte?" shows the carry of the step for a moment.

#include "aids/h_svmZE_logik.h"
#include "aids/merkfenster.h"

class TForm81 final : public Merkfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm81)
public:
    explicit TForm81(QWidget* parent = nullptr);

    const svmZE::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    // Puts a given task on the sheet in place of the one drawn (the pupil starts it afresh).
    void aufgabeVorgeben(const svmZE::Aufgabe& aufgabe);
    int zeigestufe() const { return hilfestufe; }
    bool bogenGezeichnet() const { return zwbyte3 == 1; }
    bool pfeilGezeichnet() const { return wahl2 == 1; }

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
    svmZE::Aufgabe m_aufgabe;
    int hilfestufe = 0;
    // 1 while the multiplication arc of step m_bogenschritt is drawn, and wahl2 while the column arrow of
    // step m_pfeilschritt is.
    int zwbyte3 = 0;
    int wahl2 = 0;
    int m_bogenschritt = 0;
    int m_pfeilschritt = 0;
};
