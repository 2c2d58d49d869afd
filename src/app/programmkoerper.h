#pragma once

class Form;

// Creates every window of the program once, in the fixed order, and returns the main window.
Form* fensterErzeugen();
// How many windows the program has.
int fensterAnzahl();
