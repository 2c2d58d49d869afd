#pragma once
// "Partnerspiele": the set-up window of the six games two pupils play against each other. It shows the
// game's title, the two names, the game's own option and on request its rules; "Start" keeps the option in
// "sw.ina" and opens the game.

#include "games/spielstarter.h"
#include "platform/form.h"

class Button;
class CheckBox;
class Edit;
class GroupBox;
class Label;
class ListBox;
class Memo;
class Panel;
class RadioGroup;

class TForm44 final : public Form, public Spielstarter {
    Q_OBJECT
    Q_DISABLE_COPY(TForm44)
public:
    explicit TForm44(QWidget* parent = nullptr);

    void abschnittGeladen(const QString& stichwort, bool ausDatei) override;

    Button* Button1 = nullptr; // "zurück", Esc
    Button* Button2 = nullptr; // "&Start"
    Button* Button4 = nullptr; // "&Anleitung lesen"
    Panel* titelpanel = nullptr;
    Panel* Panel1 = nullptr;
    Label *Label2 = nullptr, *Label3 = nullptr;
    Edit *Edit1 = nullptr, *Edit2 = nullptr;
    Panel* Panel2 = nullptr;
    Label* Label4 = nullptr;
    ListBox* ListBox2 = nullptr;
    GroupBox* Regel_vg100 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    RadioGroup* abraumregel = nullptr;
    Panel* startziel = nullptr;
    RadioGroup* Richtung = nullptr;
    Label *Label8 = nullptr, *Label9 = nullptr;
    Edit *edit3 = nullptr, *Edit4 = nullptr;
    CheckBox *gegenpcdumm = nullptr, *gegenpcschlau = nullptr;
    Memo *Anleitungtic = nullptr, *anleitungvg100 = nullptr, *anleitungVGS = nullptr, *anleitung15g = nullptr,
         *anleitungabr = nullptr, *anleitungziel = nullptr;

    bool regelnOffen() const { return m_regelnOffen; }

private:
    void aufbauen();
    void memosAufbauen();

    void form44activ();
    void Button2Click();
    void Button1Click();
    void Button4Click();
    void gegenpcClick(CheckBox* box, CheckBox* andere, int modus);
    void RichtungClick();
    void zielzahlGeaendert(Edit* feld, int& zahl);
    // The target game's edits and labels laid out for the direction in `variante`.
    void richtungZeigen();
    QList<Memo*> memos() const;
    // Back from a rule text to the options.
    void regelnVerlassen();

    // A rule text is shown in place of the options: this window's own state, no other window's.
    bool m_regelnOffen = false;
};
