#pragma once
// The on-screen keypad of an aid: the digit buttons Button0 .. Button9, the backspace button Button14
// ("ß" in Wingdings, a left arrow), the Enter button Button13 and, in most aids, the help button, all in the
// group box Rechner. The buttons take no tab stop, so the focus stays where the aid puts it.

#include "platform/bounded.h"

#include <QRect>
#include <QString>

class Button;
class DesignGrid;
class GroupBox;
class QWidget;

class Tastenfeld final {
public:
    // Place of a button inside Rechner, in design units, and its font size in points (scaled vertically).
    struct Knopfplatz {
        int left = 0, top = 0, width = 35, height = 50, groesse = 30;
    };
    // Design units of the 1000 x 1000 grid; the standard block: 7 8 9 / 4 5 6 / 1 2 3, 0 under 2, Enter
    // beside 1 .. 3, backspace above 7 and the help button beside it.
    struct Anordnung {
        QRect rechner { 750, 430, 200, 320 };
        BoundedArray<Knopfplatz, 0, 9> ziffern;
        Knopfplatz eingabe { 130, 192, 57, 110, 20 };
        Knopfplatz loeschen { 10, 18, 35, 50, 20 };
        Knopfplatz hilfe { 90, 18, 100, 50, 20 };
        Anordnung();
    };
    enum Teil : unsigned { Eingabetaste = 1, Loeschtaste = 2, Hilfetaste = 4, Alle = 7 };

    // Creates Rechner on `form` with the ten digit buttons and the parts asked for.
    explicit Tastenfeld(QWidget* form, unsigned teile = Alle);

    GroupBox* Rechner = nullptr;
    Button* Button13 = nullptr; // "Enter"
    Button* Button14 = nullptr; // backspace
    Button* Hilfebutton = nullptr; // "&Hilfe"
    Button* ziffer(int d) const { return m_ziffern[d]; }

    Anordnung anordnung;
    // Lays the keypad out on the design grid.
    void anordnen(const DesignGrid& raster) const;

private:
    BoundedArray<Button*, 0, 9> m_ziffern {};
};
