#pragma once
// The quick-sight runners: a number of dots in the 10, 20 or 100 field is shown for the shortest chosen
// time and hidden; the pupil types how many there were; a wrong answer shows the picture again for the
// next longer time. The three windows differ only in values (ss::Feldart), so they are one class.
//
// The set-up (TForm31) prepares the run in the shared state (numbers, times, limits, pupil folder) and
// opens Form35, Form33 or Form45; at the end the runner writes the protocol, shows it in Form36 and closes.

#include "analyses/f_ss_runner_logik.h"
#include "platform/form.h"
#include "shell/tastenfeld.h"

#include <array>
#include <memory>

class Button;
class GroupBox;
class Label;
class Timer;

class SsRunner : public Form {
public:
    explicit SsRunner(ss::Feld feld, QWidget* parent = nullptr);

    // True when the last run ended with a saved protocol.
    bool protokollGeschrieben() const { return m_geschrieben; }

    std::array<Button*, 10> ziffern {}; // "0" .. "9" (Button10, Button11, Button12, Button3, Button4 ... Button9)
    Button* Button13 = nullptr; // Enter
    Button* Button14 = nullptr; // backspace
    Button* Button15 = nullptr; // "los geht's!" / "weiter!"
    Button* abbruch = nullptr; // "Programm abbrechen" / "Programm beenden"
    GroupBox* GroupBox1 = nullptr;
    Timer* darbietung = nullptr; // timer35, timer33, Timer45
    Label* meldung = nullptr; // a protocol that could not be saved

    // What the pupil has typed ("?" while nothing is typed in the 10 and 20 field).
    QString eingabetext() const { return m_eingabe; }
    int gezeigteZahl() const { return m_gezeigt; }

private:
    Q_DISABLE_COPY(SsRunner)
    enum class Zustand { Bereit, Darbietung, Beantwortet, Fertig };

    void aktiviert();
    void Button15Click();
    void zifferClick(int ziffer);
    void Button14Click();
    void Button13Click();
    void abbruchClick();
    void formkeypress(QChar& key);
    void zeitablauf();
    void zu();

    void auswerten();
    void ziehung();
    void ssprotokoll();

    void setEingabe(const QString& text);
    void keypadAn(bool an);
    void aufgabeBeendet();

    // Pictures, in design units on the window's surface.
    void wischen();
    void rasterZeichnen();
    void punkteZeichnen(bool darbieten);
    void verdecken();
    void antwortbox();
    void haken(bool zeigen);
    void hintergrundStift();
    void rechteck(const ss::Rechteck& r);

    const ss::Feldart& m_art;
    std::unique_ptr<Tastenfeld> m_tastenfeld;
    Zustand m_zustand = Zustand::Bereit;
    QString m_eingabe;
    int m_gezeigt = 0;
    bool m_geschrieben = false;
};

class TForm35 final : public SsRunner {
public:
    explicit TForm35(QWidget* parent = nullptr)
        : SsRunner(ss::Feld::Zehn, parent)
    {
    }
};

class TForm33 final : public SsRunner {
public:
    explicit TForm33(QWidget* parent = nullptr)
        : SsRunner(ss::Feld::Zwanzig, parent)
    {
    }
};

class TForm45 final : public SsRunner {
public:
    explicit TForm45(QWidget* parent = nullptr)
        : SsRunner(ss::Feld::Hundert, parent)
    {
    }
};
