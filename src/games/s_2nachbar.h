#pragma once
// "Nachbarn": find 2, 3 or 4 neighbouring numbers of the empty hundred field that add up to a target, moving
// a red cursor with the hand buttons or the arrow keys; some targets may be unreachable and have to be named
// so.

#include "games/s_2nachbar_logik.h"
#include "platform/form.h"

class Button;
class TScrollBoxEx;

class TForm32 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm32)
public:
    explicit TForm32(QWidget* parent = nullptr);

    Button* Button8 = nullptr; // "&gefunden?"
    Button* Button9 = nullptr; // "noch eine Aufgabe?"
    Button* Button2 = nullptr; // "&Zahlen zeigen"
    Button* Button3 = nullptr; // "&nicht lösbar"
    Button* Button1 = nullptr; // "Programm abbrechen"
    Button* Button4 = nullptr; // up
    Button* Button5 = nullptr; // left
    Button* Button6 = nullptr; // down
    Button* Button7 = nullptr; // right
    TScrollBoxEx* ScrollBoxEx1 = nullptr;

    int nachbarlage() const { return m_lage; }
    const s_2nachbar::Aufgabe& aufgabe() const { return m_aufgabe; }
    QPoint cursor() const { return { m_spalte2, m_zeile2 }; }
    // The sum text of the last "gefunden?" (empty after a move).
    QString summe() const { return m_summe; }
    // Tests: a task of the test's choice (its direction and target), shown with the cursor at 45.
    void aufgabeSetzen(int lage, const s_2nachbar::Aufgabe& aufgabe);

private:
    // Handlers
    void Form32aktiv();
    void nachbarzu();
    void Button8Click();
    void Button9Click();
    void Button2Click();
    void Button3Click();
    void Button1Click();
    void bewegen(int dr, int dc);

    // Routines
    void anordnen();
    void neueAufgabe();
    void aufgabenpanel();
    void kursor(const QColor& farbe);
    void zahlenZeichnen(const QColor& farbe);
    void geloest();
    void feldknoepfe(bool an);

    int m_lage = 0;
    int m_letztelage = 0; // survives closing: no two tasks in a row share a direction
    s_2nachbar::Aufgabe m_aufgabe;
    int m_zielkorrektur = 0;
    int m_zeile2 = 4, m_spalte2 = 4;
    QString m_summe;
};
