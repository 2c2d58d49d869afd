#pragma once
// "TicTacToe": two pupils take turns computing the partner number of a field by the chosen kind of task;
// a right answer puts the mover's mark on the field, three in a line win the set.

#include "games/s_tictactoe_logik.h"
#include "platform/form.h"

#include <memory>

class Button;
class Tastenfeld;

class TForm46 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm46)
public:
    explicit TForm46(QWidget* parent = nullptr);
    ~TForm46() override;

    Button* Button1 = nullptr; // "Programm abbrechen", Esc
    Button* Button2 = nullptr; // "weiter!"
    std::unique_ptr<Tastenfeld> tasten; // GroupBox1 with the digits, Enter (Button13) and backspace (Button14)

    // The board as it stands, for the tests.
    const tictactoe::Brett& brett() const { return m_brett; }
    const tictactoe::Feld& feld() const { return m_feld; }
    const QString& eingabe() const { return m_eingabe; }
    // The field that shows `zahl`, 0 when none.
    int feldMit(int zahl) const;

private:
    void form46aktiv();
    void form46keypress(QChar& key);
    void Button1Click();
    void Button2Click();
    void Button13Click();
    void Button14Click();
    void ziffer(int d);

    void neuesbrett();
    void brettzeichnen();
    void zuganzeige();
    void markesetzen();
    void satzgewonnen();
    void patt();
    void letztemarke();
    void spielergebnis();
    // A decided set: input hidden, continue offered, score drawn, the game over at 6 points.
    void satzende();
    void marke(int k, const QColor& farbe);

    tictactoe::Brett m_brett;
    tictactoe::Feld m_feld;
    QString m_eingabe = QStringLiteral("?");
    int m_merker = 0;
    int m_spalte = 0, m_zeile = 0;
};
