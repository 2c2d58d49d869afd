#pragma once
// "+/-  im Raum 20": decomposing numbers up to 10, adding, taking away and completing up to 10 and across
// the ten up to 20. The pupil types the missing number of a task line; every wrong digit and every press of
// "Hilfe" adds one step to a help picture, and a right answer completes the picture and ticks the task.

#include "aids/h_raum20_bild.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class PaintBox;

class TForm69 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm69)
public:
    explicit TForm69(QWidget* parent = nullptr);

    PaintBox* agbox = nullptr; // title panel
    GroupBox* Rechner = nullptr; // keypad: digits and "&Hilfe"
    Button* Hilfebutton = nullptr;
    Button* Endebutton = nullptr; // the frame's end button, under this window's name

    // The task on show.
    const raum20::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }

protected:
    void aktivieren() override; // zr20aktiv
    void neueaufgabe() override;
    void anordnen(const DesignGrid& raster) override;
    void aufgabeStellen() override; // aufgabeziehen
    void eingabeGeaendert() override; // zifferzaehlen
    void hilfetaste() override; // HilfebuttonClick
    void hilfeschritt() override;
    bool hilfeAufgebraucht() const override;
    bool automatischesEndeErlaubt() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void aufgabeziehen();
    void aufgabezeigen();
    void zifferzaehlen();
    void ziffernpruefung();
    void geloest();
    void aufgabeVorbei();
    raum20::Zeichner zeichner();

    raum20::Aufgabe m_aufgabe;
    // While a solved task is being completed its bars are painted before it is counted; the run must not
    // end there, or the protocol would miss that task.
    bool m_imGeloest = false;
};
