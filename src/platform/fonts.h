#pragma once
#include <QFont>
#include <QString>

// Fonts as the windows name them. "arial" and "MS Sans Serif" are Liberation Sans, "courier new" is
// Liberation Mono (both metric-compatible); "wingdings" is drawn with DejaVu Sans, its characters turned
// into the symbols they depict by the symbol table.
//
// Heights follow the old convention: a negative height is the character (em) height in pixels, a positive
// one the cell height (ascent + descent) in pixels, 0 the default height. A size is in points at 96 dpi.

namespace FontStyle {
enum : unsigned { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
}
using FontStyles = unsigned;

QFont makeFont(const QString& name, int height, FontStyles styles = 0);
QFont makeFontSize(const QString& name, int points, FontStyles styles = 0);

// The height that a size in points stands for (always negative: a character height).
int heightOfSize(int points);
// The em height in pixels that a height stands for in the named font.
int emPixels(const QString& name, int height);

// The family that stands in for a font name.
QString fontFamily(const QString& name);
// Cell height (ascent + descent) per pixel of em height in a family: how a positive height becomes an em.
double cellPerEm(const QString& family);
bool isSymbolFont(const QString& name);

// The symbol table registers itself here; without it, symbolfont's table is used directly.
using SymbolTextMapper = QString (*)(const QString& text);
void setSymbolTextMapper(SymbolTextMapper mapper);
// The text to show for text in the named font: symbol fonts go through the symbol table.
QString textForFont(const QString& fontName, const QString& text);
