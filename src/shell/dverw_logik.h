#pragma once
// What the administration decides and writes without a window: the checks of pupil and list names, the
// class-list files in "k_liste" and the pupils' folders under "Klassen", the deletion of a list with its
// folders and protocols, and "dw.ina" with the administration password.

#include "shell/klassenliste.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace dverw {

constexpr int kMaxNamen = 40;
constexpr int kMaxNamenlaenge = 35;
constexpr int kMaxListennamenlaenge = 7;
constexpr int kMaxPasswortlaenge = 8;

// ---- Names ----

// Characters a pupil's name may hold: every letter (a line Windows-1252 cannot hold is written in UTF-8), blank
// and "-".
bool namenzeichen(QChar c);
// The characters of `text` a name may not hold, each once, in their order.
QString fremdeZeichen(const QString& text);
// The note beside the name edit about `zeichen`, characters a name may not hold (empty where there are none):
// "„4“ gehört nicht in einen Namen." Where the name holds them, `imNamen` adds that it is saved without them.
QString zeichenhinweis(const QString& zeichen, bool imNamen);
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

// ---- Class lists ----
// Each save reads, changes and writes the list file under the list's lock in one step of klassenliste.h, and reads
// it again at the moment of saving, since another PC sharing the data folder may have saved or deleted the same
// list meanwhile.

// Writes a new list, unless its name is no list name (the result says why) or is taken by now.
klassenliste::Speicherergebnis listeAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen);
// Puts "NN name" after the last pupil the list file holds now, NN one no pupil is known by (klassenliste::
// naechsteNummer: past every written number, the place of every line without one and the number of every pupil's
// folder there, so that the new pupil never shares a number or a folder, not even one of a pupil removed by hand),
// keeps every other line as the file holds it, but for a pupil whose line names an earlier pupil's folder: his line
// is written with the number of his own folder (klassenliste::eigeneOrdner), and makes sure the pupils' folders
// exist. A list of kMaxNamen pupils is voll; one whose numbers reach 99 has keineNummer left, and the result names
// the line that reaches it (a title such as "2024 Klasse 3a").
// `blick`, where given, is what the administration's window has seen of the pupils' folders.
klassenliste::Speicherergebnis namenHinzufuegen(
    const QString& datpfad, const QString& liste, const QString& name, klassenliste::Ordnerblick* blick = nullptr);
// Puts `name` in the line of the `nummer`-th pupil (1-based, blank lines not counted) only where the file still
// holds `gelesen` there, after what stands before the name in that line (its number as typed, or none), so that the
// pupil keeps his folder where its letters stay. Where the line would then name another pupil's folder, or a
// folder on disk whose protocols bear another name (a child removed by hand leaves his behind), it is written
// "NN name" with a new number, as a new pupil's is. Keeps every other line as namenHinzufuegen() does and
// makes sure the pupils' folders exist.
klassenliste::Speicherergebnis namenAendern(const QString& datpfad, const QString& liste, int nummer,
    const QString& gelesen, const QString& name, klassenliste::Ordnerblick* blick = nullptr);

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
// Everything is looked at first: something beside the pupils' folders, a folder that cannot be written, or
// something in a pupil's folder that is not a plain file (a further folder, a link) stops the deletion before
// anything is removed. The listing of each folder says what its names are; where a share's listing does not tell a
// file from a folder or a link (gvfs), each name in a pupil's folder is looked at by itself, except the names the
// program gives protocols (protokoll::istProtokollname) and its own helpers. Such a protocol's name is looked at as
// it is removed: one found then not to be a plain file is left and named, and stops the deletion there, as a
// removal that fails does, before the list file goes, so the list keeps its file while folders of it remain and
// can be deleted again once the folder is cleared. When line 2 of the data-folder "kl.ina" names the deleted list
// (letter case not regarded), it is rewritten with "ohne".
// On a share this takes seconds: `fortschritt`, where given, is told how far it has got (a German text for the
// window) once the lock is held, and again at each pupil's folder; each protocol costs a round trip to its removal,
// and none to a look of its own, also on gvfs.
Loeschergebnis listeLoeschen(
    const QString& datpfad, const QString& liste, const std::function<void(const QString& text)>& fortschritt = {});

// ---- dw.ina ----

// Three lines: "Dateiverwaltung", the password, "Ende". Returns false with the reason in `fehler`.
bool dwinaSchreiben(const QString& datpfad, const QString& passwort, QString& fehler);
// A text that can stand as the password: 0 to kMaxPasswortlaenge of "0".."z", and "*" (the edit's first text
// stays part of a password where the teacher typed beside it).
bool passwortGueltig(const QString& passwort);
// The password in line 2, read as the class lists are (a byte-order mark, UTF-16, LF); empty where there is no
// "dw.ina", so that the administration opens without one. Nothing where the file is there but cannot be read, or
// is no "dw.ina" of three lines ("Dateiverwaltung", a password, "Ende"): the administration is then opened to
// nobody, and `meldung` (where given) names the file, says why and how a teacher mends it.
std::optional<QString> dwinaPasswort(const QString& datpfad, QString* meldung = nullptr);

} // namespace dverw
