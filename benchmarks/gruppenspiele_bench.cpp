// What a player waits for in the group games: an attempt judged and drawn, with the crosses of the 100 field,
// in the program's own number guessing window; a letter in word guessing, a command in the path game and an
// answer in the flipper, each judged and drawn.

#include "app/programmkoerper.h"
#include "games/s_1x1flip.h"
#include "games/s_hm.h"
#include "games/s_lvr.h"
#include "games/s_wraten.h"
#include "games/s_zrat.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// Plays `spiel` for five players named "Ali" until the benchmark has its runs: `start` opens the first turn
// when the window shows, `zug` is one timed move and the untimed clicks that lead to the next.
void spielen(benchmark::State& state, Form* spiel, const std::function<void()>& start, const std::function<void()>& zug)
{
    auto* aufbau = dynamic_cast<TForm47*>(Form47);
    for (Edit* e : { aufbau->Edit1, aufbau->Edit2, aufbau->Edit3, aufbau->Edit4, aufbau->Edit5 })
        e->setText(QStringLiteral("Ali"));
    bool fertig = false;
    Form::setModalDriver([&](Form&) {
        start();
        while (spiel->isVisible() && !fertig) {
            if (!state.KeepRunning()) {
                fertig = true;
                break;
            }
            zug();
        }
    });
    while (!fertig)
        spiel->showModal();
    Form::setModalDriver({});
}

void rateversuch(benchmark::State& state)
{
    auto* spiel = dynamic_cast<TForm58*>(Form58);
    programmcode = 5;
    variante = 2; // the 100 field: a miss crosses out numbers
    zeitwahl = 3;
    wahl6 = 0;
    spielen(
        state, spiel,
        [&] {
            spiel->startknopf->Click(); /* "los geht's" */
        },
        [&] {
            // A miss next to the number: the most crosses.
            const int v = spiel->geheimzahl() < 100 ? spiel->geheimzahl() + 1 : 1;
            for (QChar ch : QString::number(v))
                spiel->findChild<Button*>(QStringLiteral("Button") + ch)->Click();
            spiel->Button14->Click();
            state.PauseTiming();
            spiel->startknopf->Click(); // the next attempt, or the next player
            if (spiel->zustand() == 2) spiel->startknopf->Click();
            state.ResumeTiming();
        });
}

// A letter given in word guessing: judged, written at its places or counted as a miss with its stroke.
void buchstabe(benchmark::State& state)
{
    auto* spiel = dynamic_cast<TForm62*>(Form62);
    programmcode = 8;
    variante = 14; // long words
    zeitwahl = 3;
    schalter1 = 1;
    schalter2 = 0;
    const QString buchstaben = QStringLiteral("QWERTZUIOPASDFGHJKLYXCVBNM");
    int i = 0;
    spielen(
        state, spiel,
        [&] {
            spiel->startknopf->Click(); /* "Start" */
        },
        [&] {
            const QChar z = buchstaben[i++ % buchstaben.size()];
            spiel->buchstabenknopf(buchstabentaste::index(z) + 1)->Click();
            if (spiel->zustand() == 1) {
                state.PauseTiming();
                spiel->startknopf->Click(); // "weiter": the next player, or the game's end
                if (spiel->isVisible()) spiel->startknopf->Click();
                state.ResumeTiming();
            }
        });
}

// A command in the path game: judged and the figure moved, or the stroke, the message and the red arrow drawn.
void befehl(benchmark::State& state)
{
    auto* spiel = dynamic_cast<TForm48*>(Form48);
    dynamic_cast<TForm47*>(Form47)->Edit6->setText(QStringLiteral("9"));
    for (int i = 0; i <= 3; ++i)
        rechenartzeichen[i] = QString::number(i);
    programmcode = 18;
    zeitwahl = 3;
    int i = 0;
    spielen(
        state, spiel,
        [&] {
            spiel->Button8->Click(); /* "Start" */
        },
        [&] {
            const QString& befehle = spiel->pfad().befehle;
            const bool falsch = ++i % 4 == 0;
            const QChar richtig = befehle[spiel->befehlszaehler()];
            const QChar b = !falsch ? richtig : richtig == QLatin1Char('V') ? QLatin1Char('L') : QLatin1Char('V');
            (b == QLatin1Char('L') ? spiel->Button5 : b == QLatin1Char('R') ? spiel->Button7 : spiel->Button4)->Click();
            state.PauseTiming();
            if (!spiel->Button2->isHidden()) spiel->Button2->Click(); // "von vorn"
            if (spiel->runde() == 1) {
                spiel->Button8->Click(); // "weiter": the next player, or the game's end
                if (spiel->isVisible()) spiel->Button8->Click();
            }
            state.ResumeTiming();
        });
}

// An answer in the flipper: judged, counted, and the next number drawn (without the pause before it).
void flipperantwort(benchmark::State& state)
{
    auto* spiel = dynamic_cast<TForm61*>(Form61);
    programmcode = 7;
    variante = 5;
    zeitwahl = 3;
    // The pause before each number is the game's, not the judging's: it passes on a test clock.
    clockx::TestClock::install(clockx::now());
    spielen(
        state, spiel,
        [&] {
            spiel->Button8->Click(); /* "Start" */
        },
        [&] {
            const bool ja = spiel->wartendeZahl() % spiel->reihe() == 0;
            (ja ? spiel->Button4 : spiel->Button3)->Click();
            if (spiel->wartendeZahl() == 0) {
                state.PauseTiming();
                spiel->Button2->Click(); // "weiter": the next player, or the game's end
                if (spiel->isVisible()) spiel->Button8->Click();
                state.ResumeTiming();
            }
        });
    clockx::TestClock::uninstall();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    Application app(argc, argv);
    QTemporaryDir daten;
    datpfad = daten.path() + QLatin1Char('/');
    aktivliste = "ohne";
    skala_x = 1.28f;
    skala_y = 1.0f;
    fensterErzeugen();
    QDir().mkpath(daten.filePath(QStringLiteral("WORTList")));
    QFile::copy(
        QStringLiteral(TAVI_INSTALLORDNER "/WORTList/lang.txt"), daten.filePath(QStringLiteral("WORTList/lang.txt")));
    benchmark::RegisterBenchmark("Rateversuch im 100er-Feld", rateversuch)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Buchstabe im Wörterraten", buchstabe)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Befehl im Pfadspiel", befehl)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Antwort im Flipper", flipperantwort)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
