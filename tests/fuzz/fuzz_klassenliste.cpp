// A class list as a teacher or a crash may have left it: what a choice offers of it, each pupil with a folder of his
// own, and a name added to it, which never moves a pupil to another folder, never gives a number another line has,
// and never rewrites a list it could not read as text. The same bytes as "dw.ina": a password that can be typed, or the
// administration shut and said.

#include "platform/cp1252.h"
#include "platform/files.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "umgebung.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <random>

namespace {

using namespace klassenliste;

bool keineZweiGleich(const QStringList& namen)
{
    QSet<QString> klein;
    for (const QString& n : namen)
        klein.insert(n.toLower());
    return klein.size() == namen.size();
}

// The protocols of a folder, in the order of their names without regard to letter case; the folder is found in any
// letter case, as the program finds it.
QStringList protokolle(const QString& genannt)
{
    QStringList namen = QDir(files::resolve(genannt)).entryList(QDir::Files);
    namen.erase(
        std::remove_if(namen.begin(), namen.end(), [](const QString& n) { return !protokoll::istProtokollname(n); }),
        namen.end());
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        const int v = a.compare(b, Qt::CaseInsensitive);
        return v != 0 ? v < 0 : a < b;
    });
    return namen;
}

// The first lines of a file in the folder.
QStringList kopf(const QString& genannt, const QString& datei)
{
    QFile f(files::resolve(genannt) + u'/' + datei);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return cp1252::decodeLines(f.read(1024)).lines.mid(0, 3);
}

// The name a folder bears: the one the administration noted in it, else its first protocol's; empty where it holds
// none.
QString traegt(const QString& genannt)
{
    const QStringList vermerk = kopf(genannt, QString::fromLatin1(kNamensdatei));
    if (!vermerk.value(0).trimmed().isEmpty()) return vermerk.value(0).trimmed();
    const QStringList p = protokolle(genannt);
    return p.isEmpty() ? QString() : protokollname(kopf(genannt, p.first()));
}

// The children whose protocols the folder holds, each with the name he wrote them under: each protocol names its
// child in its third line.
QHash<int, QString> kinderIn(const QString& genannt)
{
    QHash<int, QString> kinder;
    for (const QString& p : protokolle(genannt)) {
        const QStringList k = kopf(genannt, p);
        kinder.insert(k.value(2).mid(5).toInt(), protokollname(k));
    }
    return kinder;
}

// A year of the list after the input, following each child (who wrote what), not names: pupils saving protocols,
// the teacher typing, removing, moving and swapping lines in an editor, and saving names in the administration, in
// an order the input chooses. After every step no two pupils share a folder or a code, and a folder whose protocols
// bear the name of a pupil of the list is his where his line could name it. A child never writes into a folder
// holding another child's protocols while that one is in the list, nor leaves his own for another while his name
// stays, but where nothing on the list can tell them apart: children of one name whose lines carry no number, a
// line typed by hand with the name (and the number) of a child who left, a line written with the number of a folder
// whose name no pupil of the list has (a name corrected behind its number). A number a save writes is no other
// line's.
void einJahr(const QString& ordner, const QByteArray& eingabe)
{
    std::mt19937 zufall(qHash(eingabe));
    const auto wuerfel = [&](int n) { return n <= 0 ? 0 : int(zufall() % unsigned(n)); };
    const QStringList namen { "Lena Schmidt", "Lena Schneider", "Lena Schäfer", "Anna", "Anna Zander",
        "Maximilian Koch", "Maximilian Berg", "Elif Yılmaz", "Kim: Lee", "Ben" };
    const QString liste = QStringLiteral("KL");
    const QString klasse = ordner + QStringLiteral("Klassen/KL/");
    const auto abspeichern = [&](const QStringList& zeilen) {
        QString fehler;
        schreiben(ordner + QStringLiteral("k_liste/KL.TXT"), zeilen, false, fehler);
    };
    const auto mitNummer = [](const QString& z) { return nummer(z) >= 1 && nummer(z) <= kMaxNummer; };
    QStringList zeilen;
    try {
        zeilen = alleZeilen(ordner, liste);
    } catch (const RuntimeError&) {
        return;
    }
    // The child of each line of the file (blank lines too, as -1), and the folder each child wrote into last.
    QVector<int> kind;
    int naechstes = 0;
    for (const QString& z : zeilen)
        kind << (istSchueler(z) ? naechstes++ : -1);
    QHash<int, QString> seinOrdner;
    QHash<int, QString> seinName; // as he wrote it last
    // Children whose folder another line of their name was given since they wrote last: nothing on the list tells
    // them apart, and each keeps the one he is given from then on.
    QSet<int> verdraengt;
    // Children whose folder has a number another line is written with: their lines cannot carry it, and nothing on
    // the list tells them from a namesake before them.
    QSet<int> ohneHalt;
    // A protocol dialog left open on a PC, with the lines it showed when it last read the list, and the
    // administration's window left open on another; pupils' PCs that may not write into "k_liste" in some years.
    Ordnerblick fenster;
    QStringList imFenster;
    Ordnerblick verwaltung;
    const bool nurLesen = wuerfel(3) == 0;
    for (int schritt = 0; schritt < 40; ++schritt) {
        try {
            zeilen = alleZeilen(ordner, liste);
        } catch (const RuntimeError&) {
            return;
        }
        if (zeilen.size() != kind.size()) return; // a save that could not keep the lines
        QStringList schueler;
        QVector<int> kinder;
        for (int i = 0; i < zeilen.size(); ++i)
            if (istSchueler(zeilen.at(i))) {
                schueler << zeilen.at(i);
                kinder << kind.at(i);
            }
        const Ordnerlage lage = ordnerlage(ordner, liste);
        const QStringList gewaehlt = ordnernamen(schueler, lage);
        fuzz::pruefen(keineZweiGleich(gewaehlt), "two pupils share a folder");
        fuzz::pruefen(keineZweiGleich(schuelercodes(schueler, lage)), "two pupils share a code");
        for (int i = 0; i < schueler.size(); ++i)
            for (int j = 0; j < schueler.size(); ++j)
                if (j != i && seinOrdner.contains(kinder.at(i))
                    && gewaehlt.at(j).compare(seinOrdner.value(kinder.at(i)), Qt::CaseInsensitive) == 0
                    && gleicherName(name(schueler.at(j)), name(schueler.at(i))))
                    verdraengt.insert(kinder.at(i));
        QSet<QString> anwesend;
        for (const QString& z : schueler)
            anwesend.insert(protokollform(name(z)));
        // A folder bearing a pupil's name that his line could name is a pupil's of that name, unless each of them has
        // one bearing it already.
        for (const QString& o : QDir(klasse).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString wer = traegt(klasse + o);
            if (wer.isEmpty() || gewaehlt.contains(o, Qt::CaseInsensitive)) continue;
            for (int i = 0; i < schueler.size(); ++i)
                if (gleicherName(wer, name(schueler.at(i))) && kannNennen(schueler.at(i), o))
                    fuzz::pruefen(gleicherName(traegt(klasse + gewaehlt.at(i)), wer),
                        "a pupil not in the folder that bears his name");
        }
        const QString neuerName = namen.at(wuerfel(namen.size()));
        const int wo = wuerfel(int(zeilen.size()) + 1);
        switch (wuerfel(9)) {
        case 0:
        case 1:
        case 2: {
            if (schueler.isEmpty()) break;
            const int nummer = wuerfel(int(schueler.size())) + 1;
            QString pfad, fehler;
            const bool offen = wuerfel(2) == 0 && nummer <= imFenster.size();
            if (nurLesen)
                files::setShareAnswerForTests([](const char* schritt, const QString& wo) {
                    return qstrcmp(schritt, "rename") == 0 && wo.contains(QLatin1String("/k_liste/")) ? EACCES : 0;
                });
            const Ordnerwahl wahl = offen
                ? ordnerWaehlen(ordner, liste, imFenster, nummer, pfad, fehler, nullptr, &fenster)
                : ordnerWaehlen(ordner, liste, schueler, nummer, pfad, fehler);
            files::setShareAnswerForTests({});
            // A window told the list changed shows it anew, and keeps what it saw of the folders.
            if (!offen || wahl == Ordnerwahl::geaendert) imFenster = schueler;
            if (wahl != Ordnerwahl::angelegt) break;
            const QString zeile = schueler.at(nummer - 1);
            const QString wer = name(zeile);
            const int dieses = kinder.at(nummer - 1);
            const QString dort = traegt(pfad);
            const QString hier = QFileInfo(pfad).fileName();
            const int nr = ordnernummer(hier);
            const bool seineNummer = mitNummer(zeile) && klassenliste::nummer(zeile) == nr;
            // A name corrected behind its number keeps the folder of its number.
            const bool berichtigt = seineNummer && !anwesend.contains(protokollform(dort));
            fuzz::pruefen(dort.isEmpty() || gleicherName(dort, wer) || berichtigt,
                "a protocol put in a folder that bears another name");
            // The administration noted him as the child of the folder, where his name was corrected.
            const QString vermerkt = kopf(pfad, QString::fromLatin1(kNamensdatei)).value(0).trimmed();
            // Where he comes into a folder: whose protocols it holds.
            const bool kommt = seinOrdner.value(dieses).compare(hier, Qt::CaseInsensitive) != 0;
            const QHash<int, QString> darin = kommt ? kinderIn(pfad) : QHash<int, QString>();
            for (auto it = darin.begin(); it != darin.end(); ++it) {
                const int anderes = it.key();
                if (anderes == dieses) continue;
                // One renamed since, in the administration or by hand, is there no more under that name.
                int dessen = int(kinder.indexOf(anderes));
                if (dessen >= 0 && protokollform(name(schueler.at(dessen))) != protokollform(*it)) dessen = -1;
                // Nothing on the list tells them apart: one who left, and a line typed with his name (and number);
                // or two of one name where the other's line is not written with the folder's number, which alone
                // ties a line of that name to it (a folder without a number is the first of them in their order).
                const bool ununterscheidbar
                    = (gleicherName(*it, wer)
                          && (dessen < 0 || seineNummer || nr == 0 || klassenliste::nummer(schueler.at(dessen)) != nr))
                    || gleicherName(vermerkt, wer);
                // One renamed since whose protocols bear a name no line has: a line written with the folder's number
                // keeps it.
                const bool seinerNummer = dessen < 0 && seineNummer && !anwesend.contains(protokollform(*it));
                fuzz::pruefen(ununterscheidbar || (dessen < 0 && berichtigt) || seinerNummer,
                    "a child put in the folder of another child of the list");
            }
            // A child keeps his folder while his name stays, unless another line of that name was given it.
            const QString vorher = seinOrdner.value(dieses);
            fuzz::pruefen(vorher.isEmpty() || vorher.compare(hier, Qt::CaseInsensitive) == 0
                    || protokollform(seinName.value(dieses)) != protokollform(wer) || verdraengt.contains(dieses)
                    || ohneHalt.contains(dieses),
                "a child moved from his folder to another");
            if (!protokoll::anlegen(
                    pfad + (wuerfel(2) ? QStringLiteral("/H1_7_") : QStringLiteral("/H2_10_")),
                    [&](const QString&) {
                        return QStringList { QStringLiteral("Hilfe"), QStringLiteral("Leistungsprotokoll für ") + wer,
                            QStringLiteral("Kind %1").arg(dieses) };
                    },
                    fehler)
                     .isEmpty()) {
                seinOrdner.insert(dieses, hier);
                seinName.insert(dieses, wer);
                verdraengt.remove(dieses);
                ohneHalt.remove(dieses);
                if (nr >= 1 && !seineNummer && std::any_of(schueler.begin(), schueler.end(), [&](const QString& z) {
                        return mitNummer(z) && klassenliste::nummer(z) == nr;
                    }))
                    ohneHalt.insert(dieses);
            }
            break;
        }
        case 3: // typed by hand, with a number or without: a child who comes
            zeilen.insert(wo, wuerfel(3) == 0 ? zeile(wuerfel(12) + 1, neuerName) : neuerName);
            kind.insert(wo, naechstes++);
            abspeichern(zeilen);
            break;
        case 4: // removed (a child who leaves), or moved, or two lines swapped by hand
            if (zeilen.isEmpty()) break;
            {
                const int von = wuerfel(int(zeilen.size()));
                const int nach = wuerfel(int(zeilen.size()));
                switch (wuerfel(3)) {
                case 0:
                    zeilen.removeAt(von);
                    kind.removeAt(von);
                    break;
                case 1:
                    zeilen.move(von, nach);
                    kind.move(von, nach);
                    break;
                default:
                    zeilen.swapItemsAt(von, nach);
                    kind.swapItemsAt(von, nach);
                    break;
                }
            }
            abspeichern(zeilen);
            break;
        default: {
            // Saved in the administration: a name added (a child who comes) or changed (the same child).
            const int geaendert = wuerfel(int(schueler.size()) + 1);
            Ordnerblick* offen = wuerfel(2) == 0 ? &verwaltung : nullptr;
            const Speicherergebnis e = geaendert
                ? dverw::namenAendern(ordner, liste, geaendert, schueler.at(geaendert - 1), neuerName, offen)
                : dverw::namenHinzufuegen(ordner, liste, neuerName, offen);
            if (e.art != Speicherung::gespeichert) break;
            // A name changed there is another name: one changed back is not tied to the folder of the first.
            if (geaendert && protokollform(neuerName) != protokollform(name(schueler.at(geaendert - 1))))
                seinName.insert(kinder.at(geaendert - 1), QStringLiteral("\u0001"));
            if (!geaendert) {
                int hinter = int(zeilen.size());
                while (hinter > 0 && !istSchueler(zeilen.at(hinter - 1)))
                    --hinter;
                kind.insert(hinter, naechstes++);
            }
            const QStringList danach = schuelerzeilen(alleZeilen(ordner, liste));
            for (int i = 0; i < danach.size(); ++i) {
                const int nr = nummer(danach.at(i));
                const bool nummerNeu = i >= schueler.size() || nr != nummer(schueler.at(i));
                if (nummerNeu && nr != 0) {
                    fuzz::pruefen(
                        std::count_if(danach.begin(), danach.end(), [&](const QString& z) { return nummer(z) == nr; })
                            == 1,
                        "a number written that another line has");
                }
            }
            break;
        }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString ordner = fuzz::datenordner();
    QDir().mkpath(ordner + QStringLiteral("k_liste"));
    // Each input starts without the folders the last one made: thousands of them would slow every input down.
    QDir(ordner + QStringLiteral("Klassen")).removeRecursively();
    const QByteArray vorher(reinterpret_cast<const char*>(data), int(size));
    const QString pfad = fuzz::datei(QStringLiteral("k_liste/KL.TXT"), data, size);

    const Schuelerliste liste = schuelerLesen(ordner, QStringLiteral("KL"));
    fuzz::pruefen(liste.stand != Schuelerliste::Stand::gelesen || liste.zeilen == schuelerzeilen(zeilenAus(vorher)),
        "a pupil not offered");
    fuzz::pruefen(std::all_of(liste.zeilen.begin(), liste.zeilen.end(), istSchueler), "a blank line offered");
    fuzz::pruefen(keineZweiGleich(ordnernamen(liste.zeilen)), "two pupils share a folder");
    fuzz::pruefen(liste.zeilen.isEmpty() != liste.meldung.isEmpty(), "no pupil without a reason, or one beside them");
    fuzz::pruefen(fuzz::bytes(pfad) == vorher, "reading changed the list");

    const QString dwina = fuzz::datei(QStringLiteral("dw.ina"), data, size);
    QString meldung;
    const std::optional<QString> passwort = dverw::dwinaPasswort(ordner, &meldung);
    fuzz::pruefen(passwort ? dverw::passwortGueltig(*passwort) && meldung.isEmpty() : meldung.contains(dwina),
        "a password no one can type, or a shut administration not said");
    fuzz::pruefen(fuzz::bytes(dwina) == vorher, "reading changed dw.ina");

    const Speicherergebnis e = dverw::namenHinzufuegen(ordner, QStringLiteral("KL"), QStringLiteral("Neu"));
    const QByteArray nachher = fuzz::bytes(pfad);
    if (e.art != Speicherung::gespeichert) {
        fuzz::pruefen(nachher == vorher, "a save that wrote nothing changed the list");
        einJahr(ordner, vorher);
        return 0;
    }
    fuzz::pruefen(liste.stand != Schuelerliste::Stand::beschaedigt, "a damaged list rewritten");
    const QStringList alt = schuelerzeilen(zeilenAus(vorher));
    QStringList neu = schuelerzeilen(zeilenAus(nachher));
    fuzz::pruefen(e.nummer >= 1 && e.nummer <= kMaxNummer, "a number that two digits cannot write");
    fuzz::pruefen(std::none_of(alt.begin(), alt.end(), [&](const QString& z) { return nummer(z) == e.nummer; }),
        "a number in use given again");
    for (int i = 0; i < alt.size(); ++i) {
        fuzz::pruefen(schuelercode(alt.at(i), i + 1).left(2).toInt() != e.nummer, "a number a pupil is known by");
        fuzz::pruefen(
            ordnername(alt.at(i)).compare(ordnername(zeile(e.nummer, QStringLiteral("Neu"))), Qt::CaseInsensitive) != 0,
            "the new pupil in another pupil's folder");
    }
    fuzz::pruefen(zeilenAus(nachher).size() == zeilenAus(vorher).size() + 1, "the file reads back as other lines");
    fuzz::pruefen(neu.removeOne(zeile(e.nummer, QStringLiteral("Neu"))), "the new pupil not written");
    fuzz::pruefen(neu.size() == alt.size(), "a pupil lost or added");
    const QStringList altOrdner = ordnernamen(alt);
    const QStringList neuOrdner = ordnernamen(schuelerzeilen(zeilenAus(nachher)));
    fuzz::pruefen(keineZweiGleich(neuOrdner), "two pupils share a folder after a save");
    for (int i = 0; i < alt.size() && i < neuOrdner.size(); ++i)
        fuzz::pruefen(altOrdner.at(i) == neuOrdner.at(i), "a pupil moved to another folder");
    einJahr(ordner, vorher);
    return 0;
}
