// How long a key press in the keypad games takes to be answered and drawn on a full-screen window: a digit
// typed in the number chain (entry box redrawn, answer checked) and a symbol marked and its digit typed in
// "Zeichen für Ziffern" (dot or digit drawn, keys switched). Each must stay well within one 16 ms frame.
#include "games/s_kette.h"
#include "games/s_zeichziff.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Shows the window as the launcher does (its activation runs) and hands it to the benchmark.
template <typename F> void gezeigt(Form& fenster, F schritt)
{
    Form::setModalDriver([&](Form& f) {
        if (&f == &fenster) schritt();
    });
    fenster.showModal();
    Form::setModalDriver({});
}

void KetteZiffer(benchmark::State& state)
{
    skala_x = 1.92f;
    skala_y = 1.08f;
    programmcode = 11;
    variante = 1;
    variante2 = 2;
    TForm49 fenster;
    fenster.resize(1920, 1080);
    gezeigt(fenster, [&] {
        for (auto _ : state) {
            fenster.tastenblock->ziffer(7)->Click();
            fenster.tastenblock->Button14->Click();
        }
    });
}
BENCHMARK(KetteZiffer)->Unit(benchmark::kMillisecond);

void ZeichenMarkierenUndTippen(benchmark::State& state)
{
    skala_x = 1.92f;
    skala_y = 1.08f;
    programmcode = 4;
    for (int i = 0; i <= 3; ++i)
        rechenartzeichen[i] = QString("+-*:").mid(i, 1);
    TForm43 fenster;
    fenster.resize(1920, 1080);
    gezeigt(fenster, [&] {
        const int falsch = (fenster.spiel().zifferVon(0) + 1) % 10;
        for (auto _ : state) {
            fenster.symbolknoepfe[0]->Click();
            fenster.tastenblock->ziffer(falsch)->Click();
        }
    });
}
BENCHMARK(ZeichenMarkierenUndTippen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
