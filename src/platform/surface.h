#pragma once
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRect>

class QPainter;
class QWidget;

// The drawing surface of a form: a backing image that every drawing goes into at once and that stays;
// paint events only copy it to the screen, with the child controls on top. A paint box is a region of its
// form's surface, so a drawing over the whole form also covers its paint boxes.
class Surface {
public:
    explicit Surface(QWidget* owner);

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    QWidget* owner() const { return m_owner; }

    // Grows the image to at least size (keeping what was drawn); new pixels get the background colour.
    void ensureSize(const QSize& size);
    void setBackground(const QColor& c) { m_background = c; }
    QColor background() const { return m_background; }
    // Fills the whole image with the background colour (a form's colour change, a new layout).
    void clear();

    // Marks a region (in surface coordinates) for repainting on the owner and on the child widgets over it.
    void changed(const QRect& region);

    // Copies the part of the image under target (in surface coordinates) to painter's origin.
    void paint(QPainter& painter, const QRect& target) const;

private:
    QPointer<QWidget> m_owner;
    QImage m_image;
    QColor m_background { 240, 240, 240 };
};
