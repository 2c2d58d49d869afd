#pragma once

#include <functional>

class Form;

// Creates every window of the program once, in the fixed order, and returns the main window.
Form* fensterErzeugen();
// The same in two steps, so that the main window can be painted before the others are made: the main
// window, first of the order; then the windows after it, in their order (once; a second call does
// nothing). Until the second step has run, the main window makes it run before it opens any window.
Form* hauptfensterErzeugen();
void weitereFensterErzeugen();
// Starts the program as a teacher sees it: the main window, the others right after its first paint, and
// the message loop until the main window closes. `vorDemZeigen` gets the main window before it is shown;
// `nachErstemBild` runs once every window exists.
void programmLaeuft(const std::function<void(Form*)>& vorDemZeigen = {}, const std::function<void()>& nachErstemBild = {});
// How many windows the program has.
int fensterAnzahl();
