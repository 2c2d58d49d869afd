#pragma once
// "Botschaften": each player in turn decodes a short message. Every letter is a task; the key table shows
// the result above every letter of the keyboard, and the player gives, letter by letter, the letter under
// each task's result. A wrong letter adds a stroke to the error picture; the eleventh, or the end of the time
// limit, loses the turn.

#include "games/buchstabentaste.h"
#include "games/s_botsch_logik.h"
#include "platform/designgrid.h"
#include "platform/form.h"

#include <memory>
#include <vector>

class Buchstabentastatur;
class Button;
class PaintBox;
class Timer;
class TForm47;

class TForm60 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm60)
public:
    explicit TForm60(QWidget* parent = nullptr);
    ~TForm60() override;

    PaintBox* PaintBox1 = nullptr; // error picture and messages
    PaintBox* PaintBox2 = nullptr; // time bar
    Button* startknopf = nullptr;
    Button* Button31 = nullptr; // "abbrechen", Esc
    Timer* Timer1 = nullptr;
    Button* buchstabenknopf(int i) const; // Button1 .. Button29 for i = 1..29

    // 0 "Start" waits, 4 letters are given, 1 the turn is over.
    int zustand() const { return m_runde; }
    const QString& wort() const { return m_wahltext; }
    const std::vector<s_botsch::Aufgabe>& aufgabenliste() const { return m_aufgaben; }
    int fehler() const { return m_fehler; }

private:
    // Handlers
    void form60aktiv();
    void startknopfClick();
    void Timer1Timer();
    void Button31Click();

    // Routines
    void anordnen();
    void schluesseltafel();
    void zugbeginn();
    void aufgabenZeichnen();
    void buchstabenpruefung(QChar zeichen);
    void rundenende();

    DesignGrid m_raster { 1.0f, 1.0f };
    std::unique_ptr<Buchstabentastatur> m_tastatur;
    Wortvorrat m_vorrat;
    QString m_wahltext;
    QString m_botschaft;
    std::vector<s_botsch::Aufgabe> m_aufgaben;
    int m_runde = 1;
    int m_merker = 1; // the place of the letter expected next
    int m_fehler = 0;
    int m_sekunden = 0;
    bool m_ohneWoerter = false;
};
