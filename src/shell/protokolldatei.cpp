#include "shell/protokolldatei.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/klassenliste.h"

#include <QFile>

#include <algorithm>

#include <cerrno>

namespace protokoll {

QString zweistellig(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString ohnelistordner(const QString& datpfad, const QString& name)
{
    // Named as a list's pupil is: a typed name holds no blank, so it is its own first 8 characters.
    const QString pfad = files::child(datpfad + QStringLiteral("OHNELIST"), klassenliste::ordnername(name));
    return pfad.isEmpty() ? pfad : files::resolve(pfad);
}

QString hilfenpraefix(int programmcode)
{
    const QString ziffern = QString::number(programmcode);
    return QStringLiteral("H") + ziffern.left(1) + u'_' + ziffern.mid(1, 3) + u'_';
}

int nummerIn(const QString& name, const QString& praefix)
{
    const int laenge = int(praefix.size()) + 6;
    if (name.size() != laenge || !name.startsWith(praefix, Qt::CaseInsensitive)
        || !name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return 0;
    const QString nr = name.mid(laenge - 6, 2);
    if (!nr.at(0).isDigit() || !nr.at(1).isDigit()) return 0;
    const int n = nr.toInt();
    return n >= 1 && n <= kMaxNummer ? n : 0;
}

bool istProtokollname(const QString& name)
{
    return name.size() > 6 && nummerIn(name, name.chopped(6)) != 0;
}

int Nummern::erste() const
{
    for (int n = 1; n <= kMaxNummer; ++n)
        if (!belegt.at(n)) return n;
    return 0;
}

QString Nummern::datei(int n) const
{
    return ordner + u'/' + praefix + zweistellig(n) + QStringLiteral(".txt");
}

Nummern nummernSuchen(const QString& stamm, const std::optional<QStringList>& gelistet)
{
    Nummern nummern;
    const int schnitt = int(stamm.lastIndexOf(u'/'));
    nummern.ordner = stamm.left(schnitt);
    nummern.praefix = stamm.mid(schnitt + 1);
    // The folder as given first: the callers give it as it is spelled on disk, and the look then is the listing.
    int err = 0;
    QStringList namen = gelistet ? *gelistet : files::listEntries(nummern.ordner, err);
    if (err == ENOENT) {
        nummern.ordner = files::resolve(nummern.ordner);
        namen = files::listEntries(nummern.ordner, err);
    }
    // What a PC that went down left while making a protocol (its claim, an empty file under the number) is removed
    // by the next protocol that meets it, so that the number is free again.
    if (std::any_of(namen.cbegin(), namen.cend(), files::isHelperName)) {
        files::removeStaleHelpers(nummern.ordner);
        namen = files::listEntries(nummern.ordner, err);
    }
    // A folder that cannot be listed holds no number known to be taken: the exclusive create still finds them.
    for (const QString& name : namen)
        if (const int n = nummerIn(name, nummern.praefix)) nummern.belegt[n] = true;
    return nummern;
}

namespace {

// A protocol is read in an editor as often as by the program, and an editor takes a file in one encoding: one that
// mixed Windows-1252 and UTF-8 lines would show the name, or every umlaut, garbled. So the file is Windows-1252 as
// always, byte for byte what every PC and release reads, unless a line would not read back from it (a letter it has
// no byte for, bytes that read as another text); then the whole file is UTF-8. Without a byte-order mark: editors
// take valid UTF-8 as such, the program's readers decide line by line, and the first line starts with its text for
// every reader, as the class lists saved in UTF-8 do.
QByteArray dateitext(const QStringList& zeilen)
{
    const bool utf8
        = !std::all_of(zeilen.cbegin(), zeilen.cend(), [](const QString& z) { return cp1252::roundTrips(z); });
    QByteArray text;
    for (const QString& zeile : zeilen)
        text += (utf8 ? zeile.toUtf8() : cp1252::encode(zeile)) + "\r\n";
    return text;
}

} // namespace

int freienummer(const QString& stamm)
{
    return nummernSuchen(stamm).erste();
}

QString anlegen(Nummern& nummern, const std::function<QStringList(const QString&)>& inhalt, QString& fehler)
{
    fehler.clear();
    for (int n = nummern.erste(); n != 0; n = nummern.erste()) {
        const QString pfad = nummern.datei(n);
        const QByteArray text = dateitext(inhalt(pfad));
        // Made whole or not at all: a half or empty file would take the number and show up as a protocol.
        const int ergebnis = files::createNew(pfad, text);
        if (ergebnis != 0 && ergebnis != IoFileExists) {
            fehler = IoError(ergebnis, pfad).message();
            return {};
        }
        nummern.belegt[n] = true;
        if (ergebnis == IoFileExists) continue; // another PC was quicker
        return pfad;
    }
    return {};
}

QString anlegen(const QString& stamm, const std::function<QStringList(const QString&)>& inhalt, QString& fehler)
{
    Nummern nummern = nummernSuchen(stamm);
    return anlegen(nummern, inhalt, fehler);
}

QStringList lesen(const QString& pfad)
{
    QByteArray bytes;
    if (files::readShared(pfad, bytes) != 0) return {};
    return cp1252::decodeLines(bytes).lines;
}

} // namespace protokoll
