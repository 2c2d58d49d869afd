#pragma once
// The one rule that gives each pupil of a class list his folder under "Klassen/<list>", and the code he is known by
// in his protocols, for the administration, the aids' protocol dialog and the analyses alike.
//
// The rule, whatever the order of the lines:
// 1. A folder whose protocols bear a name belongs to that name: every protocol names its pupil in its first lines,
//    and a folder is known by its first protocol. A line finds the folder bearing his name among the folders his line
//    could name: his own (ordnername()), and those of his first letters after a number ("02 Lena" for "Lena
//    Schneider"), wherever he stands. Lines of one name take the folders of that name by the number each is known
//    by, then in their order.
// 2. A line that finds none takes the folder his line names, unless another line has it. A line without a number
//    does so only where no protocol there bears another name: its folder is named by its first 8 letters, which
//    children come and go under. A line written with a number keeps the folder of his number also where its
//    protocols bear a name no line of the list has: the administration never gives a number twice, and a name
//    corrected in it keeps its number and its folder, with the protocols of the name before.
// 3. Else a fresh folder "NN name": the number he is known by, else one that no other line is written with or known
//    by and no other folder on disk has; a fresh folder on disk is one only where it holds no protocol.
// Lines whose folders cannot meet (other first letters, no folder named by both) are looked at apart, so that a
// pupil's folder is found by reading the folders of his first letters only.
//
// No two pupils share a folder or a code; his code carries the number of his folder where it is not his line's.
// A folder's name holds only characters every PC sharing the data folder can use: what Windows refuses in a name
// stands as a blank, and a folder made before under the name as typed is still found and kept.

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
    // The names found so far, by folder in small letters: a folder's first protocol stays its first.
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
    struct Stand;
    std::shared_ptr<Stand> m;
};

// The real list's folder datpfad + "Klassen/" + liste, looked at when the rule asks; `bekannt` the names found before
// (Ordnerlage::gefunden()), which are not read again.
Ordnerlage ordnerlage(const QString& datpfad, const QString& liste, const QHash<QString, QString>& bekannt = {});
// The same of the folder `pfad` (resolved), where its names were listed already as `gelistet`.
Ordnerlage ordnerlageIn(const QString& pfad, const QStringList* gelistet, const QHash<QString, QString>& bekannt = {});

// What one window has seen of a list's pupils' folders, kept while it is open: the folders there and the names their
// first protocols bear. As long as the list's pupils are the lines it was made for, a choice reads nothing again;
// where they changed, the list's folder is listed anew and the names found are kept, since a folder's first protocol
// stays its first.
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
    ungelesen, // the list as a whole: his line names it and it is there, not looked into
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
// lines his could meet and no others, so that only the folders of their first letters are read. With
// `ganzeListe` the lines that alone name their folder, with no other of their first letters there, and lines
// that each name the folder of a number of their own, none another line's, are given them unread: what is to be made
// or written of a list as a whole needs no more.
struct Umfang {
    QVector<int> nur;
    bool ganzeListe = false;
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
// number is written once: a number another line has is not written again. Lines given their folders unread
// (Umfang::ganzeListe) are not read for this: their folders are found again when their pupils are chosen.
// `umfang`: the pupils to be looked at, as for ordnerWahl(); a choice writes the number of the pupil chosen and of the
// lines his could meet.
QStringList eigeneOrdner(const QStringList& zeilen, const Ordnerlage& lage = {}, const Umfang& umfang = { {}, true });

} // namespace klassenliste
