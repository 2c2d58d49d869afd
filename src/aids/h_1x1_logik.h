#pragma once
// What the small 1x1 aid decides without a window: the next task from the hub's pool, the judgement of an
// answer, the geometry of the four help pictures (jumps on the number line, dots of the dot field, squares
// of the hundred field, shirts and trousers) and the calculation tip chosen by the factors, and the aid's
// protocol lines. Positions are design units of the picture's paint box.

#include "aids/hilfenrahmen_logik.h"

#include <QColor>
#include <QLine>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

namespace kl1x1 {

// ---- Tasks ----

struct Aufgabe {
    int a = 0; // left factor
    int b = 0; // right factor
    int produkt() const { return a * b; }
};
// Draws the next pair from aufgabenliste (a new pass once every pair has come); a = 0, b = 0 for an empty
// pool.
Aufgabe ziehen();

// The 0 button starts no number but 0 itself.
bool nullAblehnen(const QString& eingabe, int zielzahl);

enum class Urteil { richtig, zahlendreher, holeHilfe };
Urteil urteil(const QString& eingabe, int zielzahl);
// The first line of the message to a wrong answer; the second is kNeuRechnen.
QString meldung(Urteil u);
inline const QString kNeuRechnen = QStringLiteral("lösche & rechne neu");

// ---- Help pictures ----

// A filled shape of the picture: its box (left, top, right, bottom as drawn) and its colour.
struct Flaeche {
    QRect box; // QRect(QPoint(left, top), QPoint(right, bottom)) holds the drawn corners
    QColor farbe;
    bool operator==(const Flaeche& o) const { return box == o.box && farbe == o.farbe; }
};
inline Flaeche flaeche(int l, int t, int r, int b, const QColor& farbe)
{
    return { QRect(QPoint(l, t), QPoint(r, b)), farbe };
}

// "&Strahl": jump j (1..a) of b units, red above the line for odd j, blue below it for even j.
QVector<Flaeche> spruenge(const Aufgabe& t);

// "&Feld": row i (1..a) of b dots and the label at its end: the running product, "?" in the last row.
struct Punktreihe {
    QVector<Flaeche> punkte;
    QPoint beschriftungOrt;
    QString beschriftung;
};
QVector<Punktreihe> punktfeld(const Aufgabe& t);

// "&Hunderter": group g (1..a) of b squares laid on row by row, ten to a row; red for odd g, blue for even.
QVector<QVector<Flaeche>> hunderterfeld(const Aufgabe& t);

// "Hemd &x Hose": the colour of shirt or trousers k (1..10), a shirt i and trousers j as outlines, and the
// points where a shirt's lines leave it and reach the trousers.
QColor kleiderfarbe(int k);
QPolygon hemd(int i);
QPolygon hose(int j);
QPoint hemdKragen(int i);
QPoint hosenBund(int j);

// ---- Tips ----

struct Tipptext {
    int x = 0, y = 0, hoehe = 60;
    QColor farbe;
    QString text;
    bool operator==(const Tipptext& o) const
    {
        return x == o.x && y == o.y && hoehe == o.hoehe && farbe == o.farbe && text == o.text;
    }
};
// The frame every tip is drawn in.
constexpr int kTipprahmenLinks = 5, kTipprahmenOben = 5, kTipprahmenRechts = 725, kTipprahmenUnten = 275;

struct Tipp {
    enum class Art { keiner, tausch, nachA };
    Art art = Art::keiner;
    // A dividing line at x between the two ways of tips with "oder:".
    int trennlinie = 0; // 0: none
    QVector<Tipptext> texte; // in drawing order
};
Tipp tipp(const Aufgabe& t);
// The dividing line's two pieces: from the frame's top line down to just above the red "oder:" and from just
// below it to the frame's bottom line, so that the word stands in a gap of the line and the line ends on the
// frame; none without a dividing line.
QVector<QLine> trennstriche(const Tipp& tp);

// ---- Protocol ----

hilfenrahmen::Protokollangaben protokollangaben(const QString& wahltext, int hilfetasten, int zeigetasten);

} // namespace kl1x1
