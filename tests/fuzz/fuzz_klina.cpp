// The two copies of "kl.ina": the data folder the program copy names, and the active list the shared copy names.

#include "shell/tav_i_logik.h"
#include "umgebung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pfad = fuzz::datei(QStringLiteral("kl.ina"), data, size);
    const tavi::KlIna k = tavi::klinaLesen(pfad);
    QString meldung;
    const QString ordner = tavi::datenordnerAusKlina(pfad, k, meldung);
    fuzz::pruefen(ordner.isEmpty() != meldung.isEmpty() || tavi::erststart(k), "a folder and a message at once");
    fuzz::pruefen(ordner.isEmpty() || ordner.endsWith(u'/'), "a data folder without its closing /");
    if (!tavi::aktivlisteGueltig(pfad, k.aktivliste, meldung))
        fuzz::pruefen(!meldung.isEmpty(), "no list without a message");
    fuzz::pruefen(fuzz::bytes(pfad) == QByteArray(reinterpret_cast<const char*>(data), int(size)), "kl.ina changed");
    return 0;
}
