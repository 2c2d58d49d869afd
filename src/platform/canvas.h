#pragma once
#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>
#include <memory>

class Surface;

// What the program draws with: the pen, brush and font of a window's, paint box's or printer's canvas. Drawing is
// immediate: every call goes at once to the canvas's target (the backing image of a form, a page of a print job, a list
// of recorded operations).

enum class PenStyle { Solid, Dash, Clear };
// NotXor sets every pixel the pen or brush covers to ~(colour ^ pixel): drawing the same shape twice restores
// what was there, which is how input frames, help marks and the hanging stone are erased again.
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear, DiagCross };
// Pixels: logical units are device pixels, y down. LoMetric: units of 0.1 mm, origin at the top-left, y up
// (so everything below the origin has a negative y); on the screen this is the protocol viewer's metric
// mapping, on the printer the mapping of every printed page.
enum class MapMode { Pixels, LoMetric };

// Text alignment flags, combined with |.
namespace TextAlign {
enum : int { Left = 0, Right = 2, Center = 6, Top = 0, Bottom = 8, Baseline = 24 };
constexpr int HorizontalMask = 6;
constexpr int VerticalMask = 24;
} // namespace TextAlign

struct Pen {
    QColor color { Qt::black };
    int width = 1; // logical units; 0 is one device pixel whatever the mapping
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    bool operator==(const Pen& o) const
    {
        return color == o.color && width == o.width && style == o.style && mode == o.mode;
    }
};

struct Brush {
    QColor color { Qt::white };
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush& o) const { return color == o.color && style == o.style; }
};

struct Font {
    // "arial" and "MS Sans Serif" draw in Liberation Sans, "courier new" in Liberation Mono, "wingdings" as the
    // pictures of the symbol table in DejaVu Sans.
    QString name { QStringLiteral("arial") };
    // Logical units: negative is the character (em) height, positive the cell height (em plus internal leading).
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color { Qt::black };

    // A size in points, as on the screen (96 pixels per inch).
    void setSize(int points);
    int size() const;
    bool operator==(const Font& o) const
    {
        return name == o.name && height == o.height && bold == o.bold && italic == o.italic && underline == o.underline
            && strikeOut == o.strikeOut && color == o.color;
    }
};

// One drawing call with the canvas state it was made in, in logical coordinates.
struct DrawOp {
    enum class Kind { Line, Polyline, Rectangle, FillRect, Ellipse, Arc, Pie, Polygon, Pixel, Text };
    Kind kind = Kind::Line;
    // Line: from, to. Rectangle, FillRect, Ellipse: (left, top), (right, bottom). Arc, Pie: the box, then the
    // points on the start and the end radial. Polyline, Polygon: the vertices. Pixel, Text: the position.
    QVector<QPoint> points;
    QString text;
    Pen pen;
    Brush brush;
    Font font;
    int align = 0;
    MapMode mapMode = MapMode::Pixels;
    QColor color; // Pixel

    // One line such as `Rectangle 100,-100,200,-200 pen=#000000/2/solid/copy brush=#ffffff/solid 0.1mm`,
    // with the state that this kind of call uses.
    QString toString() const;
};

// Where a canvas's drawing goes.
class CanvasTarget {
public:
    virtual ~CanvasTarget() = default;
    virtual void draw(const DrawOp& op) = 0;
    // Device pixels per logical unit (pen widths, font heights, text metrics).
    virtual double pixelsPerUnit(MapMode mode) const = 0;
    // Whether fonts are measured as printed (unhinted) rather than as shown on the screen.
    virtual bool printerMetrics() const { return false; }
    virtual QColor pixel(const QPoint& logical, MapMode mode) const;
};

class Canvas {
public:
    explicit Canvas(std::unique_ptr<CanvasTarget> target);
    // Draws on the whole surface, origin at its top-left corner.
    explicit Canvas(Surface& surface);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Pen pen;
    Brush brush;
    Font font;

    void setTextAlign(int flags) { m_align = flags; }
    int textAlign() const { return m_align; }
    void setMapMode(MapMode mode) { m_mapMode = mode; }
    MapMode mapMode() const { return m_mapMode; }

    // Pen black, width 1, solid, copy; brush white, solid; font "arial" 8 points black; the given alignment
    // and mapping.
    void reset(int align, MapMode mode);

    void moveTo(int x, int y) { m_penPos = QPoint(x, y); }
    // A line from the pen position; with a one-pixel pen the end point itself stays undrawn.
    void lineTo(int x, int y);
    QPoint penPos() const { return m_penPos; }
    void polyline(const QVector<QPoint>& points);

    // Outlined with the pen, filled with the brush; the right and bottom edges are outside.
    void rectangle(int left, int top, int right, int bottom);
    // Brush only, always copied (the pen mode does not apply).
    void fillRect(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    // Counter-clockwise along the ellipse in the box, from where the radial through (x1, y1) meets it to
    // where the radial through (x2, y2) meets it; equal radials give the whole ellipse.
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void polygon(const QVector<QPoint>& points);

    void setPixel(int x, int y, const QColor& color);
    QColor pixel(int x, int y) const;

    // Placed by the alignment: x is the left end, the centre or the right end of the text, y the top of its
    // cell, its baseline or its bottom. The cell is filled with the brush colour while the brush is solid and
    // left alone otherwise; the pen mode does not apply to text.
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    CanvasTarget& target() { return *m_target; }

private:
    DrawOp op(DrawOp::Kind kind) const;
    void send(DrawOp&& op);

    std::unique_ptr<CanvasTarget> m_target;
    int m_align = TextAlign::Left | TextAlign::Top;
    MapMode m_mapMode = MapMode::Pixels;
    QPoint m_penPos;
};
