#include "platform/errors.h"
#include "platform/paintbox.h"
#include "support/fixtures.h"
#include "support/flaechenfenster.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

using Window = Flaechenfenster;

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

class PaintBoxTest : public TaviTest { };

} // namespace

TEST_F(PaintBoxTest, DrawsOnItsRegionOfTheFormsSurface)
{
    Window w;
    auto* box = new PaintBox(&w);
    box->setGeometry(30, 40, 50, 50);
    Canvas& c = box->canvas();
    c.pen.color = Qt::red;
    c.brush.color = Qt::red;
    c.rectangle(0, 0, 10, 10);
    const QImage& img = w.surface().image();
    EXPECT_EQ(rgb(img, 30, 40), 0xff0000u);
    EXPECT_EQ(rgb(img, 39, 49), 0xff0000u);
    EXPECT_EQ(rgb(img, 29, 40), 0xf0f0f0u);

    // Clipped to the box.
    c.rectangle(40, 40, 100, 100);
    EXPECT_EQ(rgb(img, 79, 89), 0xff0000u);
    EXPECT_EQ(rgb(img, 80, 90), 0xf0f0f0u);

    // The layout moves the box; the canvas follows it.
    box->move(100, 100);
    c.rectangle(0, 0, 5, 5);
    EXPECT_EQ(rgb(img, 100, 100), 0xff0000u);

    // A drawing over the whole form also covers the box, and the box shows it.
    w.surface().canvas().brush.color = Qt::blue;
    w.surface().canvas().pen.color = Qt::blue;
    w.surface().canvas().rectangle(0, 0, 300, 200);
    w.show();
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(shown.pixel(25, 25) & 0xffffff, 0x0000ffu);
}

TEST_F(PaintBoxTest, BoxInsideAPanelDrawsOnTheFormAtItsPlace)
{
    Window w;
    auto* panel = new QFrame(&w);
    panel->setGeometry(100, 50, 150, 120);
    auto* box = new PaintBox(panel);
    box->setGeometry(10, 20, 40, 40);
    box->canvas().brush.color = Qt::green;
    box->canvas().pen.style = PenStyle::Clear;
    box->canvas().fillRect(0, 0, 40, 40);
    EXPECT_EQ(rgb(w.surface().image(), 110, 70), 0x00ff00u);
    EXPECT_EQ(&box->targetSurface(), &w.surface());
}

TEST_F(PaintBoxTest, MouseHandlersGetBoxCoordinates)
{
    Window w;
    auto* box = new PaintBox(&w);
    box->setGeometry(30, 40, 50, 50);
    w.show();
    MouseArgs down, up;
    int moves = 0;
    box->setOnMouseDown([&](const MouseArgs& a) { down = a; });
    box->setOnMouseUp([&](const MouseArgs& a) { up = a; });
    box->setOnMouseMove([&](const MouseArgs& a) {
        ++moves;
        EXPECT_EQ(a.x, 12);
    });
    QTest::mouseClick(box, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 7));
    EXPECT_EQ(down.button, Qt::LeftButton);
    EXPECT_EQ(down.x, 5);
    EXPECT_EQ(down.y, 7);
    EXPECT_TRUE(down.modifiers & Qt::ShiftModifier);
    EXPECT_EQ(up.button, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 3), box->mapToGlobal(QPointF(12, 3)), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
    EXPECT_EQ(moves, 1);

    // A failing handler reports its error and the program goes on.
    box->setOnMouseDown([](const MouseArgs&) { StrToInt(QStringLiteral("abc")); });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), QStringLiteral("'abc' ist kein gültiger Integerwert"));
}

TEST_F(PaintBoxTest, OnPaintRunsAfterShowingWithTheBoxColourAndOnRepaint)
{
    Window w;
    auto* box = new PaintBox(&w);
    box->setGeometry(10, 10, 60, 40);
    box->setColor(QColor(0, 255, 255));
    int paints = 0;
    box->setOnPaint([&] {
        ++paints;
        box->canvas().rectangle(0, 0, 60, 40);
    });
    w.show();
    EXPECT_EQ(paints, 0); // as a paint message: after the event that showed it
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(rgb(w.surface().image(), 30, 30), 0x00ffffu);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    box->repaint();
    EXPECT_EQ(paints, 2);

    // Hidden, the box leaves the form's background behind; shown again, it paints anew.
    box->hide();
    EXPECT_EQ(rgb(w.surface().image(), 30, 30), 0xf0f0f0u);
    box->repaint();
    EXPECT_EQ(paints, 2);
    box->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 3);
}
