#pragma once
#include <QRect>
#include <optional>

class QWidget;

// Keeps the mouse pointer inside a screen rectangle while an exercise runs. On X11 the pointer is moved back
// whenever it leaves; where the platform cannot move the pointer (offscreen, Wayland) the trap is only noted.
// The trap is released when the program ends.
namespace mousetrap {

// The rectangle as left, top, right, bottom in screen pixels; right and bottom lie just outside.
void clip(int left, int top, int right, int bottom);
// Lets the pointer move over the whole screen again.
void release();
// The rectangle the pointer is held in (inclusive pixels), if a trap is set.
std::optional<QRect> current();
// Whether the pointer is actually held (a platform that can move it).
bool enforced();
// Releases the trap whenever window is hidden or closed.
void releaseOnHide(QWidget* window);

} // namespace mousetrap
