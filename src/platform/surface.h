#pragma once
#include "platform/textprints.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class Canvas;
class QPainter;
class QRegion;

// The drawing surface of a form: a backing image that every drawing goes into at once and that stays until
// the form closes; paint events only copy it to the screen, with the child controls on top. A paint box is a
// region of its form's surface, so a drawing over the whole form also covers its paint boxes.
class Surface {
public:
    explicit Surface(QWidget* owner);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    QWidget* owner() const { return m_owner; }

    // Grows the image to at least size (keeping what was drawn); new pixels get the background colour.
    void ensureSize(const QSize& size);
    void setBackground(const QColor& c) { m_background = c; }
    QColor background() const { return m_background; }
    // Fills the whole image with the background colour (a form's colour change, a new layout).
    void clear();
    // Fills one region (surface coordinates) with the background colour.
    void clear(const QRect& region);

    // Marks a region (in surface coordinates) for repainting on the owner and on the paint boxes over it, which
    // show the surface (at any depth below the owner).
    void changed(const QRect& region);

    // Copies the part of the image under target (in surface coordinates) to painter's origin.
    void paint(QPainter& painter, const QRect& target) const;
    // The owner's paint event: the region of the image, grown to the owner's size, or the background colour
    // where nothing was drawn yet (the image is made by the first drawing, so that showing a big window does
    // not first fill an image of its size).
    void paintOwner(QPainter& painter, const QRegion& region);

    // The canvas over the whole surface (a form's canvas): pixels, text centred on its reference point.
    Canvas& canvas();

    // The texts on the image, so that a text drawn again at its place can be taken back exactly.
    TextPrints& textPrints() { return m_textPrints; }

    // A surface that grows with what is drawn on it (the sheet of a scroll view): a drawing is kept wherever
    // it falls right of and below the origin, up to kMaxGrowth, where a window's surface keeps it only up
    // to the screen's size. `grown` hears of every growth of what was drawn.
    static constexpr int kMaxGrowth = 16384;
    void setGrowing(std::function<void(const QSize&)> grown) { m_grown = std::move(grown); }
    bool growing() const { return bool(m_grown); }
    // Where a canvas has drawn since the last clear(), from the origin (surface coordinates).
    QSize drawnExtent() const { return m_drawnExtent; }
    void drawnOver(const QRect& bounds);

    // Where texts were placed, for tests that look for text a user cannot see: while recording is on, each
    // surface lists every text its canvases place (surface coordinates, clipped to a paint box, also where it
    // falls off the image) until it is cleared or painted over.
    struct PlacedText {
        QRect box;
        QString text;
    };
    static void setRecordingTexts(bool on);
    static bool recordingTexts();
    const QVector<PlacedText>& placedTexts() const { return m_placedTexts; }
    void textPlaced(const QRect& box, const QString& text);
    // Something opaque covered r: the texts wholly inside it are gone.
    void paintedOver(const QRect& r);

private:
    QPointer<QWidget> m_owner;
    QImage m_image;
    QColor m_background { 240, 240, 240 };
    std::unique_ptr<Canvas> m_canvas;
    TextPrints m_textPrints;
    std::function<void(const QSize&)> m_grown;
    QSize m_drawnExtent { 0, 0 };
    QVector<PlacedText> m_placedTexts;
};

// A widget that owns a surface (a form). Paint boxes draw on the surface of the nearest owner above them.
class SurfaceOwner {
public:
    virtual ~SurfaceOwner() = default;
    virtual Surface& surface() = 0;
};

// The nearest widget at or above w that owns a surface, or nullptr.
QWidget* surfaceOwnerOf(QWidget* w);
