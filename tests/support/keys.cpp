#include "support/keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

QWidget* keyTarget(QWidget* window)
{
    QWidget* w = window->focusWidget();
    return w ? w : window;
}

void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(keyTarget(window), key, modifiers);
}

void typeText(QWidget* window, const QString& text)
{
    for (QChar c : text) {
        const Qt::Key key
            = c.isLetterOrNumber() && c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(keyTarget(window), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(keyTarget(window), &release);
    }
}

void holdKey(QWidget* window, Qt::Key key, int count)
{
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
        QCoreApplication::sendEvent(keyTarget(window), &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(keyTarget(window), &release);
}
