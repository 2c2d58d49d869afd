#pragma once
// "vg100": four in a row in the hundred field. The mover types a number 1..100; its cell gets the mover's
// stone, and four of one colour in a row, a column or a diagonal win the set.

#include "games/vierinreihe_logik.h"
#include "platform/form.h"

#include <memory>

class Button;
class Tastenfeld;

class TForm54 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm54)
public:
    explicit TForm54(QWidget* parent = nullptr);
    ~TForm54() override;

    Button* Button1 = nullptr; // "Programm abbrechen", Esc
    Button* Button12 = nullptr; // "weiter", "Rückspiel?"
    std::unique_ptr<Tastenfeld> tasten; // GroupBox1: digits, Enter and backspace

    const vierinreihe::Brett& brett() const { return m_brett; }
    const QString& eingabe() const { return m_eingabe; }
    // The winning line of the set just decided, in design units.
    QLine linie() const { return m_linie; }

private:
    void vg100aktiv();
    void vg100zu();
    void form54key(QChar& key);
    void Button1Click();
    void Button12Click();
    void Button14Click();
    void Button15Click();
    void ziffer(int d);

    void feldleer();
    void feldzeichnen();
    void vgzuganzeige();
    void steinsetzen(int zahl);
    void vgsatzende();
    void vgspielende();

    vierinreihe::Brett m_brett;
    QString m_eingabe = QStringLiteral("?");
    int m_zeile = 0, m_spalte = 0;
    QLine m_linie;
};
