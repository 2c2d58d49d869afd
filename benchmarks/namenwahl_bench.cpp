// A pupil clicks his name in the aids' protocol dialog, as the first click after the dialog opened: his folder is
// looked for, made under the list's lock, and his protocol saved into it. The class list is typed by hand, its lines
// alike for eight letters ("Lena Schmidt", "Lena Schneider"), beside pupils whose folders nobody else's line could
// name ("Ben Meyer"); each folder holds 160 protocols, as after some school years. A contested pupil ("Lena
// Schneider", her protocols in "02 Lena") and an uncontested one ("Ben Meyer"). The data folder is a temporary folder
// on the local disk, or in the folder TAVI_BENCH_ORDNER names (a share's mount, for the same click on a school's file
// share).

#include "benchordner.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/form.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/h_prot.h"
#include "shell/tav_i_logik.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

const QStringList kZeilen { "Lena Schmidt", "Lena Schneider", "Ben Meyer", "Maximilian Koch", "Maximilian Berg",
    "Clara Vogel", "Paul Wagner", "Elif Yılmaz", "Anna", "Anna" };
// The folder each pupil's protocols are in.
const QStringList kOrdner { "Lena Sch", "02 Lena", "Ben Meye", "Maximili", "05 Maxim", "Clara Vo", "Paul Wag",
    "Elif Yıl", "Anna", "10 Anna" };

struct Klasse {
    QTemporaryDir dir { benchordner() };
    QString datpfad = dir.path() + QStringLiteral("/");
    Klasse()
    {
        QDir().mkpath(datpfad + QStringLiteral("k_liste"));
        QFile liste(datpfad + QStringLiteral("k_liste/KL3A.TXT"));
        liste.open(QIODevice::WriteOnly);
        for (const QString& z : kZeilen)
            liste.write(cp1252::encodeLine(z) + "\r\n");
        liste.close();
        for (int i = 0; i < kZeilen.size(); ++i) {
            const QString ordner = datpfad + QStringLiteral("Klassen/KL3A/") + kOrdner.at(i);
            QDir().mkpath(ordner);
            for (int n = 1; n <= 160; ++n) {
                QFile f(ordner
                    + QStringLiteral("/H%1_%2_%3.txt").arg(1 + n / 99).arg(7).arg(1 + n % 99, 2, 10, QLatin1Char('0')));
                f.open(QIODevice::WriteOnly);
                f.write(cp1252::encodeLine(QStringLiteral("Hilfe")) + "\r\n"
                    + cp1252::encodeLine(QStringLiteral("Leistungsprotokoll für ") + kZeilen.at(i)) + "\r\n");
            }
        }
        tavi::klinaSchreiben(datpfad + QStringLiteral("kl.ina"), datpfad, QStringLiteral("KL3A"));
    }
};

void NameKlicken(benchmark::State& state, int schueler)
{
    const Klasse k;
    datpfad = k.datpfad;
    aktivliste = "KL3A";
    programmcode = 17;
    skala_x = 1.28f;
    skala_y = 1.0f;
    for (int i = 2; i <= 12; ++i)
        protzeilen[i] = QStringLiteral("Zeile %1").arg(i);
    TForm65 dialog;
    const QString ordner = k.datpfad + QStringLiteral("Klassen/KL3A/") + kOrdner.at(schueler);
    for (auto _ : state) {
        double sekunden = 0;
        Form::setModalDriver([&](Form&) {
            dialog.Button5->Click(); // "nur speichern": the names are offered
            QListWidgetItem* item = dialog.namen->item(schueler);
            const auto beginn = std::chrono::steady_clock::now();
            QTest::mouseClick(
                dialog.namen->viewport(), Qt::LeftButton, {}, dialog.namen->visualItemRect(item).center());
            sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
        });
        dialog.showModal();
        state.SetIterationTime(sekunden);
        state.PauseTiming();
        // The protocol just saved goes again, so that every click meets 160.
        const QStringList neu = QDir(ordner).entryList({ QStringLiteral("H1_7_*") }, QDir::Files, QDir::Time);
        if (QDir(ordner).count() != 163)
            state.SkipWithError("kein Protokoll gespeichert");
        else
            QFile::remove(ordner + u'/' + neu.first());
        state.ResumeTiming();
    }
    Form::setModalDriver({});
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    Application app(argc, argv);
    benchmark::RegisterBenchmark("NameKlicken/umstritten", NameKlicken, 1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("NameKlicken/allein", NameKlicken, 2)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
