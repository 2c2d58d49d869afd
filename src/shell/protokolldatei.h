#pragma once
// Protocol files in the pupils' folders, shared by the aids' protocol dialog and the analysis set-ups: the
// folder of a pupil without a class list, the file-name prefix, the first free number and the exclusive
// creation of a new protocol file. A class list's files, and the folders of its pupils, are klassenliste.h's.

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace protokoll {

constexpr int kMaxNummer = 99;

// "01" .. "99".
QString zweistellig(int n);

// The folder of a pupil who types a name, working without a class list: datpfad + "OHNELIST/" + the first 8
// characters of the name, as it is spelled on disk. Empty when the name could reach outside the data folder.
QString ohnelistordner(const QString& datpfad, const QString& name);

// File-name prefix of an aid's protocol: "H" + first digit of the code + "_" + the next digits (at most
// three) + "_" (code 17 gives "H1_7_", code 610 "H6_10_").
QString hilfenpraefix(int programmcode);

// The number NN where `name` is praefix + NN + ".txt" with NN in 01..99 (letter case not regarded), as a protocol's
// file is named; 0 for any other name.
int nummerIn(const QString& name, const QString& praefix);
// Whether `name` is one the program gives a protocol, of any aid or analysis: a beginning, NN and ".txt" as above.
bool istProtokollname(const QString& name);

// What one look at a pupil's folder found of the numbers of the protocols stamm + NN + ".txt" (letter case not
// regarded, folders counted as taken): the look is made once, and the numbers found free are tried in turn.
struct Nummern {
    // The pupil's folder as the look found it, and the file names' beginning.
    QString ordner;
    QString praefix;
    // belegt[n] for n in 1..99.
    QVector<bool> belegt = QVector<bool>(kMaxNummer + 1, false);
    // The first free number, 0 when all are taken.
    int erste() const;
    // The file of number n.
    QString datei(int n) const;
};
// `gelistet`: the names in the folder as a look just before found them, which this one then needs not take again.
Nummern nummernSuchen(const QString& stamm, const std::optional<QStringList>& gelistet = std::nullopt);

// The first n in 1..99 for which stamm + NN + ".txt" does not exist (letter case not regarded); 0 when all
// are taken.
int freienummer(const QString& stamm);

// Creates the protocol file at the first number `nummern` holds free, exclusively, so that two PCs sharing the
// data folder never write into one file: a number that another PC took since the look is marked taken and the
// next free one tried, without a new look. `inhalt` gives the lines for the file's path. The file is one text in one
// encoding: Windows-1252 where every line reads back from it (cp1252::roundTrips), else, where one cannot (a name
// as a class list spells it, the path of its folder), UTF-8 without a byte-order mark, every line. Returns the path,
// or an empty string when the folder is full (fehler stays empty) or the file cannot be written (fehler says why).
QString anlegen(Nummern& nummern, const std::function<QStringList(const QString& pfad)>& inhalt, QString& fehler);
// The same after a look of its own at stamm's folder.
QString anlegen(const QString& stamm, const std::function<QStringList(const QString& pfad)>& inhalt, QString& fehler);

// The lines of the protocol file at `pfad` as they were written, the encoding decided line by line
// (cp1252::decodeLines), so that a file in Windows-1252, one in UTF-8 and one of an earlier release that mixed the
// two all read right; none where it cannot be read.
QStringList lesen(const QString& pfad);

} // namespace protokoll
