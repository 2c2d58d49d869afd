#pragma once
// "Grundrechenarten": the run of a basic-arithmetic analysis. Tasks of the pool that the set-up window
// (Form37) built come one by one without repeats; the pupil answers on the keypad or the keyboard, gets no
// right/wrong feedback, and every answer is timed and classified. After the last task, or on "Programm
// abbrechen" with at least one answer, the protocol is written and shown in the protocol viewer (Form36).

#include "platform/form.h"
#include "shell/tastenfeld.h"

#include <QChar>
#include <array>
#include <memory>

class Button;
class GroupBox;
class Label;

class TForm38 final : public Form {
public:
    explicit TForm38(QWidget* parent = nullptr);

    GroupBox* GroupBox1 = nullptr; // the keypad
    std::array<Button*, 10> ziffern {}; // "0" .. "9": Button10, Button11, Button12, Button3, Button4 .. Button9
    Button* Button13 = nullptr; // Enter
    Button* Button14 = nullptr; // backspace
    Button* Button15 = nullptr; // "los geht's!"
    Button* Button1 = nullptr; // "Programm abbrechen"
    Label* Label1 = nullptr;

    // True while a task is on the screen and takes its answer.
    bool aufgabeOffen() const { return m_aufgabeOffen; }

private:
    Q_DISABLE_COPY(TForm38)
    void form38activ();
    void Button15Click();
    void zifferClick(int ziffer);
    void Button14Click();
    void Button13Click();
    void Button1Click();
    void formkeypress(QChar& key);

    void naechsteaufgabe();
    void protokoll();
    void keypadAn(bool an);
    void fortschritt();
    void textlinks(const QString& text);
    void textrechts(const QString& text);
    void eingabefeld();
    void rechenzeichen();

    std::unique_ptr<Tastenfeld> m_tastenfeld;
    bool m_aufgabeOffen = false;
};
