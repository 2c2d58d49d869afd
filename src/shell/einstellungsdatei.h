#pragma once
// Area settings files ("hw.ina", "fw.ina", "aw.ina", "sw.ina"): two leading lines kept as read, then
// sections of a keyword line and a line of blank-separated integers. Every area's loader and writer goes
// through these two routines with its own keyword and value list.

#include <QString>
#include <QStringList>
#include <vector>

namespace einstellungsdatei {

// Loads the section `stichwort` of `datei` (a full path): reads the file whole into `zeilenpuffer`
// (`zeilenzahl` lines, at most as many as it holds), sets `stichwortzeile` to the keyword line (the last
// one when the keyword stands twice) and reads `anzahl` integers after it, across blanks and line ends.
// Returns false and leaves `werte` unchanged when the file or the keyword is missing.
// A value that is not a number throws IoError (invalid numeric input).
bool abschnittladen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// Rewrites `datei` with the section's new value line. The file is read again just before, so a change
// that another PC made in the meantime is kept; every other line stays byte for byte; the one old value
// line after the keyword is replaced (inserted when the next keyword follows at once); a missing keyword is
// appended with its values. The rewrite goes to
// a temporary file that replaces the old one only when complete. Throws IoError when the file is missing
// or cannot be written.
void abschnittschreiben(const QString& datei, const QString& stichwort, const std::vector<int>& werte);
// The same for a section of several value lines: as many old lines after the keyword are replaced as new
// ones are given.
void abschnittschreibenZeilen(
    const QString& datei, const QString& stichwort, const std::vector<std::vector<int>>& zeilen);

// The same with the value lines as they are to stand, for a launcher whose lines keep a blank after the
// last value.
void abschnittschreibenTexte(const QString& datei, const QString& stichwort, const QStringList& zeilen);

// The value line as the writers write it: one blank between values, none after the last.
QString wertezeile(const std::vector<int>& werte);

// Header of "hw.ina": line 3 "limit", line 4 the minimum minutes and tasks.
// Reads the two numbers after line 3; returns false (numbers unchanged) when the file is missing.
bool kopfladen(const QString& datei, int& mindestminuten, int& mindestaufgaben);
// Rewrites lines 3 and 4, keeping lines 1, 2 and 5 onwards as they are.
void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben);

} // namespace einstellungsdatei
