#include "shell/klassenliste.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"

#include <QFile>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <sys/stat.h>

namespace klassenliste {

namespace {

QByteArray nativ(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

QString blickFehler(int err, const QString& pfad)
{
    return IoError(ioCodeFor(err), pfad).message();
}

QString listenordner(const QString& datpfad)
{
    return datpfad + QStringLiteral("k_liste");
}

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool leer(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The folders found directly in `ordner` (a real path), their names in small letters, and whether it exists.
QSet<QString> ordnerDarin(const QString& ordner, int& err)
{
    QSet<QString> namen;
    for (const QString& name : files::listEntries(ordner, err))
        namen.insert(name.toLower());
    return namen;
}

// Why nothing could be changed when the list's lock was not had; gespeichert when it is held.
Speicherung gesperrt(const FileLock& sperre, QString& fehler)
{
    if (sperre.status() == FileLock::Status::busy) return Speicherung::gesperrt;
    if (sperre.status() == FileLock::Status::failed) {
        fehler = sperre.error();
        return sperre.readOnly() ? Speicherung::nurLesbar : Speicherung::fehler;
    }
    return Speicherung::gespeichert;
}

// Under the list's lock: looks at the list's file and lets `schritt` act on it, given the file's path (empty where
// there is no such list); `schritt` says whether it saved, and the lines whose pupils' folders are then to exist.
// The folders are made after the lock is given back: on a share that takes most of the time, and other PCs need
// not wait for it.
template <typename F>
Speicherergebnis unterSperre(const QString& datpfad, const QString& liste, F schritt, Ordnerblick* blick = nullptr)
{
    Speicherergebnis ergebnis;
    QStringList zeilen;
    {
        const FileLock sperre(sperrdatei(datpfad, liste));
        ergebnis.art = gesperrt(sperre, ergebnis.fehler);
        if (ergebnis.art != Speicherung::gespeichert) return ergebnis;
        QString datei;
        if (ansehen(datpfad, liste, datei, ergebnis.fehler) == Blick::fehler) {
            ergebnis.art = Speicherung::fehler;
            return ergebnis;
        }
        if (!schritt(datei, ergebnis, zeilen)) return ergebnis;
    }
    ordnerAnlegen(datpfad, liste, zeilen,
        blick ? blick->lage(datpfad, liste, schuelerzeilen(zeilen)).gefunden() : QHash<QString, QString>());
    return ergebnis;
}

} // namespace

Teile teilen(const QString& zeile, bool vorDerNummer)
{
    Teile t;
    const int n = int(zeile.size());
    int anfang = 0;
    while (vorDerNummer && anfang < n && leer(zeile.at(anfang)))
        ++anfang;
    int i = anfang;
    while (i < n && ziffer(zeile.at(i)))
        ++i;
    if (i > anfang && i < n && leer(zeile.at(i)))
        t.nummer = zeile.mid(anfang, i - anfang);
    else
        i = anfang;
    while (i < n && leer(zeile.at(i)))
        ++i;
    t.name = i;
    return t;
}

int bekanntAls(const QString& zeile, int platz)
{
    const int eigene = nummer(zeile);
    return eigene >= 1 && eigene <= kMaxNummer ? eigene : platz;
}

QString pfad(const QString& datpfad, const QString& liste)
{
    return datpfad + QStringLiteral("k_liste/") + liste + QStringLiteral(".txt");
}

QString dateiname(const QString& liste)
{
    return (liste + QStringLiteral(".txt")).left(12).toUpper();
}

QString sperrdatei(const QString& datpfad, const QString& liste)
{
    const QString datei = liste.toUpper() + QStringLiteral(".LCK");
    if (!files::isSafeName(liste)) return {};
    return files::child(files::resolve(listenordner(datpfad)), datei);
}

namespace {

// One look at the list's file; `err` gets the errno of a look that failed.
Blick einmalAnsehen(const QString& datpfad, const QString& liste, QString& pfad, QString& fehler, int& err)
{
    pfad.clear();
    fehler.clear();
    const QString datei = liste + QStringLiteral(".txt");
    const QString ordner = files::resolve(listenordner(datpfad));
    if (!files::isSafeName(datei)) return Blick::fehlt;
    // The name as given first: it needs no listing of the folder, which pupils may be denied.
    struct stat st { };
    const QString genau = ordner + u'/' + datei;
    if (::stat(nativ(genau).constData(), &st) == 0) {
        pfad = genau;
        return Blick::da;
    }
    if (errno != ENOENT) {
        err = errno;
        fehler = blickFehler(err, genau);
        return Blick::fehler;
    }
    const QStringList dateien = files::listFiles(ordner, err);
    if (err == ENOENT) return Blick::fehlt;
    if (err != 0) {
        fehler = blickFehler(err, ordner);
        return Blick::fehler;
    }
    for (const QString& name : dateien) {
        if (name.compare(datei, Qt::CaseInsensitive) == 0) {
            pfad = ordner + u'/' + name;
            return Blick::da;
        }
    }
    return Blick::fehlt;
}

} // namespace

Blick ansehen(const QString& datpfad, const QString& liste, QString& pfad, QString& fehler)
{
    // While other PCs make and give back their locks beside the list, a share may answer a look at the folder
    // with an I/O error for a moment: waited out, never taken for a list that cannot be read.
    for (files::Settling settling;;) {
        int err = 0;
        const Blick blick = einmalAnsehen(datpfad, liste, pfad, fehler, err);
        if (blick != Blick::fehler || !files::passing(err) || !settling.again()) return blick;
    }
}

bool istListendatei(const QString& datei)
{
    const int punkt = int(datei.size()) - 4;
    if (punkt < 1 || punkt > kMaxListennamenlaenge) return false;
    if (datei.mid(punkt).compare(QLatin1String(".txt"), Qt::CaseInsensitive) != 0) return false;
    return std::all_of(datei.begin(), datei.begin() + punkt, [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
    });
}

Suche suchen(const QString& datpfad)
{
    Suche suche;
    const QString ordner = listenordner(datpfad);
    int err = 0;
    const QStringList dateien = files::listFiles(ordner, err);
    // Without "k_liste" a data folder simply has no lists yet; without the data folder nothing is known.
    if (err == ENOENT && files::dirExists(datpfad)) err = 0;
    if (err != 0) {
        suche.unlesbar = true;
        suche.meldung = unlesbarMeldung(ordner, IoError::reason(ioCodeFor(err)));
        return suche;
    }
    for (const QString& datei : dateien) {
        if (istListendatei(datei))
            suche.namen << datei.chopped(4);
        else if (datei.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) && !datei.startsWith(u'.'))
            suche.ausgelassen << datei;
    }
    suche.namen.sort(Qt::CaseInsensitive);
    suche.ausgelassen.sort(Qt::CaseInsensitive);
    return suche;
}

QString ausgelassenMeldung(const QStringList& ausgelassen)
{
    if (ausgelassen.isEmpty()) return {};
    constexpr int kGenannt = 3;
    QStringList genannt;
    for (const QString& datei : ausgelassen.mid(0, kGenannt))
        genannt << QStringLiteral("„%1“").arg(datei);
    const bool eine = ausgelassen.size() == 1;
    QString welche = genannt.size() > 1
        ? genannt.mid(0, genannt.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + genannt.last()
        : genannt.first();
    const qsizetype weitere = ausgelassen.size() - kGenannt;
    if (weitere == 1)
        welche += QStringLiteral(" (und eine weitere)");
    else if (weitere > 1)
        welche += QStringLiteral(" (und %1 weitere)").arg(weitere);
    return QStringLiteral("%1 %2 im Ordner k_liste %3 nicht angeboten: der Name einer Liste hat 1 bis %4 Zeichen, nur "
                          "Buchstaben ohne Umlaute, Ziffern und „_“, ohne Leerzeichen, und danach „.txt“. Bitte "
                          "benennen Sie %5 um, wenn sie eine Klassenliste ist.")
        .arg(eine ? QStringLiteral("Die Datei") : QStringLiteral("Die Dateien"), welche,
            eine ? QStringLiteral("wird") : QStringLiteral("werden"))
        .arg(kMaxListennamenlaenge)
        .arg(eine ? QStringLiteral("die Datei") : QStringLiteral("eine solche Datei"));
}

Namenspruefung namepruefen(const QString& datpfad, const QString& liste)
{
    int err = 0;
    const QStringList dateien = files::listFiles(listenordner(datpfad), err);
    if (err == ENOENT && files::dirExists(datpfad)) return Namenspruefung::frei; // no list made yet
    if (err != 0) return Namenspruefung::unlesbar;
    const QString datei = dateiname(liste);
    for (const QString& name : dateien)
        if (name.compare(datei, Qt::CaseInsensitive) == 0) return Namenspruefung::vorhanden;
    return Namenspruefung::frei;
}

QString unlesbarMeldung(const QString& ordner, const QString& grund)
{
    return QStringLiteral("Die Klassenlisten können an diesem Rechner nicht gelesen werden: der Ordner „%1“ lässt "
                          "sich von hier aus nicht lesen (%2).")
        .arg(files::resolve(ordner), grund);
}

QString nurLesbarGrund(const QString& datpfad)
{
    return QStringLiteral("in den Ordner „k_liste“ des Datenordners (%1) darf von diesem Rechner aus nicht "
                          "geschrieben werden")
        .arg(files::resolve(listenordner(datpfad)));
}

QString nurLesbarMeldung(const QString& datpfad)
{
    return QStringLiteral("Die Klassenlisten können an diesem Rechner nicht geändert werden: %1. Es wurde nichts "
                          "gespeichert.")
        .arg(nurLesbarGrund(datpfad));
}

QString grund(const QString& ioMeldung)
{
    return ioMeldung.mid(ioMeldung.lastIndexOf(QLatin1String(": ")) + 2);
}

QString beschaedigtMeldung(const QString& datei)
{
    return QStringLiteral("Die Klassenliste „%1“ ist beschädigt und kann nicht gelesen werden: sie enthält Zeichen, "
                          "die in keinem Text stehen. Sie bleibt, wie sie ist. Bitte stellen Sie sie mit einem "
                          "Texteditor wieder her (je Zeile eine Nummer, ein Leerzeichen und ein Name), oder löschen "
                          "Sie die Liste.")
        .arg(datei);
}

QStringList zeilenAus(const QByteArray& bytes)
{
    return cp1252::decodeLines(bytes).lines;
}

namespace {

// Every line of the list's file, and its bytes.
QStringList zeilenUndBytes(const QString& datpfad, const QString& liste, QByteArray& bytes)
{
    const QString datei = pfad(datpfad, liste);
    if (!files::isSafeName(liste)) throw IoError(IoFileNotFound, datei);
    // Another PC's save may put its new copy in place just then: the layer waits that out, so that a list is never
    // read as empty or missing for it.
    if (const int err = files::readShared(datei, bytes))
        throw IoError(err == ENOENT ? IoFileNotFound : IoAccessDenied, datei);
    const cp1252::Lines gelesen = cp1252::decodeLines(bytes);
    if (!gelesen.text) throw Beschaedigt(beschaedigtMeldung(files::resolve(datei)));
    return gelesen.lines;
}

} // namespace

QStringList alleZeilen(const QString& datpfad, const QString& liste)
{
    QByteArray bytes;
    return zeilenUndBytes(datpfad, liste, bytes);
}

bool istSchueler(const QString& zeile)
{
    return !name(zeile).trimmed().isEmpty();
}

QStringList schuelerzeilen(const QStringList& zeilen)
{
    QStringList schueler;
    std::copy_if(zeilen.begin(), zeilen.end(), std::back_inserter(schueler), istSchueler);
    return schueler;
}

int nummer(const QString& zeile)
{
    const QString ziffern = teilen(zeile).nummer;
    // Three digits still count, as "007"; more could not be counted and are past every number.
    return ziffern.size() > 3 ? 1000 : ziffern.toInt();
}

int ordnernummer(const QString& ordner)
{
    int i = 0;
    while (i < ordner.size() && ziffer(ordner.at(i)))
        ++i;
    if (i == 0 || i > 3 || (i < ordner.size() && !leer(ordner.at(i)))) return 0;
    const int n = ordner.left(i).toInt();
    return n <= kMaxNummer ? n : 0;
}

Hoechste hoechsteNummer(const QStringList& zeilen, const QSet<QString>& ordner)
{
    Hoechste hoechste;
    const auto hoeher = [&](int n, const QString& zeile) {
        if (n > hoechste.nummer) hoechste = { n, zeile, {} };
    };
    int platz = 0;
    for (const QString& z : zeilen) {
        // A number written in a line that names no pupil is still not given again.
        hoeher(nummer(z), z);
        if (istSchueler(z)) hoeher(bekanntAls(z, ++platz), z);
    }
    for (const QString& o : ordner) {
        const int n = ordnernummer(o);
        // Of two folders of one number the first by name, so that a message names the same one every time.
        if (n > hoechste.nummer || (n == hoechste.nummer && !hoechste.ordner.isEmpty() && o < hoechste.ordner))
            hoechste = { n, {}, o };
    }
    return hoechste;
}

int naechsteNummer(const QStringList& zeilen, const QSet<QString>& ordner)
{
    return hoechsteNummer(zeilen, ordner).nummer + 1;
}

Schuelerliste schuelerLesen(const QString& datpfad, const QString& liste)
{
    using Stand = Schuelerliste::Stand;
    Schuelerliste s;
    const QString genannt = QStringLiteral("Die Klassenliste „%1“ ").arg(liste);
    const auto fehlt = [&] {
        s.stand = Stand::fehlt;
        s.meldung = genannt + QStringLiteral("gibt es nicht mehr.");
        return s;
    };
    if (!istListendatei(liste + QStringLiteral(".txt"))) return fehlt();
    try {
        s.zeilen = schuelerzeilen(alleZeilen(datpfad, liste));
        if (s.zeilen.isEmpty()) s.meldung = QStringLiteral("In der Klassenliste „%1“ steht kein Name.").arg(liste);
        return s;
    } catch (const Beschaedigt&) {
        s.stand = Stand::beschaedigt;
        s.meldung = genannt + QStringLiteral("ist beschädigt und kann nicht gelesen werden.");
        return s;
    } catch (const IoError& e) {
        // Only a read that failed looks further, so that a share is asked no more than once in the common case.
        QString datei;
        QString fehler;
        switch (ansehen(datpfad, liste, datei, fehler)) {
        case Blick::fehlt:
            return fehlt();
        case Blick::fehler:
            s.meldung = unlesbarMeldung(listenordner(datpfad), grund(fehler));
            break;
        case Blick::da:
            s.meldung = genannt + QStringLiteral("kann gerade nicht gelesen werden (%1).").arg(grund(e.message()));
            break;
        }
        s.stand = Stand::unlesbar;
        return s;
    }
}

QStringList lesen(const QString& datpfad, const QString& liste)
{
    return schuelerLesen(datpfad, liste).zeilen;
}

QString zeile(int nummer, const QString& name)
{
    return QStringLiteral("%1 ").arg(nummer, 2, 10, QLatin1Char('0')) + name;
}

QString name(const QString& zeile)
{
    return zeile.mid(teilen(zeile).name);
}

QString praefix(const QString& zeile)
{
    return zeile.left(teilen(zeile).name);
}

QString schuelercode(const QString& schuelerzeile, int position)
{
    return zeile(bekanntAls(schuelerzeile, position), name(schuelerzeile)).left(35);
}

int schreiben(const QString& pfad, const QStringList& zeilen, bool neu, QString& fehler)
{
    fehler.clear();
    QByteArray inhalt;
    for (const QString& zeile : zeilen) {
        // A name an editor saved in UTF-8 that Windows-1252 has no letter for would come back as "?", and one whose
        // bytes read as UTF-8 as another name: either would change the pupil's name, and his folder with it. Such a
        // line is kept in UTF-8; every other line is written as every PC has always read it.
        inhalt += cp1252::encodeLine(zeile) + "\r\n";
    }
    // Each line reads back as itself, yet the file may not: the bytes of a first line can begin as a byte-order
    // mark does ("þÿ" after a UTF-8 mark that was read over), and the whole file would then read as UTF-16.
    const cp1252::Lines zurueck = cp1252::decodeLines(inhalt);
    if (!zurueck.text || zurueck.lines != zeilen) {
        int i = 0;
        while (i < zeilen.size() && i < zurueck.lines.size() && zurueck.lines.at(i) == zeilen.at(i))
            ++i;
        fehler = QStringLiteral("die Datei „%1“ würde danach als andere Zeilen gelesen, zuerst die Zeile „%2“; sie "
                                "bleibt deshalb, wie sie ist. Bitte berichtigen Sie diese Zeile mit einem Texteditor: "
                                "an ihrem Anfang stehen nur ihre Nummer und der Name.")
                     .arg(pfad, zeilen.value(i));
        return IoDiskWrite;
    }
    // A list that is replaced is written whole beside it first, so that a failed write leaves the old one whole.
    const int err = neu ? files::writeNewFile(pfad, inhalt) : files::replaceWhole(pfad, inhalt);
    if (err == 0) return IoOk;
    const int code = ioCodeFor(err);
    fehler = IoError(code, pfad).message();
    return code;
}

std::optional<QByteArray> mitZeilen(const QByteArray& bytes, const QStringList& zeilen)
{
    const cp1252::Lines alt = cp1252::decodeLines(bytes);
    if (!alt.text || alt.lines.size() != zeilen.size()) return std::nullopt;
    // The file is taken apart as decodeLines() reads it, in its own units: bytes, or UTF-16 in the mark's byte order.
    const bool utf16 = bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    const bool le = bytes.startsWith("\xff\xfe");
    const int breite = utf16 ? 2 : 1;
    const int start = utf16 ? 2 : bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const int einheiten = (int(bytes.size()) - start) / breite;
    const auto einheitIn = [&](const QByteArray& b, int ab, int i) -> char16_t {
        const int an = ab + i * breite;
        if (!utf16) return uchar(b.at(an));
        const uchar erstes = uchar(b.at(an));
        const uchar zweites = uchar(b.at(an + 1));
        return le ? char16_t(zweites << 8 | erstes) : char16_t(erstes << 8 | zweites);
    };
    const auto einheit = [&](int i) { return einheitIn(bytes, start, i); };
    // A changed line: what it shares at its end with the line as it was keeps its bytes; what stands before it (the
    // number and the blanks before the name) is written anew in the line's own encoding.
    const auto geaendert
        = [&](const QByteArray& inhalt, const QString& vorher, const QString& nachher) -> std::optional<QByteArray> {
        qsizetype gleich = 0;
        while (gleich < vorher.size() && gleich < nachher.size()
            && vorher.at(vorher.size() - 1 - gleich) == nachher.at(nachher.size() - 1 - gleich))
            ++gleich;
        const QString alterKopf = vorher.left(vorher.size() - gleich);
        const QString neuerKopf = nachher.left(nachher.size() - gleich);
        // Only digits, blanks and tabs are ever replaced: each is one unit in every encoding a list may have.
        for (int i = 0; i < alterKopf.size(); ++i)
            if (alterKopf.at(i).unicode() >= 0x80 || (i + 1) * breite > inhalt.size()
                || einheitIn(inhalt, 0, i) != alterKopf.at(i).unicode())
                return std::nullopt;
        QByteArray kopf;
        if (utf16) {
            for (const QChar c : neuerKopf) {
                const char hoch = char(c.unicode() >> 8);
                const char tief = char(c.unicode() & 0xff);
                kopf.append(le ? tief : hoch).append(le ? hoch : tief);
            }
        } else if (cp1252::decode(inhalt) != vorher) {
            kopf = neuerKopf.toUtf8(); // the line was read as UTF-8
        } else {
            if (!cp1252::canEncode(neuerKopf)) return std::nullopt;
            kopf = cp1252::encode(neuerKopf);
        }
        return kopf + inhalt.mid(alterKopf.size() * breite);
    };
    QByteArray neu = bytes.left(start);
    int zeile = 0;
    for (int pos = 0; pos < einheiten; ++zeile) {
        int ende = pos;
        while (ende < einheiten && einheit(ende) != u'\n' && einheit(ende) != u'\r')
            ++ende;
        int weiter = ende;
        if (weiter < einheiten && einheit(weiter) == u'\r') ++weiter;
        if (weiter < einheiten && einheit(weiter) == u'\n') ++weiter;
        const QByteArray inhalt = bytes.mid(start + pos * breite, (ende - pos) * breite);
        if (zeile < zeilen.size() && zeilen.at(zeile) != alt.lines.at(zeile)) {
            const std::optional<QByteArray> anders = geaendert(inhalt, alt.lines.at(zeile), zeilen.at(zeile));
            if (!anders) return std::nullopt;
            neu += *anders;
        } else {
            neu += inhalt;
        }
        neu += bytes.mid(start + ende * breite, (weiter - ende) * breite);
        pos = weiter;
    }
    neu += bytes.mid(start + einheiten * breite);
    // The number written before a line's bytes could make them read otherwise (or begin the file as a mark would).
    const cp1252::Lines zurueck = cp1252::decodeLines(neu);
    if (!zurueck.text || zurueck.lines != zeilen) return std::nullopt;
    return neu;
}

QSet<QString> vorhandeneOrdner(const QString& datpfad, const QString& liste)
{
    if (!files::isSafeName(liste)) return {};
    int err = 0;
    return ordnerDarin(files::resolve(datpfad + QStringLiteral("Klassen/") + liste), err);
}

namespace {

// The path of the folder `ordner` of the list, as it is spelled on disk where it is there; empty where the name could
// reach outside the data folder.
QString pfadVon(const QString& datpfad, const QString& liste, const QString& ordner, const Ordnerlage& lage)
{
    if (!files::isSafeName(liste) || !files::isSafeName(ordner)) return {};
    // The folders as they are spelled on disk: the list's folder keeps the name as typed ("1b_03") while the
    // active list comes from the file name ("1B_03"), and a protocol's path line must name a real path.
    const QString pfad = lage.pfad(ordner);
    if (!pfad.isEmpty()) return pfad;
    const QString genannt = files::child(datpfad + QStringLiteral("Klassen/") + liste, ordner);
    return genannt.isEmpty() ? genannt : files::resolve(genannt);
}

} // namespace

QString schuelerordner(const QString& datpfad, const QString& liste, const QStringList& schueler, int index)
{
    if (!files::isSafeName(liste) || index < 0 || index >= schueler.size()) return {};
    const Ordnerlage lage = ordnerlage(datpfad, liste);
    return pfadVon(datpfad, liste, ordnerVon(schueler, index, lage).name, lage);
}

void ordnerAnlegen(
    const QString& datpfad, const QString& liste, const QStringList& zeilen, const QHash<QString, QString>& bekannt)
{
    if (!files::isSafeName(liste)) return;
    const QString ordner = files::resolve(datpfad + QStringLiteral("Klassen/") + liste);
    // One look at the list's folder tells which pupils have theirs; a folder made for each missing one needs no
    // look at its parents, which on a share costs a round trip each.
    int err = 0;
    const QStringList gelistet = files::listEntries(ordner, err);
    if (err == ENOENT && files::forceDirectories(ordner)) err = 0;
    if (err != 0) return; // a folder that cannot be made is not reported: the protocols make theirs when needed
    const Ordnerlage lage = ordnerlageIn(ordner, &gelistet, bekannt);
    QSet<QString> da = lage.vorhanden();
    for (const Schuelerordner& o : ordnerWahl(schuelerzeilen(zeilen), lage)) {
        if (!files::isSafeName(o.name) || da.contains(o.name.toLower())) continue;
        files::makeDir(ordner + u'/' + o.name);
        da.insert(o.name.toLower());
    }
}

namespace {

bool ohneNummer(const QString& zeile)
{
    const int n = nummer(zeile);
    return n < 1 || n > kMaxNummer;
}

// Whether the list's line `jetzt` is the pupil of the line `gezeigt` shown before: the same, or the same name where it
// had no number and the program has written his folder's number into it since.
bool derselbe(const QString& jetzt, const QString& gezeigt)
{
    return jetzt == gezeigt || (ohneNummer(gezeigt) && !ohneNummer(jetzt) && name(jetzt) == name(gezeigt));
}

// How many pupils of his name stand before the pupil `index` of `schueler`: lines of one name without a number are
// told apart by it alone.
int rang(const QStringList& schueler, int index)
{
    const QString seiner = name(schueler.at(index));
    return int(std::count_if(
        schueler.begin(), schueler.begin() + index, [&](const QString& z) { return gleicherName(name(z), seiner); }));
}

} // namespace

Ordnerwahl ordnerWaehlen(const QString& datpfad, const QString& liste, const QStringList& gezeigt, int nummer,
    QString& ordner, QString& fehler, QString* code, Ordnerblick* blick)
{
    ordner.clear();
    fehler.clear();
    if (nummer < 1 || nummer > gezeigt.size()) return Ordnerwahl::geaendert;
    Ordnerblick eigener;
    Ordnerblick& gesehen = blick ? *blick : eigener;
    // Which folder it is, is looked at before the lock is taken: on a share the folders' listings and protocols take
    // most of the time, and another PC need not wait for them.
    Ordnerlage lage;
    const auto waehlen = [&](const QStringList& schueler, QString& pfad) {
        lage = gesehen.lage(datpfad, liste, schueler);
        const Schuelerordner o = ordnerVon(schueler, nummer - 1, lage);
        pfad = pfadVon(datpfad, liste, o.name, lage);
        if (code) *code = o.code;
    };
    QString pfad;
    waehlen(gezeigt, pfad);

    const FileLock sperre(sperrdatei(datpfad, liste));
    if (sperre.status() == FileLock::Status::busy) return Ordnerwahl::gesperrt;
    // Where pupils may not write into "k_liste" the list is looked at without the lock: a protocol is kept rather
    // than refused. Any other failure (a share that does not answer) could let a deletion come in between.
    if (sperre.status() == FileLock::Status::failed && !sperre.readOnly()) {
        fehler = sperre.error();
        return Ordnerwahl::unlesbar;
    }
    QString datei;
    switch (ansehen(datpfad, liste, datei, fehler)) {
    case Blick::fehlt:
        return Ordnerwahl::geloescht;
    case Blick::fehler:
        return Ordnerwahl::unlesbar;
    case Blick::da:
        break;
    }
    QStringList alle;
    QByteArray bytes;
    try {
        alle = zeilenUndBytes(datpfad, liste, bytes);
    } catch (const RuntimeError&) {
        return Ordnerwahl::geaendert; // a list damaged meanwhile holds no line
    }
    const QStringList zeilen = schuelerzeilen(alle);
    // A namesake typed or deleted before him makes the line at his place another child of his name.
    if (nummer > zeilen.size() || !derselbe(zeilen.at(nummer - 1), gezeigt.at(nummer - 1))
        || rang(zeilen, nummer - 1) != rang(gezeigt, nummer - 1))
        return Ordnerwahl::geaendert;
    // Lines typed or removed around him meanwhile, and folders made since the window looked (another PC's pupil
    // given a folder of his letters), may touch his folder: it is looked at again for the list as it is.
    if (gesehen.auffrischen(datpfad, liste) || zeilen != gezeigt) waehlen(zeilen, pfad);
    if (pfad.isEmpty() || !files::forceDirectories(pfad)) return Ordnerwahl::fehler;
    ordner = pfad;
    // The children of his name before him without a number get their folders too, so that their folders stay in their
    // order when he is the first of them to save.
    const QVector<Schuelerordner> gruppe = ordnerWahl(zeilen, lage, { { nummer - 1 } });
    for (int j = 0; j < nummer - 1; ++j)
        if (!gruppe.at(j).name.isEmpty() && ohneNummer(zeilen.at(j)) && ohneNummer(zeilen.at(nummer - 1))
            && gleicherName(name(zeilen.at(j)), name(zeilen.at(nummer - 1))) && !lage.da(gruppe.at(j).name)) {
            const QString davor = pfadVon(datpfad, liste, gruppe.at(j).name, lage);
            if (!davor.isEmpty()) files::forceDirectories(davor);
        }
    // Where his folder, or a namesake's looked at with him, is not the one his line names, the number is what tells
    // him from the others from now on, whatever lines come or go around him: it is written into his line at once.
    // Where this PC may not write the list, the next save in the administration does it.
    if (sperre.held()) {
        const QStringList eigen = eigeneOrdner(alle, lage, { { nummer - 1 } });
        // Only the numbers are written: the teacher's file keeps every other byte as her editor saved it.
        if (eigen != alle) {
            const std::optional<QByteArray> neu = mitZeilen(bytes, eigen);
            if (neu && files::replaceWhole(datei, *neu) == 0) gesehen.gilt(schuelerzeilen(eigen));
        }
    }
    return Ordnerwahl::angelegt;
}

Speicherergebnis anlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen)
{
    files::forceDirectories(listenordner(datpfad));
    return unterSperre(datpfad, liste, [&](const QString& datei, Speicherergebnis& ergebnis, QStringList& neu) {
        if (!datei.isEmpty()) {
            ergebnis.art = Speicherung::vorhanden;
            return false;
        }
        // Made under its own name, never by a hard link, which shares refuse: the lock keeps other PCs out, and
        // the exclusive create still never replaces a list that came in some other way.
        const int code
            = schreiben(files::resolve(listenordner(datpfad)) + u'/' + dateiname(liste), zeilen, true, ergebnis.fehler);
        if (code == IoOk) {
            neu = zeilen;
            return true;
        }
        ergebnis.art = code == IoFileExists ? Speicherung::vorhanden : Speicherung::fehler;
        if (code == IoFileExists) ergebnis.fehler.clear();
        return false;
    });
}

namespace {

// Writes the note of a corrected name into its folder; what the folder held of it before, to put back where the list
// is not written after all.
struct AlterVermerk {
    bool da = false;
    QByteArray bytes;
};
int vermerken(const Namensvermerk& vermerk, AlterVermerk& alt, QString& fehler)
{
    const QString datei = files::resolve(vermerk.ordner + u'/' + QLatin1String(kNamensdatei));
    QFile f(datei);
    alt.da = f.exists();
    if (alt.da && f.open(QIODevice::ReadOnly)) alt.bytes = f.readAll();
    const int err = nameVermerken(vermerk.ordner, vermerk.name);
    if (err != 0) fehler = IoError(ioCodeFor(err), datei).message();
    return err;
}
void zuruecknehmen(const Namensvermerk& vermerk, const AlterVermerk& alt)
{
    const QString datei = files::resolve(vermerk.ordner + u'/' + QLatin1String(kNamensdatei));
    if (alt.da)
        files::replaceWhole(datei, alt.bytes);
    else
        files::removeFile(datei);
}

} // namespace

Speicherergebnis aendern(const QString& datpfad, const QString& liste,
    const std::function<Speicherung(QStringList& zeilen, int& nummer)>& aenderung, Ordnerblick* blick,
    Namensvermerk* vermerk)
{
    return unterSperre(
        datpfad, liste,
        [&](const QString& datei, Speicherergebnis& ergebnis, QStringList& zeilen) {
            if (datei.isEmpty()) {
                ergebnis.art = Speicherung::geloescht;
                return false;
            }
            try {
                zeilen = alleZeilen(datpfad, liste);
            } catch (const Beschaedigt& e) {
                ergebnis.art = Speicherung::beschaedigt;
                ergebnis.fehler = e.message();
                return false;
            } catch (const IoError& e) {
                ergebnis.art = Speicherung::fehler;
                ergebnis.fehler = e.message();
                return false;
            }
            ergebnis.art = aenderung(zeilen, ergebnis.nummer);
            if (ergebnis.art == Speicherung::keineNummer) {
                const Hoechste hoechste = hoechsteNummer(zeilen, vorhandeneOrdner(datpfad, liste));
                ergebnis.zeile = hoechste.zeile;
                ergebnis.ordner = hoechste.ordner;
            }
            if (ergebnis.art != Speicherung::gespeichert) return false;
            // The note first: a list that names the corrected name without it would give him a fresh folder.
            AlterVermerk alt;
            const bool vermerkt = vermerk && !vermerk->ordner.isEmpty();
            if (vermerkt && vermerken(*vermerk, alt, ergebnis.fehler) != 0) {
                ergebnis.art = Speicherung::fehler;
                return false;
            }
            if (schreiben(datei, zeilen, false, ergebnis.fehler) == IoOk) return true;
            if (vermerkt) zuruecknehmen(*vermerk, alt);
            ergebnis.art = Speicherung::fehler;
            return false;
        },
        blick);
}

} // namespace klassenliste
