#pragma once
// What the administration decides and writes without a window: the checks of pupil and list names, the
// class-list files in "k_liste" and the pupils' folders under "Klassen", the deletion of a list with its
// folders and protocols, and "dw.ina" with the administration password.

#include <QString>
#include <QStringList>

namespace dverw {

constexpr int kMaxNamen = 40;
constexpr int kMaxNamenlaenge = 35;
constexpr int kMaxListennamenlaenge = 7;
constexpr int kMaxPasswortlaenge = 8;

// ---- Names ----

// Characters a pupil's name may hold: letters, the umlauts, "ß", blank and "-".
bool namenzeichen(QChar c);
// Characters a list name may hold: digits, letters and "_".
bool listennamenzeichen(QChar c);
// Characters of the password: "0".."z".
bool passwortzeichen(QChar c);

// A name that may be stored as a class-list line: 1 to 35 allowed characters, not beginning with a blank.
bool schuelernameGueltig(const QString& name);
// A name for a new list: 1 to 7 allowed characters.
bool listennameGueltig(const QString& name);

// "NN Name": the number with two digits, a blank, the name.
QString listenzeile(int nummer, const QString& name);
// The file a new list is stored in: the list name with ".txt", upper-cased ("1b_03" gives "1B_03.TXT").
QString listendateiname(const QString& liste);

// ---- Class lists ----

// Whether "k_liste" holds a file of the list, whatever the letter case of its name. A folder that cannot be
// listed is unlesbar: nothing is known of the name, it is never free.
enum class Namenspruefung { frei, vorhanden, unlesbar };
Namenspruefung listennamepruefen(const QString& datpfad, const QString& liste);

// The lines of a list (at most kMaxNamen). Throws IoError when the file cannot be read.
QStringList listeLesen(const QString& datpfad, const QString& liste);

// What became of a save into a list: a new list, a name added or a name changed. Each reads, changes and
// writes the list file under the list's lock (protokoll::listensperre), and reads it again at the moment of
// saving, since another PC sharing the data folder may have saved or deleted the same list meanwhile.
enum class Namenspeicherung {
    gespeichert,
    // The file holds kMaxNamen lines by now: nothing was written.
    voll,
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
    // The file could not be read or written, or the list could not be looked at; the reason is in `fehler`.
    fehler,
};

// What a teacher is told where "k_liste" may not be written from this PC: the folder, not a file in it.
QString nurLesbarMeldung(const QString& datpfad);

struct Namensergebnis {
    Namenspeicherung art = Namenspeicherung::fehler;
    // The number the line was written with.
    int nummer = 0;
    QString fehler;
};

// Writes a new list as the file listendateiname(liste) with `zeilen` and makes its pupils' folders under
// "Klassen/" + liste, unless a list of that name (letter case not regarded) exists by now. Under the list's lock
// the file is made under its name, never replacing one, and written whole; a write that fails removes it again.
// A folder that cannot be looked through is an error, never a free name.
Namensergebnis listeAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen);
// Puts "NN name" after the last line the list file holds now, as its next line and with that line's number,
// keeps every other line as the file holds it and makes sure the pupils' folders exist.
Namensergebnis namenHinzufuegen(const QString& datpfad, const QString& liste, const QString& name);
// Puts "NN name" in line `nummer` only where the file still holds `gelesen` there, keeps every other line as
// the file holds it and makes sure the pupils' folders exist.
Namensergebnis namenAendern(
    const QString& datpfad, const QString& liste, int nummer, const QString& gelesen, const QString& name);

struct Loeschergebnis {
    bool geloescht = false;
    // Line 2 of the data-folder "kl.ina" named the list and now says "ohne".
    bool aktivlisteAufgehoben = false;
    // Why the list was not deleted, or that "kl.ina" could not be written; empty when all went well.
    QString meldung;
};

// Deletes the pupils' folders of the list with their protocol files, the list folder and the list file, all by
// absolute paths. Every folder directly in the list folder is a pupil's, also one a rename left behind.
// It holds the list's lock throughout, so that no save of another PC meets it halfway.
// Everything is looked at first: something that is not a plain file in a pupil's folder (a further folder, a
// link), something beside the pupils' folders or a folder that cannot be written stops the deletion before
// anything is removed. A removal that still fails stops it before the list
// file goes, so a list never loses its file while folders of it remain. When line 2 of the data-folder
// "kl.ina" names the deleted list (letter case not regarded), it is rewritten with "ohne".
Loeschergebnis listeLoeschen(const QString& datpfad, const QString& liste);

// ---- dw.ina ----

// Three lines: "Dateiverwaltung", the password, "Ende". Returns false with the reason in `fehler`.
bool dwinaSchreiben(const QString& datpfad, const QString& passwort, QString& fehler);
// The password in line 2, cut to 8 characters; empty when the file or the line is missing.
QString dwinaPasswort(const QString& datpfad);

} // namespace dverw
