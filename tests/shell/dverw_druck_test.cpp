#include "platform/canvas.h"
#include "platform/printer.h"
#include "shell/dverw_druck.h"
#include "shell/dverw_logik.h"
#include "support/fixtures.h"
#include "support/pdf.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

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
    EXPECT_EQ(seite(blatt, QVector<Zeilensatz>(40)).linien.size(), 41 + 12);

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

namespace {
const QString k51 = QStringLiteral("Klasse 3a 2024/25: Frau Dr. Sonnenschein-Mustermann");
const QString k100 = QStringLiteral("17 Maximiliane Friederike Charlotte von Hohenzollern-Sigmaringen "
                                    "zu Lauenburg, geb. Wittelsbach-Nord");
} // namespace

TEST_F(DverwDruckTest, ALineTooLongForItsColumnIsSetSmallerWithinItsRow)
{
    ASSERT_EQ(k51.size(), 51);
    ASSERT_EQ(k100.size(), 100);
    const QString wort = QString(70, u'M');
    struct Fall {
        int reihen;
        QString zeile;
        int teile;
        bool kleiner;
    };
    const Fall faelle[] = {
        // The longest line that fits the names' column stands in the list's type.
        { 32, "NN " + QString(28, u'W'), 1, false },
        // The longest line the administration writes, in the widest letters: smaller, on one line.
        { 32, "NN " + QString(35, u'W'), 1, true },
        { 40, "NN " + QString(35, u'Ä'), 1, true },
        { 32, k51, 2, true },
        { 40, k51, 1, true },
        { 32, k100, 2, true },
        { 40, k100, 2, true },
        // A word wider than the column on its own is broken within itself.
        { 32, wort, 2, true },
    };
    Canvas& canvas = printer().canvas();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile.toStdString() + " in " + std::to_string(f.reihen) + " Reihen");
        QStringList zeilen(f.reihen, QStringLiteral("01 Anna"));
        zeilen[5] = f.zeile;
        const Listenblatt blatt = listenblatt("3A", zeilen);
        const Zeilensatz z = saetze(blatt, canvas).at(5);
        ASSERT_EQ(z.teile.size(), f.teile);
        EXPECT_EQ(z.schrifthoehe < Listenblatt::kSchrifthoehe, f.kleiner);
        EXPECT_LE(z.teile.size() * z.schrifthoehe, blatt.namenhoehe());
        canvas.font.height = z.schrifthoehe;
        for (const QString& teil : z.teile)
            EXPECT_LE(canvas.textWidth(teil), Listenblatt::kNamenbreite) << teil.toStdString();
        // Nothing left out but the blank where the line breaks.
        EXPECT_TRUE(z.teile.join(" ") == f.zeile || z.teile.join("") == f.zeile);
    }
}

TEST_F(DverwDruckTest, LongLinesPrintWholeAndClearOfTheGrid)
{
    // A sheet of 32 rows of 8 mm and one of 40 of 6.4 mm; each page once as typed, once with blank lines, whose
    // difference is the ink of the names alone.
    const auto liste = [](int n, bool leer) {
        QStringList zeilen;
        for (int i = 1; i <= n; ++i)
            zeilen << (leer ? QString() : listenzeile(i, QStringLiteral("Kind Nummer %1").arg(i)));
        if (!leer) {
            zeilen[2] = k51;
            // Blanks typed after it reach into the tick columns, and must not blank out their rules.
            zeilen[3] = k100 + QString(40, u' ');
            zeilen[4] = "NN " + QString(35, u'W');
            zeilen.last() = k100;
        }
        return listenblatt("3A", zeilen);
    };
    drucken(QVector<Listenblatt> { liste(32, false), liste(40, false) });
    const QString ordner = qEnvironmentVariable("TAVI_DRUCKORDNER");
    const QString pdf = ordner + "/lang.bin";
    ASSERT_TRUE(QFile::rename(pdfFiles(ordner).value(0), pdf));
    QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_lang.pdf"));
    QFile::copy(pdf, QStringLiteral(TAVI_TEST_OUTPUT "/dverw_liste_lang.pdf"));
    // Each line whole, wherever it broke: twice on each page the line of 100 characters.
    const QString text = pdfText(pdf).remove(QRegularExpression("\\s"));
    EXPECT_EQ(text.count(QString(k51).remove(u' ')), 2) << text.toStdString();
    EXPECT_EQ(text.count(QString(k100).remove(u' ')), 4);
    EXPECT_EQ(text.count("NN" + QString(35, u'W')), 2);
    drucken(QVector<Listenblatt> { liste(32, true), liste(40, true) });
    const QString leer = pdfFiles(ordner).value(0);

    for (int seite = 1; seite <= 2; ++seite) {
        SCOPED_TRACE(seite);
        const Listenblatt blatt = liste(seite == 1 ? 32 : 40, true);
        // At 254 dpi a pixel is 0.1 mm.
        const QImage mit = pdfPageImage(pdf, seite, 254);
        const QImage ohne = pdfPageImage(leer, seite, 254);
        ASSERT_EQ(mit.size(), ohne.size());
        // The ink of the names lies left of the first tick column, inside the grid, and off every rule.
        QVector<int> regeln;
        for (int j = 0; j <= blatt.reihen; ++j)
            regeln << -blatt.regelY(j);
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x) {
                if (mit.pixel(x, y) == ohne.pixel(x, y)) continue;
                ASSERT_TRUE(x >= Listenblatt::kLinks && x < blatt.spalteX(1) - 1) << x << "," << y;
                ASSERT_TRUE(y > regeln.first() && y < regeln.last()) << x << "," << y;
                for (int regel : regeln)
                    ASSERT_GT(std::abs(y - regel), 1) << x << "," << y;
            }
    }
}
