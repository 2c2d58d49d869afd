#pragma once
// "kleines  1 x 1": the menu of the small table's sheets.

#include "worksheets/themenmenue.h"

class Button;

class TForm20 final : public Themenmenue {
    Q_OBJECT
    Q_DISABLE_COPY(TForm20)
public:
    explicit TForm20(QWidget* parent = nullptr);

    Button* Button5 = nullptr; // 1 x 1 -  Felder
    Button* Button2 = nullptr; // 1 x 1   in 100er-Feldern
    Button* Button7 = nullptr; // siehe auch: Knobelkästen
    Button* Button1 = nullptr; // siehe auch: Dominos
    Button* Button4 = nullptr; // zurück

private:
    void Button7Click();
    void Button1Click();
};
