#pragma once
// The quick-sight set-up without its window: the numbers to show, the presentation times and the table
// header of the protocol, the settings section of each field in "fw.ina", and the bounds of the two count
// edits. Works on the shared variables (zahlenwahl1/2, zahlenbeutel, wahlbytes, darbietungszeiten, ...).

#include <QString>
#include <vector>

namespace ss {

// programmcode of the three quick-sight tests.
enum Code : int { Zehnerfeld = 1, Zwanzigerfeld = 2, Hunderterfeld = 3 };

constexpr int kZeiten = 5;
constexpr int kMaxAufgaben = 50;
constexpr int kMaxMinuten = 99;

// Presentation time k (0..4): the list item (" 0,5 sec"), the label of the protocol header ("0,5 sec    ",
// 11 characters) and the duration as a fraction of a day (single precision, as the clock is compared with it).
QString zeiteintrag(int k);
QString zeitlabel(int k);
float zeitdauer(int k);

// "ss_10", "ss20", "ss100" and the protocol file prefixes "ss10__", "ss20__", "ss100_".
QString stichwort(int code);
QString dateipraefix(int code);

// The numbers that can be shown, from the selections: zahlenbeutel[1..anzahl], vorratsgroesse := anzahl.
// One list: zahlenwahl1; two lists: zahlenwahl1 then zahlenwahl2; an entry counts when it is > -1.
void wahlliste(int listen);
// Hundred field: every chosen tens digit with every chosen ones digit, without 0.
void hunderterzahlen();
// The numbers of the code (one list, two lists or the hundred field).
void zahlenbilden(int code);

// From wahlbytes: zeitwahl, darbietungszeiten[1..zeitwahl] (short to long) and the table header,
// protzeilen[5] ("vorg", labels, " ok?     P") and protzeilen[6] ("Zahl", "Zahl/Zeit  " per time, "  Zeit").
void zeitliste();

// Start is possible when numbers and times are chosen and the pupil is known.
bool startbereit();

// Bounds of the count edits; 0 and less become 1.
int aufgabenbegrenzt(int wert); // 1..50
int minutenbegrenzt(int wert); // 1..99

// The section of the code in datei (datpfad + "fw.ina"): 30 integers into zahlenwahl1, zahlenwahl2,
// schalter1, schalter2, rasterbleibt, mindestaufgaben, mindestminuten, wahlbytes. A missing file or section
// gives the values the program is installed with; returns false then. A section whose values are not all
// numbers throws IoError, one with a value outside what the set-up writes throws RuntimeError (the section's
// message); the shared variables stay as they were then.
bool abschnittladen(const QString& datei, int code);
// Rewrites the section (a missing section is appended; a missing file is made with the settings header).
void abschnittschreiben(const QString& datei, int code);
// The seven value lines of the section as they are written.
std::vector<std::vector<int>> abschnittwerte();
// The values of a fresh installation, as the seven value lines, and put into the shared variables.
std::vector<std::vector<int>> standardwerte(int code);
void standardSetzen(int code);

} // namespace ss
