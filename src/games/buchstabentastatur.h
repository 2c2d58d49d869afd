#pragma once
// The 29 letter buttons of a word game window (Button1 .. Button29), placed on the design grid.

#include <QChar>
#include <QRect>
#include <array>
#include <functional>

class Button;
class DesignGrid;
class QWidget;

class Buchstabentastatur final {
public:
    // Where the buttons stand: the left edges of each row, the tops of the rows, size and font size.
    struct Plaetze {
        std::array<std::array<int, 11>, 3> x {};
        std::array<int, 3> y {};
        int breite = 30;
        int hoehe = 45;
        int groesse = 21;
        // The buttons stand in the cells of a table the window draws under them: they are held by a box over the
        // table (setTafel), so that the frame which shows they have the keyboard runs around the table.
        bool inTafel = false;
    };
    // Every button hands its letter to `taste`. The buttons take no focus, so that Enter stays with the
    // window's own buttons.
    Buchstabentastatur(QWidget* form, const Plaetze& plaetze, const std::function<void(QChar)>& taste);
    // The table the buttons stand in, in design units: where its outer lines run (at most 3 pixels wide).
    void setTafel(const QRect& tafel) { m_tafel = tafel; }
    void anordnen(const DesignGrid& g) const;
    // A key typed in the window: a letter of the keyboard, in either case, goes to `taste` as its button's
    // click would and is used up; every other key is left to the window.
    void tippen(QChar& zeichen) const;
    Button* knopf(int i) const { return m_knoepfe[std::size_t(i)]; }

private:
    Plaetze m_plaetze;
    std::function<void(QChar)> m_taste;
    std::array<Button*, 29> m_knoepfe {};
    QWidget* m_box = nullptr; // over the table, holding the buttons; none where they stand on the window
    QRect m_tafel;
};
