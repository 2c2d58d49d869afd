#pragma once
// "+/- im Raum 100": adding, taking away and completing up to 100, a two-digit number with a one-digit one
// or two two-digit numbers. The pupil types only the end result, digit by digit from the left; every wrong
// digit and every press of "Hilfe" writes the next part step on the squared paper and adds the same step
// to the picture in the 100 field or on the 100 line.

#include "aids/h_pm100_bilder.h"
#include "aids/h_pm100_logik.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class PaintBox;

class TForm77 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm77)
public:
    explicit TForm77(QWidget* parent = nullptr);

    PaintBox* feldbox = nullptr; // 100 field or 100 line
    GroupBox* rechner = nullptr; // keypad: digits and "&Hilfe"
    Button* weiterbutton = nullptr; // the frame's next-task button, under this window's name
    Button* Endebutton = nullptr; // the frame's end button
    Button* Hilfeknopf = nullptr;
    PaintBox* rechenbox = nullptr; // the squared paper with the task

    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }
    // The task on show.
    const pm100::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }

protected:
    void anordnen(const DesignGrid& raster) override;
    void laufBeginnen() override;
    void aufgabeStellen() override; // aufgabenbild
    void eingabeGeaendert() override; // zifferpruefen
    bool nullAblehnen() const override;
    void hilfeschritt() override; // hilfezeichnen
    bool hilfeAufgebraucht() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void raum100key(QChar& taste);
    void aufgabenbild();
    void aufgabenwahl();
    void zifferpruefen();
    void hilfezeichnen();
    int art() const;
    int stufe() const;
    bool amStrahl() const { return wahl7 == 1; }
    pm100::Massstab massstab() const { return { skala_x, skala_y }; }

    pm100::Aufgabe m_aufgabe;
};
