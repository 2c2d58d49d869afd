#include "shell/protokolldatei.h"

#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/textfile.h"

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
    const QString& zeile, QString& ordner)
{
    ordner.clear();
    const FileLock sperre(listensperre(datpfad, liste));
    // Where pupils may not write into "k_liste" the list is looked at without its lock: a protocol is kept
    // rather than refused.
    if (sperre.status() == FileLock::Status::busy) return Listenordner::gesperrt;
    if (!files::fileExists(listenpfad(datpfad, liste))) return Listenordner::geloescht;
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
        TextFile f;
        f.assign(pfad);
        f.createNew();
        const int ergebnis = f.ioResult();
        if (ergebnis == IoFileExists) continue; // another PC was quicker
        if (ergebnis != 0) {
            fehler = IoError(ergebnis, pfad).message();
            return {};
        }
        for (const QString& zeile : inhalt(pfad))
            f.writeLine(zeile);
        int r = f.ioResult();
        f.close();
        if (const int c = f.ioResult()) r = c;
        if (r != 0) {
            // A half or empty file would take the number and show up as a protocol.
            files::deleteFile(pfad);
            fehler = IoError(r, pfad).message();
            return {};
        }
        return pfad;
    }
    return {};
}

} // namespace protokoll
