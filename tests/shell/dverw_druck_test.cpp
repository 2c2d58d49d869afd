#include "platform/canvas.h"
#include "platform/printer.h"
#include "shell/dverw_druck.h"
#include "shell/dverw_logik.h"
#include "support/fixtures.h"
#include "support/pdf.h"

#include <QFile>
#include <QImage>

using namespace dverw;

namespace {

class DverwDruckTest : public TaviTest {
protected:
    void TearDown() override
    {
        printer().setRecording(false);
        if (printer().printing()) printer().abort();
        TaviTest::TearDown();
    }
    static QStringList klasse(int n)
    {
        QStringList zeilen;
        for (int i = 1; i <= n; ++i)
            zeilen << listenzeile(i, QStringLiteral("Kind Nummer %1").arg(i));
        return zeilen;
    }
    static QList<DrawOp> ops(const QVector<DrawOp>& page, DrawOp::Kind kind)
    {
        QList<DrawOp> r;
        for (const DrawOp& op : page)
            if (op.kind == kind) r << op;
        return r;
    }
};

} // namespace

TEST_F(DverwDruckTest, ThreePupilsOnTheFullGrid)
{
    printer().setRecording(true);
    drucken(listenblatt("3A", { "01 Anna", "Lena Schmidt", "\t05 Jonas Weber" }));
    ASSERT_EQ(printer().recorded().size(), 1);
    const QVector<DrawOp>& page = printer().recorded().first().pages.first();
    const QList<DrawOp> texte = ops(page, DrawOp::Kind::Text);
    ASSERT_EQ(texte.size(), 4);
    EXPECT_EQ(texte[0].text, "3A");
    EXPECT_EQ(texte[0].points.first(), QPoint(200, -100));
    // Each line whole, as the file holds it; a tab as a blank.
    EXPECT_EQ(texte[1].text, "01 Anna");
    EXPECT_EQ(texte[2].text, "Lena Schmidt");
    EXPECT_EQ(texte[3].text, " 05 Jonas Weber");
    EXPECT_EQ(texte[1].points.first(), QPoint(200, -230));
    EXPECT_EQ(texte[2].points.first(), QPoint(200, -310));
    EXPECT_EQ(texte[3].points.first(), QPoint(200, -390));
    EXPECT_EQ(texte[0].font.name, "courier new");
    EXPECT_EQ(texte[0].font.height, 50);
    EXPECT_EQ(texte[0].mapMode, MapMode::LoMetric);

    const QList<DrawOp> linien = ops(page, DrawOp::Kind::Line);
    ASSERT_EQ(linien.size(), 33 + 12);
    EXPECT_EQ(linien[0].points, QVector<QPoint>({ { 200, -210 }, { 1950, -210 } }));
    EXPECT_EQ(linien[32].points, QVector<QPoint>({ { 200, -2770 }, { 1950, -2770 } }));
    EXPECT_EQ(linien[33].points, QVector<QPoint>({ { 1030, -50 }, { 1030, -2780 } }));
    EXPECT_EQ(linien[44].points, QVector<QPoint>({ { 1910, -50 }, { 1910, -2780 } }));
    EXPECT_EQ(linien[0].pen.width, 1);
}

TEST_F(DverwDruckTest, FortyPupilsShareTheRuledHeightOfOnePage)
{
    const Listenblatt blatt = listenblatt("4B", klasse(40));
    EXPECT_EQ(blatt.reihen, 40);
    EXPECT_EQ(blatt.abstand, 64);
    for (int i = 1; i <= 40; ++i) {
        // Each name lies between the rules of its row.
        EXPECT_LT(blatt.zeileY(i), blatt.regelY(i - 1));
        EXPECT_GT(blatt.zeileY(i) - Listenblatt::kSchrifthoehe, blatt.regelY(i));
    }
    EXPECT_GE(blatt.regelY(40), -2770);
    EXPECT_EQ(seite(blatt).linien.size(), 41 + 12);

    // 32 pupils keep the rows of 8 mm.
    EXPECT_EQ(listenblatt("x", klasse(32)).abstand, 80);
    EXPECT_EQ(listenblatt("x", klasse(33)).reihen, 33);
}

TEST_F(DverwDruckTest, TheFullListAsAPdfPage)
{
    drucken(listenblatt("4B", klasse(40)));
    const QStringList pdfs = pdfFiles(qEnvironmentVariable("TAVI_DRUCKORDNER"));
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pdfPageCount(pdfs.first()), 1);
    QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_40.pdf"));
    QFile::copy(pdfs.first(), QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_40.pdf"));
    const QString text = pdfText(pdfs.first());
    EXPECT_TRUE(text.contains("4B"));
    EXPECT_TRUE(text.contains("01 Kind Nummer 1"));
    EXPECT_TRUE(text.contains("40 Kind Nummer 40")) << text.toStdString();

    // At 254 dpi a pixel is 0.1 mm: the last name stands above the last rule, inside the page.
    const QImage seite = pdfPageImage(pdfs.first(), 1, 254);
    ASSERT_FALSE(seite.isNull());
    int unterste = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 200; x < 900; ++x)
            if (qGray(seite.pixel(x, y)) < 128) unterste = y;
    EXPECT_NEAR(unterste, 2770, 2);
    EXPECT_LT(unterste, seite.height());

    // A list made by hand of more than forty goes on to a second page, every pupil printed.
    QFile::remove(pdfs.first());
    const QVector<Listenblatt> blaetter = listenblaetter("4B", klasse(45));
    ASSERT_EQ(blaetter.size(), 2);
    EXPECT_EQ(blaetter[0].zeilen.size(), 40);
    EXPECT_EQ(blaetter[1].zeilen.first(), "41 Kind Nummer 41");
    EXPECT_EQ(listenblaetter("4B", klasse(40)).size(), 1);
    drucken(blaetter);
    const QStringList lang = pdfFiles(qEnvironmentVariable("TAVI_DRUCKORDNER"));
    ASSERT_EQ(lang.size(), 1);
    EXPECT_EQ(pdfPageCount(lang.first()), 2);
    QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_45.pdf"));
    QFile::copy(lang.first(), QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_45.pdf"));
    EXPECT_TRUE(pdfText(lang.first()).contains("45 Kind Nummer 45"));
}
