#pragma once
// Half-written calculation without a window: the tasks of the five kinds (plus, minus, making up to the next
// ten, times, divided), their three lines of text, the digits of the long way in typing order, where each
// step's frame and digit go, the hint for a wrong digit, the quick mode's judgement, its five help steps as
// data, and the drawings of the sheet.

#include "aids/schriftrahmen_logik.h"

#include <QChar>
#include <QColor>
#include <QPair>
#include <QRect>
#include <QString>
#include <QVector>
#include <array>

namespace hsv {

// A task. a = 10 zehner1 + einer1, b = 10 zehner2 + einer2; in codes 74 and 75 einer1 is the one-digit factor
// or divisor and b the two-digit factor or quotient.
struct Aufgabe {
    int code = 71;
    int wahl1 = 0; // 74: 0 " E x ZE", 1 " ZE x E"
    int zehner1 = 0, einer1 = 0, zehner2 = 0, einer2 = 0;
    int zielzahl = 0; // 71 the sum, 72 the minuend, 73 the target ten, 74 the product, 75 the dividend
    int sollwert = 0; // the answer
    QChar zeichen;
    // The task line and the two partial lines; character i stands in column i of the squared paper.
    std::array<QString, 3> aufgabentexte;
    // The digits of the long way in typing order.
    QString wahltext;
    // The answer's digits, then those of the two partial results.
    QString zwtext4;

    int a() const { return 10 * zehner1 + einer1; }
    int b() const { return 10 * zehner2 + einer2; }
    int T() const { return 10 * zehner2 * einer1; } // tens product
    int U() const { return einer1 * einer2; } // units product
    // 1 when the number that sets the width of the layout has two digits (the answer row is a column
    // shorter): always in 71-73, for 74 and 75 when the product or dividend is below 100.
    int f() const { return (code == 74 || code == 75) && zielzahl >= 100 ? 0 : 1; }
    int antwortstellen() const { return int(QString::number(sollwert).size()); }
};

// The task from its digits (code 73 takes einer2 = 10 - einer1, 74 and 75 take zehner1 = 0).
Aufgabe bilden(int code, int wahl1, int zehner1, int einer1, int zehner2, int einer2);
// A new task of the kind, drawn with Random; its einer1 differs from `vorindex`, that of the task before.
Aufgabe wuerfeln(int code, int wahl5, int wahl1, int wahl6, int vorindex);

// ---- Long way ----

// Code 75 with a two-digit tens product: the first key puts a marker in front of the long way, so that the
// two digits of T stand at steps 2 and 3, where a three-digit T has its tens and units.
bool markeNoetig(const Aufgabe& a);
constexpr QChar kMarke { u'x' };
// The frame around the number of a step (left, top, right, bottom), widened where the number has three digits.
QRect rahmen(const Aufgabe& a, int schritt);
// Centre of the top of a step's digit.
QPoint ziffernplatz(const Aufgabe& a, int schritt);

enum class Hinweis {
    keiner,
    zehnerZuerst, // "Tippe: erst die Zehner, dann die Einer!"
    null, // "bitte: die NULL !"
    einer, // "bitte: die Einerzahl!"
    zehner, // "bitte: die Zehnerzahl!"
    rest, // "Rest ??? Was ist noch zu teilen?"
    fehlt, // "Was fehlt zum nächsten Zehner?"
    naechsterZehner, // "Wie heißt der nächste Zehner?"
    pfeil, // the copy arrow flashes
    vielfache, // the table of multiples
};
// The hint for `getippt`, a wrong digit at `schritt` of `wahltext` (the long way as it stands, marker included).
Hinweis hinweis(const Aufgabe& a, const QString& wahltext, int schritt, QChar getippt);
// The factor whose multiples the table lists at a step.
int vielfachesVon(const Aufgabe& a, int schritt);

// ---- Quick mode ----

// A wrong digit at the answer's tens place that is its units digit: the pupil is told to type the tens first.
bool zehnerZuerst(const Aufgabe& a, int schritt, QChar getippt);
// Centre x of answer digit `schritt` in the task line.
int antwortX(const Aufgabe& a, int schritt);

// What a help step writes on the sheet: characters at x positions in one row, and the row's multiplication
// dot in code 74.
struct Schreibschritt {
    QColor farbe;
    int y = 0;
    int hoehe = 95;
    bool weisserGrund = false;
    QVector<QPair<int, QChar>> zeichen; // x, character
    bool punkt = false;
};
// Help step 1..5; `schrittzeiger` is the answer digit the pupil is at (step 5 writes those not typed yet).
Schreibschritt hilfeschritt(const Aufgabe& a, int stufe, int schrittzeiger);

// ---- Drawings ----

schrift::Bild papier();
// Task line, underline, multiplication dot and, on the long way, the fixed parts of both partial lines.
schrift::Bild aufgabenbild(const Aufgabe& a, bool langerWeg);
// The frame of a step (not-XOR: drawn again, it is gone).
schrift::Bild schrittrahmen(const Aufgabe& a, int schritt);
// The quick mode's frame around the answer in the task line.
schrift::Bild antwortrahmen(const Aufgabe& a);
// The instruction box below the sheet (on the window).
schrift::Bild anleitung(const Aufgabe& a, bool langerWeg);
schrift::Bild ziffer(const Aufgabe& a, int schritt, QChar z);
schrift::Bild antwortziffer(const Aufgabe& a, int schritt, QChar z);
// The message of a hint in meldebox (the copy arrow is drawn on the sheet instead).
schrift::Bild meldung(const Aufgabe& a, Hinweis h, int schritt);
// "erst die Zehner," of the quick mode, a little higher.
schrift::Bild zehnerZuerstSchnell();
schrift::Bild kopierpfeil();
schrift::Bild bild(const Aufgabe& a, const Schreibschritt& s);
// Both partial lines in full, after a right quick answer.
schrift::Bild langerWeg(const Aufgabe& a);
schrift::Bild haken(const Aufgabe& a);

// ---- Protocol ----

QString programmtext(int wahl7); // after "Programm:"
QString rechenart(int code, int wahl1);
QString schwierigkeit(int code, int wahl5, int wahl6);

} // namespace hsv
