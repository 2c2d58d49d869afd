#pragma once
// "Mengen erkennen": how many shapes were shown for a moment ("Wie viele sind es?", code 11, with five help
// steps up to counting them in a strip), and which three-digit number plates, rods and cubes show
// ("Platten, Stangen, Blöcke", code 111, with place markers after a wrong answer).

#include "aids/h_mengen_logik.h"
#include "aids/hilfenrahmen.h"

#include <QVector>

class Button;
class PaintBox;
class Timer;

class TForm68 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm68)
public:
    explicit TForm68(QWidget* parent = nullptr);

    PaintBox* agbox = nullptr; // question, answer box, tick
    Timer* Timer1 = nullptr; // covers the shapes after the presentation time
    Button* Hilfebutton = nullptr; // "&Hilfe"

    // The shapes of the current task (code 11), in the order they were placed.
    const QVector<mengen::Objekt>& objekte() const { return m_objekte; }

    void wievtimer();

protected:
    void anordnen(const DesignGrid& raster) override;
    void eingabenFreigeben() override;
    void aufgabeStellen() override;
    void eingabeGeaendert() override;
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    void hilfetaste() override;
    void hilfeschritt() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void protokollende() override;
    void nachDemEnde() override;
    void zu() override;

private:
    bool platten() const { return programmcode == mengen::kPlatten; }
    mengen::Stellen stellen() const;
    void mengenaufgabe();
    void plattenaufgabe();
    void farbmengen();
    void hilfebild(int stufe);
    void mengenpruefung();
    void plattenpruefung();
    void stellenanzeige();
    void richtigantwort();
    // The pause between the pictures of a help step; none while the right answer stands.
    void pausieren();

    QVector<mengen::Objekt> m_objekte;
};
