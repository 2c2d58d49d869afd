#pragma once
// "Pyramide": the number pyramid with a base of three or four. The pupil finds the top from the base, or one
// missing start number from the others and the top, with six tries shown side by side.

#include "games/s_pyra_logik.h"
#include "games/zifferneingabe.h"
#include "platform/form.h"

#include <QList>
#include <memory>

class Button;
class Label;
class PaintBox;
class Panel;
class Tastenfeld;

class TForm50 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm50)
public:
    explicit TForm50(QWidget* parent = nullptr);
    ~TForm50() override;

    QList<PaintBox*> boxen; // PaintBox1 .. PaintBox7
    Panel* zielpanel = nullptr;
    Panel* startpanel = nullptr;
    std::unique_ptr<Tastenfeld> tastenblock; // GroupBox1: digits, backspace Button2, Enter Button3
    Button* Button11 = nullptr; // "Programm abbrechen"
    Button* Button1 = nullptr; // "bitte eine neue Aufgabe"

    const s_pyra::Zellen& zellen() const { return m_z; }
    int versteckt() const { return m_versteckt; }
    int versuch() const { return m_versuch; }
    const Zifferneingabe& antwort() const { return m_antwort; }
    // Tests: a pyramid of the test's choice for the task now shown (the hidden cell kept unless given).
    void aufgabeSetzen(const s_pyra::Zellen& z, int versteckt = -2);

private:
    // Handlers
    void pyraaktiv();
    void Button3Click();
    void Button1Click();
    void zifferClick(int ziffer);
    void Button2Click();
    void form50key(QChar& taste);
    void Button11Click();
    void box(int k); // Box1 .. Box6
    void Box7();

    // Routines
    void neuepyramide();
    void pyraeingabe();
    void pyramidegeloest();
    void tastenFreigeben(bool an);
    bool vier() const;
    bool zielmodus() const;
    void anordnen();
    void zahl(PaintBox* b, double x, double y, int wert, const QColor& farbe, int hoehe, const QString& rand = {});
    void mittelzellen(PaintBox* b, const QColor& farbe, const int* werte);
    void zielmitte(int i, const QColor& farbe);

    s_pyra::Zellen m_z {};
    Zifferneingabe m_antwort { 2, true };
    int m_versuch = 1;
    int m_versteckt = 0;
    int m_wahl5 = 0;
};
