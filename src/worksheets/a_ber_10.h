#pragma once
// "Bereich bis 10": ten tasks of the plus-task family up to 10, a picture of the space up to 10 beside every
// row, one page or two half pages to cut apart.

#include "worksheets/familienform.h"

class TForm3 final : public Familienform {
    Q_DISABLE_COPY(TForm3)
public:
    explicit TForm3(QWidget* parent = nullptr);

private:
    // OnActivate: one copy; the lists as last printed, their pool.
    void F3aktiv();
};
