#pragma once
// What stands behind the option controls of the aids hub and needs no window: the recount of allowed
// values, the checks of table margins, the task pools, the draw without repeats with which the aids take
// their tasks, the activity codes computed from radio choices, the sections of "hw.ina" with the option
// variables they hold, whether a code's options are complete enough to start, and the description of a
// choice for the protocol. Everything works on the shared variables.

#include "platform/bounded.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace h_haupt {

// One of the shared number lists (zahlenwahl1, auswahl1 ...), whatever its length; empty when none.
class Listenbezug {
public:
    Listenbezug() = default;
    Listenbezug(std::nullptr_t) { }
    template <int Hi>
    Listenbezug(BoundedArray<int, 0, Hi>& liste) : m_daten(&liste[0]), m_hoch(Hi) { }
    template <int Hi>
    Listenbezug(BoundedArray<int, 0, Hi>* liste) : m_daten(liste ? &(*liste)[0] : nullptr), m_hoch(liste ? Hi : -1) { }
    int& operator[](int i) const
    {
        Q_ASSERT_X(i >= 0 && i <= m_hoch, "Listenbezug", "index out of range");
        return m_daten[i];
    }
    int high() const { return m_hoch; }
    explicit operator bool() const { return m_daten != nullptr; }

private:
    int* m_daten = nullptr;
    int m_hoch = -1;
};

// ---- Choices in lists ----

// A multi-select list into its array: entry i := erster + i when item i is chosen, else -1.
void listeEintragen(Listenbezug feld, const std::vector<bool>& gewaehlt, int erster);
// The allowed counts or snake lengths into wahlbytes: entry i := i + 3 when chosen, else 255.
void bytelisteEintragen(const std::vector<bool>& gewaehlt);

// Recount (wahlzaehlen) of the first `eintraege` entries of wahlbytes (7 counts, 5 snake lengths): an entry
// that holds i + 3 is allowed and kept, every other becomes 255. Sets and returns gewaehltzahl.
int wahlzaehlen(int eintraege);

// ---- Table margins ----

enum class Tabelle { plus, minus, mal, durch };
// The table check: keeps the entries of zahlenwahl1/zahlenwahl2 that hold their item's value (-1 for the
// others), counts them into tabzeilenzahl/tabspaltenzahl and lists them compactly in auswahl1/auswahl2
// from entry 1. "durch" checks only the divisors 2..10 of zahlenwahl2. True when the table may start:
// at least one row and one column, or 1 to 5 divisors.
bool tabellenpruefung(Tabelle tabelle);

// ---- Task pools ----

enum class Zahlraum { raum10, raum20 };
// zahlenvorrat: every sum a + b that the three lists auswahl1 + auswahl2 = auswahl3 allow, as codes a*10+b
// in aufgabencodes, in the order of a, then b. A list entry counts only when it holds its item's value.
// Sets vorratsgroesse and nummer; returns the pool size.
int zahlenvorrat(Zahlraum raum);

enum class Axb { mal, durch, mittel };
// The "AxB" pool: one text "AxB" in aufgabenliste for every chosen pair of zahlenwahl1 x zahlenwahl2, in
// list order (mal: factors 0..10; durch: divisor x quotient 1..10; mittel: ones digits 2..9). Sets
// vorratsgroesse and nummer; returns the pool size.
int axbvorrat(Axb art);

// ziehung: draws one task code from aufgabencodes without repeats into einer1, einer2 and zielzahl. When
// nummer is used up the pool starts over; the drawn code is swapped behind the live entries. An empty
// pool draws nothing.
void ziehung();
// The same draw from the text pool aufgabenliste (through tauschtext); returns the entry drawn, or an empty
// text for an empty pool.
QString ziehungText();
// The two numbers of an entry "AxB"; false when it is no such entry.
bool axbTeilen(const QString& eintrag, int& a, int& b);

// ---- Activity codes from radio choices ----

// "+/- im Raum 100": 41 + wahl1 for wahl5 = 0, 44 + wahl1 for wahl5 = 1; 0 when the choices give no code.
int pm100code(int rechenart, int zahlen);
// "halbschriftlich": 71 + variante for 0..4; 0 otherwise.
int hsvcode(int art);

// ---- Levels of the written methods ----

enum class Stufengruppe { plus, minusErgaenzen, minusTauschen, malE, malZZ, divE, dZE, rest };
const QStringList& stufentexte(Stufengruppe gruppe);
// The level group of a code 81..89 (none for other codes).
std::optional<Stufengruppe> stufengruppe(int code);
// The option variable that holds the level of a code 81..89 (-1 for other codes) and its setter.
int stufeVon(int code);
void stufeSetzen(int code, int item);

// ---- Sections of "hw.ina" ----

// The keyword of a code's section ("" for codes without one).
QString stichwort(int code);
// The section's values as the option variables hold them, in file order (bytes unsigned, signed bytes
// signed); empty for an unknown keyword.
std::vector<int> abschnittwerte(const QString& stichwort);
// Stores values read from the file into the section's variables (bytes keep the low 8 bits).
void abschnittsetzen(const QString& stichwort, const std::vector<int>& werte);
// Loads the section from datpfad + "hw.ina" into its variables. Where the file is there but gives no sound
// section (the file damaged as a whole, the keyword missing, a value that is no number), the installed file's
// section is loaded instead, and a damaged section is said. False (nothing changed) when the file is missing or
// neither file holds the section.
bool abschnittladen(const QString& stichwort);
// Rewrites datpfad + "hw.ina" with the section of `code` (nothing for codes without a section).
void abschnittschreiben(int code);

// ---- Start ----

// True when the option variables give `code` everything its aid needs: a valid code, a pool of at least
// one task or table, and a chosen item in every radio choice the aid reads.
bool optionenGueltig(int code);
// The description of the choice: wahltext and line 5 of protzeilen, as far as the code changes them.
void beschreiben(int code);
// The texts alone (nullopt: left unchanged).
std::optional<QString> wahltextFuer(int code);
std::optional<QString> zeile5Fuer(int code);

} // namespace h_haupt
