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

#include <cerrno>

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

// The folder of one pupil: the first 8 characters of the class-list line under "Klassen/" + the list. Built
// here rather than through the protocol dialog's rule, which reads "ohne" as "no list" and would put the
// pupils of a list named so into "OHNELIST".
QString pupilFolder(const QString& datpfad, const QString& liste, const QString& zeile)
{
    if (!files::isSafeName(liste)) return {};
    return files::child(datpfad + QStringLiteral("Klassen/") + liste, protokoll::ordnername(zeile));
}

// Every line of a list file, also those past the kMaxNamen-th of a hand-made list. Throws IoError when the file
// cannot be read.
QStringList dateiLesen(const QString& datpfad, const QString& liste)
{
    const QString pfad = protokoll::listenpfad(datpfad, liste);
    if (!files::isSafeName(liste)) throw IoError(IoFileNotFound, pfad);
    return TextFile::readAllLines(pfad);
}

// Makes sure the pupils' folders of the first kMaxNamen lines exist.
void ordnerAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen)
{
    for (const QString& zeile : zeilen.mid(0, kMaxNamen)) {
        const QString ordner = pupilFolder(datpfad, liste, zeile);
        if (!ordner.isEmpty()) files::forceDirectories(ordner);
    }
}

// Why nothing could be changed when the list's lock was not had; gespeichert when it is held.
Namenspeicherung gesperrt(const FileLock& sperre, QString& fehler)
{
    if (sperre.status() == FileLock::Status::busy) return Namenspeicherung::gesperrt;
    if (sperre.status() == FileLock::Status::failed) {
        fehler = sperre.error();
        return sperre.readOnly() ? Namenspeicherung::nurLesbar : Namenspeicherung::fehler;
    }
    return Namenspeicherung::gespeichert;
}

// Under the list's lock: looks at the list's file and lets `schritt` act on it, given the file's path (empty where
// there is no such list); `schritt` says whether it saved, and the lines whose pupils' folders are then to exist.
// The folders are made after the lock is given back: on a share that takes most of the time, and other PCs need
// not wait for it.
template <typename F> Namensergebnis unterSperre(const QString& datpfad, const QString& liste, F schritt)
{
    Namensergebnis ergebnis;
    QStringList zeilen;
    {
        const FileLock sperre(protokoll::listensperre(datpfad, liste));
        ergebnis.art = gesperrt(sperre, ergebnis.fehler);
        if (ergebnis.art != Namenspeicherung::gespeichert) return ergebnis;
        QString pfad;
        if (protokoll::listeAnsehen(datpfad, liste, pfad, ergebnis.fehler) == protokoll::Listenblick::fehler) {
            ergebnis.art = Namenspeicherung::fehler;
            return ergebnis;
        }
        if (!schritt(pfad, ergebnis, zeilen)) return ergebnis;
    }
    ordnerAnlegen(datpfad, liste, zeilen);
    return ergebnis;
}

// Under the list's lock: reads the list as it is now, lets `aendern` decide on it and writes it back when it
// says gespeichert.
template <typename F> Namensergebnis nachLesen(const QString& datpfad, const QString& liste, F aendern)
{
    return unterSperre(datpfad, liste, [&](const QString& pfad, Namensergebnis& ergebnis, QStringList& zeilen) {
        if (pfad.isEmpty()) {
            ergebnis.art = Namenspeicherung::geloescht;
            return false;
        }
        try {
            zeilen = dateiLesen(datpfad, liste);
        } catch (const IoError& e) {
            ergebnis.art = Namenspeicherung::fehler;
            ergebnis.fehler = e.message();
            return false;
        }
        ergebnis.art = aendern(zeilen, ergebnis.nummer);
        if (ergebnis.art != Namenspeicherung::gespeichert) return false;
        if (protokoll::listeSchreiben(pfad, zeilen, false, ergebnis.fehler) == IoOk) return true;
        ergebnis.art = Namenspeicherung::fehler;
        return false;
    });
}

QString nurLesbarGrund(const QString& datpfad)
{
    return QStringLiteral("in den Ordner „k_liste“ des Datenordners (%1) darf von diesem Rechner aus nicht "
                          "geschrieben werden")
        .arg(files::resolve(datpfad + QStringLiteral("k_liste")));
}

} // namespace

QString nurLesbarMeldung(const QString& datpfad)
{
    return QStringLiteral("Die Klassenlisten können an diesem Rechner nicht geändert werden: %1. Es wurde nichts "
                          "gespeichert.")
        .arg(nurLesbarGrund(datpfad));
}

bool namenzeichen(QChar c)
{
    static const QString umlaute = QStringLiteral("ÄÖÜäöüß");
    return buchstabe(c) || umlaute.contains(c) || c == u' ' || c == u'-';
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
    return cp1252::canEncode(name) && files::isSafeName(protokoll::ordnername(listenzeile(1, name)));
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
    return protokoll::zweistellig(nummer) + u' ' + name;
}

QString listendateiname(const QString& liste)
{
    return (liste + QStringLiteral(".txt")).left(12).toUpper();
}

Namenspruefung listennamepruefen(const QString& datpfad, const QString& liste)
{
    int err = 0;
    const QStringList dateien = files::listFiles(kListenordner(datpfad), err);
    if (err == ENOENT && files::dirExists(datpfad)) return Namenspruefung::frei; // no list made yet
    if (err != 0) return Namenspruefung::unlesbar;
    const QString datei = listendateiname(liste);
    for (const QString& name : dateien)
        if (name.compare(datei, Qt::CaseInsensitive) == 0) return Namenspruefung::vorhanden;
    return Namenspruefung::frei;
}

QStringList listeLesen(const QString& datpfad, const QString& liste)
{
    return dateiLesen(datpfad, liste).mid(0, kMaxNamen);
}

Namensergebnis listeAnlegen(const QString& datpfad, const QString& liste, const QStringList& zeilen)
{
    if (!listennameGueltig(liste)) {
        Namensergebnis ungueltig;
        ungueltig.fehler = IoError(IoUnsafeName, kListenordner(datpfad) + liste).message();
        return ungueltig;
    }
    files::forceDirectories(kListenordner(datpfad));
    return unterSperre(datpfad, liste, [&](const QString& pfad, Namensergebnis& ergebnis, QStringList& gespeichert) {
        if (!pfad.isEmpty()) {
            ergebnis.art = Namenspeicherung::vorhanden;
            return false;
        }
        // Made under its own name, never by a hard link, which shares refuse: the lock keeps other PCs out, and
        // the exclusive create still never replaces a list that came in some other way.
        const int code = protokoll::listeSchreiben(
            files::resolve(kListenordner(datpfad) + listendateiname(liste)), zeilen, true, ergebnis.fehler);
        if (code == IoOk) {
            gespeichert = zeilen;
            return true;
        }
        ergebnis.art = code == IoFileExists ? Namenspeicherung::vorhanden : Namenspeicherung::fehler;
        if (code == IoFileExists) ergebnis.fehler.clear();
        return false;
    });
}

Namensergebnis namenHinzufuegen(const QString& datpfad, const QString& liste, const QString& name)
{
    return nachLesen(datpfad, liste, [&](QStringList& zeilen, int& nummer) {
        if (zeilen.size() >= kMaxNamen) return Namenspeicherung::voll;
        nummer = zeilen.size() + 1;
        zeilen << listenzeile(nummer, name);
        return Namenspeicherung::gespeichert;
    });
}

Namensergebnis namenAendern(
    const QString& datpfad, const QString& liste, int nummer, const QString& gelesen, const QString& name)
{
    return nachLesen(datpfad, liste, [&](QStringList& zeilen, int& geschrieben) {
        if (nummer < 1 || nummer > zeilen.size() || zeilen.at(nummer - 1) != gelesen)
            return Namenspeicherung::anderswoGeaendert;
        geschrieben = nummer;
        zeilen[nummer - 1] = listenzeile(nummer, name);
        return Namenspeicherung::gespeichert;
    });
}

Loeschergebnis listeLoeschen(const QString& datpfad, const QString& liste)
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

    if (!files::isSafeName(liste)) return nicht(QStringLiteral("ihr Name taugt nicht als Dateiname"));
    const FileLock sperre(protokoll::listensperre(datpfad, liste));
    if (sperre.status() == FileLock::Status::busy)
        return nicht(QStringLiteral("sie wird gerade an einem anderen Rechner gespeichert. Bitte versuchen Sie es "
                                    "gleich noch einmal"));
    if (sperre.status() == FileLock::Status::failed)
        return nicht(sperre.readOnly() ? nurLesbarGrund(datpfad) : sperre.error());
    const QString listendatei = files::resolve(kListenordner(datpfad) + liste + QStringLiteral(".txt"));
    if (!QFileInfo(listendatei).isFile()) return nicht(QStringLiteral("ihre Datei fehlt"));
    if (!QFileInfo(QFileInfo(listendatei).absolutePath()).isWritable())
        return nicht(QStringLiteral("im Ordner k_liste darf nichts gelöscht werden"));

    // Look at everything first, so that what cannot go is found before anything is gone.
    struct Ordner {
        QString pfad;
        QStringList dateien;
    };
    QList<Ordner> schuelerordner;
    const QString listenordner = files::resolve(datpfad + QStringLiteral("Klassen/") + liste);
    const QFileInfo listenordnerInfo(listenordner);
    const auto alles = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (listenordnerInfo.exists()) {
        if (!listenordnerInfo.isDir() || listenordnerInfo.isSymLink())
            return nicht(relativ(listenordner) + QStringLiteral(" ist kein Ordner"));
        if (!listenordnerInfo.isWritable())
            return nicht(QStringLiteral("im Ordner %1 darf nichts gelöscht werden").arg(relativ(listenordner)));
        for (const QFileInfo& eintrag : QDir(listenordner).entryInfoList(alles, QDir::Name)) {
            if (eintrag.isSymLink() || !eintrag.isDir())
                return nicht(QStringLiteral("%1 ist kein Ordner eines Schülers").arg(relativ(eintrag.filePath())));
            if (!eintrag.isWritable())
                return nicht(
                    QStringLiteral("im Ordner %1 darf nichts gelöscht werden").arg(relativ(eintrag.filePath())));
            Ordner ordner { eintrag.filePath(), {} };
            for (const QFileInfo& datei : QDir(ordner.pfad).entryInfoList(alles, QDir::Name)) {
                // What a PC that went down left while making a protocol is the program's own, never a stranger's.
                if (files::removeIfStaleHelper(datei.filePath())) continue;
                if (datei.isSymLink() || !datei.isFile())
                    return nicht(QStringLiteral("im Ordner %1 liegt „%2“, das keine Protokolldatei ist")
                                     .arg(relativ(ordner.pfad), datei.fileName()));
                ordner.dateien << datei.filePath();
            }
            schuelerordner << ordner;
        }
    }

    for (const Ordner& ordner : schuelerordner) {
        for (const QString& datei : ordner.dateien)
            if (!QFile::remove(datei))
                return abgebrochen(QStringLiteral("die Datei %1 ließ sich nicht löschen").arg(relativ(datei)));
        if (!QDir().rmdir(ordner.pfad))
            return abgebrochen(QStringLiteral("der Ordner %1 ließ sich nicht löschen").arg(relativ(ordner.pfad)));
    }
    if (listenordnerInfo.exists() && !QDir().rmdir(listenordner))
        return abgebrochen(QStringLiteral("der Ordner %1 ließ sich nicht löschen").arg(relativ(listenordner)));
    if (!QFile::remove(listendatei))
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

QString dwinaPasswort(const QString& datpfad)
{
    TextFile f;
    f.assign(datpfad + QStringLiteral("dw.ina"));
    f.reset();
    if (f.ioResult() != 0) return {};
    f.readLine();
    const QString passwort = f.readLine().left(kMaxPasswortlaenge);
    f.close();
    return passwort;
}

} // namespace dverw
