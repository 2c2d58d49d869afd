#include "games/s_wraten_logik.h"

#include "platform/round.h"

namespace s_wraten {

QString liste(int variante)
{
    static const char* const dateien[15] = { "zahlen.txt", "namen.txt", "tiere.txt", "pflanzen.txt", "essen.txt",
        "mensch.txt", "kleidung.txt", "fussball.txt", "haus.txt", "werkzeug.txt", "verkehr.txt", "staedte.txt",
        "laender.txt", "kurz.txt", "lang.txt" };
    return variante >= 0 && variante < 15 ? QLatin1String(dateien[variante]) : QString();
}

int abstand(int n)
{
    return n > 0 ? (850 / n) / 2 : 0;
}

int platzX(int i, int n, float skalaX)
{
    const double z = abstand(n);
    return Round((375.0 - z / 2.0 - (n / 2.0) * z + i * z) * double(skalaX));
}

QString anfang(const QString& wort, bool ersterBuchstabe)
{
    QString gefunden(wort.size(), QLatin1Char('#'));
    if (ersterBuchstabe && !wort.isEmpty()) gefunden[0] = wort[0];
    return gefunden;
}

std::vector<int> eintragen(QString& gefunden, const QString& wort, QChar zeichen)
{
    std::vector<int> plaetze;
    for (int i = 0; i < wort.size(); ++i)
        if (wort[i] == zeichen) {
            gefunden[i] = zeichen;
            plaetze.push_back(i + 1);
        }
    return plaetze;
}

} // namespace s_wraten
