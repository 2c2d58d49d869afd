#pragma once
// The worksheet settings file "aw.ina": per sheet form that builds its tasks from number lists, which list
// items were ticked when it last printed. A section holds, list after list, each item's value when it is
// ticked and -1 when not.

#include <QString>
#include <vector>

namespace awina {

struct Abschnitt {
    QString stichwort;
    // Per list box, the value of each item from the top.
    std::vector<std::vector<int>> listenwerte;
};

// Per list box, per item: ticked or not.
using Haken = std::vector<std::vector<bool>>;

// The four sections of the file.
const Abschnitt& zehn(); // "Bereich bis 10": summands 1..9, 1..9, sums 2..10
const Abschnitt& abl10_20(); // "zwischen 10 und 20": 10..19, 1..10, 11..20
const Abschnitt& abl_zue(); // "Zehnerübergang": 1..9, 1..9, sums 10..18
const Abschnitt& felder1x1(); // "1x1felder": factors 2..10 twice

// datpfad + "aw.ina".
QString datei();
// Whether the file can be opened for reading.
bool vorhanden();

// The ticks a section holds: an item is ticked where its value stands in its place. A missing file or
// section ticks nothing. A value that is not a number throws IoError.
Haken laden(const Abschnitt& abschnitt);
// The value line of the ticks: every list's flags in item order.
std::vector<int> werte(const Abschnitt& abschnitt, const Haken& haken);
// Rewrites the section (appended when the file lacks it), every other line as it was. The file is never
// created: without it the choice is simply not kept.
void schreiben(const Abschnitt& abschnitt, const Haken& haken);

} // namespace awina
