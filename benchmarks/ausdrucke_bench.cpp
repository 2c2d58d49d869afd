// A printout saved as a PDF file into the data folder's "Ausdrucke": into an empty folder, and beside 2,000 earlier
// printouts, as a school's folder holds them after some years. The new file's name must cost the same in both.
// The data folder is a temporary folder on the local disk, or in the folder TAVI_BENCH_ORDNER names (a share's
// mount, for the same printout on a school's file share).
#include "benchordner.h"
#include "platform/printer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One printout of a page; its file is removed again outside the time measured, so that the folder stays as set up.
void drucken(benchmark::State& state, int frueher)
{
    const QTemporaryDir dir(benchordner());
    const QString ausdrucke = dir.path() + QStringLiteral("/Ausdrucke");
    QDir().mkpath(ausdrucke);
    for (int i = 0; i < frueher; ++i)
        QFile(ausdrucke + QStringLiteral("/2024-03-%1_08-15-00_Arbeitsblatt %2.pdf").arg(i % 28 + 1).arg(i))
            .open(QIODevice::WriteOnly);
    qputenv("TAVI_DRUCKORDNER", QFile::encodeName(ausdrucke));
    for (auto _ : state) {
        printer().beginDoc(QStringLiteral("Rechnen bis 20"));
        printer().canvas().textOut(200, -200, QStringLiteral("Rechnen bis 20"));
        printer().endDoc();
        state.PauseTiming();
        if (printer().lastDocument().file.isEmpty() || !QFile::remove(printer().lastDocument().file))
            state.SkipWithError("kein Ausdruck");
        state.ResumeTiming();
    }
}

void AusdruckInLeeremOrdner(benchmark::State& state)
{
    drucken(state, 0);
}
BENCHMARK(AusdruckInLeeremOrdner)->Unit(benchmark::kMillisecond);

void AusdruckNeben2000Pdfs(benchmark::State& state)
{
    drucken(state, 2000);
}
BENCHMARK(AusdruckNeben2000Pdfs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CI", "1");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
