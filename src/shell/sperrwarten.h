#pragma once
// While a window waits for a class list's lock (another PC saves the list just now), the program shows that it
// waits: the wait cursor, the windows repainted. Clicks and keys made during the wait are dropped, so that an
// impatient second click on "Liste speichern" or a name does not start a second wait once the first ends; so is a
// click on a window's close box, which would otherwise end the window in the middle of its save.

namespace sperrwarten {

// Installs this for the whole program; the windows that save or look at class lists call it when they are made.
void anzeigen();

// A long step of the program's own (a class list's deletion on a share) shows as such a wait does while this lives;
// weiter() repaints the windows and drops what was clicked meanwhile.
class Warten {
public:
    Warten();
    ~Warten();
    Warten(const Warten&) = delete;
    Warten& operator=(const Warten&) = delete;
    void weiter();
};

} // namespace sperrwarten
