#pragma once
// "Knobelkästen": the menu of the puzzle-box sheets. The range buttons prepare the sheet "knk8var" and
// open it; "kleines  1 x 1" opens the sheet of the small table.

#include "worksheets/ablschnittstellen.h"
#include "worksheets/themenmenue.h"

class Button;

class TForm23 final : public Themenmenue, public KnobelVorbereitung {
    Q_OBJECT
    Q_DISABLE_COPY(TForm23)
public:
    explicit TForm23(QWidget* parent = nullptr);

    void Button5Zuerst() override;
    void Button1Zuerst() override;
    void Button3Zuerst() override;

    Button* Button5 = nullptr; // +/-  im Zahlbereich bis 20
    Button* Button1 = nullptr; // bis 100
    Button* Button2 = nullptr; // bis 1000
    Button* Button3 = nullptr; // kleines  1 x 1
    Button* Button6 = nullptr; // mittleres und großes  1 x 1
    Button* Button4 = nullptr; // zurück

private:
    void bereich(int nummer);
};
