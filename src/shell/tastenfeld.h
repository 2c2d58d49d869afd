#pragma once
// The on-screen keypad of the aids, the analysis runners and the keypad games: the digit buttons, the
// backspace button Button14 ("ß" in Wingdings, a left arrow), the Enter button Button13, in most aids the help
// button and in some games sign keys, all in one group box (Rechner) or in a panel the window already has.
// Each window's keypad is one table (Anordnung) of places, sizes, font sizes and component names. The
// buttons are keypad keys: neither Tab nor a click moves the focus to them, so it stays where the window puts
// it or comes back from a button to the window, and Space never presses one.

#include "platform/bounded.h"

#include <QList>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class Button;
class DesignGrid;
class GroupBox;
class QWidget;

class Tastenfeld final {
public:
    // Place of a button inside Rechner, in design units, and its font size in points (scaled vertically).
    struct Knopfplatz {
        int left = 0, top = 0, width = 35, height = 50, groesse = 30;
        // The component name the window knows the button by (empty: none).
        QString name = QString();
    };
    // A key that types a sign ("+", "-", ...) rather than a digit.
    struct Zeichentaste {
        QString caption;
        Knopfplatz platz;
    };
    // Design units of the 1000 x 1000 grid; the standard block: 7 8 9 / 4 5 6 / 1 2 3, 0 under 2, Enter
    // beside 1 .. 3, backspace above 7 and the help button beside it.
    struct Anordnung {
        QRect rechner { 750, 430, 200, 320 };
        BoundedArray<Knopfplatz, 0, 9> ziffern;
        Knopfplatz eingabe { 130, 192, 57, 110, 20 };
        Knopfplatz loeschen { 10, 18, 35, 50, 20 };
        Knopfplatz hilfe { 90, 18, 100, 50, 20 };
        // The font of the digits, Enter and help, taken when the keypad is created (backspace is Wingdings).
        QString schrift = QStringLiteral("MS Sans Serif");
        // The sign keys, in the order they are created after the digits.
        std::vector<Zeichentaste> zeichen;
        // Keys that show the hand cursor (the games' keypads).
        bool handcursor = false;
        // The component name of the group box (empty: none).
        QString rechnername = QString();
        Anordnung();
    };
    enum Teil : unsigned { Eingabetaste = 1, Loeschtaste = 2, Hilfetaste = 4, Alle = 7 };

    // Creates Rechner on `form` with the ten digit buttons and the parts asked for, at the places of
    // `anordnung`.
    explicit Tastenfeld(QWidget* form, unsigned teile = Alle, const Anordnung& anordnung = Anordnung());
    // The same with the keys in a container the window already has (a panel holding more than the keypad):
    // no group box is created, Rechner stays null and `rechner` of the layout is not used.
    struct ImBehaelter { };
    Tastenfeld(ImBehaelter, QWidget* behaelter, unsigned teile, const Anordnung& anordnung);

    // The keypad block of the puzzle games: the box at 40, 632 (205 x 333), keys 55 x 70 in Arial 37 named
    // Button14 .. Button23 (4 .. 9, 0, 1 .. 3), 0 under 8, the place left of 0 for a backspace key ("Button2",
    // Wingdings 25), hand cursor; no Enter or help key of its own.
    static Anordnung spielblock();

    GroupBox* Rechner = nullptr;
    Button* Button13 = nullptr; // "Enter"
    Button* Button14 = nullptr; // backspace
    Button* Hilfebutton = nullptr; // "&Hilfe"
    Button* ziffer(int d) const { return m_ziffern[d]; }
    // The sign key i of the layout's `zeichen`.
    Button* zeichentaste(int i) const { return m_zeichen.value(i); }
    // The box the keys lie in: Rechner, or the container they were put in.
    QWidget* kasten() const;
    // The digit buttons, indexed by their digit.
    std::array<Button*, 10> ziffern() const;
    // Every button the keypad has, in the order they were created.
    QList<Button*> knoepfe() const;
    // Enables or disables every button of the keypad (the box itself stays as it is).
    void knoepfeFreigeben(bool an) const;

    // The keypad of the analysis runners, in the box at `rechner` (design units): digits, Enter and backspace
    // in Arial, no help button; the buttons are named as those windows name them ("Button10", "Button11",
    // "Button12" for 0, 1 and 2, "Button3" .. "Button9", "Button13" Enter, "Button14" backspace), and every
    // digit calls `ziffer`.
    static std::unique_ptr<Tastenfeld> fuerAnalyse(
        QWidget* form, const QRect& rechner, const std::function<void(int ziffer)>& ziffer);

    Anordnung anordnung;
    // Lays the keypad out on the design grid.
    void anordnen(const DesignGrid& raster) const;

private:
    void tastenAnlegen(QWidget* behaelter, unsigned teile);
    BoundedArray<Button*, 0, 9> m_ziffern {};
    QList<Button*> m_zeichen;
    QWidget* m_behaelter = nullptr;
};
