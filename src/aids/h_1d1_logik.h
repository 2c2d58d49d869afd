#pragma once
// The small 1:1 without a window: the task drawn from the hub's "AxB" pool with its remainder, the judgement
// of a typed quotient or remainder, what a solved task books, the protocol lines, and every drawing of the
// aid as a list of steps in design units: what is drawn in which box, the texts, and where a pause falls.
// The window only plays the steps on its paint boxes.

#include "aids/hilfenrahmen_logik.h"

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace kl1d1 {

// ---- The task ----

// dividend : divisor = quotient, remainder rest.
struct Aufgabe {
    int divisor = 1;
    int quotient = 1;
    int rest = 0;
    int dividend = 1;
    bool mitRest() const { return rest > 0; }
};

// A remainder is possible only where one is left below 100 and the divisor leaves one at all.
bool restMoeglich(int divisor, int quotient);
// The task of a pool entry; with `mitRest` a remainder 1 .. divisor - 1 is drawn where one is possible.
Aufgabe aufgabe(int divisor, int quotient, bool mitRest);
// The next task from the hub's pool (aufgabenliste, nummer, vorratsgroesse) without repeats; none when the
// pool is empty or its entry is no "AxB".
std::optional<Aufgabe> ziehung(bool mitRest);

// The answer phases: the quotient is asked, then (tasks with remainder) the remainder.
constexpr int kQuotientPhase = 0;
constexpr int kRestPhase = 1;
enum class Urteil { falsch, quotientRichtig, geloest };
Urteil pruefen(const Aufgabe& a, int phase, int zahl);
// Right inputs of a solved task: the quotient's digits and Enter, and the remainder and Enter.
int noetigeEingaben(const Aufgabe& a);
// "3" or "3  Rest 2": the caption of "&Ergebnis" while it shows the result.
QString ergebnistext(const Aufgabe& a);

// ---- Protocol ----

// Lines 2, 4, 5 and 10 to 12 from the rest option and the hub's description "3 4 // 5 6 ".
hilfenrahmen::Protokollangaben protokollangaben(
    int restoption, const QString& wahltext, int hilfetasten, int zeigetasten);

// ---- Drawings ----

// The paint boxes of the window.
enum class Box { titel, aufgabe, strahl, feld, hund, avhund, aufteil, verteil };
// How a pen width grows with the screen: not at all (pixels), or with one of the two scale factors.
enum class Skala { pixel, x, y };
enum class Ausrichtung { links, mitte, rechts };

struct Zug {
    enum class Art { rechteck, linie, punkt, text };
    Art art = Art::linie;
    // rechteck, punkt: (left, top), (right, bottom); linie: the points of an open path; text: its place.
    QVector<QPoint> punkte;
    QString text;
    QColor stiftfarbe { Qt::black };
    int stiftbreite = 1;
    Skala stiftskala = Skala::pixel;
    QColor pinsel { Qt::white };
    int schrifthoehe = 20;
    QColor schriftfarbe { Qt::black };
    Ausrichtung ausrichtung = Ausrichtung::mitte;
};

// A pause after a step: none, only while the quotient is asked, or in both phases.
enum class Pause { keine, frage, immer };
struct Schritt {
    Box box = Box::titel;
    QVector<Zug> zuege;
    Pause pause = Pause::keine;
};
using Bild = QVector<Schritt>;

bool pausiert(Pause pause, int phase);
// The pauses a picture makes in a phase.
int pausen(const Bild& bild, int phase);
// Every text of a picture in drawing order.
QStringList texte(const Bild& bild);

// Records drawing calls as a canvas takes them (pen, brush and font stay until changed), step by step.
class Skizze {
public:
    explicit Skizze(Box box) { neuerSchritt(box); }

    void box(Box box) { neuerSchritt(box); }
    void stift(const QColor& farbe, int breite, Skala skala = Skala::pixel);
    void stiftfarbe(const QColor& farbe) { m_zug.stiftfarbe = farbe; }
    void pinsel(const QColor& farbe) { m_zug.pinsel = farbe; }
    void schrift(int hoehe, const QColor& farbe, Ausrichtung ausrichtung = Ausrichtung::mitte);
    void schriftfarbe(const QColor& farbe) { m_zug.schriftfarbe = farbe; }

    void rechteck(int l, int t, int r, int b);
    void punkt(int l, int t, int r, int b);
    void linie(int x1, int y1, int x2, int y2) { pfad({ { x1, y1 }, { x2, y2 } }); }
    void pfad(const QVector<QPoint>& punkte);
    void text(int x, int y, const QString& text);
    // A pause after what was drawn so far.
    void pause(Pause pause);

    const Bild& bild() const { return m_bild; }

private:
    void neuerSchritt(Box box);
    void zug(Zug::Art art, const QVector<QPoint>& punkte, const QString& text = QString());

    Bild m_bild;
    Zug m_zug;
};

// The grounds that the help pictures of the small 1x1 draw as well. The number line 0 .. 100 with its
// frame (5, 5)-(725, 180), one unit 7 design units from x 15, its ticks (every number, every fifth, every
// tenth, the two ends) and the labels "0", "10" .. "100" in teal above it.
void zahlenstrahl(Skizze& s);

// A 10 x 10 grid: eleven vertical lines x = links + k * breite from oben to unten and eleven horizontal lines
// y = hoch + k * hoehe from x0 to x1 (k = 0..10), then the two thick lines between the quarters.
struct Gitter {
    int links = 0, breite = 0, oben = 0, unten = 0;
    int hoch = 0, hoehe = 0, x0 = 0, x1 = 0;
    QLine quer, laengs;
};
// The dot field (18 x 25 per cell) and the hundred board (20 x 27 per cell).
inline const Gitter kPunktfeld { 10, 18, 25, 273, 23, 25, 10, 190, QLine(7, 150, 193, 150), QLine(100, 20, 100, 275) };
inline const Gitter kHunderterfeld { 10, 20, 15, 283, 15, 27, 10, 210, QLine(7, 150, 213, 150),
    QLine(110, 11, 110, 288) };
// The grid in teal with a pen of 2 pixels, the quarter lines with a pen of 5 units scaled vertically, moved
// by `versatz` units: the 1:1 "&Hunderter" draws them one unit up and left (-1).
void gitter(Skizze& s, const Gitter& gitter, int versatz = 0);

// Each new task: the title and the task with "?".
Bild aufgabenbild(const Aufgabe& a);
// The typed digits in the answer slot of the phase.
Bild eingabebild(int phase, const QString& antwort);
// The red tick of a right answer in the phase.
Bild haken(int phase);
// A right quotient of a task with remainder: the quotient line with its tick and "Rest  ?".
Bild restfrage(const Aufgabe& a);
// A wrong answer.
Bild hinweis();
// The hint area of the title box is blanked by every input.
Bild hinweisLoeschen();

// The help pictures; the phase decides the quotient's texts and whether the remainder steps follow.
Bild strahlbild(const Aufgabe& a, int phase);
Bild feldbild(const Aufgabe& a, int phase);
Bild hunderterbild(const Aufgabe& a, int phase);
Bild aufteilbild(const Aufgabe& a, int phase);
Bild verteilbild(const Aufgabe& a, int phase);

// The colour on which "&Hunderter" shows the remainder's numbers (the desktop's gradient caption colour).
inline const QColor kRestfarbe { 185, 209, 234 };

} // namespace kl1d1
