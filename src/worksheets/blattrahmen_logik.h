#pragma once
// What every worksheet shares and needs no window: the task pool drawn without repeats, the rows filled by
// task kinds in order, the sorted result strip and the two-place number texts of the task rows.

#include <QString>
#include <QStringList>
#include <vector>

namespace blattrahmen {

// Str(n:2): the number right-aligned in two places, a one-digit number with a leading blank.
QString str2(int n);
// The items of a number list: von to bis, each as str2.
QStringList zahlen(int von, int bis);

// The forms of a plus task a + b = c and its relatives: 1 "a + b = __", 2 "c - b = __", 3 "a + _ = c",
// 4 "c - _ = a", 5 "__ + b = c", 6 "__ - b = a", 7 "c = b + __". a and c stand in two places; b and the gap
// of forms 3 and 4 as the sheet writes them.
QString formtext(int form, int a, const QString& b, int c, const QString& luecke);
// The number the pupil writes into that form.
int formloesung(int form, int a, int b, int c);

// A pool of task codes. A drawn code is swapped behind the live part, so that no code comes again before
// every code has been drawn once; an exhausted pool starts over with all its codes.
class Aufgabenvorrat {
public:
    // The codes in the order they were built; all of them live.
    void setzen(std::vector<int> codes);
    int groesse() const { return int(m_codes.size()); } // vorratsgroesse
    int offen() const { return m_anzahl; } // anzahl: codes not drawn yet in this round
    bool leer() const { return m_codes.empty(); }
    const std::vector<int>& codes() const { return m_codes; }
    // One code, drawn with Random among the live ones; 0 from an empty pool.
    int ziehen();

private:
    std::vector<int> m_codes;
    int m_anzahl = 0;
};

// The tasks of one sheet: Randomize once, then n draws.
std::vector<int> ziehung(Aufgabenvorrat& vorrat, int n);

// The kind (from 1) of each row: kinds in order, each as often as its count (typzahlen[0] is kind 1),
// until `zeilen` rows are filled; what is left of the counts is cut off. Fewer rows when the counts are short.
std::vector<int> zeilenarten(const std::vector<int>& typzahlen, int zeilen);

// Ascending, equal values kept one for each task (the strip at the foot of a sheet).
std::vector<int> aufsteigend(std::vector<int> werte);

// A flag list: per item the item's value when it is ticked, -1 when not.
std::vector<int> flaggen(const std::vector<int>& itemwerte, const std::vector<bool>& haken);

// The pool of the plus-task family sheets: every ticked a (first list), every ticked b (second list) and
// every ticked sum s = a + b give the code a * faktor + b, in ascending order of a, then b.
std::vector<int> summenvorrat(
    const std::vector<int>& summanden1, const std::vector<int>& summanden2, const std::vector<int>& summen, int faktor);

} // namespace blattrahmen
