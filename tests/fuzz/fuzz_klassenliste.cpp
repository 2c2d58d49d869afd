// A class list as a teacher or a crash may have left it: what a choice offers of it, each pupil with a folder of his
// own, and a name added to it, which never moves a pupil to another folder, never gives a number another line has,
// and never rewrites a list it could not read as text. The same bytes as "dw.ina": a password that can be typed, or the
// administration shut and said.

#include "platform/cp1252.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "umgebung.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QSet>
#include <algorithm>
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

// A year of the list after the input: pupils saving protocols, the teacher typing, removing and moving lines in an
// editor, and saving names in the administration, in an order the input chooses. After every step no two pupils
// share a folder or a code, no folder that holds the protocols of a pupil still in the list receives another's, a
// name the administration saves never moves into a folder holding another name, and a number it writes is no other
// line's.
void einJahr(const QString& ordner, const QByteArray& eingabe)
{
    std::mt19937 zufall(qHash(eingabe));
    const auto wuerfel = [&](int n) { return n <= 0 ? 0 : int(zufall() % unsigned(n)); };
    const QStringList namen { "Lena Schmidt", "Lena Schneider", "Anna", "Anna Zander", "Maximilian Koch",
        "Maximilian Berg", "Elif Yılmaz", "Kim: Lee", "Ben" };
    const QString liste = QStringLiteral("KL");
    const QString klasse = ordner + QStringLiteral("Klassen/KL/");
    const auto abspeichern = [&](const QStringList& zeilen) {
        QString fehler;
        schreiben(ordner + QStringLiteral("k_liste/KL.TXT"), zeilen, false, fehler);
    };
    // The names whose protocols each folder (in small letters) holds.
    const auto inhaber = [&] {
        QHash<QString, QSet<QString>> h;
        for (QDirIterator it(klasse, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QString wer = protokollname(cp1252::decodeLines(f.read(1024)).lines.mid(0, 2));
            h[QFileInfo(it.filePath()).dir().dirName().toLower()].insert(protokollform(wer));
        }
        return h;
    };
    // The names of the child whose protocols each folder (in small letters) holds: those his protocols bear, and those
    // he was given in the administration since.
    QHash<QString, QSet<QString>> kind;
    for (int schritt = 0; schritt < 10; ++schritt) {
        QStringList zeilen;
        try {
            zeilen = alleZeilen(ordner, liste);
        } catch (const RuntimeError&) {
            return;
        }
        const QStringList schueler = schuelerzeilen(zeilen);
        const Ordnerlage lage = ordnerlage(ordner, liste);
        fuzz::pruefen(keineZweiGleich(ordnernamen(schueler, lage)), "two pupils share a folder");
        fuzz::pruefen(keineZweiGleich(schuelercodes(schueler, lage)), "two pupils share a code");
        const QString neuerName = namen.at(wuerfel(namen.size()));
        const int wo = wuerfel(int(zeilen.size()) + 1);
        switch (wuerfel(6)) {
        case 0:
        case 1: {
            if (schueler.isEmpty()) break;
            const int nummer = wuerfel(int(schueler.size())) + 1;
            QString pfad, fehler;
            if (ordnerWaehlen(ordner, liste, nummer, schueler.at(nummer - 1), pfad, fehler) != Ordnerwahl::angelegt)
                break;
            const QString wer = name(schueler.at(nummer - 1));
            // Another pupil's protocols there matter only while that pupil is in the list, and where the names the
            // folder holds are not this pupil's own, under a name he had before.
            // A line that alone names its folder is given it unread: a folder left by a child removed by hand goes to
            // whoever is typed into it.
            const QString dort = QFileInfo(pfad).fileName().toLower();
            const QString genannt = ordnername(schueler.at(nummer - 1)).toLower();
            const bool allein
                = dort == genannt && std::count_if(schueler.begin(), schueler.end(), [&](const QString& z) {
                      return ordnername(z).toLower() == genannt;
                  }) == 1;
            if (!allein && !kind.value(dort).contains(protokollform(wer))) {
                for (const QString& z : schueler) {
                    const QString anderer = protokollform(name(z));
                    fuzz::pruefen(anderer == protokollform(wer) || !kind.value(dort).contains(anderer),
                        "a protocol put in a folder that holds another pupil's");
                }
            }
            kind[dort].insert(protokollform(wer));
            protokoll::anlegen(
                pfad + QStringLiteral("/H1_7_"),
                [&](const QString&) {
                    return QStringList { QStringLiteral("Hilfe"), QStringLiteral("Leistungsprotokoll für ") + wer };
                },
                fehler);
            break;
        }
        case 2: // typed by hand, with a number or without
            zeilen.insert(wo, wuerfel(3) == 0 ? zeile(wuerfel(12) + 1, neuerName) : neuerName);
            abspeichern(zeilen);
            break;
        case 3: // removed or moved by hand
            if (zeilen.isEmpty()) break;
            {
                const QString weg = zeilen.takeAt(wuerfel(int(zeilen.size())));
                if (wuerfel(2) == 0) zeilen.insert(wuerfel(int(zeilen.size()) + 1), weg);
            }
            abspeichern(zeilen);
            break;
        default: {
            // Saved in the administration: a name added or changed.
            const int geaendert = wuerfel(int(schueler.size()) + 1);
            const QStringList ordnerVorher = ordnernamen(schueler, lage);
            const Speicherergebnis e = geaendert
                ? dverw::namenAendern(ordner, liste, geaendert, schueler.at(geaendert - 1), neuerName)
                : dverw::namenHinzufuegen(ordner, liste, neuerName);
            if (e.art != Speicherung::gespeichert) break;
            const QStringList danach = schuelerzeilen(alleZeilen(ordner, liste));
            const QStringList ordnerDanach = ordnernamen(danach, ordnerlage(ordner, liste));
            const QHash<QString, QSet<QString>> h = inhaber();
            for (int i = 0; i < danach.size(); ++i) {
                const int nr = nummer(danach.at(i));
                const bool nummerNeu = i >= schueler.size() || nr != nummer(schueler.at(i));
                if (!nummerNeu && !(geaendert && i == geaendert - 1)) continue;
                fuzz::pruefen(!nummerNeu || nr == 0
                        || std::count_if(
                               danach.begin(), danach.end(), [&](const QString& z) { return nummer(z) == nr; })
                            == 1,
                    "a number written that another line has");
                // A pupil who stays in his folder keeps it with the protocols of his former names.
                if (i < ordnerVorher.size()
                    && ordnerVorher.at(i).compare(ordnerDanach.at(i), Qt::CaseInsensitive) == 0) {
                    kind[ordnerDanach.at(i).toLower()].insert(protokollform(name(danach.at(i))));
                    continue;
                }
                QSet<QString> dort = h.value(ordnerDanach.at(i).toLower());
                dort.remove(protokollform(name(danach.at(i))));
                fuzz::pruefen(dort.isEmpty(), "a name saved into a folder holding another's protocols");
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
