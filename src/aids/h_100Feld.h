#pragma once
// "Zahl einordnen": an empty hundred field, a red cursor on a random cell and a target number; the pupil
// moves the cursor with the hand buttons or the arrow keys and says "gefunden?" on the target's cell.

#include "aids/h_100feld_logik.h"
#include "aids/hilfenrahmen.h"

class Button;
class Panel;
class PaintBox;
class TScrollBoxEx;

class TForm64 final : public Hilfenfenster {
public:
    explicit TForm64(QWidget* parent = nullptr);
    Q_DISABLE_COPY(TForm64)

    Button* gefundenknopf = nullptr; // "&gefunden?", Default
    PaintBox* wohinbox = nullptr; // the "Wohin" panel
    Panel* PfeilePanel = nullptr;
    Button* prauf = nullptr;
    Button* Plinks = nullptr;
    Button* prunter = nullptr;
    Button* prechts = nullptr;
    TScrollBoxEx* ScrollBoxEx1 = nullptr; // keeps the focus, so that the arrow keys move the cursor

    // The moves: up, left, down, right.
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void gefundenknopfClick();

protected:
    void anordnen(const DesignGrid& raster) override;
    std::optional<TRect> mausbereichDesign() const override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;

private:
    void wohinZeichnen();
    void cursorZeichnen(const QColor& farbe);
    void zug(h100feld::Zug richtung);
    void zahlSchreiben(int zeile, int spalte, const QColor& farbe);
    void haken();
};
