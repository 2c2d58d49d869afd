// A pupil's protocol saved into the pupil's folder: the look for the first free number and the file made under it,
// into a folder without protocols and into one with 98 earlier protocols of the same aid, as after some school
// years. Each round's file is removed again outside the time taken.
// The data folder is a temporary folder on the local disk, or in the folder TAVI_BENCH_ORDNER names (a share's
// mount, for the same save on a school's file share).
#include "benchordner.h"
#include "shell/protokolldatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ProtokollAnlegen(benchmark::State& state)
{
    const QTemporaryDir dir(benchordner());
    const QString ordner = dir.path() + QStringLiteral("/Klassen/KL3A/04 Vodoz");
    QDir().mkpath(ordner);
    const int frueher = int(state.range(0));
    for (int n = 1; n <= frueher; ++n) {
        QFile f(ordner + QStringLiteral("/H1_7_") + protokoll::zweistellig(n) + QStringLiteral(".txt"));
        f.open(QIODevice::WriteOnly);
        f.write("Leistungsprotokoll\r\n");
    }
    const QStringList zeilen(14, QStringLiteral("Zeile eines Protokolls"));
    for (auto _ : state) {
        QString fehler;
        const QString pfad = protokoll::anlegen(
            ordner + QStringLiteral("/H1_7_"), [&](const QString&) { return zeilen; }, fehler);
        if (pfad.isEmpty()) state.SkipWithError("nicht gespeichert");
        state.PauseTiming();
        QFile::remove(pfad);
        state.ResumeTiming();
    }
}
BENCHMARK(ProtokollAnlegen)->Arg(0)->Arg(98)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
