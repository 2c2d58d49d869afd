#pragma once
// Area settings files ("hw.ina", "fw.ina", "aw.ina", "sw.ina"): two leading lines kept as read, then
// sections of a keyword line and a line of blank-separated integers. Every area's loader and writer goes
// through these two routines with its own keyword and value list.

#include <QString>
#include <QStringList>
#include <vector>

namespace einstellungsdatei {

// A keyword line holds one word of letters, digits and "_" with at least one letter; a section runs from its
// keyword line to the next keyword line. Values are never read past it, and a rewrite replaces every line
// in between.

// Loads the section `stichwort` of `datei` (a full path): reads the file whole into `zeilenpuffer`
// (`zeilenzahl` lines, at most as many as it holds), sets `stichwortzeile` to the keyword line (the last
// one when the keyword stands twice) and reads `anzahl` integers after it, across blanks and line ends.
// Returns false and leaves `werte` unchanged when the file or the keyword is missing.
// Values missing at the end of the file read 0; a value that is not a number, or values missing before the
// next keyword, throw IoError (invalid numeric input).
bool abschnittladen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// The same without the error: a section whose `anzahl` values do not all stand there as numbers before the
// next keyword or the end of the file is `beschaedigt`, and `werte` stays unchanged then as when the file
// or the keyword is missing. A file that exists but cannot be read still throws IoError.
enum class Abschnittstand { gelesen, fehlt, beschaedigt };
Abschnittstand abschnittlesen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// Rewrites `datei` with the section's new value line. The file is read again just before, so a change
// that another PC made in the meantime is kept; every other section stays byte for byte; the old lines
// between the keyword and the next keyword are replaced (the new line is inserted when the next keyword
// follows at once); a missing keyword is appended with its values, after the two leading lines of the
// installed file when the file has lost them (an emptied file). The rewrite goes to a temporary file that
// replaces the old one only when complete. Throws IoError when the file is missing or cannot be written.
void abschnittschreiben(const QString& datei, const QString& stichwort, const std::vector<int>& werte);
// The same for a section of several value lines.
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
// Rewrites lines 3 and 4, keeping lines 1, 2 and 5 onwards as they are (lines 1 and 2 of the installed
// file when the file has lost them).
void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben);

} // namespace einstellungsdatei
