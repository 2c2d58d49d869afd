#pragma once
// What the main window decides without a window: scale factors, the two copies of "kl.ina", the class
// lists found in the data folder, the first-run copy of the installation folder.

#include <QString>
#include <QStringList>

namespace tavi {

struct Skalierung {
    float x = 0;
    float y = 0;
};
// From the maximised main window's outer width and height.
Skalierung skalierung(int breite, int hoehe);

struct KlIna {
    QString datpfad;
    QString aktivliste;
};
// Unchecked read: a missing file or line gives empty texts; the lines as lesbareZeile reads them.
KlIna klinaLesen(const QString& datei);
// Safe rewrite of both lines; throws IoError.
void klinaSchreiben(const QString& datei, const QString& datpfad, const QString& aktivliste);

// True when the program-folder "kl.ina" asks for the first-run set-up: its first line is "x", or it is
// missing or empty (nothing is then known of a data folder).
bool erststart(const KlIna& programmkopie);

// What this PC's "kl.ina" makes of the start.
enum class Start {
    // The first-run set-up, as erststart says.
    erststart,
    // The data folder is there: the main window's class-list choice and areas.
    datenordner,
    // The first line names no folder (no full path, damaged, a file): the set-up is offered with the reason.
    keinOrdner,
    // The first line is the full path of a folder that cannot be reached now: it is not there, cannot be entered,
    // or holds nothing of a data folder (the mount point of a share not mounted yet). Nothing may be made or
    // written until it is there or a teacher gives another folder.
    unerreichbar,
};
struct Startordner {
    Start start = Start::erststart;
    // The data folder, ending with "/"; only with Start::datenordner.
    QString datpfad;
    // For keinOrdner and unerreichbar: what the window says, naming the file and what it read.
    QString meldung;
};
// What the program-folder "kl.ina" (`datei`, already read into `k`) names. Never writes and never makes a folder.
Startordner datenordnerAusKlina(const QString& datei, const KlIna& k);

// Whether the data folder's "kl.ina" names a list at all: a plain file name (no path, no "..", no control
// character). A list of that name that is gone stays active, as another PC may bring it back. Otherwise
// `meldung` names the file and what it read, and no list is active.
bool aktivlisteGueltig(const QString& datei, const QString& aktivliste, QString& meldung);

// The first-run set-up. Copies only the files the data folder does not have yet; one already there, the
// data-folder "kl.ina" with its active list included, stays as it is. Returns an empty string when done,
// else the message for the panel (a path that cannot serve as the data folder: no full path, a file in its place or
// on its way, a folder that cannot be made there). Other file errors throw IoError;
// the program-folder "kl.ina" is written last, so a failure leaves the first-run state in place.
QString datenordnerEinrichten(
    const QString& getippterPfad, const QString& installordner, const QString& programmordner, QString& datpfadNeu);

// The fifteen word lists, in the order they are copied.
extern const char* const kWortlisten[15];
constexpr int kWortlisteMaxWoerter = 300;
constexpr int kWortMaxZeichen = 17;

// Reads a word list into wortpuffer 1..n and returns n: at most 300 lines, each cut to 17 characters, the
// words as lesbareZeile reads them. With `melden` a file that cannot be read throws IoError; without, it gives
// no words.
int wortlisteLesen(const QString& datei, bool melden);
// A line of "kl.ina" or a word list (as read in Windows-1252) as its text: without a UTF-8 byte-order mark on
// the first line, and a line that is valid UTF-8 with more than ASCII read as UTF-8.
QString lesbareZeile(const QString& zeile, bool ersteZeile);

} // namespace tavi
