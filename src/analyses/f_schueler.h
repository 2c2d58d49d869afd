#pragma once
// The pupil of an analysis run, shared by the three analysis set-ups (quick sight, basic arithmetic,
// written subtraction): the pupil list of the active class list, the typed name without a list, the
// pupil's folder and the free protocol number. GUI-free; the window glue is in f_schueler_wahl.h.
//
// How a set-up uses them:
//   activation:  names := schueler::namenliste();              // keeps the pupils' lines, sets schuelerzahl
//                (or, with the widgets, Namenwahl::aktivieren(), which also clears the last pupil)
//   list click:  schuelername := schueler::waehlen(i, namen->itemText(i));
//   typed name:  schuelername := schueler::gueltigerName(n_ohne->text());   // on every change
//   Start:       switch (schueler::protokollvorbereiten("ssub__")) {
//                case Protokollziel::Bereit: open the runner;                   // merker = 0
//                case Protokollziel::Voll:   show "Der benötigte Protokoll-Ordner ist voll.", beep;
//                default: show schueler::meldung(ziel); a list deleted or changed: Namenwahl::aktivieren() }
//   the runner's protocol writer, at the end of the run:
//                QString fehler;
//                const QString pfad = schueler::protokollanlegen([&](const QString& pfad) {
//                    protzeilen[1] = pfad; return the file's lines; }, fehler);
//                pfad empty: nothing was written, fehler says why (empty: the folder filled up meanwhile);
//                otherwise protdatei holds pfad, ready for the protocol viewer (Form36).

#include <QString>
#include <QStringList>
#include <functional>

namespace schueler {

// Longest typed pupil name (it names the pupil's folder under "OHNELIST").
constexpr int kNamenlaenge = 8;

// Message when the pupil's folder cannot be made (a name that no folder may have, a data folder that
// cannot be written).
inline const QString kOrdnerFehlt = QStringLiteral("Der Protokoll-Ordner kann nicht angelegt werden.");
inline const QString kListeGeaendert = QStringLiteral(
    "Die Klassenliste wurde inzwischen an einem anderen Rechner geändert. Bitte den Namen noch einmal wählen.");
inline const QString kOrdnerVoll = QStringLiteral("Der benötigte Protokoll-Ordner ist voll.");

// True while the pupil types a name: working without a class list (aktivliste "ohne"), or the active list offered
// no name at the last namenliste() (gone, damaged, not readable just now), so that a run is kept as without a list.
bool ohneListe();

// The names of the active class list (datpfad + "k_liste/" + aktivliste + ".txt"), each line without its
// number and blank; a blank line is no pupil. Every pupil is offered, also past the fortieth of a list made by hand:
// the lines are kept here (the shared table `listenzeilen` holds forty), and schuelerzahl is set.
// Where the list offers no name, none are given and the pupil types one (ohneListe() is then true); `meldung` (when
// given) gets why, for the set-up to show. Otherwise it is emptied.
QStringList namenliste(QString* meldung = nullptr);

// The class-list form of the pupil at list position index (from 0): his own number with two digits (his place in
// the list where his line has none, the number of his folder where he has one of his own), a blank and `name`, cut to
// 35 characters ("03 Anna").
QString schuelercode(int index, const QString& name);
// The pupil clicked at row `index` (from 0): his schuelercode(), and the row kept, so that Start files the run in his
// folder, never in that of an earlier row giving the same code ("Anna" at place 1 and a written "01 Anna").
QString waehlen(int index, const QString& name);
// No row is chosen any more.
void abwaehlen();

// Characters a typed name may hold: the digits and the letters A..Z, a..z (no umlauts, no separators).
bool namenzeichen(QChar c);
// A typed or pasted text reduced to what a name may hold, at most kNamenlaenge characters.
QString gueltigerName(const QString& text);

enum class Protokollziel {
    Bereit, // folder made, nrtext holds the first free number
    Voll, // numbers 01..99 of this prefix all taken
    Unzulaessig, // no pupil, a name that is no folder name, or the folder cannot be made
    // The class list no longer holds the chosen line as it was shown (changed on another PC): no folder was
    // made; the names are to be shown again.
    ListeGeaendert,
    // The class list was deleted since the names were shown: no folder was made; the pupil types a name for this run,
    // as without a list (ohneListe() is true until the names are read again).
    ListeGeloescht,
    // The list's lock is held just now (a save or a deletion on another PC): no folder was made; Start may be clicked
    // again in a moment.
    ListeGesperrt,
    // The list could not be looked at (a share that does not answer): no folder was made; meldung() gives the
    // reason.
    ListeUnlesbar,
};

// What the set-up tells the pupil about an outcome other than Bereit.
QString meldung(Protokollziel ziel);

// Start of a run: the pupil's folder from schuelername (the row clicked, where it gives that code) and aktivliste
// (created with its parents), the free number for the file-name prefix (e.g. "ss10__", "1+1___", "ssub__"). Sets
// schuelerzeile (with a list), schuelerordner, protdatei (the folder with a trailing "/"), praefix, nrtext and
// merker (1 when full).
Protokollziel protokollvorbereiten(const QString& praefix);

// protdatei + praefix: the path of the protocol file without its number and ".txt".
QString protokollstamm();

// The protocol file of the run, created exclusively at the first free number of protokollstamm() (a number
// taken by another PC in the meantime is skipped; nothing is overwritten). `inhalt` gets the path and gives
// the lines. On success protdatei and nrtext name the file and the path is returned; otherwise an empty
// string and fehler says why (the folder-full text when all numbers are taken).
QString protokollanlegen(const std::function<QStringList(const QString& pfad)>& inhalt, QString& fehler);

} // namespace schueler
