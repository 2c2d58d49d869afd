#pragma once
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QAbstractButton;

// The symbol font "wingdings": its characters are pictures (a "J" is a smiling face, an "ß" the left arrow of
// the backspace key). We draw each as the Unicode symbol it depicts, in DejaVu Sans, through one table.
namespace symbolfont {

// Whether a font name means the symbol font (any letter case).
bool isSymbolFont(const QString& fontName);
// The family the pictures are drawn in.
QString familyName();

// The picture of one character; a character without a picture stands for itself (a blank stays a blank).
QString toUnicode(QChar c);
QString toUnicode(const QString& text);

// A font for the pictures: the family of the table with the pixel size, weight and style of like.
QFont font(const QFont& like);
QFont font(int pixelSize, bool bold = false);

// The pictures of text in colour, centred on a transparent square of pixelSize (an icon for a button).
QPixmap pixmap(const QString& text, const QColor& colour, int pixelSize);
QIcon icon(const QString& text, const QColor& colour, int pixelSize);

// Gives a button the caption text in the symbol font, keeping the button's font size and weight.
void setCaption(QAbstractButton* button, const QString& text);

} // namespace symbolfont
