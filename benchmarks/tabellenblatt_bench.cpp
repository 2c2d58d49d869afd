// How long the table aid's worksheet takes from "Arbeitsblatt drucken?" to a PDF: the largest table of
// each grid, margins formed and the page drawn and written. Each must stay well under 100 ms.
#include "aids/h_tab1_druck.h"
#include "aids/h_tab1_logik.h"
#include "shell/HalmorGlobalDefs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void Tabellenblatt(benchmark::State& state)
{
    const int code = int(state.range(0));
    for (auto _ : state) {
        for (int i = 1; i <= 11; ++i) {
            auswahl1[i] = i - 1;
            auswahl2[i] = i - 1 + (code == 64 ? 2 : 0);
        }
        tabzeilenzahl = 11;
        tabspaltenzahl = code == 64 ? 5 : 11;
        programmcode = code;
        tab1::tabellengroesse(code);
        tab1::raenderBilden(code);
        tab1::drucken(tab1::aktuellesBlatt());
    }
}
BENCHMARK(Tabellenblatt)->Arg(63)->Arg(64)->Arg(69)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CI", "1");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    qputenv("TAVI_DRUCKORDNER", ordner.path().toUtf8());
    datpfad = ordner.path() + QStringLiteral("/");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
