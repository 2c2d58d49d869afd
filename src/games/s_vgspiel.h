#pragma once
// "vgSpiel": four in a row, game version. The mover's stone hangs above one of seven slots; the arrow keys or
// the three hand buttons move it and drop it, and it falls to the lowest free hole of the slot.

#include "games/vierinreihe_logik.h"
#include "platform/form.h"

class Button;
class TScrollBoxEx;

class TForm55 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm55)
public:
    explicit TForm55(QWidget* parent = nullptr);

    TScrollBoxEx* ScrollBoxEx1 = nullptr; // takes the arrow keys
    Button* Button1 = nullptr; // "Programm abbrechen", Esc
    Button* Button2 = nullptr; // left
    Button* Button4 = nullptr; // drop, Enter
    Button* Button5 = nullptr; // right
    Button* Button3 = nullptr; // "weiter", "Rückspiel?"

    const vierinreihe::Brett& brett() const { return m_brett; }
    int steine() const { return m_merker; }
    // The slot the stone hangs above, 0 while none hangs.
    int haengtUeber() const;
    // The winning line of the set just decided, in design units.
    QLine linie() const { return m_linie; }
    // The text on the band under the holes after a set.
    const QString& bandtext() const { return m_band; }

private:
    void vgspaktiv();
    void Button1Click();
    void Button3Click();
    void spezialkey(quint16& key, unsigned shift);

    void haengestein(bool zeigen);
    void links();
    void rechts();
    void vgsneu();
    void vgsbrett();
    void einwurf();
    void fallstein();
    void vgssatzende();
    void vgsspielende();
    void eingabenFreigeben(bool an);
    // The arrow-key box takes the focus back while it is enabled.
    void pfeilkastenFokus();

    vierinreihe::Brett m_brett;
    int m_merker = 0;
    int m_zustand = 0;
    bool m_haengt = false;
    QLine m_linie;
    QString m_band;
};
