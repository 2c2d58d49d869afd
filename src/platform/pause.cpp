#include "platform/pause.h"

#include "platform/clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <memory>
#include <vector>

namespace {

bool isUserInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// A timer of a window: a QTimer that a widget owns. Other timers (the mouse trap's, Qt's own) run on.
bool isWindowTimer(QObject* o)
{
    if (!qobject_cast<QTimer*>(o)) return false;
    for (QObject* p = o->parent(); p; p = p->parent())
        if (p->isWidgetType()) return true;
    return false;
}

// Holds back input and window-timer ticks while a pause runs, and hands them on afterwards: input first, in
// its order, then one tick per timer, as queued messages would come.
class Holdback final : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (isUserInput(event->type())) {
            if (event->type() != QEvent::ShortcutOverride)
                m_input.push_back({ receiver, std::unique_ptr<QEvent>(event->clone()) });
            event->accept();
            return true;
        }
        if (event->type() == QEvent::Timer && isWindowTimer(receiver)) {
            bool known = false;
            for (const auto& t : m_timers)
                known = known || t.data() == receiver;
            if (!known) m_timers.push_back(static_cast<QTimer*>(receiver));
            return true;
        }
        return false;
    }

    void release()
    {
        for (auto& e : m_input)
            if (e.receiver) QCoreApplication::postEvent(e.receiver, e.event.release());
        m_input.clear();
        for (auto& t : m_timers)
            if (t && t->isActive()) QCoreApplication::postEvent(t, new QTimerEvent(t->timerId()));
        m_timers.clear();
    }

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> m_input;
    std::vector<QPointer<QTimer>> m_timers;
};

int g_depth = 0;

void runEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void showDrawing()
{
    if (!QCoreApplication::instance()) return;
    Holdback hold;
    QCoreApplication::instance()->installEventFilter(&hold);
    runEvents();
    QCoreApplication::instance()->removeEventFilter(&hold);
    hold.release();
}

void pause(double days)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (clockx::TestClock::installed()) {
        clockx::TestClock::advance(days);
        if (app && g_depth == 0) showDrawing();
        return;
    }
    const double end = clockx::now() + days;
    if (!app) {
        while (clockx::now() <= end)
            QThread::yieldCurrentThread();
        return;
    }
    Holdback hold;
    app->installEventFilter(&hold);
    ++g_depth;
    runEvents();
    while (clockx::now() <= end) {
        runEvents();
        const double left = (end - clockx::now()) * clockx::kMillisecondsPerDay;
        if (left > 1.5)
            QThread::msleep(1);
        else
            QThread::yieldCurrentThread();
    }
    --g_depth;
    app->removeEventFilter(&hold);
    hold.release();
}
