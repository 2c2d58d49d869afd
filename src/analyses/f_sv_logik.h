#pragma once
// The written-subtraction analysis without its window: the ten task kinds A..K and their generators, the
// keys typed for one task, the digits the ten error strategies would give, the analysis of every wrong place
// into the error table, and the order of a run (1 to 3 tasks per kind, the stop rules).
//
// A task is built as an addition, column by column: digits 1 (the difference) plus digits 2 (the subtrahend)
// give digits 3 (the minuend). The pupil sees digits 3 minus digits 2 and types digits 1.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace sv {

constexpr int kArtzahl = 10; // kinds A..K, 1..10
constexpr int kTypzahl = 10; // error types N+ .. vE, 1..10
constexpr int kUdf = 11; // column of the undefined errors
constexpr int kZeilensumme = 12; // column of all errors of a row
constexpr int kSummenzeile = 11; // row of the sums; in the task counters: all tasks of the run
constexpr int kNie = 99; // a prediction for a type that cannot occur at a place
constexpr int kHoechstensJeArt = 3;
constexpr int kStoppgrenze = 10; // undefined errors, or errors of N+ and N-, that end the run
constexpr int kZeilenlaenge = 55; // protocol lines of a wrong task

// The teacher's hints on the model of the analysis, as the set-up shows and prints them.
QStringList hinweiszeilen();

// "A" .. "I", "K" for kinds 1..10.
QChar artbuchstabe(int art);
// The 4-character short name of error type 1..10 ("N+  " .. "vE  "), of 11 "udf ".
QString typname(int typ);

struct Aufgabe {
    int hunderter1 = 0, zehner1 = 0, einer1 = 0; // difference
    int hunderter2 = 0, zehner2 = 0, einer2 = 0; // subtrahend
    int hunderter3 = 0, zehner3 = 0, einer3 = 0; // minuend

    int differenz() const { return hunderter1 * 100 + zehner1 * 10 + einer1; }
    int subtrahend() const { return hunderter2 * 100 + zehner2 * 10 + einer2; }
    int minuend() const { return hunderter3 * 100 + zehner3 * 10 + einer3; }
    // The expected answer as its three digits.
    QString loesungstext() const;
    // The three minuend digits.
    QString minuendtext() const;
    // The three subtrahend digits, a blank for hundreds 0 (a two-digit subtrahend).
    QString subtrahendtext() const;
};

// One task of the kind (1..10), drawn with the program's random generator (family stellenwurf).
Aufgabe stellenwurf(int art);

enum Stelle { Hunderter = 0, Zehner = 1, Einer = 2 };

// The digit each error type (1..10) would give at each place; kNie where the type cannot occur. Values such
// as -1 or 10 never match a typed digit either. `eingabeKurz`: the answer had fewer than three digits (the
// padded input begins with a blank), which is when premature ending (vE) shows in the tens.
struct Prognosen {
    std::array<std::array<int, kTypzahl + 1>, 3> wert {}; // [Stelle][typ], entry 0 unused
    int operator()(Stelle s, int typ) const { return wert[std::size_t(s)][std::size_t(typ)]; }
};
Prognosen prognosen(int art, const Aufgabe& a, bool eingabeKurz);

// The keys typed for one task: digits and the borrow mark "ü", in typing order. Digits are typed from the
// units leftwards.
class Tasteneingabe {
public:
    static constexpr QChar kMarke = QChar(0x00FC); // ü

    // A digit, while fewer than three are typed.
    bool ziffer(QChar c);
    // The borrow mark, after the first or second digit and not twice in a row.
    bool marke();
    // Drops the last key, digit or mark.
    bool loeschen();
    void leeren() { m_tasten.clear(); }

    const QString& tastenfolge() const { return m_tasten; }
    int ziffernzahl() const;
    // The typed digits reading hundreds, tens, units (the last typed first), rebuilt from the keys.
    QString eingabeziffern() const;

private:
    QString m_tasten;
};

// The five protocol lines of one wrongly solved task.
struct Fehlerzeilen {
    QString einer, zehner, ergebnis, falsch, richtig;
};

// The error table: rows 1..10 the kinds, row 11 the sums; columns 1..10 the types, 11 udf, 12 the row's total.
class Fehlertabelle {
public:
    int wert(int zeile, int spalte) const { return m_wert[std::size_t(zeile)][std::size_t(spalte)]; }
    void zaehlen(int art, int spalte);
    void leeren() { *this = Fehlertabelle(); }

private:
    std::array<std::array<int, kZeilensumme + 1>, kSummenzeile + 1> m_wert {};
};

struct Auswertung {
    bool richtig = false;
    int fortschritt = 0; // right end of the green progress bar, design units from 320
};

// One run of the analysis.
class Lauf {
public:
    enum class Zustand {
        Bereit, // before the first task
        AufgabeOffen, // a task is shown and takes keys
        Beantwortet, // answered, waiting for "weiter!"
        Beendet, // all kinds done or a stop rule fired
    };

    // Everything to zero, kind A.
    void zuruecksetzen() { *this = Lauf(); }

    // The next task (at "los geht's!" and "weiter!"): moves on to the next kind after a right answer or a
    // kind's third task; false when the run ends here (after kind K, or at 10 undefined errors or 10 errors
    // of N+ and N-), with no further task.
    bool naechste();
    // Sets the task of the current kind instead of drawing it (tests).
    void setzeAufgabe(const Aufgabe& a) { m_aufgabe = a; }

    // Evaluates the typed answer of the open task; it must have at least one digit. A wrong answer is
    // analysed place by place into the error table and its five protocol lines.
    Auswertung auswertung();

    // The pupil ends the run: a shown task that is not answered is taken back. True when tasks remain
    // counted, so the run ends with a protocol.
    bool abbrechen();

    Zustand zustand() const { return m_zustand; }
    bool aufgabeOffen() const { return m_zustand == Zustand::AufgabeOffen; }
    bool ersteAufgabeSteht() const { return m_artzaehler[kSummenzeile] > 0; }
    const Aufgabe& aufgabe() const { return m_aufgabe; }
    Tasteneingabe& eingabe() { return m_eingabe; }
    const Tasteneingabe& eingabe() const { return m_eingabe; }

    int variante() const { return m_variante; }
    // Tasks of kind 1..10 so far; 11: of the whole run.
    int artzaehler(int art) const { return m_artzaehler[std::size_t(art)]; }
    const Fehlertabelle& fehlertabelle() const { return m_tabelle; }
    int udfzaehler() const { return m_udfzaehler; }
    int naehezaehler() const { return m_naehezaehler; }
    int zeilennr() const { return int(m_zeilen.size()); }
    // Lines of wrong task k = 1..zeilennr().
    const Fehlerzeilen& fehlerzeilen(int k) const { return m_zeilen[std::size_t(k - 1)]; }

private:
    QString stellenanalyse(Stelle stelle, int d, int richtig, const Prognosen& p);

    Zustand m_zustand = Zustand::Bereit;
    int m_variante = 1;
    bool m_weiter = false; // wahl4: next task is of the next kind
    std::array<int, kSummenzeile + 1> m_artzaehler {};
    Fehlertabelle m_tabelle;
    int m_udfzaehler = 0;
    int m_naehezaehler = 0;
    std::vector<Fehlerzeilen> m_zeilen;
    Aufgabe m_aufgabe;
    Tasteneingabe m_eingabe;
};

// Width of the green progress bar for kind `variante` after its k-th task (k = 3 on a right answer).
int fortschrittsbreite(int variante, int k);

} // namespace sv
