#pragma once
// "Hilfen beim kleinen 1 x 1": tasks a x b of the small times table from the pairs the pupil chose in the
// hub, each pair once per pass. The pupil types the product and presses Enter; a wrong answer is marked and
// has to be deleted and calculated again. Four help pictures (number line, dot field, hundred field, shirts
// and trousers), a calculation tip and a brief look at the result are at hand.

#include "aids/h_1x1_logik.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class Label;
class PaintBox;
class Panel;

class TForm71 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm71)
public:
    explicit TForm71(QWidget* parent = nullptr);

    Button* Endebutton = nullptr; // the frame's end button
    PaintBox* strahlbox = nullptr; // number line
    PaintBox* agbox = nullptr; // task
    PaintBox* feldbox = nullptr; // dot field
    PaintBox* hundbox = nullptr; // hundred field
    PaintBox* kreuzbox = nullptr; // shirts and trousers
    PaintBox* tippbox = nullptr; // tips
    PaintBox* titelbox = nullptr; // title and messages
    Panel* hilfenpanel = nullptr;
    Label* Label1 = nullptr; // "Hilfen"
    Button* Strahlb = nullptr;
    Button* feldb = nullptr;
    Button* hundb = nullptr;
    Button* kreuzb = nullptr;
    Button* tippb = nullptr;
    Button* ergb = nullptr;
    GroupBox* Rechner = nullptr;
    Button* Button13 = nullptr; // Enter
    Button* Button14 = nullptr; // backspace

    Button* ziffernknopf(int ziffer) const;
    const kl1x1::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }

protected:
    void anordnen(const DesignGrid& raster) override;
    void neueaufgabe() override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override; // ziehung
    void eingabeGeaendert() override; // the entry display
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    bool automatischesEndeErlaubt() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void ergbClick();
    void StrahlbClick();
    void feldbClick();
    void hundbClick();
    void kreuzbClick();
    void tippbClick();

    // Every help press is an input and a help press; the picture follows, then the focus goes back to Enter.
    void hilfeGezaehlt();
    void haekchen();

    kl1x1::Aufgabe m_aufgabe;
    // Once the first task is solved, the next-task button stays in sight and is only switched off.
    bool m_weiterGezeigt = false;
};
