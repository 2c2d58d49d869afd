#pragma once
#include "platform/keyboard.h"

#include <QScrollArea>
#include <functional>

// Scroll codes as OnScroll receives them.
namespace sb {
constexpr quint16 LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, ThumbPosition = 4, ThumbTrack = 5, Top = 6,
                  Bottom = 7, EndScroll = 8;
}

using TScrollNotifyEvent = std::function<void(QObject* sender, quint16 code, bool horz)>;
using TWantSpecialKeyEvent = std::function<void(QObject* sender, quint16 charCode, bool& wanted)>;

// A scroll box that follows its scroll-bar thumb while it is dragged (SmoothScrolling) and lets its owner
// claim the arrow keys (OnWantSpecialKey): a claimed key reaches OnKeyDown and OnKeyPress instead of moving
// the focus, and does not scroll the box. The cursor-moving windows keep the focus on a tiny one.
class TScrollBoxEx : public QScrollArea, public KeyEvents {
    Q_OBJECT
public:
    explicit TScrollBoxEx(QWidget* owner, int left = 0, int top = 0, int width = 185, int height = 41);

    bool SmoothScrolling() const { return m_smoothScrolling; }
    void setSmoothScrolling(bool on);

    // Asked for Tab, the arrows, Enter and Esc; setting wanted claims the key.
    TWantSpecialKeyEvent OnWantSpecialKey;
    // Told of every scroll-bar action, after the box has scrolled.
    TScrollNotifyEvent OnScroll;

    bool wantsSpecialKey(quint16 key) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void watch(QScrollBar* bar, bool horz);
    void notify(quint16 code, bool horz);
    bool m_smoothScrolling = true;
};
