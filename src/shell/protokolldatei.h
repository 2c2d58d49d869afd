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
// most kMaxSchueler; empty when the list cannot be read.
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
// PC cannot come between the look and the folder. `ordner` gets the folder when it was made. Where the lock
// cannot be made (pupils may not write into "k_liste") the list is looked at without it.
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
