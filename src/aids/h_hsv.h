#pragma once
// "halbschriftlich": half-written calculation with two-digit numbers. The task is split into two partial
// lines on squared paper, as in the exercise book: plus (71), minus (72), making up to the next ten (73),
// times (74) and divided (75). On the long way the pupil types every number of both lines and then the
// answer, digit by digit, and a wrong digit gets a hint; in the quick mode only the answer is typed, and
// every wrong digit shows one more step of the long way, up to the fifth, which ends the task.

#include "aids/h_hsv_logik.h"
#include "aids/schriftrahmen.h"

class TForm78 final : public Schriftfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm78)
public:
    explicit TForm78(QWidget* parent = nullptr);

    const hsv::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    int hilfestufe() const { return m_hilfestufe; }
    // Quick mode: the answer digits typed so far.
    QString schnelleingabe() const { return m_eingabe; }
    // Whether the task is over (solved, or the quick mode's help used up).
    bool vorbei() const { return m_vorbei; }
    // How often the copy arrow flashed in this task.
    int pfeile() const { return m_pfeile; }

    void zeichenEingeben(QChar zeichen) override;

protected:
    void laufBeginnen() override;
    void aufgabeVorbereiten() override;
    void aufgabeErzeugen() override;
    schrift::Bild papier() const override;
    void aufgabeZeichnen() override;
    void vorDerPruefung() override;
    void eintragZeichnen(int schritt, QChar zeichen) override;
    void falschesZeichen(QChar zeichen) override;
    void nachDerPruefung() override;
    void hilfeZeigen() override { }
    void ergebnisZeigen() override { }
    void geloestZeichnen() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void hubZurueck(TForm63& hub) override;

private:
    bool langerWeg() const { return wahl7 == 0; }
    void schnellPruefen(QChar zeichen);
    void rahmenZeichnen();

    hsv::Aufgabe m_aufgabe;
    // einer1 of the task before; the next one differs from it.
    int m_vorindex = 0;
    int m_hilfestufe = 0;
    QString m_eingabe;
    bool m_vorbei = false;
    int m_pfeile = 0;
};
