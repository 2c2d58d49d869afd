#pragma once
// The games settings file "sw.ina" and which game goes where: the section a game keeps its options in, the
// launcher it opens, and for every section where its values go in the shared option variables and where
// they come from when a launcher's Start rewrites it. Every launcher loads and writes through here.

#include "shell/einstellungsdatei.h"

#include <QString>
#include <vector>

namespace sp_haupt {

// The launcher a game is chosen through.
enum class Starter { keiner, knobeln, partner, gruppe };
Starter starter(int spiel);

// The section of a game number ("masch" for 1 and 12, ...); empty for 17, 25 and numbers of no game.
QString stichwort(int spiel);

// datpfad + "sw.ina".
QString swina();

// The section's values as the shared variables hold them, in file order; empty for an unknown keyword.
// ("lvr" takes its step count from schrittzahl; its launcher puts in the number typed before writing.)
std::vector<int> abschnittwerte(const QString& stichwort);
// Stores values read from the file in the section's variables and their mirrors (rechenartzeichen,
// maschinenzahlen, nachbarlagen). A flag that is neither its item's index nor -1 counts as not chosen.
void abschnittsetzen(const QString& stichwort, const std::vector<int>& werte);

// Whether every value lies within the items of the control it selects (or the range of its edit).
bool werteGueltig(const QString& stichwort, const std::vector<int>& werte);

// Loads the section into the shared variables, leaving the file's lines in zeilenpuffer. The variables stay
// unchanged when the file or the keyword is missing (fehlt) and when the section is damaged: values missing
// or no numbers before the next keyword, or a value outside the items of its control (beschaedigt). A file
// that exists but cannot be read throws IoError.
einstellungsdatei::Abschnittstand abschnittladen(const QString& stichwort);
// What the teacher is told about a damaged section before the launcher opens with its defaults.
QString beschaedigtMeldung(const QString& stichwort);

// Start of a launcher: rewrites the section with the shared variables' values (or the ones given), replacing
// every old line of the section, damaged ones too. A missing file is left missing, a missing keyword is
// appended, and a rewrite that fails leaves the old file whole and is not reported: the game opens all the
// same.
void abschnittschreiben(const QString& stichwort);
void abschnittschreiben(const QString& stichwort, const std::vector<int>& werte);

} // namespace sp_haupt
