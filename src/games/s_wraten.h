#pragma once
// "Wörterraten": each player in turn finds a word of the chosen category letter by letter. A letter of the
// word is written at every place it stands; any other letter adds a stroke to the error picture and, by
// option, is listed as a miss. The eleventh stroke, or the end of the time limit, loses the turn.

#include "games/buchstabentaste.h"
#include "platform/designgrid.h"
#include "platform/form.h"

#include <memory>

class Buchstabentastatur;
class Button;
class PaintBox;
class Timer;

class TForm62 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm62)
public:
    explicit TForm62(QWidget* parent = nullptr);
    ~TForm62() override;

    PaintBox* PaintBox1 = nullptr; // error picture and messages
    PaintBox* zeitagbox = nullptr; // time bar
    Button* startknopf = nullptr;
    Button* endeknopf = nullptr; // "Programm abbrechen", Esc
    Timer* Timer1 = nullptr;
    Button* buchstabenknopf(int i) const; // Button1 .. Button29 for i = 1..29

    // 0 "Start" waits, 4 letters are given, 1 the turn is over.
    int zustand() const { return m_runde; }
    const QString& wort() const { return m_wahltext; }
    // The word as found so far ("#" where a letter is missing).
    const QString& gefunden() const { return m_gefunden; }
    int fehler() const { return m_fehler; }

private:
    // Handlers
    void form62aktiv();
    void startknopfClick();
    void Timer1Timer();
    void endeknopfClick();

    // Routines
    void anordnen();
    void spielflaeche();
    void zugbeginn();
    void buchstabenpruefung(QChar zeichen);
    void rundenende();

    DesignGrid m_raster { 1.0f, 1.0f };
    std::unique_ptr<Buchstabentastatur> m_tastatur;
    Wortvorrat m_vorrat;
    QString m_liste;
    QString m_wahltext;
    QString m_gefunden;
    int m_runde = 1;
    int m_fehler = 0;
    int m_sekunden = 0;
    bool m_ohneWoerter = false;
};
