#pragma once
// "hs_4": half-written sheets of one of the four operations, which the menu hands over in programmcode
// together with the previews and level captions it writes.

#include "worksheets/halbschriftblatt.h"

class Label;
class Panel;
class RadioGroup;

class TForm18 final : public Halbschriftblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm18)
public:
    explicit TForm18(QWidget* parent = nullptr);

    Panel* P3 = nullptr;
    RadioGroup* RadioGroup1 = nullptr; // the level
    Label* Label17 = nullptr; // caption of level 1
    Label* Label5 = nullptr; // caption of level 2
    Label* Label8 = nullptr; // the previews of patterns 1 to 4
    Label* Label1 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;

private:
    void F18aktiv();
    void RadioGroup1Click();
    halbschrift::Seite neueSeite() override;

    int m_rechenart = halbschrift::Addition;
    int m_musterstufe = 1;
};
