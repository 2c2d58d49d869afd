#pragma once
// "buntes Feld": an addition, subtraction or multiplication table with empty inner cells; the pupil moves a
// cursor to a cell, computes its value and, when it is right, paints the cell, so that a picture grows.

#include "games/s_bufeld_logik.h"
#include "platform/form.h"

#include <QRect>
#include <array>
#include <memory>

class Button;
class Panel;
class Tastenfeld;
class TScrollBoxEx;

class TForm52 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm52)
public:
    explicit TForm52(QWidget* parent = nullptr);
    ~TForm52() override;

    Button* Button1 = nullptr; // "Programm abbrechen"
    TScrollBoxEx* ScrollBoxEx1 = nullptr;
    Panel* WahlPanel = nullptr; // step 1: "1.  wohin?"
    Button* Button3 = nullptr; // up
    Button* Button2 = nullptr; // left
    Button* Button5 = nullptr; // right
    Button* Button4 = nullptr; // down
    Panel* rechenpanel = nullptr; // step 2: "2.  rechne!"
    std::unique_ptr<Tastenfeld> tastenblock; // the digits, Button9 delete, Button10 Enter
    Button* Button9 = nullptr;
    Button* Button10 = nullptr;
    Panel* farbepanel = nullptr; // step 3: "3.  Farbe?"
    // BitBtn1 .. BitBtn12 at index 1 .. 12.
    std::array<Button*, 13> BitBtn {};
    Button* Button8 = nullptr; // "das will ich!" / "weiter?"
    Button* Button7 = nullptr; // "Lösung &verraten!" / "weiter?"
    Button* Button13 = nullptr; // "Farbe &weiß"

    const s_bufeld::Rand& zeilenrand() const { return m_zahlenwahl1; }
    const s_bufeld::Rand& spaltenrand() const { return m_zahlenwahl2; }
    QPoint cursor() const { return { m_spalte2, m_zeile2 }; }
    int zahl() const { return m_zahl; }
    QString eingabe() const { return m_eingabe; }
    // The colour of the table's colour index 0 .. 12 (12 white).
    static QColor farbe(int index);
    // The design rectangle of a cell's paint (row and column 1 .. 11).
    static QRect zelle(int zeile, int spalte);

private:
    Button* m_schritttitel[3] = {}; // "1.  wohin?", "2.  rechne!", "3.  Farbe?"

    // Handlers
    void form52aktiv();
    void bufeldzu();
    void bewegen(int dz, int ds);
    void Button8Click();
    void ziffertaste(int ziffer);
    void Button9Click();
    void Button10Click();
    void scheing(QChar& taste);
    void Button7Click();
    void farbeClick(int index);
    void Button13Click();
    void Button1Click();

    // Routines
    void anordnen();
    void tabelle();
    void kursor();
    void kursorstrich();
    void schritt1();
    void schritt2();
    void eingabeGeaendert();
    void eingabeZeigen();
    void pruefen();
    void malen();
    void aufgabenflaeche(const QColor& farbe);
    void blau(int hoehe);

    s_bufeld::Rand m_zahlenwahl1 {}, m_zahlenwahl2 {};
    int m_zeile2 = 1, m_spalte2 = 1;
    int m_schalter1 = 1; // step: 1 choosing or computing, 5 painted
    int m_schalter2 = 0; // colour
    bool m_wahl3 = false; // the value was revealed
    int m_zahl = 0;
    QString m_eingabe;
};
