#pragma once
// The step engine of the long divisions: which character each step expects and where it is written, which
// steps fall away when their character is a leading "0", and the drawings every step shares (the entry,
// the help's red "?", the arrow that brings a digit down, the messages and "Tippe:"). Each division aid
// gives its own tables as a Schrittplan.

#include "aids/schriftrahmen_logik.h"

#include <QPoint>
#include <QString>
#include <set>
#include <vector>

namespace langdivision {

struct Schrittplan {
    // Step s expects zeichen[s - 1] and is written at plaetze[s - 1] (row shift already applied).
    QString zeichen;
    std::vector<QPoint> plaetze;
    // Steps that fall away when the pointer reaches them and their character is "0".
    std::set<int> nullWeg;
    int start = 1;

    int ende() const { return int(zeichen.size()) + 1; }
    QChar soll(int schritt) const;
    QPoint platz(int schritt) const;
    // The step after a right character at `schritt`.
    int naechster(int schritt) const;
};

// A character of the sheet in the large digits of the squares, on no ground.
schrift::Schrift gross(QPoint p, const QString& text, const QColor& farbe);
// A right character: the help's "?" erased (drawn in white), the character in blue.
schrift::Bild eintrag(QPoint platz, QChar zeichen);
// The help's "?" erased (drawn in white).
schrift::Bild frageWeg(QPoint platz);
// The help's red "?" at a step.
schrift::Bild fragezeichen(QPoint platz);
// The arrow that brings the next digit down to a step: from the task row to the step, head up.
schrift::Bild herunterholen(QPoint platz);
// A message: one rule text at y 100, or a wrong digit in two lines.
struct Meldung {
    QString text;
    bool gezaehlt = true; // false: the input is taken back
    bool falsch() const { return text.isEmpty(); }
};
schrift::Bild meldungsbild(const Meldung& m, QChar eingabe);
// Green help lines, centred at x 370, at the given heights.
schrift::Bild hilfezeilen(const QStringList& zeilen, const QList<int>& hoehen = { 60, 150, 210 });
// The show button: the lower part of the message frame cleared, then "Tippe: " and the character.
schrift::Bild zeigen(const QRect& leeren, QChar soll);
// A "0" as a blank, so that no two-digit number in a help text begins with 0.
QString ohneNull(QChar zelle);

// The protocol of both: "schriftlich, ausführlich ", the kind with or without remainder, right and wrong
// inputs under their own labels, help and show presses.
hilfenrahmen::Protokollangaben protokollangaben(const QString& rechenart, bool mitRest, const QString& stufentext,
    int eingabenrichtig, int eingabengesamt, int hilfetasten, int zeigetasten);

} // namespace langdivision
