#pragma once
// What the games hub asks of a launcher ("Knobeln und Planen", "Partnerspiele", the group games): after it
// has loaded a game's section of "sw.ina" into the shared option variables it lets the launcher show them in
// its controls. A window that does not implement this (a stand-in) shows nothing and still opens.

#include <QString>

class Spielstarter {
public:
    virtual ~Spielstarter() = default;
    // The hub has just tried to load the section `stichwort` for programmcode. When it was read (ausDatei),
    // the controls show the shared variables; when the file or the section is missing, the shared variables
    // take what the controls show, so that no other game's values reach this game.
    virtual void abschnittGeladen(const QString& stichwort, bool ausDatei) = 0;
};
