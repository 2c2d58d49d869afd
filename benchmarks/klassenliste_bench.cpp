// A teacher alone saves into a class list: the lock taken and given back, and a name changed in a list of 30
// pupils (read, change and write back under the lock). Nobody else holds the lock, as in most saves. A new list of
// 40 names with its pupils' folders, beside that name save; the deletion of a list with its protocols. And the search
// for the lists that every activation of the main window makes. The data folder is a temporary folder on the local
// disk, or in the folder TAVI_BENCH_ORDNER names (a share's mount, for the same save on a school's file share).
#include "benchordner.h"
#include "platform/filelock.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Datenordner {
    QTemporaryDir dir { benchordner() };
    QString datpfad = dir.path() + QStringLiteral("/");
    Datenordner()
    {
        QDir().mkpath(datpfad + QStringLiteral("k_liste"));
        QFile f(datpfad + QStringLiteral("k_liste/KL3A.TXT"));
        f.open(QIODevice::WriteOnly);
        for (int i = 1; i <= 30; ++i)
            f.write(QStringLiteral("%1 Kind%2\r\n").arg(i, 2, 10, QLatin1Char('0')).arg(i).toLatin1());
    }
};

void SperreNehmenUndGeben(benchmark::State& state)
{
    const Datenordner d;
    const QString sperre = d.datpfad + QStringLiteral("k_liste/KL3A.LCK");
    for (auto _ : state) {
        const FileLock lock(sperre);
        benchmark::DoNotOptimize(lock.held());
    }
}
BENCHMARK(SperreNehmenUndGeben);

void NamenAendern(benchmark::State& state)
{
    const Datenordner d;
    // What the administration's window has seen of the pupils' folders since it opened.
    klassenliste::Ordnerblick blick;
    bool hin = true;
    for (auto _ : state) {
        const klassenliste::Speicherergebnis e = hin
            ? dverw::namenAendern(d.datpfad, "KL3A", 5, "05 Kind5", "Paula", &blick)
            : dverw::namenAendern(d.datpfad, "KL3A", 5, "05 Paula", "Kind5", &blick);
        if (e.art != klassenliste::Speicherung::gespeichert) state.SkipWithError("nicht gespeichert");
        hin = !hin;
    }
}
BENCHMARK(NamenAendern)->Unit(benchmark::kMillisecond);

// "eine Liste anlegen" with 40 names: the file under the lock, then the 40 pupils' folders. Each round makes a list
// of its own, removed again outside the time taken.
void ListeAnlegen(benchmark::State& state)
{
    const Datenordner d;
    QStringList zeilen;
    for (int i = 1; i <= 40; ++i)
        zeilen << klassenliste::zeile(i, QStringLiteral("Kind Nummer %1").arg(i));
    int runde = 0;
    for (auto _ : state) {
        const QString liste = QStringLiteral("N%1").arg(runde++);
        const klassenliste::Speicherergebnis e = dverw::listeAnlegen(d.datpfad, liste, zeilen);
        if (e.art != klassenliste::Speicherung::gespeichert) state.SkipWithError("nicht gespeichert");
        state.PauseTiming();
        QDir(d.datpfad + QStringLiteral("Klassen/") + liste).removeRecursively();
        QFile::remove(d.datpfad + QStringLiteral("k_liste/") + klassenliste::dateiname(liste));
        state.ResumeTiming();
    }
}
BENCHMARK(ListeAnlegen)->Unit(benchmark::kMillisecond);

// "eine Liste löschen" of a class of 40 pupils with 25 protocols each, as after some school years. Made anew outside
// the time taken, which on a share takes a while itself: one round is enough there.
void ListeLoeschen(benchmark::State& state)
{
    const Datenordner d;
    QStringList zeilen;
    for (int i = 1; i <= 40; ++i)
        zeilen << klassenliste::zeile(i, QStringLiteral("Kind%1").arg(i));
    for (auto _ : state) {
        state.PauseTiming();
        dverw::listeAnlegen(d.datpfad, QStringLiteral("ALT"), zeilen);
        for (int i = 0; i < zeilen.size(); ++i)
            for (int n = 1; n <= 25; ++n)
                QFile(klassenliste::schuelerordner(d.datpfad, QStringLiteral("ALT"), zeilen, i)
                    + QStringLiteral("/H1_7_") + QString::number(n + 10) + QStringLiteral(".txt"))
                    .open(QIODevice::WriteOnly);
        state.ResumeTiming();
        if (!dverw::listeLoeschen(d.datpfad, QStringLiteral("ALT")).geloescht) state.SkipWithError("nicht gelöscht");
    }
}
BENCHMARK(ListeLoeschen)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(qEnvironmentVariableIsSet("TAVI_BENCH_ORDNER") ? 1 : 20);

// The main window's choice at every activation: 31 lists among a lock, its breakers, probes and temporary files.
void ListenSuchen(benchmark::State& state)
{
    const Datenordner d;
    for (int i = 1; i < 31; ++i) // beside KL3A
        QFile(d.datpfad + QStringLiteral("k_liste/L%1.TXT").arg(i)).open(QIODevice::WriteOnly);
    for (const char* helfer : { "KL3A.LCK", "KL3A.LCK~pc7-1", ".uhr-pc7-1", ".neu-1.tmp", "KL3A.TXT.aB3dE1" })
        QFile(d.datpfad + QStringLiteral("k_liste/") + QLatin1String(helfer)).open(QIODevice::WriteOnly);
    for (auto _ : state) {
        const klassenliste::Suche suche = klassenliste::suchen(d.datpfad);
        if (suche.namen.size() != klassenliste::kMaxListen) state.SkipWithError("Listen fehlen");
    }
}
BENCHMARK(ListenSuchen);

} // namespace

BENCHMARK_MAIN();
