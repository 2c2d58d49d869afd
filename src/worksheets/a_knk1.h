#pragma once
// "knk8var": the Knobelkasten sheet of the addition and subtraction ranges and of the middle and large
// table. The Knobelkästen menu chooses the range and resets the form before it opens it.

#include "worksheets/blattform.h"
#include "worksheets/knobelkasten_logik.h"

class Panel;
class RadioGroup;

class TForm24 final : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(TForm24)
public:
    explicit TForm24(QWidget* parent = nullptr);

    // A range button of the menu: range (programmcode), kind 0, five numbers per box, one copy, and the
    // kinds and examples of the range.
    void bereichWaehlen(int bereich);

    Panel* Panel5 = nullptr;
    RadioGroup* RadioGroup3 = nullptr; // numbers per box
    Panel* Panel2 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // kind
    QList<Label*> artlabels; // Label3 .. Label10
    QList<Label*> beispiellabels; // Label11 .. Label18
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    const knobel::Kastenblatt& letztesBlatt() const { return m_letztes; }

private:
    bool druckbereit() const override { return true; }
    void druckenClick() override;

    knobel::Kastenblatt m_letztes;
};
