#pragma once
// A plain window with a drawing surface, as a form has one (300 x 200, the forms' grey), for tests of what
// draws on a surface.
#include "platform/surface.h"

#include <QPainter>
#include <QWidget>

class Flaechenfenster final : public QWidget, public SurfaceOwner {
public:
    Flaechenfenster()
    {
        resize(300, 200);
        m_surface.setBackground(QColor(240, 240, 240));
    }
    Surface& surface() override { return m_surface; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_surface.paint(p, rect());
    }

private:
    Surface m_surface { this };
};
