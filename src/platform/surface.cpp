#include "platform/surface.h"

#include "platform/canvas.h"
#include "platform/paintbox.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

Surface::Surface(QWidget* owner)
    : m_owner(owner)
{
}

Surface::~Surface() = default;

void Surface::ensureSize(const QSize& size)
{
    if (m_image.width() >= size.width() && m_image.height() >= size.height()) return;
    QImage grown(size.expandedTo(m_image.size()), QImage::Format_RGB32);
    grown.fill(m_background);
    if (!m_image.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
    }
    m_image = grown;
}

void Surface::clear()
{
    m_textPrints.clear();
    m_placedTexts.clear();
    if (!m_drawnExtent.isEmpty()) {
        m_drawnExtent = QSize(0, 0);
        if (m_grown) m_grown(m_drawnExtent);
    }
    if (!m_image.isNull()) m_image.fill(m_background);
    if (m_owner) m_owner->update();
}

void Surface::clear(const QRect& region)
{
    const QRect r = region.intersected(m_image.rect());
    if (r.isEmpty()) return;
    QPainter p(&m_image);
    p.fillRect(r, m_background);
    p.end();
    paintedOver(r);
    changed(r);
}

void Surface::paintedOver(const QRect& r)
{
    m_textPrints.paintedOver(r);
    if (m_placedTexts.isEmpty()) return;
    m_placedTexts.erase(std::remove_if(m_placedTexts.begin(), m_placedTexts.end(),
                            [&](const PlacedText& t) { return r.contains(t.box); }),
        m_placedTexts.end());
}

void Surface::drawnOver(const QRect& bounds)
{
    const QRect kept = bounds.intersected(QRect(0, 0, kMaxGrowth, kMaxGrowth));
    if (kept.isEmpty()) return;
    const QSize extent = m_drawnExtent.expandedTo(QSize(kept.right() + 1, kept.bottom() + 1));
    if (extent == m_drawnExtent) return;
    m_drawnExtent = extent;
    if (m_grown) m_grown(extent);
}

namespace {
bool s_recordingTexts = false;
// A window that draws on every key would pile up its texts; the newest are the ones a test looks at.
constexpr int kPlacedTextsKept = 4096;
}

void Surface::setRecordingTexts(bool on)
{
    s_recordingTexts = on;
}

bool Surface::recordingTexts()
{
    return s_recordingTexts;
}

void Surface::textPlaced(const QRect& box, const QString& text)
{
    // A text drawn again at its place (a counter, a blinking prompt) replaces itself.
    for (PlacedText& t : m_placedTexts)
        if (t.box == box) {
            t.text = text;
            return;
        }
    if (m_placedTexts.size() >= kPlacedTextsKept) m_placedTexts.removeFirst();
    m_placedTexts.append({ box, text });
}

void Surface::changed(const QRect& region)
{
    if (!m_owner) return;
    m_owner->update(region);
    // Paint boxes show their part of the surface, also inside panels and group boxes.
    // Found by their class, not by a property looked up by name: this runs on every drawing.
    const auto boxes = m_owner->findChildren<PaintBox*>();
    for (PaintBox* c : boxes) {
        if (!c->isVisible()) continue;
        const QRect g(c->mapTo(m_owner.data(), QPoint(0, 0)), c->size());
        if (g.intersects(region)) c->update(region.translated(-g.topLeft()));
    }
}

void Surface::paint(QPainter& painter, const QRect& target) const
{
    if (m_image.isNull()) return;
    painter.drawImage(QPoint(0, 0), m_image, target);
}

void Surface::paintOwner(QPainter& painter, const QRegion& region)
{
    if (m_image.isNull()) {
        painter.fillRect(region.boundingRect(), m_background);
        return;
    }
    if (m_owner) ensureSize(m_owner->size());
    for (const QRect& r : region) {
        painter.save();
        painter.translate(r.topLeft());
        paint(painter, r);
        painter.restore();
    }
}

Canvas& Surface::canvas()
{
    if (!m_canvas) m_canvas = std::make_unique<Canvas>(*this);
    return *m_canvas;
}

QWidget* surfaceOwnerOf(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (dynamic_cast<SurfaceOwner*>(w)) return w;
    return nullptr;
}
