// What a pupil waits for when a window opens: from the click that shows it to its first paint, with every
// window of the program created and the installation's settings files in a data folder.

#include "app/programmkoerper.h"
#include "platform/application.h"
#include "platform/form.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

// A window whose controls cover it whole is painted in them only: a paint of anything in it counts.
class Gemalt : public QObject {
public:
    explicit Gemalt(Form* fenster)
        : m_fenster(fenster)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~Gemalt() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == m_fenster)
            gemalt = true;
        return false;
    }
    bool gemalt = false;

private:
    Form* m_fenster;
};

void oeffnen(benchmark::State& state, Form** fenster, int code)
{
    Form* f = *fenster;
    Gemalt beobachter(f);
    Form::setModalDriver([&](Form& gezeigt) {
        while (!beobachter.gemalt)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        gezeigt.Close();
    });
    for (auto _ : state) {
        programmcode = code;
        beobachter.gemalt = false;
        f->showModal();
    }
    Form::setModalDriver({});
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    Application app(argc, argv);
    QTemporaryDir daten;
    const QDir inst(QStringLiteral(TAVI_INSTALLORDNER));
    for (const QString& name : inst.entryList(QDir::Files))
        QFile::copy(inst.filePath(name), daten.filePath(name));
    datpfad = daten.path() + QLatin1Char('/');
    aktivliste = "ohne";
    skala_x = 1.28f;
    skala_y = 1.0f;
    fensterErzeugen();

    const struct {
        const char* name;
        Form** fenster;
        int code;
    } faelle[] = {
        { "Hilfen", &Form63, 0 },
        { "Spiele", &Form41, 0 },
        { "Arbeitsblaetter", &Form29, 0 },
        { "Fehleranalysen", &Form30, 0 },
        { "Verwaltung", &Form34, 0 },
        { "Protokoll", &Form36, 0 },
        { "Knobeln und Planen", &Form42, 9 },
        { "Partnerspiele", &Form44, 3 },
        { "Gruppenspiele", &Form47, 5 },
        { "TicTacToe", &Form46, 3 },
        { "15 gewinnt", &Form56, 25 },
        { "Bereich bis 20", &Form2, 0 },
        { "schriftliche Rechenverfahren", &Form6, 0 },
        { "Überschlag", &Form28, 0 },
    };
    // The first opening of each window, when nothing of it has been painted or measured yet.
    for (const auto& f : faelle) {
        Form* fenster = *f.fenster;
        Gemalt beobachter(fenster);
        Form::setModalDriver([&](Form& gezeigt) {
            while (!beobachter.gemalt)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            gezeigt.Close();
        });
        programmcode = f.code;
        const auto beginn = std::chrono::steady_clock::now();
        fenster->showModal();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
        std::printf("erstes Oeffnen %-30s %6.1f ms\n", f.name, ms);
        Form::setModalDriver({});
    }
    for (const auto& f : faelle)
        benchmark::RegisterBenchmark(f.name, oeffnen, f.fenster, f.code)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
