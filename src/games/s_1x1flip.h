#pragma once
// "1 x 1 - Flipper": each player in turn answers twenty numbers, ten of the chosen row and ten not, with
// "ja" or "nein" (buttons or the left and right arrow keys), optionally against a time limit per number.
// Every answer is counted for the printed evaluation; the eighth error loses the turn.

#include "platform/designgrid.h"
#include "platform/form.h"

#include <array>

class Button;
class PaintBox;
class TScrollBoxEx;
class Timer;

class TForm61 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm61)
public:
    explicit TForm61(QWidget* parent = nullptr);

    PaintBox* PaintBox1 = nullptr; // error picture and end-of-turn text
    PaintBox* PaintBox2 = nullptr; // laid out, nothing drawn
    Button* Button8 = nullptr; // "Start"
    Button* Button2 = nullptr; // "weiter"
    Button* Button1 = nullptr; // "Programm abbrechen", Esc
    Button* Button3 = nullptr; // "nein"
    Button* Button4 = nullptr; // "ja"
    TScrollBoxEx* ScrollBoxEx2 = nullptr; // takes the arrow keys
    Timer* Timer1 = nullptr;

    // The number shown and waiting for its answer; 0 when none waits.
    int wartendeZahl() const { return m_wartet ? m_nummer : 0; }
    int fehler() const { return m_fehler; }
    int reihe() const { return reihenzahl(); }

private:
    // Handlers
    void form61aktiv();
    void Button8Click();
    void antwort(bool ja);
    void zeitum();
    void Button1Click();
    void Button2Click();
    void specialkey(quint16& taste);

    // Routines
    void anordnen();
    void zugbeginn();
    void bildschirm();
    void naechsteZahl();
    void kastenLeeren();
    void fehlerbild();
    void rundenende();
    int reihenzahl() const;

    DesignGrid m_raster { 1.0f, 1.0f };
    std::array<int, 21> m_zahlen {};
    int m_anzahl = 20;
    int m_nummer = 0;
    bool m_wartet = false; // a number is shown and waits for its answer
    int m_fehler = 0;
    int m_ticks = 0;
};
