#pragma once
// "zwischen 10 und 20": tasks between 10 and 20 that cross no ten, either ten single tasks with a picture of
// the space up to 20 or five pairs, each a task up to 10 above its analogue between 10 and 20.

#include "worksheets/familienform.h"

class TForm13 final : public Familienform {
    Q_DISABLE_COPY(TForm13)
public:
    explicit TForm13(QWidget* parent = nullptr);

private:
    // OnActivate: one copy; the lists as last printed, their pool.
    void F13aktiv();
};
