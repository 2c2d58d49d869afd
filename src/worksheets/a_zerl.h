#pragma once
// " Mengen zerlegen": how many tasks of each quantity 4 to 10 and one of four layouts; zeros as a given
// part can be allowed in the layout with one part given.

#include "worksheets/a_zerl_logik.h"
#include "worksheets/blattform.h"

class GroupBox;
class Panel;
class RadioGroup;

class TForm4 final : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(TForm4)
public:
    explicit TForm4(QWidget* parent = nullptr);

    GroupBox* Lucke = nullptr;
    RadioGroup* RadioGroup1 = nullptr; // layout
    GroupBox* GroupBox3wieoft = nullptr;
    QList<Edit*> Edits; // Edit1 .. Edit7: quantities 4 .. 10
    Label* Label8 = nullptr; // count label
    Panel* Panel1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // zeros "verboten" / "erlaubt"
    Edit* Edit9 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    const zerlegen::Blatt& letztesBlatt() const { return m_letztes; }

private:
    void F4aktiv();
    void RadioGroup1Click();
    void druckenClick() override;

    zerlegen::Blatt m_letztes;
};
