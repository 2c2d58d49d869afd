#pragma once
// Error classification of the basic-arithmetic analyses. Before a task is shown, each known error strategy
// of its operation gives the answer a pupil following it would type; a wrong answer is then compared with
// all of them, and every strategy that fits lends its letter ("Kennung") to the task's record.

#include "platform/bounded.h"
#include "platform/shorttext.h"

#include <QString>
#include <QStringList>

namespace gra {

// The reversed-digit answer of result r: the two digits exchanged for r above 11 with a units digit; "0"
// followed by the first digit for 0, 10, 20, ... ("00", "01", "04"); empty for 1 to 11.
QString zahlendreher(int r);

// The answers of the error strategies for one task, as texts of at most 3 characters; empty where a strategy
// does not apply to the task. Letter M has four texts.
struct Fehlerwerte {
    BoundedArray<Text<3>, 'A', 'V'> wert;
    BoundedArray<Text<3>, 1, 4> m;
};

// The strategy answers of code 11..17 for the task a op b with the correct answer c; a includes the random
// tens T of codes 12 and 15 (T is 0 for the other codes). Code 17 is the task a*b : a = b, c = b.
Fehlerwerte fehlerwerteBerechnen(int code, int a, int b, int c, int T);

// The letters whose strategy answer is the typed text, in the order in which the record lists them
// (A, B, E, L, M, F, G, H, I, J, K, C, D, N, O, P, Q, R, S, T, U, V). The text is compared as typed, so "05"
// is not 5.
QStringList kennungen(const QString& eingabe, const Fehlerwerte& werte);

// The classification of the closed answer (eingabe) of the task on screen: the answer time, the task asked
// and the result into the grids, the counters of right and wrong answers and of each letter; code 16 and 17
// variant 2 leave out the exchange task of a task answered right.
void bewertung();

// Counter of a letter ("A" .. "V", or "ud" for an answer no strategy explains).
int& kennungszaehler(const QString& kennung);

// Sets every counter of a run to 0: right and wrong answers, wrong answers per row and column, the letters.
void zaehlerLoeschen();

} // namespace gra
