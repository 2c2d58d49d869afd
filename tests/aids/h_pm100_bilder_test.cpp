#include "aids/h_pm100_bilder.h"
#include "platform/canvas.h"
#include "platform/canvasdevices.h"
#include "platform/colors.h"
#include "platform/surface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <memory>

using namespace pm100;

namespace {

// A canvas on part of an image, as a paint box draws on its part of the window.
class Ausschnitt final : public SurfaceTarget {
public:
    Ausschnitt(Surface& s, QPoint o)
        : SurfaceTarget(s)
        , m_o(o)
    {
    }

protected:
    QPoint origin() const override { return m_o; }

private:
    QPoint m_o;
};

// The window's drawing area: the picture box and the squared paper where the window puts them.
class Bildflaeche {
public:
    Bildflaeche(bool strahl, float s)
        : m { s, s }
        , m_strahl(strahl)
    {
        flaeche.ensureSize(QSize(m.x(1000), m.y(1000)));
        feld = std::make_unique<Canvas>(std::make_unique<Ausschnitt>(flaeche, QPoint(m.x(10), m.y(10))));
        papier = std::make_unique<Canvas>(
            std::make_unique<Ausschnitt>(flaeche, strahl ? QPoint(m.x(260), m.y(290)) : QPoint(m.x(480), m.y(160))));
    }

    void aufgabe(const Aufgabe& x)
    {
        m_aufgabe = x;
        if (m_strahl)
            hunderterstrahl(*feld, m);
        else
            zahlenfeld(*feld, m);
        karopapierZeichnen(*papier, x, m);
    }

    // One help step, as the window draws it.
    void schritt(int stufe)
    {
        schritteSchreiben(*papier, schreibschritt(m_aufgabe, stufe, 1), m);
        const Bild b = m_strahl ? strahlschritt(m_aufgabe, stufe) : feldschritt(m_aufgabe, stufe);
        bildZeichnen(*feld, b, m, [this] { ++pausen; });
    }

    QRgb feldpixel(int x, int y) const { return flaeche.image().pixel(m.x(10 + x), m.y(10 + y)) & 0xffffff; }

    Massstab m;
    Surface flaeche { nullptr };
    std::unique_ptr<Canvas> feld, papier;
    int pausen = 0;

private:
    bool m_strahl;
    Aufgabe m_aufgabe;
};

// The steps of a task side by side, two rows of three, so that one picture shows how the help grows.
void schrittfolge(bool strahl, const Aufgabe& x, const QString& name)
{
    Bildflaeche f(strahl, 0.8f);
    f.aufgabe(x);
    const QSize teil(f.m.x(1000) / 2, f.m.y(720) / 2);
    QImage bogen(teil.width() * 3, teil.height() * 2, QImage::Format_RGB32);
    bogen.fill(Qt::darkGray);
    QPainter p(&bogen);
    for (int stufe = 1; stufe <= 6; ++stufe) {
        f.schritt(stufe);
        const QImage bild = f.flaeche.image()
                                .copy(0, 0, f.m.x(1000), f.m.y(720))
                                .scaled(teil, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(((stufe - 1) % 3) * teil.width(), ((stufe - 1) / 3) * teil.height(), bild);
    }
    p.end();
    bogen.save(QStringLiteral(TAVI_TEST_OUTPUT "/") + name + QStringLiteral(".png"));
}

constexpr QRgb kWeiss = 0xffffff, kBlau = 0x0000ff, kGelb = 0xffff00;

} // namespace

TEST(Pm100Zeichnen, ANotXorMarkDrawnTwiceLeavesTheFieldAsItWas)
{
    Bildflaeche f(false, 0.9f);
    f.aufgabe(aufgabeAus(41, 3, 6, 0, 6));
    const QImage vorher = f.flaeche.image().copy();
    f.schritt(1);
    // The dot is blue on the white cell and turns the black number yellow, so the number stays readable.
    const QPoint c = zellmitte(36);
    EXPECT_EQ(f.feldpixel(c.x(), c.y() + 12), kBlau);
    bool gelb = false;
    for (int dx = -5; dx <= 5; ++dx)
        gelb = gelb || f.feldpixel(c.x() + dx, c.y() - 3) == kGelb;
    EXPECT_TRUE(gelb);
    const QRect feld(0, 0, f.m.x(470), f.m.y(700));
    EXPECT_NE(f.flaeche.image().copy(feld), vorher.copy(feld));
    f.schritt(1);
    // The squared paper now holds the written first number; the field is as before.
    EXPECT_EQ(f.flaeche.image().copy(feld), vorher.copy(feld));
}

TEST(Pm100Zeichnen, PathsGrowWithAPauseAtEveryStep)
{
    Bildflaeche f(false, 1.0f);
    // 31 + 9 = 40, no crossing: the red path runs within the row over nine cells.
    f.aufgabe(aufgabeAus(41, 3, 1, 0, 9));
    f.schritt(2);
    EXPECT_EQ(f.pausen, 25);
    const QPoint c = zellmitte(35);
    EXPECT_EQ(f.feldpixel(c.x(), c.y() + 23), 0xff0000u);
    EXPECT_EQ(f.feldpixel(c.x(), c.y() + 40), kWeiss);
}

TEST(Pm100Zeichnen, ArcsOnTheLineShowOnlyAboveTheAxis)
{
    Bildflaeche f(true, 1.0f);
    // 64 - 36: three ten arcs back from 64, three pauses after each.
    f.aufgabe(aufgabeAus(45, 2, 8, 3, 6));
    f.schritt(2);
    EXPECT_EQ(f.pausen, 9);
    // The top of the arc from 64 back to 54 is red; the mirrored place below the axis stays white.
    const int mitte = strahlstelle(59);
    bool rot = false;
    for (int y = 130; y <= 142; ++y)
        rot = rot || f.feldpixel(mitte, y) == 0xff0000u;
    EXPECT_TRUE(rot);
    EXPECT_EQ(f.feldpixel(mitte, 374), kWeiss);
}

TEST(Pm100Zeichnen, EveryHelpPictureStepByStep)
{
    struct Fall {
        int art, z1, e1, z2, e2;
        const char* name;
    };
    const Fall faelle[] = {
        { 41, 3, 6, 0, 6, "36plus6" },
        { 41, 3, 0, 0, 4, "30plus4" },
        { 42, 3, 6, 0, 6, "42minus6" },
        { 42, 3, 6, 0, 2, "38minus2" },
        { 43, 3, 6, 0, 6, "36erg42" },
        { 44, 3, 6, 3, 8, "36plus38" },
        { 44, 3, 0, 2, 4, "30plus24" },
        { 45, 2, 8, 3, 6, "64minus36" },
        { 46, 3, 6, 2, 8, "36erg64" },
    };
    for (const Fall& f : faelle) {
        const Aufgabe x = aufgabeAus(f.art, f.z1, f.e1, f.z2, f.e2);
        schrittfolge(false, x, QStringLiteral("pm100_feld_%1").arg(QLatin1String(f.name)));
        schrittfolge(true, x, QStringLiteral("pm100_strahl_%1").arg(QLatin1String(f.name)));
    }
    SUCCEED();
}
