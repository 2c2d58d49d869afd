#pragma once
// "Botschaften": the key table that puts a result above every letter, the tasks of the eight kinds whose
// results spell the message, and where the tasks' parts are written.

#include <QChar>
#include <QString>
#include <vector>

namespace s_botsch {

// The letters of a message: the word's first letters, at most five.
QString botschaft(const QString& wort);

// The result above a letter in kind `art` (kinds 0-4 and 6: 35..63 along the keyboard; 5: the 29 products
// 10..81; 7: the keyboard column 0..10); -1 for a character not on the keyboard.
int ergebnis(int art, QChar buchstabe);
// The 29 products of the small multiplication table from 10 to 81 that kind 5 uses, ascending.
const std::vector<int>& produkte();

// One task: its result and numbers (kind 4: a and c; kind 6: a, b and c; kind 7: the divisor b and the
// dividend a).
struct Aufgabe {
    int r = 0;
    int a = 0;
    int b = 0;
    int c = 0;
};
// The tasks of a message, one per letter, with numbers drawn at random.
std::vector<Aufgabe> aufgaben(int art, const QString& botschaft);

// A part of a task as it is written: x on the design grid, a shift of its line, right-aligned or centred.
struct Teil {
    int x = 0;
    int dy = 0;
    QString text;
    bool rechts = false;
};
std::vector<Teil> aufgabentext(int art, const Aufgabe& aufgabe);
// Where the answer of a task stands (x), and the line of task k (1..5).
int antwortX(int art);
inline int aufgabenzeile(int k)
{
    return 68 * k + 57;
}

} // namespace s_botsch
