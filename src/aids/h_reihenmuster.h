#pragma once
// "Reihen und Muster": the pupil continues a series with a fixed step, member by member on the keypad, and
// sees it as a pattern in an empty 100 field. A wrong member brings up the field's numbers and a hint; when
// nine members are typed, every number of the field with the series' remainder is framed.

#include "aids/h_reihenmuster_logik.h"
#include "aids/hilfenrahmen.h"
#include "platform/shorttext.h"

class GroupBox;
class PaintBox;

class TForm73 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm73)
public:
    explicit TForm73(QWidget* parent = nullptr);

    PaintBox* titelbox = nullptr; // task text and hints
    GroupBox* Rechner = nullptr;
    Button* Button13 = nullptr; // "Enter"
    Button* Button14 = nullptr; // backspace
    Button* weiterbutton = nullptr; // the frame's next-task button, under this window's name
    Button* Endebutton = nullptr; // the frame's end button
    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }

    // The series on show, the member expected next and which member is asked (10 and more: complete).
    const reihenmuster::Reihe& reihe() const { return m_reihe; }
    int erwartet() const { return m_zielzahl; }
    int gefragt() const { return m_wahl6; }
    QString getippt() const { return m_eingabe.str(); }

protected:
    void anordnen(const DesignGrid& raster) override;
    void neueaufgabe() override;
    void aufgabeStellen() override;
    void eingabeGeaendert() override;
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void titelzeichnen();
    void feldzeichnen();
    void rahmen(int n, bool blau);
    void feldzahlen(const QColor& farbe);
    void fragezeichen(int w);

    reihenmuster::Optionen m_optionen;
    reihenmuster::Reihe m_reihe;
    int m_zielzahl = 0;
    int m_wahl6 = 0;
    // While set, the field's numbers show the typed number's cell on yellow.
    bool m_zwbyte1 = false;
    Text<3> m_eingabe;
};
