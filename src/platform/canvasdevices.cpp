#include "platform/canvasdevices.h"

#include "platform/fonts.h"
#include "platform/surface.h"
#include "platform/symbolfont.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>
#include <QtEndian>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

// ---------------------------------------------------------------------------------------------------------
// Fonts

QFont deviceFont(const Font& font, double pixelsPerUnit, bool printer)
{
    const QString family = fontFamily(font.name);
    const double h = font.height * pixelsPerUnit;
    double em = h < 0 ? -h : h / cellPerEm(family);
    if (font.height == 0) em = 11 * (printer ? pixelsPerUnit * 2.54 * 10 / 96 : 1.0);
    QFont f(family);
    f.setPixelSize(qMax(1, int(std::lround(em))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    // Every glyph goes by its own advance, so that a text's width is the sum the layouts were measured with.
    f.setKerning(false);
    f.setHintingPreference(printer ? QFont::PreferNoHinting : QFont::PreferDefaultHinting);
    return f;
}

QString deviceText(const Font& font, const QString& text)
{
    return textForFont(font.name, text);
}

QSizeF textExtent(const Font& font, const QString& text, double pixelsPerUnit, bool printer)
{
    const QFont f = deviceFont(font, pixelsPerUnit, printer);
    const QString t = deviceText(font, text);
    if (printer) {
        const QFontMetricsF m(f);
        return QSizeF(m.horizontalAdvance(t), m.ascent() + m.descent());
    }
    // The screen measures in whole pixels, as the text is placed.
    const QFontMetrics m(f);
    return QSizeF(m.horizontalAdvance(t), m.ascent() + m.descent());
}

// ---------------------------------------------------------------------------------------------------------
// Arcs

void arcAngles(const QRectF& box, const QPointF& start, const QPointF& end, double& startAngle, double& sweep)
{
    const QPointF c = box.center();
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    // QPainterPath takes the parametric angle of the ellipse; the radial through a point has the geometric one.
    auto angle = [&](const QPointF& p) {
        const double dx = p.x() - c.x();
        const double dy = c.y() - p.y();
        return qRadiansToDegrees(std::atan2(dy * a, dx * b));
    };
    startAngle = angle(start);
    sweep = angle(end) - startAngle;
    while (sweep <= 0)
        sweep += 360;
    while (sweep > 360)
        sweep -= 360;
}

// ---------------------------------------------------------------------------------------------------------
// Surfaces

namespace {

// A box given as left, top, right, bottom (right and bottom outside) as QRect corner points.
struct Box {
    int l, t, r, b;
};

Box box(QPoint a, QPoint c)
{
    return { qMin(a.x(), c.x()), qMin(a.y(), c.y()), qMax(a.x(), c.x()), qMax(a.y(), c.y()) };
}

bool hatched(int x, int y)
{
    // An 8 x 8 cross of both diagonals, fixed to the surface, so that hatches drawn side by side join up.
    return ((x - y) & 7) == 0 || ((x + y) & 7) == 0;
}

// The runs of covered pixels of a mask, row by row: runs[first[y]] .. runs[first[y + 1] - 1] are row y's, each
// from..to-1 in the mask's columns.
struct MaskRuns {
    std::vector<int> first;
    std::vector<std::pair<int, int>> runs;
};

MaskRuns maskRuns(const QImage& mask)
{
    MaskRuns r;
    const int w = mask.width();
    r.first.reserve(size_t(mask.height()) + 1);
    for (int y = 0; y < mask.height(); ++y) {
        r.first.push_back(int(r.runs.size()));
        const uchar* row = mask.constScanLine(y);
        int x = 0;
        while (x < w) {
            // Eight pixels at a time through the long stretches inside and outside a shape.
            while (x + 8 <= w && qFromUnaligned<quint64>(row + x) == 0)
                x += 8;
            while (x < w && !row[x])
                ++x;
            if (x == w) break;
            const int from = x;
            while (x + 8 <= w && qFromUnaligned<quint64>(row + x) == ~quint64(0))
                x += 8;
            while (x < w && row[x])
                ++x;
            r.runs.emplace_back(from, x);
        }
    }
    r.first.push_back(int(r.runs.size()));
    return r;
}

struct ShapeKey {
    int kind;
    QVector<QPoint> points;
    int penWidth;
    int penStyle;
    bool withPen;
    bool withFill;
    QRect area;
    bool operator==(const ShapeKey& o) const
    {
        return kind == o.kind && points == o.points && penWidth == o.penWidth && penStyle == o.penStyle
            && withPen == o.withPen && withFill == o.withFill && area == o.area;
    }
};

struct ShapeMasks {
    MaskRuns pen;
    MaskRuns fill;
};

// The masks of a shape, made by make where they are not among the last few shapes' (newest first).
const ShapeMasks& shapeMasks(const ShapeKey& key, const std::function<ShapeMasks()>& make)
{
    static std::vector<std::pair<ShapeKey, ShapeMasks>> recent;
    constexpr size_t kKept = 8;
    for (size_t i = 0; i < recent.size(); ++i)
        if (recent[i].first == key) {
            std::rotate(recent.begin(), recent.begin() + qsizetype(i), recent.begin() + qsizetype(i) + 1);
            return recent.front().second;
        }
    if (recent.size() == kKept) recent.pop_back();
    recent.insert(recent.begin(), { key, make() });
    return recent.front().second;
}

inline QRgb combine(QRgb colour, QRgb dst, PenMode mode)
{
    if (mode == PenMode::Copy) return 0xff000000u | colour;
    return 0xff000000u | (~(colour ^ dst) & 0x00ffffffu);
}

} // namespace

SurfaceTarget::SurfaceTarget(Surface& surface)
    : m_surface(surface)
{
}

double SurfaceTarget::metricPixelsPerUnit()
{
    double dpi = 96;
    if (const QScreen* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInchY();
    return dpi / 254.0;
}

double SurfaceTarget::pixelsPerUnit(MapMode mode) const
{
    return mode == MapMode::Pixels ? 1.0 : metricPixelsPerUnit();
}

QPoint SurfaceTarget::toDevice(const QPoint& p, MapMode mode) const
{
    if (mode == MapMode::Pixels) return origin() + p;
    const double s = metricPixelsPerUnit();
    return origin() + QPoint(int(std::lround(p.x() * s)), int(std::lround(-p.y() * s)));
}

QColor SurfaceTarget::pixel(const QPoint& logical, MapMode mode) const
{
    const QPoint d = toDevice(logical, mode);
    if (!drawable().contains(d)) return QColor();
    return QColor(m_surface.image().pixel(d));
}

void SurfaceTarget::prepare(const QRect& bounds)
{
    QSize need(0, 0);
    QSize screen(2048, 2048);
    if (const QWidget* w = m_surface.owner()) {
        need = w->size();
        if (const QScreen* s = w->screen()) screen = s->size().expandedTo(need);
    }
    const std::optional<QRect> c = clip();
    m_surface.drawnOver(c ? bounds.intersected(*c) : bounds);
    // What is drawn before a window has its final size is kept up to the size of the screen; a growing surface
    // keeps everything it can show by scrolling.
    if (m_surface.growing()) screen = QSize(Surface::kMaxGrowth, Surface::kMaxGrowth);
    const QRect keep = bounds.intersected(QRect(QPoint(0, 0), screen));
    if (!keep.isEmpty()) need = need.expandedTo(QSize(keep.right() + 1, keep.bottom() + 1));
    if (need.width() > m_surface.image().width() || need.height() > m_surface.image().height())
        m_surface.ensureSize(need);
}

QRect SurfaceTarget::drawable() const
{
    const QRect all = m_surface.image().rect();
    const std::optional<QRect> c = clip();
    return c ? all.intersected(*c) : all;
}

void SurfaceTarget::draw(const DrawOp& op)
{
    if (op.points.isEmpty()) return;
    if (op.kind == DrawOp::Kind::Text)
        drawText(op);
    else
        drawShape(op);
}

void SurfaceTarget::drawText(const DrawOp& op)
{
    const QFont f = deviceFont(op.font, pixelsPerUnit(op.mapMode), false);
    const QFontMetrics m(f);
    const QString text = deviceText(op.font, op.text);
    const int width = m.horizontalAdvance(text);
    const int ascent = m.ascent();
    const int cellHeight = ascent + m.descent();
    const QPoint ref = toDevice(op.points.first(), op.mapMode);
    int left = ref.x();
    if ((op.align & TextAlign::HorizontalMask) == TextAlign::Center)
        left -= width / 2;
    else if ((op.align & TextAlign::HorizontalMask) == TextAlign::Right)
        left -= width;
    int top = ref.y();
    if ((op.align & TextAlign::VerticalMask) == TextAlign::Baseline)
        top -= ascent;
    else if ((op.align & TextAlign::VerticalMask) == TextAlign::Bottom)
        top -= cellHeight;
    const QRect cell(left, top, width, cellHeight);
    // Glyphs may reach a little past their advance and their cell (italics, accents, the symbol pictures).
    const QRect touched
        = cell.adjusted(-cellHeight / 4 - 1, -cellHeight / 8 - 1, cellHeight / 4 + 1, cellHeight / 8 + 1);
    prepare(touched);
    if (Surface::recordingTexts() && !op.text.trimmed().isEmpty()) {
        const std::optional<QRect> c = clip();
        const QRect placed = c ? cell.intersected(*c) : cell;
        if (!placed.isEmpty()) m_surface.textPlaced(placed, op.text);
    }

    const QRect area = touched.intersected(drawable());
    if (area.isEmpty()) return;
    TextDraw t { text, f, QPoint(left, top + ascent), op.font.color, area, std::nullopt, QColor() };
    if (op.brush.style == BrushStyle::Solid) {
        t.cell = cell;
        t.background = op.brush.color;
    }
    m_surface.textPrints().draw(m_surface.image(), t);
    m_surface.changed(area);
}

void SurfaceTarget::drawShape(const DrawOp& op)
{
    using Kind = DrawOp::Kind;
    QVector<QPoint> d;
    d.reserve(op.points.size());
    for (const QPoint& p : op.points)
        d << toDevice(p, op.mapMode);

    const double ppu = pixelsPerUnit(op.mapMode);
    const int penWidth = op.pen.width <= 0 ? 1 : qMax(1, int(std::lround(op.pen.width * ppu)));
    const bool cosmetic = penWidth <= 1;
    bool withPen = op.pen.style != PenStyle::Clear;
    bool withFill = op.brush.style != BrushStyle::Clear;
    PenMode mode = op.pen.mode;

    // Geometry: one-pixel outlines run through the pixels of their integer points (the cosmetic stroker hits
    // exactly those), wide outlines are centred on the pixel centres, fills cover the pixels whose centres lie
    // inside.
    std::function<void(QPainter&)> stroke;
    std::function<void(QPainter&)> fill;
    // Boxes need no mask: the fill of a rectangle and the outline of a rectangle with a one-pixel pen.
    std::optional<QRect> fillBox;
    std::optional<QRect> frameBox;
    // A rectangle's box, which a solid pen and brush cover whole.
    QRect whole;
    QRect bounds;
    const QPointF half(0.5, 0.5);

    auto strokePath = [penWidth](QPainter& p, const QPainterPath& path) {
        QPen pen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    };
    // A pen wider than the bend of a shape: the outline's inner edge turns inside out, and a stroked path would
    // leave a hole where the pen covers everything. Piece by piece, every point within half the pen of the
    // outline is covered.
    auto strokePieces = [penWidth](QPainter& p, const QPainterPath& path) {
        p.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPolygonF& poly : path.toSubpathPolygons()) {
            if (poly.size() == 1) p.drawPoint(poly.first());
            for (int i = 1; i < poly.size(); ++i)
                p.drawLine(poly.at(i - 1), poly.at(i));
        }
    };

    switch (op.kind) {
    case Kind::Line:
    case Kind::Polyline: {
        withFill = false;
        QPolygon poly(d);
        bounds = poly.boundingRect();
        stroke = [=](QPainter& p) {
            if (cosmetic) {
                p.drawPolyline(poly);
                return;
            }
            QPainterPath path;
            path.moveTo(QPointF(poly.first()) + half);
            for (int i = 1; i < poly.size(); ++i)
                path.lineTo(QPointF(poly.at(i)) + half);
            strokePath(p, path);
        };
        break;
    }
    case Kind::Rectangle:
    case Kind::FillRect: {
        const Box b = box(d[0], d[1]);
        bounds = QRect(QPoint(b.l, b.t), QPoint(b.r, b.b));
        if (op.kind == Kind::FillRect) {
            // Filling a rectangle copies the brush whatever the pen mode, and covers the right and bottom
            // edge minus one pixel like every box.
            withPen = false;
            mode = PenMode::Copy;
            fillBox = QRect(b.l, b.t, b.r - b.l, b.b - b.t);
            break;
        }
        if (b.r - b.l < 1 || b.b - b.t < 1) return;
        whole = QRect(b.l, b.t, b.r - b.l, b.b - b.t);
        if (cosmetic && op.pen.style == PenStyle::Solid)
            frameBox = whole;
        else
            stroke = [=](QPainter& p) {
                if (cosmetic)
                    p.drawRect(QRect(b.l, b.t, b.r - b.l - 1, b.b - b.t - 1));
                else {
                    QPainterPath path;
                    path.addRect(QRectF(b.l + 0.5, b.t + 0.5, b.r - b.l - 1, b.b - b.t - 1));
                    strokePath(p, path);
                }
            };
        // Without a pen the fill is one pixel narrower and lower: it covers exactly the pixels of a rectangle
        // without its right and bottom edge, where shapes drawn beside it begin.
        fillBox = withPen ? QRect(b.l + 1, b.t + 1, b.r - b.l - 2, b.b - b.t - 2)
                          : QRect(b.l, b.t, b.r - b.l - 1, b.b - b.t - 1);
        break;
    }
    case Kind::Ellipse:
    case Kind::Arc:
    case Kind::Pie: {
        const Box b = box(d[0], d[1]);
        bounds = QRect(QPoint(b.l, b.t), QPoint(b.r, b.b));
        if (b.r - b.l < 1 || b.b - b.t < 1) return;
        const QRectF thin(b.l, b.t, b.r - b.l - 1, b.b - b.t - 1);
        const QRectF centred = thin.translated(half);
        // The tightest bend of the ellipse: the radius of curvature at the ends of its long axis.
        const double ha = centred.width() / 2, hb = centred.height() / 2;
        const bool overBend = penWidth / 2.0 >= qMin(ha, hb) * qMin(ha, hb) / qMax(qMax(ha, hb), 0.5);
        if (op.kind == Kind::Ellipse) {
            stroke = [=](QPainter& p) {
                if (cosmetic)
                    p.drawEllipse(thin);
                else {
                    QPainterPath path;
                    path.addEllipse(centred);
                    if (overBend)
                        strokePieces(p, path);
                    else
                        strokePath(p, path);
                }
            };
            const QRectF inner = withPen ? centred : QRectF(b.l + 0.5, b.t + 0.5, b.r - b.l - 2, b.b - b.t - 2);
            fill = [=](QPainter& p) {
                QPainterPath path;
                path.addEllipse(inner);
                p.fillPath(path, Qt::black);
            };
            break;
        }
        double start = 0, sweep = 360;
        arcAngles(thin, QPointF(d[2]), QPointF(d[3]), start, sweep);
        const bool pie = op.kind == Kind::Pie;
        if (!pie) withFill = false;
        auto arcPath = [=](const QRectF& r) {
            QPainterPath path;
            if (pie) {
                path.moveTo(r.center());
                path.arcTo(r, start, sweep);
                path.closeSubpath();
            } else {
                path.arcMoveTo(r, start);
                path.arcTo(r, start, sweep);
            }
            return path;
        };
        stroke = [=](QPainter& p) {
            if (cosmetic)
                p.drawPath(arcPath(thin));
            else if (overBend)
                strokePieces(p, arcPath(centred));
            else
                strokePath(p, arcPath(centred));
        };
        fill = [=](QPainter& p) { p.fillPath(arcPath(centred), Qt::black); };
        break;
    }
    case Kind::Polygon: {
        const QPolygon poly(d);
        bounds = poly.boundingRect();
        stroke = [=](QPainter& p) {
            if (cosmetic)
                p.drawPolygon(poly);
            else {
                QPainterPath path;
                path.moveTo(QPointF(poly.first()) + half);
                for (int i = 1; i < poly.size(); ++i)
                    path.lineTo(QPointF(poly.at(i)) + half);
                path.closeSubpath();
                strokePath(p, path);
            }
        };
        fill = [=](QPainter& p) {
            QPainterPath path;
            path.addPolygon(QPolygonF(poly));
            path.closeSubpath();
            path.setFillRule(Qt::OddEvenFill);
            p.fillPath(path, Qt::black);
        };
        break;
    }
    case Kind::Pixel: {
        const QPoint at = d.first();
        prepare(QRect(at, QSize(1, 1)));
        if (!drawable().contains(at)) return;
        m_surface.image().setPixel(at, op.color.rgb());
        m_surface.changed(QRect(at, QSize(1, 1)));
        return;
    }
    case Kind::Text:
        return;
    }

    if (!withPen && !withFill) return;
    const int margin = penWidth / 2 + 2;
    const QRect touched = bounds.adjusted(-margin, -margin, margin, margin);
    prepare(touched);
    QImage& img = m_surface.image();
    const QRect area = touched.intersected(drawable());
    if (area.isEmpty()) return;

    auto mask = [&](const std::function<void(QPainter&)>& paint, bool pen) {
        QImage m(area.size(), QImage::Format_Alpha8);
        m.fill(0);
        QPainter p(&m);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-area.topLeft());
        if (pen) {
            QPen thin(Qt::black);
            thin.setWidth(0);
            thin.setCosmetic(true);
            thin.setCapStyle(Qt::FlatCap);
            // A dashed style applies to one-pixel pens only; wider pens draw solid.
            if (op.pen.style == PenStyle::Dash) thin.setDashPattern({ 18, 6 });
            p.setPen(thin);
            p.setBrush(Qt::NoBrush);
        } else {
            p.setPen(Qt::NoPen);
        }
        paint(p);
        p.end();
        return m;
    };
    // A window draws the same shape at the same place again and again (a framed cell on every key): its masks
    // are kept for the last few shapes.
    const ShapeKey key { int(op.kind), d, penWidth, int(op.pen.style), withPen && bool(stroke), withFill && bool(fill),
        area };
    const ShapeMasks& masks = shapeMasks(key, [&] {
        ShapeMasks m;
        if (key.withPen) m.pen = maskRuns(mask(stroke, true));
        if (key.withFill) m.fill = maskRuns(mask(fill, false));
        return m;
    });
    const QRgb penRgb = op.pen.color.rgb() & 0x00ffffffu;
    const QRgb brushRgb = op.brush.color.rgb() & 0x00ffffffu;
    const bool hatch = op.brush.style == BrushStyle::DiagCross;

    // Pen and brush cover disjoint pixels (the pen wins), so each pixel is combined once. In runs of pixels,
    // row by row: a thick frame with a solid fill is drawn on every key in some games.
    const MaskRuns& penRuns = masks.pen;
    uchar* const bits = img.bits();
    const qsizetype bytesPerLine = img.bytesPerLine();
    auto rowAt = [&](int Y) { return reinterpret_cast<QRgb*>(bits + Y * bytesPerLine); };
    // Pixels from..to-1 of row Y (surface coordinates).
    auto paintRun = [&](int Y, int from, int to, QRgb colour, bool isFill) {
        QRgb* row = rowAt(Y);
        if (isFill && hatch) {
            for (int X = from; X < to; ++X)
                if (hatched(X, Y)) row[X] = combine(colour, row[X], mode);
        } else if (mode == PenMode::Copy) {
            std::fill(row + from, row + to, 0xff000000u | colour);
        } else {
            for (int X = from; X < to; ++X)
                row[X] = combine(colour, row[X], mode);
        }
    };
    // The brush's part of from..to-1: what the pen's mask leaves.
    auto fillRun = [&](int Y, int from, int to) {
        const int y = Y - area.top();
        int X = from;
        if (!penRuns.first.empty())
            for (int i = penRuns.first[y]; i < penRuns.first[y + 1] && X < to; ++i) {
                const int a = penRuns.runs[i].first + area.left(), b = penRuns.runs[i].second + area.left();
                if (b <= X) continue;
                if (a >= to) break;
                if (a > X) paintRun(Y, X, a, brushRgb, true);
                X = b;
            }
        if (X < to) paintRun(Y, X, to, brushRgb, true);
    };
    auto applyBox = [&](const QRect& r, QRgb colour, bool isFill) {
        const QRect span = r.intersected(area);
        if (span.isEmpty()) return;
        if (mode == PenMode::Copy && (!isFill || (!hatch && penRuns.first.empty()))) {
            QPainter p(&img);
            p.fillRect(span, QColor::fromRgb(colour));
            return;
        }
        for (int Y = span.top(); Y <= span.bottom(); ++Y)
            if (isFill)
                fillRun(Y, span.left(), span.right() + 1);
            else
                paintRun(Y, span.left(), span.right() + 1, colour, false);
    };
    auto applyMask = [&](const MaskRuns& m, QRgb colour, bool isFill) {
        for (int y = 0; y < area.height(); ++y)
            for (int i = m.first[y]; i < m.first[y + 1]; ++i) {
                const int from = m.runs[i].first + area.left(), to = m.runs[i].second + area.left();
                if (isFill)
                    fillRun(area.top() + y, from, to);
                else
                    paintRun(area.top() + y, from, to, colour, false);
            }
    };
    if (withPen && frameBox) {
        const QRect f = *frameBox;
        applyBox(QRect(f.left(), f.top(), f.width(), 1), penRgb, false);
        if (f.height() > 1) applyBox(QRect(f.left(), f.bottom(), f.width(), 1), penRgb, false);
        if (f.height() > 2) {
            applyBox(QRect(f.left(), f.top() + 1, 1, f.height() - 2), penRgb, false);
            if (f.width() > 1) applyBox(QRect(f.right(), f.top() + 1, 1, f.height() - 2), penRgb, false);
        }
    }
    if (!penRuns.first.empty()) applyMask(penRuns, penRgb, false);
    if (withFill && fillBox) applyBox(*fillBox, brushRgb, true);
    if (!masks.fill.first.empty()) applyMask(masks.fill, brushRgb, true);
    // Texts under an opaque box are gone, and need not be kept to be taken back.
    if (fillBox && withFill && !hatch && mode == PenMode::Copy) {
        QRect covered = *fillBox;
        if (withPen && op.pen.style == PenStyle::Solid && !whole.isEmpty()) covered = whole;
        m_surface.paintedOver(covered.intersected(area));
    }
    m_surface.changed(area);
}

// ---------------------------------------------------------------------------------------------------------
// Pages

PageRenderer::PageRenderer(QPainter& painter, double dotsPerInch)
    : m_painter(painter)
    , m_dpi(dotsPerInch)
{
}

double PageRenderer::pixelsPerUnit(MapMode mode, double dotsPerInch)
{
    return mode == MapMode::Pixels ? 1.0 : dotsPerInch / 254.0;
}

QPointF PageRenderer::toDevice(const QPoint& p, MapMode mode) const
{
    if (mode == MapMode::Pixels) return QPointF(p);
    const double s = pixelsPerUnit(mode, m_dpi);
    return QPointF(p.x() * s, -p.y() * s);
}

void PageRenderer::draw(const DrawOp& op)
{
    using Kind = DrawOp::Kind;
    if (op.points.isEmpty()) return;
    const double s = pixelsPerUnit(op.mapMode, m_dpi);
    QVector<QPointF> d;
    d.reserve(op.points.size());
    for (const QPoint& p : op.points)
        d << toDevice(p, op.mapMode);

    QPen pen(Qt::NoPen);
    if (op.pen.style != PenStyle::Clear) {
        const double width = op.pen.width <= 0 ? 0.0 : op.pen.width * s;
        pen = QPen(op.pen.color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (width <= 1.0) pen.setCosmetic(true);
        if (op.pen.style == PenStyle::Dash && width <= 1.0) {
            // One-pixel dashes of a 600 dpi printer: 18 on, 6 off.
            const double unit = m_dpi / 600.0;
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({ 18 * unit, 6 * unit });
        }
    }
    QBrush brush(Qt::NoBrush);
    if (op.brush.style == BrushStyle::Solid)
        brush = QBrush(op.brush.color);
    else if (op.brush.style == BrushStyle::DiagCross)
        brush = QBrush(op.brush.color, Qt::DiagCrossPattern);

    QPainter& p = m_painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen);
    p.setBrush(brush);
    switch (op.kind) {
    case Kind::Line:
    case Kind::Polyline:
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF(d));
        break;
    case Kind::Rectangle:
        p.drawRect(QRectF(d[0], d[1]).normalized());
        break;
    case Kind::FillRect:
        if (op.brush.style != BrushStyle::Clear) p.fillRect(QRectF(d[0], d[1]).normalized(), brush);
        break;
    case Kind::Ellipse:
        p.drawEllipse(QRectF(d[0], d[1]).normalized());
        break;
    case Kind::Arc:
    case Kind::Pie: {
        const QRectF r = QRectF(d[0], d[1]).normalized();
        double start = 0, sweep = 360;
        arcAngles(r, d[2], d[3], start, sweep);
        QPainterPath path;
        if (op.kind == Kind::Pie) {
            path.moveTo(r.center());
            path.arcTo(r, start, sweep);
            path.closeSubpath();
        } else {
            p.setBrush(Qt::NoBrush);
            path.arcMoveTo(r, start);
            path.arcTo(r, start, sweep);
        }
        p.drawPath(path);
        break;
    }
    case Kind::Polygon:
        p.drawPolygon(QPolygonF(d), Qt::OddEvenFill);
        break;
    case Kind::Pixel:
        p.fillRect(QRectF(d[0], QSizeF(1, 1)), op.color);
        break;
    case Kind::Text: {
        const QFont f = deviceFont(op.font, s, true);
        const QFontMetricsF m(f, p.device());
        const QString text = deviceText(op.font, op.text);
        const double width = m.horizontalAdvance(text);
        const double ascent = m.ascent();
        const double cellHeight = ascent + m.descent();
        double left = d[0].x();
        if ((op.align & TextAlign::HorizontalMask) == TextAlign::Center)
            left -= width / 2;
        else if ((op.align & TextAlign::HorizontalMask) == TextAlign::Right)
            left -= width;
        double top = d[0].y();
        if ((op.align & TextAlign::VerticalMask) == TextAlign::Baseline)
            top -= ascent;
        else if ((op.align & TextAlign::VerticalMask) == TextAlign::Bottom)
            top -= cellHeight;
        if (op.brush.style == BrushStyle::Solid) p.fillRect(QRectF(left, top, width, cellHeight), op.brush.color);
        p.setFont(f);
        p.setPen(op.font.color);
        p.drawText(QPointF(left, top + ascent), text);
        break;
    }
    }
    p.restore();
}
