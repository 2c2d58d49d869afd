#pragma once
// What a class list's files are, for the administration, the aids' protocol dialog and the analyses alike: the
// list's file in "k_liste" with its lock, the look at it and the search for lists, its lines as a teacher wrote
// them, its writing, and the pupils' folders under "Klassen" with the one rule that names them.

#include "platform/errors.h"
#include "shell/ordnerregel.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace klassenliste {

// The administration adds no pupil past this many; a list made by hand may hold more, and every one is offered.
constexpr int kMaxSchueler = 40;
// Longest list name of a class-list file: the program makes names of 7 characters, a hand-made list may have 8.
constexpr int kMaxListennamenlaenge = 8;
// The highest number a pupil's line can have: it is written with two digits.
constexpr int kMaxNummer = 99;
// `listennamen` holds at most this many lists; the choices show every list found.
constexpr int kMaxListen = 31;

// ---- The list's file ----

// The file of a class list: datpfad + "k_liste/" + liste + ".txt".
QString pfad(const QString& datpfad, const QString& liste);
// The file a new list is stored in: the list name with ".txt", upper-cased ("1b_03" gives "1B_03.TXT").
QString dateiname(const QString& liste);
// The lock file under which a class list is read, changed and written back: "k_liste/" + the list name,
// upper-cased so that every PC means the same file whatever case it was given, + ".LCK". Empty when the name
// could reach outside the folder.
QString sperrdatei(const QString& datpfad, const QString& liste);

// What a look at a class list's file found.
enum class Blick {
    da,
    // Neither the file nor the folder "k_liste" is there: the list was deleted.
    fehlt,
    // The folder or the file could not be looked at (no right to read, a share that does not answer): nothing
    // is known about the list; the reason is in `fehler`.
    fehler,
};
// Looks at the list's file itself, its name matched without regard to letter case; `pfad` gets its real path.
Blick ansehen(const QString& datpfad, const QString& liste, QString& pfad, QString& fehler);

// ---- Which files are class lists ----

// True for the name of a class-list file: 1 to kMaxListennamenlaenge of "0".."9", "A".."Z", "a".."z" and "_", then
// ".txt", in any letter case. The program's own files in "k_liste" (a lock, a breaker, a probe, a temporary file of
// a save) and dot files never are.
bool istListendatei(const QString& datei);

// The class lists found in datpfad + "k_liste", as the choices show them: the file names before ".txt", sorted
// without regard to letter case, all of them.
struct Suche {
    QStringList namen;
    // The folder (or the data folder itself) could not be listed from this PC: nothing is known of its lists, and
    // `meldung` says so, naming the folder.
    bool unlesbar = false;
    QString meldung;
    // The files that end in ".txt" but whose names no list can have ("Klasse_3c.txt", "3c 2024.txt"), sorted: a
    // teacher who made one looks for it in vain.
    QStringList ausgelassen;
};
Suche suchen(const QString& datpfad);
// What the administration's list choice says of the files `ausgelassen` of a Suche: that they are not offered, and
// what a list's file name may be.
QString ausgelassenMeldung(const QStringList& ausgelassen);

// Whether "k_liste" holds a file of the list, whatever the letter case of its name. A folder that cannot be
// listed is unlesbar: nothing is known of the name, it is never free.
enum class Namenspruefung { frei, vorhanden, unlesbar };
Namenspruefung namepruefen(const QString& datpfad, const QString& liste);

// What a teacher or pupil is told where the class lists cannot be read from this PC: the folder, and why.
QString unlesbarMeldung(const QString& ordner, const QString& grund);
// What a teacher is told where "k_liste" may not be written from this PC: the folder, not a file in it.
QString nurLesbarGrund(const QString& datpfad);
QString nurLesbarMeldung(const QString& datpfad);
// The system's reason of an I/O message ("E/A-Fehler 5 bei …: Zugriff verweigert"), without the path.
QString grund(const QString& ioMeldung);

// ---- Its lines ----

// Thrown where a list's file is there but holds no text (NUL bytes left by a PC that went down, UTF-16 without its
// mark): it is damaged, not missing; the message names the file.
class Beschaedigt : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};
// What a teacher is told of a damaged list's file `datei`, and how to mend it.
QString beschaedigtMeldung(const QString& datei);

// The lines of a list file's bytes as a teacher may have saved them: Windows-1252 as the program writes them,
// UTF-8 (with or without a byte-order mark) or UTF-16 with its mark as an editor writes them, the encoding decided
// line by line (a line appended in UTF-8 beside Windows-1252 lines reads as what it says); CR LF or LF.
QStringList zeilenAus(const QByteArray& bytes);
// Every line of the list's file, blank lines included. Throws IoError when the file cannot be read, Beschaedigt when it
// holds no text.
QStringList alleZeilen(const QString& datpfad, const QString& liste);

// A line that names a pupil: not empty, not only blanks and tabs, and more than a number.
bool istSchueler(const QString& zeile);
// The lines of `zeilen` that name pupils, in their order: a blank line is no pupil and takes no place.
QStringList schuelerzeilen(const QStringList& zeilen);
// The number a line begins with, after any blanks and tabs, which belong to no name ("7  Paul", "007 Paul" and
// "\t7 Paul" give 7); 0 where it has none, and one of more than three digits counts as past every number.
int nummer(const QString& zeile);
// Where a line's name begins, and the number written before it ("" where it has none: digits not followed by a blank
// are part of the name). Blanks and tabs before the digits belong to no name; `vorDerNummer` false takes them for the
// name's start, as the folders of such lines have always been named.
struct Teile {
    QString nummer;
    int name = 0;
};
Teile teilen(const QString& zeile, bool vorDerNummer = true);
// The number by which the pupil of `zeile` at `platz` (from 1) is known: his own where it has two digits at most and
// is not 0, else his place.
int bekanntAls(const QString& zeile, int platz);
// A pupil is known by his line's number where it has two digits at most and is not 0, else by his place among the
// pupils (from 1, blank lines taking none): "Anna" as the first pupil is known as "01 Anna".
//
// The highest number a pupil of `zeilen` is known by or a line is written with, and the first line that has it
// (empty where there is none); where `ordner` (the names of the folders in the list's folder, in small letters) holds
// a pupil's folder of a higher number, left by a pupil whose line was removed, that folder's name instead.
struct Hoechste {
    int nummer = 0;
    QString zeile;
    QString ordner;
};
Hoechste hoechsteNummer(const QStringList& zeilen, const QSet<QString>& ordner = {});
// The number a new pupil of `zeilen` gets: one no pupil is known by, past the highest written number, past the
// place of every line without one and past the number of every pupil's folder in `ordner`, so that no two pupils
// share a number and a new pupil never gets the folder of one removed by hand; above kMaxNummer where there is none
// left.
int naechsteNummer(const QStringList& zeilen, const QSet<QString>& ordner = {});
// The number a pupil's folder of that name begins with ("07 Paul" and "7 Paul" give 7), where it is one a line of
// two digits could be written with; 0 otherwise.
int ordnernummer(const QString& ordner);

// The pupils of a list as a choice offers them, and why there is none to offer.
struct Schuelerliste {
    enum class Stand {
        gelesen,
        // No such list: deleted by hand or on another PC, or a name that is no list's.
        fehlt,
        // Its file holds no text.
        beschaedigt,
        // It could not be read just now (no right to read, a share answering badly).
        unlesbar,
    };
    Stand stand = Stand::gelesen;
    // The pupils' lines, all of them, however long a hand-made list is.
    QStringList zeilen;
    // Where `zeilen` is empty: why no pupil can be offered, in a sentence a pupil may read.
    QString meldung;
};
Schuelerliste schuelerLesen(const QString& datpfad, const QString& liste);
// The pupils' lines, all of them; empty when the list cannot be read or `liste` names no list file.
QStringList lesen(const QString& datpfad, const QString& liste);

// "NN name": the number with two digits, a blank, the name, as the program writes a list's line.
QString zeile(int nummer, const QString& name);
// The pupil's name in a line: what follows an optional number and the blanks before and after it ("03 Anna",
// " 03 Anna" and "Anna" all give "Anna").
QString name(const QString& zeile);
// What stands before the name in a line, as it was typed (" 03  " of " 03  Clara", "" of "Anna"): a name changed
// is written after it, so that the line keeps the number and the folder it has.
QString praefix(const QString& zeile);
// The pupil of `schuelerzeile` as a protocol names him: the number he is known by with two digits (his place in the
// choice, `position` from 1, where his line has no number of two digits), a blank and his name, at most 35
// characters.
QString schuelercode(const QString& schuelerzeile, int position);

// Writes a class-list file whole with `zeilen`, CR LF: each line in Windows-1252 as every PC sharing the data folder
// reads it, and a line Windows-1252 cannot hold ("Elif Yılmaz" typed in an editor) or whose bytes would read back as
// another text in UTF-8, as an editor wrote it, so that no pupil's name is changed. `neu`: the file must not exist yet,
// and is made under its name; otherwise it is written beside its place and renamed over the old one, which stays whole
// when the write fails. A file that was not written whole is removed again. Only bytes that read back as `zeilen`
// are written: a file whose first bytes would read as a byte-order mark writes nothing, and `fehler` names the line and
// the file, since a line read back otherwise would move its pupil to another folder. Returns 0 or the I/O code of the
// failure (IoFileExists: a new list's name is taken); `fehler` says why.
int schreiben(const QString& pfad, const QStringList& zeilen, bool neu, QString& fehler);
// The bytes of a list's file `bytes` with its lines (as zeilenAus() reads them) changed to `zeilen`, as a choice
// writes a number into a line: a changed line keeps its encoding and its line end, the number written before its own
// bytes, and every other byte stays as the teacher's editor saved it (a byte-order mark, UTF-16 in its byte order,
// each line's encoding, the line ends, a last line without one). Nothing where `zeilen` is not as many lines, or a
// change could not be written so that the file reads back as `zeilen`.
std::optional<QByteArray> mitZeilen(const QByteArray& bytes, const QStringList& zeilen);

// ---- The pupils' folders ----

// The names of the folders in the list's folder under "Klassen", in small letters; empty where there is none, or where
// it cannot be listed just now: the lines alone then say how pupils are numbered and named.
QSet<QString> vorhandeneOrdner(const QString& datpfad, const QString& liste);

// The folder of pupil `index` (from 0) of `schueler`: datpfad + "Klassen/" + liste + "/" + his name of
// ordnernamen(), existing folders as they are spelled on disk. Empty when the name could reach outside the data
// folder.
QString schuelerordner(const QString& datpfad, const QString& liste, const QStringList& schueler, int index);
// Makes sure the folders of the pupils of `zeilen` (all of them, blank lines left out) exist under
// "Klassen/" + liste, with one look at the list's folder; folders there already, in any letter case, stay as they are.
// `bekannt`: the names the folders' first protocols were found to bear (Ordnerlage::gefunden()), not read again.
void ordnerAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen,
    const QHash<QString, QString>& bekannt = {});

// What became of a pupil's folder asked for by a class-list line shown earlier.
enum class Ordnerwahl {
    angelegt,
    // The list holds another line there by now: no folder was made.
    geaendert,
    // The list is gone, deleted on another PC: no folder was made.
    geloescht,
    // The list is being changed on another PC just now: no folder was made.
    gesperrt,
    // The list could not be looked at: nothing is known about it, no folder was made; the reason is in `fehler`.
    unlesbar,
    // The folder could not be made.
    fehler,
};
// The folder of the `nummer`-th pupil (1-based, blank lines not counted) of the pupils `gezeigt` as they were shown,
// made only where the list still holds his line. Which folder it is, is looked at first, with what `blick` (where
// given) saw before; then, under the list's lock, so that a deletion on another PC cannot come in between, the list
// is read once more and the folder made, where his line is still there (a list damaged meanwhile holds no line). Where
// other lines of the list changed meanwhile, his folder is looked at again. `ordner` gets the folder when it was made.
// Only where "k_liste" may not be written from this PC (pupils who may only read it) is the list looked at without
// the lock; any other failure to make the lock is `unlesbar`, with the reason in `fehler`. `code` (where given) gets
// the code the pupil is known by in his protocols (Schuelerordner::code).
Ordnerwahl ordnerWaehlen(const QString& datpfad, const QString& liste, const QStringList& gezeigt, int nummer,
    QString& ordner, QString& fehler, QString* code = nullptr, Ordnerblick* blick = nullptr);

// ---- Saving into a list ----

// What became of a save into a list: a new list, a name added or a name changed.
enum class Speicherung {
    gespeichert,
    // The file holds kMaxSchueler pupils by now: nothing was written.
    voll,
    // The line would need a number past kMaxNummer: nothing was written; `zeile` holds the line whose number
    // leaves none.
    keineNummer,
    // The line to be changed no longer holds what was read: nothing was written.
    anderswoGeaendert,
    // The list file is gone, deleted on another PC: nothing was written, no folder was made.
    geloescht,
    // A new list's name is taken by now: nothing was written.
    vorhanden,
    // Another PC held the list's lock for the whole wait: nothing was written.
    gesperrt,
    // The folder "k_liste" may not be written from this PC: nothing was written.
    nurLesbar,
    // The file holds no text: nothing was written; `fehler` says so, naming it.
    beschaedigt,
    // The file could not be read or written, or the list could not be looked at; the reason is in `fehler`.
    fehler,
};

struct Speicherergebnis {
    Speicherung art = Speicherung::fehler;
    // The number the line was written with.
    int nummer = 0;
    QString fehler;
    // keineNummer: the line of the highest number, the one a teacher would mend, or the folder of a pupil removed
    // by hand that has it.
    QString zeile;
    QString ordner;
};

// Writes a new list as the file dateiname(liste) with `zeilen` and makes its pupils' folders under "Klassen/" +
// liste, unless a list of that name (letter case not regarded) exists by now. Under the list's lock the file is
// made under its name, never replacing one, and written whole; a write that fails removes it again. A folder that
// cannot be looked through is an error, never a free name.
Speicherergebnis anlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen);

// Under the list's lock: reads every line of the list as the file holds it now (another PC sharing the data folder
// may have saved or deleted it meanwhile; a file that holds no text is beschaedigt and never rewritten), lets
// `aendern` change its lines and set the number of the line it wrote, and writes them back where it says
// gespeichert; then, with the lock given back, makes sure the pupils' folders exist, reading nothing `blick` (where
// given) found before.
//
// `vermerk`, where `aenderung` sets its folder: the name a pupil's folder bears from now on (kNamensdatei), written
// under the lock before the list, and put back as it was where the list cannot be written.
struct Namensvermerk {
    QString ordner; // the folder's real path
    QString name;
};
Speicherergebnis aendern(const QString& datpfad, const QString& liste,
    const std::function<Speicherung(QStringList& zeilen, int& nummer)>& aenderung, Ordnerblick* blick = nullptr,
    Namensvermerk* vermerk = nullptr);

} // namespace klassenliste
