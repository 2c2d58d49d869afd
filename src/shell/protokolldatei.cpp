#include "shell/protokolldatei.h"

#include "platform/errors.h"
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
    if (!files::isSafeName(liste + QStringLiteral(".txt")))
        return zeilen;
    TextFile f;
    f.assign(datpfad + QStringLiteral("k_liste/") + liste + QStringLiteral(".txt"));
    f.reset();
    if (f.ioResult() != 0)
        return zeilen;
    while (!f.eof() && zeilen.size() < kMaxSchueler)
        zeilen << f.readLine();
    f.close();
    return zeilen;
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
    if (liste == QLatin1String("ohne"))
        return files::child(datpfad + QStringLiteral("OHNELIST"), ordner);
    if (!files::isSafeName(liste))
        return {};
    return files::child(datpfad + QStringLiteral("Klassen/") + liste, ordner);
}

QString hilfenpraefix(int programmcode)
{
    const QString ziffern = QString::number(programmcode);
    return QStringLiteral("H") + ziffern.left(1) + u'_' + ziffern.mid(1, 3) + u'_';
}

int freienummer(const QString& stamm)
{
    for (int n = 1; n <= kMaxNummer; ++n)
        if (!files::exists(stamm + zweistellig(n) + QStringLiteral(".txt")))
            return n;
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
        if (ergebnis == IoFileExists)
            continue; // another PC was quicker
        if (ergebnis != 0) {
            fehler = IoError(ergebnis, pfad).message();
            return {};
        }
        for (const QString& zeile : inhalt(pfad))
            f.writeLine(zeile);
        f.close();
        if (const int r = f.ioResult()) {
            fehler = IoError(r, pfad).message();
            return {};
        }
        return pfad;
    }
    return {};
}

} // namespace protokoll
