#include "shell/dverw_logik.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "shell/protokolldatei.h"
#include "shell/tav_i_logik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dverw {

namespace {

bool buchstabe(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString kListenordner(const QString& datpfad)
{
    return datpfad + QStringLiteral("k_liste/");
}

QByteArray nativ(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

} // namespace

bool namenzeichen(QChar c)
{
    // Names of every language a class speaks: the line keeps them in UTF-8 where Windows-1252 has no letter for them.
    // A letter's accent may come as a character of its own after it, as some systems write "é".
    return c.isLetter() || c.isMark() || c == u' ' || c == u'-';
}

QString fremdeZeichen(const QString& text)
{
    // Counted as the characters they are: one outside the 16-bit range is two halves, neither a letter.
    QList<char32_t> fremd;
    for (const char32_t c : text.toUcs4())
        if ((c > 0xFFFF || !namenzeichen(QChar(char16_t(c)))) && !fremd.contains(c)) fremd << c;
    return QString::fromUcs4(fremd.constData(), fremd.size());
}

QString zeichenhinweis(const QString& zeichen, bool imNamen)
{
    // A character one cannot see is named; one written as two halves is shown whole.
    QStringList genannt;
    for (const char32_t c : zeichen.toUcs4()) {
        QString wie;
        if (c == u'\t')
            wie = QStringLiteral("ein Tabulator");
        else if (!QChar::isPrint(c) || QChar::isSpace(c))
            wie = QStringLiteral("ein unsichtbares Zeichen");
        else
            wie = QStringLiteral("„%1“").arg(QString::fromUcs4(&c, 1));
        if (!genannt.contains(wie)) genannt << wie;
    }
    if (genannt.isEmpty()) return {};
    // A hand-typed line may hold many: the first name them.
    constexpr int kGenannt = 3;
    const bool weitere = genannt.size() > kGenannt;
    if (weitere) genannt = genannt.mid(0, kGenannt) << QStringLiteral("weitere Zeichen");
    QString satz = genannt.size() == 1
        ? genannt.first()
        : genannt.mid(0, genannt.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + genannt.last();
    satz[0] = satz.at(0).toUpper();
    satz += genannt.size() == 1 ? QStringLiteral(" gehört nicht in einen Namen.")
                                : QStringLiteral(" gehören nicht in einen Namen.");
    if (imNamen)
        satz += genannt.size() == 1 ? QStringLiteral(" Ohne dieses Zeichen lässt sich der Name speichern.")
                                    : QStringLiteral(" Ohne sie lässt sich der Name speichern.");
    return satz;
}

bool listennamenzeichen(QChar c)
{
    return buchstabe(c) || ziffer(c) || c == u'_';
}

bool passwortzeichen(QChar c)
{
    return c >= u'0' && c <= u'z';
}

bool schuelernameGueltig(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNamenlaenge || name.at(0) == u' ') return false;
    for (QChar c : name)
        if (!namenzeichen(c)) return false;
    return files::isSafeName(klassenliste::ordnername(listenzeile(1, name)));
}

bool listennameGueltig(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxListennamenlaenge) return false;
    for (QChar c : name)
        if (!listennamenzeichen(c)) return false;
    return files::isSafeName(name);
}

QString listenzeile(int nummer, const QString& name)
{
    return klassenliste::zeile(nummer, name);
}

klassenliste::Speicherergebnis listeAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen)
{
    if (!listennameGueltig(liste)) {
        klassenliste::Speicherergebnis ungueltig;
        ungueltig.fehler = IoError(IoUnsafeName, kListenordner(datpfad) + liste).message();
        return ungueltig;
    }
    return klassenliste::anlegen(datpfad, liste, zeilen);
}

klassenliste::Speicherergebnis namenHinzufuegen(
    const QString& datpfad, const QString& liste, const QString& name, klassenliste::Ordnerblick* blick)
{
    klassenliste::Ordnerblick eigener;
    klassenliste::Ordnerblick& gesehen = blick ? *blick : eigener;
    klassenliste::Namensvermerk vermerk;
    return klassenliste::aendern(
        datpfad, liste,
        [&](QStringList& zeilen, int& nummer) {
            vermerk = {};
            if (klassenliste::schuelerzeilen(zeilen).size() >= kMaxNamen) return klassenliste::Speicherung::voll;
            // Folders other PCs made since the window looked hold numbers no new pupil may get.
            gesehen.auffrischen(datpfad, liste);
            const klassenliste::Ordnerlage ordner = gesehen.lage(datpfad, liste, klassenliste::schuelerzeilen(zeilen));
            // A pupil whose line names another pupil's folder gets his own into his line first, so that no line the
            // teacher types later can change it.
            QStringList eigen = klassenliste::eigeneOrdner(zeilen, ordner);
            nummer = klassenliste::naechsteNummer(eigen, ordner.vorhanden());
            if (nummer > klassenliste::kMaxNummer) return klassenliste::Speicherung::keineNummer;
            // Blank lines a teacher left at the end stay at the end.
            const auto letzter = std::find_if(eigen.rbegin(), eigen.rend(), klassenliste::istSchueler);
            const int neu = int(eigen.rend() - letzter);
            eigen.insert(neu, listenzeile(nummer, name));
            // A new pupil is no child who left: where a folder his line could name bears his name, his own is made
            // now and noted as his, so that no choice gives him the other's protocols.
            const QStringList schueler = klassenliste::schuelerzeilen(eigen);
            const int er = int(schueler.indexOf(eigen.at(neu)));
            if (klassenliste::ordnerWahl(schueler, ordner, { { er } }).at(er).grund == klassenliste::Grund::nachName) {
                const QString seiner = files::resolve(datpfad + QStringLiteral("Klassen/") + liste) + u'/'
                    + klassenliste::ordnername(eigen.at(neu));
                if (files::forceDirectories(seiner)) vermerk = { seiner, name };
            }
            zeilen = eigen;
            gesehen.uebernehmen(datpfad, liste, ordner, klassenliste::schuelerzeilen(zeilen));
            return klassenliste::Speicherung::gespeichert;
        },
        &gesehen, &vermerk);
}

klassenliste::Speicherergebnis namenAendern(const QString& datpfad, const QString& liste, int nummer,
    const QString& gelesen, const QString& name, klassenliste::Ordnerblick* blick)
{
    klassenliste::Ordnerblick eigener;
    klassenliste::Ordnerblick& gesehen = blick ? *blick : eigener;
    klassenliste::Namensvermerk vermerk;
    return klassenliste::aendern(
        datpfad, liste,
        [&](QStringList& zeilen, int& geschrieben) {
            vermerk = {};
            int zeile = -1;
            for (int i = 0, schueler = 0; i < zeilen.size() && zeile < 0; ++i)
                if (klassenliste::istSchueler(zeilen.at(i)) && ++schueler == nummer) zeile = i;
            if (zeile < 0 || zeilen.at(zeile) != gelesen) return klassenliste::Speicherung::anderswoGeaendert;
            // The folders his line could name, before or after, are read again under the lock: a window left open
            // may have seen his folder before his first protocol came, or before another PC noted a name in it.
            const QString neueZeile = klassenliste::praefix(gelesen) + name;
            gesehen.auffrischen(datpfad, liste);
            const klassenliste::Ordnerlage ordner
                = gesehen.lage(datpfad, liste, klassenliste::schuelerzeilen(zeilen)).ohne([&](const QString& o) {
                      return klassenliste::kannNennen(gelesen, o) || klassenliste::kannNennen(neueZeile, o);
                  });
            QStringList eigen = klassenliste::eigeneOrdner(zeilen, ordner);
            const QStringList vorher = klassenliste::schuelerzeilen(eigen);
            // The name goes after the line's number as it was typed ("6 Clara", " 03  Clara", "007 Paul", none at
            // all), so that a name saved as it was, or with the letters of its folder kept, keeps its folder.
            eigen[zeile] = klassenliste::praefix(eigen.at(zeile)) + name;
            const QStringList nachher = klassenliste::schuelerzeilen(eigen);
            // Only the pupils whose folders his line could meet, before or after, are looked at, the others' folders
            // cannot change; and as for the list as a whole, so that the list's lock is held for no reading where
            // the lines name folders of numbers of their own.
            const int p = nummer - 1;
            QVector<int> betroffen = klassenliste::zusammen(vorher, p, ordner);
            betroffen += klassenliste::zusammen(nachher, p, ordner);
            const QVector<klassenliste::Schuelerordner> alt = klassenliste::ordnerWahl(vorher, ordner, { betroffen });
            const auto bleiben = [&](const QVector<klassenliste::Schuelerordner>& neu) {
                for (const int i : betroffen)
                    if (i != p && neu.at(i).name.compare(alt.at(i).name, Qt::CaseInsensitive) != 0) return false;
                return true;
            };
            // A name corrected where his line still names his folder keeps it, and his protocols of the name before:
            // the folder is noted to bear the new name, which every PC's choice then finds. The administration is the
            // one place that knows the two names are one child's; a name typed over another in an editor never is.
            const QString seiner = alt.at(p).name.isEmpty()
                ? klassenliste::ordnerWahl(vorher, ordner, { { p } }).at(p).name
                : alt.at(p).name;
            // Only a folder that bears the name before the correction is his: one he was given unread, or a departed
            // child's his line came to name, keeps the name it bears.
            const QString alterName = klassenliste::name(gelesen);
            const bool seinerTraegtIhn = !seiner.isEmpty() && ordner.da(seiner)
                && klassenliste::gleicherName(ordner.traegt(seiner), alterName);
            if (seinerTraegtIhn && klassenliste::kannNennen(nachher.at(p), seiner)) {
                if (!klassenliste::gleicherName(alterName, name)) {
                    const klassenliste::Ordnerlage danach = ordner.mitName(seiner, name);
                    const QVector<klassenliste::Schuelerordner> neu
                        = klassenliste::ordnerWahl(nachher, danach, { betroffen });
                    if (neu.at(p).name.compare(seiner, Qt::CaseInsensitive) == 0 && bleiben(neu)) {
                        // His number, where the folder is not the one his line names by itself.
                        eigen = klassenliste::eigeneOrdner(eigen, danach, { { p } });
                        vermerk = { ordner.pfad(seiner), name };
                        geschrieben = klassenliste::nummer(eigen.at(zeile));
                        zeilen = eigen;
                        gesehen.uebernehmen(datpfad, liste, danach, klassenliste::schuelerzeilen(zeilen));
                        return klassenliste::Speicherung::gespeichert;
                    }
                }
            }
            // A child renamed so that his line no longer names his folder leaves it to no namesake of the name
            // before: it is noted to bear his new name.
            klassenliste::Ordnerlage danach = ordner;
            if (seinerTraegtIhn && !klassenliste::gleicherName(alterName, name)
                && !klassenliste::kannNennen(nachher.at(p), seiner)) {
                danach = ordner.mitName(seiner, name);
                vermerk = { ordner.pfad(seiner), name };
            }
            const QVector<klassenliste::Schuelerordner> neu = klassenliste::ordnerWahl(nachher, danach, { betroffen });
            // Every other pupil keeps his folder, and this one has the folder his line names, or keeps his.
            const QString neuerOrdner = neu.at(p).name;
            bool imEigenen = bleiben(neu)
                && (neuerOrdner == klassenliste::eigenerOrdner(nachher.at(p), danach)
                    || (!neuerOrdner.isEmpty() && neuerOrdner.compare(alt.at(p).name, Qt::CaseInsensitive) == 0));
            // A folder he moves into must not hold another child's protocols: one removed from the list by hand leaves
            // his folder behind.
            if (imEigenen && neuerOrdner.compare(alt.at(p).name, Qt::CaseInsensitive) != 0) {
                const QString traegt = danach.traegt(neuerOrdner);
                imEigenen = traegt.isEmpty() || klassenliste::gleicherName(traegt, name);
            }
            // A new name that names another pupil's folder takes a new number instead, as a new pupil does.
            if (!imEigenen) {
                const int neueNummer = klassenliste::naechsteNummer(eigen, ordner.vorhanden());
                if (neueNummer > klassenliste::kMaxNummer) return klassenliste::Speicherung::keineNummer;
                eigen[zeile] = listenzeile(neueNummer, name);
            }
            geschrieben = klassenliste::nummer(eigen.at(zeile));
            zeilen = eigen;
            gesehen.uebernehmen(datpfad, liste, danach, klassenliste::schuelerzeilen(zeilen));
            return klassenliste::Speicherung::gespeichert;
        },
        &gesehen, &vermerk);
}

Loeschergebnis listeLoeschen(
    const QString& datpfad, const QString& liste, const std::function<void(const QString&)>& fortschritt)
{
    Loeschergebnis ergebnis;
    const QString basis = files::resolve(datpfad);
    auto relativ = [&](const QString& pfad) { return QDir(basis).relativeFilePath(pfad); };
    auto nicht = [&](const QString& grund) {
        ergebnis.meldung = QStringLiteral("Die Liste %1 wurde nicht gelöscht: %2.").arg(liste, grund);
        return ergebnis;
    };
    auto abgebrochen = [&](const QString& grund) {
        ergebnis.meldung = QStringLiteral("Die Liste %1 wurde nicht ganz gelöscht: %2. Die Liste selbst ist noch da.")
                               .arg(liste, grund);
        return ergebnis;
    };
    auto melden = [&](const QString& text) {
        if (fortschritt) fortschritt(text);
    };
    auto unlesbar = [&](const QString& pfad, int err) {
        return nicht(QStringLiteral("der Ordner %1 lässt sich nicht lesen (%2)")
                         .arg(relativ(pfad), IoError::reason(ioCodeFor(err))));
    };
    auto beschreibbar = [](const QString& pfad) { return ::access(nativ(pfad).constData(), W_OK) == 0; };
    auto keineProtokolldatei = [&](const QString& ordner, const QString& name) {
        return QStringLiteral("im Ordner %1 liegt „%2“, das keine Protokolldatei ist").arg(relativ(ordner), name);
    };

    if (!files::isSafeName(liste)) return nicht(QStringLiteral("ihr Name taugt nicht als Dateiname"));
    const FileLock sperre(klassenliste::sperrdatei(datpfad, liste));
    if (sperre.status() == FileLock::Status::busy)
        return nicht(QStringLiteral("sie wird gerade bearbeitet. Bitte versuchen Sie es gleich noch einmal"));
    if (sperre.status() == FileLock::Status::failed)
        return nicht(sperre.readOnly() ? klassenliste::nurLesbarGrund(datpfad) : sperre.error());
    melden(QStringLiteral("Die Liste %1 wird gelöscht …").arg(liste));
    const QString listendatei = files::resolve(klassenliste::pfad(datpfad, liste));
    struct stat st { };
    if (::stat(nativ(listendatei).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return nicht(QStringLiteral("ihre Datei fehlt"));
    if (!beschreibbar(QFileInfo(listendatei).absolutePath()))
        return nicht(QStringLiteral("im Ordner k_liste darf nichts gelöscht werden"));

    // Look at everything first, so that what cannot go is found before anything is gone, each name by the listing
    // of its folder. A share that lists no types has every name looked at that is no protocol's (a folder made by
    // hand is one), and each protocol only when it is removed: a look at each beforehand would be one more round
    // trip per protocol. The program's own helpers are looked at by their own removal.
    struct Ordner {
        QString pfad;
        QList<files::Entry> dateien;
    };
    QList<Ordner> schuelerordner;
    const QString listenordner = files::resolve(datpfad + QStringLiteral("Klassen/") + liste);
    const bool listenordnerDa = ::lstat(nativ(listenordner).constData(), &st) == 0;
    if (listenordnerDa) {
        if (!S_ISDIR(st.st_mode)) return nicht(relativ(listenordner) + QStringLiteral(" ist kein Ordner"));
        if (!beschreibbar(listenordner))
            return nicht(QStringLiteral("im Ordner %1 darf nichts gelöscht werden").arg(relativ(listenordner)));
        int err = 0;
        const QList<files::Entry> inhalt = files::listTyped(listenordner, err);
        if (err != 0) return unlesbar(listenordner, err);
        for (const files::Entry& eintrag : inhalt) {
            Ordner ordner { listenordner + u'/' + eintrag.name, {} };
            if (eintrag.type != DT_DIR)
                return nicht(QStringLiteral("%1 ist kein Ordner eines Schülers").arg(relativ(ordner.pfad)));
            if (!beschreibbar(ordner.pfad))
                return nicht(QStringLiteral("im Ordner %1 darf nichts gelöscht werden").arg(relativ(ordner.pfad)));
            melden(QStringLiteral("Die Liste %1 wird gelöscht: Ordner %2 von %3 angesehen …")
                       .arg(liste)
                       .arg(schuelerordner.size() + 1)
                       .arg(inhalt.size()));
            const QList<files::Entry> dateien = files::listTypedLooking(ordner.pfad, err,
                [](const QString& name) { return !protokoll::istProtokollname(name) && !files::isHelperName(name); });
            if (err != 0) return unlesbar(ordner.pfad, err);
            for (const files::Entry& datei : dateien) {
                // What a PC that went down left while making a protocol is the program's own, never a stranger's.
                if (files::removeIfStaleHelper(ordner.pfad + u'/' + datei.name)) continue;
                if (datei.type != DT_REG && datei.type != DT_UNKNOWN)
                    return nicht(keineProtokolldatei(ordner.pfad, datei.name));
                ordner.dateien << datei;
            }
            schuelerordner << ordner;
        }
    }

    for (int i = 0; i < schuelerordner.size(); ++i) {
        const Ordner& ordner = schuelerordner.at(i);
        melden(QStringLiteral("Die Liste %1 wird gelöscht: Ordner %2 von %3 …")
                   .arg(liste)
                   .arg(i + 1)
                   .arg(schuelerordner.size()));
        for (const files::Entry& datei : ordner.dateien) {
            const QString pfad = ordner.pfad + u'/' + datei.name;
            const int err = files::removePlainFile(pfad, datei.type);
            if (err == files::kNotPlainFile) return abgebrochen(keineProtokolldatei(ordner.pfad, datei.name));
            if (err != 0) return abgebrochen(QStringLiteral("die Datei %1 ließ sich nicht löschen").arg(relativ(pfad)));
        }
        if (files::removeShared(ordner.pfad) != 0)
            return abgebrochen(QStringLiteral("der Ordner %1 ließ sich nicht löschen").arg(relativ(ordner.pfad)));
    }
    if (listenordnerDa && files::removeShared(listenordner) != 0)
        return abgebrochen(QStringLiteral("der Ordner %1 ließ sich nicht löschen").arg(relativ(listenordner)));
    if (files::removeFile(listendatei) != 0)
        return abgebrochen(QStringLiteral("die Datei %1 ließ sich nicht löschen").arg(relativ(listendatei)));
    ergebnis.geloescht = true;

    const QString klina = datpfad + QStringLiteral("kl.ina");
    const tavi::KlIna gelesen = tavi::klinaLesen(klina);
    if (gelesen.aktivliste.compare(liste, Qt::CaseInsensitive) == 0) {
        try {
            tavi::klinaSchreiben(klina, gelesen.datpfad.isEmpty() ? datpfad : gelesen.datpfad, QStringLiteral("ohne"));
            ergebnis.aktivlisteAufgehoben = true;
        } catch (const IoError& e) {
            ergebnis.meldung = QStringLiteral("Die Liste %1 ist gelöscht, aber die aktive Liste in „kl.ina“ "
                                              "ließ sich nicht zurücksetzen: %2")
                                   .arg(liste, e.message());
        }
    }
    return ergebnis;
}

bool dwinaSchreiben(const QString& datpfad, const QString& passwort, QString& fehler)
{
    fehler.clear();
    try {
        TextFile f;
        f.setChecked(true);
        f.assign(datpfad + QStringLiteral("dw.ina"));
        f.rewrite();
        f.writeLine(QStringLiteral("Dateiverwaltung"));
        f.writeLine(passwort.left(kMaxPasswortlaenge));
        f.writeLine(QStringLiteral("Ende"));
        f.close();
    } catch (const IoError& e) {
        fehler = e.message();
        return false;
    }
    return true;
}

bool passwortGueltig(const QString& passwort)
{
    return passwort.size() <= kMaxPasswortlaenge
        && std::all_of(passwort.begin(), passwort.end(), [](QChar c) { return passwortzeichen(c) || c == u'*'; });
}

std::optional<QString> dwinaPasswort(const QString& datpfad, QString* meldung)
{
    const QString name = datpfad + QStringLiteral("dw.ina");
    // As it is spelled on disk, for a message only: the read matches letter case itself.
    const auto datei = [&] { return files::resolve(name); };
    const auto zu = [&](const QString& warum) -> std::optional<QString> {
        if (meldung) *meldung = warum;
        return std::nullopt;
    };
    if (meldung) meldung->clear();
    QByteArray bytes;
    // Another PC that saves a new password just then is waited out by the layer: only a file that is really missing
    // opens the administration without one. Where the wait ran out with the file still on its way (its folder on a
    // share written again and again), "no password" and "not readable just now" cannot be told apart.
    const int err = files::readShared(name, bytes);
    if (err == ENOENT && !files::missingOnlyForNow(name)) return QString();
    const QString dreiZeilen = QStringLiteral("„Dateiverwaltung“, das Passwort (bis zu 8 Zeichen: Buchstaben und "
                                              "Ziffern, keine Umlaute und keine Leerzeichen; eine leere Zeile für "
                                              "keines) und „Ende“.");
    // A folder in its place is there for good: waiting would never help, it has to be mended.
    if (err == EISDIR)
        return zu(QStringLiteral("„%1“ ist beschädigt: an der Stelle der Datei mit dem Passwort der Verwaltung steht "
                                 "ein Ordner. Die Verwaltung bleibt deshalb geschlossen. Bitte benennen Sie den "
                                 "Ordner um oder löschen Sie ihn, und legen Sie mit einem Texteditor eine Datei "
                                 "„dw.ina“ mit genau drei Zeilen an: %2")
                      .arg(datei(), dreiZeilen));
    // A share that does not answer just now is no missing file: that would open the administration to anyone.
    if (err != 0)
        return zu(QStringLiteral("Die Datei „%1“ mit dem Passwort der Verwaltung kann nicht gelesen werden (%2). Die "
                                 "Verwaltung bleibt geschlossen; bitte versuchen Sie es gleich noch einmal.")
                      .arg(datei(), IoError::reason(ioCodeFor(err))));
    const cp1252::Lines gelesen = cp1252::decodeLines(bytes);
    const auto zeile = [&](int i) { return gelesen.lines.value(i).trimmed(); };
    // A file cut short, or a second line that no one can type, would open the administration to anyone or to no one.
    if (!gelesen.text || gelesen.lines.size() < 3
        || zeile(0).compare(QLatin1String("Dateiverwaltung"), Qt::CaseInsensitive) != 0
        || zeile(2).compare(QLatin1String("Ende"), Qt::CaseInsensitive) != 0 || !passwortGueltig(gelesen.lines.at(1)))
        return zu(QStringLiteral("Die Datei „%1“ ist beschädigt: sie nennt kein Passwort, das sich eingeben lässt. "
                                 "Die Verwaltung bleibt deshalb geschlossen. Bitte öffnen Sie die Datei mit einem "
                                 "Texteditor und schreiben Sie genau drei Zeilen hinein: %2")
                      .arg(datei(), dreiZeilen));
    return gelesen.lines.at(1);
}

} // namespace dverw
