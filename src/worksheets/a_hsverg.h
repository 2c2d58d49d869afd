#pragma once
// "hs_5": half-written completing to a full ten, five patterns.

#include "worksheets/halbschriftblatt.h"

class Label;

class TForm19 final : public Halbschriftblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm19)
public:
    explicit TForm19(QWidget* parent = nullptr);

    Label* Label8 = nullptr; // the previews of patterns 1 to 5
    Label* Label1 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    Label* Label5 = nullptr;

private:
    halbschrift::Seite neueSeite() override;
};
