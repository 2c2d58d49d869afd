#pragma once
// "Knobeln und Planen": the launcher of the seven puzzle games. It shows the title and the option panel of
// the game in programmcode (the hub loaded its section of "sw.ina" into the shared variables and these
// controls), keeps the shared option variables in step with every click, shows the game's rules on "Info",
// and on "Start" saves the section and opens the game window.

#include "games/spielstarter.h"
#include "platform/form.h"

class Button;
class Edit;
class Label;
class ListBox;
class Memo;
class Panel;
class RadioGroup;

class TForm42 final : public Form, public Spielstarter {
    Q_OBJECT
    Q_DISABLE_COPY(TForm42)
public:
    explicit TForm42(QWidget* parent = nullptr);

    void abschnittGeladen(const QString& stichwort, bool ausDatei) override;

    Panel* titelpanel = nullptr;
    Button* Button10 = nullptr; // "zurück", Esc
    Button* Button1 = nullptr; // "&Info"
    Button* Button2 = nullptr; // "Start", Enter

    Panel* Panelzfz1 = nullptr;
    ListBox* ListBox1 = nullptr; // operations
    Panel* pmasch2 = nullptr;
    ListBox* ListBox2 = nullptr; // numbers 0..9
    Panel* Panelkette1 = nullptr;
    RadioGroup* RadioGroup5 = nullptr;
    Panel* panelkettezr = nullptr;
    RadioGroup* RadioGroup6 = nullptr;
    Panel* Panelpyra1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    Panel* Panelpyrazr = nullptr;
    RadioGroup* rgpyrazraum = nullptr;
    Panel* Panelfeld1 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    Panel* Panelfeld2 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    Panel* Panelnbar2 = nullptr;
    ListBox* Lage = nullptr;
    Panel* Panelnbar1 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    Panel* ZQPanel = nullptr;
    Edit* Edit1 = nullptr; // step
    Edit* Edit2 = nullptr; // start number
    RadioGroup* RadioGroup8 = nullptr;
    RadioGroup* RadioGroup9 = nullptr;
    RadioGroup* RadioGroup7 = nullptr;

    Memo* Infozfz = nullptr;
    Memo* infomasch = nullptr;
    Memo* infoKette = nullptr;
    Memo* Infopyra = nullptr;
    Memo* infozq = nullptr;

    bool regelnOffen() const { return m_regelnOffen; }

private:
    void aufbauen();
    void memosAufbauen();

    // Handlers
    void Form42activ();
    void ListBox1Click();
    void ListBox2Click();
    void LageClick();
    void Edit1Change();
    void Edit2Change();
    // The number in Edit1 or Edit2; one that cannot be read turns Start off before its error is reported.
    int zahlLesen(const Edit* feld);
    void Button1Click();
    void Button10Click();
    void Button2Click();
    void schliessen();

    // Routines
    QList<QWidget*> panelsVon(int spiel) const;
    Memo* memoVon(int spiel) const;
    void regelnVerlassen();

    QList<QWidget*> m_panels;
    QList<Memo*> m_memos;
    // A rule text is shown in place of the options: this window's own state, no other window's.
    bool m_regelnOffen = false;
};
