#pragma once
// "f_sv_vp": the runner of the written-subtraction analysis. Tasks of the kinds A to K, one kind after the
// other; the pupil types the difference from the units leftwards, with borrow marks if they like; every
// wrong place is matched against the error strategies. The run ends with the protocol (then Form36).

#include "analyses/f_sv_logik.h"
#include "platform/form.h"
#include "shell/tastenfeld.h"

#include <array>
#include <memory>

class Button;
class GroupBox;
class Label;

class TForm40 final : public Form {
public:
    explicit TForm40(QWidget* parent = nullptr);

    GroupBox* GroupBox1 = nullptr; // keypad
    std::array<Button*, 10> ziffernknoepfe {}; // "0".."9" (Button10, Button11, Button12, Button3..Button9)
    Button* Button13 = nullptr; // Enter
    Button* Button14 = nullptr; // backspace
    Button* Button2 = nullptr; // "Ü 1"
    Button* Button15 = nullptr; // "los geht's!" / "weiter!"
    Button* Button1 = nullptr; // "Programm abbrechen"
    Label* meldung = nullptr; // a protocol that could not be saved

    const sv::Lauf& lauf() const { return m_lauf; }
    // True once this run's protocol was saved.
    bool protokollGeschrieben() const { return m_geschrieben; }

private:
    Q_DISABLE_COPY(TForm40)
    void form40activate();
    void form40keypress(QChar& key);
    void Button15Click();
    void Button13Click();
    void Button14Click();
    void Button2Click();
    void Button1Click();
    void zifferClick(int ziffer);

    bool weiterschritt();
    bool svnaechste();
    void svprotokoll();
    void aufgabezeichnen();
    void eingabeanzeige();
    void fortschrittsrahmen(int breite);
    void aufgabenfeldLeeren();
    void tastenfeld(bool an);
    void nachEingabe();

    std::unique_ptr<Tastenfeld> m_tastenfeld;
    sv::Lauf m_lauf;
    bool m_geschrieben = false;
    bool m_fertig = false; // the run is over; only "Programm abbrechen" is left
};
