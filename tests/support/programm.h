#pragma once
// Tests of the whole program: the data folder as the first run leaves it (a copy of the installation
// folder), every window of the program body created once, and a way to drive the windows shown on the way.

#include "platform/form.h"
#include "support/fixtures.h"

#include <QList>
#include <functional>

class ProgrammTest : public TaviTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows `fenster`; every window shown on the way (it too) is listed in `gezeigt` and handed to `schritt`.
    void zeigen(Form* fenster, const std::function<void(Form&)>& schritt);

    QList<Form*> gezeigt;
};

// Copies the installation folder (hw.ina, sw.ina, ..., WORTList/) into `ziel`, writable.
void installordnerKopieren(const QString& ziel);
