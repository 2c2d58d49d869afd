#include "platform/form.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {

QList<Form*>& modalStack()
{
    static QList<Form*> stack;
    return stack;
}

Form::ModalDriver& driverSlot()
{
    static Form::ModalDriver driver;
    return driver;
}

// Every widget under root that can take the focus at all, in tab order, depth first.
void collectFocusable(const QWidget* root, QList<QWidget*>& out)
{
    for (QWidget* w : tabOrderedChildren(root)) {
        if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy()) out << w;
        collectFocusable(w, out);
    }
}

// The focus frame around a keypad whose window holds the keys: a line in the margin around the keys, over
// them, which clicks pass through.
class KeypadFrame final : public QWidget {
public:
    explicit KeypadFrame(QWidget* box)
        : QWidget(box)
    {
        setObjectName(QStringLiteral("tastenrahmen"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        drawFocusFrame(p, rect().adjusted(0, 0, -1, -1));
    }
};

template <typename T> void collectAll(const QWidget* root, QList<T*>& out)
{
    for (QWidget* w : tabOrderedChildren(root)) {
        if (auto* t = qobject_cast<T*>(w)) out << t;
        collectAll(w, out);
    }
}

// Tab passes over the radio buttons of a group that are not switched on; a group with nothing switched on is
// entered at its first item, which Tab leaves unchosen (the arrows choose).
bool isTabStop(QWidget* w)
{
    if (!hasTabStop(w)) return false;
    auto* r = qobject_cast<QRadioButton*>(w);
    if (!r || !r->autoExclusive() || r->isChecked()) return true;
    QWidget* first = nullptr;
    for (QWidget* s : tabOrderedChildren(r->parentWidget())) {
        auto* item = qobject_cast<QRadioButton*>(s);
        if (!item || !item->autoExclusive() || !isUsable(item)) continue;
        if (item->isChecked()) return false;
        if (!first && hasTabStop(item)) first = item;
    }
    return first == r;
}

// The offscreen platform (tests) cannot stack windows and says so each time.
void bringUp(QWidget* w)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

Button* firstUsable(const QList<QPointer<QWidget>>& buttons)
{
    for (const QPointer<QWidget>& w : buttons)
        if (auto* b = qobject_cast<Button*>(w.data()); b && isUsable(b)) return b;
    return nullptr;
}

void clickButton(QPushButton* b)
{
    if (auto* button = qobject_cast<Button*>(b))
        button->Click();
    else
        b->click();
}

} // namespace

Form::Form(QWidget* parent)
    : QDialog(parent)
{
    installKeyRouting();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
        | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setColor(clBtnFace);
    setDefaultFont(QStringLiteral("MS Sans Serif"), -11);
    // The surface grows when the window is shown or drawn on: most of the program's windows are never
    // opened in a run, and a backing image for each would cost a megabyte apiece at start.
}

Form::~Form()
{
    modalStack().removeAll(this);
    if (m_loop) m_loop->quit();
}

void Form::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Form::setDesignGeometry(int left, int top, int clientWidth, int clientHeight)
{
    move(left, top);
    resize(clientWidth, clientHeight);
}

void Form::setClientSize(int clientWidth, int clientHeight)
{
    resize(clientWidth, clientHeight);
}

void Form::setColor(const QColor& color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Window, color);
    setPalette(p);
    // A new colour paints the whole window anew, as the old windows did.
    m_surface.setBackground(color);
    m_surface.clear();
    update();
}

void Form::setDefaultFont(const QString& name, int height, FontStyles styles)
{
    applyFont(this, name, height, styles);
}

void Form::setDefaultFontSize(const QString& name, int points, FontStyles styles)
{
    applyFontSize(this, name, points, styles);
}

void Form::setShowHint(bool on)
{
    ::setShowHint(this, on);
}

void Form::setColor(QWidget* control, const QColor& color)
{
    ::setColor(control, color);
}

void Form::setShowHint(QWidget* control, bool on)
{
    ::setShowHint(control, on);
}

QSize Form::outerSize() const
{
    // The window manager sizes a maximised window some time after it is shown; its outer size is the
    // screen's work area from the start.
    if (isVisible() && isMaximized())
        if (QScreen* s = screen()) return s->availableGeometry().size();
    return frameGeometry().size();
}

bool Form::isBehindModal() const
{
    const int i = int(modalStack().indexOf(const_cast<Form*>(this)));
    return i >= 0 && i < modalStack().size() - 1;
}

Form* Form::topModal()
{
    return modalStack().isEmpty() ? nullptr : modalStack().last();
}

void Form::setModalDriver(ModalDriver driver)
{
    driverSlot() = std::move(driver);
}

void Form::showModal()
{
    if (m_showing) return;
    QPointer<Form> opener = topModal();
    if (opener) opener->m_focusBeforeChild = opener->focusWidget();
    m_showing = true;
    m_closed = false;
    m_defaultsKnown = false;
    m_keysFrom = nullptr;
    m_userFocus = nullptr;
    modalStack().append(this);

    prepareFocus();
    setWindowModality(Qt::ApplicationModal);
    if (opener) {
        winId();
        if (windowHandle() && opener->windowHandle()) windowHandle()->setTransientParent(opener->windowHandle());
    }
    if (m_maximized) {
        if (QScreen* s = screen()) setGeometry(s->availableGeometry());
        showMaximized();
    } else {
        if (m_position == FormPosition::ScreenCenter) centre();
        show();
    }
    bringUp(this);
    showKeyboardCues();
    updateEnterMark();
    runGuarded([this] { shown(); });
    // Where the first showing with a usable control started; a showing on nothing (every control disabled or
    // hidden at that moment) notes none, so that a later one starts on its first control as Tab would.
    if (!m_start && !m_closed) {
        QWidget* focused = focusWidget();
        if (focused != this && isUsable(focused)) m_start = focused;
    }

    if (!m_closed) {
        if (driverSlot()) {
            const ModalDriver driver = driverSlot();
            runGuarded([&] { driver(*this); });
            if (!m_closed) Close();
        } else {
            QEventLoop loop;
            m_loop = &loop;
            loop.exec(QEventLoop::DialogExec);
            m_loop = nullptr;
        }
    }
    modalStack().removeAll(this);
    m_showing = false;
    if (opener) opener->returnFromChild();
}

void Form::Close()
{
    if (m_closing) return;
    m_closing = true;
    runGuarded([this] {
        if (OnClose) OnClose();
    });
    const bool wasShown = isVisible();
    hide();
    // What was drawn on a window does not outlive its hiding: a window shown again starts from its colour and
    // draws what it shows as it opens, so a new run never shows what the last one left (its bars, its tasks).
    if (wasShown) m_surface.clear();
    m_closed = true;
    if (m_loop) m_loop->quit();
    m_closing = false;
}

void Form::shown()
{
    if (OnActivate) OnActivate();
}

void Form::childClosed()
{
    if (ActivateOnReturn && OnActivate) OnActivate();
}

void Form::returnFromChild()
{
    if (isVisible()) bringUp(this);
    // A focus the program asked for meanwhile is given now; else the control the user left keeps its text and
    // cursor as they were.
    QWidget* const asked = m_pendingFocus;
    QWidget* target = asked ? asked : m_focusBeforeChild.data();
    m_pendingFocus = nullptr;
    m_focusBeforeChild = nullptr;
    if (isUsable(target) && asked)
        giveFocus(target, Qt::OtherFocusReason);
    else if (isUsable(target))
        target->setFocus(Qt::OtherFocusReason);
    keepFocusUsable();
    showKeyboardCues();
    updateEnterMark();
    runGuarded([this] { childClosed(); });
}

void Form::prepareFocus()
{
    // The control the window was left on counts only if Tab reaches it: a click on a button without tab stop
    // ("zurück" of a sheet) focuses it, and at the next showing it would take the typed counts and Enter.
    // Nor does a run start on the button that ends it, where the first Space or Enter would end it again.
    const auto startHere = [this](QWidget* w) { return isUsable(w) && isTabStop(w) && !endsActivity(w); };
    QWidget* focused = focusWidget();
    if (focused && focused != this && startHere(focused)) return;
    for (QWidget* start : { m_start.data(), m_activeControl.data() }) {
        if (isUsable(start) && !endsActivity(start)) {
            giveFocus(start, Qt::OtherFocusReason);
            return;
        }
    }
    QList<QWidget*> list;
    collectFocusable(this, list);
    for (QWidget* w : list) {
        if (startHere(w)) {
            giveFocus(w, Qt::TabFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

void Form::keepFocusUsable()
{
    // A control hidden or disabled while the window was not active (behind a message, or another program in
    // front) keeps the window's focus, and a disabled panel leaves it with none: Qt would then give it to the
    // first control in its chain ("Programm abbrechen" of a game), which Enter would press. The window keeps
    // the focus itself, as when this happens while it is active (focusNextPrevChild).
    QWidget* focused = focusWidget();
    if (focused == this || isUsable(focused)) return;
    setFocus(Qt::OtherFocusReason);
}

void Form::centre()
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void Form::requestFocus(QWidget* control)
{
    if (!isUsable(control)) return;
    m_userFocus = nullptr;
    if (isBehindModal()) {
        m_pendingFocus = control;
        return;
    }
    giveFocus(control, Qt::OtherFocusReason);
    updateEnterMark();
}

void Form::giveFocus(QWidget* control, Qt::FocusReason reason)
{
    // An edit the program or a key moves the focus into has its text selected, so that what is typed replaces
    // what the window put there ("******" of the password, a proposed folder, a name to change); a click of
    // the mouse places the cursor instead. A window not active yet gets no focus event, so the selection is
    // made here; the control that already had the focus keeps its cursor.
    const bool moves = focusWidget() != control;
    control->setFocus(reason);
    if (!moves) return;
    if (auto* edit = qobject_cast<Edit*>(control)) edit->selectAll();
}

void Form::keypadKeyClicked()
{
    // Enter goes to a focused button before the key preview: a stray Tab that framed "Programm abbrechen",
    // then an answer clicked on the keypad, would have the next Enter end the run. A button the window itself
    // focused ("los geht's", "weiter" after an abort) keeps Enter, as it does after a typed digit, unless it
    // ends the run. A keypad key the program focused ("Ü 1" after the carry message), an edit or a list keep
    // the focus.
    QWidget* focused = focusWidget();
    if (!qobject_cast<QAbstractButton*>(focused) || isKeypadKey(focused)) return;
    auto* button = qobject_cast<Button*>(focused);
    const bool endsRun = button && button->Cancel;
    if (focused != m_userFocus && !endsRun) return;
    setFocus(Qt::OtherFocusReason);
    m_keysFrom = focused;
}

void Form::focusByUser(QWidget* control)
{
    m_userFocus = control;
}

void Form::focusMovedTo(const QWidget* to)
{
    if (to != this) m_keysFrom = nullptr;
}

void Form::showKeyboardCues()
{
    // Space and Enter act on the focused control, so a window reached by the keyboard shows which one that is
    // at once, also where the program moved the focus. The frame shows in a window with this attribute alone,
    // which Qt sets for Tab only and clears when the window hides. A window used with the mouse alone keeps its
    // look.
    if (!lastInputWasKey() || testAttribute(Qt::WA_KeyboardFocusChange)) return;
    setAttribute(Qt::WA_KeyboardFocusChange);
    updateKeypadFrame();
    if (QWidget* focused = focusWidget()) {
        focused->update();
        if (auto* area = qobject_cast<QAbstractScrollArea*>(focused)) area->viewport()->update();
    }
}

void Form::findEnterButtons() const
{
    if (m_defaultsKnown) return;
    QList<Button*> buttons;
    collectAll(this, buttons);
    m_defaults.clear();
    m_keypadEnters.clear();
    for (Button* b : buttons) {
        if (b->Default) m_defaults << b;
        if (isKeypadEnter(b)) m_keypadEnters << b;
    }
    m_defaultsKnown = true;
}

const QList<QPointer<QWidget>>& Form::defaultButtons() const
{
    findEnterButtons();
    return m_defaults;
}

const QList<QPointer<QWidget>>& Form::keypadEnters() const
{
    findEnterButtons();
    return m_keypadEnters;
}

QPushButton* Form::enterButton() const
{
    QWidget* focused = focusWidget();
    if (focused == this) focused = nullptr;
    if (auto* b = qobject_cast<QPushButton*>(focused); b && isUsable(b)) return b;
    if (controlWantsKey(focused, vk::Return)) return nullptr;
    return firstUsable(defaultButtons());
}

QPushButton* Form::markedButton() const
{
    if (QPushButton* b = enterButton()) return b;
    if (!KeyPreview || controlWantsKey(focusWidget(), vk::Return)) return nullptr;
    return firstUsable(keypadEnters());
}

void previewFlagChanged(Form* form)
{
    form->updateEnterMark();
}

void Form::updateEnterMark()
{
    updateKeypadFrame();
    QPushButton* now = markedButton();
    if (now == m_enterMark.data()) return;
    if (auto* old = qobject_cast<QPushButton*>(m_enterMark.data())) old->update();
    m_enterMark = now;
    if (now) now->update();
}

QRect Form::keypadArea(QWidget*& box) const
{
    // The keys of the first keypad that can be used now, in the box that holds them.
    box = nullptr;
    QRect area;
    QList<QAbstractButton*> buttons;
    collectAll(this, buttons);
    for (QAbstractButton* b : buttons) {
        if (!isKeypadKey(b) || !isUsable(b)) continue;
        if (!box) box = b->parentWidget();
        if (b->parentWidget() == box) area |= b->geometry();
    }
    return area;
}

void Form::updateKeypadFrame()
{
    // A window that holds the keys itself, worked with the keyboard, where no button shows that Enter presses
    // it: the keys go to the keypad, and the frame around it shows so, as a keypad's marked Enter key does. Where
    // the window has no keypad either, there is nothing Space or Enter acts on.
    QWidget* focused = focusWidget();
    const bool windowHasKeys = !focused || focused == this || !isUsable(focused);
    QWidget* box = nullptr;
    QRect area;
    if (windowHasKeys && testAttribute(Qt::WA_KeyboardFocusChange) && isVisible() && !markedButton())
        area = keypadArea(box);
    if (!box || area.isEmpty()) {
        if (m_keypadFrame) m_keypadFrame->hide();
        return;
    }
    if (!m_keypadFrame || m_keypadFrame->parentWidget() != box) {
        delete m_keypadFrame.data();
        m_keypadFrame = new KeypadFrame(box);
    }
    m_keypadFrame->setGeometry(isKeypadBox(box) ? box->rect() : area.adjusted(-3, -3, 3, 3) & box->rect());
    m_keypadFrame->raise();
    m_keypadFrame->show();
}

void Form::defaultButtonsChanged()
{
    m_defaultsKnown = false;
    updateEnterMark();
}

bool Form::selectNext(QWidget* current, bool forward, bool tabStopsOnly, bool currentCounts)
{
    QList<QWidget*> list;
    if (tabStopsOnly) {
        collectFocusable(this, list);
    } else {
        // Arrows move among the controls beside the focused one, tab stop or not.
        if (!current || !current->parentWidget()) return false;
        for (QWidget* w : tabOrderedChildren(current->parentWidget()))
            if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy()) list << w;
    }
    const int n = int(list.size());
    if (n == 0) return false;
    int at = int(list.indexOf(current));
    if (at < 0) at = forward ? -1 : n;
    for (int k = 1; k <= n; ++k) {
        const int j = ((at + (forward ? k : -k)) % n + n) % n;
        QWidget* w = list.at(j);
        if ((w == current && !currentCounts) || !isUsable(w) || (tabStopsOnly ? !isTabStop(w) : !isArrowStopHere(w)))
            continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        m_userFocus = w;
        return true;
    }
    return false;
}

bool Form::endsActivity(const QWidget* control) const
{
    auto* button = qobject_cast<const Button*>(control);
    return ActivityWindow && button && button->Cancel;
}

bool Form::isArrowStopHere(const QWidget* control) const
{
    return isArrowStop(control) && !endsActivity(control);
}

bool Form::dialogKey(quint16 key, ShiftState shift, QWidget* focused)
{
    // Tab and the arrows move the frame on from the button a keypad click took the focus from, as they would
    // have without the click; where that button is the only stop, they frame it again.
    QWidget* from = focused ? focused : m_keysFrom.data();
    const bool fromKeypadClick = !focused && from;
    switch (key) {
    case vk::Tab:
        if (shift & (ShiftKey::Alt | ShiftKey::Ctrl)) return false;
        selectNext(from, !(shift & ShiftKey::Shift), true, fromKeypadClick);
        return true;
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
        if ((shift & ShiftKey::Alt) || !from) return false;
        // After a keypad click the button the user framed counts as a stop again, even where no arrow would
        // reach it (the abort of a run): the arrow frames it as Tab would.
        if (!selectNext(from, key == vk::Right || key == vk::Down, false, fromKeypadClick) && fromKeypadClick
            && isUsable(from)) {
            from->setFocus(Qt::OtherFocusReason);
            m_userFocus = from;
        }
        return true;
    case vk::Return:
    case vk::Escape: {
        if (shift != 0) return false;
        // A focused button takes Enter itself; otherwise the Default button does.
        if (key == vk::Return) {
            QPushButton* b = enterButton();
            if (b) clickButton(b);
            return b;
        }
        QList<Button*> buttons;
        collectAll(this, buttons);
        for (Button* b : buttons) {
            if (b->Cancel && isUsable(b)) {
                b->Click();
                return true;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

bool Form::dialogChar(QChar c)
{
    const QChar wanted = c.toUpper();
    QList<QAbstractButton*> buttons;
    collectAll(this, buttons);
    for (QAbstractButton* b : buttons) {
        auto* button = qobject_cast<Button*>(b);
        const QString caption = button ? button->caption() : b->text();
        if (mnemonicOf(caption) != wanted || !isUsable(b)) continue;
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            clickButton(push);
        } else {
            b->setFocus(Qt::ShortcutFocusReason);
            m_userFocus = b;
            b->click();
        }
        return true;
    }
    return false;
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // A window nothing was drawn on yet shows its colour: its image is made by the first drawing, so that
    // showing a full-screen window does not first fill an image of the screen's size.
    if (m_surface.image().isNull()) {
        p.fillRect(event->rect(), m_surface.background());
        return;
    }
    m_surface.ensureSize(size());
    for (const QRect& r : event->region()) {
        p.save();
        p.translate(r.topLeft());
        m_surface.paint(p, r);
        p.restore();
    }
}

void Form::resizeEvent(QResizeEvent* event)
{
    if (!m_surface.image().isNull()) m_surface.ensureSize(size());
    QDialog::resizeEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc are handled by the key routing (Default and Cancel buttons); a dialog's own handling
    // would click a second time or hide the window.
    event->ignore();
}

bool Form::event(QEvent* event)
{
    // Sent before Qt gives the focus to the window's focus widget, or to the first control of its chain when
    // that widget is unusable or none.
    if (event->type() == QEvent::WindowActivate) {
        keepFocusUsable();
        showKeyboardCues();
        updateEnterMark();
    }
    return QDialog::event(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!isVisible() || m_closing) return;
    // The close box does what the window's Cancel button does; a window without one just closes.
    runGuarded([this] {
        QList<Button*> buttons;
        collectAll(this, buttons);
        for (Button* b : buttons) {
            if (b->Cancel && isUsable(b)) {
                b->Click();
                return;
            }
        }
        Close();
    });
}

void Form::reject() { }

bool Form::focusNextPrevChild(bool next)
{
    // Qt calls this when the focused control is hidden or disabled, and would pass the focus on to the next
    // control in the chain, which Enter would then press ("Programm abbrechen" of a game, the abort of a
    // turn). The focus stays with the window instead: its key handling and its Default button see Enter.
    QWidget* focused = focusWidget();
    if (focused && focused != this && !isUsable(focused)) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}

void SetFocus(QWidget* control)
{
    if (!control) return;
    if (Form* form = formOf(control)) {
        form->requestFocus(control);
        return;
    }
    if (isUsable(control)) control->setFocus(Qt::OtherFocusReason);
}

Form* formOf(const QWidget* widget)
{
    return widget ? qobject_cast<Form*>(widget->window()) : nullptr;
}
