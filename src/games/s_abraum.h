#pragma once
// "Abraum": clearing the nines. The players take turns taking one to three numbers of one row or column;
// whoever takes the last number wins or loses the set, by the rule chosen.

#include "platform/bounded.h"
#include "platform/form.h"

class Button;

class TForm57 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm57)
public:
    explicit TForm57(QWidget* parent = nullptr);

    Button* zahl(int n) const { return m_zahlen[n]; } // Button1 .. Button9, "&1" .. "&9"
    Button* Button10 = nullptr; // "fertig", "weiter", "Rückspiel?"
    Button* Button11 = nullptr; // "Programm abbrechen", Esc

    // The text of the turn box as last drawn.
    const QString& zugtext() const { return m_zugtext; }

private:
    void abraumaktiv();
    void zahlClick(int n);
    void Button10Click();

    void neuersatz();
    void zugkasten();

    BoundedArray<Button*, 1, 9> m_zahlen {};
    QString m_zugtext;
};
