// A second PC for the lock tests: one process of its own that takes a class list's lock, saves into a list or
// looks at it, as another PC on the same data folder does. The tests start several of these at once.
//
//   sperrkind halten <lock> <runden> <halte-ms> <drinnen>   takes the lock `runden` times and holds it; makes
//                                                           the folder <drinnen> while it holds it (exclusive on
//                                                           every share), so that two holders at once show
//                                                           (exit 3); exit 4 when a round did not get the lock
//   sperrkind sperren <lock>                                 one try; prints the status, readOnly and the reason
//   sperrkind hinzufuegen <datpfad> <liste> <name> <n>       adds <name> + "a".. n times; exit 5 at the first save
//                                                           that is not done, printing its outcome and reason
//   sperrkind anlegen <datpfad> <liste> <zeile>              a new list; prints the outcome and the reason
//   sperrkind ordner <datpfad> <liste> <nummer> <zeile>      the protocol folder of a class-list line; prints it
//   sperrkind uhr                                            prints the time of day the process reads, in seconds
//   sperrkind protokoll <stamm> <zeile> <start>              at <start> (ms since 1970) makes a new protocol
//                                                           stamm + NN + ".txt"; prints its path or the reason
//   sperrkind drucken <ordner> <titel> <start>               at <start> prints a page of <titel> to a PDF file in
//                                                           <ordner>; prints its path or the reason
//   sperrkind einstellen <datei> <ms> <stichwort>            for <ms> ms changes the section <stichwort> of the
//   settings
//                                                           file <datei> again and again (two numbers, 1 1 to 9 9),
//                                                           read and written as an aid's start does; prints
//                                                           "<failed> <changes> <first reason>", exit 6 where any
//                                                           failed
//   sperrkind lesen <datei> <anzahl> <stichwort>             reads the section <stichwort> of <datei> <anzahl> times;
//                                                           prints "<failed> <missing or damaged> <reads>" and the
//                                                           first reasons
// The wait for the lock is TAVI_SPERRE_WARTE_MS where set; TAVI_KIND_PAUSE_MS pauses between two names added, as
// a teacher types the next one.
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/printer.h"
#include "shell/dverw_logik.h"
#include "shell/einstellungsdatei.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
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
        if (::mkdir(QFile::encodeName(drinnen).constData(), 0777) != 0) {
            sagen(QStringLiteral("zwei halten die Sperre"));
            return 3;
        }
        QThread::msleep(ulong(halteMs));
        ::rmdir(QFile::encodeName(drinnen).constData());
    }
    return ergebnis;
}

// Waits for the moment `start` (ms since 1970), so that processes started one after the other act at once.
void warten(qint64 start)
{
    const qint64 bis = start - QDateTime::currentMSecsSinceEpoch();
    if (bis > 0) QThread::msleep(ulong(bis));
}

// A settings file's section changed again and again, as pupils on another PC start one aid after another.
int einstellen(const QString& datei, int ms, const QString& stichwort)
{
    QElapsedTimer uhr;
    uhr.start();
    int fehler = 0;
    int n = 0;
    QString erster;
    for (; uhr.elapsed() < ms; ++n) {
        try {
            std::vector<int> werte;
            einstellungsdatei::abschnittlesen(datei, stichwort, 2, werte);
            einstellungsdatei::abschnittschreiben(datei, stichwort, { n % 9 + 1, n % 9 + 1 });
        } catch (const RuntimeError& e) {
            if (fehler++ == 0) erster = e.message();
        }
    }
    sagen(QStringLiteral("%1 %2 %3").arg(fehler).arg(n).arg(erster));
    return fehler ? 6 : 0;
}

int lesen(const QString& datei, int anzahl, const QString& stichwort)
{
    int fehler = 0;
    int fehlt = 0;
    QStringList gruende;
    for (int i = 0; i < anzahl; ++i) {
        try {
            std::vector<int> werte;
            if (einstellungsdatei::abschnittlesen(datei, stichwort, 2, werte)
                    != einstellungsdatei::Abschnittstand::gelesen
                || werte.size() != 2 || werte[0] < 1 || werte[0] > 9) {
                ++fehlt;
                if (gruende.size() < 3) gruende << QStringLiteral("nicht gelesen");
            }
        } catch (const RuntimeError& e) {
            ++fehler;
            if (gruende.size() < 3) gruende << e.message();
        }
    }
    sagen(QStringLiteral("%1 %2 %3 %4").arg(fehler).arg(fehlt).arg(anzahl).arg(gruende.join(QStringLiteral(" | "))));
    return 0;
}

QString art(klassenliste::Speicherung a)
{
    return QString::number(int(a));
}

} // namespace

int main(int argc, char** argv)
{
    // Printing draws text, which needs the fonts of a GUI application; without a display it runs offscreen.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && qstrcmp(argv[1], "drucken") == 0) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList a = app->arguments();
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
            if (i > 0) QThread::msleep(ulong(qEnvironmentVariableIntValue("TAVI_KIND_PAUSE_MS")));
            const klassenliste::Speicherergebnis e = dverw::namenHinzufuegen(a[2], a[3], a[4] + QChar(u'a' + i % 26));
            if (e.art != klassenliste::Speicherung::gespeichert) {
                sagen(art(e.art) + u' '
                    + (e.art == klassenliste::Speicherung::nurLesbar ? klassenliste::nurLesbarMeldung(a[2])
                                                                     : e.fehler));
                return 5;
            }
        }
        return 0;
    }
    if (modus == QLatin1String("anlegen") && a.size() == 5) {
        const klassenliste::Speicherergebnis e = dverw::listeAnlegen(a[2], a[3], { a[4] });
        sagen(art(e.art) + u' ' + e.fehler);
        return 0;
    }
    if (modus == QLatin1String("ordner") && a.size() == 6) {
        QString ordner;
        QString fehler;
        // The pupils as a choice showed them a moment ago: the list as it is, with the line given.
        const int nummer = a[4].toInt();
        QStringList gezeigt = klassenliste::lesen(a[2], a[3]);
        while (gezeigt.size() < nummer)
            gezeigt << QString();
        if (nummer >= 1) gezeigt[nummer - 1] = a[5];
        const auto e = klassenliste::ordnerWaehlen(a[2], a[3], gezeigt, nummer, ordner, fehler);
        sagen(QStringLiteral("%1 %2 %3").arg(int(e)).arg(ordner, fehler));
        return 0;
    }
    if (modus == QLatin1String("protokoll") && a.size() == 5) {
        warten(a[4].toLongLong());
        QString fehler;
        const QString pfad = protokoll::anlegen(
            a[2], [&](const QString&) { return QStringList { a[3] }; }, fehler);
        sagen(pfad.isEmpty() ? QStringLiteral("nicht angelegt: ") + fehler : pfad);
        return 0;
    }
    if (modus == QLatin1String("drucken") && a.size() == 5) {
        qputenv("TAVI_DRUCKORDNER", QFile::encodeName(a[2]));
        qputenv("CI", "true");
        warten(a[4].toLongLong());
        try {
            printer().beginDoc(a[3]);
            printer().canvas().textOut(200, -200, a[3]);
            printer().endDoc();
            sagen(printer().lastDocument().file);
        } catch (const RuntimeError& e) {
            sagen(QStringLiteral("nicht gedruckt: ") + e.message());
        }
        return 0;
    }
    if (modus == QLatin1String("einstellen") && a.size() == 5) return einstellen(a[2], a[3].toInt(), a[4]);
    if (modus == QLatin1String("lesen") && a.size() == 5) return lesen(a[2], a[3].toInt(), a[4]);
    if (modus == QLatin1String("uhr")) {
        sagen(QString::number(QDateTime::currentSecsSinceEpoch()));
        return 0;
    }
    sagen(QStringLiteral("unbekannter Aufruf"));
    return 2;
}
