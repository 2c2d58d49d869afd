#pragma once
// The 1x1 star without a window: ten points on an ellipse stand for the ones digits 0..9, and each product
// k x r of a row adds a line from the previous product's ones digit to this one's. Here are the points,
// the lines with their pen widths, the judging moment of an answer and the protocol's list of rows.

#include <QLine>
#include <QPoint>
#include <QString>
#include <array>

namespace stern {

// Design units of the form: the point of ones digit p and where its label stands.
QPoint punkt(int p);
QPoint beschriftung(int p);

// The ones digits of 0 x r .. 10 x r.
std::array<int, 11> einer(int r);
// The line of star step k = 1..10 of row r (from the ones digit of (k-1) x r to that of k x r). Row 5 goes
// back and forth between 0 and 5; its lines stand side by side.
QLine linie(int r, int k);
// Pen width in pixels of star step k of row r: the rows going twice around a pentagon draw the second pass
// thicker.
int stiftbreite(int r, int k);

// An answer is judged as soon as it has as many digits as the product.
bool langGenug(const QString& antwort, int produkt);

// The rows done so far, "3, 7, 3" (at most 60 characters are kept).
QString reihenliste(const QString& bisher, int r);
// Line 4 of the protocol.
QString zeile4(const QString& reihen);

} // namespace stern
