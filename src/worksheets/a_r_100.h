#pragma once
// "Raum 100 (+/-)": the topic menu of the number space up to 100. Its buttons only open windows.

#include "worksheets/themenmenue.h"

class Button;

class TForm14 final : public Themenmenue {
    Q_OBJECT
    Q_DISABLE_COPY(TForm14)
public:
    explicit TForm14(QWidget* parent = nullptr);

    Button* Button5 = nullptr; // gemischte Zehner und Einer
    Button* Button1 = nullptr; // zwei gemischte Zehnerzahlen
    Button* Button2 = nullptr; // siehe auch: Knobelkästen
    Button* Button3 = nullptr; // siehe auch: Dominos
    Button* Button4 = nullptr; // zurück

private:
    void Button2Click();
};
