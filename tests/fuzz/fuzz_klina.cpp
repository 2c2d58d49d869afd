// The two copies of "kl.ina": the data folder the program copy names, and the active list the shared copy names.

#include "shell/tav_i_logik.h"
#include "umgebung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pfad = fuzz::datei(QStringLiteral("kl.ina"), data, size);
    const tavi::KlIna k = tavi::klinaLesen(pfad);
    const tavi::Startordner ordner = tavi::datenordnerAusKlina(pfad, k);
    const bool da = ordner.start == tavi::Start::datenordner;
    fuzz::pruefen(da != ordner.datpfad.isEmpty(), "a data folder that is none, or none that is one");
    fuzz::pruefen(da || ordner.meldung.isEmpty() == (ordner.start == tavi::Start::erststart), "no folder, no message");
    fuzz::pruefen(!da || ordner.datpfad.endsWith(u'/'), "a data folder without its closing /");
    QString meldung;
    if (!tavi::aktivlisteGueltig(pfad, k.aktivliste, meldung))
        fuzz::pruefen(!meldung.isEmpty(), "no list without a message");
    fuzz::pruefen(fuzz::bytes(pfad) == QByteArray(reinterpret_cast<const char*>(data), int(size)), "kl.ina changed");
    return 0;
}
