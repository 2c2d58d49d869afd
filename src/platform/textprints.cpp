#include "platform/textprints.h"

#include <QFontMetrics>
#include <QHashFunctions>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// Beyond this the oldest prints go, even while they show: only a window that piles texts over texts at ever new
// places comes near it.
constexpr qsizetype kMaxBytes = 384 * 1024;
constexpr int kMinSweep = 256;

void paintText(QImage& onto, const QPoint& offset, const QFont& font, const QColor& colour, const QPoint& baseline,
    const QString& text, const QRect* clip = nullptr)
{
    QPainter p(&onto);
    if (clip) p.setClipRect(*clip);
    // Moved by the painter, not by the point: glyph outlines are laid out from the point given, and only a
    // whole-pixel move of the finished outline gives the same pixels everywhere.
    p.translate(-offset);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(baseline, text);
}

// A fingerprint of the pixels in area: what a text left there, or what is there now.
quint64 fingerprint(const QImage& image, const QRect& area)
{
    // Row by row through Qt's hash of bytes, which runs on the processor's AES instructions where it has them.
    size_t h = size_t(area.width());
    for (int y = area.top(); y <= area.bottom(); ++y)
        h = qHashBits(image.constScanLine(y) + area.left() * sizeof(QRgb), size_t(area.width()) * sizeof(QRgb), h);
    return h;
}

bool plain(const QImage& image, const QRect& area, QRgb ground)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + area.left();
        QRgb other = 0;
        for (int x = 0; x < area.width(); ++x)
            other |= row[x] ^ ground;
        if (other) return false;
    }
    return true;
}

} // namespace

qsizetype TextPrints::bytesOf(const Print& p)
{
    return qsizetype(sizeof(Print)) + p.text.capacity() * qsizetype(sizeof(QChar)) + p.under.sizeInBytes();
}

QImage TextPrints::left(const Print& p)
{
    QImage l;
    if (p.under.isNull()) {
        l = QImage(p.area.size(), QImage::Format_RGB32);
        l.fill(p.ground);
    } else {
        l = p.under.copy();
    }
    paintText(l, p.area.topLeft(), p.font, p.colour, p.baseline, p.text);
    return l;
}

// Calls at(pixel, what lay under it) for every pixel of p's area that still shows what the text left there and
// differs from what lay under it, until at returns false.
template <typename Image, typename At> void TextPrints::eachShown(Image& image, const Print& p, At at)
{
    const QImage l = left(p);
    using Pixel = std::conditional_t<std::is_const_v<Image>, const QRgb, QRgb>;
    for (int y = 0; y < p.area.height(); ++y) {
        auto* row = reinterpret_cast<Pixel*>(image.scanLine(p.area.top() + y)) + p.area.left();
        const auto* was = reinterpret_cast<const QRgb*>(l.constScanLine(y));
        const auto* under = p.under.isNull() ? nullptr : reinterpret_cast<const QRgb*>(p.under.constScanLine(y));
        for (int x = 0; x < p.area.width(); ++x) {
            const QRgb u = under ? under[x] : p.ground;
            if (row[x] == was[x] && was[x] != u && !at(row[x], u)) return;
        }
    }
}

void TextPrints::restore(QImage& image, const Print& p)
{
    // Mostly nothing has been drawn over the text since: what lay under it goes back whole.
    if (fingerprint(image, p.area) == p.left) {
        for (int y = 0; y < p.area.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.area.top() + y)) + p.area.left();
            if (p.under.isNull())
                std::fill(row, row + p.area.width(), p.ground);
            else
                std::copy_n(reinterpret_cast<const QRgb*>(p.under.constScanLine(y)), p.area.width(), row);
        }
        return;
    }
    eachShown(image, p, [](QRgb& pixel, QRgb under) {
        pixel = under;
        return true;
    });
}

bool TextPrints::shows(const QImage& image, const Print& p)
{
    if (!image.rect().contains(p.area)) return false;
    bool shown = false;
    eachShown(image, p, [&](const QRgb&, QRgb) {
        shown = true;
        return false;
    });
    return shown;
}

void TextPrints::draw(QImage& image, const TextDraw& t)
{
    const auto same = std::find_if(m_prints.rbegin(), m_prints.rend(),
        [&](const Print& p) { return p.baseline == t.baseline && p.text == t.text && p.font == t.font; });
    if (same != m_prints.rend()) {
        const auto it = std::next(same).base();
        // Drawn again as it stands, untouched since: it would leave the very same pixels.
        if (!t.cell && t.colour == it->colour && t.clip.contains(it->area) && fingerprint(image, it->area) == it->left)
            return;
        // With an opaque background the cell is filled afresh anyway.
        const bool restored = !t.cell && t.clip.contains(it->area);
        if (restored) restore(image, *it);
        // Taken back in the colour of a plain ground that fills all it may touch (its area holds every pixel its
        // glyphs reach): drawn again it would change nothing.
        const bool gone = restored && t.colour.rgb() == it->ground && plain(image, it->area, it->ground);
        m_bytes -= bytesOf(*it);
        m_prints.erase(it);
        if (gone) return;
    }
    if (t.cell) {
        const QRect filled = t.cell->intersected(t.clip);
        QPainter p(&image);
        p.fillRect(filled, t.background);
        p.end();
        paintedOver(filled);
    }
    const QRect area = inkOf(t.text, t.font).translated(t.baseline).intersected(t.clip);
    if (area.isEmpty()) {
        paintText(image, QPoint(), t.font, t.colour, t.baseline, t.text, &t.clip);
        return;
    }
    // What lies under the text, in a buffer kept from text to text: mostly of one size.
    if (m_before.size() != area.size()) m_before = QImage(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(m_before.scanLine(y), image.constScanLine(area.top() + y) + area.left() * sizeof(QRgb),
            size_t(area.width()) * sizeof(QRgb));
    paintText(image, QPoint(), t.font, t.colour, t.baseline, t.text, &t.clip);
    record(image, m_before, t, area);
}

QRect TextPrints::inkOf(const QString& text, const QFont& font)
{
    for (const Ink& i : m_inks)
        if (i.text == text && i.font == font) return i.rect;
    // What the font measures, with a pixel to spare on every side for the smoothed edges.
    const QFontMetrics m(font);
    QRect rect = m.tightBoundingRect(text);
    // Lines through or under the text run along its whole advance, below the glyphs too.
    if (font.underline() || font.strikeOut() || font.overline())
        rect |= QRect(0, -m.ascent(), m.horizontalAdvance(text), m.ascent() + m.descent() + m.lineWidth() + 1);
    rect.adjust(-2, -2, 2, 2);
    constexpr size_t kKept = 64;
    if (m_inks.size() == kKept) m_inks.pop_back();
    m_inks.insert(m_inks.begin(), { text, font, rect });
    return rect;
}

void TextPrints::record(const QImage& image, const QImage& before, const TextDraw& t, const QRect& area)
{
    Print p;
    p.text = t.text;
    p.font = t.font;
    // Texts of a window share a few fonts.
    if (!m_prints.empty() && m_prints.back().font == t.font) p.font = m_prints.back().font;
    p.baseline = t.baseline;
    p.colour = t.colour;
    p.area = area;
    // A text mostly lies on a plain ground: the colour of most corners of its area.
    const QRect all = before.rect();
    const QRgb corners[] = { before.pixel(all.topLeft()), before.pixel(all.topRight()), before.pixel(all.bottomLeft()),
        before.pixel(all.bottomRight()) };
    p.ground = corners[0];
    for (QRgb c : corners)
        if (std::count(std::begin(corners), std::end(corners), c) > 2) p.ground = c;
    if (!plain(before, all, p.ground)) p.under = before.copy();
    p.left = fingerprint(image, p.area);
    m_bytes += bytesOf(p);
    m_prints.push_back(std::move(p));
    if (count() >= m_sweepAt || m_bytes > kMaxBytes) sweep(image);
}

void TextPrints::sweep(const QImage& image)
{
    const auto gone = std::remove_if(m_prints.begin(), m_prints.end(), [&](const Print& p) {
        if (shows(image, p)) return false;
        m_bytes -= bytesOf(p);
        return true;
    });
    m_prints.erase(gone, m_prints.end());
    // Well under the bound, so that a window that piles texts does not sweep on every text.
    auto oldest = m_prints.begin();
    while (m_bytes > kMaxBytes * 3 / 4 && std::next(oldest) < m_prints.end()) {
        m_bytes -= bytesOf(*oldest);
        ++oldest;
    }
    m_prints.erase(m_prints.begin(), oldest);
    m_sweepAt = qMax(kMinSweep, 2 * count());
}

void TextPrints::paintedOver(const QRect& r)
{
    if (r.isEmpty()) return;
    const auto gone = std::remove_if(m_prints.begin(), m_prints.end(), [&](const Print& p) {
        if (!r.contains(p.area)) return false;
        m_bytes -= bytesOf(p);
        return true;
    });
    m_prints.erase(gone, m_prints.end());
}

void TextPrints::clear()
{
    m_prints.clear();
    m_bytes = 0;
    m_sweepAt = kMinSweep;
}
