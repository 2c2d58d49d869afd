#pragma once
// "Arbeitsblätter": the entry to the worksheets. Each topic button sets one copy (all but the blank
// templates), seeds the random generator (all but those and "Überschläge") and opens a topic menu or a sheet.

#include "worksheets/themenmenue.h"

class Button;

class TForm29 final : public Themenmenue {
    Q_OBJECT
    Q_DISABLE_COPY(TForm29)
public:
    explicit TForm29(QWidget* parent = nullptr);

    Button* Button1 = nullptr; // Bereich bis 20
    Button* Button4 = nullptr; // halbschriftliches Rechnen
    Button* Button7 = nullptr; // Überschläge
    Button* Button9 = nullptr; // Blanco-Vorlagen
    Button* Button2 = nullptr; // + / -  im Bereich bis 100
    Button* Button5 = nullptr; // schriftliche Rechenverfahren
    Button* Button8 = nullptr; // Knobelkästen
    Button* Button3 = nullptr; // kleines 1 x 1
    Button* Button6 = nullptr; // Kommazahlen
    Button* Button11 = nullptr; // Dominos
    Button* Button10 = nullptr; // zurück

private:
    void F29aktiv();
    // A topic button: one copy, a new seed where asked, then the window.
    void thema(Form* fenster, bool mischen);
    void Button6Click();
    void Button9Click();
};
