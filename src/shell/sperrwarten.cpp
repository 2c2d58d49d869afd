#include "shell/sperrwarten.h"

#include "platform/filelock.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>

namespace sperrwarten {

namespace {

// Drops the user's input while it is installed, the window system's close box among it.
class Eingabesperre final : public QObject {
public:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        case QEvent::Close:
            // The close box would run the window's Cancel step inside the save that waits; the window stays, and
            // the user may close it once the save is done.
            e->ignore();
            return true;
        default:
            return QObject::eventFilter(ziel, e);
        }
    }
};

void beobachten(FileLock::WaitPhase phase)
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    static Eingabesperre sperre;
    switch (phase) {
    case FileLock::WaitPhase::begins:
        app->installEventFilter(&sperre);
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        QCoreApplication::processEvents();
        break;
    case FileLock::WaitPhase::pauses:
        // Repaints, shows the cursor, and takes in (and drops) what the user clicks meanwhile.
        QCoreApplication::processEvents();
        break;
    case FileLock::WaitPhase::ends:
        // What was clicked in the last moments of the wait is dropped as well.
        QCoreApplication::processEvents();
        QGuiApplication::restoreOverrideCursor();
        app->removeEventFilter(&sperre);
        break;
    }
}

} // namespace

void anzeigen()
{
    FileLock::setWaitObserver(beobachten);
}

Warten::Warten()
{
    beobachten(FileLock::WaitPhase::begins);
}

Warten::~Warten()
{
    beobachten(FileLock::WaitPhase::ends);
}

void Warten::weiter()
{
    beobachten(FileLock::WaitPhase::pauses);
}

} // namespace sperrwarten
