#pragma once
// Area settings files ("hw.ina", "fw.ina", "aw.ina", "sw.ina"): the installed file's two leading lines, then
// sections of a keyword line and a line of integers separated by blanks (or tabs). Every area's loader and writer goes
// through these two routines with its own keyword and value list.

#include <QString>
#include <QStringList>
#include <vector>

namespace einstellungsdatei {

// Each file's readers know its keywords (`stichwoerter`). A keyword line is one of them, in any letter case and
// with blanks before or after it; a section runs from its keyword line to the next keyword line, and every
// other line in between belongs to it. Values are never read past it, and a rewrite replaces every line in
// between.
QStringList stichwoerter(const QString& dateiname);

// Loads the section `stichwort` of `datei` (a full path): reads the file whole into `zeilenpuffer`
// (`zeilenzahl` lines, at most as many as it holds), sets `stichwortzeile` to the keyword line (the last
// one when the keyword stands twice) and reads `anzahl` integers after it, across blanks and line ends.
// Returns false and leaves `werte` unchanged when the file or the keyword is missing, and also when the file
// is damaged as a whole: it exists and holds more than blanks and line ends but none of its keywords (UTF-16,
// cut to a few bytes, NUL bytes). Such a file is said once in German (reportError), naming it, and is never
// rewritten before its bytes are kept as "<name>.beschaedigt" beside it.
// Values missing at the end of the file read 0; a value that is not a number ("1e5", one past the range of an
// int, letters), or values missing before the next keyword, throw IoError (invalid numeric input).
bool abschnittladen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// The same without the error: a section whose `anzahl` values do not all stand there as numbers before the
// next keyword or the end of the file is `beschaedigt`, and `werte` stays unchanged then as when the file
// or the keyword is missing. A file that exists but cannot be read still throws IoError.
enum class Abschnittstand { gelesen, fehlt, beschaedigt };
Abschnittstand abschnittlesen(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// The defaults of a section: the same section of the installed file of that name (folders::installFolder()), for
// where the data folder's file cannot give it. Leaves `zeilenpuffer`, `zeilenzahl` and `stichwortzeile` as the data
// folder's file left them. False (`werte` unchanged) when the installed file does not hold the section whole.
bool voreinstellung(const QString& datei, const QString& stichwort, int anzahl, std::vector<int>& werte);

// Rewrites `datei` with the section's new value line. A damaged file (see abschnittladen) is first kept whole
// as "<name>.beschaedigt" (or the next free "<name>.beschaedigtN"), then written anew with this section alone. The file
// is read again just before, so a change that another PC made in the meantime is kept; every other section stays byte
// for byte; the old lines between the keyword and the next keyword are replaced (the new line is inserted when the next
// keyword follows at once), and the keyword line is written as the keyword. A missing keyword is appended with its
// values. When lines 1 and 2 are not the installed file's leading lines (a file emptied, cut short, of NUL
// bytes, starting with a keyword), these replace whatever stood before the first keyword. The rewrite goes to
// a temporary file that replaces the old one only when complete. Throws IoError when the file is missing or
// cannot be written.
void abschnittschreiben(const QString& datei, const QString& stichwort, const std::vector<int>& werte);
// The same for a section of several value lines.
void abschnittschreibenZeilen(
    const QString& datei, const QString& stichwort, const std::vector<std::vector<int>>& zeilen);

// The same with the value lines as they are to stand, for a launcher whose lines keep a blank after the
// last value.
void abschnittschreibenTexte(const QString& datei, const QString& stichwort, const QStringList& zeilen);

// The value line as the writers write it: one blank between values, none after the last.
QString wertezeile(const std::vector<int>& werte);

// The bounds of the work limits, as their entry takes them.
constexpr int kMaxMindestminuten = 15;
constexpr int kMaxMindestaufgaben = 30;

// The work limits of "hw.ina": the section "limit" (line 3 of the installed file), the minimum minutes and
// tasks. Reads them, bounded to 0..kMax*; returns false (numbers unchanged) when the file is missing, true and
// the numbers unchanged when the section is. A section that cannot be read, or a damaged file, gives no limits
// (0 and 0), said once.
bool kopfladen(const QString& datei, int& mindestminuten, int& mindestaufgaben);

// The message for a section that cannot be read: the file and the keyword, and that the defaults hold.
QString beschaedigtMeldung(const QString& datei, const QString& stichwort);
// Rewrites them as a section is rewritten; a missing "limit" goes back to line 3, under the leading lines.
void kopfschreiben(const QString& datei, int mindestminuten, int mindestaufgaben);

} // namespace einstellungsdatei
