#pragma once
// "Ziele": jump into the target. On a number line the players, or a player and the computer, jump a counter
// towards the target by 1 up to m places; whoever lands exactly on it scores.

#include "platform/bounded.h"
#include "platform/form.h"

class Button;
class GroupBox;
class Label;

class TForm59 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm59)
public:
    explicit TForm59(QWidget* parent = nullptr);

    GroupBox* GroupBox1 = nullptr; // the jump buttons, in the mover's colour
    Label* Label1 = nullptr; // "erlaubte Sprünge"
    Button* sprung(int k) const { return m_spruenge[k]; } // Button1 .. Button9, "&1" .. "&9"
    Button* Button10 = nullptr; // "weiter", "Rückspiel?"
    Button* Button11 = nullptr; // "Programm abbrechen", Esc

    // The game as it runs: the largest jump, start, target and the counter's position.
    int m() const { return m_m; }
    int start() const { return m_start; }
    int ziel() const { return m_ziel; }
    int position() const;
    // The text of the turn box as last drawn.
    const QString& zugtext() const { return m_zugtext; }

private:
    void zieleaktiv();
    void sprungClick(int k);
    void Button10Click();

    void neuesspiel();
    void zahlenstrahl();
    void zugkasten();
    void aufgabenzeile();
    void springen(int w);
    void computerzug();
    void knoepfeFreigeben(bool an);
    bool rueckwaerts() const;

    BoundedArray<Button*, 1, 9> m_spruenge {};
    int m_m = 3;
    // Start and target of the running game: the set-up's two numbers, exchanged for the backward direction.
    int m_start = 0, m_ziel = 0;
    QString m_zugtext;
};
