#pragma once
// "Spiele": the games hub. A game button sets programmcode to its game number, loads the game's section of
// "sw.ina" into the shared option variables and the launcher's controls, and opens the launcher of its
// group ("Knobeln und Planen", "Partnerspiele" or the group games); the launcher opens the game.

#include "platform/form.h"

class Button;
class GroupBox;
class Label;

// The window of a game number, which its launcher opens on Start; null for numbers of no game.
Form* spielfenster(int spiel);

class TForm41 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm41)
public:
    explicit TForm41(QWidget* parent = nullptr);

    // The button of a game number; null for numbers of no game.
    Button* spielknopf(int spiel) const;

    GroupBox* KnPlan = nullptr;
    GroupBox* Partnerspiele = nullptr;
    GroupBox* Hangman = nullptr;
    Label* Label1 = nullptr;
    Label* Label4 = nullptr;
    Label* Label6 = nullptr;
    Button *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr,
           *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr, *Button9 = nullptr, *Button11 = nullptr,
           *Button12 = nullptr, *Button13 = nullptr, *Button14 = nullptr, *Button15 = nullptr, *Button16 = nullptr,
           *Button17 = nullptr, *Button18 = nullptr, *Button19 = nullptr, *Button20 = nullptr, *Button21 = nullptr,
           *Button22 = nullptr, *Button24 = nullptr, *Button25 = nullptr, *Button26 = nullptr;
    Button* Button10 = nullptr; // "zurück", Esc

private:
    void shaktivate();
    // The click of every game button.
    void spielClick(int spiel);
    void Button10Click();
};
