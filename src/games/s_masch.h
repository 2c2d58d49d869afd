#pragma once
// "Maschinen": one machine (game 12) or two machines in a row (game 1) take numbers and give numbers; the
// pupil asks for inputs and outputs, types an output, and after a right output types what the machine does.

#include "games/s_masch_logik.h"
#include "platform/form.h"

#include <memory>

class Button;
class GroupBox;
class PaintBox;
class Tastenfeld;

class TForm51 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm51)
public:
    explicit TForm51(QWidget* parent = nullptr);
    ~TForm51() override;

    PaintBox* PaintBox1 = nullptr;
    Button* Button1 = nullptr; // "bitte eine &Eingabe!" and its other captions
    Button* Button2 = nullptr; // "ich &weiß die Ausgabe!"
    Button* Button3 = nullptr; // "ich weiß, was die &Maschine tut!"
    Button* Button10 = nullptr; // "&Zwischenausgabe!"
    Button* Button11 = nullptr; // "Programm abbrechen"
    std::unique_ptr<Tastenfeld> tastenblock; // GroupBox1: the digits, Button9 backspace, Button4 Enter
    Button* Button4 = nullptr;
    Button* Button9 = nullptr;
    GroupBox* GroupBox2 = nullptr;
    Button* Button5 = nullptr; // "+"
    Button* Button6 = nullptr; // "-"
    Button* Button7 = nullptr; // "*"
    Button* Button8 = nullptr; // ":"

    int maschzustand() const { return m_maschzustand; }
    QString antwort() const { return m_antwort; }
    const s_masch::Maschine& maschine1() const { return m_maschine1; }
    const s_masch::Maschine& maschine2() const { return m_maschine2; }
    const s_masch::Durchlauf& durchlauf() const { return m_durchlauf; }
    // Tests: the machines of the test's choice, dealt as a new machine deals them.
    void maschinenSetzen(const QString& erste, const QString& zweite = QString());

private:
    // Handlers
    void maschakttiv();
    void maschpaint();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button10Click();
    void Button11Click();
    void ziffertaste(int ziffer);
    void loeschtaste();
    void zeichentaste(QChar zeichen);
    void tastendruck(QChar& taste);

    // Routines
    bool zwei() const;
    void anordnen();
    void kasten(GroupBox* box, bool an);
    void enterFreigeben();
    void neueMaschine();
    void neueEingabe();
    void eingabeschritt();
    void ausgabePruefen();
    void ausgabeZeigen();
    void ausgabeGleitet(int x0);
    void beurteilen();
    void urteilZeichnen(
        const QString& tipp, const s_masch::Maschine& m, const int haken[6], const int strich[4], int hinweisX);

    // Drawing on PaintBox1 at design points
    void rechteck(const QColor& farbe, int l, int t, int r, int b);
    // A text centred on (x, y), `hoehe` in pixels.
    void text(int x, int y, int hoehe, const QColor& farbe, const QString& t);
    void zahl(int x, int y, const QString& text, const QColor& farbe = QColor(255, 255, 0));
    void fragezeichen(const QColor& farbe);
    void frage(int x, int y, int hoehe, const QColor& farbe);
    void zeichen(int x, int y, const QString& text);
    void linien(const QColor& farbe, int breite, const QVector<QPoint>& punkte);

    int m_maschzustand = 0;
    bool m_ausgabegezeigt = false;
    QString m_antwort;
    QString m_nrtext;
    int m_versatz = 0;
    int m_letzterwurf = s_masch::kErsterWurf;
    s_masch::Maschine m_maschine1, m_maschine2;
    s_masch::Durchlauf m_durchlauf; // zwzahl2, zwischenwert, zwzahl3
    bool m_vorgegeben = false;
};
