#include "platform/canvas.h"
#include "platform/canvasdevices.h"
#include "platform/surface.h"
#include "platform/symbolfont.h"
#include "support/fixtures.h"
#include "support/flaechenfenster.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSet>
#include <QWidget>
#include <malloc.h>

namespace {

// A window with a drawing surface, as a form has one, its drawing sized from the start.
class Sheet final : public Flaechenfenster {
public:
    explicit Sheet(QSize size = QSize(240, 160))
        : Flaechenfenster(size, QColor(200, 200, 200))
    {
        surface().ensureSize(size);
    }
};

// Every pixel a different colour, so that no drawing can leave it unchanged by chance.
void fillNoise(QImage& image)
{
    quint32 v = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            v = v * 1103515245u + 12345u;
            image.setPixel(x, y, 0xff000000u | (v >> 8));
        }
}

QRect areaOf(const QImage& image, QRgb colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) r |= QRect(x, y, 1, 1);
    return r;
}

int countOf(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

class CanvasTest : public TaviTest { };

} // namespace

TEST_F(CanvasTest, NotXorShapesDrawnTwiceLeaveTheImageUnchanged)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    fillNoise(sheet.image());
    const QImage before = sheet.image().copy();

    const std::vector<std::pair<const char*, std::function<void()>>> shapes = {
        { "rectangle", [&] { c.rectangle(20, 15, 120, 90); } },
        { "filled polygon",
            [&] {
                c.polygon({ { 30, 100 }, { 130, 20 }, { 200, 140 }, { 90, 60 } });
            } },
        { "ellipse", [&] { c.ellipse(40, 30, 160, 120); } },
        { "pie", [&] { c.pie(40, 30, 160, 120, 160, 40, 40, 40); } },
        { "arc", [&] { c.arc(40, 30, 160, 120, 160, 75, 40, 75); } },
        { "line",
            [&] {
                c.moveTo(5, 150);
                c.lineTo(230, 5);
            } },
        { "hatched rectangle",
            [&] {
                c.brush.style = BrushStyle::DiagCross;
                c.rectangle(10, 10, 90, 70);
                c.brush.style = BrushStyle::Solid;
            } },
    };
    for (int width : { 1, 6 })
        for (const auto& [name, draw] : shapes) {
            c.pen = Pen { QColor(200, 30, 60), width, PenStyle::Solid, PenMode::NotXor };
            c.brush = Brush { QColor(20, 90, 250), BrushStyle::Solid };
            draw();
            EXPECT_FALSE(changedArea(before, sheet.image()).isEmpty()) << name << " width " << width;
            draw();
            EXPECT_EQ(changedArea(before, sheet.image()), QRect()) << name << " width " << width;
        }
}

TEST_F(CanvasTest, NotXorIsTheComplementOfTheExclusiveOrPerPixel)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    sheet.image().fill(QColor(0xab, 0xcd, 0xef));
    c.pen = Pen { QColor(0x12, 0x34, 0x56), 1, PenStyle::Solid, PenMode::NotXor };
    c.brush = Brush { QColor(0x0f, 0xf0, 0x33), BrushStyle::Solid };
    c.rectangle(10, 10, 20, 20);
    EXPECT_EQ(sheet.image().pixel(10, 10) & 0xffffff, ~(0x123456u ^ 0xabcdefu) & 0xffffff);
    EXPECT_EQ(sheet.image().pixel(15, 15) & 0xffffff, ~(0x0ff033u ^ 0xabcdefu) & 0xffffff);
    EXPECT_EQ(sheet.image().pixel(20, 20) & 0xffffff, 0xabcdefu);
}

TEST_F(CanvasTest, RectangleCoversExactlyItsPixelsWithoutRightAndBottomEdge)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    const QImage blank = sheet.image().copy();
    c.pen.color = Qt::black;
    c.brush.color = Qt::white;
    c.rectangle(10, 10, 20, 15);
    // The outline runs on the first and last pixel inside the box; right and bottom edge stay outside.
    EXPECT_EQ(areaOf(sheet.image(), 0x000000), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(areaOf(sheet.image(), 0xffffff), QRect(QPoint(11, 11), QPoint(18, 13)));
    EXPECT_EQ(countOf(sheet.image(), QRect(QPoint(10, 10), QPoint(19, 14)), 0x000000), 2 * 10 + 2 * 3);

    // Without a pen the fill stops one pixel short on the right and at the bottom.
    sheet.image() = blank.copy();
    c.pen.style = PenStyle::Clear;
    c.rectangle(30, 30, 40, 35);
    EXPECT_EQ(changedArea(blank, sheet.image()), QRect(QPoint(30, 30), QPoint(38, 33)));

    // A wide pen is centred on that outline; corners given the other way round are the same box.
    sheet.image() = blank.copy();
    c.pen = Pen { Qt::red, 3 };
    c.brush.style = BrushStyle::Clear;
    c.rectangle(80, 70, 60, 50);
    EXPECT_EQ(changedArea(blank, sheet.image()), QRect(QPoint(59, 49), QPoint(80, 70)));
    EXPECT_EQ(sheet.image().pixel(70, 60), blank.pixel(70, 60));

    // Filling a box covers it up to the right and bottom edge, and ignores the not-XOR pen.
    sheet.image() = blank.copy();
    c.pen.mode = PenMode::NotXor;
    c.brush = Brush { Qt::blue, BrushStyle::Solid };
    c.fillRect(100, 100, 110, 104);
    c.fillRect(100, 100, 110, 104);
    EXPECT_EQ(areaOf(sheet.image(), 0x0000ff), QRect(QPoint(100, 100), QPoint(109, 103)));
}

TEST_F(CanvasTest, OnePixelLinesLeaveTheirEndPointAndWidePensReachIt)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    c.pen.color = Qt::black;
    c.moveTo(2, 2);
    c.lineTo(10, 2);
    EXPECT_EQ(areaOf(sheet.image(), 0x000000), QRect(QPoint(2, 2), QPoint(9, 2)));
    EXPECT_EQ(c.penPos(), QPoint(10, 2));

    c.pen = Pen { Qt::red, 5 };
    c.moveTo(20, 50);
    c.lineTo(60, 50);
    // Round ends half a pen width beyond both points.
    EXPECT_EQ(areaOf(sheet.image(), 0xff0000), QRect(QPoint(18, 48), QPoint(62, 52)));
}

TEST_F(CanvasTest, ArcsRunCounterClockwiseFromTheStartRadial)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    const QImage blank = sheet.image().copy();
    c.pen = Pen { Qt::red, 2 };
    // From the right end to the left end: the upper half, as the number-line jumps are drawn.
    c.arc(20, 20, 100, 80, 100, 50, 20, 50);
    QRect upper = changedArea(blank, sheet.image());
    EXPECT_LE(upper.bottom(), 51);
    EXPECT_GE(upper.width(), 78);

    sheet.image() = blank.copy();
    c.arc(20, 20, 100, 80, 20, 50, 100, 50);
    EXPECT_GE(changedArea(blank, sheet.image()).top(), 48);

    // A box given right before left draws the same arch.
    sheet.image() = blank.copy();
    c.arc(100, 20, 20, 80, 100, 50, 20, 50);
    EXPECT_EQ(changedArea(blank, sheet.image()), upper);
}

TEST_F(CanvasTest, CentredTextHasItsTopAtTheReferencePointOnTheBrushColour)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    const QImage blank = sheet.image().copy();
    c.font.name = QStringLiteral("arial");
    c.font.height = 23;
    c.font.color = Qt::white;
    c.brush.color = QColor(0, 128, 0);
    EXPECT_EQ(c.textAlign(), TextAlign::Center | TextAlign::Top);
    c.textOut(100, 13, QStringLiteral(" Zeit "));

    const QRect cell = areaOf(sheet.image(), 0x008000);
    EXPECT_EQ(cell.top(), 13);
    EXPECT_EQ(cell.height(), c.textHeight(QStringLiteral(" Zeit ")));
    EXPECT_EQ(c.textHeight(QStringLiteral("x")), 23); // a positive height is the cell height
    EXPECT_EQ(cell.width(), c.textWidth(QStringLiteral(" Zeit ")));
    EXPECT_LE(std::abs(cell.center().x() - 100), 1);
    EXPECT_GT(countOf(sheet.image(), cell, 0xffffff), 20);
    EXPECT_EQ(changedArea(blank, sheet.image()), cell);
    // The pen moves behind the text.
    EXPECT_EQ(c.penPos(), QPoint(100 + c.textWidth(QStringLiteral(" Zeit ")), 13));

    // A text of blanks on a white brush erases what it covers.
    c.brush.color = Qt::white;
    c.textOut(100, 13, QStringLiteral("                    "));
    EXPECT_EQ(countOf(sheet.image(), cell, 0x008000), 0);

    // Left and right alignment on the baseline; a clear brush leaves the ground.
    sheet.image() = blank.copy();
    c.brush.style = BrushStyle::Clear;
    c.font = Font();
    c.font.height = -40;
    c.font.color = Qt::black;
    c.setTextAlign(TextAlign::Right | TextAlign::Baseline);
    c.textOut(200, 100, QStringLiteral("Hx"));
    const QRect ink = changedArea(blank, sheet.image());
    EXPECT_LE(ink.right(), 200);
    EXPECT_GE(ink.right(), 195);
    EXPECT_EQ(ink.bottom(), 99); // "H" and "x" stand on the baseline
    EXPECT_EQ(areaOf(sheet.image(), 0xffffff), QRect());
}

TEST_F(CanvasTest, MetricMappingCountsTenthsOfMillimetresUpward)
{
    Sheet sheet(QSize(300, 300));
    Canvas& c = sheet.canvas();
    const QImage blank = sheet.image().copy();
    c.setMapMode(MapMode::LoMetric);
    c.pen.style = PenStyle::Clear;
    c.brush.color = Qt::blue;
    // One inch square, 1 cm below and right of the origin.
    c.fillRect(100, -100, 354, -354);
    const double ppu = SurfaceTarget::metricPixelsPerUnit();
    EXPECT_EQ(areaOf(sheet.image(), 0x0000ff),
        QRect(QPoint(qRound(100 * ppu), qRound(100 * ppu)), QPoint(qRound(354 * ppu) - 1, qRound(354 * ppu) - 1)));
}

TEST_F(CanvasTest, HatchedBrushDrawsOnlyItsCrossOnATransparentGround)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    const QImage blank = sheet.image().copy();
    c.pen.style = PenStyle::Clear;
    c.brush = Brush { Qt::red, BrushStyle::DiagCross };
    c.ellipse(10, 10, 90, 90);
    const int red = countOf(sheet.image(), QRect(10, 10, 80, 80), 0xff0000);
    const int kept = countOf(sheet.image(), QRect(10, 10, 80, 80), blank.pixel(0, 0));
    EXPECT_GT(red, 300);
    EXPECT_GT(kept, 3 * red);
    EXPECT_EQ(red + kept, 80 * 80);
}

TEST_F(CanvasTest, SymbolFontDrawsThePicturesOfTheTable)
{
    EXPECT_TRUE(symbolfont::isSymbolFont(QStringLiteral("Wingdings")));
    EXPECT_FALSE(symbolfont::isSymbolFont(QStringLiteral("arial")));
    EXPECT_EQ(symbolfont::toUnicode(QStringLiteral("J")), QStringLiteral("\u263A"));
    EXPECT_EQ(symbolfont::toUnicode(QStringLiteral("\u00DF")), QStringLiteral("\u2B05"));
    EXPECT_EQ(symbolfont::toUnicode(QStringLiteral("EFGH")), QStringLiteral("\u261C\u261E\u261D\u261F"));
    EXPECT_EQ(symbolfont::toUnicode(QStringLiteral(" ")), QStringLiteral(" "));
    // The ten symbols of the game are ten different pictures.
    QSet<QString> pictures;
    for (const QChar ch : QStringLiteral("%OI\u00F6\"R8J'6"))
        pictures << symbolfont::toUnicode(ch);
    EXPECT_EQ(pictures.size(), 10);
    for (const QString& p : pictures)
        EXPECT_TRUE(QFontMetrics(symbolfont::font(40)).inFontUcs4(p.toUcs4().first())) << p.toStdString();

    Sheet a, b;
    for (Sheet* s : { &a, &b }) {
        s->canvas().brush.style = BrushStyle::Clear;
        s->canvas().font.height = -40;
    }
    a.canvas().font.name = QStringLiteral("wingdings");
    a.canvas().textOut(100, 20, QStringLiteral("J"));
    b.canvas().textOut(100, 20, QStringLiteral("J"));
    EXPECT_NE(changedArea(a.image(), b.image()), QRect());
}

// Every primitive once, to look at by eye (build/test-output/canvas.png).
TEST_F(CanvasTest, PictureOfEveryPrimitive)
{
    Sheet sheet(QSize(640, 300));
    sheet.surface().setBackground(QColor(240, 240, 240));
    sheet.surface().clear();
    Canvas& c = sheet.canvas();
    c.pen = Pen { QColor(0, 128, 0), 1 };
    for (int i = 0; i <= 10; ++i) {
        c.moveTo(10 + 20 * i, 10);
        c.lineTo(10 + 20 * i, 110);
        c.moveTo(10, 10 + 10 * i);
        c.lineTo(210, 10 + 10 * i);
    }
    c.pen = Pen { Qt::red, 5 };
    c.brush.color = Qt::white;
    c.rectangle(230, 10, 330, 110);
    c.pen = Pen { Qt::blue, 2 };
    c.brush.color = Qt::yellow;
    c.ellipse(340, 10, 440, 110);
    c.pen = Pen { Qt::black, 1 };
    c.brush.color = QColor(166, 202, 240);
    c.pie(450, 10, 550, 110, 550, 60, 500, 10);
    c.pen = Pen { QColor(128, 0, 128), 3 };
    c.arc(560, 20, 630, 100, 630, 60, 560, 60);
    c.pen = Pen { Qt::blue, 5, PenStyle::Solid, PenMode::NotXor };
    c.brush = Brush { Qt::blue, BrushStyle::Solid };
    c.polygon({ { 20, 200 }, { 60, 130 }, { 100, 200 } });
    c.pen = Pen { Qt::green, 6, PenStyle::Solid, PenMode::NotXor };
    c.brush.style = BrushStyle::Clear;
    c.rectangle(120, 130, 200, 200);
    c.rectangle(150, 150, 230, 220);
    c.pen = Pen { Qt::red, 2 };
    c.brush = Brush { Qt::red, BrushStyle::DiagCross };
    c.ellipse(240, 130, 320, 210);
    c.pen = Pen { Qt::black, 1, PenStyle::Dash };
    c.moveTo(330, 140);
    c.lineTo(630, 140);
    c.brush = Brush { QColor(0, 128, 0), BrushStyle::Solid };
    c.font.name = QStringLiteral("arial");
    c.font.height = 23;
    c.font.color = Qt::white;
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.textOut(400, 150, QStringLiteral(" Zeit "));
    c.brush.style = BrushStyle::Clear;
    c.font.color = Qt::blue;
    c.font.height = -40;
    c.textOut(520, 150, QStringLiteral("Wohin"));
    c.font.name = QStringLiteral("wingdings");
    c.font.color = Qt::black;
    c.font.height = -36;
    c.textOut(470, 220, QStringLiteral("\u00DF EFGH JKL n \u00FC\u00FB"));
    c.textOut(470, 260, QStringLiteral("%OI\u00F6\"R8J'6"));
    c.font.name = QStringLiteral("courier new");
    c.font.height = -20;
    c.font.underline = true;
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.textOut(10, 240, QStringLiteral("Protokoll 12:05 min"));
    sheet.show();
    EXPECT_FALSE(grabToPng(&sheet, QStringLiteral("canvas")).isEmpty());
}

// Programs take a text back by drawing it again in the colour under it; the smoothed edges must go too, also
// after the text was drawn twice, and however many texts were drawn elsewhere in between (taken back or left
// standing). Over a line the line's pixels under the glyphs take the ground colour, as the text drawn only in
// that colour leaves them.
TEST_F(CanvasTest, TextDrawnAgainInTheColourUnderItLeavesThePixelsAsNeverDrawn)
{
    struct Fall {
        const char* text;
        int height;
        QColor ground;
        QList<QColor> farben; // drawn in turn before the text is drawn in the ground colour
        bool ueberLinie;
        QSize groesse;
        int dazwischen; // other texts drawn in between, in a grid below
        int hoeheDazwischen;
        bool unterstrichen = false;
        int linien = 0; // with ueberLinie: a horizontal line every so many pixels instead of a frame
    };
    const QSize klein(240, 160);
    const Fall faelle[] = {
        { "?", -60, Qt::white, { QColor(255, 0, 255) }, false, klein, 0, 0 },
        { "?", -60, Qt::white, { QColor(255, 0, 255), QColor(255, 0, 255) }, false, klein, 0, 0 },
        { "05", 40, Qt::white, { Qt::blue }, true, klein, 0, 0 },
        { "38", -44, Qt::white, { Qt::black, Qt::black }, true, klein, 0, 0 }, // in the colour of the line
        { "Suche 3 Zahlen,", -19, QColor(0, 128, 128), { Qt::yellow, Qt::black }, true, klein, 0, 0 },
        { "70", -60, Qt::white, { Qt::red }, false, klein, 0, 0, true }, // underlined
        { "?", -60, Qt::white, { QColor(255, 0, 255) }, false, QSize(1366, 768), 1000, -60 },
        { "17", -134, Qt::white, { Qt::blue, Qt::red }, true, QSize(1920, 1080), 300, -134 },
        // The others each over a line, all standing: none lies on a plain ground.
        { "38", -44, Qt::white, { Qt::blue }, true, QSize(1366, 768), 250, -44, false, 50 },
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        SCOPED_TRACE(fall.dazwischen);
        Sheet nie(fall.groesse), einmal(fall.groesse), sheet(fall.groesse);
        for (Sheet* s : { &nie, &einmal, &sheet }) {
            Canvas& c = s->canvas();
            c.brush = Brush { fall.ground, BrushStyle::Solid };
            c.pen = Pen { fall.ground, 1 };
            c.rectangle(0, 0, fall.groesse.width(), fall.groesse.height());
            c.pen = Pen { Qt::black, 3 };
            if (fall.ueberLinie && !fall.linien) c.rectangle(40, 70, 200, 150);
            for (int y = fall.linien / 2; fall.linien && y < fall.groesse.height(); y += fall.linien) {
                c.moveTo(0, y);
                c.lineTo(fall.groesse.width(), y);
            }
            c.brush.style = BrushStyle::Clear;
            c.font.height = fall.height;
            c.font.color = fall.ground;
            c.font.underline = fall.unterstrichen;
        }
        einmal.canvas().textOut(120, 50, QString::fromUtf8(fall.text));
        const QImage vorher = sheet.image().copy();
        Canvas& c = sheet.canvas();
        for (const QColor& farbe : fall.farben) {
            c.font.color = farbe;
            c.textOut(120, 50, QString::fromUtf8(fall.text));
        }
        EXPECT_FALSE(changedArea(vorher, sheet.image()).isEmpty());

        // The others stand in a grid under the text; one drawn where another stands takes that one back first.
        const int breite = fall.linien ? 55 : fall.hoeheDazwischen == -134 ? 200 : 70;
        const int hoehe = fall.linien ? fall.linien : 40 - fall.hoeheDazwischen;
        const int spalten = fall.groesse.width() / breite, zeilen = (fall.groesse.height() - 200) / hoehe;
        QMap<int, QPair<QString, QColor>> stehen;
        auto zeichne = [&](Canvas& k, int zelle, const QString& text, const QColor& farbe) {
            k.font.height = fall.hoeheDazwischen;
            k.font.color = farbe;
            k.textOut(breite / 2 + breite * (zelle % spalten), 200 + hoehe * (zelle / spalten), text);
        };
        for (int i = 0; i < fall.dazwischen; ++i) {
            const int zelle = (i * 7) % (spalten * zeilen);
            if (stehen.contains(zelle)) zeichne(c, zelle, stehen.take(zelle).first, fall.ground);
            stehen[zelle] = { QString::number(10 + i % 90), QColor::fromHsv((i * 37) % 360, 255, 200) };
            zeichne(c, zelle, stehen[zelle].first, stehen[zelle].second);
        }
        for (auto it = stehen.cbegin(); it != stehen.cend(); ++it)
            for (Sheet* s : { &nie, &einmal })
                zeichne(s->canvas(), it.key(), it.value().first, it.value().second);

        c.font.height = fall.height;
        c.font.color = fall.ground;
        c.textOut(120, 50, QString::fromUtf8(fall.text));
        EXPECT_EQ(changedArea(einmal.image(), sheet.image()), QRect());
        if (!fall.ueberLinie) EXPECT_EQ(changedArea(nie.image(), sheet.image()), QRect());
    }
}

// What a window keeps to take its texts back follows what it shows, not how many texts it has drawn: 20,000
// counters, each taken back before the next at its place, leave the heap as it was. 20,000 texts piled over each
// other at 91 places, never taken back, cost what the tops of the piles show.
TEST_F(CanvasTest, TakingTextsBackKeepsMemoryBoundedByWhatIsShown)
{
    Sheet sheet(QSize(1366, 768));
    Canvas& c = sheet.canvas();
    c.brush.style = BrushStyle::Clear;
    QMap<int, QString> stehen;
    const auto zaehler = [&](int i) {
        const int platz = i % 110;
        const QPoint p(60 + 120 * (platz % 11), 60 + 70 * (platz / 11));
        c.font.height = platz % 3 ? -30 : -60;
        if (stehen.contains(platz)) {
            c.font.color = QColor(200, 200, 200);
            c.textOut(p.x(), p.y(), stehen[platz]);
        }
        c.font.color = i % 2 ? Qt::blue : Qt::red;
        stehen[platz] = QString::number(i);
        c.textOut(p.x(), p.y(), stehen[platz]);
    };
    for (int i = 0; i < 1000; ++i)
        zaehler(i);
    const size_t heap = mallinfo2().uordblks;
    for (int i = 1000; i < 21000; ++i)
        zaehler(i);
    // Wide counters reach into their neighbours, so taking them back leaves prints of the ground colour there; with
    // the prints that no longer show, they stay fewer than a sweep waits for.
    EXPECT_LT(sheet.surface().textPrints().count(), 256);
    EXPECT_LE(qint64(mallinfo2().uordblks) - qint64(heap), 512 * 1024);
    sheet.surface().clear();
    EXPECT_EQ(sheet.surface().textPrints().count(), 0);

    Sheet gross(QSize(1920, 1080));
    Canvas& g = gross.canvas();
    g.brush.style = BrushStyle::Clear;
    g.font.height = -44;
    g.font.color = Qt::blue;
    const auto stapeln = [&](int texte) {
        for (int i = 0; i < texte; ++i) {
            const int platz = i % 91;
            g.textOut(74 + 148 * (platz % 13), 40 + 150 * (platz / 13), QString::number(10 + i * 37 % 90));
        }
    };
    stapeln(2000);
    gross.surface().clear();
    const size_t vorStapeln = mallinfo2().uordblks;
    stapeln(20000);
    EXPECT_LE(qint64(mallinfo2().uordblks) - qint64(vorStapeln), 512 * 1024);
}

// The pen of a small round mark is wider than the mark: it covers the whole of it, without a hole.
TEST_F(CanvasTest, APenWiderThanAnEllipseFillsIt)
{
    Sheet sheet;
    Canvas& c = sheet.canvas();
    c.pen = Pen { Qt::blue, 15 };
    c.brush = Brush { Qt::white, BrushStyle::Solid };
    c.ellipse(100, 80, 103, 85);
    const QRect blau = areaOf(sheet.image(), 0x0000ff);
    EXPECT_GE(blau.width(), 16);
    EXPECT_LE(blau.width(), 19);
    // Every pixel within half the pen of the mark's centre is blue.
    int loecher = 0;
    for (int y = 82 - 6; y <= 82 + 6; ++y)
        for (int x = 101 - 6; x <= 101 + 6; ++x)
            if ((x - 101) * (x - 101) + (y - 82) * (y - 82) <= 36)
                loecher += (sheet.image().pixel(x, y) & 0xffffff) != 0xff;
    EXPECT_EQ(loecher, 0);
}
