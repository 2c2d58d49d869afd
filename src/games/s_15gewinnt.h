#pragma once
// "15 gewinnt": two pupils share the stones 1 to 9 (the beginner the odd ones) and set them in turn on a
// 3 x 3 board; whoever completes a line of three that adds up to 15 wins the set.

#include "games/s_15gewinnt_logik.h"
#include "platform/bounded.h"
#include "platform/form.h"

class Button;
class Panel;

class TForm56 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm56)
public:
    explicit TForm56(QWidget* parent = nullptr);

    // The fields (1..9) and the stones (1..9: Button11 .. Button19).
    Button* feld(int k) const { return m_felder[k]; }
    Button* stein(int d) const { return m_steine[d]; }
    Panel* ungerade = nullptr;
    Panel* gerade = nullptr;
    Button* Button10 = nullptr; // "Programm abbrechen", Esc
    Button* Button20 = nullptr; // "weiter" / "Rückspiel?"

private:
    void s15gaktiv();
    void feldClick(int k);
    void steinClick(int d);
    void Button20Click();

    void statuszeile();
    void brett15();
    void satzneu15();
    void steinlegen(int d);
    void nachzug();
    void letzterstein();
    void satzgewonnen15();
    void spielende15();
    void farbwechsel15();
    void layout();

    BoundedArray<Button*, 1, 9> m_felder {};
    BoundedArray<Button*, 1, 9> m_steine {};
    fuenfzehn::Werte m_werte {};
    int m_zufallsindex = 0;
    int m_merker = 0;
    int m_zustand = 0;
};
