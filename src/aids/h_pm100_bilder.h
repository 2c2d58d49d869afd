#pragma once
// The drawings of the aid for sums up to 100 on any canvas: the squared paper with the task, the typed
// digits and the tick, the note below the task, the 100 field and the 100 line, and the parts of the help
// steps. Every routine takes design units and the two scale factors of the screen, so that a test can draw
// into an image exactly what the window shows.

#include "aids/h_pm100_logik.h"

#include <functional>

class Canvas;

namespace pm100 {

// Design units of a box to its pixels (x by sx, y by sy, rounded); pen widths go with sx, font heights
// with sy.
struct Massstab {
    float sx = 1.0f;
    float sy = 1.0f;
    int x(double v) const;
    int y(double v) const;
    int stift(int breite) const;
};

// The note in the form's lower left: what to type, and in which order.
void hinweisZeichnen(Canvas& c, const Aufgabe& aufgabe, const Massstab& m);
// The squared paper in its box with the task row, its underline and the place-value heads.
void karopapierZeichnen(Canvas& c, const Aufgabe& aufgabe, const Massstab& m);
// A right digit at answer position `position`, and after the first digit the mark of the next place.
void zifferZeichnen(Canvas& c, const Aufgabe& aufgabe, int position, QChar ziffer, const Massstab& m);
// The red tick beside a solved task.
void haekchenZeichnen(Canvas& c, const Aufgabe& aufgabe, const Massstab& m);
// The written part of a help step.
void schritteSchreiben(Canvas& c, const QVector<Schreibschritt>& schritte, const Massstab& m);

// The grounds of the picture box.
void zahlenfeld(Canvas& c, const Massstab& m);
void hunderterstrahl(Canvas& c, const Massstab& m);
// The picture part of a help step; `warte` is the pause between two growth steps of a path.
void bildZeichnen(Canvas& c, const Bild& bild, const Massstab& m, const std::function<void()>& warte);

} // namespace pm100
