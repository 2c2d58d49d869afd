#pragma once
// "Felder_im_100er": twenty tasks of the small table, each under an empty hundred-field in which the pupil
// marks the task's rectangle.

#include "worksheets/einmaleinsblatt.h"

class Panel;

class TForm22 final : public Einmaleinsblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm22)
public:
    explicit TForm22(QWidget* parent = nullptr);

    Panel* P1 = nullptr;
    ListBox* ListBox1 = nullptr;
    ListBox* ListBox2 = nullptr;
    Label* Label15 = nullptr; // formable tasks
    Panel* Panel2 = nullptr;
    Edit* Edit8 = nullptr; // copies
    Button* Button3 = nullptr; // drucken
    Button* Button4 = nullptr; // zurück

    const einmaleins::Hunderterblatt& letztesBlatt() const { return m_letztes; }

private:
    void druckenClick() override;
    void blattdrucken(const std::vector<int>&) override { }

    einmaleins::Hunderterblatt m_letztes;
};
