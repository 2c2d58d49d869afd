#pragma once
// The key filter of every count, copies and password edit, shared by the aids hub and the worksheets.

#include <QChar>

namespace tasten {

// Backspace passes, every key outside von..bis (and every character beyond ASCII, umlauts included) is
// dropped (a null character).
QChar ziffernfilter(QChar taste, QChar von = QLatin1Char('0'), QChar bis = QLatin1Char('9'));

} // namespace tasten
