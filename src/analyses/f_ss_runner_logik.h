#pragma once
// The quick-sight runners without their windows: what differs between the 10, 20 and 100 field, the
// pictures (grid, dots, wipe) in design units, the answer columns and the protocol of a run.

#include "analyses/f_ss_logik.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ss {

enum class Feld { Zehn, Zwanzig, Hundert };

// A rectangle in design units: left, top, right, bottom.
struct Rechteck {
    double links = 0, oben = 0, rechts = 0, unten = 0;
    bool operator==(const Rechteck& o) const
    {
        return links == o.links && oben == o.oben && rechts == o.rechts && unten == o.unten;
    }
};

struct Linie {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int breite = 1;
};

struct Punkt {
    Rechteck ort;
    QColor farbe;
};

// Everything in which the three runners differ.
struct Feldart {
    Feld feld;
    int code;
    QString caption;
    bool silbern; // window colour silver, else button face
    QString abbruchName;
    QString abbruchText;
    Rechteck mausbereich;
    Rechteck keypad; // left, top, then width and height in rechts/unten
    Rechteck weiter; // left, top, width, height
    Rechteck abbruch; // left, top, width, height
    Rechteck feldflaeche;
    Rechteck verdeckflaeche;
    bool verdeckenMitHintergrund; // else silver (light) or black (dark)
    Rechteck antwortbox;
    int textX, textY;
    QVector<QPoint> haken;
    int eingabelaenge;
    bool platzhalter; // "?" while nothing is typed
    int punktbreite; // pen width of the dots
    QVector<Rechteck> diagonalen; // the two diagonals of the wipe, as lines (x1, y1)-(x2, y2)
    int wischschritte;
    QString titel;
    QString praefix;
};

const Feldart& feldart(Feld feld);
Feld feldVonCode(int code);

// The grid lines (thin width 1, thick width 3) of the field.
QVector<Linie> raster(Feld feld);
// The dots of the number n: full rows of ten first, then the rest, from the left.
QVector<Punkt> punktbild(Feld feld, int n);
// Rectangle i (1..wischschritte) of the wipe, growing from the centre of the field.
Rechteck wischrechteck(Feld feld, int i);

// "0" is refused as the first digit: always in the 100 field; in the 10 and 20 field when nothing is typed
// (not over "?") and the number shown is not 0.
bool nullAbgelehnt(Feld feld, const QString& eingabe, int gezeigt);

// The answer column of one presentation: the answer and the seconds with tenths since the picture came,
// 11 characters ("     8  1,2" for 8 after 1.25 s in the 10 field).
QString antwortspalte(Feld feld, const QString& eingabe, double antwortzeit);
// A solved task's line: padded to the header's answer columns, then the total answer time and the points.
QString loesungsspalte(const QString& antwortzeile, int kopflaenge, double gesamtzeit, int punkte);

// A number with one decimal and at most three significant digits, with a decimal comma ("1,5", "12,3",
// "150,0"); larger numbers in exponent form.
QString zahlF(double wert);

// Total minutes (hours included) and seconds of an elapsed time.
int gesamtminuten(double spanne);

// Protocol lines 0..3 of a run; lines 4..7 stand in protzeilen already (set-up). zaehler tasks, punkte
// points, laufzeit the working time.
QStringList kopfzeilen(Feld feld, const QString& name, bool ohneListe, const QString& datum, const QString& pfad,
    double laufzeit, int zaehler, int punkte, int schalter1, int schalter2, int mindestminuten, int mindestaufgaben);

} // namespace ss
