#pragma once
// "Blanco": empty teaching templates. Each button prints its template at once, one copy, as a job of its own.

#include "platform/form.h"

#include <QList>

class Button;
class GroupBox;
class Label;

class TForm5 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm5)
public:
    explicit TForm5(QWidget* parent = nullptr);

    GroupBox* Kringel = nullptr;
    GroupBox* Gitter = nullptr;
    GroupBox* Strahle = nullptr;
    Label* Label4 = nullptr;
    // The nineteen template buttons, circle fields, squared fields, number lines, each group top to bottom.
    QList<Button*> vorlagen;
    Button* Button1 = nullptr; // zurück
};
