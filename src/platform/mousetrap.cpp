#include "platform/mousetrap.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace mousetrap {
namespace {

bool platformMovesPointer()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

class Trap final : public QObject {
public:
    Trap()
        : QObject(QCoreApplication::instance())
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &Trap::hold);
        // However the program ends, the pointer is free again.
        connect(qApp, &QCoreApplication::aboutToQuit, this, &Trap::release);
    }

    void set(const QRect& r)
    {
        m_rect = r;
        if (platformMovesPointer()) {
            m_timer.start();
            hold();
        }
    }
    void release()
    {
        m_rect.reset();
        m_timer.stop();
    }
    std::optional<QRect> rect() const { return m_rect; }
    bool enforced() const { return m_timer.isActive(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close) release();
        return QObject::eventFilter(watched, event);
    }

private:
    void hold()
    {
        if (!m_rect) return;
        const QPoint p = QCursor::pos();
        const QPoint inside(
            qBound(m_rect->left(), p.x(), m_rect->right()), qBound(m_rect->top(), p.y(), m_rect->bottom()));
        if (inside != p) QCursor::setPos(inside);
    }

    std::optional<QRect> m_rect;
    QTimer m_timer;
};

Trap* trap()
{
    static QPointer<Trap> t;
    if (!t && QCoreApplication::instance()) t = new Trap; // a child of the application, deleted with it
    return t;
}

} // namespace

void clip(int left, int top, int right, int bottom)
{
    // An empty or inverted rectangle holds the pointer on its first pixel, as a one-pixel trap.
    const QRect r(QPoint(left, top), QPoint(qMax(left, right - 1), qMax(top, bottom - 1)));
    if (Trap* t = trap()) t->set(r);
}

void release()
{
    if (Trap* t = trap()) t->release();
}

std::optional<QRect> current()
{
    Trap* t = trap();
    return t ? t->rect() : std::nullopt;
}

bool enforced()
{
    Trap* t = trap();
    return t && t->enforced();
}

void releaseOnHide(QWidget* window)
{
    if (Trap* t = trap(); t && window) window->installEventFilter(t);
}

} // namespace mousetrap
