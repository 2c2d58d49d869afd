#pragma once
// "gemZgemZ": Raum-100 sheets of two tens numbers, six levels.

#include "worksheets/zehnerblatt.h"

class TForm16 final : public Zehnerblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm16)
public:
    explicit TForm16(QWidget* parent = nullptr);
};
