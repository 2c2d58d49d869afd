#include "platform/canvas.h"
#include "platform/paintbox.h"
#include "platform/scrollview.h"
#include "support/fixtures.h"
#include "support/flaechenfenster.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

namespace {

using Window = Flaechenfenster;

void zeichnen(Canvas& c, int bisY)
{
    c.reset(TextAlign::Left | TextAlign::Top, MapMode::Pixels);
    c.font.name = QStringLiteral("courier new");
    c.font.height = 17;
    for (int y = 0; y < bisY; y += 20)
        c.textOut(4, y, QStringLiteral("Zeile %1").arg(y / 20 + 1));
    c.moveTo(2, 2);
    c.lineTo(2, bisY);
}

class ScrollViewTest : public TaviTest { };

} // namespace

// What fits looks as drawn on the window itself; what does not fit is kept whole and scrolled to.
TEST_F(ScrollViewTest, KeepsTheWholeDrawingAndScrollsWhereItDoesNotFit)
{
    Window eigen;
    eigen.show();
    Window w;
    auto* view = new ScrollView(&w);
    view->setColor(QColor(240, 240, 240));
    w.show();
    EXPECT_EQ(view->geometry(), w.rect());
    zeichnen(eigen.surface().canvas(), 180);
    zeichnen(view->canvas(), 180);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_RGB32),
        eigen.grab().toImage().convertToFormat(QImage::Format_RGB32));

    // Far below the window and the screen: kept, and reached by scrolling.
    view->clear();
    zeichnen(view->canvas(), 5000);
    QCoreApplication::processEvents();
    EXPECT_GE(view->surface().drawnExtent().height(), 5000);
    QScrollBar* bar = view->verticalScrollBar();
    EXPECT_GE(bar->maximum(), 5000 - 200);
    EXPECT_EQ(view->surface().image().pixel(2, 4990) & 0xffffff, 0u);
    EXPECT_TRUE(view->scrollKey(Qt::Key_End, Qt::NoModifier));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(view->scrollKey(Qt::Key_PageUp, Qt::KeypadModifier));
    EXPECT_EQ(bar->value(), bar->maximum() - bar->pageStep());
    view->setLineStep(17);
    EXPECT_TRUE(view->scrollKey(Qt::Key_Up, Qt::NoModifier));
    EXPECT_EQ(bar->value(), bar->maximum() - bar->pageStep() - 17);
    EXPECT_TRUE(view->scrollKey(Qt::Key_Home, Qt::NoModifier));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(view->scrollKey(Qt::Key_Up, Qt::NoModifier)); // at the top already: still the view's key
    EXPECT_TRUE(view->scrollKey(Qt::Key_PageDown, Qt::NoModifier));
    EXPECT_EQ(bar->value(), bar->pageStep());
    // Keys with Ctrl, Alt or Shift and the sideways arrows stay with the window.
    EXPECT_FALSE(view->scrollKey(Qt::Key_End, Qt::ControlModifier));
    EXPECT_FALSE(view->scrollKey(Qt::Key_Left, Qt::NoModifier));
    EXPECT_FALSE(view->scrollKey(Qt::Key_Tab, Qt::NoModifier));

    // The view follows its window; a cleared drawing starts at the top again, with nothing to scroll.
    w.resize(400, 300);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 400, 300));
    view->clear();
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_FALSE(view->scrollKey(Qt::Key_Down, Qt::NoModifier));
    EXPECT_EQ(view->widget()->size(), view->viewport()->size());

    // Its window closing, the drawing goes, as a window's own does.
    zeichnen(view->canvas(), 500);
    w.hide();
    EXPECT_EQ(view->surface().drawnExtent(), QSize(0, 0));
}

// Where texts were placed, also where the image could not hold them and where a paint box cut them.
TEST_F(ScrollViewTest, SurfacesListWhereTextsWerePlacedWhileRecording)
{
    Window w;
    Canvas& c = w.surface().canvas();
    c.reset(TextAlign::Left | TextAlign::Top, MapMode::Pixels);
    c.textOut(10, 10, QStringLiteral("vorher"));
    EXPECT_TRUE(w.surface().placedTexts().isEmpty()); // only while recording

    Surface::setRecordingTexts(true);
    c.textOut(10, 10, QStringLiteral("oben"));
    c.textOut(10, 100000, QStringLiteral("weit unten"));
    c.textOut(10, 10, QStringLiteral("eben")); // the same place again
    auto* box = new PaintBox(&w);
    box->setGeometry(100, 50, 20, 20);
    box->canvas().setTextAlign(TextAlign::Left | TextAlign::Top);
    box->canvas().textOut(5, 5, QStringLiteral("abgeschnitten"));
    Surface::setRecordingTexts(false);

    const auto texte = w.surface().placedTexts();
    ASSERT_EQ(texte.size(), 3);
    EXPECT_EQ(texte[0].text, QStringLiteral("eben"));
    EXPECT_EQ(texte[0].box.topLeft(), QPoint(10, 10));
    EXPECT_EQ(texte[1].box.top(), 100000);
    EXPECT_EQ(texte[2].box.topLeft(), QPoint(105, 55));
    EXPECT_EQ(texte[2].box.right(), 119); // cut where the box ends

    // Painted over or cleared, a text is gone.
    w.surface().clear(QRect(0, 0, 300, 40));
    EXPECT_EQ(w.surface().placedTexts().size(), 2);
    w.surface().clear();
    EXPECT_TRUE(w.surface().placedTexts().isEmpty());
}
