#pragma once
// "Überschlag": estimation sheets of sixty tasks for one of the four operations. The operation, layout and
// forms the window shows are the ones it prints; other sheets may change the shared codes in between.

#include "worksheets/a_ueber_logik.h"
#include "worksheets/blattform.h"

class Button;
class Edit;
class Label;
class ListBox;
class Panel;
class RadioGroup;

class TForm28 final : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(TForm28)
public:
    explicit TForm28(QWidget* parent = nullptr);

    Label* Label1 = nullptr;
    Button* Button2 = nullptr; // Addition
    Button* Button3 = nullptr; // Subtraktion
    Button* Button6 = nullptr; // Multiplikation
    Button* Button7 = nullptr; // Division
    Panel* Panel3 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    Label* zeile1 = nullptr; // "60  Aufgaben    HZE  +   HZE     (nebeneinander)"
    Label* zeile2oben = nullptr;
    Label* zeile2unten = nullptr; // "+ HZE"
    Label* zeile3 = nullptr;
    Label* zeile4oben = nullptr;
    Label* zeile4unten = nullptr; // "+ THZE"
    Panel* Panel5 = nullptr;
    ListBox* ListBox2 = nullptr; // the five multiplication forms
    Panel* Panel6 = nullptr;
    ListBox* ListBox1 = nullptr; // the two division forms
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr;
    Button* Button8 = nullptr; // drucken
    Button* Button4 = nullptr; // zurück

    // The sheet the last "drucken" printed.
    const ueberschlag::Blatt& gedruckt() const { return m_blatt; }

private:
    void F28aktiv();
    void Button2Click();
    void Button3Click();
    void plusminus(int rechenart, QChar zeichen);
    void RadioGroup1Click();
    void Button6Click();
    void Button7Click();
    void ListBox2Click();
    void ListBox1Click();
    void druckenClick() override;
    bool druckbereit() const override;
    void panelZeigen(Panel* panel);
    int formenzahl() const;

    int m_rechenart = 0; // 0 while no operation is chosen
    ueberschlag::Formen m_formwahl {};
    ueberschlag::Blatt m_blatt;
};
