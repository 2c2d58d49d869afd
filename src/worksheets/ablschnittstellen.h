#pragma once
// What the worksheet hub and menus set on a window before they open it. A window implements the part that
// concerns it; a window that is not built yet implements nothing, and the step is left out.

// "Komma": the hub hides its prompt panel Panel5 before showing it.
class KommaVorbereitung {
public:
    virtual ~KommaVorbereitung() = default;
    virtual void Panel5Verbergen() = 0;
};

// "Knobelkästen": the "Bereich bis 20" menu makes its button for the space up to 20 (Button5) the first in
// the tab order before showing it.
class KnobelVorbereitung {
public:
    virtual ~KnobelVorbereitung() = default;
    virtual void Button5Zuerst() = 0;
};

// "Knobelkästen": the "Raum 100" menu makes its button for the space up to 100 (Button1) the first in the
// tab order before showing it.
class KnobelHundertVorbereitung {
public:
    virtual ~KnobelHundertVorbereitung() = default;
    virtual void Button1Zuerst() = 0;
};
