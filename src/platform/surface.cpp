#include "platform/surface.h"

#include <QPainter>
#include <QWidget>

Surface::Surface(QWidget* owner) : m_owner(owner)
{
}

void Surface::ensureSize(const QSize& size)
{
    if (m_image.width() >= size.width() && m_image.height() >= size.height())
        return;
    QImage grown(size.expandedTo(m_image.size()), QImage::Format_RGB32);
    grown.fill(m_background);
    if (!m_image.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
    }
    m_image = grown;
}

void Surface::clear()
{
    if (!m_image.isNull())
        m_image.fill(m_background);
    if (m_owner)
        m_owner->update();
}

void Surface::changed(const QRect& region)
{
    if (!m_owner)
        return;
    // Child widgets that show part of the surface (paint boxes) repaint themselves from it too.
    m_owner->update(region);
    const auto children = m_owner->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* c : children)
        if (c->isVisible() && c->property("taviShowsSurface").toBool() && c->geometry().intersects(region))
            c->update(region.translated(-c->pos()));
}

void Surface::paint(QPainter& painter, const QRect& target) const
{
    if (m_image.isNull())
        return;
    painter.drawImage(QPoint(0, 0), m_image, target);
}
