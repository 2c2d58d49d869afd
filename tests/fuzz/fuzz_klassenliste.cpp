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

// The name a folder bears: its first protocol's, the protocols in the order of their names without regard to letter
// case; empty where it holds none. The folder is found in any letter case, as the program finds it.
QString traegt(const QString& genannt)
{
    const QString ordner = files::resolve(genannt);
    QStringList protokolle = QDir(ordner).entryList(QDir::Files);
    protokolle.erase(std::remove_if(protokolle.begin(), protokolle.end(),
                         [](const QString& n) { return !protokoll::istProtokollname(n); }),
        protokolle.end());
    if (protokolle.isEmpty()) return {};
    std::sort(protokolle.begin(), protokolle.end(), [](const QString& a, const QString& b) {
        const int v = a.compare(b, Qt::CaseInsensitive);
        return v != 0 ? v < 0 : a < b;
    });
    QFile f(ordner + u'/' + protokolle.first());
    f.open(QIODevice::ReadOnly);
    return protokollname(cp1252::decodeLines(f.read(1024)).lines.mid(0, 2));
}

// Whether the line could name the folder `ordner` (in small letters): the one it names, or one of its first letters
// after a number.
bool kannNennen(const QString& zeile, const QString& ordner, const Ordnerlage& lage)
{
    if (eigenerOrdner(zeile, lage).toLower() == ordner) return true;
    int d = 0;
    while (d < ordner.size() && d < 4 && ordner.at(d).isDigit())
        ++d;
    return d >= 1 && d <= 3 && d < ordner.size() && ordner.at(d) == u' '
        && ordnername(ordner.left(d) + u' ' + name(zeile)).toLower() == ordner;
}

// A year of the list after the input: pupils saving protocols, the teacher typing, removing, moving and swapping lines
// in an editor, and saving names in the administration, in an order the input chooses. After every step no two
// pupils share a folder or a code, and a folder whose protocols bear the name of a pupil of the list is his where his
// line could name it; no protocol is put in a folder that bears another name, but by a line written with the number
// of a folder whose name no pupil of the list has (a name corrected behind its number); a number a save writes is no
// other line's, and a name the administration saves never moves into a folder that bears another.
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
    for (int schritt = 0; schritt < 40; ++schritt) {
        QStringList zeilen;
        try {
            zeilen = alleZeilen(ordner, liste);
        } catch (const RuntimeError&) {
            return;
        }
        const QStringList schueler = schuelerzeilen(zeilen);
        const Ordnerlage lage = ordnerlage(ordner, liste);
        const QStringList gewaehlt = ordnernamen(schueler, lage);
        fuzz::pruefen(keineZweiGleich(gewaehlt), "two pupils share a folder");
        fuzz::pruefen(keineZweiGleich(schuelercodes(schueler, lage)), "two pupils share a code");
        QSet<QString> anwesend;
        for (const QString& z : schueler)
            anwesend.insert(protokollform(name(z)));
        // A folder bearing a pupil's name that his line could name is a pupil's of that name, unless each of them has
        // one bearing it already.
        for (const QString& o : QDir(klasse).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString wer = traegt(klasse + o);
            if (wer.isEmpty() || gewaehlt.contains(o, Qt::CaseInsensitive)) continue;
            for (int i = 0; i < schueler.size(); ++i)
                if (gleicherName(wer, name(schueler.at(i))) && kannNennen(schueler.at(i), o.toLower(), lage))
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
            if (ordnerWaehlen(ordner, liste, schueler, nummer, pfad, fehler) != Ordnerwahl::angelegt) break;
            const QString zeile = schueler.at(nummer - 1);
            const QString wer = name(zeile);
            const QString dort = traegt(pfad);
            const bool seineNummer = klassenliste::nummer(zeile) >= 1 && klassenliste::nummer(zeile) <= kMaxNummer
                && QFileInfo(pfad).fileName().compare(eigenerOrdner(zeile, lage), Qt::CaseInsensitive) == 0
                && !anwesend.contains(protokollform(dort));
            fuzz::pruefen(dort.isEmpty() || gleicherName(dort, wer) || seineNummer,
                "a protocol put in a folder that bears another name");
            protokoll::anlegen(
                pfad + (wuerfel(2) ? QStringLiteral("/H1_7_") : QStringLiteral("/H2_10_")),
                [&](const QString&) {
                    return QStringList { QStringLiteral("Hilfe"), QStringLiteral("Leistungsprotokoll für ") + wer };
                },
                fehler);
            break;
        }
        case 3: // typed by hand, with a number or without
            zeilen.insert(wo, wuerfel(3) == 0 ? zeile(wuerfel(12) + 1, neuerName) : neuerName);
            abspeichern(zeilen);
            break;
        case 4: // removed, or moved, or two lines swapped by hand
            if (zeilen.isEmpty()) break;
            {
                const int von = wuerfel(int(zeilen.size()));
                switch (wuerfel(3)) {
                case 0:
                    zeilen.removeAt(von);
                    break;
                case 1:
                    zeilen.move(von, wuerfel(int(zeilen.size())));
                    break;
                default:
                    zeilen.swapItemsAt(von, wuerfel(int(zeilen.size())));
                    break;
                }
            }
            abspeichern(zeilen);
            break;
        default: {
            // Saved in the administration: a name added or changed.
            const int geaendert = wuerfel(int(schueler.size()) + 1);
            const Speicherergebnis e = geaendert
                ? dverw::namenAendern(ordner, liste, geaendert, schueler.at(geaendert - 1), neuerName)
                : dverw::namenHinzufuegen(ordner, liste, neuerName);
            if (e.art != Speicherung::gespeichert) break;
            const QStringList danach = schuelerzeilen(alleZeilen(ordner, liste));
            const QStringList ordnerDanach = ordnernamen(danach, ordnerlage(ordner, liste));
            for (int i = 0; i < danach.size(); ++i) {
                const int nr = nummer(danach.at(i));
                const bool nummerNeu = i >= schueler.size() || nr != nummer(schueler.at(i));
                if (nummerNeu && nr != 0) {
                    fuzz::pruefen(
                        std::count_if(danach.begin(), danach.end(), [&](const QString& z) { return nummer(z) == nr; })
                            == 1,
                        "a number written that another line has");
                }
                if (!(geaendert && i == geaendert - 1) || i >= gewaehlt.size()
                    || gewaehlt.at(i).compare(ordnerDanach.at(i), Qt::CaseInsensitive) == 0)
                    continue;
                const QString dort = traegt(klasse + ordnerDanach.at(i));
                fuzz::pruefen(dort.isEmpty() || gleicherName(dort, name(danach.at(i))),
                    "a name saved into a folder that bears another");
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
