#pragma once
// What the games for one to five players share: the turn order over the names in listenzeilen 1..5, the
// error picture drawn stroke by stroke, the turn timer with its bar, the time box heading and the abort text.
// Each game window calls these with its own boxes and its own differences.

#include <QString>
#include <functional>

class Button;
class Canvas;
class QWidget;
class TScrollBoxEx;
class Timer;
class DesignGrid;
struct Font;

namespace gruppenspiel {

// ---- Players in turn ----

// The name of the player whose turn it is (empty before the first turn).
QString spielername();

// A place whose name holds nothing but blanks has no player.
bool freierPlatz(const QString& name);

enum class Wechsel { naechster, spielende };
// The next player after spielernummer, skipping free places; with statusZuruecksetzen each place passed gets
// spielerstatus 0. Past place 5 the game is over: spielernummer := 1 and no status changes; the caller shows
// the set-up window's winner table.
Wechsel spielerwechsel(bool statusZuruecksetzen = true);

// The canvas font made smaller, a pixel of character height at a time, until `text` takes at most `breite`
// pixels; a text that fits keeps the font as it is.
void schriftEinpassen(Canvas& c, const QString& text, int breite);

// Canvas settings the games' drawings start from: pixels, text centred at its top in "arial", a black pen
// one pixel wide, a white brush.
Canvas& vorbereitet(Canvas& c);

// A key box of one pixel, out of sight, that claims the arrow keys and hands them to `pfeil`: the games steered
// by arrows give it the focus while a turn runs.
TScrollBoxEx* pfeiltastenbox(QWidget* fenster, const char* name, const std::function<void(quint16&)>& pfeil);

// The button that takes the game on (Start, weiter): shown, enabled and focused, so that Enter clicks it.
void anbieten(Button* knopf);
void anbieten(Button* knopf, const QString& aufschrift);

// ---- Error picture ----

// One stroke of the figure in design units of its box.
struct Strich {
    enum class Art { keiner, bogen, linie, ellipse };
    Art art = Art::keiner;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends, or the ellipse's box
    int x3 = 0, y3 = 0, x4 = 0, y4 = 0; // arc: start and end points
};
Strich strich(int nummer);
// Draws stroke `nummer` (1..11; others draw nothing) in black with the pen stiftbreite design units wide.
void fehlerbild(Canvas& c, const DesignGrid& g, int nummer, int stiftbreite);
// The stroke that completes the figure: the player has lost.
constexpr int letzterStrich = 11;
// A mistake's stroke `nummer`; with the last one the player whose turn it is gets spielerstatus `verloren`.
void fehlerstrich(Canvas& c, const DesignGrid& g, int nummer, int stiftbreite, int verloren);
// The picture box wiped white for a new turn's figure.
void bildLeeren(Canvas& c, const DesignGrid& g);

// ---- Turn timer ----

// Ticks of a turn for the time limit chosen (60, 120, 300); "ohne" (3) gives 0 (no limit), or
// `ohneGrenze` when a game still ends a turn then.
int zeitgrenze(int zeitwahl, int ohneGrenze = 0);
// The red bar's right end in pixels after `sekunden` of `grenze` ticks: 200 design units at the limit.
int balkenende(int sekunden, int grenze, float skalaX);
// The time box heading: the green frame, the green bar, "Zeit" in `schrift`.
void zeitkopf(Canvas& c, const DesignGrid& g, const Font& schrift);
// The same with "Zeit" in the default font at 24 design units, as most games show it.
void zeitkopf(Canvas& c, const DesignGrid& g);
// The bar filled green again, and the red part of it.
void balkenGruen(Canvas& c, const DesignGrid& g);
void balkenRot(Canvas& c, const DesignGrid& g, int sekunden, int grenze);
// One second of a turn counted in `sekunden`. Under a time limit the red bar in `balken` grows; at the limit
// `zeitUm` runs before the bar is drawn, so that a count it starts anew shows at once.
void sekunde(int& sekunden, Canvas& balken, const DesignGrid& g, const std::function<void()>& zeitUm);

// ---- End of a turn in the word games ----

// The player's name and, on its own line below it, what became of the turn ("hat gewonnen.", "hat verloren.",
// "hat abgebrochen."), centred at x 100 of the picture box; a line too wide for the box is drawn smaller.
void namenszeilen(
    Canvas& c, const DesignGrid& g, const QString& name, const QString& ergebnis, int yName, int yErgebnis);
// The turn is over: the timer stops, `weiter` is offered as "weiter", `abbrechen` is disabled, and the picture
// box says so: a win with the name and a red tick; a loss (by strokes, or else by time) with the word that was
// to be found, and spielerstatus `verloren` for the player.
void rundenende(Timer& timer, Button* weiter, Button* abbrechen, Canvas& bild, const DesignGrid& g, bool gewonnen,
    bool fehlerVoll, const QString& wort, int verloren);

// A word list with no word the keyboard can write: the heading box, its right edge at `rechts`, names the
// list in the prepared canvas's font colour; Start goes, and `ende`, which then leaves, takes the focus.
void ohneWoerter(Canvas& c, const DesignGrid& g, const QString& liste, int rechts, Button* start, Button* ende);

// ---- Abort ----

// The player's name and, below it, "hat abgebrochen.".
void abbruchtext(Canvas& c, const DesignGrid& g, const QString& name, int yName, int yText);
// The player whose turn it is gives up: the timer stops, the player's spielerstatus becomes 500, `weiter`
// is offered as "weiter", `abbrechen` is disabled, and the picture box `bild` says who gave up.
void abbruch(Timer& timer, Button* weiter, Button* abbrechen, Canvas& bild, const DesignGrid& g, int yName, int yText);

} // namespace gruppenspiel
