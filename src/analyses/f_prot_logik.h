#pragma once
// The protocol viewer without its window: reading a protocol file into the protocol record, and what goes
// on the screen and on the printed pages (text positions and frame lines in 0.1 mm, y upward).

#include "shell/pfadzeile.h"

#include <QString>
#include <QVector>

namespace prot {

// Room of the protocol record after line 0.
constexpr int kMaxZeilen = 210;
// The record line naming the file, read as file line 2.
constexpr int kPfadzeile = pfadzeile::kAnalysen + 1;
// Quick-sight protocols are cut on the screen after this many lines.
constexpr int kSchirmzeilenSs = 34;
// On the screen record line i stands at (10, 30 - kZeilenabstand i), in 0.1 mm.
constexpr int kZeilenabstand = 45;

struct Text {
    int x = 0, y = 0;
    QString text;
};

struct Strich {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Seite {
    QVector<Text> texte;
    QVector<Strich> striche;
};

// Reads the file's lines into protzeilen[1..n] (each cut to 100 characters but the path line, at most kMaxZeilen), sets
// protzeilenzahl := n and returns it; a file that cannot be read gives 0. Lines after n are emptied, so
// nothing of an earlier protocol shows or prints with this one.
int lesen(const QString& pfad);

// The screen: record lines at (10, 30 - 45 i); for the quick-sight codes 1..3 at most 34 lines and, from 35
// lines on, the closing note at the place of line 35, below the last line shown, so that it hides no task;
// for 11..17 and 20 every line; other codes nothing. Codes 11..17 add two frame lines. A path line longer than
// `zeichen` characters goes on in the lines below it, and what comes after it moves down as on paper.
Seite bildschirm(int programmcode, int zeilenzahl, int zeichen = 1000);
extern const QString kWeitereAufgaben;

// The printed pages: lines 1..67 on page 1, 68..133 on page 2, 134..200 on page 3 and then 67 a page; from
// page 2 on a header of record line 1 and "     Seite  N". Lines past the protocol's end print empty. The
// frame lines of codes 11..17 go on the first page, with the result grid. A path line longer than `zeichen`
// characters goes on in the lines below it (pfadzeile::umbrechen): every line after it, and the frame lines,
// move down by as many lines, and each page ends that many lines earlier.
QVector<Seite> druckseiten(int programmcode, int zeilenzahl, int zeichen = 1000);

// The title of the printout, which names its file: the analysis and the pupil, as an aid's protocol is named
// ("kleines 1 + 1 Protokoll 02 Ülrike Ärmel"), so that the printouts of a class can be told apart.
QString drucktitel(int programmcode, const QString& schueler);

} // namespace prot
