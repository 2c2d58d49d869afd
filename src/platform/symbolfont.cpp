#include "platform/symbolfont.h"

#include "platform/fonts.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QPainter>

namespace symbolfont {
namespace {

struct Entry {
    char16_t code; // the character as the program writes it (Windows-1252 / Latin-1)
    char32_t picture;
};

// Every character the program draws in the symbol font. DejaVu Sans has no bell, candle or hourglass, so the
// symbols game shows music notes, an umbrella and an anchor there; it only needs ten pictures that are told
// apart easily.
constexpr Entry kTable[] = {
    { u'\u00DF', U'\u2B05' }, // ß  left arrow of the backspace key
    { u'E', U'\u261C' }, // hand pointing left
    { u'F', U'\u261E' }, // hand pointing right
    { u'G', U'\u261D' }, // hand pointing up
    { u'H', U'\u261F' }, // hand pointing down
    { u'J', U'\u263A' }, // smiling face
    { u'K', U'\U0001F610' }, // neutral face
    { u'L', U'\u2639' }, // frowning face
    { u'n', U'\u25A0' }, // filled square (colour buttons)
    { u'\u00FC', U'\u2714' }, // ü  check mark
    { u'\u00FB', U'\u2718' }, // û  cross
    // the ten symbols of the symbols-for-digits game
    { u'%', U'\u266B' }, // bell
    { u'O', U'\u2690' }, // flag
    { u'I', U'\u270C' }, // hand
    { u'\u00F6', U'\u2B01' }, // ö  arrow up and left
    { u'"', U'\u2702' }, // scissors
    { u'R', U'\u263C' }, // sun
    { u'8', U'\U0001F42D' }, // mouse
    { u'\'', U'\u2602' }, // candle
    { u'6', U'\u2693' }, // hourglass
};

} // namespace

bool isSymbolFont(const QString& fontName)
{
    return fontName.trimmed().compare(QLatin1String("wingdings"), Qt::CaseInsensitive) == 0;
}

QString familyName()
{
    return QStringLiteral("DejaVu Sans");
}

QString toUnicode(QChar c)
{
    for (const Entry& e : kTable)
        if (c.unicode() == e.code) {
            const char32_t p = e.picture;
            return QString::fromUcs4(&p, 1);
        }
    return QString(c);
}

QString toUnicode(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out += toUnicode(c);
    return out;
}

QFont font(const QFont& like)
{
    QFont f(like);
    f.setFamilies({ familyName() });
    return f;
}

QFont font(int pixelSize, bool bold)
{
    QFont f(familyName());
    f.setPixelSize(qMax(1, pixelSize));
    f.setBold(bold);
    return f;
}

QPixmap pixmap(const QString& text, const QColor& colour, int pixelSize)
{
    const int side = qMax(1, pixelSize);
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font(side * 4 / 5));
    p.setPen(colour);
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, toUnicode(text));
    return pm;
}

QIcon icon(const QString& text, const QColor& colour, int pixelSize)
{
    return QIcon(pixmap(text, colour, pixelSize));
}

void setCaption(QAbstractButton* button, const QString& text)
{
    if (!button) return;
    button->setFont(font(button->font()));
    button->setText(toUnicode(text));
}

} // namespace symbolfont

namespace {
// Captions and labels in the symbol font go through the table as well.
const bool g_registered = (setSymbolTextMapper(static_cast<QString (*)(const QString&)>(&symbolfont::toUnicode)), true);
} // namespace
