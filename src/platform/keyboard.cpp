#include "platform/keyboard.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QChildEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTextEdit>
#include <QToolTip>

bool KeyEvents::wantsSpecialKey(quint16)
{
    return false;
}

quint16 virtualKey(const QKeyEvent* event)
{
    const int k = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return quint16(k);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return quint16(keypad ? vk::Numpad0 + (k - Qt::Key_0) : k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return quint16(vk::F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_Alt:
        return vk::Menu;
    case Qt::Key_Pause:
        return vk::Pause;
    case Qt::Key_CapsLock:
        return vk::Capital;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Asterisk:
        return keypad ? vk::Multiply : 187;
    case Qt::Key_Plus:
        return keypad ? vk::Add : 187;
    case Qt::Key_Minus:
        return keypad ? vk::Subtract : 189;
    case Qt::Key_Period:
        return keypad ? vk::Decimal : 190;
    case Qt::Key_Slash:
        return keypad ? vk::Divide : 191;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Semicolon:
        return 186;
    case Qt::Key_NumberSign:
        return 191;
    default:
        return 255; // some other key: not 0, which means "taken"
    }
}

ShiftState shiftState(Qt::KeyboardModifiers modifiers)
{
    ShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ShiftKey::Shift;
    if (modifiers & Qt::AltModifier) s |= ShiftKey::Alt;
    if (modifiers & Qt::ControlModifier) s |= ShiftKey::Ctrl;
    return s;
}

QChar mnemonicOf(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1).toUpper();
    }
    return QChar();
}

QString withoutMnemonics(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&') && i + 1 < caption.size())
            out += caption.at(++i);
        else if (c != QLatin1Char('&'))
            out += c;
    }
    return out;
}

bool isUsable(const QWidget* control)
{
    return control && control->isEnabled() && control->isVisibleTo(control->window());
}

namespace {

// Fusion draws a scroll bar's handle from the button colour, lighter than its grey track: beside a white list the
// track reads as the handle, and a list at its top seems to stand at its end. Here the handle is a grey clearly
// darker than the track, darker still under the mouse and while it is dragged; the rest is Fusion's.
class ScrollBarStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        // Without a range there is nothing to move, and the handle fills the track as Fusion draws it.
        if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider)
            || bar->maximum <= bar->minimum) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider rest = *bar;
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
        const QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget);
        if (handle.isEmpty()) return;
        const bool onHandle = bar->activeSubControls & SC_ScrollBarSlider;
        const QColor button = bar->palette.color(QPalette::Button);
        QColor fill = button.darker(125);
        if (!(bar->state & State_Enabled))
            fill = button.darker(110);
        else if (onHandle && (bar->state & State_Sunken))
            fill = button.darker(160);
        else if (onHandle && (bar->state & State_MouseOver))
            fill = button.darker(140);
        const bool horizontal = bar->orientation == Qt::Horizontal;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(fill.darker(120));
        painter->setBrush(fill);
        // Its outline lies on the lines of the arrow buttons and the track beside it, as Fusion's does.
        painter->drawRect(
            handle.adjusted(horizontal ? -1 : 0, horizontal ? 0 : -1, horizontal ? 0 : -1, horizontal ? -1 : 0));
        painter->restore();
    }
};

void applyWindowsLook()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new ScrollBarStyle(fusion));
    QPalette p = QApplication::style()->standardPalette();
    auto both = [&p](QPalette::ColorRole role, const QColor& c) {
        p.setColor(QPalette::Active, role, c);
        p.setColor(QPalette::Inactive, role, c);
    };
    both(QPalette::Window, clBtnFace);
    both(QPalette::Button, clBtnFace);
    both(QPalette::Base, clWindow);
    both(QPalette::AlternateBase, clBtnFace);
    both(QPalette::WindowText, clWindowText);
    both(QPalette::ButtonText, clBtnText);
    both(QPalette::Text, clWindowText);
    both(QPalette::Highlight, clHighlight);
    both(QPalette::HighlightedText, clHighlightText);
    both(QPalette::ToolTipBase, clInfoBk);
    both(QPalette::ToolTipText, clInfoText);
    both(QPalette::Light, clBtnHighlight);
    both(QPalette::Midlight, QColor(227, 227, 227));
    both(QPalette::Mid, clBtnShadow);
    both(QPalette::Dark, clBtnShadow);
    both(QPalette::Shadow, cl3DDkShadow);
    p.setColor(QPalette::Disabled, QPalette::Window, clBtnFace);
    p.setColor(QPalette::Disabled, QPalette::Button, clBtnFace);
    p.setColor(QPalette::Disabled, QPalette::Base, clBtnFace);
    p.setColor(QPalette::Disabled, QPalette::WindowText, clGrayText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, clGrayText);
    p.setColor(QPalette::Disabled, QPalette::Text, clGrayText);
    QApplication::setPalette(p);
}

bool s_lastInputWasKey = false;

} // namespace

bool lastInputWasKey()
{
    return s_lastInputWasKey;
}

bool controlWantsKey(QWidget* w, quint16 key)
{
    if (!w) return false;
    if (auto* events = dynamic_cast<KeyEvents*>(w); events && !qobject_cast<Form*>(w))
        return events->wantsSpecialKey(key);
    const bool arrow = key >= vk::Left && key <= vk::Down;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QRadioButton*>(w))
        return arrow;
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return arrow || (key == vk::Return && !t->isReadOnly());
    if (auto* t = qobject_cast<QTextEdit*>(w)) return arrow || (key == vk::Return && !t->isReadOnly());
    return false;
}

namespace {

// Controls that take typed characters; elsewhere a plain key may be an accelerator.
bool takesCharacters(QWidget* w)
{
    return w
        && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w)
            || qobject_cast<QTextEdit*>(w));
}

bool takesText(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) return !e->isReadOnly();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return !e->isReadOnly();
    if (auto* e = qobject_cast<QTextEdit*>(w)) return !e->isReadOnly();
    return false;
}

// What Windows-1252 cannot hold is not typed into a control that takes text, but for an edit made to take it.
bool refusesCharacter(QWidget* w, QChar c)
{
    if (!takesText(w) || cp1252::canEncode(c)) return false;
    const auto* edit = qobject_cast<Edit*>(w);
    return !edit || edit->windows1252Only();
}

Qt::Key qtKeyOf(QChar c)
{
    switch (c.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        return Qt::Key(c.toUpper().unicode());
    }
}

// Routes the keys of every window the way its controls and key handlers expect: Tab, arrows, Enter and Esc
// first to the window (focus moves, Default and Cancel buttons), then OnKeyDown of the form (KeyPreview)
// and of the control, accelerators, OnKeyPress of the form (KeyPreview) and of the control, and what is
// left to the control itself. Also shows hints and numbers widgets in creation order.
class KeyRouter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) assignTabIndex(w);
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            s_lastInputWasKey = false;
            focusByMouse(watched);
            return false;
        case QEvent::KeyPress:
            s_lastInputWasKey = true;
            return routeKey(watched, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return routeKey(watched, static_cast<QKeyEvent*>(event));
        case QEvent::ToolTip:
            return showHint(watched, static_cast<QHelpEvent*>(event));
        default:
            return false;
        }
    }

private:
    // Qt has given the focus to the control pressed before the press reaches the filters.
    static void focusByMouse(QObject* watched)
    {
        auto* w = qobject_cast<QWidget*>(watched);
        Form* form = formOf(w);
        if (form && w != form && form->focusWidget() == w) form->focusByUser(w);
    }

    bool routeKey(QObject* watched, QKeyEvent* event)
    {
        if (m_own.contains(event)) return false;
        auto* w = qobject_cast<QWidget*>(watched);
        Form* form = formOf(w);
        if (!form) return false;
        if (form->isBehindModal()) return true;
        if (event->type() == QEvent::KeyPress) form->showKeyboardCues();
        QWidget* focused = w == form ? nullptr : w;
        // A keypad key stands for a key the keyboard has, so Space neither presses it nor types a blank there:
        // a stray blank after a digit must not send a half-typed answer.
        if (virtualKey(event) == vk::Space && isKeypadKey(focused)) return true;
        runGuarded([&] {
            if (event->type() == QEvent::KeyPress)
                keyPress(form, focused, event);
            else
                keyRelease(form, focused, event);
        });
        return true;
    }

    void keyPress(Form* form, QWidget* focused, QKeyEvent* event)
    {
        quint16 key = virtualKey(event);
        const ShiftState shift = shiftState(event->modifiers());
        const bool dialogKey
            = key == vk::Tab || key == vk::Return || key == vk::Escape || (key >= vk::Left && key <= vk::Down);
        if (dialogKey && !controlWantsKey(focused, key) && form->dialogKey(key, shift, focused)) return;

        if (form->KeyPreview && form->OnKeyDown) form->OnKeyDown(key, shift);
        auto* events = dynamic_cast<KeyEvents*>(focused);
        if (key != 0 && events && events->OnKeyDown) events->OnKeyDown(key, shift);

        // A button or check box is pressed by the Space key going down (and clicked as it comes up), not by the
        // blank it types: a window's key preview that swallows every character still leaves the framed button
        // to Space.
        const bool spaceOnButton = key == vk::Space && !(shift & (ShiftKey::Alt | ShiftKey::Ctrl))
            && qobject_cast<QAbstractButton*>(focused) && isUsable(focused);
        if (spaceOnButton) deliver(form, focused, event, QString());

        if ((shift & ShiftKey::Alt) && !(shift & ShiftKey::Ctrl)) {
            // Alt with a character is an accelerator and nothing else.
            const QChar c = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ? QChar(key) : QChar();
            if (!c.isNull()) form->dialogChar(c);
            return;
        }

        const QString text = event->text();
        QChar c = text.size() == 1 ? text.at(0) : QChar();
        const ushort u = c.unicode();
        const bool character = !c.isNull() && !(shift & ShiftKey::Ctrl)
            && (u == 8 || u == 9 || u == 13 || u == 27 || (u >= 32 && u != 127));
        if (!character) {
            if (key == 0) return;
            // Tab enters a group with nothing chosen at its first item without choosing it; an arrow from there
            // chooses the item it moves to, as it does from a chosen item.
            auto* radio = qobject_cast<QRadioButton*>(focused);
            const bool unchosen
                = radio && radio->autoExclusive() && !radio->isChecked() && key >= vk::Left && key <= vk::Down;
            deliver(form, focused, event, QString());
            if (unchosen) chooseArrivedItem(radio);
            return;
        }
        if (form->PlainKeyAccelerators && !takesCharacters(focused) && u >= 32 && form->dialogChar(c)) return;
        const unsigned keypadActs = form->keypadActs();
        if (form->KeyPreview && form->OnKeyPress) form->OnKeyPress(c);
        if (!c.isNull() && events && events->OnKeyPress) events->OnKeyPress(c);
        // A key typed as an answer brings Enter back to the answer as the keypad key it stands for would, clicked:
        // it pressed a keypad key, or it is a digit, letter or Backspace the window took. A focus the window's own
        // step gave meanwhile stays.
        const bool answer = form->keypadActs() != keypadActs || (c.isNull() && (u == 8 || QChar(u).isLetterOrNumber()));
        if (answer && focused && form->focusWidget() == focused) form->keypadKeyClicked();
        if (!c.isNull() && c.unicode() >= 32 && refusesCharacter(focused, c)) c = QChar();
        if (c.isNull() || spaceOnButton) return;
        deliver(form, focused, event, c == text.at(0) ? QString() : QString(c));
    }

    void keyRelease(Form* form, QWidget* focused, QKeyEvent* event)
    {
        quint16 key = virtualKey(event);
        if (!event->isAutoRepeat()) {
            const ShiftState shift = shiftState(event->modifiers());
            if (form->KeyPreview && form->OnKeyUp) form->OnKeyUp(key, shift);
            auto* events = dynamic_cast<KeyEvents*>(focused);
            if (key != 0 && events && events->OnKeyUp) events->OnKeyUp(key, shift);
        }
        if (key != 0) deliver(form, focused, event, QString());
    }

    static void chooseArrivedItem(QRadioButton* from)
    {
        auto* to = qobject_cast<QRadioButton*>(from->window()->focusWidget());
        if (to && to != from && to->autoExclusive() && to->parentWidget() == from->parentWidget() && !to->isChecked())
            to->click();
    }

    // Hands the key to the control itself (and, if it ignores it, to its parents, as Qt does); a changed
    // character goes as a key of its own.
    void deliver(Form* form, QWidget* focused, QKeyEvent* event, const QString& changedText)
    {
        QWidget* target = focused ? focused : form;
        if (target == form) return;
        const bool changed = !changedText.isEmpty();
        QKeyEvent copy(event->type(), changed ? qtKeyOf(changedText.at(0)) : event->key(), event->modifiers(),
            changed ? changedText : event->text(), event->isAutoRepeat(), ushort(event->count()));
        m_own.append(&copy);
        QCoreApplication::sendEvent(target, &copy);
        m_own.removeOne(&copy);
    }

    bool showHint(QObject* watched, QHelpEvent* event)
    {
        auto* w = qobject_cast<QWidget*>(watched);
        Form* form = formOf(w);
        if (!form) return false;
        QWidget* owner = w;
        while (owner && owner->property("taviHint").toString().isEmpty() && owner != form)
            owner = owner->parentWidget();
        const QString hint = owner ? owner->property("taviHint").toString() : QString();
        bool show = false;
        for (QWidget* s = owner; s; s = s == form ? nullptr : s->parentWidget()) {
            const QVariant v = s->property("taviShowHint");
            if (v.isValid()) {
                show = v.toBool();
                break;
            }
        }
        if (show && !hint.isEmpty())
            QToolTip::showText(event->globalPos(), hint, w);
        else
            QToolTip::hideText();
        return true;
    }

    QList<QEvent*> m_own;
};

} // namespace

void installKeyRouting()
{
    static KeyRouter* router = nullptr;
    if (router || !QCoreApplication::instance()) return;
    router = new KeyRouter;
    router->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(router);
    // The button Enter presses carries the default-button look, so it follows the focus.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QApplication::focusChanged, router, [](QWidget* from, QWidget* to) {
            Form* a = formOf(from);
            Form* b = formOf(to);
            if (b) b->focusMovedTo(to);
            if (a) a->updateEnterMark();
            if (b && b != a) b->updateEnterMark();
        });
    applyWindowsLook();
}
