#include "platform/canvas.h"

#include "platform/canvasdevices.h"

#include <QStringList>
#include <cmath>

namespace {

// MulDiv: a * b / c rounded half away from zero, as font sizes in points become heights in pixels.
int mulDiv(int a, int b, int c)
{
    const double v = double(a) * b / c;
    return int(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5));
}

constexpr int kScreenPixelsPerInch = 96;

QString colorText(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString penText(const Pen& p)
{
    static const char* styles[] = { "solid", "dash", "clear" };
    return QStringLiteral("pen=%1/%2/%3/%4")
        .arg(colorText(p.color))
        .arg(p.width)
        .arg(QLatin1String(styles[int(p.style)]))
        .arg(p.mode == PenMode::Copy ? QLatin1String("copy") : QLatin1String("notxor"));
}

QString brushText(const Brush& b)
{
    static const char* styles[] = { "solid", "clear", "diagcross" };
    return QStringLiteral("brush=%1/%2").arg(colorText(b.color), QLatin1String(styles[int(b.style)]));
}

QString fontText(const Font& f)
{
    QStringList style;
    if (f.bold) style << QStringLiteral("bold");
    if (f.italic) style << QStringLiteral("italic");
    if (f.underline) style << QStringLiteral("underline");
    if (f.strikeOut) style << QStringLiteral("strikeout");
    return QStringLiteral("font=\"%1\"/%2/%3/%4")
        .arg(f.name)
        .arg(f.height)
        .arg(style.isEmpty() ? QStringLiteral("regular") : style.join(QLatin1Char('+')))
        .arg(colorText(f.color));
}

QString alignText(int align)
{
    QString h = QStringLiteral("left");
    if ((align & TextAlign::HorizontalMask) == TextAlign::Center)
        h = QStringLiteral("center");
    else if ((align & TextAlign::HorizontalMask) == TextAlign::Right)
        h = QStringLiteral("right");
    QString v = QStringLiteral("top");
    if ((align & TextAlign::VerticalMask) == TextAlign::Baseline)
        v = QStringLiteral("baseline");
    else if ((align & TextAlign::VerticalMask) == TextAlign::Bottom)
        v = QStringLiteral("bottom");
    return QStringLiteral("align=") + h + QLatin1Char('|') + v;
}

} // namespace

void Font::setSize(int points)
{
    height = -mulDiv(points, kScreenPixelsPerInch, 72);
}

int Font::size() const
{
    return -mulDiv(height, 72, kScreenPixelsPerInch);
}

QString DrawOp::toString() const
{
    static const char* names[]
        = { "LineTo", "Polyline", "Rectangle", "FillRect", "Ellipse", "Arc", "Pie", "Polygon", "Pixel", "TextOut" };
    QStringList coords;
    for (const QPoint& p : points)
        coords << QString::number(p.x()) << QString::number(p.y());
    QStringList parts { QLatin1String(names[int(kind)]), coords.join(QLatin1Char(',')) };
    switch (kind) {
    case Kind::Line:
    case Kind::Polyline:
    case Kind::Arc:
        parts << penText(pen);
        break;
    case Kind::Rectangle:
    case Kind::Ellipse:
    case Kind::Pie:
    case Kind::Polygon:
        parts << penText(pen) << brushText(brush);
        break;
    case Kind::FillRect:
        parts << brushText(brush);
        break;
    case Kind::Pixel:
        parts << QStringLiteral("color=") + colorText(color);
        break;
    case Kind::Text:
        parts << QLatin1Char('"') + text + QLatin1Char('"') << fontText(font) << alignText(align)
              << (brush.style == BrushStyle::Solid ? QStringLiteral("opaque=") + colorText(brush.color)
                                                   : QStringLiteral("transparent"));
        break;
    }
    parts << (mapMode == MapMode::Pixels ? QStringLiteral("px") : QStringLiteral("0.1mm"));
    return parts.join(QLatin1Char(' '));
}

QColor CanvasTarget::pixel(const QPoint&, MapMode) const
{
    return QColor();
}

Canvas::Canvas(std::unique_ptr<CanvasTarget> target)
    : m_target(std::move(target))
{
}

Canvas::Canvas(Surface& surface)
    : m_target(std::make_unique<SurfaceTarget>(surface))
{
    // Window canvases centre their texts on the reference point.
    m_align = TextAlign::Center | TextAlign::Top;
}

Canvas::~Canvas() = default;

void Canvas::reset(int align, MapMode mode)
{
    pen = Pen();
    brush = Brush();
    font = Font();
    font.setSize(8);
    m_align = align;
    m_mapMode = mode;
    m_penPos = QPoint();
}

DrawOp Canvas::op(DrawOp::Kind kind) const
{
    DrawOp o;
    o.kind = kind;
    o.pen = pen;
    o.brush = brush;
    o.font = font;
    o.align = m_align;
    o.mapMode = m_mapMode;
    return o;
}

void Canvas::send(DrawOp&& o)
{
    m_target->draw(o);
}

void Canvas::lineTo(int x, int y)
{
    DrawOp o = op(DrawOp::Kind::Line);
    o.points = { m_penPos, QPoint(x, y) };
    m_penPos = QPoint(x, y);
    send(std::move(o));
}

void Canvas::polyline(const QVector<QPoint>& points)
{
    if (points.size() < 2) return;
    DrawOp o = op(DrawOp::Kind::Polyline);
    o.points = points;
    send(std::move(o));
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    DrawOp o = op(DrawOp::Kind::Rectangle);
    o.points = { QPoint(left, top), QPoint(right, bottom) };
    send(std::move(o));
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    DrawOp o = op(DrawOp::Kind::FillRect);
    o.points = { QPoint(left, top), QPoint(right, bottom) };
    send(std::move(o));
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    DrawOp o = op(DrawOp::Kind::Ellipse);
    o.points = { QPoint(left, top), QPoint(right, bottom) };
    send(std::move(o));
}

void Canvas::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    DrawOp o = op(DrawOp::Kind::Arc);
    o.points = { QPoint(left, top), QPoint(right, bottom), QPoint(x1, y1), QPoint(x2, y2) };
    send(std::move(o));
}

void Canvas::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    DrawOp o = op(DrawOp::Kind::Pie);
    o.points = { QPoint(left, top), QPoint(right, bottom), QPoint(x1, y1), QPoint(x2, y2) };
    send(std::move(o));
}

void Canvas::polygon(const QVector<QPoint>& points)
{
    if (points.size() < 2) return;
    DrawOp o = op(DrawOp::Kind::Polygon);
    o.points = points;
    send(std::move(o));
}

void Canvas::setPixel(int x, int y, const QColor& color)
{
    DrawOp o = op(DrawOp::Kind::Pixel);
    o.points = { QPoint(x, y) };
    o.color = color;
    send(std::move(o));
}

QColor Canvas::pixel(int x, int y) const
{
    return m_target->pixel(QPoint(x, y), m_mapMode);
}

void Canvas::textOut(int x, int y, const QString& text)
{
    DrawOp o = op(DrawOp::Kind::Text);
    o.points = { QPoint(x, y) };
    o.text = text;
    send(std::move(o));
    // The pen position moves behind the text, so a line can continue where a text ends.
    m_penPos = QPoint(x + textWidth(text), y);
}

int Canvas::textWidth(const QString& text) const
{
    const double ppu = m_target->pixelsPerUnit(m_mapMode);
    return int(std::lround(textExtent(font, text, ppu, m_target->printerMetrics()).width() / ppu));
}

int Canvas::textHeight(const QString& text) const
{
    const double ppu = m_target->pixelsPerUnit(m_mapMode);
    return int(std::lround(textExtent(font, text, ppu, m_target->printerMetrics()).height() / ppu));
}
