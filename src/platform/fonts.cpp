#include "platform/fonts.h"

#include "platform/symbolfont.h"

#include <QFontMetricsF>
#include <QHash>

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kMono = QStringLiteral("Liberation Mono");

SymbolTextMapper& mapperSlot()
{
    static SymbolTextMapper m = nullptr;
    return m;
}

// Rounds a / b to the nearest, halves away from zero, as the old MulDiv did.
int mulDiv(int a, int b, int c)
{
    const long long p = (long long)a * b;
    const long long q = p >= 0 ? (p + c / 2) / c : (p - c / 2) / c;
    return int(q);
}

} // namespace

double cellPerEm(const QString& family)
{
    static QHash<QString, double> cache;
    auto it = cache.constFind(family);
    if (it != cache.constEnd()) return *it;
    QFont f(family);
    f.setPixelSize(1000);
    const QFontMetricsF fm(f);
    double ratio = (fm.ascent() + fm.descent()) / 1000.0;
    if (ratio < 0.5 || ratio > 2.0) ratio = 1.15;
    cache.insert(family, ratio);
    return ratio;
}

QString fontFamily(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("courier new") || n == QLatin1String("courier")) return kMono;
    if (n == QLatin1String("times new roman")) return QStringLiteral("Liberation Serif");
    if (isSymbolFont(n)) return symbolfont::familyName();
    // "arial", "ms sans serif" and anything unknown.
    return kSans;
}

bool isSymbolFont(const QString& name)
{
    return name.trimmed().compare(QLatin1String("wingdings"), Qt::CaseInsensitive) == 0;
}

int heightOfSize(int points)
{
    return -mulDiv(points, 96, 72);
}

int emPixels(const QString& name, int height)
{
    if (height < 0) return -height;
    if (height == 0) return 11;
    const int px = int(height / cellPerEm(fontFamily(name)) + 0.5);
    return px < 1 ? 1 : px;
}

QFont makeFont(const QString& name, int height, FontStyles styles)
{
    QFont f(fontFamily(name));
    f.setPixelSize(emPixels(name, height));
    f.setBold(styles & FontStyle::Bold);
    f.setItalic(styles & FontStyle::Italic);
    f.setUnderline(styles & FontStyle::Underline);
    f.setStrikeOut(styles & FontStyle::StrikeOut);
    return f;
}

QFont makeFontSize(const QString& name, int points, FontStyles styles)
{
    return makeFont(name, heightOfSize(points), styles);
}

void setSymbolTextMapper(SymbolTextMapper mapper)
{
    mapperSlot() = mapper;
}

QString textForFont(const QString& fontName, const QString& text)
{
    if (!isSymbolFont(fontName)) return text;
    return mapperSlot() ? mapperSlot()(text) : symbolfont::toUnicode(text);
}
