#pragma once
// "Komma": sheets of eight tasks on quantities in mixed units, each copy its own print job, and on request
// one solution sheet of the same tasks.

#include "worksheets/a_komma_logik.h"
#include "worksheets/ablschnittstellen.h"
#include "worksheets/blattform.h"

#include <QList>
#include <array>

class Button;
class Edit;
class Label;
class ListBox;
class Panel;
class RadioGroup;

class TForm27 final : public Blattform, public KommaVorbereitung {
    Q_OBJECT
    Q_DISABLE_COPY(TForm27)
public:
    explicit TForm27(QWidget* parent = nullptr);

    void Panel5Verbergen() override;

    Panel* Panel6 = nullptr;
    Panel* Panel4 = nullptr;
    RadioGroup* RadioGroup1 = nullptr; // the seven kinds
    Panel* Panel3 = nullptr; // the worked example
    Panel* Panel5 = nullptr;
    QList<ListBox*> listen; // ListBox1 .. ListBox7, one per kind
    Panel* Panel8 = nullptr;
    RadioGroup* euro = nullptr;
    Panel* Panel7 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // Lösungsblatt ohne / mit
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr;
    Button* Button8 = nullptr; // drucken
    Button* Button4 = nullptr; // zurück

    // The sheet the last "drucken" printed.
    const komma::Blatt& gedruckt() const { return m_blatt; }
    int kommazaehler() const { return m_kommazaehler; }

private:
    void F27aktiv();
    void RadioGroup1Click();
    void ListBoxClick(int art);
    void euroClick();
    void druckenClick() override;
    void Button4Click();
    bool druckbereit() const override;
    std::vector<int> formen(int art) const;

    // Per kind and list item: whether the form is chosen.
    std::array<std::array<bool, 7>, komma::artenzahl> m_formwahl {};
    int m_kommazaehler = 0;
    int m_eurowahl = 0;
    komma::Blatt m_blatt;
};
