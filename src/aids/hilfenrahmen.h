#pragma once
// The frame around every aid's exercise: activation on the design grid, the run's counters and clock, one
// task after another, the time and task bars with the automatic end, the help button, the pause, the
// cursor trap, the keypad with its keyboard mirror, and the end button that writes the protocol lines and
// opens the protocol dialog. An aid window derives from Hilfenfenster, creates its own controls, sets its
// Vorgaben and fills in the hooks; everything else is the frame's.

#include "aids/hilfenrahmen_logik.h"
#include "shell/tastenfeld.h"
#include "platform/designgrid.h"
#include "platform/form.h"
#include "platform/shorttext.h"
#include "shell/HalmorGlobalDefs.h"

#include <functional>
#include <memory>
#include <optional>

class Button;
class PaintBox;
class TScrollBoxEx;

// The input string of an aid (zifferneingabe, antwort, eingabe ...): the keypad appends to it and takes
// from it whatever its capacity.
class Eingabetext {
public:
    Eingabetext() = default;
    template <int N>
    explicit Eingabetext(Text<N>& text)
        : m_lesen([&text] { return text.str(); })
        , m_schreiben([&text](const QString& s) { text = s; })
        , m_kapazitaet(N)
    {
    }
    bool verbunden() const { return bool(m_lesen); }
    QString text() const { return m_lesen ? m_lesen() : QString(); }
    void setzen(const QString& s) const
    {
        if (m_schreiben) m_schreiben(s.left(m_kapazitaet));
    }
    int kapazitaet() const { return m_kapazitaet; }

private:
    std::function<QString()> m_lesen;
    std::function<void(const QString&)> m_schreiben;
    int m_kapazitaet = 0;
};

class Hilfenfenster : public Form {
    Q_OBJECT
public:
    explicit Hilfenfenster(QWidget* parent = nullptr);
    ~Hilfenfenster() override;

    // ---- The frame routines ----

    // Activation: cursor trap, layout, counters and start time, the next-task caption, the first task.
    virtual void aktivieren();
    // Per-task reset and start of the next task.
    virtual void neueaufgabe();
    // The next-task button.
    void nocheineaufgabe();
    // A task is done: counted (its necessary inputs as right ones when richtigBuchen), clock step, input off,
    // next-task button shown, and the bars when balken.
    void aufgabeAbschliessen(bool richtigBuchen = true, bool balken = true);
    // The bars, and the automatic end once both limits are reached. Nothing while a limit is 0.
    void zeitbalken();
    // The help button: one more help step; when the help is used up the task counts as done.
    virtual void hilfetaste();
    // A busy-wait pause of the aid's length (or of `tage`); the windows stay painted, input waits.
    void warteschleife();
    void warteschleife(double tage);
    // Confines the mouse to a rectangle given in design units (left, top, right, bottom); mausfrei lets it go.
    void mausfalle(const TRect& design);
    void mausfrei();
    // The end button: end time, trap released, protocol lines 2 to 12, the protocol dialog when a limit was
    // reached, the aid's last word to the hub, close.
    virtual void protokollende();

    // ---- Keypad and keyboard ----

    void ziffertaste(int ziffer);
    void loeschtaste();
    void eingabetaste();
    // The form's key handler while KeyPreview is on: backspace, Enter, Esc and the digits click their buttons,
    // as long as those are shown and enabled.
    void tastenweiche(QChar& taste);
    // The arrow-key box of a cursor-moving aid: it claims the four arrow keys and turns them into moves.
    static void pfeiltastenVerbinden(TScrollBoxEx* box, std::function<void()> links, std::function<void()> hoch,
        std::function<void()> rechts, std::function<void()> runter);

    Button* endebutton = nullptr; // "Programm abbrechen", Cancel
    Button* nocheinebutton = nullptr; // "noch eine Aufgabe?", Default
    PaintBox* zeitagbox = nullptr; // time and task bars
    std::unique_ptr<Tastenfeld> tastenfeld; // null in aids without a keypad

protected:
    // What differs from aid to aid.
    struct Vorgaben {
        QString nocheineCaption = QStringLiteral("noch eine Aufgabe?");
        // Design units: the frame controls of the hundred-field aids.
        QRect nocheinePlatz { 750, 770, 200, 45 };
        int nocheineSchrifthoehe = 28;
        QRect endePlatz { 750, 950, 200, 40 };
        int endeSchriftgroesse = 14;
        QRect zeitagPlatz { 750, 835, 200, 100 };
        // Keyboard input follows the task (KeyPreview on while it runs); the placing aid takes its arrow keys
        // through its arrow-key box instead.
        bool keyPreview = true;
        // The per-task reset paints the bars (some aids paint them in their task routine instead).
        bool balkenBeiNeuerAufgabe = true;
        // The end button takes the end time; some aids write the time of the last finished task.
        bool endzeitNehmen = true;
        // Used-up help: the task's necessary inputs count as right ones, and the bars are painted.
        bool hilfeBuchtRichtig = false;
        bool balkenNachHilfe = false;
        // Inputs a backspace takes back (the entry routine that follows counts one again).
        int loeschabzug = 1;
        // Digits the input string keeps (0: its capacity).
        int eingabegrenze = 0;
        // Pause length in days.
        double pausenlaenge = 1.5e-6;
    };
    Vorgaben vorgaben;
    // The aid's input string, if it has a keypad.
    Eingabetext eingabe;

    // Creates the keypad and connects its buttons to the frame.
    Tastenfeld& tastenfeldAnlegen(
        unsigned teile = Tastenfeld::Alle, const Tastenfeld::Anordnung& anordnung = Tastenfeld::Anordnung());
    // The help button (the keypad's, or one of the aid's own), connected to hilfetaste.
    void hilfebuttonSetzen(Button* button);
    Button* hilfebutton() const { return m_hilfebutton; }
    // The frame's buttons under the names the aid's own code and tests use (weiterbutton with the next-task
    // caption, Endebutton, zeitagbox).
    void rahmenknoepfeBenennen(Button*& weiter, Button*& ende);

    DesignGrid raster() const { return DesignGrid(skala_x, skala_y); }

    // ---- Hooks ----

    // Lays the aid's controls out on the design grid; the frame's own are placed before.
    virtual void anordnen(const DesignGrid& raster);
    // The cursor trap of the aid, in design units; none by default.
    virtual std::optional<TRect> mausbereichDesign() const { return std::nullopt; }
    // Start of a run, after the counters (bags, per-run flags).
    virtual void laufBeginnen() { }
    // Shows and enables the task's input controls; the frame enables the keypad and the help button.
    virtual void eingabenFreigeben();
    // Disables them when the task is done.
    virtual void eingabenSperren();
    // Draws the work area, sets up the task and puts the focus on the input control.
    virtual void aufgabeStellen() = 0;
    // The entry routine after a digit or a backspace.
    virtual void eingabeGeaendert() { }
    // The answer check behind Enter.
    virtual void antwortPruefen() { }
    // A key the aid routes itself while KeyPreview is on (e.g. a letter for a key of its own); true when it
    // took the key, which then goes nowhere else.
    virtual bool sondertaste(QChar taste)
    {
        Q_UNUSED(taste);
        return false;
    }
    // True when the 0 button is to be ignored now (e.g. a first 0 of a number that does not end in 0).
    virtual bool nullAblehnen() const { return false; }
    // Draws help step `hilfestufe`.
    virtual void hilfeschritt() { }
    virtual bool hilfeAufgebraucht() const { return hilfestufe > 4; }
    // Whether the bars may end the run by themselves (some aids never end by themselves).
    virtual bool automatischesEndeErlaubt() const { return true; }
    // The aid's texts of the protocol.
    virtual hilfenrahmen::Protokollangaben protokollangaben() const = 0;
    // After the protocol, before the window closes: the hub control the aid gives the focus back to.
    virtual void nachDemEnde() { }
    // OnClose: releases the cursor trap.
    virtual void zu();

private:
    Button* m_hilfebutton = nullptr;
};
