#pragma once
// What the games hub asks of a launcher ("Knobeln und Planen", "Partnerspiele", the group games): after it
// has loaded a game's section of "sw.ina" into the shared option variables it lets the launcher show them in
// its controls. A window that does not implement this (a stand-in) shows nothing and still opens.

#include "platform/controls.h"

#include <QString>

class Spielstarter {
public:
    virtual ~Spielstarter() = default;
    // The hub has just tried to load the section `stichwort` for programmcode. When it was read (ausDatei),
    // the controls show the shared variables; when the file or the section is missing or damaged, the shared
    // variables take what the controls show, so that no other game's values reach this game.
    virtual void abschnittGeladen(const QString& stichwort, bool ausDatei) = 0;
};

// A radio group of a launcher and the option variable it selects, as abschnittGeladen leaves them: from the
// file the group shows the value. Without it the value takes the group's choice; a group without a choice
// shows the value instead, and a value that is none of its items (another game's option) becomes the first
// item, so that the game never gets an option its launcher does not offer.
template <typename T> void wahlAbgleichen(RadioGroup* gruppe, T& variable, bool ausDatei)
{
    if (ausDatei) {
        gruppe->setItemIndex(int(variable));
    } else if (gruppe->ItemIndex() >= 0) {
        variable = T(gruppe->ItemIndex());
    } else {
        if (int(variable) < 0 || int(variable) >= gruppe->items().size()) variable = T(0);
        gruppe->setItemIndex(int(variable));
    }
}
