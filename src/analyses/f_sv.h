#pragma once
// "f_sv": the set-up of the written-subtraction analysis (programmcode 20). The teacher reads and may print
// the hints on the analysis; the pupil is chosen from the active class list or typed; "Start" makes the
// pupil's folder, finds the free protocol number of "ssub__" and opens the runner (Form40).

#include "platform/form.h"

#include <memory>

class Button;
class Edit;
class Label;
class ListBox;
class Memo;
class Namenwahl;
class Panel;

class TForm39 final : public Form {
public:
    explicit TForm39(QWidget* parent = nullptr);
    ~TForm39() override;

    Panel* Panel1 = nullptr;
    Label* Label2 = nullptr;
    Memo* Memo1 = nullptr; // the hints
    Panel* Namenliste = nullptr;
    Label* Label6 = nullptr;
    Label* Label12 = nullptr;
    ListBox* namen = nullptr;
    Edit* n_ohne = nullptr;
    Button* Button2 = nullptr; // Start
    Button* Button10 = nullptr; // zurück
    Button* Button1 = nullptr; // Hinweise drucken?
    Label* Label18 = nullptr; // folder full

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(TForm39)
    void form39activate();
    void f39move();
    void Button2Click();
    void Button10Click();
    void Button1Click();

    void startpruefung();
    void ordnerMeldung(const QString& text);

    std::unique_ptr<Namenwahl> namenwahl;
};
