#pragma once
// While a window waits for a class list's lock (another PC saves the list just now), the program shows that it
// waits: the wait cursor, the windows repainted. Clicks and keys made during the wait are dropped, so that an
// impatient second click on "Liste speichern" or a name does not start a second wait once the first ends; so is a
// click on a window's close box, which would otherwise end the window in the middle of its save.

namespace sperrwarten {

// Installs this for the whole program; the windows that save or look at class lists call it when they are made.
void anzeigen();

} // namespace sperrwarten
