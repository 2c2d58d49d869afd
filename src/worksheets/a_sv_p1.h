#pragma once
// The sheet of 21 column tasks with two three-digit numbers: addition, subtraction, two kinds of completion
// and the two "Lücken" variants, as the menu chose in programmcode.

#include "worksheets/a_sv_p1_logik.h"
#include "worksheets/svrahmen.h"

class TForm7 final : public SVBlatt<sv_p1::Blatt, sv_p1::zeichnen> {
    Q_OBJECT
    Q_DISABLE_COPY(TForm7)
public:
    explicit TForm7(QWidget* parent = nullptr);

    Label* Label7() const { return typlabels().at(6); }
    int variante() const { return m_variante; }

protected:
    void erzeugen(const std::vector<int>& arten) override;
    void aktiviert() override;
    void zurueckgesetzt() override;
    QString drucktitel() const override;

private:
    int m_variante = 1;
};
