#pragma once
// "halbschriftlich": the topic menu of half-written calculation. It tells the pattern sheet its operation
// and writes the sheets' pattern previews and level captions before opening them.

#include "worksheets/themenmenue.h"

class Button;

class TForm17 final : public Themenmenue {
    Q_OBJECT
    Q_DISABLE_COPY(TForm17)
public:
    explicit TForm17(QWidget* parent = nullptr);

    Button* Button5 = nullptr; // Addieren
    Button* Button2 = nullptr; // Subtrahieren
    Button* Button7 = nullptr; // Ergänzen
    Button* Button3 = nullptr; // Multiplizieren
    Button* Button6 = nullptr; // Dividieren
    Button* Button4 = nullptr; // zurück

private:
    // programmcode, the previews and level captions of the pattern sheet, then the sheet.
    void musterblatt(int rechenart);
    void Button7Click();
};
