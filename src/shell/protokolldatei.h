#pragma once
// Protocol files in the pupils' folders, shared by the aids' protocol dialog and the analysis set-ups:
// the pupil list of the active class list, the pupil folder, the first free number and the exclusive
// creation of a new protocol file.

#include <QString>
#include <QStringList>
#include <functional>

namespace protokoll {

constexpr int kMaxSchueler = 40;
constexpr int kMaxNummer = 99;

// "01" .. "99".
QString zweistellig(int n);

// The lines of the class list datpfad + "k_liste/" + liste + ".txt" (two-digit number, blank, name), at
// most kMaxSchueler; empty when the list cannot be read or `liste` names no class-list file.
QStringList klassenliste(const QString& datpfad, const QString& liste);
// The file of a class list: datpfad + "k_liste/" + liste + ".txt".
QString listenpfad(const QString& datpfad, const QString& liste);
// The lock file under which a class list is read, changed and written back: "k_liste/" + the list name,
// upper-cased so that every PC means the same file whatever case it was given, + ".LCK". Empty when the name
// could reach outside the folder.
QString listensperre(const QString& datpfad, const QString& liste);
// What a look at a class list's file found.
enum class Listenblick {
    da,
    // Neither the file nor the folder "k_liste" is there: the list was deleted.
    fehlt,
    // The folder or the file could not be looked at (no right to read, a share that does not answer): nothing
    // is known about the list; the reason is in `fehler`.
    fehler,
};
// Looks at the list's file itself, its name matched without regard to letter case; `pfad` gets its real path.
Listenblick listeAnsehen(const QString& datpfad, const QString& liste, QString& pfad, QString& fehler);
// ---- Which files are class lists ----

// Longest list name of a class-list file: the program makes names of 7 characters, a hand-made list may have 8.
constexpr int kMaxListennamenlaenge = 8;
// At most this many lists are offered in a choice.
constexpr int kMaxListen = 31;

// True for the name of a class-list file: 1 to kMaxListennamenlaenge of "0".."9", "A".."Z", "a".."z" and "_", then
// ".txt", in any letter case. The program's own files in "k_liste" (a lock, a breaker, a probe, a temporary file of
// a save) and dot files never are.
bool istListendatei(const QString& datei);

// The class lists found in datpfad + "k_liste", as the choices show them: the file names before ".txt", sorted
// without regard to letter case, at most kMaxListen.
struct Listensuche {
    QStringList namen;
    // The folder (or the data folder itself) could not be listed from this PC: nothing is known of its lists, and
    // `meldung` says so, naming the folder.
    bool unlesbar = false;
    QString meldung;
};
Listensuche listenSuchen(const QString& datpfad);

// What a teacher or pupil is told where the class lists cannot be read from this PC: the folder, and why.
QString unlesbarMeldung(const QString& ordner, const QString& grund);
// The system's reason of an I/O message ("E/A-Fehler 5 bei …: Zugriff verweigert"), without the path.
QString grund(const QString& ioMeldung);

// Writes a class-list file whole with `zeilen` (Windows-1252, CR LF). `neu`: the file must not exist yet, and is
// made under its name; otherwise it is written beside its place and renamed over the old one, which stays whole
// when the write fails. A file that was not written whole is removed again. Returns 0 or the I/O code of the
// failure (IoFileExists: a new list's name is taken); `fehler` says why.
int listeSchreiben(const QString& pfad, const QStringList& zeilen, bool neu, QString& fehler);

// The name of a class-list line: the text from its fourth character on.
QString nameAusZeile(const QString& zeile);

// The name of a pupil's folder: the first 8 characters of the class-list line or typed name, without the
// blanks and dots at its end, which Windows drops from folder names ("01 Lena Meier" gives "01 Lena"), so
// that a PC running Windows and this one, sharing the data folder, find one folder per pupil.
QString ordnername(const QString& zeileOderName);

// The pupil's folder: with a class list datpfad + "Klassen/" + liste + "/" + the first 8 characters of the
// class-list line; without one ("ohne") datpfad + "OHNELIST/" + the first 8 characters of the typed name.
// Existing folders as they are spelled on disk. Empty when the name could reach outside the data folder.
QString schuelerordner(const QString& datpfad, const QString& liste, const QString& zeileOderName);

// What became of a pupil's folder asked for by a class-list line shown earlier.
enum class Listenordner {
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
// Reads the list again and makes the folder of the class-list line `zeile` only where line `nummer` (1-based)
// still holds `gezeigt`, the line as the pupil was shown it; under the list's lock, so that a deletion on another
// PC cannot come between the look and the folder. `ordner` gets the folder when it was made. Only where "k_liste"
// may not be written from this PC (pupils who may only read it) is the list looked at without the lock; any other
// failure to make the lock is `unlesbar`, with the reason in `fehler`.
Listenordner ordnerInListe(const QString& datpfad, const QString& liste, int nummer, const QString& gezeigt,
    const QString& zeile, QString& ordner, QString& fehler);

// File-name prefix of an aid's protocol: "H" + first digit of the code + "_" + the next digits (at most
// three) + "_" (code 17 gives "H1_7_", code 610 "H6_10_").
QString hilfenpraefix(int programmcode);

// The first n in 1..99 for which stamm + NN + ".txt" does not exist (letter case not regarded); 0 when all
// are taken.
int freienummer(const QString& stamm);

// Creates stamm + NN + ".txt" at the first free number, exclusively, so that two PCs sharing the data folder
// never write into one file: a number that another PC takes in the meantime is skipped. `inhalt` gives the
// lines for the file's path. Returns the path, or an empty string when the folder is full (fehler stays
// empty) or the file cannot be written (fehler says why).
QString anlegen(const QString& stamm, const std::function<QStringList(const QString& pfad)>& inhalt, QString& fehler);

} // namespace protokoll
