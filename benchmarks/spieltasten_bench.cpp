// How long a key press in the games takes to be answered and drawn on a full-screen window: in the puzzle
// games a digit typed in the number chain and the pyramid (entry redrawn, answer checked), a symbol marked and
// its digit typed in "Zeichen für Ziffern", an arrow move of the neighbours' cursor (numbers hidden, cursor
// redrawn) and a number placed in a magic square, an output digit typed into a machine, and the coloured
// table's cursor moved and a digit typed; in the partner games a number typed into the hundred field, a stone
// moved and dropped in the game version, a number taken in clearing the nines, a jump towards the target, an
// answer in tic-tac-toe and a stone set in fifteen wins.
// Each must stay well within one 16 ms frame; the games' pauses run on the test clock.
#include "games/s_15gewinnt.h"
#include "games/s_2nachbar.h"
#include "games/s_abraum.h"
#include "games/s_bufeld.h"
#include "games/s_kette.h"
#include "games/s_masch.h"
#include "games/s_pyra.h"
#include "games/s_tictactoe.h"
#include "games/s_vg_100.h"
#include "games/s_vgspiel.h"
#include "games/s_zauber.h"
#include "games/s_zeichziff.h"
#include "games/s_ziele.h"
#include "platform/clock.h"
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

// The scale of a 1920 x 1080 screen.
void vollbild()
{
    skala_x = 1.92f;
    skala_y = 1.08f;
}

// A full-screen game of program code `code` in its variants.
void spiel(int code, int v, int v2)
{
    vollbild();
    programmcode = code;
    variante = v;
    variante2 = v2;
}

// A digit typed on the window's keypad block and taken back.
template <typename Fenster> void zifferUndZurueck(benchmark::State& state, Fenster& fenster)
{
    for (auto _ : state) {
        fenster.tastenblock->ziffer(7)->Click();
        fenster.tastenblock->Button14->Click();
    }
}

void KetteZiffer(benchmark::State& state)
{
    spiel(11, 1, 2);
    TForm49 fenster;
    fenster.resize(1920, 1080);
    gezeigt(fenster, [&] { zifferUndZurueck(state, fenster); });
}
BENCHMARK(KetteZiffer)->Unit(benchmark::kMillisecond);

void ZeichenMarkierenUndTippen(benchmark::State& state)
{
    vollbild();
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

void PyramideZiffer(benchmark::State& state)
{
    spiel(20, 1, 2);
    TForm50 fenster;
    gezeigt(fenster, [&] { zifferUndZurueck(state, fenster); });
}
BENCHMARK(PyramideZiffer)->Unit(benchmark::kMillisecond);

void NachbarnPfeil(benchmark::State& state)
{
    vollbild();
    programmcode = 15;
    for (int i = 0; i <= 3; ++i)
        nachbarlagen[i] = shortint(i);
    gewaehltzahl = 4;
    TForm32 fenster;
    gezeigt(fenster, [&] {
        for (auto _ : state) {
            fenster.Button7->Click();
            fenster.Button5->Click();
        }
    });
}
BENCHMARK(NachbarnPfeil)->Unit(benchmark::kMillisecond);

void ZauberquadratZahl(benchmark::State& state)
{
    spiel(22, 7, 3);
    zwzahl4 = 0;
    TForm53 fenster;
    gezeigt(fenster, [&] {
        int frei = 0;
        while (!fenster.zellen[frei]->isEnabled())
            ++frei;
        fenster.zellen[frei]->Click();
        for (auto _ : state)
            fenster.vorrat[0]->Click();
    });
}
BENCHMARK(ZauberquadratZahl)->Unit(benchmark::kMillisecond);

void MaschineAusgabeZiffer(benchmark::State& state)
{
    vollbild();
    programmcode = 12;
    operatortexte[1] = QStringLiteral("*7");
    operatorzahl = 1;
    zwzahl1 = 1;
    TForm51 fenster;
    gezeigt(fenster, [&] {
        // The output is typed only once the machine has shown one (the slides are pauses, not key presses).
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button1->Click();
        fenster.Button2->Click();
        zifferUndZurueck(state, fenster);
    });
}
BENCHMARK(MaschineAusgabeZiffer)->Unit(benchmark::kMillisecond);

// The table of the test's choice shown; `rechnen` goes on to computing the cell right of the top-left one.
template <typename F> void buntesFeld(bool rechnen, F schritt)
{
    spiel(13, 2, 1);
    TForm52 fenster;
    gezeigt(fenster, [&] {
        if (rechnen) {
            fenster.Button5->Click();
            fenster.Button8->Click();
        }
        schritt(fenster);
    });
}

void BuntesFeldPfeil(benchmark::State& state)
{
    buntesFeld(false, [&](TForm52& fenster) {
        for (auto _ : state) {
            fenster.Button5->Click();
            fenster.Button2->Click();
        }
    });
}
BENCHMARK(BuntesFeldPfeil)->Unit(benchmark::kMillisecond);

void BuntesFeldZiffer(benchmark::State& state)
{
    buntesFeld(true, [&](TForm52& fenster) { zifferUndZurueck(state, fenster); });
}
BENCHMARK(BuntesFeldZiffer)->Unit(benchmark::kMillisecond);

// The partner games pause on the test clock: only the answer and the drawing are measured.
struct Testuhr {
    Testuhr()
    {
        clockx::TestClock::install(45000.5);
        vollbild();
        spielername1 = "ROT";
        spielername2 = "BLAU";
    }
    ~Testuhr() { clockx::TestClock::uninstall(); }
};

void HundertfeldZahl(benchmark::State& state)
{
    const Testuhr uhr;
    variante = 0;
    TForm54 fenster;
    gezeigt(fenster, [&] {
        int n = 0;
        for (auto _ : state) {
            n = n % 100 + 1;
            for (QChar c : QString::number(n))
                fenster.tasten->ziffer(c.digitValue())->Click();
            fenster.tasten->Button13->Click();
            if (fenster.Button12->isVisible()) fenster.Button12->Click();
        }
    });
}
BENCHMARK(HundertfeldZahl)->Unit(benchmark::kMillisecond);

void SpielversionEinwurf(benchmark::State& state)
{
    const Testuhr uhr;
    TForm55 fenster;
    gezeigt(fenster, [&] {
        int slot = 0;
        for (auto _ : state) {
            slot = slot % 7 + 1;
            for (int s = 4; s > slot; --s)
                fenster.Button2->Click();
            for (int s = 4; s < slot; ++s)
                fenster.Button5->Click();
            fenster.Button4->Click();
            if (fenster.Button3->isVisible()) fenster.Button3->Click();
        }
    });
}
BENCHMARK(SpielversionEinwurf)->Unit(benchmark::kMillisecond);

void AbraeumenZahl(benchmark::State& state)
{
    const Testuhr uhr;
    spieloption = 0;
    TForm57 fenster;
    gezeigt(fenster, [&] {
        for (auto _ : state) {
            int n = 1;
            while (n < 9 && !fenster.zahl(n)->isEnabled())
                ++n;
            fenster.zahl(n)->Click();
            fenster.Button10->Click();
        }
    });
}
BENCHMARK(AbraeumenZahl)->Unit(benchmark::kMillisecond);

void ZieleSprung(benchmark::State& state)
{
    const Testuhr uhr;
    spieloption = 0;
    variante = 0;
    zwzahl2 = 7;
    zwzahl3 = 45;
    TForm59 fenster;
    gezeigt(fenster, [&] {
        for (auto _ : state) {
            if (fenster.sprung(1)->isEnabled()) fenster.sprung(1)->Click();
            fenster.Button10->Click();
        }
    });
}
BENCHMARK(ZieleSprung)->Unit(benchmark::kMillisecond);

void TicTacToeAntwort(benchmark::State& state)
{
    const Testuhr uhr;
    spieloption = 0; // ergänze zur 10
    TForm46 fenster;
    gezeigt(fenster, [&] {
        int k = 0;
        for (auto _ : state) {
            if (fenster.Button2->isVisible()) fenster.Button2->Click();
            k = k % 9 + 1;
            const int antwort = 10 - fenster.brett().gezeigt[std::size_t(k)];
            for (QChar c : QString::number(antwort))
                fenster.tasten->ziffer(c.digitValue())->Click();
            fenster.tasten->Button13->Click();
        }
    });
}
BENCHMARK(TicTacToeAntwort)->Unit(benchmark::kMillisecond);

void FuenfzehnStein(benchmark::State& state)
{
    const Testuhr uhr;
    TForm56 fenster;
    gezeigt(fenster, [&] {
        for (auto _ : state) {
            if (fenster.Button20->isVisible()) fenster.Button20->Click();
            int k = 1;
            while (k < 9 && !fenster.feld(k)->isEnabled())
                ++k;
            fenster.feld(k)->Click();
            for (int d = 1; d <= 9; ++d)
                if (fenster.stein(d)->isEnabled() && fenster.stein(d)->parentWidget()->isEnabled()) {
                    fenster.stein(d)->Click();
                    break;
                }
        }
    });
}
BENCHMARK(FuenfzehnStein)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
