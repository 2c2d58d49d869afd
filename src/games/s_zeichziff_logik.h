#pragma once
// "Zeichen für Ziffern" without its window: the secret assignment of digits to ten symbols, the tasks written
// in symbols with their zero and ones counters and relaxations, marking, finding and revealing, the error dots
// and the rating.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace s_zeichziff {

// The symbols in button order; in Wingdings each character is a picture.
const QStringList& symbolzeichen();

// A cyclic shuffle of the digits: entry i is the digit symbol i stands for, never i itself.
std::array<int, 10> zuordnungZiehen();

// The task text of seven characters: " 3+5= 8", "13-8= 5", " 7*8=56", "24:4= 6" (operation 0..3).
QString aufgabentext(int operation, int a, int b);

// The penalty of a number of wrong entries: 0 or 1 cost nothing, then every two (rounded up) one.
int strafe(int fehler);
// The rating text of a score 0..10.
QString bewertungstext(int punkte);

struct Aufgabe {
    int nummer = 0; // 1..16
    QString text; // empty when the generator gave up
};

enum class Eingabe { ignoriert, gefunden, fehler, ohneWirkung };

class Zeichenspiel {
public:
    static constexpr int kAufgaben = 16;

    // A new game: a new assignment, nothing found, no tasks, the generator's counters at 0.
    void neuesSpiel();
    // The next task with the operations allowed (four signs or "n"); none when the game is over. The task
    // number also advances when the generator gives up after its relaxations (the task's text is then empty).
    std::optional<Aufgabe> naechsteAufgabe(const std::array<QString, 4>& rechenartzeichen);

    void markieren(int symbol);
    // A digit for the marked symbol; a digit already given, or nothing marked, or the marked symbol already
    // settled: ignored. A wrong digit counts once per marking.
    Eingabe ziffer(int d);
    // Reveals the marked symbol (nothing when none is marked or it is settled); true when it did.
    bool verraten();

    bool fertig() const { return m_gefunden + m_verraten == 10; }
    // Found symbols minus the penalty, at least 0.
    int punkte() const;

    int markiert() const { return m_markiert; }
    int zifferVon(int symbol) const { return m_zuordnung[size_t(symbol)]; }
    bool bekannt(int symbol) const { return m_bekannt[size_t(symbol)]; }
    bool vergeben(int ziffer) const { return m_vergeben[size_t(ziffer)]; }
    int fehlerzahl() const { return m_fehlerzahl; }
    // The place of the next error dot under a symbol, 0..9 (five in a row; from the tenth on the tenth place).
    int punkteUnter(int symbol) const { return m_punkte[size_t(symbol)]; }
    int aufgabenzahl() const { return m_aufgabenzahl; }
    int gefunden() const { return m_gefunden; }
    int verratenZahl() const { return m_verraten; }
    int lockerungen() const { return m_lockerungen; }
    // The symbol of a digit.
    int symbolVon(int ziffer) const;

    // Tests: a given assignment.
    void setZuordnung(const std::array<int, 10>& z) { m_zuordnung = z; }

private:
    void festlegen(int ziffer);
    bool operandZiehen(int& x, bool malOderGeteilt);

    std::array<int, 10> m_zuordnung {};
    std::array<bool, 10> m_bekannt {};
    std::array<bool, 10> m_vergeben {};
    std::array<int, 10> m_punkte {};
    std::array<int, kAufgaben + 1> m_ergebnisse {};
    int m_markiert = -1;
    bool m_fehlerzaehlbar = false;
    int m_fehlerzahl = 0;
    int m_gefunden = 0;
    int m_verraten = 0;
    int m_aufgabenzahl = 0;
    int m_null = 0;
    int m_einser = 0;
    int m_lockerungen = 0;
};

} // namespace s_zeichziff
