#pragma once
#include "platform/surface.h"

#include <QScrollArea>

class Canvas;
class QEvent;

// A drawing that may be larger than the screen: a canvas whose surface grows with what is drawn on it, shown
// at its own size in a scroll area that fills the window under the window's controls. Where the drawing fits,
// the window looks as if it had been drawn on the window's own canvas; where it does not, it scrolls: by the
// scroll bars, by the mouse wheel anywhere in the window outside lists and memos, and, while the drawing is
// taller than the window, by Up, Down, PageUp, PageDown, Home and End pressed in the window (Left, Right,
// Tab, Enter and Esc stay with the window's controls). Hidden with its window, it forgets its drawing.
class ScrollView final : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollView(QWidget* parent);
    ~ScrollView() override;

    // The canvas over the whole drawing, origin at its top-left corner, as a window's canvas.
    Canvas& canvas();
    Surface& surface();
    // The colour under the drawing (the window's colour).
    void setColor(const QColor& color);
    // Clears the drawing and shows its top-left corner again.
    void clear();
    // How far Up and Down move, in pixels (a line of the drawing's text).
    void setLineStep(int pixels);

    // The key of a window (a Qt key code) as the view takes it: true when it scrolled (or could not, being at
    // the end already) and the key is used up.
    bool scrollKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fitSheet();
    bool inThisWindow(QWidget* w) const;

    class Sheet;
    Sheet* m_sheet = nullptr;
    bool m_watchingKeys = false;
};
