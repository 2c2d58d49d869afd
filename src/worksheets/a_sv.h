#pragma once
// "schriftliche Rechenverfahren": the menu of the written-calculation sheets. A pattern panel or button sets
// the sheet's variant in programmcode where the sheet has variants, writes the type captions the variant
// needs into the sheet and opens it.

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// A panel showing a task pattern; a click on it or on its text chooses it.
class Musterpanel final : public Panel {
    Q_OBJECT
    Q_DISABLE_COPY(Musterpanel)
public:
    Musterpanel(QWidget* parent, const QString& muster, int left, int top);
    std::function<void()> OnClick;
    Label* text() const { return m_text; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Label* m_text = nullptr;
};

class TForm6 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm6)
public:
    explicit TForm6(QWidget* parent = nullptr);

    Musterpanel* Panel4 = nullptr; // HZE + HZE
    Musterpanel* Panel1 = nullptr; // three summands
    Musterpanel* Panel3 = nullptr; // addition with gaps
    Musterpanel* Panel5 = nullptr; // completion (1)
    Musterpanel* Panel6 = nullptr; // completion (2)
    Musterpanel* Panel7 = nullptr; // HZE - HZE
    Musterpanel* Panel8 = nullptr; // subtraction with gaps
    Musterpanel* Panel9 = nullptr; // two subtrahends
    Button* Button2 = nullptr; // H Z E x E
    Button* Button3 = nullptr; // H Z E x Z E
    Button* Button4 = nullptr; // T H Z E : E
    Button* Button5 = nullptr; // ZT T H Z E : Z E
    Button* Button1 = nullptr; // zurück

private:
    // A column sheet with two numbers: the variant and the caption of its last type row.
    void zweiZahlen(int variante, const QString& label7);
    void dreiZahlen(int variante);
    void division(int variante);
};
