#include "platform/controls.h"

#include "platform/cp1252.h"
#include "platform/errors.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <utility>

namespace {

// A new font lays the text out again, which loads the font: a control not on the screen does that when it is
// first shown. Most edits and memos of the program's many windows are never shown in a session. True when
// the change is held back.
bool holdFontChange(const QWidget* control, const QEvent* event, bool& pending)
{
    if (event->type() != QEvent::FontChange || control->isVisible()) return false;
    pending = true;
    return true;
}

// One typed character through the refusal of what Windows-1252 cannot hold and the control's OnKeyPress;
// a null QChar when it is dropped.
QChar filtered(Edit& edit, QChar c)
{
    if (c.unicode() < 32 || (edit.windows1252Only() && !cp1252::canEncode(c))) return QChar();
    if (edit.OnKeyPress) edit.OnKeyPress(c);
    return c;
}

} // namespace

// ---- Edit ----

Edit::Edit(QWidget* parent, int left, int top, int width, int height, const QString& text)
    : QLineEdit(nullptr)
{
    // Made without a parent, the edit lays out its empty text in the application's font, which is loaded
    // anyway; its parent's font comes with the parent and is laid out when the edit is first shown.
    setParent(parent);
    initControl(this, left, top, width, height);
    setFocusPolicy(Qt::StrongFocus);
    // Dropped text would bypass the key filter.
    setAcceptDrops(false);
    setText(text);
    connect(this, &QLineEdit::textChanged, this, [this] {
        runGuarded([this] {
            if (OnChange) OnChange();
        });
    });
}

void Edit::setMaxLength(int length)
{
    QLineEdit::setMaxLength(length > 0 ? length : 32767);
}

void Edit::pasteFiltered(const QString& text)
{
    if (isReadOnly()) return;
    QString kept;
    for (QChar c : text) {
        const QChar k = filtered(*this, c);
        if (!k.isNull()) kept += k;
    }
    if (!kept.isEmpty()) insert(kept);
}

bool Edit::wantsSpecialKey(quint16 key)
{
    return key >= vk::Left && key <= vk::Down;
}

void Edit::changeEvent(QEvent* event)
{
    if (!holdFontChange(this, event, m_fontPending)) QLineEdit::changeEvent(event);
}

void Edit::showEvent(QShowEvent* event)
{
    if (std::exchange(m_fontPending, false)) {
        QEvent schrift(QEvent::FontChange);
        QLineEdit::changeEvent(&schrift);
    }
    QLineEdit::showEvent(event);
}

void Edit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void Edit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Tab, Backtab, an arrow or an accelerator select the whole text, also where part of it was selected before
    // (the focus the program gives goes through the window, which selects it there).
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        selectAll();
}

void Edit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // Qt names its paste entry only in later versions; its text, in the language Qt's texts are in, is certain.
    const QString einfuegen = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste") || a->text().section(u'\t', 0, 0) == einfuegen) {
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this,
                [this] { runGuarded([this] { pasteFiltered(QGuiApplication::clipboard()->text()); }); });
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void Edit::mouseReleaseEvent(QMouseEvent* event)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        runGuarded([&] { pasteFiltered(clipboard->text(QClipboard::Selection)); });
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void Edit::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    runGuarded([&] {
        for (QChar c : event->commitString()) {
            const QChar k = filtered(*this, c);
            if (!k.isNull()) kept += k;
        }
    });
    QInputMethodEvent copy(event->preeditString(), event->attributes());
    copy.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&copy);
}

// ---- Memo ----

Memo::Memo(QWidget* parent, int left, int top, int width, int height)
    : QPlainTextEdit(nullptr)
{
    // As with edits: the parent's font and the lines are laid out when the memo is first shown.
    setParent(parent);
    initControl(this, left, top, width, height);
    setReadOnly(true);
    setAcceptDrops(false);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines that do not fit are reached by scrolling, never cut off unseen.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    document()->setDocumentMargin(2);
}

void Memo::setLines(const QStringList& lines)
{
    // Laying the lines out loads the memo's font: a memo not on the screen keeps them until it is shown.
    if (!isVisible()) {
        m_pendingLines = lines;
        m_linesPending = true;
        return;
    }
    m_linesPending = false;
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList Memo::lines() const
{
    if (m_linesPending) return m_pendingLines;
    return toPlainText().split(QLatin1Char('\n'));
}

void Memo::addLine(const QString& line)
{
    if (!isVisible()) {
        if (!m_linesPending) {
            m_pendingLines = document()->isEmpty() ? QStringList() : lines();
            m_linesPending = true;
        }
        m_pendingLines << line;
        return;
    }
    appendPlainText(line);
}

void Memo::changeEvent(QEvent* event)
{
    if (!holdFontChange(this, event, m_fontPending)) QPlainTextEdit::changeEvent(event);
}

void Memo::showEvent(QShowEvent* event)
{
    if (std::exchange(m_fontPending, false)) {
        QEvent schrift(QEvent::FontChange);
        QPlainTextEdit::changeEvent(&schrift);
    }
    if (m_linesPending) {
        m_linesPending = false;
        setPlainText(m_pendingLines.join(QLatin1Char('\n')));
        m_pendingLines.clear();
        // The scroll bar follows the text at once, as it would have had the lines come while shown.
        QEvent anordnen(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(this, &anordnen);
    }
    QPlainTextEdit::showEvent(event);
}

bool Memo::wantsSpecialKey(quint16 key)
{
    if (key >= vk::Left && key <= vk::Down) return true;
    // A memo one can type into keeps Enter for new lines.
    return key == vk::Return && !isReadOnly();
}
