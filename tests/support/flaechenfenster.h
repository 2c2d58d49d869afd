#pragma once
// A plain window with a drawing surface, as a form has one (300 x 200, the forms' grey), for tests of what
// draws on a surface.
#include "platform/surface.h"

#include <QPainter>
#include <QWidget>

class Flaechenfenster : public QWidget, public SurfaceOwner {
public:
    explicit Flaechenfenster(QSize size = QSize(300, 200), QColor background = QColor(240, 240, 240))
    {
        resize(size);
        m_surface.setBackground(background);
    }
    Surface& surface() override { return m_surface; }
    Canvas& canvas() { return m_surface.canvas(); }
    QImage& image() { return m_surface.image(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_surface.paint(p, rect());
    }

private:
    Surface m_surface { this };
};
