#pragma once
#include "platform/canvas.h"
#include "platform/surface.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

// What a mouse handler of a paint box gets: x and y in the paint box's own pixels.
struct MouseArgs {
    Qt::MouseButton button = Qt::NoButton; // the button pressed or released; none for a move
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    int x = 0;
    int y = 0;
};

// A paint box: a region of the surface of the form it lies on (the nearest SurfaceOwner above it). Its canvas
// draws on that surface, offset to the box's current position and clipped to the box; the box shows that
// part of the surface, so a drawing over the whole form also covers the box. A box outside any form keeps a
// surface of its own.
//
// The OnPaint hook runs when the box has to be painted anew: after it was shown or resized (once the event
// that showed it has been handled, as a paint message would come), and on repaint(). It starts with the
// canvas's brush colour set to the box's colour and its font set to the box's font. What it draws stays; it
// is not called again for plain screen updates. Hiding the box clears its region to the form's background.
class PaintBox final : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);
    ~PaintBox() override;

    Canvas& canvas();

    // The box's colour (by default the form's background): the canvas's brush colour when OnPaint starts.
    void setColor(const QColor& c) { m_color = c; }
    QColor color();
    // The box's font: the canvas's font when OnPaint starts (by default the canvas keeps its font).
    void setCanvasFont(const Font& f) { m_font = f; }

    using MouseHandler = std::function<void(const MouseArgs&)>;
    void setOnMouseDown(MouseHandler h) { m_onMouseDown = std::move(h); }
    void setOnMouseMove(MouseHandler h) { m_onMouseMove = std::move(h); }
    void setOnMouseUp(MouseHandler h) { m_onMouseUp = std::move(h); }
    void setOnPaint(std::function<void()> h) { m_onPaint = std::move(h); }

    // Runs OnPaint now (Repaint and Refresh).
    void repaint();
    // Runs OnPaint once the current event has been handled (Invalidate).
    void invalidate();

    // The surface the box draws on and where the box lies on it.
    Surface& targetSurface();
    QRect surfaceRect();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void runOnPaint();
    void schedulePaint();
    void mouse(const MouseHandler& handler, QMouseEvent* event, Qt::MouseButton button);

    QColor m_color;
    std::optional<Font> m_font;
    std::unique_ptr<Surface> m_ownSurface;
    std::unique_ptr<Canvas> m_canvas;
    Surface* m_canvasSurface = nullptr;
    MouseHandler m_onMouseDown;
    MouseHandler m_onMouseMove;
    MouseHandler m_onMouseUp;
    std::function<void()> m_onPaint;
    bool m_paintPending = false;
};
