#pragma once
// "1x1-Felder": dot fields of a rows by b columns for tasks a x b from the chosen factors, as many as fill
// the page's two columns; with no second factor the fields are squares.

#include "worksheets/einmaleinsblatt.h"

class Panel;

class TForm21 final : public Einmaleinsblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm21)
public:
    explicit TForm21(QWidget* parent = nullptr);

    Panel* P1 = nullptr;
    ListBox* ListBox1 = nullptr; // first factors: rows
    ListBox* ListBox2 = nullptr; // second factors: columns
    Label* Label15 = nullptr; // formable tasks
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    const einmaleins::Felderblatt& letztesBlatt() const { return m_letztes; }

private:
    void Form21aktiv();
    std::vector<int> vorratBilden() override;
    QString vorratstext(int groesse) const override;
    void druckenClick() override;
    void blattdrucken(const std::vector<int>&) override { }

    bool m_aktivierung = false;
    einmaleins::Felderblatt m_letztes;
};
