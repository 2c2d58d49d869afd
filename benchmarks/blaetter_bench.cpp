// How long a worksheet takes from the teacher's "drucken" to a PDF: tasks generated, the page drawn and
// written. One case per sheet; each must stay well under 100 ms.
#include "platform/canvas.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/a_SV_m1_logik.h"
#include "worksheets/a_SV_m2_logik.h"
#include "worksheets/a_SV_p2_logik.h"
#include "worksheets/a_bl_kri.h"
#include "worksheets/a_domino_logik.h"
#include "worksheets/a_hsv_pm_logik.h"
#include "worksheets/a_komma_logik.h"
#include "worksheets/a_r_100_logik.h"
#include "worksheets/a_sv_d1_logik.h"
#include "worksheets/a_sv_p1_logik.h"
#include "worksheets/a_ueber_logik.h"
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

void SchriftlichMalE(benchmark::State& state)
{
    for (auto _ : state) {
        const sv_m1::Blatt b = sv_m1::aufgabenbau(svrahmen::arten({ 0, 0, 0, 0, 0, 0, 0, 21 }, 21));
        svrahmen::druckdurchgang(
            QStringLiteral("a_SV_m1"), 1, true, [&](Canvas& c, bool loesung) { sv_m1::zeichnen(c, b, 1, loesung); });
    }
}
BENCHMARK(SchriftlichMalE)->Unit(benchmark::kMillisecond);

void SchriftlichMalZE(benchmark::State& state)
{
    for (auto _ : state) {
        const sv_m2::Blatt b = sv_m2::aufgabenbau(svrahmen::arten({ 0, 0, 0, 0, 0, 0, 0, 18 }, 18), 1);
        svrahmen::druckdurchgang(
            QStringLiteral("a_SV_m2"), 1, true, [&](Canvas& c, bool loesung) { sv_m2::zeichnen(c, b, 2, loesung); });
    }
}
BENCHMARK(SchriftlichMalZE)->Unit(benchmark::kMillisecond);

void SchriftlichDurch(benchmark::State& state)
{
    for (auto _ : state) {
        const sv_d1::Blatt b = sv_d1::aufgabenbau(svrahmen::arten({ 0, 0, 0, 0, 0, 0, 0, 8 }, 8), 1, true);
        svrahmen::druckdurchgang(
            QStringLiteral("a_sv_d1"), 1, true, [&](Canvas& c, bool loesung) { sv_d1::zeichnen(c, b, 1, loesung); });
    }
}
BENCHMARK(SchriftlichDurch)->Unit(benchmark::kMillisecond);
// Sixty multiplication tasks of every form, each drawn again until it fits its colour.
void Ueberschlag(benchmark::State& state)
{
    const ueberschlag::Formen alle { true, true, true, true, true, true, true };
    for (auto _ : state) {
        const ueberschlag::Blatt blatt = ueberschlag::erzeugen(ueberschlag::Multiplikation, 0, alle);
        blattdruck::drucken(QStringLiteral("Überschlag"), 1, [&](Canvas& c) { ueberschlag::draw(c, blatt); });
    }
}
BENCHMARK(Ueberschlag)->Unit(benchmark::kMillisecond);

// A money sheet of all forms, its task sheet and its solution sheet.
void Komma(benchmark::State& state)
{
    int zaehler = 0;
    for (auto _ : state) {
        const komma::Blatt blatt = komma::erzeugen(0, { 1, 2, 3, 4 }, 0, zaehler);
        for (const bool loesung : { false, true })
            blattdruck::drucken(QStringLiteral("Komma"), 1, [&](Canvas& c) { komma::draw(c, blatt, loesung); });
    }
}
BENCHMARK(Komma)->Unit(benchmark::kMillisecond);

// The template with the most figures: three thousands of circles.
void Blanco(benchmark::State& state)
{
    for (auto _ : state)
        blattdruck::drucken(
            QStringLiteral("Blanco"), 1, [](Canvas& c) { kringel::draw(c, kringel::Feld::Tausender2reihig); });
}
BENCHMARK(Blanco)->Unit(benchmark::kMillisecond);

// The domino ring that takes the most shuffles: the sum 6 with its fixed halves.
void Domino(benchmark::State& state)
{
    for (auto _ : state) {
        const domino::Blatt blatt = domino::erzeugen(domino::Summe, 6, 0);
        blattdruck::drucken(QStringLiteral("Domino"), 1, [&](Canvas& c) { domino::draw(c, blatt); });
    }
}
BENCHMARK(Domino)->Unit(benchmark::kMillisecond);

// The slowest Raum-100 level: two tens numbers without a carry, whose set restarts at every clash.
void Raum100(benchmark::State& state)
{
    for (auto _ : state) {
        raum100::Blatt blatt;
        blatt.titel = QStringLiteral("gemischte Zehnerzahlen (5)        Name: _____________");
        blatt.grafik = raum100::Felder;
        blatt.formen = { 1, 2, 3, 4, 5, 6 };
        blatt.aufgaben = raum100::zweiZehnerzahlen(5);
        blattdruck::drucken(QStringLiteral("gemZgemZ"), 1, [&](Canvas& c) { raum100::draw(c, blatt); });
    }
}
BENCHMARK(Raum100)->Unit(benchmark::kMillisecond);

// A half-written division sheet of all four patterns and a completing sheet.
void Halbschrift(benchmark::State& state)
{
    const std::vector<int> muster { 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4 };
    for (auto _ : state) {
        const halbschrift::Seite teilen
            = halbschrift::musterseite(halbschrift::Division, muster, halbschrift::erzeugen(halbschrift::Division, 2));
        const halbschrift::Seite ergaenzen = halbschrift::ergaenzungsseite(muster, halbschrift::ergaenzungen());
        for (const halbschrift::Seite* s : { &teilen, &ergaenzen })
            blattdruck::drucken(QStringLiteral("hs"), 1, [&](Canvas& c) { halbschrift::draw(c, *s); });
    }
}
BENCHMARK(Halbschrift)->Unit(benchmark::kMillisecond);

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
