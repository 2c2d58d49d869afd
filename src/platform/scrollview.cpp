#include "platform/scrollview.h"

#include "platform/canvas.h"
#include "platform/form.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

// The drawing itself: a widget that owns the growing surface and shows it, as a form shows its own.
class ScrollView::Sheet final : public QWidget, public SurfaceOwner {
public:
    explicit Sheet(ScrollView* view)
        : m_view(view)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_surface.setGrowing([this](const QSize&) { m_view->fitSheet(); });
    }
    Surface& surface() override { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        m_surface.paintOwner(p, event->region());
    }

private:
    ScrollView* m_view;
    Surface m_surface { this };
};

ScrollView::ScrollView(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    m_sheet = new Sheet(this);
    setWidget(m_sheet);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    fitSheet();
}

ScrollView::~ScrollView()
{
    if (m_watchingKeys) qApp->removeEventFilter(this);
}

Canvas& ScrollView::canvas()
{
    return m_sheet->surface().canvas();
}

Surface& ScrollView::surface()
{
    return m_sheet->surface();
}

void ScrollView::setColor(const QColor& color)
{
    m_sheet->surface().setBackground(color);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, color);
    viewport()->setPalette(p);
    m_sheet->update();
}

void ScrollView::clear()
{
    m_sheet->surface().clear();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void ScrollView::setLineStep(int pixels)
{
    verticalScrollBar()->setSingleStep(qMax(1, pixels));
}

void ScrollView::fitSheet()
{
    // At least the visible area, so that the drawing's colour fills it; more where the drawing needs it.
    const QSize size = m_sheet->surface().drawnExtent().expandedTo(viewport()->size());
    if (m_sheet->size() != size) m_sheet->resize(size);
}

bool ScrollView::viewportEvent(QEvent* event)
{
    // A scroll bar coming or going changes the visible area.
    if (event->type() == QEvent::Resize) fitSheet();
    return QScrollArea::viewportEvent(event);
}

void ScrollView::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    // Watching the application's keys from now on puts this view before the window's key routing, which
    // would move the focus on Up and Down.
    if (!m_watchingKeys) qApp->installEventFilter(this);
    m_watchingKeys = true;
}

void ScrollView::hideEvent(QHideEvent* event)
{
    QScrollArea::hideEvent(event);
    if (m_watchingKeys) qApp->removeEventFilter(this);
    m_watchingKeys = false;
    // What was drawn goes with the window that closes, as a form's own drawing does (not when it is minimised).
    if (!event->spontaneous()) clear();
}

bool ScrollView::inThisWindow(QWidget* w) const
{
    if (!w || w->window() != window()) return false;
    const Form* f = formOf(this);
    return !(f && f->isBehindModal());
}

bool ScrollView::scrollKey(int key, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    QScrollBar* bar = verticalScrollBar();
    // A drawing that fits leaves the keys to the window.
    if (bar->maximum() <= bar->minimum()) return false;
    static const std::pair<int, QAbstractSlider::SliderAction> aktionen[] = {
        { Qt::Key_Up, QAbstractSlider::SliderSingleStepSub },
        { Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd },
        { Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub },
        { Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd },
        { Qt::Key_Home, QAbstractSlider::SliderToMinimum },
        { Qt::Key_End, QAbstractSlider::SliderToMaximum },
    };
    for (const auto& [taste, aktion] : aktionen)
        if (taste == key) {
            bar->triggerAction(aktion);
            return true;
        }
    return false;
}

bool ScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        return false;
    }
    // The scroll area itself follows the size of the drawing.
    if (watched == m_sheet) return QScrollArea::eventFilter(watched, event);
    auto* w = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!isVisible() || !inThisWindow(w)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return scrollKey(key->key(), key->modifiers());
    }
    case QEvent::Wheel: {
        // The wheel over the window's buttons scrolls the drawing too; lists and memos keep their own.
        if (!isVisible() || !inThisWindow(w)) return false;
        for (QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget())
            if (qobject_cast<QAbstractScrollArea*>(p)) return false;
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    default:
        return QScrollArea::eventFilter(watched, event);
    }
}
