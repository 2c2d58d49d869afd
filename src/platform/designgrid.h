#pragma once
#include "platform/round.h"

#include <QRect>

class QWidget;

// The 1000 x 1000 design grid of the activity windows: x positions and widths times the horizontal scale,
// y positions, heights and font heights times the vertical one, rounded to the nearest (halves to even).
class DesignGrid {
public:
    DesignGrid(float scaleX, float scaleY)
        : m_x(scaleX)
        , m_y(scaleY)
    {
    }

    int x(double v) const { return Round(v * double(m_x)); }
    int y(double v) const { return Round(v * double(m_y)); }
    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

    void place(QWidget* control, double left, double top, double width, double height) const;
    // Font height or size in the control's font name and styles, scaled vertically.
    void fontHeight(QWidget* control, double height) const;
    void fontSize(QWidget* control, double points) const;

private:
    float m_x;
    float m_y;
};
