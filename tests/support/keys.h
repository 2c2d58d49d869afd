#pragma once
#include <QString>
#include <Qt>

class QWidget;

// Keys as the keyboard gives them: to the control that has the focus in window (the window itself when none).
QWidget* keyTarget(QWidget* window);
void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Each character as one key press and release, also characters no key of a test keyboard has.
void typeText(QWidget* window, const QString& text);
// A key held down: count presses, all but the first auto-repeated, then one release.
void holdKey(QWidget* window, Qt::Key key, int count);
