#include "platform/paintbox.h"

#include "platform/canvasdevices.h"
#include "platform/errors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The canvas of a paint box: its form's surface, offset to where the box lies now and clipped to it.
class PaintBoxTarget final : public SurfaceTarget {
public:
    PaintBoxTarget(Surface& surface, PaintBox* box)
        : SurfaceTarget(surface)
        , m_box(box)
    {
    }

protected:
    QPoint origin() const override { return m_box->surfaceRect().topLeft(); }
    std::optional<QRect> clip() const override { return m_box->surfaceRect(); }

private:
    PaintBox* m_box;
};

} // namespace

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

PaintBox::~PaintBox() = default;

Surface& PaintBox::targetSurface()
{
    if (QWidget* owner = surfaceOwnerOf(parentWidget())) return dynamic_cast<SurfaceOwner*>(owner)->surface();
    if (!m_ownSurface) m_ownSurface = std::make_unique<Surface>(this);
    return *m_ownSurface;
}

QRect PaintBox::surfaceRect()
{
    QWidget* owner = surfaceOwnerOf(parentWidget());
    return QRect(owner ? mapTo(owner, QPoint(0, 0)) : QPoint(0, 0), size());
}

Canvas& PaintBox::canvas()
{
    Surface& s = targetSurface();
    if (!m_canvas || m_canvasSurface != &s) {
        auto fresh = std::make_unique<Canvas>(std::make_unique<PaintBoxTarget>(s, this));
        if (m_canvas) {
            fresh->pen = m_canvas->pen;
            fresh->brush = m_canvas->brush;
            fresh->font = m_canvas->font;
            fresh->setMapMode(m_canvas->mapMode());
            fresh->setTextAlign(m_canvas->textAlign());
        } else {
            fresh->setTextAlign(TextAlign::Center | TextAlign::Top);
        }
        m_canvas = std::move(fresh);
        m_canvasSurface = &s;
    }
    return *m_canvas;
}

QColor PaintBox::color()
{
    return m_color.isValid() ? m_color : targetSurface().background();
}

void PaintBox::repaint()
{
    if (isVisible()) runOnPaint();
}

void PaintBox::invalidate()
{
    schedulePaint();
}

void PaintBox::schedulePaint()
{
    if (!m_onPaint || m_paintPending) return;
    m_paintPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_paintPending = false;
            if (isVisible()) runOnPaint();
        },
        Qt::QueuedConnection);
}

void PaintBox::runOnPaint()
{
    if (!m_onPaint) return;
    Canvas& c = canvas();
    c.brush.color = color();
    if (m_font) c.font = *m_font;
    runGuarded(m_onPaint);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    targetSurface().paint(p, surfaceRect());
}

void PaintBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    schedulePaint();
}

void PaintBox::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A box hidden on its own leaves the form's background where it was, as the form repaints that area.
    if (isHidden() && surfaceOwnerOf(parentWidget())) targetSurface().clear(surfaceRect());
}

void PaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible()) schedulePaint();
}

void PaintBox::mouse(const MouseHandler& handler, QMouseEvent* event, Qt::MouseButton button)
{
    if (!handler) return;
    MouseArgs a;
    a.button = button;
    a.buttons = event->buttons();
    a.modifiers = event->modifiers();
    const QPoint p = event->position().toPoint();
    a.x = p.x();
    a.y = p.y();
    runGuarded([&] { handler(a); });
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    mouse(m_onMouseDown, event, event->button());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    mouse(m_onMouseMove, event, Qt::NoButton);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    mouse(m_onMouseUp, event, event->button());
}
