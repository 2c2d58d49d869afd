// A second PC for the lock tests: one process of its own that takes a class list's lock, saves into a list or
// looks at it, as another PC on the same data folder does. The tests start several of these at once.
//
//   sperrkind halten <lock> <runden> <halte-ms> <drinnen>   takes the lock `runden` times and holds it; makes
//                                                           <drinnen> exclusively while it holds it, so that two
//                                                           holders at once show (exit 3); exit 4 when a round
//                                                           did not get the lock
//   sperrkind sperren <lock>                                 one try; prints the status, readOnly and the reason
//   sperrkind hinzufuegen <datpfad> <liste> <name> <n>       adds <name> + "a".. n times; exit 5 at the first save
//                                                           that is not done, printing its outcome and reason
//   sperrkind anlegen <datpfad> <liste> <zeile>              a new list; prints the outcome and the reason
//   sperrkind ordner <datpfad> <liste> <nummer> <zeile>      the protocol folder of a class-list line; prints it
//   sperrkind uhr                                            prints the time of day the process reads, in seconds
// The wait for the lock is TAVI_SPERRE_WARTE_MS where set.
#include "platform/filelock.h"
#include "shell/dverw_logik.h"
#include "shell/protokolldatei.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

void sagen(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

int halten(const QString& sperre, int runden, int halteMs, const QString& drinnen)
{
    int ergebnis = 0;
    for (int r = 0; r < runden; ++r) {
        const FileLock lock(sperre);
        if (!lock.held()) {
            sagen(QStringLiteral("nicht gehalten: %1").arg(lock.error()));
            ergebnis = 4;
            continue;
        }
        const int fd = ::open(QFile::encodeName(drinnen).constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            sagen(QStringLiteral("zwei halten die Sperre"));
            return 3;
        }
        ::close(fd);
        QThread::msleep(ulong(halteMs));
        ::unlink(QFile::encodeName(drinnen).constData());
    }
    return ergebnis;
}

QString art(dverw::Namenspeicherung a)
{
    return QString::number(int(a));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (qEnvironmentVariableIsSet("TAVI_SPERRE_WARTE_MS"))
        FileLock::setWaitForTests(qEnvironmentVariableIntValue("TAVI_SPERRE_WARTE_MS"));
    const QString modus = a.value(1);
    if (modus == QLatin1String("halten") && a.size() == 6) return halten(a[2], a[3].toInt(), a[4].toInt(), a[5]);
    if (modus == QLatin1String("sperren") && a.size() == 3) {
        const FileLock lock(a[2]);
        sagen(QStringLiteral("%1 %2 %3").arg(int(lock.status())).arg(lock.readOnly()).arg(lock.error()));
        return 0;
    }
    if (modus == QLatin1String("hinzufuegen") && a.size() == 6) {
        for (int i = 0; i < a[5].toInt(); ++i) {
            const dverw::Namensergebnis e = dverw::namenHinzufuegen(a[2], a[3], a[4] + QChar(u'a' + i % 26));
            if (e.art != dverw::Namenspeicherung::gespeichert) {
                sagen(art(e.art) + u' '
                    + (e.art == dverw::Namenspeicherung::nurLesbar ? dverw::nurLesbarMeldung(a[2]) : e.fehler));
                return 5;
            }
        }
        return 0;
    }
    if (modus == QLatin1String("anlegen") && a.size() == 5) {
        const dverw::Namensergebnis e = dverw::listeAnlegen(a[2], a[3], { a[4] });
        sagen(art(e.art) + u' ' + e.fehler);
        return 0;
    }
    if (modus == QLatin1String("ordner") && a.size() == 6) {
        QString ordner;
        QString fehler;
        const auto e = protokoll::ordnerInListe(a[2], a[3], a[4].toInt(), a[5], a[5], ordner, fehler);
        sagen(QStringLiteral("%1 %2 %3").arg(int(e)).arg(ordner, fehler));
        return 0;
    }
    if (modus == QLatin1String("uhr")) {
        sagen(QString::number(QDateTime::currentSecsSinceEpoch()));
        return 0;
    }
    sagen(QStringLiteral("unbekannter Aufruf"));
    return 2;
}
