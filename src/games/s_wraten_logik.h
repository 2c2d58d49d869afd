#pragma once
// "Wörterraten": the list of each category, where the letters of a word stand and how large they are, and the
// word as found so far.

#include <QChar>
#include <QString>
#include <vector>

namespace s_wraten {

// The word list of category 0..14 ("zahlen.txt" .. "lang.txt").
QString liste(int variante);

// The distance of two letter places in design units for a word of n letters.
int abstand(int n);
// The place of letter i (1..n) in pixels: the places are centred on 375.
int platzX(int i, int n, float skalaX);
// Heights (design units, times skala_x) of the letters and of the "_" under them, and the letters' line.
inline int buchstabenhoehe(int n)
{
    return 475 / n + 2;
}
inline int strichhoehe(int n)
{
    return 150 / n + 25;
}
inline int buchstabenzeile(int n)
{
    return 10 * n + 140;
}
// Where the k-th miss is listed.
inline int fehlschussX(int k)
{
    return 32 * k + 250;
}

// The word as found so far: "#" at every place not yet found.
QString anfang(const QString& wort, bool ersterBuchstabe);
// The places (1..n) where `zeichen` stands in the word; they are filled in `gefunden`.
std::vector<int> eintragen(QString& gefunden, const QString& wort, QChar zeichen);
inline bool fertig(const QString& gefunden)
{
    return !gefunden.contains(QLatin1Char('#'));
}

} // namespace s_wraten
