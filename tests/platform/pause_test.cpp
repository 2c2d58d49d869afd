#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/mousetrap.h"
#include "platform/pause.h"
#include "platform/surface.h"
#include "support/fixtures.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace {

// A window that notes what its paint events showed and which keys it got.
class Window final : public QWidget, public SurfaceOwner {
public:
    Window()
    {
        resize(200, 100);
        setFocusPolicy(Qt::StrongFocus);
    }
    Surface& surface() override { return m_surface; }
    QRgb shownAt10 = 0;
    int paints = 0;
    QString keys;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_surface.paint(p, rect());
        ++paints;
        if (!m_surface.image().isNull()) shownAt10 = m_surface.image().pixel(10, 10) & 0xffffff;
    }
    void keyPressEvent(QKeyEvent* e) override { keys += e->text(); }

private:
    Surface m_surface { this };
};

class PauseTest : public TaviTest { };

} // namespace

TEST_F(PauseTest, WithTheTestClockThePauseAdvancesIt)
{
    const double before = clockx::now();
    QElapsedTimer t;
    t.start();
    pause(1.5e-06);
    EXPECT_DOUBLE_EQ(clockx::now(), before + 1.5e-06);
    EXPECT_LT(t.elapsed(), 100);
}

TEST_F(PauseTest, ShowsWhatWasDrawnAndHandlesKeysOnlyAfterwards)
{
    clockx::TestClock::uninstall();
    Window w;
    w.show();
    QCoreApplication::processEvents();
    w.surface().canvas().brush.color = Qt::red;
    w.surface().canvas().rectangle(0, 0, 50, 50);
    EXPECT_NE(w.shownAt10, 0xff0000u);

    QElapsedTimer elapsed;
    elapsed.start();
    // A key typed during the pause, and a window timer ticking during it.
    QString keysDuringPause = QStringLiteral("-");
    QTimer::singleShot(40, [&] {
        QTest::keyClick(&w, Qt::Key_A, Qt::NoModifier);
        keysDuringPause = w.keys;
    });
    int ticks = 0;
    auto* windowTimer = new QTimer(&w);
    windowTimer->setInterval(10);
    QObject::connect(windowTimer, &QTimer::timeout, [&] { ++ticks; });
    windowTimer->start();
    pause(clockx::days(150));
    const qint64 took = elapsed.elapsed();

    EXPECT_GE(took, 145);
    EXPECT_EQ(w.shownAt10, 0xff0000u); // painted before and during the pause
    EXPECT_EQ(keysDuringPause, QString()); // the key came but was not handled
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(w.keys, QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.keys, QStringLiteral("a"));
    EXPECT_GE(ticks, 1);
    windowTimer->stop();
}

TEST_F(PauseTest, MouseTrapIsNotedAndReleasedWhenTheWindowCloses)
{
    QWidget w;
    mousetrap::releaseOnHide(&w);
    w.show();
    mousetrap::clip(696, 0, 1000, 1100);
    ASSERT_TRUE(mousetrap::current().has_value());
    EXPECT_EQ(*mousetrap::current(), QRect(QPoint(696, 0), QPoint(999, 1099)));
    // Only X11 lets a program move the pointer; elsewhere (offscreen) the trap is only noted.
    EXPECT_EQ(mousetrap::enforced(), QGuiApplication::platformName() == QLatin1String("xcb"));
    if (mousetrap::enforced()) {
        QCursor::setPos(100, 1200);
        QTest::qWait(60);
        EXPECT_EQ(QCursor::pos(), QPoint(696, 1099));
    }
    w.close();
    EXPECT_FALSE(mousetrap::current().has_value());

    mousetrap::clip(0, 200, 1000, 300);
    mousetrap::release();
    EXPECT_FALSE(mousetrap::current().has_value());
}
