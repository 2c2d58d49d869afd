#pragma once
#include <QStringList>

// What the worksheet hub and menus set on a window before they open it. A window implements the part that
// concerns it; a window that is not built yet implements nothing, and the step is left out.

// "Komma": the hub hides its prompt panel Panel5 before showing it.
class KommaVorbereitung {
public:
    virtual ~KommaVorbereitung() = default;
    virtual void Panel5Verbergen() = 0;
};

// "Knobelkästen": a topic menu makes the button of its own topic the first in the tab order, and gives it the
// focus, so that Enter opens that topic whatever the menu's last user left focused: "Bereich bis 20" the space up to 20
// (Button5), "Raum 100 (+/-)" the space up to 100 (Button1), "kleines  1 x 1" the small table (Button3).
class KnobelVorbereitung {
public:
    virtual ~KnobelVorbereitung() = default;
    virtual void Button5Zuerst() = 0;
    virtual void Button1Zuerst() = 0;
    virtual void Button3Zuerst() = 0;
};

// "Domino": the "kleines  1 x 1" menu makes the kind button "*" (Button6) the first in the tab order and gives
// it the focus.
class DominoVorbereitung {
public:
    virtual ~DominoVorbereitung() = default;
    virtual void Button6Zuerst() = 0;
};

// The written-calculation sheets: the menu writes the captions of some type rows before it opens one.
class SVTyptexte {
public:
    virtual ~SVTyptexte() = default;
    // Rows from `ersteZeile` (1 = the top row) down.
    virtual void typtexteSetzen(int ersteZeile, const QStringList& texte) = 0;
};
