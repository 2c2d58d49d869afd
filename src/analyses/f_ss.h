#pragma once
// "F_SS": the set-up of the quick-sight tests (programmcode 1, 2, 3 for the 10, 20, 100 field). The hub
// brings the number panel of the code to the front ("zahlen10", "zahlen20", "zahlen100") and opens it.

#include "platform/form.h"

#include <memory>

class Button;
class Edit;
class Label;
class ListBox;
class Namenwahl;
class Panel;
class RadioGroup;

class TForm31 final : public Form {
public:
    explicit TForm31(QWidget* parent = nullptr);
    ~TForm31() override;

    Panel* zahlen10 = nullptr;
    Panel* zahlen20 = nullptr;
    Panel* zahlen100 = nullptr;
    ListBox* ListBox6 = nullptr; // 1..10
    ListBox* ListBox2 = nullptr; // 1..10 of the 20 field
    ListBox* ListBox5 = nullptr; // 11..20
    ListBox* ListBox3 = nullptr; // tens digits
    ListBox* ListBox4 = nullptr; // ones digits
    Label* Label21 = nullptr;
    Label* Label14 = nullptr;
    Label* Label9 = nullptr;
    ListBox* ListBox1 = nullptr; // presentation times
    Edit* Edit1 = nullptr; // minutes
    Edit* Edit2 = nullptr; // tasks
    RadioGroup* RadioGroup1 = nullptr; // Hintergrund
    RadioGroup* RadioGroup3 = nullptr; // Raster
    RadioGroup* RadioGroup2 = nullptr; // grid kept or not
    ListBox* namen = nullptr;
    Edit* n_ohne = nullptr;
    Button* Button2 = nullptr; // Start
    Button* Button1 = nullptr; // zurück
    Label* Label18 = nullptr; // folder full

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(TForm31)
    void Form31activate();
    void ListBox6Click();
    void ListBox2click();
    void ListBox5Click();
    void ListBox3Click();
    void ListBox4Click();
    void ListBox1Click();
    void RadioGroup3Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void Edit1Change();
    void Edit2Change();
    void f31move();
    void Button1Click();
    void Button2Click();

    void startpruefung();
    void zahlenlabel(bool beiKlick);
    void ordnerMeldung(const QString& text);

    std::unique_ptr<Namenwahl> namenwahl;
};
