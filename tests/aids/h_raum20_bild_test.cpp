// The help pictures of the sums up to 20, drawn into images: what each step adds, where the counters, jumps
// and answers stand, and when the jumps pause. Each kind of picture is also saved step by step as a PNG.

#include "aids/aufnahme.h"
#include "aids/h_raum20_bild.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/surface.h"
#include "support/fixtures.h"

#include <QPainter>

using raum20::Aufgabe;
using raum20::Zeichner;

namespace {

constexpr QRgb kGruen = 0x008000, kTeal = 0x008080;

// The work area at scale 1, so that design units are pixels.
class Bild {
public:
    explicit Bild(float sx = 1.0f, float sy = 1.0f)
        : m_sx(sx)
        , m_sy(sy)
    {
        m_surface.setBackground(QColor(240, 240, 240));
        m_surface.ensureSize(QSize(Round(700 * sx), Round(1000 * sy)));
    }
    Canvas& canvas() { return m_surface.canvas(); }
    Zeichner zeichner() { return Zeichner(canvas(), m_sx, m_sy); }
    QRgb farbe(int x, int y) { return m_surface.image().pixel(x, y) & 0xffffff; }
    const QImage& image() const { return m_surface.image(); }
    // Any pixel of the colour in the rectangle (design units = pixels at scale 1).
    bool enthaelt(QRect r, QRgb farbe) const
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if ((m_surface.image().pixel(x, y) & 0xffffff) == farbe) return true;
        return false;
    }

private:
    float m_sx, m_sy;
    Surface m_surface { nullptr };
};

// Draws the task and its help steps one by one and saves them side by side as one PNG.
class Schrittfolge {
public:
    Schrittfolge(const Aufgabe& a, int schritte, const QString& name)
        : m_name(name)
    {
        Zeichner z = m_bild.zeichner();
        z.arbeitsflaeche();
        z.aufgabenzeile(a);
        m_stufen << m_bild.image().copy(0, 0, 700, 1000);
        for (int s = 1; s <= schritte; ++s) {
            z.hilfeschritt(a, s);
            m_stufen << m_bild.image().copy(0, 0, 700, 1000);
        }
        speichern();
    }
    bool veraendert(int stufe) const { return m_stufen.at(stufe) != m_stufen.at(stufe - 1); }

private:
    void speichern() const
    {
        const int n = int(m_stufen.size());
        QImage streifen(350 * n, 500, QImage::Format_RGB32);
        streifen.fill(Qt::darkGray);
        QPainter p(&streifen);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < n; ++i)
            p.drawImage(QRect(350 * i + 2, 0, 346, 494), m_stufen.at(i));
        p.end();
        streifen.save(QStringLiteral(TAVI_TEST_OUTPUT "/h_raum20_hilfe_") + m_name + QStringLiteral(".png"));
    }

    Bild m_bild;
    QString m_name;
    QList<QImage> m_stufen;
};

} // namespace

TEST(Raum20Bild, SavesEveryKindOfHelpPictureStepByStep)
{
    struct Fall {
        int v, a, b, schritte;
        const char* name;
    };
    const Fall faelle[] = {
        { 12, 3, 4, 5, "12_beinchen" },
        { 13, 6, 3, 4, "13_zehnerfeld" },
        { 21, 4, 3, 5, "21_spalten_plus" },
        { 22, 3, 4, 4, "22_spalten_minus" },
        { 23, 6, 2, 5, "23_spalten_ergaenzen" },
        { 25, 3, 4, 5, "25_strahl_plus" },
        { 26, 5, 3, 5, "26_strahl_minus" },
        { 27, 2, 5, 5, "27_strahl_ergaenzen_plus" },
        { 28, 4, 3, 5, "28_strahl_ergaenzen_minus" },
        { 31, 7, 5, 5, "31_zwanzigerfeld_plus" },
        { 32, 6, 7, 5, "32_zwanzigerfeld_minus" },
        { 33, 8, 6, 5, "33_zwanzigerfeld_ergaenzen" },
        { 35, 8, 5, 5, "35_zwanzigerstrahl_plus" },
        { 36, 7, 6, 5, "36_zwanzigerstrahl_minus" },
        { 37, 9, 4, 5, "37_zwanzigerstrahl_ergaenzen" },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Schrittfolge s(raum20::aufgabe(f.v, f.a, f.b), f.schritte, QString::fromLatin1(f.name));
        // Every step adds to the picture.
        for (int st = 1; st <= f.schritte; ++st)
            EXPECT_TRUE(s.veraendert(st)) << st;
    }
}

namespace {

struct Aufgezeichnet {
    QVector<DrawOp> ops;
    Canvas canvas { std::make_unique<Aufnahme>(ops) };
    int pausen = 0;
    void schritt(const Aufgabe& a, int stufe, float sx = 1.0f, float sy = 1.0f)
    {
        ops.clear();
        Zeichner(canvas, sx, sy).hilfeschritt(a, stufe, [this] { ++pausen; });
    }
    QVector<DrawOp> art(DrawOp::Kind k) const
    {
        QVector<DrawOp> r;
        for (const DrawOp& o : ops)
            if (o.kind == k) r << o;
        return r;
    }
    QStringList texte() const
    {
        QStringList t;
        for (const DrawOp& o : art(DrawOp::Kind::Text))
            t << o.text;
        return t;
    }
};

} // namespace

TEST(Raum20Bild, BeinchenCirclesStand30ApartWithAGapAfterTheFifthCentredOverTheTopBox)
{
    Aufgezeichnet z;
    z.schritt(raum20::aufgabe(12, 4, 6), 1);
    const auto kreise = z.art(DrawOp::Kind::Ellipse);
    ASSERT_EQ(kreise.size(), 10);
    QList<int> abstaende;
    for (int i = 1; i < 10; ++i)
        abstaende << kreise[i].points[0].x() - kreise[i - 1].points[0].x();
    EXPECT_EQ(abstaende, (QList<int> { 30, 30, 30, 30, 45, 30, 30, 30, 30 }));
    const int mitte = (kreise.first().points[0].x() + kreise.last().points[1].x()) / 2;
    EXPECT_NEAR(mitte, 352, 1);
    EXPECT_EQ(kreise[0].points[0].y(), 130);
    EXPECT_EQ(kreise[0].points[1].y(), 165);

    // Five or fewer: no gap.
    z.schritt(raum20::aufgabe(12, 2, 3), 1);
    const auto fuenf = z.art(DrawOp::Kind::Ellipse);
    ASSERT_EQ(fuenf.size(), 5);
    EXPECT_EQ(fuenf[4].points[0].x() - fuenf[0].points[0].x(), 120);
}

TEST(Raum20Bild, UnitJumpsPauseOnlyWhenThereAreSeveralAndTheWholeJumpIsAlwaysDrawn)
{
    // 4 + 1 on the line to 10: the whole jump alone.
    Aufgezeichnet z;
    z.schritt(raum20::aufgabe(25, 4, 1), 3);
    EXPECT_EQ(z.pausen, 0);
    ASSERT_EQ(z.art(DrawOp::Kind::Arc).size(), 1);
    const DrawOp ganz = z.art(DrawOp::Kind::Arc).first();
    // From 4 to 5, 90 high over the base 432, the upper half.
    EXPECT_EQ(ganz.points[0], QPoint(53 + 240, 432 - 90));
    EXPECT_EQ(ganz.points[1], QPoint(53 + 300, 432 + 90));
    EXPECT_EQ(ganz.points[2], QPoint(700, 432));
    EXPECT_EQ(ganz.points[3], QPoint(0, 432));
    EXPECT_EQ(ganz.pen.width, 4);

    // 7 - 3: three unit jumps back from 7, each followed by the pause, then the whole jump from 4 to 7.
    z.schritt(raum20::aufgabe(26, 4, 3), 3);
    EXPECT_EQ(z.pausen, 3);
    const auto boegen = z.art(DrawOp::Kind::Arc);
    ASSERT_EQ(boegen.size(), 4);
    EXPECT_EQ(boegen[0].points[0].x(), 53 + 6 * 60);
    EXPECT_EQ(boegen[2].points[0].x(), 53 + 4 * 60);
    EXPECT_EQ(boegen[3].points[0].x(), 53 + 4 * 60);
    EXPECT_EQ(boegen[3].points[1].x(), 53 + 7 * 60);

    // Completing: the jumps come in step 4, up from a.
    z.pausen = 0;
    z.schritt(raum20::aufgabe(27, 2, 5), 3);
    EXPECT_EQ(z.pausen, 0);
    z.schritt(raum20::aufgabe(27, 2, 5), 4);
    EXPECT_EQ(z.pausen, 5);
    EXPECT_EQ(z.art(DrawOp::Kind::Arc).first().points[0].x(), 53 + 2 * 60);
}

TEST(Raum20Bild, TheLineToTenShowsItsTenExceptWhenTheSumIsSought)
{
    Aufgezeichnet z;
    z.schritt(raum20::aufgabe(25, 3, 4), 1);
    EXPECT_EQ(z.texte(), QStringList { "0" });
    // It wipes the picture area first.
    EXPECT_EQ(z.ops.first().kind, DrawOp::Kind::Rectangle);
    EXPECT_EQ(z.ops.first().points[0], QPoint(15, 15));
    for (int v : { 26, 27, 28 }) {
        z.schritt(raum20::aufgabe(v, 3, 4), 1);
        EXPECT_EQ(z.texte(), (QStringList { "0", "10" })) << v;
    }
    z.schritt(raum20::aufgabe(36, 7, 6), 1);
    EXPECT_EQ(z.texte(), (QStringList { "0", "10", "20" }));
}

TEST(Raum20Bild, TheJumpOverTheTenOnTheLineToTwentyHasARealHeight)
{
    // 8 + 3: 27 * 3 + 100 / 3 = 114.33 over the base 330, the edges scaled and then rounded.
    Aufgezeichnet z;
    z.schritt(raum20::aufgabe(35, 8, 3), 5, 1.0f, 0.7f);
    const auto boegen = z.art(DrawOp::Kind::Arc);
    ASSERT_EQ(boegen.size(), 1);
    EXPECT_EQ(boegen[0].pen.color, clNavy);
    EXPECT_EQ(boegen[0].points[0].y(), Round((330 - (81 + 100.0 / 3)) * 0.7));
    EXPECT_EQ(boegen[0].points[1].y(), Round((330 + (81 + 100.0 / 3)) * 0.7));
    EXPECT_EQ(boegen[0].points[0].x(), 53 + 8 * 30);
    EXPECT_EQ(z.texte(), QStringList { "11" });
}

TEST(Raum20Bild, EachTypeEndsWithTheAnswerInItsBoxAndDrawsNothingBeyond)
{
    Aufgezeichnet z;
    struct Fall {
        int v, a, b, letzte;
        QString antwort;
        QPoint platz;
        QColor farbe;
    };
    const Fall faelle[] = {
        { 12, 3, 4, 5, "4", { 502, 560 }, clGreen },
        { 13, 6, 3, 4, "3", { 552, 560 }, clGreen },
        { 22, 3, 4, 4, "3", { 552, 760 }, clGreen },
        { 23, 6, 2, 5, "2", { 352, 760 }, clRed },
        { 25, 3, 4, 5, "7", { 552, 760 }, clRed },
        { 31, 7, 5, 5, "12", { 552, 760 }, clGreen },
        { 37, 9, 4, 5, "4", { 352, 760 }, clGreen },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.v);
        z.schritt(raum20::aufgabe(f.v, f.a, f.b), f.letzte);
        const auto texte = z.art(DrawOp::Kind::Text);
        ASSERT_FALSE(texte.isEmpty());
        EXPECT_EQ(texte.last().text, f.antwort);
        EXPECT_EQ(texte.last().points[0], f.platz);
        EXPECT_EQ(texte.last().font.color, f.farbe);
        EXPECT_EQ(texte.last().font.height, 120);
        z.schritt(raum20::aufgabe(f.v, f.a, f.b), f.letzte + 1);
        EXPECT_TRUE(z.ops.isEmpty());
    }
    // A type without a picture draws nothing.
    for (int v : { 24, 29, 34, 38, 0 }) {
        z.schritt(raum20::aufgabe(v, 3, 4), 1);
        EXPECT_TRUE(z.ops.isEmpty()) << v;
    }
}

TEST(Raum20Bild, TheAnswerReplacesTheQuestionMarkAndATensDigitWaitsInTheBox)
{
    Bild bild;
    Zeichner z = bild.zeichner();
    z.arbeitsflaeche();
    const Aufgabe a = raum20::aufgabe(31, 7, 5);
    z.aufgabenzeile(a);
    EXPECT_TRUE(bild.enthaelt(QRect(520, 780, 64, 100), kGruen)); // "?"
    z.zehnerziffer(QStringLiteral("1"));
    // The "1" stands left of the middle; the "?" is gone, the box's frame is whole.
    EXPECT_FALSE(bild.enthaelt(QRect(560, 780, 40, 100), kGruen));
    EXPECT_TRUE(bild.enthaelt(QRect(500, 780, 50, 100), kGruen));
    EXPECT_EQ(bild.farbe(494, 825), kTeal);
    EXPECT_EQ(bild.farbe(608, 825), kTeal);
    z.hilfeschritt(a, 5);
    EXPECT_TRUE(bild.enthaelt(QRect(560, 780, 40, 100), kGruen));
    EXPECT_EQ(bild.farbe(494, 825), kTeal);

    // "Zehner zuerst!" under the box, and the wipe takes it away again.
    z.zehnerZuerst();
    EXPECT_TRUE(bild.enthaelt(QRect(500, 925, 100, 40), kTeal));
    z.meldungLoeschen();
    EXPECT_FALSE(bild.enthaelt(QRect(490, 920, 125, 50), kTeal));
}
