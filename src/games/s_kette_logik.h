#pragma once
// The number chain without its window: the chain rule, the tasks of the four modes, the number of start
// pairs that reach a target, and the search for all those pairs with its captions.

#include <QString>
#include <QStringList>
#include <array>

namespace s_kette {

using Glieder = std::array<int, 5>;

// Members 2.. from members 0 and 1: each the sum of the two before it (n members, 4 or 5).
Glieder kettenrechnung(int a, int b, int n);
// The number of pairs a, b >= 0 whose chain of n members ends at t.
int loesungszahl(int t, int n);

struct Aufgabe {
    int a = 0, b = 0; // start numbers (modes 0 to 2)
    int ziel = 0; // the last member
};
// A task of `modus` 0..3 in `bereich` 0..2 for n members. `vorindex` is the first start number (modes 0 to 2)
// or the target (mode 3) of the task before; the new one differs and is left in it. Mode 3 never draws a
// target without a pair or with more than 16.
Aufgabe kettenaufgabe(int modus, int bereich, int n, int& vorindex);

// The search for start pairs (mode 3) of one target.
class Paarsuche {
public:
    enum class Ergebnis { falsch, neu, schonDa };

    void beginnen(int ziel, int n);
    // Judges a pair; the caption and state follow the result.
    Ergebnis pruefen(int a, int b);
    // The next pair is being typed: after a right pair the wrong tries count from 0 again.
    void naechstesPaar();

    int ziel() const { return m_ziel; }
    int loesungen() const { return m_loesungen; }
    int gefunden() const { return int(m_paare.size()); }
    int fehlversuche() const { return m_fehlversuche; }
    // The last member of the pair judged last.
    int endwert() const { return m_endwert; }
    // All pairs found, as the top line shows them ("2_1   7_0   ").
    QString bearbeitetezahlen() const { return m_paare.join(QString()); }
    // The caption of the button after the last pair.
    QString caption() const;
    // All pairs found, or ten wrong ones in a row: the next press starts anew or closes.
    bool alleGefunden() const { return gefunden() == m_loesungen; }
    bool zuSchwer() const { return m_fehlversuche >= 10; }

private:
    int m_ziel = 0;
    int m_n = 4;
    int m_loesungen = 0;
    int m_fehlversuche = 0;
    int m_endwert = 0;
    bool m_zuletztRichtig = false;
    QStringList m_paare;
};

} // namespace s_kette
