#include "shell/protokolldatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace protokoll {

QString zweistellig(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QStringList klassenliste(const QString& datpfad, const QString& liste)
{
    QStringList zeilen;
    if (!istListendatei(liste + QStringLiteral(".txt"))) return zeilen;
    TextFile f;
    f.assign(listenpfad(datpfad, liste));
    f.reset();
    if (f.ioResult() != 0) return zeilen;
    while (!f.eof() && zeilen.size() < kMaxSchueler)
        zeilen << f.readLine();
    f.close();
    return zeilen;
}

QString listenpfad(const QString& datpfad, const QString& liste)
{
    return datpfad + QStringLiteral("k_liste/") + liste + QStringLiteral(".txt");
}

QString listensperre(const QString& datpfad, const QString& liste)
{
    const QString datei = liste.toUpper() + QStringLiteral(".LCK");
    if (!files::isSafeName(liste)) return {};
    return files::child(files::resolve(datpfad + QStringLiteral("k_liste")), datei);
}

namespace {

QString blickFehler(int err, const QString& pfad)
{
    return IoError(ioCodeFor(err), pfad).message();
}

QByteArray nativ(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

} // namespace

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

QString unlesbarMeldung(const QString& ordner, const QString& grund)
{
    return QStringLiteral("Die Klassenlisten können an diesem Rechner nicht gelesen werden: der Ordner „%1“ lässt "
                          "sich von hier aus nicht lesen (%2).")
        .arg(files::resolve(ordner), grund);
}

QString grund(const QString& ioMeldung)
{
    return ioMeldung.mid(ioMeldung.lastIndexOf(QLatin1String(": ")) + 2);
}

Listensuche listenSuchen(const QString& datpfad)
{
    Listensuche suche;
    const QString ordner = datpfad + QStringLiteral("k_liste");
    int err = 0;
    const QStringList dateien = files::listFiles(ordner, err);
    // Without "k_liste" a data folder simply has no lists yet; without the data folder nothing is known.
    if (err == ENOENT && files::dirExists(datpfad)) err = 0;
    if (err != 0) {
        suche.unlesbar = true;
        suche.meldung = unlesbarMeldung(ordner, IoError::reason(ioCodeFor(err)));
        return suche;
    }
    for (const QString& datei : dateien)
        if (istListendatei(datei)) suche.namen << datei.chopped(4);
    suche.namen.sort(Qt::CaseInsensitive);
    suche.namen = suche.namen.mid(0, kMaxListen);
    return suche;
}

int listeSchreiben(const QString& pfad, const QStringList& zeilen, bool neu, QString& fehler)
{
    fehler.clear();
    QByteArray inhalt;
    for (const QString& zeile : zeilen)
        inhalt += cp1252::encode(zeile) + "\r\n";
    // A list that is replaced is written whole beside it first, so that a failed write leaves the old one whole.
    const QString ziel = neu ? pfad
                             : QFileInfo(pfad).absolutePath() + QStringLiteral("/.neu-")
            + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".tmp");
    int err = 0;
    const int fd = ::open(nativ(ziel).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        err = errno;
    } else {
        struct stat alt { };
        if (!neu && ::stat(nativ(pfad).constData(), &alt) == 0) ::fchmod(fd, alt.st_mode & 07777);
        if (!files::writeAll(fd, inhalt)) err = errno;
        // A share may tell of a full disk only when the file is flushed or closed.
        if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) err = errno;
        if (::close(fd) != 0 && err == 0) err = errno;
        if (err == 0 && !neu && ::rename(nativ(ziel).constData(), nativ(pfad).constData()) != 0) err = errno;
        if (err != 0) ::unlink(nativ(ziel).constData());
    }
    if (err == 0) return IoOk;
    const int code = ioCodeFor(err);
    fehler = IoError(code, pfad).message();
    return code;
}

Listenblick listeAnsehen(const QString& datpfad, const QString& liste, QString& pfad, QString& fehler)
{
    pfad.clear();
    fehler.clear();
    const QString datei = liste + QStringLiteral(".txt");
    const QString ordner = files::resolve(datpfad + QStringLiteral("k_liste"));
    if (!files::isSafeName(datei)) return Listenblick::fehlt;
    // The name as given first: it needs no listing of the folder, which pupils may be denied.
    struct stat st { };
    const QString genau = ordner + u'/' + datei;
    if (::stat(QFile::encodeName(genau).constData(), &st) == 0) {
        pfad = genau;
        return Listenblick::da;
    }
    if (errno != ENOENT) {
        fehler = blickFehler(errno, genau);
        return Listenblick::fehler;
    }
    int err = 0;
    const QStringList dateien = files::listFiles(ordner, err);
    if (err == ENOENT) return Listenblick::fehlt;
    if (err != 0) {
        fehler = blickFehler(err, ordner);
        return Listenblick::fehler;
    }
    for (const QString& name : dateien) {
        if (name.compare(datei, Qt::CaseInsensitive) == 0) {
            pfad = ordner + u'/' + name;
            return Listenblick::da;
        }
    }
    return Listenblick::fehlt;
}

QString nameAusZeile(const QString& zeile)
{
    return zeile.mid(3);
}

QString ordnername(const QString& zeileOderName)
{
    QString name = zeileOderName.left(8);
    while (name.endsWith(u' ') || name.endsWith(u'.'))
        name.chop(1);
    return name;
}

QString schuelerordner(const QString& datpfad, const QString& liste, const QString& zeileOderName)
{
    const QString ordner = ordnername(zeileOderName);
    QString pfad;
    if (liste == QLatin1String("ohne"))
        pfad = files::child(datpfad + QStringLiteral("OHNELIST"), ordner);
    else if (files::isSafeName(liste))
        pfad = files::child(datpfad + QStringLiteral("Klassen/") + liste, ordner);
    // The folders as they are spelled on disk: the list's folder keeps the name as typed ("1b_03") while the
    // active list comes from the file name ("1B_03"), and a protocol's path line must name a real path.
    return pfad.isEmpty() ? pfad : files::resolve(pfad);
}

Listenordner ordnerInListe(const QString& datpfad, const QString& liste, int nummer, const QString& gezeigt,
    const QString& zeile, QString& ordner, QString& fehler)
{
    ordner.clear();
    fehler.clear();
    const FileLock sperre(listensperre(datpfad, liste));
    if (sperre.status() == FileLock::Status::busy) return Listenordner::gesperrt;
    // Where pupils may not write into "k_liste" the list is looked at without the lock: a protocol is kept rather
    // than refused. Any other failure (a share that does not answer) could let a deletion come in between.
    if (sperre.status() == FileLock::Status::failed && !sperre.readOnly()) {
        fehler = sperre.error();
        return Listenordner::unlesbar;
    }
    QString datei;
    switch (listeAnsehen(datpfad, liste, datei, fehler)) {
    case Listenblick::fehlt:
        return Listenordner::geloescht;
    case Listenblick::fehler:
        return Listenordner::unlesbar;
    case Listenblick::da:
        break;
    }
    const QStringList zeilen = klassenliste(datpfad, liste);
    if (nummer < 1 || nummer > zeilen.size() || zeilen.at(nummer - 1) != gezeigt) return Listenordner::geaendert;
    const QString pfad = schuelerordner(datpfad, liste, zeile);
    if (pfad.isEmpty() || !files::forceDirectories(pfad)) return Listenordner::fehler;
    ordner = pfad;
    return Listenordner::angelegt;
}

QString hilfenpraefix(int programmcode)
{
    const QString ziffern = QString::number(programmcode);
    return QStringLiteral("H") + ziffern.left(1) + u'_' + ziffern.mid(1, 3) + u'_';
}

int freienummer(const QString& stamm)
{
    for (int n = 1; n <= kMaxNummer; ++n)
        if (!files::exists(stamm + zweistellig(n) + QStringLiteral(".txt"))) return n;
    return 0;
}

QString anlegen(const QString& stamm, const std::function<QStringList(const QString&)>& inhalt, QString& fehler)
{
    fehler.clear();
    for (int n = freienummer(stamm); n >= 1 && n <= kMaxNummer; ++n) {
        const QString pfad = stamm + zweistellig(n) + QStringLiteral(".txt");
        QString text;
        for (const QString& zeile : inhalt(pfad))
            text += zeile + QStringLiteral("\r\n");
        // Made whole or not at all: a half or empty file would take the number and show up as a protocol.
        const int ergebnis = files::createNew(pfad, cp1252::encode(text));
        if (ergebnis == IoFileExists) continue; // another PC was quicker
        if (ergebnis != 0) {
            fehler = IoError(ergebnis, pfad).message();
            return {};
        }
        return pfad;
    }
    return {};
}

} // namespace protokoll
