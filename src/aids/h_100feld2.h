#pragma once
// Three exercises in the hundred field, chosen by programmcode: 18 name the number of the red cell, 19 say
// how many cells are blue, 110 name the number at the blue end of a snake. Codes 18 and 19 judge every digit
// as it is typed, tens first, and show a help step for each wrong digit and each help press; code 110 takes
// the whole number with Enter and shows one more number of the snake for each wrong answer.

#include "aids/hilfenrahmen.h"

class Button;
class PaintBox;

class TForm66 final : public Hilfenfenster {
public:
    explicit TForm66(QWidget* parent = nullptr);
    Q_DISABLE_COPY(TForm66)

    Button* Randbitte = nullptr; // "&Rand"
    Button* Kreuzbitte = nullptr; // "&Kreuz"
    PaintBox* agbox = nullptr; // the task panel

    void RandbitteClick();
    void KreuzbitteClick();
    // The help button.
    void hilfetaste() override;

protected:
    void anordnen(const DesignGrid& raster) override;
    std::optional<TRect> mausbereichDesign() const override;
    void laufBeginnen() override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override;
    void eingabeGeaendert() override;
    void antwortPruefen() override;
    bool nullAblehnen() const override;
    void hilfeschritt() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    bool schlangen() const { return programmcode == 110; }
    void zelleSetzen(int zahl);
    void feldZeichnen();
    void aufgabeMarkieren();
    void schlangeZeichnen();
    void aufgabenfeldZeichnen(const QString& zeile1, const QString& zeile2);
    // The green-framed task box with two centred lines in `farbe`.
    void agboxBeschriften(const QString& zeile1, const QString& zeile2, const QColor& farbe);
    void verweigern();
    void feldtext(int x, int y, const QString& text, const QColor& farbe, const QColor& grund = QColor());
    void antworttext(const QString& text, const QColor& farbe);
    void meldung(int hoehe);
    void ziffernBeurteilen();
    void schlangeneingabe();
    void zelleAufdecken(int index);
    void hakenUndLoesen();
    void loesen();

    // The help step now drawn was asked for with the help button (not caused by a wrong digit).
    bool m_hilfeDurchKnopf = false;
    bool m_geloest = false;
};
