#include "platform/designgrid.h"

#include "platform/controls.h"

void DesignGrid::place(QWidget* control, double left, double top, double width, double height) const
{
    ::place(control, x(left), y(top), x(width), y(height));
}

void DesignGrid::fontHeight(QWidget* control, double height) const
{
    setFontHeight(control, y(height));
}

void DesignGrid::fontSize(QWidget* control, double points) const
{
    setFontSize(control, y(points));
}
