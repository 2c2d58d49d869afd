#include "shell/SBEx.h"

#include "platform/controls.h"
#include "platform/errors.h"

#include <QKeyEvent>
#include <QScrollBar>

TScrollBoxEx::TScrollBoxEx(QWidget* owner, int left, int top, int width, int height)
    : QScrollArea(owner)
{
    initControl(this, left, top, width, height);
    // Not a tab stop, but it takes the focus when asked to.
    setFocusPolicy(Qt::ClickFocus);
    watch(horizontalScrollBar(), true);
    watch(verticalScrollBar(), false);
    setSmoothScrolling(true);
}

void TScrollBoxEx::setSmoothScrolling(bool on)
{
    m_smoothScrolling = on;
    // Without tracking the box stays where it is until the thumb is let go.
    horizontalScrollBar()->setTracking(on);
    verticalScrollBar()->setTracking(on);
}

bool TScrollBoxEx::wantsSpecialKey(quint16 key)
{
    if (!OnWantSpecialKey) return false;
    bool wanted = false;
    OnWantSpecialKey(this, key, wanted);
    return wanted;
}

void TScrollBoxEx::keyPressEvent(QKeyEvent* event)
{
    // A scroll box does not scroll by keys: the arrows are its owner's (or move the focus).
    event->ignore();
}

void TScrollBoxEx::watch(QScrollBar* bar, bool horz)
{
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, horz](int action) {
        quint16 code = sb::EndScroll;
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            code = sb::LineUp;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            code = sb::LineDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = sb::PageUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = sb::PageDown;
            break;
        case QAbstractSlider::SliderMove:
            code = sb::ThumbTrack;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = sb::Top;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = sb::Bottom;
            break;
        default:
            return;
        }
        notify(code, horz);
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, horz] {
        notify(sb::ThumbPosition, horz);
        notify(sb::EndScroll, horz);
    });
}

void TScrollBoxEx::notify(quint16 code, bool horz)
{
    if (!OnScroll) return;
    // The slider moves the box only after it has announced the action; the owner hears of it afterwards.
    QMetaObject::invokeMethod(
        this,
        [this, code, horz] {
            runGuarded([&] {
                if (OnScroll) OnScroll(this, code, horz);
            });
        },
        Qt::QueuedConnection);
}
