#pragma once
// The frame of the written-method aids: a task on squared paper in feldbox, messages and help in meldebox,
// a digit keypad, "Ergebnis zeigen", "Hilfe", the next-task and the end button. The pupil types the result
// character by character; each is compared with the expected character of the task (the Schrittfolge).
// A right one is written into the sheet and the pointer moves on, a wrong one gets the aid's message. Past
// the last step the task is ticked and counted. The end brings the hub's level group and "Start" back.
//
// An aid derives from Schriftfenster, sets its Schriftvorgaben and fills in the hooks: how a task is made
// and drawn, where a right character goes, what a wrong one is told, the help and the show button.

#include "aids/hilfenrahmen.h"
#include "aids/schriftrahmen_logik.h"

class GroupBox;
class TForm63;

class Schriftfenster : public Hilfenfenster {
    Q_OBJECT
public:
    explicit Schriftfenster(QWidget* parent = nullptr);

    PaintBox* feldbox = nullptr; // squared paper with the task
    PaintBox* meldebox = nullptr; // messages and help texts
    GroupBox* rechner = nullptr; // the digit keypad
    Button* zeigebutton = nullptr; // "Ergebnis &zeigen"
    Button* Hilfebutton = nullptr; // "&Hilfe"
    Button* weiterbutton = nullptr; // the frame's next-task button, under this window's name
    Button* Endebutton = nullptr; // the frame's end button

    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }
    // The task's expected input and the step the pupil is at.
    const schrift::Schrittfolge& schritte() const { return m_schritte; }
    // What meldebox shows since it was last cleared.
    const schrift::Bild& meldung() const { return m_meldung; }

    // A typed character (a digit button, or a key of the aid's own): checked against the expected one. An aid
    // with a check of its own replaces it (and calls loesen() past the last step).
    virtual void zeichenEingeben(QChar zeichen);
    void zeigebuttonClick();

protected:
    struct Schriftvorgaben {
        QRect feldPlatz { 10, 10, 790, 650 };
        QRect meldePlatz { 10, 650, 790, 350 };
        // Bottom of the message frame, inside meldebox.
        int meldeUnten = 328;
        int meldeStift = 2;
        // Left, top and right of the message frame, inside meldebox (a narrow box has its frame nearer the edge).
        int meldeLinks = 20, meldeOben = 20, meldeRechts = 720;
        // The pointer runs from the last character down (else from the first up).
        bool abwaerts = true;
    };
    Schriftvorgaben schriftvorgaben;
    schrift::Schrittfolge m_schritte;
    // The last right character typed; the messages use it.
    QChar zwtext2;

    void anordnen(const DesignGrid& raster) override;
    void neueaufgabe() override;
    void eingabenFreigeben() override;
    void aufgabeStellen() override;
    void hilfetaste() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

    // ---- Hooks of the written-method aids ----

    // Per-task state of the aid and its own buttons, before the task is drawn.
    virtual void aufgabeVorbereiten() { }
    // The dispatcher: makes the task and begins m_schritte.
    virtual void aufgabeErzeugen() = 0;
    // The squared paper of a new task (the aids with a smaller sheet draw their own).
    virtual schrift::Bild papier() const { return schrift::karopapier(); }
    // Draws the task on the squared paper.
    virtual void aufgabeZeichnen() = 0;
    // Before a typed character is compared (e.g. a help mark erased).
    virtual void vorDerPruefung() { }
    // A right character, before it is written (e.g. an exchange it needs).
    virtual void vorDemEintrag(QChar zeichen) { Q_UNUSED(zeichen); }
    // Writes a right character at the step it belongs to.
    virtual void eintragZeichnen(int schritt, QChar zeichen) = 0;
    // After a right character and the pointer's step (e.g. places to skip).
    virtual void nachDemEintrag(QChar zeichen) { Q_UNUSED(zeichen); }
    // A wrong character: the aid's message.
    virtual void falschesZeichen(QChar zeichen) = 0;
    // After every typed character, right or wrong.
    virtual void nachDerPruefung() { }
    // The help for the step under the pointer (the frame has counted it and cleared the message).
    virtual void hilfeZeigen() = 0;
    // The show button (counted by the frame).
    virtual void ergebnisZeigen() = 0;
    // The mark of a solved task.
    virtual void geloestZeichnen();
    // After a solved task is counted (e.g. buttons of the aid's own hidden).
    virtual void nachDemLoesen() { }
    // Whether the protocol says "entfällt" for the show button.
    virtual bool zeigenEntfaellt() const { return false; }
    // The hub as the pupil finds it again: the level group of the code and "Start", focused.
    virtual void hubZurueck(TForm63& hub);

    // ---- For the aids ----

    void feldZeichnen(const schrift::Bild& bild);
    void meldungZeichnen(const schrift::Bild& bild);
    void meldungLoeschen();
    // The task is solved: its mark, counted, the keypad off, "noch eine Aufgabe?" focused, the bars.
    void loesen();

private:
    schrift::Bild m_meldung;
};
