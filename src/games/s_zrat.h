#pragma once
// "Zahlenraten": each player in turn finds a number from 1 to 100 that the computer draws or a co-player
// types, without aid, with a truth table of questions, in the 100 field or on the number line. Every miss
// adds a stroke to the error picture; the eleventh, or the end of the time limit, loses the turn.

#include "platform/designgrid.h"
#include "platform/form.h"

#include <memory>

class Button;
class GroupBox;
class PaintBox;
class Tastenfeld;
class Timer;

class TForm58 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm58)
public:
    explicit TForm58(QWidget* parent = nullptr);
    ~TForm58() override;

    PaintBox* PaintBox1 = nullptr; // error picture, messages, the co-player's entry
    PaintBox* PaintBox2 = nullptr; // time bar
    PaintBox* feldbox = nullptr; // play area
    GroupBox* GroupBox1 = nullptr; // keypad
    Button *Button0 = nullptr, *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
           *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr, *Button9 = nullptr;
    Button* Button14 = nullptr; // Enter
    Button* Button15 = nullptr; // delete
    Button* startknopf = nullptr;
    Button* kleiner = nullptr;
    Button* gleich = nullptr;
    Button* grosser = nullptr;
    Button* EndeButton = nullptr; // "Programm abbrechen", Esc
    Timer* Timer1 = nullptr;

    // The state of the window: 0 attempts run, 1 turn over, 2 "los geht's" waits, 3 the co-player's number.
    int zustand() const { return m_runde; }
    int geheimzahl() const { return m_nummer; }
    // What the entry shows: the digits typed, "?" while there are none.
    QString eingabe() const { return m_eingabe; }
    int sekunden() const { return m_sekunden; }

private:
    void aufbauen();

    // Handlers
    void form58aktiv();
    void startknopfClick();
    void ziffertaste(int ziffer);
    void Button15Click();
    void Button14Click();
    void form58key(QChar& taste);
    void frageClick(int wahl);
    void Timer1Timer();
    void EndeButtonClick();

    // Routines
    void anordnen();
    void zugbeginn();
    void zahlvorgabe();
    void rateanfang();
    void eingabeanzeige();
    void hilfebild();
    void auswertung();
    void auswertungTabelle(int v);
    void auswertungFeld(int v);
    void verloren();
    void markieren(int n);
    void fehler();
    void fragenFreigeben(bool an);
    void fragenZeigen(bool an);
    void zeitbalkenVerstecken(bool versteckt);

    DesignGrid m_raster { 1.0f, 1.0f };
    std::unique_ptr<Tastenfeld> m_tastenfeld;
    QString m_eingabe = QStringLiteral("?");
    int m_nummer = 0;
    int m_merker = 0; // number of the attempt
    int m_runde = 1;
    int m_wahl5 = 1; // the truth table's question
    int m_fehler = 0; // strokes of the error picture
    // The turn timer counts in its own cells.
    int m_sekunden = 0;
    int m_grenze = 0;
};
