#pragma once
// "Grundrechenarten": the set-up of a basic-arithmetic analysis (programmcode 11 to 17). The teacher ticks
// the numbers the tasks are formed from, chooses the task variant and the pupil; Start keeps the choice in
// "fw.ina", finds the pupil's protocol folder and number and opens the runner (Form38).
//
// The hub brings the panels of the analysis to the front by their object names ("P11" .. "p17", "P12zepe",
// "P13_14", "p16_17", "r11", "R12", "r13_14", "r16maldurch").

#include "platform/form.h"

#include <array>
#include <memory>

class Button;
class Edit;
class Label;
class ListBox;
class Namenwahl;
class Panel;
class RadioGroup;

class TForm37 final : public Form {
public:
    explicit TForm37(QWidget* parent = nullptr);
    ~TForm37() override;

    // The end of a run, from the runner's protocol writer: Start disabled and the typed name emptied, so that
    // the next run needs its pupil chosen again.
    void laufBeendet();

    Panel* Namenliste = nullptr;
    ListBox* namen = nullptr;
    Edit* n_ohne = nullptr;
    Button* Button2 = nullptr; // "Start"
    Button* Button10 = nullptr; // "zurück"
    Label* Label55 = nullptr; // folder full

    // Number panels of codes 11 .. 17 and their two lists.
    std::array<Panel*, 7> zahlenpanels {};
    std::array<ListBox*, 7> erstelisten {};
    std::array<ListBox*, 7> zweitelisten {};
    // Count labels of each code: up to three (without, with a ten crossing, all; or the one count).
    std::array<std::array<Label*, 3>, 7> zaehllabels {};

    Panel* P12zepe = nullptr;
    Panel* P13_14 = nullptr;
    Panel* p16_17 = nullptr;
    RadioGroup* r11 = nullptr;
    RadioGroup* R12 = nullptr;
    RadioGroup* r13_14 = nullptr;
    RadioGroup* r16maldurch = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(TForm37)
    void aufbauen();
    void zahlenpanel(int code, const QString& titel, const QString& zeichen, const QString& erklaerung);
    void auswahlpanels();

    void form37activate();
    void listenklick(int code, bool ersteListe);
    void R11Click();
    void R12Click();
    void r13_14Click();
    void r16maldurchClick();
    void Button2Click();
    void Button10Click();
    void f37move();

    // The section loader of programmcode: ticks, variant, pool.
    void abschnittladen();
    // The pool builder of programmcode, its count labels and the Start check.
    void aufgabenvorrat();
    void startpruefung();
    // The panels of programmcode on top (the hub brought them to the front; the others step aside).
    void panelsZeigen();
    RadioGroup* variantengruppe() const;
    void folderMeldung(const QString& text);

    Label* namenHinweis = nullptr; // "(max. 8 gültige Zeichen)", shown with the typed name
    std::unique_ptr<Namenwahl> namenwahl;
};
