#pragma once
// "Teilersuche": which one-digit numbers divide a number up to 81? Each digit button can be tried once per
// number; a divisor found is shown as jumps of its length on the number line from 0 to 100, a digit that is
// none gets its message in the row where the next divisor will stand.

#include "aids/h_teilersuche_logik.h"
#include "aids/hilfenrahmen.h"

#include <array>

class GroupBox;
class PaintBox;

class TForm75 final : public Hilfenfenster {
    Q_OBJECT
    Q_DISABLE_COPY(TForm75)
public:
    explicit TForm75(QWidget* parent = nullptr);

    PaintBox* strahlbox = nullptr; // number line and divisor rows
    PaintBox* titelbox = nullptr; // the question
    GroupBox* Rechner = nullptr;
    Button* weiterbutton = nullptr; // the frame's next-task button, under this window's name
    Button* Endebutton = nullptr; // the frame's end button
    // Button1 .. Button9 by their digit (index 0 unused).
    Button* knopf(int ziffer) const { return m_knoepfe[std::size_t(ziffer)]; }

    // The number asked and its divisors still to be found.
    int zahl() const { return m_zielzahl; }
    QString gesuchteTeiler() const { return m_wahltext; }
    int gefunden() const { return m_zwzahl1; }
    QString bearbeitet() const { return m_bearbeitetezahlen; }
    const teilersuche::Pool& pool() const { return m_pool; }

protected:
    void anordnen(const DesignGrid& raster) override;
    void laufBeginnen() override;
    void eingabenFreigeben() override;
    void eingabenSperren() override;
    void aufgabeStellen() override;
    hilfenrahmen::Protokollangaben protokollangaben() const override;
    void nachDemEnde() override;

private:
    void teilerkey(QChar& taste);
    void teilerknopfClick(int ziffer);
    void aufgabenzeichnung();
    void strahlzeichnung();
    void teilerpruefung();

    std::array<Button*, 10> m_knoepfe {};
    teilersuche::Pool m_pool;
    int m_zielzahl = 0;
    QString m_wahltext;
    QString m_zeichen;
    int m_zwzahl1 = 0;
    QString m_bearbeitetezahlen;
};
