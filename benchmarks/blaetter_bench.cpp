// How long a worksheet takes from the teacher's "drucken" to a PDF: tasks generated, the page drawn and
// written. One case per sheet; each must stay well under 100 ms.
#include "platform/canvas.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/a_sv_p1_logik.h"
#include "worksheets/a_SV_p2_logik.h"
#include "worksheets/a_zerl_logik.h"
#include "worksheets/awina.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/einmaleins_logik.h"
#include "worksheets/familienblatt_logik.h"
#include "worksheets/knobelkasten_logik.h"
#include "worksheets/svrahmen_logik.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The frame alone: ten plus tasks from a pool on a fixed pitch with the sorted strip.
void Rahmen(benchmark::State& state)
{
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(blattrahmen::summenvorrat({ 1, 2, 3, 4, 5 }, { 1, 2, 3, 4, 5 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, 10));
    for (auto _ : state) {
        const std::vector<int> codes = blattrahmen::ziehung(vorrat, 10);
        blattdruck::drucken(QStringLiteral("Rahmen"), 1, [&](Canvas& c) {
            blattdruck::titelzeile(c, 200, -130, QStringLiteral("Raum 10            Name: _______________"));
            std::vector<int> ergebnisse;
            for (size_t n = 0; n < codes.size(); ++n) {
                const int a = codes[n] / 10, b = codes[n] % 10;
                blattdruck::festerAbstand(c, 300, -230 * int(n + 1) - 135, 36,
                    blattrahmen::str2(a) + QStringLiteral(" + ") + QString::number(b) + QStringLiteral(" = __"));
                ergebnisse.push_back(a + b);
            }
            blattdruck::ergebnisstreifen(c, ergebnisse, 150, -2690, 400);
        });
    }
}
BENCHMARK(Rahmen)->Unit(benchmark::kMillisecond);

// A family sheet from all its numbers ticked, the tasks drawn and printed.
void familie(benchmark::State& state, const familienblatt::Familie& f, const awina::Abschnitt& abschnitt, int grafik,
    bool geteilt)
{
    std::vector<std::vector<int>> l = abschnitt.listenwerte;
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(blattrahmen::summenvorrat(l[0], l[1], l[2], f.faktor));
    for (auto _ : state) {
        const std::vector<int> codes = blattrahmen::ziehung(vorrat, 10);
        familienblatt::drucken(familienblatt::blatt(f, codes, { 2, 2, 2, 1, 1, 1, 1 }, grafik, geteilt), 1);
    }
}

void Bereich10(benchmark::State& state)
{
    familie(state, familienblatt::bereich10(), awina::zehn(), 0, true);
}
BENCHMARK(Bereich10)->Unit(benchmark::kMillisecond);

void Zwischen10und20(benchmark::State& state)
{
    familie(state, familienblatt::zwischen10und20(), awina::abl10_20(), 0, false);
}
BENCHMARK(Zwischen10und20)->Unit(benchmark::kMillisecond);

void Zehneruebergang(benchmark::State& state)
{
    familie(state, familienblatt::zehneruebergang(), awina::abl_zue(), 2, true);
}
BENCHMARK(Zehneruebergang)->Unit(benchmark::kMillisecond);

void MengenZerlegen(benchmark::State& state)
{
    for (auto _ : state)
        zerlegen::drucken(zerlegen::blatt(3, { 2, 1, 1, 2, 1, 1, 2 }, true), 1);
}
BENCHMARK(MengenZerlegen)->Unit(benchmark::kMillisecond);

void Knobelkaesten(benchmark::State& state)
{
    for (auto _ : state)
        knobel::drucken(knobel::additionsblatt(3, 6, 6), 1);
}
BENCHMARK(Knobelkaesten)->Unit(benchmark::kMillisecond);

void KnobelkaestenEinmaleins(benchmark::State& state)
{
    for (auto _ : state)
        knobel::drucken(knobel::einmaleinsblatt({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5 }, 3, 6), 1);
}
BENCHMARK(KnobelkaestenEinmaleins)->Unit(benchmark::kMillisecond);

void EinmaleinsFelder(benchmark::State& state)
{
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, true));
    for (auto _ : state)
        einmaleins::drucken(einmaleins::felderblatt(vorrat), 1);
}
BENCHMARK(EinmaleinsFelder)->Unit(benchmark::kMillisecond);

void Hunderterfelder(benchmark::State& state)
{
    blattrahmen::Aufgabenvorrat vorrat;
    vorrat.setzen(einmaleins::paare({ 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2, 3, 4, 5, 6, 7, 8, 9, 10 }, false));
    for (auto _ : state)
        einmaleins::drucken(einmaleins::hunderterblatt(vorrat), 1);
}
BENCHMARK(Hunderterfelder)->Unit(benchmark::kMillisecond);
// The written-calculation sheets: a mixture generated, worksheet and solution sheet printed.
void SchriftlichZweiZahlen(benchmark::State& state)
{
    for (auto _ : state) {
        const sv_p1::Blatt b = sv_p1::aufgabenbau(svrahmen::arten({ 0, 0, 0, 0, 0, 0, 0, 21 }, 21), 5);
        svrahmen::druckdurchgang(
            QStringLiteral("a_sv_p1"), 1, true, [&](Canvas& c, bool loesung) { sv_p1::zeichnen(c, b, 1, loesung); });
    }
}
BENCHMARK(SchriftlichZweiZahlen)->Unit(benchmark::kMillisecond);

void SchriftlichDreiZahlen(benchmark::State& state)
{
    for (auto _ : state) {
        const sv_p2::Blatt b = sv_p2::aufgabenbau(svrahmen::arten({ 0, 0, 0, 0, 0, 18 }, 18), 2);
        svrahmen::druckdurchgang(
            QStringLiteral("a_SV_p2"), 1, true, [&](Canvas& c, bool loesung) { sv_p2::zeichnen(c, b, 2, loesung); });
    }
}
BENCHMARK(SchriftlichDreiZahlen)->Unit(benchmark::kMillisecond);

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
