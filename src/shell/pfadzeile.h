#pragma once
// The line of a protocol that names where the protocol was saved: whole in the record and in the file, and
// broken into several lines where the paper is narrower than it.

#include <QString>
#include <QStringList>

namespace pfadzeile {

// The record line naming the file: "gespeichert unter: " and the path in the analyses' protocols (the path
// alone in those of quick sight), the path in the aids' protocol.
constexpr int kAnalysen = 1;
constexpr int kHilfen = 13;

// protzeilen[i] := text; whole where i is the record's path line `pfad`, else cut as every record line is.
void setzen(int i, const QString& text, int pfad);

// `zeile` in pieces of at most `zeichen` characters: a piece ends after the last "/" that fits in it where
// there is one, and the pieces after the first start under the path's first character, so the folders read
// as one path. A line that fits is one piece.
QStringList umbrechen(const QString& zeile, int zeichen);

} // namespace pfadzeile
