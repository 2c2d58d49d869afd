#pragma once
// "Bereich bis 20": the topic menu of the number space up to 20. Its buttons only open the sheets.

#include "worksheets/themenmenue.h"

class Button;

class TForm2 final : public Themenmenue {
    Q_OBJECT
    Q_DISABLE_COPY(TForm2)
public:
    explicit TForm2(QWidget* parent = nullptr);

    Button* Button5 = nullptr; // Mengen zerlegen
    Button* Button1 = nullptr; // + / -  im Bereich bis 10
    Button* Button2 = nullptr; // zwischen 10 und 20
    Button* Button3 = nullptr; // Zehnerübergang
    Button* Button6 = nullptr; // siehe auch: Knobelkästen
    Button* Button7 = nullptr; // siehe auch: Dominos
    Button* Button4 = nullptr; // zurück

private:
    void Button6Click();
};
