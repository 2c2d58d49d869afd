#pragma once
// The frame of the three sheets of the small table: two factor lists 2..10 whose choice is the shared
// "1x1felder" section of "aw.ina" (without the file the lists keep what they show), and the pool of factor
// pairs built from what the lists show.

#include "worksheets/blattform.h"
#include "worksheets/einmaleins_logik.h"

#include <functional>

class Einmaleinsblatt : public Vorratsblatt {
    Q_OBJECT
    Q_DISABLE_COPY(Einmaleinsblatt)

protected:
    explicit Einmaleinsblatt(QWidget* parent = nullptr);

    // A factor list at (left, top) in the panel: items "  2" .. "10" in Courier New, multi-select.
    ListBox* faktorliste(QWidget* panel, int left, int top);
    // The chosen factors of list 0 or 1.
    std::vector<int> faktoren(int liste) { return einmaleins::wahlliste(flags(liste)); }

    int& flagwert(int liste, int i) override;
    std::vector<int> vorratBilden() override;
    QString vorratstext(int groesse) const override;
    bool druckbereit() const override { return !vorrat().leer(); }
    // Prints with "Druck läuft" on the "drucken" button meanwhile.
    void mitDruckhinweis(const std::function<void()>& drucken);
};
