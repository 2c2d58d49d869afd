#pragma once
// "Zeichen für Ziffern": ten digits hide behind ten symbols; tasks written in the symbols appear one by one,
// the pupil marks a symbol and types its digit or has it revealed, and when all ten are settled the game
// rates how many were found.

#include "games/s_zeichziff_logik.h"
#include "platform/form.h"

#include <QList>
#include <memory>

class Button;
class Tastenfeld;

class TForm43 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm43)
public:
    explicit TForm43(QWidget* parent = nullptr);
    ~TForm43() override;

    QList<Button*> symbolknoepfe; // Button1 .. Button10
    std::unique_ptr<Tastenfeld> tastenblock; // GroupBox1 with Button14 .. Button23
    Button* Button11 = nullptr; // "Programm abbrechen"
    Button* Button12 = nullptr; // "Lösung &verraten!"
    Button* Button13 = nullptr; // "&nächste Aufgabe!"
    Button* Button24 = nullptr; // "noch einmal von vorn ???"

    const s_zeichziff::Zeichenspiel& spiel() const { return m_spiel; }
    // Tests: the game's assignment.
    s_zeichziff::Zeichenspiel& spielFuerTest() { return m_spiel; }

private:
    // Handlers
    void form43aktiv();
    void symbolClick(int symbol);
    void zifferClick(int ziffer);
    void tastatur(QChar& taste);
    void Button12Click();
    void Button13Click();
    void Button24Click();
    void Button11Click();

    // Routines
    void anordnen();
    void neuesSpiel();
    void aufgabeZeigen();
    void zifferEingeben(int ziffer);
    void tastenSperren();
    void ziffernDrucken(int ziffer, const QColor& farbe, bool fett, double x, double y);
    void symbolFestlegen();
    void endtest();

    s_zeichziff::Zeichenspiel m_spiel;
};
