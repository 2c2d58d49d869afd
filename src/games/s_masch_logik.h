#pragma once
// The machines without their window: drawing machine texts from the launcher's pool in passes, the numbers a
// single machine or a pair of machines takes and gives, and the judging of a pupil's guess.

#include "platform/bounded.h"
#include "platform/shorttext.h"

#include <QChar>
#include <QString>

namespace s_masch {

// A machine text: a sign "+", "-", "*" or ":" and one digit.
struct Maschine {
    QChar op;
    int zahl = 0;
    QString text() const { return QString(op) + QString::number(zahl); }
};
Maschine maschine(const QString& text);

// One number put in: the input x, what leaves the first machine (m; a single machine: its output) and the
// output y.
struct Durchlauf {
    int x = 0, m = 0, y = 0;
};

// The value drawn last is 100 when the window opens, so the first input of any machine is free.
constexpr int kErsterWurf = 100;

// Draws one text from pool[1..offen]: the drawn entry swaps with the last live one and the live count drops;
// at 0 it starts a new pass over all `anzahl` entries.
Maschine ziehen(BoundedArray<Text<2>, 0, 40>& pool, int anzahl, int& offen);

// The pairs that could not give a new input at every press (*0 or *1 before -8 and -9) are never dealt.
bool paarSpielbar(const Maschine& erste, const Maschine& zweite);
// The two machines of game 1, drawn again while the pair is not playable.
void paarZiehen(BoundedArray<Text<2>, 0, 40>& pool, int anzahl, int& offen, Maschine& erste, Maschine& zweite);

// A new input for a single machine / a pair; `letzterwurf` is what the next draw has to differ from where the
// machine asks for that, and becomes the value drawn.
Durchlauf eingabe(const Maschine& m, int& letzterwurf);
Durchlauf eingabe(const Maschine& erste, const Maschine& zweite, int& letzterwurf);

// +0, -0, *1 and :1 leave every number as it is.
bool neutral(const QString& text);
struct Urteil {
    bool richtig = false;
    bool auchMoeglich = false; // wrong, but both guess and machine change nothing
};
Urteil urteilen(const QString& tipp, const QString& text);

// The sign a key types in place of a machine's sign ("." and "/" stand for ":"), or a null character.
QChar zeichenVonTaste(QChar taste);

} // namespace s_masch
