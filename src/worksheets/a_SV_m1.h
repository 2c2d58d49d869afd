#pragma once
// "SV_m1": the sheet of 21 written multiplications HZE x E, by their carries.

#include "worksheets/a_SV_m1_logik.h"
#include "worksheets/svrahmen.h"

class TForm9 final : public SVBlatt<sv_m1::Blatt, sv_m1::zeichnen> {
    Q_OBJECT
    Q_DISABLE_COPY(TForm9)
public:
    explicit TForm9(QWidget* parent = nullptr);

protected:
    void erzeugen(const std::vector<int>& arten) override;
};
