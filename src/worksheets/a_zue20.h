#pragma once
// "Zehnerübergang": ten tasks of the plus-task family that cross the ten, with legs under the second number
// for splitting it, a picture of the space up to 20 beside every row, one page or two half pages.

#include "worksheets/familienform.h"

class TForm12 final : public Familienform {
    Q_DISABLE_COPY(TForm12)
public:
    explicit TForm12(QWidget* parent = nullptr);

private:
    // OnActivate: one copy; the lists as last printed, their pool.
    void F12aktiv();
};
