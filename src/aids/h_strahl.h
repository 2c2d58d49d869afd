#pragma once
// "Strahl": finding numbers on the number line to 10, 20 or 100 (codes 14, 15, 16). In the mode "zeigen"
// the pupil points at the named number with the mouse or the arrow keys; in "nennen" the line shows an
// arrow and the pupil types its number. The mode can be switched after each solved task and is kept in
// the "Strahl" section of "hw.ina".

#include "aids/hilfenrahmen.h"

#include <optional>

class Button;
class Label;
class Memo;
class Panel;
class PaintBox;
class TScrollBoxEx;

class TForm67 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm67)
public:
    explicit TForm67(QWidget* parent = nullptr);

    PaintBox* agbox = nullptr; // task panel
    Panel* PfeilePanel = nullptr; // pointing controls
    Label* plinksprechts = nullptr;
    Button* gefundenbutton = nullptr; // "&gefunden?  Enter!"
    Panel* zeignenn = nullptr; // mode switch
    Button* Button10 = nullptr; // "&umschalten?"
    Memo* Memo1 = nullptr;
    TScrollBoxEx* ScrollBoxEx1 = nullptr; // takes the arrow keys

    // The number the pointer arrow marks on the line, if it stands on it.
    std::optional<int> gezeigt() const { return m_gezeigt; }
    bool aufgabeLaeuft() const { return m_laeuft; }

    // Handlers.
    void mm(int x, int y);
    void mausamstrahl(int x, int y);
    void gefundenbuttonClick();
    void Button10Click();
    void links();
    void rechts();

protected:
    void anordnen(const DesignGrid& raster) override;
    void laufBeginnen() override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override;
    void eingabeGeaendert() override;
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int code() const;
    void strahllinie();
    void zeiger();
    void pfeilbandWischen(int oben);
    void eingabezeigen();
    void nennenpruefung();
    void falschgezeigt(int n);
    void strahlgeloest();
    void gezeigtPruefen();

    std::optional<int> m_gezeigt;
    bool m_laeuft = false;
};
