#pragma once
// "Hilfen beim kleinen  1 : 1": a task dividend : divisor = ? from the pool the hub built; the pupil types the
// quotient and, in tasks with remainder, then the remainder. Five help pictures show the task on the number
// line, in a dot field, on the hundred board, as grouping and as sharing; "&Ergebnis" shows the result for a
// moment.

#include "aids/h_1d1_logik.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class Label;
class Panel;

class TForm72 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm72)
public:
    explicit TForm72(QWidget* parent = nullptr);

    PaintBox* strahlbox = nullptr;
    PaintBox* agbox = nullptr; // the task
    PaintBox* feldbox = nullptr;
    PaintBox* avhundbox = nullptr; // the dividend's dots of "aufteilen" and "verteilen"
    PaintBox* hundbox = nullptr;
    PaintBox* aufteilbox = nullptr;
    PaintBox* verteilbox = nullptr;
    PaintBox* titelbox = nullptr; // title and hint
    Panel* hilfenpanel = nullptr;
    Label* Label1 = nullptr;
    Button* Strahlb = nullptr;
    Button* ergb = nullptr;
    Button* aufteilbutton = nullptr;
    Button* verteilbutton = nullptr;
    Button* feldb = nullptr;
    Button* hundb = nullptr;
    GroupBox* Rechner = nullptr;
    Button* Button13 = nullptr; // Enter
    Button* Button14 = nullptr; // backspace
    Button* Endebutton = nullptr; // the frame's end button

    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }
    // The task on show, its answer phase and the digits typed.
    const kl1d1::Aufgabe& aktuelleAufgabe() const { return m_aufgabe; }
    int phase() const { return m_phase; }
    QString antwort() const { return m_antwort.str(); }
    // Sets the task on show, as a drawn one would be (for looking at given tasks).
    void aufgabeZeigen(const kl1d1::Aufgabe& aufgabe);

protected:
    void aktivieren() override; // durchaktiv
    void neueaufgabe() override;
    void anordnen(const DesignGrid& raster) override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override;
    void eingabeGeaendert() override;
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void ergbClick();
    void StrahlbClick();
    void feldbClick();
    void hundbClick();
    void aufteilbuttonClick();
    void verteilbuttonClick();

    void hilfebild(const kl1d1::Bild& bild);
    void zeichnen(const kl1d1::Bild& bild, bool mitPausen = false);
    PaintBox* box(kl1d1::Box box) const;
    void geloest();

    kl1d1::Aufgabe m_aufgabe;
    int m_phase = kl1d1::kQuotientPhase;
    Text<2> m_antwort;
};
