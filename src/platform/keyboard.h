#pragma once
#include <QChar>
#include <Qt>
#include <functional>

class QKeyEvent;
class QWidget;

// Virtual key codes, as the key handlers receive them.
namespace vk {
constexpr quint16 Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
                  Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
                  Down = 40, Insert = 45, Delete = 46, Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109,
                  Decimal = 110, Divide = 111, F1 = 112;
}

namespace ShiftKey {
enum : unsigned { Shift = 1, Alt = 2, Ctrl = 4 };
}
using ShiftState = unsigned;

// OnKeyDown and OnKeyUp get the virtual key code; setting it to 0 keeps the key from the control.
// OnKeyPress gets the character; setting it to 0 drops it.
using KeyHandler = std::function<void(quint16& key, ShiftState shift)>;
using KeyPressHandler = std::function<void(QChar& key)>;

// The key events of a control. A form has its own, which see every key first while its KeyPreview is on.
class KeyEvents {
public:
    virtual ~KeyEvents() = default;
    KeyHandler OnKeyDown;
    KeyPressHandler OnKeyPress;
    KeyHandler OnKeyUp;

    // Asked before Tab, an arrow, Enter or Esc moves the focus or clicks the Default or Cancel button;
    // true keeps the key for this control.
    virtual bool wantsSpecialKey(quint16 key);
};

quint16 virtualKey(const QKeyEvent* event);
ShiftState shiftState(Qt::KeyboardModifiers modifiers);

// The character a caption marks with "&" ("&&" is a plain "&"), upper case; a null QChar when none.
QChar mnemonicOf(const QString& caption);
// A caption as it reads on the screen without its "&" marks.
QString withoutMnemonics(const QString& caption);

// True when the control is shown (as far as its window goes) and enabled: what a key may click or focus.
bool isUsable(const QWidget* control);

// Does the focused control use this key itself (an arrow in an edit, Enter in a memo) rather than let the window
// move the focus or click its Default or Cancel button?
bool controlWantsKey(QWidget* control, quint16 key);

// True when the user's last input was a key rather than a mouse button: every window shown or active again then
// shows where Space and Enter act at once.
bool lastInputWasKey();

// Installs, once, the application-wide routing of keys, accelerators and hints to the windows (every Form
// does this when it is created) and the look of the controls.
void installKeyRouting();
