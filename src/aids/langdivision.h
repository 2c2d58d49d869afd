#pragma once
// The long divisions ("SV4", "SV5"): the pupil writes every quotient digit, product, difference and digit
// brought down, from left to right. The check is the division's own: a right character is written at its
// step and the pointer moves on (past a leading "0" that falls away); a wrong one gets the aid's message,
// and some messages take the input back. Help and show explain or name the character of the step.
//
// TForm82 and Tform83 derive from it and give their generators, tables, messages and help.

#include "aids/langdivision_logik.h"
#include "aids/schriftrahmen.h"

class Langdivisionfenster : public Schriftfenster {
    Q_OBJECT
public:
    explicit Langdivisionfenster(QWidget* parent = nullptr);

    const langdivision::Schrittplan& plan() const { return m_plan; }

    void zeichenEingeben(QChar zeichen) override;

protected:
    // What differs between the two divisions.
    struct Divisionsvorgaben {
        QString rechenart; // line 4 before the remainder choice
        QRect zeigenLeeren; // the part of the message frame "Tippe:" clears
    };
    Divisionsvorgaben divisionsvorgaben;
    langdivision::Schrittplan m_plan;

    void aufgabeVorbereiten() override;
    void ergebnisZeigen() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    // Makes the plan of a new task (and begins the step pointer at its start).
    void planBeginnen(const langdivision::Schrittplan& plan);

    // ---- Hooks of the divisions ----

    // A right character at `schritt`, before the pointer moves: its entry and the marks it ends.
    virtual void eintragen(int schritt, QChar zeichen);
    // After the pointer moved from `vorher` to `jetzt` (subtraction lines).
    virtual void weitergerueckt(int vorher, int jetzt)
    {
        Q_UNUSED(vorher);
        Q_UNUSED(jetzt);
    }
    // The message for a wrong character, and what it draws on the sheet besides.
    virtual langdivision::Meldung meldungFuer(int schritt, QChar eingabe) = 0;
    // The help's texts and drawings for the step; the frame adds the red "?" at helpPlatz.
    virtual void hilfeZeichnen(int schritt) = 0;
    virtual QPoint fragePlatz(int schritt) const { return m_plan.platz(schritt); }
    virtual bool mitRest() const = 0;

    // The per-task marker line state.
    int zeilennr = 0;

private:
    void hilfeZeigen() override;
    // The step hooks of the frame's own check are not used here.
    void eintragZeichnen(int, QChar) override { }
    void falschesZeichen(QChar) override { }
};
