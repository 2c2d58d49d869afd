#pragma once
// "Rechnen in Tabellen": the pupil fills an operation table cell by cell. The margins hold the row and
// column numbers, the corner the sign; one cell at a time asks for its result (division in three steps:
// the multiple that can be divided, the quotient, the remainder). A right answer fills the cell, a wrong
// one shows "Zahlendreher!" or the whole equation and waits for "weiter"; the run ends by itself when the
// last cell is filled. Until the first digit is typed the empty table can be printed as a worksheet.

#include "aids/h_tab1_logik.h"
#include "aids/hilfenrahmen.h"

class GroupBox;
class PaintBox;

class TForm70 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm70)
public:
    explicit TForm70(QWidget* parent = nullptr);

    Button* Endebutton = nullptr; // the frame's end button, under this window's name
    Button* Button10 = nullptr; // "&Arbeitsblatt drucken?"
    Button* weiterbutton = nullptr; // the frame's next-task button: "&weiter" after a wrong answer
    PaintBox* agbox = nullptr; // title and messages
    PaintBox* Tabellenbox = nullptr; // the table
    GroupBox* Rechner = nullptr; // keypad

    Button* ziffernknopf(int ziffer) const { return tastenfeld->ziffer(ziffer); }
    // The table of the run.
    const tab1::Tabelle& tabelle() const { return m_tabelle; }
    // The asked cell.
    const tab1::Zelle& zelle() const { return m_zelle; }

protected:
    void aktivieren() override; // tabaktaiv
    void neueaufgabe() override;
    void anordnen(const DesignGrid& raster) override;
    void eingabenFreigeben() override;
    void aufgabeStellen() override; // the table set-up
    void eingabeGeaendert() override; // the entry display
    void antwortPruefen() override; // Button13Click
    bool nullAblehnen() const override;
    bool automatischesEndeErlaubt() const override { return false; }
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void weiterbuttonClick();
    void Button10Click();

    void titelZeichnen();
    void tabelleZeichnen();
    void zelleZeigen();
    void loesungZeichnen();
    void meldungZeichnen(const tab1::Pruefung& p);
    void schemaZeichnen(const QColor& farbe, int breite);
    void fragezeichen(int x, int y);
    // The inner rectangle of the asked cell, in pixels of the table box.
    void zellrechteck(const QColor& stift, int breite, const QColor& fuellung);
    void keineEingaben();

    // Design units of the asked cell.
    int links() const { return (m_zelle.spalte + 1) * zellbreite; }
    int oben() const { return (m_zelle.zeile + 1) * zellhoehe; }
    int mitte() const { return links() + zellbreite / 2; }
    int sx(double x) const;
    int sy(double y) const;

    tab1::Tabelle m_tabelle;
    tab1::Zelle m_zelle;
    bool m_gefragt = false;
    // The hub's task goal and task kind, back in place when the run is over.
    int m_hubaufgaben = 0;
    int m_hubvariante = 0;
};
