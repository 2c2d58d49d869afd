#pragma once
// Sums up to 100 without a window: the kinds of task and their levels, the task generator, the task as eight
// characters on squared paper, the answer places and the digit check, the written part steps of each help
// step, the help pictures in the 100 field and on the 100 line as lists of drawing parts, and the aid's
// protocol texts.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>

namespace pm100 {

// ---- Kinds and levels ----

// Kind 41 + 3 x "Zahlen" + "Rechenart": 41..43 a two-digit and a one-digit number, 44..46 two two-digit ones.
constexpr int kErsteArt = 41;
constexpr int kLetzteArt = 46;
enum class Rechenart { plus = 0, minus = 1, ergaenzen = 2 };

// The kind the aid runs for an activity code (a code outside 41..46 runs the nearest kind).
int artAusCode(int programmcode);
Rechenart rechenart(int art);
bool zweiZehnerzahlen(int art);
// Levels of a kind: 5 (41..43) or 7 (44..46); the last is "Mischung".
int stufenzahl(int art);
// The level handed over by the hub; one the kind does not have runs as "Mischung", since a level without
// a generator would never yield a task.
int stufeAusWahl(int art, int gewaehlt);

// ---- Tasks ----

struct Aufgabe {
    int art = kErsteArt;
    int zehner1 = 0, einer1 = 0, zehner2 = 0, einer2 = 0;
    int zielzahl = 0; // a + b
    // The numbers as the pupil reads them: first number, second number, result.
    int hunderter1 = 0, hunderter2 = 0, hunderter3 = 0;
    int sollwert = 0;
    QChar zeichen = QLatin1Char('+');
    int wieoft = 4; // help steps
    QString text; // the task, 8 characters, one per column of the squared paper

    int a() const { return 10 * zehner1 + einer1; }
    int b() const { return 10 * zehner2 + einer2; }
    // The ones cross the ten (a sum of exactly ten does not).
    bool uebergang() const { return einer1 + einer2 > 10; }
    QString solltext() const { return QString::number(sollwert); }
};

// A task from its digits: sum, numbers as read, expected answer, sign, help steps and text.
Aufgabe aufgabeAus(int art, int zehner1, int einer1, int zehner2, int einer2);
// Help steps: kinds 41..43 have 6 when the ones cross ten, kinds 44..46 when b has ones; else 4.
int hilfeschritte(int art, int einer1, int einer2);
// The task as 8 characters: " 36+6=_ ", " 42-6=_ ", " 36+_=42", "36+_ =64".
QString aufgabentext(const Aufgabe& aufgabe);

// The next task of a kind and level; its first tens digit differs from vorindex, which then holds it.
Aufgabe aufgabenwahl(int art, int stufe, int& vorindex);

// ---- Answer ----

// Column (1..8) of answer digit `position` (1, 2): 7 and 8, 5 for kind 43, 4 and 5 for kind 46.
int antwortspalte(int art, int position);
// Centre x of a column on the squared paper.
constexpr int spaltenmitte(int spalte)
{
    return 54 * spalte + 7;
}
// Whether digit `position` of the answer typed so far is the one of the expected answer.
bool zifferRichtig(const QString& antwort, int position, int sollwert);

// ---- Written part steps ----

enum Zeile { aufgabenzeile = 0, teilzeile1 = 1, teilzeile2 = 2 };
// Top of the rows on the squared paper.
int zeilenhoehe(int zeile);

struct Schreibschritt {
    QColor farbe;
    int zeile = teilzeile1;
    int spalte = 1; // column of the first character
    QString text; // one character per column; a blank draws nothing
};
// What help step `stufe` writes on the squared paper; `wahl6` is the answer digit the pupil is at, so that
// the last step fills only the places still open. Nothing for step 0 or a step beyond the task's last.
QVector<Schreibschritt> schreibschritt(const Aufgabe& aufgabe, int stufe, int wahl6);
// The three rows as 8 columns after help steps 1..bisStufe (a blank where nothing is written): what the
// pupil reads.
QVector<QString> geschriebeneZeilen(const Aufgabe& aufgabe, int bisStufe, int wahl6);

// ---- Help pictures ----

// One part of a help picture, in design units of the picture box.
struct Bildteil {
    enum class Art {
        Marke, // a not-XOR dot: the ellipse (l, t, r, b) with a wide pen and no brush
        Pfad, // a line that grows from `start` in steps of 15 with a pause each while short of `grenze`, then to `ende`
        Linie, // a polyline through `punkte`
        Bogen, // the arch above the axis of the ellipse (l, t, r, b)
        Pausen, // `anzahl` pauses
    };
    Art art = Art::Linie;
    QColor farbe;
    int stift = 1;
    int l = 0, t = 0, r = 0, b = 0;
    QPoint start;
    bool senkrecht = false;
    int richtung = 1; // +1 right or down, -1 left or up
    int grenze = 0, ende = 0;
    QVector<QPoint> punkte;
    int anzahl = 0;
};
using Bild = QVector<Bildteil>;

// Help steps that have a picture: the field 1..5, the line 1..5 or (kinds 43, 46) 1..6.
int letzterBildschritt(int art, bool strahl);

// The 100 field: 10 x 10 cells of 42 x 60 from (30, 45); the centre of the cell of n (1..100).
QPoint zellmitte(int n);
// Picture part of help step `stufe` in the 100 field.
Bild feldschritt(const Aufgabe& aufgabe, int stufe);

// The 100 line: n lies at x = 100 + 8n on the axis y = 255.
constexpr int strahlstelle(int n)
{
    return 100 + 8 * n;
}
// Picture part of help step `stufe` on the 100 line.
Bild strahlschritt(const Aufgabe& aufgabe, int stufe);

// ---- Protocol ----

// Line 2 after "Programm:              ".
QString protokolltitel(int art);
// Line 4: "Hilfe:" + the operation + where the pictures are.
QString hilfezeile(int art, bool strahl);
// The level as line 5 shows it: "36 + 6 = __", or "(Mischung aller Schwierigkeitsgrade)".
QString stufenbeispiel(int art, int stufe);
QString formzeile(int art, int stufe); // "Aufgaben der Form:     " + example

} // namespace pm100
