#pragma once
// What stands behind the controls of "Knobeln und Planen" and needs no window: the title of a game, the
// recounts of chosen operations and neighbour directions, the operator list of the machine games and the
// range of the magic squares, each deciding whether "Start" may be pressed. Everything works on the shared
// option variables.

#include <QString>

namespace s_KP {

// The title shown for a game of this launcher; empty for other numbers.
QString titel(int spiel);
// True when the game has a rule memo and thus an "Info" button.
bool hatRegeln(int spiel);

// Operation recount: rechenartzeichen from rechenarten ("+", "-", "*", ":" or "n"), gewaehltzahl. True when at
// least one operation is chosen.
bool operationenZaehlen();
// Operator list of the machine games: maschinenzahlen from ziehzahlen[1..10], then every chosen operation
// with every chosen number in operatortexte[1..], ":0" dropped; operatorzahl and zwzahl1 the count. True
// when there is at least one operator.
bool operatorliste();
// Direction recount: nachbarlagen entries not equal to their index become -1; gewaehltzahl. True when at
// least one direction is chosen.
bool richtungenZaehlen();
// The magic squares: step 1..100 (variante) and start at most 100 (variante2).
bool zqGueltig();

// The recounts a game's options need, as the launcher runs them when it is shown; true when Start may be
// pressed for the game.
bool startErlaubt(int spiel);

} // namespace s_KP
