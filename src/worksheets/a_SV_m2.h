#pragma once
// "SV_m2": the sheet of 18 written multiplications of a three-digit by a two-digit number, in the factor
// order of its own panel "Form".

#include "worksheets/a_SV_m2_logik.h"
#include "worksheets/svrahmen.h"

class TForm10 final : public SVBlatt<sv_m2::Blatt, sv_m2::zeichnen> {
    Q_OBJECT
    Q_DISABLE_COPY(TForm10)
public:
    explicit TForm10(QWidget* parent = nullptr);

    RadioGroup* RadioGroup1 = nullptr; // "HZE x ZE", "  ZE x HZE"

protected:
    void erzeugen(const std::vector<int>& arten) override;
    void aktiviert() override;
    void zurueckgesetzt() override;

private:
    void RadioGroup1Click();
    void formZuruecksetzen();
};
