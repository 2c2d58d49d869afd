#pragma once
// "kbk4var": Knobelkästen of the small multiplication table and its divisions, with or without
// remainders, from the chosen factors.

#include "worksheets/einmaleinsblatt.h"
#include "worksheets/knobelkasten_logik.h"

class Panel;
class RadioGroup;

class TForm25 final : public Einmaleinsblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm25)
public:
    explicit TForm25(QWidget* parent = nullptr);

    Panel* P1 = nullptr;
    ListBox* ListBox1 = nullptr;
    ListBox* ListBox2 = nullptr;
    Label* Label22 = nullptr; // formable tasks
    Panel* Panel2 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // kind
    Panel* Panel5 = nullptr;
    RadioGroup* RadioGroup3 = nullptr; // numbers per box
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    const knobel::Kastenblatt& letztesBlatt() const { return m_letztes; }

private:
    void Form25aktiv();
    int kastengroesse() const;
    bool druckbereit() const override;
    void druckenClick() override;
    void blattdrucken(const std::vector<int>&) override { }

    knobel::Kastenblatt m_letztes;
};
