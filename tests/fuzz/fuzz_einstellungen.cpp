// The settings files "hw.ina", "fw.ina", "aw.ina", "sw.ina": the first byte chooses the file and whether a
// section is written after the reads, the rest is the file. Reading never changes a byte; writing a file that
// could not be read keeps its bytes beside it.

#include "analyses/f_ss_logik.h"
#include "platform/errors.h"
#include "shell/einstellungsdatei.h"
#include "umgebung.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static const char* const namen[] = { "hw.ina", "fw.ina", "aw.ina", "sw.ina" };
    const QString name = QString::fromLatin1(namen[data[0] % 4]);
    const bool schreiben = data[0] & 4;
    const QByteArray inhalt(reinterpret_cast<const char*>(data + 1), int(size - 1));
    const QString ordner = fuzz::datenordner();
    for (const QString& alt : QDir(ordner).entryList({ QStringLiteral("*.beschaedigt*") }))
        QFile::remove(ordner + alt);
    const QString pfad = fuzz::datei(name, data + 1, size - 1);

    using namespace einstellungsdatei;
    const QStringList woerter = stichwoerter(name);
    for (int i = 0; i < woerter.size(); ++i) {
        std::vector<int> werte;
        abschnittlesen(pfad, woerter[i], 1 + i % 30, werte);
        try {
            abschnittladen(pfad, woerter[i], 30 - i, werte);
        } catch (const RuntimeError&) {
        }
    }
    if (name == QLatin1String("hw.ina")) {
        int minuten = 0, aufgaben = 0;
        kopfladen(pfad, minuten, aufgaben);
        fuzz::pruefen(minuten >= 0 && minuten <= kMaxMindestminuten && aufgaben >= 0 && aufgaben <= kMaxMindestaufgaben,
            "work limits out of their bounds");
    }
    if (name == QLatin1String("fw.ina")) {
        for (int code : { ss::Zehnerfeld, ss::Zwanzigerfeld, ss::Hunderterfeld }) {
            try {
                ss::abschnittladen(pfad, code);
            } catch (const RuntimeError&) {
                ss::standardSetzen(code);
            }
            ss::zahlenbilden(code);
            ss::zeitliste();
        }
    }
    fuzz::pruefen(fuzz::bytes(pfad) == inhalt, "a reader changed the settings file");

    if (schreiben) {
        try {
            abschnittschreiben(pfad, woerter.last(), { 1, 2, 3 });
        } catch (const RuntimeError&) {
            return 0;
        }
        std::vector<int> werte;
        fuzz::pruefen(abschnittlesen(pfad, woerter.last(), 3, werte) == Abschnittstand::gelesen
                && werte == std::vector<int> { 1, 2, 3 },
            "a written section does not read back");
        const QString kopie = pfad + QStringLiteral(".beschaedigt");
        fuzz::pruefen(!QFile::exists(kopie) || fuzz::bytes(kopie) == inhalt, "the damaged bytes were not kept");
    }
    return 0;
}
