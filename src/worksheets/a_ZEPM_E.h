#pragma once
// "gemZpmE": Raum-100 sheets of a mixed tens number plus or minus ones, four levels.

#include "worksheets/zehnerblatt.h"

class TForm15 final : public Zehnerblatt {
    Q_OBJECT
    Q_DISABLE_COPY(TForm15)
public:
    explicit TForm15(QWidget* parent = nullptr);
};
