#pragma once
// Knobelkästen: three boxes of three number columns, each column sorted on its own per box, which the
// pupil joins into correct tasks, with the generated tasks in a "Lösung:" strip. The addition and
// subtraction ranges and the middle and large table (`additionsblatt`) and the small table with its
// divisions (`einmaleinsblatt`) share the model and its drawing.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class Canvas;

namespace knobel {

// Kind captions and examples of the sheet window per range (1, 2, 3 or 5), eight each.
QStringList artentexte(int bereich);
QStringList beispiele(int bereich);

enum class Rest { keiner, zugeordnet, segment }; // small table: kinds 0/1, 2, 3

struct Kastenblatt {
    int n = 5; // numbers per box
    QString zeichen1, zeichen2;
    Rest rest = Rest::keiner;
    std::array<std::vector<int>, 3> spalten; // entries k*n .. k*n+n-1 of box k, sorted as printed
    std::array<std::vector<int>, 3> loesung; // the same in generation order: row i is one correct task
    std::vector<int> reste, loesungsreste; // remainders, sorted per box / in generation order
    bool einmaleins = false; // the small table's positions of the solution strip
    QString titel; // names the printout: the menu's button the sheet was chosen by
};

// One sheet of range 1 (up to 20), 2 (up to 100), 3 (up to 1000) or 5 (middle and large table), kind 0..7.
Kastenblatt additionsblatt(int bereich, int art, int n);
// One sheet of the small table from the chosen factors (2..10) of both lists, kind 0..3.
Kastenblatt einmaleinsblatt(const std::vector<int>& faktoren1, const std::vector<int>& faktoren2, int art, int n);

// Row i (from 1) of box k: the pitch shrinks as the boxes hold more numbers.
int zeileY(int k, int i, int n);

void zeichnen(Canvas& canvas, const Kastenblatt& blatt);
void drucken(const Kastenblatt& blatt, int kopien);

} // namespace knobel
