#pragma once
// "SV_d": the sheet of eight written divisions by a one- or two-digit divisor, as the menu chose in
// programmcode, with or without remainders by its own panel "Rest"; the menu writes the type captions.

#include "worksheets/a_sv_d1_logik.h"
#include "worksheets/svrahmen.h"

class TForm11 final : public SVBlatt<sv_d1::Blatt, sv_d1::zeichnen> {
    Q_OBJECT
    Q_DISABLE_COPY(TForm11)
public:
    explicit TForm11(QWidget* parent = nullptr);
    int variante() const { return m_variante; }

    RadioGroup* RadioGroup1 = nullptr; // Rest: "ohne", "mit"

protected:
    void erzeugen(const std::vector<int>& arten) override;
    void aktiviert() override;
    void zurueckgesetzt() override;
    QString drucktitel() const override;

private:
    void RadioGroup1Click();
    void restZuruecksetzen();
    int m_variante = 0;
    int m_wahl8 = 0; // 1: every task leaves a remainder
};
