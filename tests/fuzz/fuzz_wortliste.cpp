// A word list as the letter games read and draw it.

#include "games/buchstabentaste.h"
#include "platform/random.h"
#include "umgebung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pfad = fuzz::datei(QStringLiteral("WORTList/tiere.txt"), data, size);
    const QStringList woerter = wortliste(QStringLiteral("tiere.txt"));
    fuzz::pruefen(woerter.size() <= 300, "more than 300 words");
    Wortvorrat vorrat;
    vorrat.setzen(woerter);
    RandSeed(1);
    for (int i = 0; i < 2 * vorrat.groesse() + 1; ++i)
        fuzz::pruefen(vorrat.leer() || buchstabentaste::schreibbar(vorrat.ziehen()), "a word the keys cannot write");
    fuzz::pruefen(fuzz::bytes(pfad) == QByteArray(reinterpret_cast<const char*>(data), int(size)), "the list changed");
    return 0;
}
