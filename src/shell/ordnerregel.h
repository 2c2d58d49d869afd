#pragma once
// The one rule that gives each pupil of a class list his folder under "Klassen/<list>", and the code he is known by
// in his protocols, for the administration, the aids' protocol dialog and the analyses alike.
//
// The contract:
// - A pupil's folder is the one his line names (ordnername()), unless another line names it too.
// - Where several lines name one folder, the folder belongs to the pupil whose name its protocols bear: every
//   protocol names its pupil in its first lines. Where it is empty or missing, where its protocols bear none of their
//   names, or where they bear the first of those lines' name (as a folder two pupils shared under an older release
//   does), the first of the lines keeps it.
// - Every other of those pupils gets a folder "NN name" of his own: the one of that shape that holds his protocols
//   where there is one, so that he finds it again after lines above him were typed or removed; else a fresh one, of
//   the number he is known by, his place, or the first number past those before him, that no other line is written
//   with, that no line names, and that is not on disk already, unless it is empty.
// - No two pupils share a folder or a code; his code carries the number of his own folder where he has one.
// - A folder's name holds only characters every PC sharing the data folder can use: what Windows refuses in a name
//   stands as a blank, and a folder made before under the name as typed is still found and kept.
// - The list's folder is listed only where a line names a folder of characters changed so, or where two lines name
//   one folder; a folder's protocols are read only where its owner is in question or it is given as a pupil's own,
//   and each such folder at most once, only as far as needed.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

namespace klassenliste {

// The name a pupil's line gives his folder (or a typed name its folder under "OHNELIST"): the number as written, one
// blank and the name ("01\tAnna" as "01 Anna"), or the name alone where the line has no number; of that the first
// 8 characters, without the blanks and dots at their end, which Windows drops from folder names ("01 Lena Meier"
// gives "01 Lena"), so that a PC running Windows and this one, sharing the data folder, find one folder per pupil.
// Blanks before a line's number are left out with the number taken for the name's start (" 03  Clara" gives
// "03  Clar"), as such folders have always been named. A tab, a control character and what Windows refuses in a
// name (: " * ? < > | \ /) stand as blanks ("Kim: Lee" gives "Kim  Lee").
QString ordnername(const QString& zeile);

// What the rule may know of a list's folder: which folders are there, and which names their protocols bear. Both
// are asked for only when the rule needs them, and each only once.
class Ordnerlage {
public:
    // The names of the folders there; the protocol files in a folder; the name one of them bears.
    using Auflisten = std::function<QSet<QString>()>;
    using Protokolle = std::function<QStringList(const QString& ordner)>;
    using Lesen = std::function<QString(const QString& ordner, const QString& datei)>;

    // Nothing on disk.
    Ordnerlage();
    // The folders `vorhanden` (in any letter case), none holding a protocol: as far as a list's lines alone tell.
    Ordnerlage(const QSet<QString>& vorhanden);
    // The folders there, each with the names its protocols bear, one a protocol.
    explicit Ordnerlage(const QHash<QString, QStringList>& protokolle);
    Ordnerlage(Auflisten auflisten, Protokolle protokolle, Lesen lesen);

    // The names of the folders there, in small letters.
    const QSet<QString>& vorhanden() const;
    bool da(const QString& ordner) const;
    // Whether a protocol in `ordner` bears `name`; reads no further than the first that does.
    bool traegt(const QString& ordner, const QString& name) const;
    // The names its protocols bear, one a protocol, all of them.
    QStringList namen(const QString& ordner) const;
    // Whether it holds no protocol.
    bool leer(const QString& ordner) const;

private:
    struct Stand;
    // Shared by its copies, so that what one read the others know.
    std::shared_ptr<Stand> m;
};

// The real list's folder datpfad + "Klassen/" + liste, looked at when the rule asks.
Ordnerlage ordnerlage(const QString& datpfad, const QString& liste);
// The same of the folder `pfad` (resolved), where its names were listed already as `gelistet`.
Ordnerlage ordnerlageIn(const QString& pfad, const QStringList* gelistet);

// The pupil a protocol names, from its first lines as the program writes them: "Leistungsprotokoll für <name>" as an
// aid's second line, else the name an analysis's first line begins with; empty where neither is there.
QString protokollname(const QStringList& ersteZeilen);
// A name as every protocol of its pupil holds it: at most the 32 characters an analysis writes, and what
// Windows-1252 has no letter for as "?", as protocols were written before names were kept as typed.
QString protokollform(const QString& name);
// Whether a protocol naming `protokoll` is one of the pupil `name`: an analysis names at most 32 characters of him,
// and a protocol written before names were kept as typed holds "?" for a letter Windows-1252 has not.
bool gleicherName(const QString& protokoll, const QString& name);

// The folders of the pupils `schueler` (their lines, blank lines left out), in their order, no two alike without
// regard to letter case; and the number of the "NN name" a pupil's line is to be written as where his folder is not
// the one his line names (0 where it is, or where that number is written in another line already).
struct Schuelerordner {
    QString name;
    int nummer = 0;
    // The number in his code: his folder's where he has one of his own.
    int bekannt = 0;
};
QVector<Schuelerordner> ordnerWahl(const QStringList& schueler, const Ordnerlage& lage = {});
QStringList ordnernamen(const QStringList& schueler, const Ordnerlage& lage = {});
// The codes by which the pupils `schueler` are known in their protocols: "NN name", at most 35 characters, NN the
// number of his own folder where he has one, else the number he is known by; no two alike.
QStringList schuelercodes(const QStringList& schueler, const Ordnerlage& lage = {});
// `zeilen` (blank lines included) with the line of every pupil whose folder is not the one his line names written as
// "NN name" with the number that folder has: from then on his line names it by itself, whatever lines come before it
// or go. A line whose number another line is written with already stays as it is: his folder still finds him by his
// protocols.
QStringList eigeneOrdner(const QStringList& zeilen, const Ordnerlage& lage = {});

} // namespace klassenliste
