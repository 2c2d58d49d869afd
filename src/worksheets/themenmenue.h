#pragma once
// What the topic menus of the worksheets share: a maximised window centred on the 780 x 545 design, big
// buttons in the menu's font, "zurück" at the bottom right, and opening the windows of the program body.

#include "platform/form.h"

class Button;

class Themenmenue : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(Themenmenue)
protected:
    Themenmenue(const QString& caption, const QString& schrift, int groesse, QWidget* parent = nullptr);

    // A button in the menu's font; the hand cursor where the menu shows one.
    Button* knopf(const QString& text, int left, int top, int width, int height, bool hand = false);
    // "zurück" in 16 points: the Cancel button, and it closes the menu.
    Button* zurueckKnopf(int left = 648, int top = 488);
    // A window the program body has not made (yet) is not opened.
    static void oeffnen(Form* fenster);

private:
    QString m_schrift;
    int m_groesse = 0;
};
