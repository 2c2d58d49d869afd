#pragma once
// The pictures of the aid for sums up to 20, drawn on any canvas on the 1000 x 1000 design grid: the title
// panel, the work area with the task line, the answer box's messages, the tick, and the help pictures step by
// step (ten-frame columns, the 10-field row, the 20-field, the number lines to 10 and to 20 with their jumps,
// and the "Beinchen" decomposition). The window draws them on its own canvas; tests draw them into an image.

#include "platform/designgrid.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>

class Canvas;

namespace raum20 {

// The current task: its type and a + b = c, and the number the pupil has to find.
struct Aufgabe {
    int variante = 0;
    int a = 0, b = 0, c = 0;
    int sollwert = 0;
};
// A task of a known type from its two summands.
Aufgabe aufgabe(int variante, int a, int b);

class Zeichner {
public:
    Zeichner(Canvas& canvas, float skalaX, float skalaY);

    // The title panel (on the paint box beside the work area): what kind of task is shown.
    void titel(int variante);
    // The work area with its green frame; it wipes the previous task and its pictures.
    void arbeitsflaeche();
    // The task as a line of three boxes with "?" in the box of the answer.
    void aufgabenzeile(const Aufgabe& a);
    // Help step `stufe` (1..5) of the task's type. The pause runs after each unit jump on the number line to
    // 10; the caller decides whether it waits. A type or step without a picture draws nothing.
    void hilfeschritt(const Aufgabe& a, int stufe, const std::function<void()>& pause = {});
    // The number line of the type: 0..10 for 25..28, 0..20 for 35..37. It wipes the picture area.
    void strahlzeichnen(int variante);
    // The red tick beside a solved task.
    void haken(int variante);

    // The line under the answer box where "Zehner zuerst!" stands.
    void meldungLoeschen();
    void zehnerZuerst();
    // The right tens digit of a two-digit answer in the answer box, while the units digit is awaited.
    void zehnerziffer(const QString& ziffer);

private:
    int X(double v) const { return m_raster.x(v); }
    int Y(double v) const { return m_raster.y(v); }

    void stift(const QColor& farbe, int breitePixel);
    void stiftX(const QColor& farbe, int breiteDesign); // width scaled horizontally
    void pinsel(const QColor& farbe);
    void pinselKreuz(const QColor& farbe);
    void rechteck(int l, int t, int r, int b);
    void ellipse(int l, int t, int r, int b);
    void linie(int x1, int y1, int x2, int y2);
    void schrift(int hoehe, const QColor& farbe);
    void text(int x, int y, const QString& s);
    void text(int x, int y, const QString& s, int hoehe, const QColor& farbe);

    // Building blocks of the help pictures.
    void spaltenzellen(int x0);
    void spaltentrenner(int x0);
    void zehnerspalte(int x0);
    void spaltenzaehler(int x0, int j);
    void spaltenpfeil(int j, int xVon, int xSpitze, const QColor& farbe);
    void zehnerfeldreihe();
    void reihentrenner();
    void reihenzaehler(int j);
    void reihenzelle(int j, const QColor& farbe);
    void zwanzigerfeld();
    void zwanzigerzaehler(bool oben, int j);
    void durchstreichen(bool oben, int j, const QColor& farbe);
    void strahlmarke(int n, const QColor& farbe);
    void bogen(int xp, int xq, double hoehe, int basis);
    void einheitsspruenge(const Aufgabe& a, const std::function<void()>& pause);
    void ganzerSprung(const Aufgabe& a);
    void strahlbalken(int n, const QColor& farbe);
    void rechenzeile(int zeile, int spalte, const QString& s, const QColor& farbe);
    void antwortfeldLeeren(const QPoint& p);
    void antwort(const Aufgabe& a, const QColor& farbe);

    void beinchen(const Aufgabe& a, int stufe);
    void zehnerfeld(const Aufgabe& a, int stufe);
    void zehnerspaltenPlus(const Aufgabe& a, int stufe);
    void zehnerspaltenMinus(const Aufgabe& a, int stufe);
    void zehnerspaltenErgaenzen(const Aufgabe& a, int stufe);
    void strahl10(const Aufgabe& a, int stufe, const std::function<void()>& pause);
    void zwanzigerfeldPlus(const Aufgabe& a, int stufe);
    void zwanzigerfeldMinus(const Aufgabe& a, int stufe);
    void strahl20(const Aufgabe& a, int stufe);

    Canvas& m_canvas;
    DesignGrid m_raster;
};

} // namespace raum20
