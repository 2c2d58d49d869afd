#pragma once
#include "platform/canvas.h"

#include <QFont>
#include <QRect>
#include <optional>

class QPainter;
class Surface;

// The font a canvas font is drawn with on a device with the given pixels per logical unit. Printer fonts are
// unhinted, so that the text measures on the page as it is laid out.
QFont deviceFont(const Font& font, double pixelsPerUnit, bool printer);
// The characters as drawn: the pictures of the symbol table for "wingdings", the text itself otherwise.
QString deviceText(const Font& font, const QString& text);
// Width and cell height of a text in device pixels, as it is drawn.
QSizeF textExtent(const Font& font, const QString& text, double pixelsPerUnit, bool printer);

// Draws into a surface's backing image pixel for pixel, as the pictures of the aids are designed: no
// antialiasing of shapes, one-pixel lines without their end point, rectangles without their right and bottom edge, the
// not-XOR mode computed per pixel. The canvas's origin and clip rectangle are surface coordinates and may
// move between calls (a paint box that the layout has moved).
class SurfaceTarget : public CanvasTarget {
public:
    explicit SurfaceTarget(Surface& surface);
    void draw(const DrawOp& op) override;
    double pixelsPerUnit(MapMode mode) const override;
    QColor pixel(const QPoint& logical, MapMode mode) const override;

    // Screen pixels per 0.1 mm in the metric mapping.
    static double metricPixelsPerUnit();

protected:
    virtual QPoint origin() const { return {}; }
    // Nothing means the whole surface.
    virtual std::optional<QRect> clip() const { return std::nullopt; }
    Surface& surface() { return m_surface; }

private:
    QPoint toDevice(const QPoint& p, MapMode mode) const;
    void prepare(const QRect& bounds);
    // The part of the image that may be drawn on.
    QRect drawable() const;
    void drawText(const DrawOp& op);
    void drawShape(const DrawOp& op);

    Surface& m_surface;
};

// Draws operations on a paint device in device pixels at the given resolution (the pages of a print job):
// vector shapes and real text, so that the PDF keeps its text. The not-XOR mode draws as copy there.
class PageRenderer {
public:
    PageRenderer(QPainter& painter, double dotsPerInch);
    void draw(const DrawOp& op);
    static double pixelsPerUnit(MapMode mode, double dotsPerInch);

private:
    QPointF toDevice(const QPoint& p, MapMode mode) const;

    QPainter& m_painter;
    double m_dpi;
};

// Parametric start angle and counter-clockwise sweep (degrees, as QPainterPath::arcTo takes them) of the arc
// of the ellipse in box between the radials through start and end; equal radials give the whole ellipse.
void arcAngles(const QRectF& box, const QPointF& start, const QPointF& end, double& startAngle, double& sweep);
