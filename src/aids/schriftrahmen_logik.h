#pragma once
// What the written-method aids share without a window: the expected-input string with its step pointer,
// drawings as lists of texts, lines and rectangles on the design grid (so that tests read what a help or
// a message says and where), the squared paper, the message frame, the tick and the protocol texts.

#include "aids/hilfenrahmen_logik.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <variant>
#include <vector>

class Canvas;

namespace schrift {

// ---- Drawings ----

enum class Ausrichtung { links, mitte, rechts };
// How a pen width is meant: device pixels, or design units scaled horizontally or vertically.
enum class Stiftmass { pixel, x, y };

// A text in "arial", its top at y; opaque on `grund` unless that is unset.
struct Schrift {
    int x = 0, y = 0;
    QString text;
    QColor farbe;
    int hoehe = 50;
    Ausrichtung ausrichtung = Ausrichtung::mitte;
    std::optional<QColor> grund = QColor(Qt::white);
    bool fett = false;
};
// A polyline; its width is in device pixels. A not-XOR line is erased by drawing it again.
struct Linienzug {
    QVector<QPoint> punkte;
    QColor farbe;
    int breite = 1;
    bool xorStift = false;
    Stiftmass mass = Stiftmass::pixel;
};
// A rectangle (left, top)-(right, bottom) with a pen (none when `breite` is 0) and a filling (none when unset).
struct Rechteck {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    QColor stift;
    int breite = 1;
    std::optional<QColor> fuellung;
    bool xorStift = false;
    Stiftmass mass = Stiftmass::pixel;
};
// An ellipse in the rectangle (left, top)-(right, bottom), outlined with a pen and not filled (a
// multiplication dot: a wide pen on a small ellipse).
struct Ellipse {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    QColor stift;
    int breite = 1;
    Stiftmass mass = Stiftmass::pixel;
};
using Element = std::variant<Schrift, Linienzug, Rechteck, Ellipse>;

struct Bild {
    std::vector<Element> teile;
    Bild& operator<<(const Element& e)
    {
        teile.push_back(e);
        return *this;
    }
    Bild& operator<<(const Bild& b)
    {
        teile.insert(teile.end(), b.teile.begin(), b.teile.end());
        return *this;
    }
    bool leer() const { return teile.empty(); }
    // The texts in drawing order.
    QStringList texte() const;
    // The first text that is `text`, or null.
    const Schrift* finde(const QString& text) const;
};

// An arrow: a polyline along `weg` to its tip, and a head of two short strokes from the tip.
Bild pfeil(const QVector<QPoint>& weg, QPoint kopf1, QPoint kopf2, const QColor& farbe, int breite,
    Stiftmass mass = Stiftmass::pixel);

// Draws on a canvas in pixels, design units scaled by sx and sy (pen widths stay device pixels).
void zeichnen(Canvas& canvas, const Bild& bild, float sx, float sy);

// ---- The sheet ----

// The squared paper of feldbox: frame and teal lines (SV 1 and the aids with the big sheet).
Bild karopapier();
// The message frame of meldebox, which also clears it; its bottom differs between the aids.
Bild meldungsrahmen(int unten = 328, int stift = 2);
// The red tick of a solved task.
Bild haken();

// ---- The expected input ----

// The characters a task expects in typing order, and where the pupil is: `wahltext` holds digits, "ü" for a
// carry to type and " " for a place that is skipped; `schrittzeiger` is the 1-based position expected next.
// Aids that write from the right count down and are done below 1, the others count up and are done past
// the end.
struct Schrittfolge {
    QString wahltext;
    int schrittzeiger = 0;
    bool abwaerts = true;

    void beginnen(const QString& text, bool nachUnten);
    // The character expected now (null once the task is done).
    QChar erwartet() const;
    // The character at a step (null outside the text).
    QChar zeichenBei(int schritt) const;
    bool geloest() const;
    // One step on in the typing direction.
    void weiter();
};

// ---- Protocol ----

// Line 4 of an activity code ("Rechenart:" and the kind of task); empty for a code without one.
QString rechenart(int code);
// The aid's texts of the protocol: "schriftlich ", the kind, the level, the help and show counts (the show
// count as "entfällt" where the aid has no show button for it).
hilfenrahmen::Protokollangaben protokollangaben(
    int code, const QString& stufentext, int hilfetasten, int zeigetasten, bool zeigenEntfaellt);

} // namespace schrift
