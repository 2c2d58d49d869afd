#include "platform/textprints.h"

#include <QFontMetrics>
#include <QHashFunctions>
#include <QPainter>
#include <QtAlgorithms>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// A sweep looks at every print: it comes when their number has doubled or their memory has grown by half since the
// last one, so that a window that piles texts does not sweep on every text.
constexpr int kMinSweep = 256;
// Beyond this a window piles texts over texts: a pixel a newer text has reached counts as drawn over.
constexpr qsizetype kCrowded = 128 * 1024;

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
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto* rows = reinterpret_cast<const QRgb*>(image.constBits()) + area.left();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = rows + y * stride;
        QRgb other = 0;
        for (int x = 0; x < area.width(); ++x)
            other |= row[x] ^ ground;
        if (other) return false;
    }
    return true;
}

} // namespace

int TextPrints::edgeBytes(int width)
{
    return (width + 7) / 8;
}

qsizetype TextPrints::bytesOf(const Print& p)
{
    // The print, its characters and its pixels, each held with the heap's own header.
    constexpr qsizetype kHeader = 16;
    return qsizetype(sizeof(Print)) + p.text.capacity() * qsizetype(sizeof(QChar)) + kHeader
        + qsizetype(p.under.capacity() * sizeof(Under)) + (p.under.empty() ? 0 : kHeader) + qsizetype(p.edge.capacity())
        + (p.edge.empty() ? 0 : kHeader);
}

QImage TextPrints::under(const Print& p)
{
    QImage u(p.area.size(), QImage::Format_RGB32);
    u.fill(p.ground);
    // Rows of 32-bit pixels follow each other without a gap.
    auto* pixels = reinterpret_cast<QRgb*>(u.bits());
    for (const Under& e : p.under)
        pixels[e.at] = e.colour;
    return u;
}

QImage TextPrints::left(const Print& p, const QImage& under)
{
    QImage l = under.copy();
    paintText(l, p.area.topLeft(), p.font, p.colour, p.baseline, p.text);
    return l;
}

// Calls at(pixel, what lay under it) for every pixel of p's area that still shows what the text left there and
// differs from what lay under it, until at returns false.
template <typename Image, typename At> void TextPrints::eachShown(Image& image, const Print& p, At at)
{
    const QImage u = under(p);
    const QImage l = left(p, u);
    using Pixel = std::conditional_t<std::is_const_v<Image>, const QRgb, QRgb>;
    const int width = p.area.width();
    for (int y = 0; y < p.area.height(); ++y) {
        auto* row = reinterpret_cast<Pixel*>(image.scanLine(p.area.top() + y)) + p.area.left();
        const auto* was = reinterpret_cast<const QRgb*>(l.constScanLine(y));
        const auto* lay = reinterpret_cast<const QRgb*>(u.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (row[x] == was[x] && was[x] != lay[x] && !at(row[x], lay[x])) return;
    }
}

void TextPrints::restore(QImage& image, const Print& p)
{
    // Mostly nothing has been drawn over the text since.
    if ((p.plain || p.complete) && fingerprint(image, p.area) == p.left) {
        const int width = p.area.width();
        for (int y = 0; y < p.area.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.area.top() + y)) + p.area.left();
            if (p.plain) {
                std::fill(row, row + width, p.ground);
                continue;
            }
            // The edge goes back to the ground, and below to what lay there where that was something else; where
            // the text left its own colour, the text drawn again covers the pixel.
            const quint8* bits = p.edge.data() + size_t(y) * size_t(edgeBytes(width));
            for (int x = 0; x < width; x += 8)
                for (quint8 b = bits[x / 8]; b; b &= quint8(b - 1))
                    row[x + qCountTrailingZeroBits(b)] = p.ground;
        }
        if (p.plain) return;
        auto* pixels = reinterpret_cast<QRgb*>(image.bits());
        const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        for (const Under& e : p.under)
            pixels[(p.area.top() + int(e.at) / width) * stride + p.area.left() + int(e.at) % width] = e.colour;
        return;
    }
    // Where the text left its own colour this may put back the ground instead of what lay there: the text drawn
    // again covers such a pixel, and taken back in the ground colour it would leave the ground there.
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

bool TextPrints::showsUncovered(const QImage& image, Print& p, std::vector<quint8>& reached, const QRect& all)
{
    if (!image.rect().contains(p.area)) return false;
    const QImage u = under(p);
    const QImage l = left(p, u);
    const QRgb own = p.colour.rgb();
    const int width = p.area.width();
    bool edge = false, reachedBefore = false;
    m_edge.clear();
    const Under* e = p.under.data();
    const Under* const end = e + p.under.size();
    for (int y = 0; y < p.area.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(p.area.top() + y)) + p.area.left();
        const auto* was = reinterpret_cast<const QRgb*>(l.constScanLine(y));
        const auto* lay = reinterpret_cast<const QRgb*>(u.constScanLine(y));
        quint8* r = reached.data() + (p.area.top() + y - all.top()) * all.width() + p.area.left() - all.left();
        for (int x = 0; x < width; ++x) {
            if (was[x] == lay[x]) continue;
            reachedBefore |= r[x] != 0;
            if (!r[x] && row[x] == was[x]) {
                const quint32 at = quint32(y * width + x);
                // Where it shows only its own colour, the text drawn again covers what it left: nothing to keep.
                if (was[x] != own) edge = true;
                while (e != end && e->at < at)
                    ++e;
                if (e != end && e->at == at) m_edge.push_back(*e);
            }
            r[x] = 1;
        }
    }
    // Untouched by newer texts, it keeps all it needs to be taken back without drawing it again.
    if (edge && reachedBefore && p.complete) {
        m_bytes -= bytesOf(p);
        p.under = std::vector<Under>(m_edge.cbegin(), m_edge.cend());
        p.edge = {};
        p.complete = false;
        m_bytes += bytesOf(p);
    }
    return edge;
}

void TextPrints::draw(QImage& image, const TextDraw& t)
{
    const auto same = std::find_if(m_prints.rbegin(), m_prints.rend(),
        [&](const Print& p) { return p.baseline == t.baseline && p.text == t.text && p.font == t.font; });
    if (same != m_prints.rend()) {
        const auto it = std::next(same).base();
        const Print& p = *it;
        // Drawn again as it stands, untouched since: it would leave the very same pixels.
        if (!t.cell && t.colour == p.colour && t.clip.contains(p.area) && fingerprint(image, p.area) == p.left) return;
        // With an opaque background the cell is filled afresh anyway.
        const bool restored = !t.cell && t.clip.contains(p.area);
        if (restored) restore(image, p);
        // Taken back in the colour of a plain ground that fills all it may touch (its area holds every pixel its
        // glyphs reach): drawn again it would change nothing.
        const bool gone = restored && t.colour.rgb() == p.ground && plain(image, p.area, p.ground);
        m_bytes -= bytesOf(p);
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
    p.plain = plain(before, all, p.ground);
    if (!p.plain) {
        // The edge of a text is where it changed a pixel, but not to its own colour: a blend with what lay there.
        // Only there does what lay under it still show, so only there is it kept, where it was not the ground.
        const QRgb own = p.colour.rgb();
        const int width = area.width();
        const int bytes = edgeBytes(width);
        p.edge.assign(size_t(bytes) * size_t(area.height()), 0);
        m_edge.clear();
        const qsizetype layStride = before.bytesPerLine() / qsizetype(sizeof(QRgb));
        const qsizetype nowStride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        const auto* layRows = reinterpret_cast<const QRgb*>(before.constBits());
        const auto* nowRows = reinterpret_cast<const QRgb*>(image.constBits()) + area.top() * nowStride + area.left();
        for (int y = 0; y < area.height(); ++y) {
            const QRgb* lay = layRows + y * layStride;
            const QRgb* now = nowRows + y * nowStride;
            quint8* bits = p.edge.data() + size_t(y) * size_t(bytes);
            for (int x = 0; x < width; ++x) {
                if (now[x] == lay[x] || now[x] == own) continue;
                bits[x >> 3] |= quint8(1u << (x & 7));
                if (lay[x] != p.ground) m_edge.push_back({ quint32(y * width + x), lay[x] });
            }
        }
        p.under.assign(m_edge.cbegin(), m_edge.cend());
    }
    p.left = fingerprint(image, p.area);
    m_bytes += bytesOf(p);
    m_prints.push_back(std::move(p));
    if (count() >= m_sweepAt || m_bytes > m_sweepBytes) sweep(image);
}

void TextPrints::sweep(const QImage& image)
{
    // Where a window piles texts over texts, a pixel that a newer text has reached belongs to that text, also where
    // it left the pixel as it was: newest first, the pixels reached so far are marked.
    const bool crowded = m_bytes > kCrowded;
    QRect all;
    std::vector<quint8> reached;
    if (crowded) {
        for (const Print& p : m_prints)
            all |= p.area;
        all &= image.rect();
        reached.assign(size_t(all.width()) * size_t(all.height()), 0);
    }
    std::vector<bool> kept(m_prints.size());
    for (size_t i = m_prints.size(); i-- > 0;) {
        Print& p = m_prints[i];
        kept[i] = crowded ? showsUncovered(image, p, reached, all) : shows(image, p);
        if (!kept[i]) m_bytes -= bytesOf(p);
    }
    size_t to = 0;
    for (size_t from = 0; from < m_prints.size(); ++from)
        if (kept[from]) {
            if (to != from) m_prints[to] = std::move(m_prints[from]);
            ++to;
        }
    m_prints.resize(to);
    m_sweepAt = qMax(kMinSweep, 2 * count());
    m_sweepBytes = qMax(kCrowded, m_bytes * 3 / 2);
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
    m_sweepBytes = kCrowded;
}
