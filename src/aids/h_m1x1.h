#pragma once
// "mittleres und großes 1 x 1": a one-digit number times a number from 12 to 19, or two such numbers. The
// pupil types the product digit by digit from the left, each digit judged at once; a wrong digit or
// "Hilfe" takes the product apart one more step on the 20 x 20 dot field, the fifth step shows it.

#include "aids/h_m1x1_logik.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class PaintBox;

class TForm76 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm76)
public:
    explicit TForm76(QWidget* parent = nullptr);

    PaintBox* feldbox = nullptr; // dot field and task
    GroupBox* rechner = nullptr; // keypad and "&Hilfe"
    Button* Hilfeknopf = nullptr;
    Button* weiterbutton = nullptr; // the frame's next-task button
    Button* Endebutton = nullptr; // the frame's end button

    Button* ziffernknopf(int ziffer) const;
    const m1x1::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    // The place (from 1) of the digit to be typed next.
    int stelle() const { return m_stelle; }

protected:
    void anordnen(const DesignGrid& raster) override;
    void aufgabeStellen() override; // the generator
    void eingabeGeaendert() override; // the digit check
    bool nullAblehnen() const override;
    void hilfetaste() override; // HilfeknopfClick
    void hilfeschritt() override;
    bool hilfeAufgebraucht() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void m1x1key(QChar& taste);
    void zifferpruefen();
    void hilfezeichnen(int stufe);
    void aufgabeBeendet();

    m1x1::Aufgabe m_aufgabe;
    int m_stelle = 1;
};
