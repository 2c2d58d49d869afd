#include "shell/protokolldatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/textfile.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace protokoll {

QString zweistellig(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QStringList klassenliste(const QString& datpfad, const QString& liste)
{
    QStringList zeilen;
    if (!files::isSafeName(liste + QStringLiteral(".txt"))) return zeilen;
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
    const int code = err == EACCES || err == EPERM ? IoAccessDenied : (err == ENOTDIR ? IoPathNotFound : err);
    return IoError(code, pfad).message();
}

} // namespace

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
    DIR* d = ::opendir(QFile::encodeName(ordner).constData());
    if (!d) {
        if (errno == ENOENT) return Listenblick::fehlt;
        fehler = blickFehler(errno, ordner);
        return Listenblick::fehler;
    }
    Listenblick blick = Listenblick::fehlt;
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(d);
        if (!e) {
            if (errno != 0) {
                fehler = blickFehler(errno, ordner);
                blick = Listenblick::fehler;
            }
            break;
        }
        const QString name = QFile::decodeName(e->d_name);
        if (name.compare(datei, Qt::CaseInsensitive) == 0) {
            pfad = ordner + u'/' + name;
            blick = Listenblick::da;
            break;
        }
    }
    ::closedir(d);
    return blick;
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
    // Where the lock cannot be made (pupils who may not write into "k_liste") the list is looked at without it:
    // a protocol is kept rather than refused.
    if (sperre.status() == FileLock::Status::busy) return Listenordner::gesperrt;
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
