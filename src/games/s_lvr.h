#pragma once
// "links / vorwärts / rechts": each player in turn steers a figure along a green path on a 10 x 10 grid with
// the commands left, forward and right, by buttons or the arrow keys. A wrong command adds a stroke to the
// error picture and the figure starts the path again; the completed path shows the time taken.

#include "games/s_lvr_logik.h"
#include "platform/designgrid.h"
#include "platform/form.h"

class Button;
class PaintBox;
class TScrollBoxEx;
class Timer;

class TForm48 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm48)
public:
    explicit TForm48(QWidget* parent = nullptr);

    PaintBox* PaintBox1 = nullptr; // error picture, messages, tick and time
    PaintBox* PaintBox2 = nullptr; // time box
    Button* Button8 = nullptr; // "Start" / "weiter"
    Button* Button2 = nullptr; // "von vorn"
    Button* Button5 = nullptr; // "L"
    Button* Button4 = nullptr; // "V"
    Button* Button7 = nullptr; // "R"
    Button* Button1 = nullptr; // "Programm abbrechen", Esc
    TScrollBoxEx* ScrollBoxEx1 = nullptr; // takes the arrow keys
    Timer* Timer1 = nullptr;

    const s_lvr::Pfad& pfad() const { return m_pfad; }
    int befehlszaehler() const { return m_befehlszaehler; }
    int fehler() const { return m_fehler; }
    int runde() const { return m_runde; }

private:
    // Handlers
    void form48aktiv();
    void Button8Click();
    void befehlsknopf(QChar befehl);
    void spezialkey(quint16& taste);
    void Button2Click();
    void Button1Click();
    void zeitum();

    // Routines
    void anordnen();
    void zugbeginn();
    void pfadZeichnen();
    void befehlspruefung(QChar befehl);
    // The figure (or the red arrow) in not-xor: drawing it again removes it.
    void figurZeichnen(int platz, QChar richtung);
    void pfeilZeichnen(int platz, QChar richtung);
    // Both draw an outline the path logic gives for a place and a direction.
    using Umriss = std::vector<QPoint> (*)(const s_lvr::Feld&, QChar);
    void umrissZeichnen(int platz, QChar richtung, Umriss umriss, const QColor& farbe);
    // The message under the figure wiped white, inside the box's border.
    void meldungLeeren();
    void bewegungsknoepfe(bool zeigen);

    DesignGrid m_raster { 1.0f, 1.0f };
    s_lvr::Pfad m_pfad;
    int m_befehlszaehler = -1;
    QChar m_irrichtung;
    int m_fehler = 0;
    int m_runde = 0;
    int m_sekunden = 0;
    double m_startzeit = 0;
};
