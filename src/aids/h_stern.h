#pragma once
// "1x1-Stern": the pupil chooses a row of the times table with a digit key and types its products 2 x r ..
// 10 x r; the ones digits of the products draw a star on ten points of an ellipse. On opening all nine
// stars are shown together; later rows are drawn over the earlier ones until "leeren?" empties the board.

#include "aids/hilfenrahmen.h"
#include "platform/shorttext.h"

#include <array>

class GroupBox;
class Label;
class PaintBox;

class TForm74 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm74)
public:
    explicit TForm74(QWidget* parent = nullptr);

    PaintBox* titelbox = nullptr;
    GroupBox* Rechner = nullptr;
    Label* Label1 = nullptr; // "wähle eine 1x1-Reihe"
    Button* Button0 = nullptr;
    Button* Button13 = nullptr; // "Enter", never shown
    Button* Button14 = nullptr; // backspace
    Button* weiterbutton = nullptr; // "&leeren?"
    Button* Endebutton = nullptr;
    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }

    // The row chosen (0 before the first), whether the next digit chooses a row, the factor asked.
    int reihe() const { return m_variante; }
    bool reihenwahl() const { return m_wahl4 == 1; }
    int faktor() const { return m_wahl6; }
    int erwartet() const { return m_zielzahl; }
    QString getippt() const { return m_antwort.str(); }
    QString reihen() const { return m_wahltext.str(); }

protected:
    void anordnen(const DesignGrid& raster) override;
    void aufgabeStellen() override; // the start state of sternaktiv
    void eingabeGeaendert() override;
    void antwortPruefen() override; // Button13Click
    bool nullAblehnen() const override;
    bool automatischesEndeErlaubt() const override { return false; }
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void sternkey(QChar& taste);
    void weiterbuttonClick();
    void alleSterne();
    void leeresBrett();
    void sternschritt(int r, int k);
    void produktspalte();
    void antwortplatz(int k, const QString& text);
    void hinweis(const QString& zeile1, const QString& zeile2);

    int m_variante = 0;
    int m_wahl4 = 1;
    int m_wahl6 = 0;
    int m_zielzahl = 0;
    std::array<int, 11> m_wahlbytes {};
    Text<2> m_antwort;
    Text<60> m_wahltext;
};
