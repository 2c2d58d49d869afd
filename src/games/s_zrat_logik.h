#pragma once
// "Zahlenraten": where a number lies in the 100 field and on the number line, how an attempt is judged,
// which cells a miss crosses out, and where the truth table notes a question.

#include <QPoint>
#include <QString>
#include <vector>

namespace s_zrat {

// Row 0..9 and column 1..10 of 1..100 in the 100 field; a multiple of ten ends the row before.
struct Feldlage {
    int zeile = 0;
    int spalte = 0;
    bool operator==(const Feldlage& o) const { return zeile == o.zeile && spalte == o.spalte; }
};
Feldlage feldlage(int n);
// Where a cell's "x" stands in the play area (design units).
QPoint kreuzpunkt(const Feldlage& f);
// The number n on the number line.
double strahlX(int n);

// The value typed when it may be judged (1..100), else 0.
int eingabewert(const QString& eingabe);

enum class Urteil { kleiner, groesser, getroffen }; // "Meine Zahl ist kleiner als" ...
Urteil bewerten(int versuch, int nummer);
// The cells a miss rules out: from the attempt up to 100 when the number is smaller, from 1 up to it when larger.
std::vector<Feldlage> kreuze(int versuch, int nummer);

// The truth table: questions 1 "kleiner als", 2 "es ist die", 3 "größer als".
struct Tabelleneintrag {
    QString text;
    bool wahr = false;
    bool getroffen = false; // the right "es ist die": the turn is won
};
// `text` is the attempt as typed.
Tabelleneintrag frage(int wahl5, const QString& text, int versuch, int nummer);
// Columns and rows of the table's entries.
constexpr int wahrSpalte = 200;
constexpr int nichtWahrSpalte = 490;
inline int tabellenzeile(int k)
{
    return 45 * k + 30;
}

} // namespace s_zrat
