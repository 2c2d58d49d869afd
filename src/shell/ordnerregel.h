#pragma once
// The one rule that gives each pupil of a class list his folder under "Klassen/<list>", and the code he is known by
// in his protocols, for the administration, the aids' protocol dialog and the analyses alike.
//
// The rule decides each line's folder in one place, the first row below that gives him one holding; each result says
// which (Schuelerordner::grund). The folders a line "could name" are his own (ordnername()), the folder of his name
// alone where a number was typed in front of it, and those of his first letters after a number of 1 to 3 digits
// ("02 Lena" for "Lena Schneider"), wherever he stands. A folder bears the name its Name.txt or its first protocol
// (by file name) holds; an empty protocol names no one, and a folder that cannot be read is someone's. A line's place
// gives him a number where he has none ("Anna" as the first is "01 Anna"), never his folder.
// Lines whose folders cannot meet (other first letters, no folder named by both) are decided apart, so that a
// pupil's folder is found by reading the folders of his first letters only.
//
// Each row's example: the lines, "*" before the one the row is about; the folders there, each with the name it
// bears (none after "="); then each line's folder, with the number his line is written with in brackets. The rule's
// table test runs exactly these examples.
//
// nachName: a folder he could name that bears his name and is no one's before him goes
//  1. to the line written with the folder's number;
//     e.g. Anna, *03 Anna | 03 Anna=Anna → Anna, 03 Anna
//  2. to lines of one name without a number, in their order among themselves (a folder without a number first, then
//     by number), whatever lines are typed, deleted or moved above, between or below them; an empty folder counts
//     only for several of one name where no other line could name it, and a folder of a number another line is
//     written with goes to them only after row 3;
//     e.g. Ben, Anna, *Anna | Anna=Anna, 04 Anna=Anna → Ben, Anna, 04 Anna (04)
//     e.g. Anna, *Anna | Anna=Anna, 99 Anna=Anna → Anna, 99 Anna (99)
//  3. to the other lines in their order; a line written with a number keeps it where no other line is written with
//     it. (A pupil the administration adds is given a folder of his own, noted as his, where this row would give
//     him a folder of his name that a child who left had.)
//     e.g. *01 Anna, 02 Ben, Anna | 01 Ben=Ben, 02 Anna=Anna → 02 Anna, 01 Ben, Anna
//     e.g. 01 Ben, *05 Lena Schneider | 02 Lena=Lena Schneider → 01 Ben, 02 Lena
//     e.g. *01 Max Neu, 02 Lena Schmidt | Max Neu=Max Neu, Lena Sch=Lena Schmidt → Max Neu, Lena Sch
//     e.g. *Paul | 007 Paul=Paul → 007 Paul (07)
// seineNummer:
//  4. a line written with a number takes the folder it names where its protocols bear a name no line of the list
//     has: the administration never gives a number twice, and a name corrected in it keeps its number and folder.
//     Not where its Name.txt names the child: that one is his alone.
//     e.g. Tom Klein, *02 Lena Schulz | 02 Lena=Lena Schneider → Tom Klei, 02 Lena
// eigenerOrdner:
//  5. the folder his line names, where no line has it and it bears no other name; not for a line without a number
//     after a namesake of his before him was given a folder with a number (his would come before theirs).
//     e.g. *Lena Schäfer | Lena Sch= → Lena Sch
//     e.g. Lena Schmidt, *03 Lena Schneider | Lena Sch=Lena Schmidt → Lena Sch, 03 Lena
// frisch:
//  6. a fresh folder "NN name": the number he is known by, else his place, else that of an empty folder of his first
//     letters, else a number no line is written with or known by and no other folder has.
//     e.g. *Lena Schäfer | Lena Sch=Lena Schmidt → 01 Lena (01)
//     e.g. Anna, *Anna | 05 Anna=Anna → 05 Anna (05), 02 Anna (02)
//
// A line is written with his folder's number where the folder is not the one his line names, so that from then on
// his line names it by itself: not where his line has a number of his alone and his folder was found by his name
// (no other folder he could name bearing it too), nor where another line is written with the folder's number (it
// could not carry it): "(NN)" in the examples.
//
// No two pupils share a folder or a code; his code carries the number of his folder where it is not his line's.
// A folder's name holds only characters every PC sharing the data folder can use: what Windows refuses in a name,
// and half of a character of two halves, stands as a blank, and a folder made before under the name as typed is
// still found and kept.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

namespace klassenliste {

// The name a pupil's line gives his folder (or a typed name its folder under "OHNELIST"): the number as written, one
// blank and the name ("01\tAnna" as "01 Anna"), or the name alone where the line has no number; of that the first
// 8 characters, without the blanks and dots at their end, which Windows drops from folder names ("01 Lena Meier"
// gives "01 Lena"), so that a PC running Windows and this one, sharing the data folder, find one folder per pupil.
// Blanks before a line's number are left out with the number taken for the name's start (" 03  Clara" gives
// "03  Clar"), as such folders have always been named. A tab, a control character and what Windows refuses in a
// name (: " * ? < > | \ /) stand as blanks ("Kim: Lee" gives "Kim  Lee").
QString ordnername(const QString& zeile);

// What the rule may know of a list's folder: which folders are there, and the name each one's first protocol bears.
// Both are asked for only when the rule needs them, and each only once; copies share what was found.
class Ordnerlage {
public:
    // Where it is found: the folders there, and the name the first protocol of one of them bears (empty: it holds
    // none); the folder's path as it is spelled on disk, and the names in it where they were listed for that.
    class Quelle {
    public:
        virtual ~Quelle() = default;
        virtual QStringList auflisten() = 0;
        virtual QString traegt(const QString& ordner) = 0;
        virtual QString pfad(const QString&) { return {}; }
        virtual std::optional<QStringList> inhalt(const QString&) { return std::nullopt; }
    };

    // Nothing on disk.
    Ordnerlage();
    // The folders `vorhanden` (in any letter case), none holding a protocol: as far as a list's lines alone tell.
    Ordnerlage(const QSet<QString>& vorhanden);
    // The folders there, each with the name its first protocol bears, or none.
    explicit Ordnerlage(const QHash<QString, QString>& traegt);
    // `bekannt`: the names found before, which are not asked for again.
    explicit Ordnerlage(std::shared_ptr<Quelle> quelle, const QHash<QString, QString>& bekannt = {});

    // The names of the folders there, in small letters.
    const QSet<QString>& vorhanden() const;
    bool da(const QString& ordner) const;
    // The name the folder's first protocol bears; empty where it holds none or is not there.
    QString traegt(const QString& ordner) const;
    // Whether the folder's Name.txt names the child: the administration corrected his name there.
    bool vermerkt(const QString& ordner) const;
    // The names found so far, by folder in small letters, as kept (to be handed on as `bekannt`): a folder's first
    // protocol stays its first.
    QHash<QString, QString> gefunden() const;
    // Whether the name of the folder was read, and is one.
    bool bekannt(const QString& ordner) const;
    // The same, but that the folder `ordner` bears `name`: as after the administration noted it there.
    Ordnerlage mitName(const QString& ordner, const QString& name) const;
    // The same, but that the names of the folders `welche` says yes to are read again when asked for.
    Ordnerlage ohne(const std::function<bool(const QString& ordner)>& welche) const;
    // How many folders were read so far.
    int gelesen() const;
    // The folder's path as it is spelled on disk, where the list's folder is a real one; else empty.
    QString pfad(const QString& ordner) const;
    // The names in the folder where they were listed to find its first protocol, so that they need no second look;
    // given once, since a protocol saved after it makes a listing out of date.
    std::optional<QStringList> inhalt(const QString& ordner) const;

private:
    QString gelesenerName(const QString& ordner) const;
    Ordnerlage kopie() const;
    struct Stand;
    std::shared_ptr<Stand> m;
};

// The real list's folder datpfad + "Klassen/" + liste, looked at when the rule asks; `bekannt` the names found before
// (Ordnerlage::gefunden()), which are not read again.
Ordnerlage ordnerlage(const QString& datpfad, const QString& liste, const QHash<QString, QString>& bekannt = {});
// The same of the folder `pfad` (resolved), where its names were listed already as `gelistet`.
Ordnerlage ordnerlageIn(const QString& pfad, const QStringList* gelistet, const QHash<QString, QString>& bekannt = {});

// What one window has seen of a list's pupils' folders, kept while it is open: the folders there and the names their
// first protocols bear. As long as the list's pupils are the lines it was made for, but for numbers the program wrote
// into them, a choice reads nothing again; where another hand changed them, everything is looked at anew, since a
// name corrected in the administration is noted in its folder.
class Ordnerblick {
public:
    Ordnerlage lage(const QString& datpfad, const QString& liste, const QStringList& schueler);
    // The lines `schueler` are those it was made for, but for numbers the program wrote into them since.
    void gilt(const QStringList& schueler);
    // Looks at the list's folder again, as under the list's lock before a folder is chosen: where folders were made
    // or removed since (by another PC, or another window), true, and what was seen is the folder as it is now, with
    // the names found kept.
    bool auffrischen(const QString& datpfad, const QString& liste);
    // The names in the pupil's folder `ordner` as the last look found them, where it listed them; given once.
    std::optional<QStringList> inhalt(const QString& ordner) const;
    // What this window's own save found, for the lines `schueler` it writes: kept as if it had looked at them, so that
    // its next save reads only what another hand changed.
    void uebernehmen(const QString& datpfad, const QString& liste, const Ordnerlage& lage, const QStringList& schueler);
    // Everything is looked at anew, as when the window opens again.
    void vergessen();

private:
    QString m_wo;
    QStringList m_fuer;
    Ordnerlage m_lage;
    bool m_gilt = false;
};

// The file in a pupil's folder that names the child it belongs to, where the administration corrected his name: his
// protocols before bear the name as it was. One line, the name; it is no protocol, and no viewer offers it.
constexpr const char* kNamensdatei = "Name.txt";
// Writes `name` as the child's name into the folder `ordnerpfad` (a real path), whole or not at all. 0 or the errno.
int nameVermerken(const QString& ordnerpfad, const QString& name);

// The pupil a protocol names, from its first lines as the program writes them: "Leistungsprotokoll für <name>" as an
// aid's second line, else the name an analysis's first line begins with; empty where neither is there.
QString protokollname(const QStringList& ersteZeilen);
// A name as every protocol of its pupil holds it: at most the 32 characters an analysis writes, and what
// Windows-1252 has no letter for as "?", as protocols were written before names were kept as typed.
QString protokollform(const QString& name);
// Whether a protocol naming `protokoll` is one of the pupil `name`: an analysis names at most 32 characters of him,
// and a protocol written before names were kept as typed holds "?" for a letter Windows-1252 has not.
bool gleicherName(const QString& protokoll, const QString& name);

// Why a pupil was given his folder.
enum class Grund {
    nachName, // it bears his name
    seineNummer, // his line's number names it, and its protocols bear a name no line has
    eigenerOrdner, // his line names it, and it bears no other name
    frisch, // none of these: a fresh folder
};

// A pupil's folder by the rule.
struct Schuelerordner {
    QString name;
    // The number his line is to be written with, so that it names this folder by itself: where the folder is not the
    // one his line names and his line has no number of its own to keep (none, or one another line is written with
    // too). 0 where none is to be written.
    int nummer = 0;
    // The number in his code: his folder's where it is not his line's, else the number he is known by.
    int bekannt = 0;
    // "NN name" as his protocols and the choices know him, at most 35 characters; no two pupils' alike.
    QString code;
    Grund grund = Grund::frisch;
};
// The folder the pupil's line names: ordnername(), or the name as typed where a folder of it is there, made before
// such characters became blanks.
QString eigenerOrdner(const QString& zeile, const Ordnerlage& lage);

// Whether the line could name the folder `ordner`: the one it names, or one of its first letters after a number.
bool kannNennen(const QString& zeile, const QString& ordner);

// Which pupils the rule is asked about: all of them, or those of `nur` (indices from 0), each looked at with the
// lines his could meet and no others, so that only the folders of their first letters are read.
struct Umfang {
    QVector<int> nur;
};
// The folders of the pupils `schueler` (their lines, blank lines left out), in their order, no two alike without
// regard to letter case; a pupil not asked about has an empty Schuelerordner.
QVector<Schuelerordner> ordnerWahl(const QStringList& schueler, const Ordnerlage& lage = {}, const Umfang& umfang = {});
// The folder of the pupil `index` (from 0) alone, as ordnerWahl() gives it.
Schuelerordner ordnerVon(const QStringList& schueler, int index, const Ordnerlage& lage = {});
// The pupils whose folders the pupil `index` could meet: those looked at together with him.
QVector<int> zusammen(const QStringList& schueler, int index, const Ordnerlage& lage = {});
QStringList ordnernamen(const QStringList& schueler, const Ordnerlage& lage = {});
QStringList schuelercodes(const QStringList& schueler, const Ordnerlage& lage = {});
// `zeilen` (blank lines included) with the line of every pupil to be written with a number (Schuelerordner::nummer)
// written as "NN name": from then on his line names his folder by itself, whatever lines come before it or go. Each
// number is written once: a number another line has is not written again.
// `umfang`: the pupils to be looked at, as for ordnerWahl(); a choice writes the number of the pupil chosen and of the
// lines his could meet.
QStringList eigeneOrdner(const QStringList& zeilen, const Ordnerlage& lage = {}, const Umfang& umfang = {});

} // namespace klassenliste
