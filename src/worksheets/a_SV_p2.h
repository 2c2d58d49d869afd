#pragma once
// The sheet of 18 column tasks with three numbers: addition of three summands or subtraction of two numbers
// from one, as the menu chose in programmcode; the menu also writes the five type captions.

#include "worksheets/a_SV_p2_logik.h"
#include "worksheets/svrahmen.h"

class TForm8 final : public SVBlatt<sv_p2::Blatt, sv_p2::zeichnen> {
    Q_OBJECT
    Q_DISABLE_COPY(TForm8)
public:
    explicit TForm8(QWidget* parent = nullptr);

    int variante() const { return m_variante; }

protected:
    void erzeugen(const std::vector<int>& arten) override;
    void aktiviert() override;
    void zurueckgesetzt() override;
    QString drucktitel() const override;

private:
    int m_variante = 1;
};
