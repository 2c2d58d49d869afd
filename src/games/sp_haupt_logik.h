#pragma once
// The games settings file "sw.ina" and which game goes where: the section a game keeps its options in, the
// launcher it opens, and for every section where its values go in the shared option variables and where
// they come from when a launcher's Start rewrites it. Every launcher loads and writes through here.

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

// Loads the section into the shared variables, leaving the file's lines in zeilenpuffer. False, with the
// variables unchanged, when the file or the keyword is missing. A value that is no number throws IoError.
bool abschnittladen(const QString& stichwort);

// Start of a launcher: rewrites the section with the shared variables' values (or the ones given). A missing
// file is left missing, a missing keyword is appended, and a rewrite that fails leaves the old file whole and
// is not reported: the game opens all the same.
void abschnittschreiben(const QString& stichwort);
void abschnittschreiben(const QString& stichwort, const std::vector<int>& werte);

} // namespace sp_haupt
