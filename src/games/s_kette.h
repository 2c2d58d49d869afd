#pragma once
// "Kette": the number chain of four or five members, each from the third on the sum of the two before it.
// The pupil watches it grow, computes each member, finds the last member, or finds every pair of start
// numbers that leads to a given last member.

#include "games/s_kette_logik.h"
#include "games/zifferneingabe.h"
#include "platform/form.h"

#include <memory>

class Button;
class Tastenfeld;

class TForm49 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm49)
public:
    explicit TForm49(QWidget* parent = nullptr);
    ~TForm49() override;

    std::unique_ptr<Tastenfeld> tastenblock; // GroupBox1: Button14 .. Button23, backspace Button2
    Button* Button1 = nullptr; // "weiter" and its other captions
    Button* Button11 = nullptr; // "Programm abbrechen"

    const s_kette::Glieder& glieder() const { return m_glieder; }
    const Zifferneingabe& eingabe() const { return m_eingabe; }
    const s_kette::Paarsuche& paarsuche() const { return m_suche; }
    // Tests: a task of the test's choice, shown as a new task shows it.
    void aufgabeSetzen(const s_kette::Aufgabe& aufgabe);

private:
    // Handlers
    void ketteaktiv();
    void Button1Click();
    void zifferClick(int ziffer);
    void Button2Click();
    void tastatur(QChar& taste);
    void Button11Click();

    // Routines
    void neuekette();
    void ketteneingabe();
    void tastenFreigeben(bool an);
    void weiterZeigen();
    void zielPruefen();
    void startzahlen();
    void paarBewerten();
    void naechstesPaar();

    // Drawing
    int glieder_n() const;
    int spaltenschritt() const;
    void kasten(int i);
    void zahl(int i);
    void gliedboegen(int i);
    void haekchen(int i);
    void summenzeile(int i);
    void aufgabenzeile(int i);
    void schreiben(double x, double y, const QString& text, const QColor& farbe, int hoehe = 50);

    s_kette::Glieder m_glieder {};
    s_kette::Paarsuche m_suche;
    Zifferneingabe m_eingabe;
    int m_gliednummer = 0;
    int m_zustand = 0;
    int m_falsche = 1; // mode 2: 1 + wrong answers
    bool m_ersteZahl = true; // mode 3: the first start number is expected
    bool m_aufgabeVorgegeben = false;
    s_kette::Aufgabe m_vorgabe;
};
