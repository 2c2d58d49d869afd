#pragma once
// The magic squares: a 3 x 3 square of nine numbers of a sequence, three of them given; the pupil chooses a
// cell and fills it from the number supply or by typing, and asks for the check when all nine are filled.

#include "games/s_zauber_logik.h"
#include "games/zifferneingabe.h"
#include "platform/form.h"

#include <QList>
#include <QStringList>
#include <memory>

class Button;
class Label;
class GroupBox;
class Panel;
class Tastenfeld;

class TForm53 final : public Form {
    Q_OBJECT
    Q_DISABLE_COPY(TForm53)
public:
    explicit TForm53(QWidget* parent = nullptr);
    ~TForm53() override;

    Button* Button11 = nullptr; // "Programm abbrechen"
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    QList<Button*> zellen; // Button1 .. Button9
    GroupBox* GroupBox1 = nullptr;
    QList<Button*> vorrat; // Button21, Button22, Button23, Button14 .. Button19
    Button* Button10 = nullptr; // "o.k.?" / "leider nicht" / "noch einmal?"
    Panel* rechenpanel = nullptr;
    std::unique_ptr<Tastenfeld> tastenblock;

    const s_zauber::Feld& werte() const { return m_werte; }
    const QStringList& texte() const { return m_texte; }
    const std::array<int, 3>& gegeben() const { return m_gegeben; }

private:
    // Handlers
    void form53aktiv();
    void zelleClick(int j);
    void vorratClick(int k);
    void zifferClick(int d);
    void Button31Click();
    void zahlein(QChar& taste);
    void Button10Click();
    void Button11Click();

    // Routines
    void anordnen();
    void neuesQuadrat();
    void setzen();
    void haken(const QColor& farbe);

    s_zauber::Feld m_werte {};
    std::array<int, 3> m_gegeben {};
    QStringList m_texte;
    Zifferneingabe m_eingabe { 3, true };
    int m_zelle = 0; // 1..9, 0 before the first choice
    int m_merker2 = 0;
};
