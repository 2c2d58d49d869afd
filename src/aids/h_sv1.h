#pragma once
// "SV 1": written addition and subtraction of three-digit numbers in columns. Code 81 adds, 82 fills one
// gap per column of an addition, 83 subtracts by adding up from the subtrahend, 84 subtracts by exchanging
// a ten into ones or a hundred into tens. The pupil types the result from the units on, and the carries
// with "Ü 1" or the key "Ü" (not in code 84, where the exchanges are shown instead).

#include "aids/h_sv1_logik.h"
#include "aids/schriftrahmen.h"

class TForm79 final : public Schriftfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm79)
public:
    explicit TForm79(QWidget* parent = nullptr);

    Button* Button10 = nullptr; // "&Ü 1", the carry key
    Button* tauschbutton = nullptr; // "&tauschen", code 84

    // The task on show (its minuend digits as the exchanges left them).
    const sv1::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    int tauschstand() const { return m_tauschstand; }

    void Button10Click();
    void tauschbuttonClick();

protected:
    void anordnen(const DesignGrid& raster) override;
    bool sondertaste(QChar taste) override; // sv_key: "Ü" and "ü"
    void aufgabeVorbereiten() override;
    void aufgabeErzeugen() override;
    void aufgabeZeichnen() override;
    void vorDerPruefung() override;
    void vorDemEintrag(QChar zeichen) override;
    void eintragZeichnen(int schritt, QChar zeichen) override;
    void nachDemEintrag(QChar zeichen) override;
    void falschesZeichen(QChar zeichen) override;
    void nachDerPruefung() override;
    void hilfeZeigen() override;
    void ergebnisZeigen() override;
    void nachDemLoesen() override;
    bool zeigenEntfaellt() const override;

private:
    void markierungWeg();

    sv1::Aufgabe m_aufgabe;
    int m_tauschstand = 0;
    // 1 while the column frame of a help is on the sheet (drawn again, it is gone).
    int zwbyte3 = 0;
    // The carry out of the column the help explained last; the show button's "merke" uses it.
    int zwbyte4 = 0;
    int m_markierteSpalte = 0;
};
