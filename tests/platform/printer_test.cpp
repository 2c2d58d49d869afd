#include "platform/errors.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "support/fixtures.h"
#include "support/pdf.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <cerrno>

namespace {

class PrinterTest : public TaviTest {
protected:
    void TearDown() override
    {
        printer().setRecording(false);
        if (printer().printing()) printer().abort();
        TaviTest::TearDown();
    }
    QString folder() const { return qEnvironmentVariable("TAVI_DRUCKORDNER"); }

    // A square of 100 x 100 units 10 mm from the top-left corner and a title line, as a sheet draws them.
    static void drawSquarePage(const QString& title)
    {
        Printer& p = printer();
        p.beginDoc(title);
        Canvas& c = p.canvas();
        c.pen.width = 2;
        c.font.name = QStringLiteral("arial");
        c.font.height = 75;
        c.textOut(200, -300, QStringLiteral("Bereich bis 10          Name: _______________"));
        c.brush.color = Qt::black;
        c.rectangle(100, -100, 200, -200);
        p.endDoc();
    }
};

QRect inkArea(const QImage& image, const QRect& within)
{
    QRect r;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

TEST_F(PrinterTest, PageInTenthsOfMillimetresFromTheTopLeft)
{
    drawSquarePage(QStringLiteral("Quadrat"));
    const QStringList pdfs = pdfFiles(folder());
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(printer().lastDocument().file, pdfs.first());
    // Named by date, time and title.
    EXPECT_EQ(QFileInfo(pdfs.first()).fileName(), QStringLiteral("2026-12-07_09-00-00_Quadrat.pdf"));
    EXPECT_EQ(pdfPageCount(pdfs.first()), 1);

    // At 254 dpi one pixel is 0.1 mm.
    const QImage page = pdfPageImage(pdfs.first(), 1, 254);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 2100, 2);
    EXPECT_NEAR(page.height(), 2970, 2);
    const QRect square = inkArea(page, QRect(0, 0, 260, 260));
    EXPECT_NEAR(square.left(), 100, 2);
    EXPECT_NEAR(square.top(), 100, 2);
    EXPECT_NEAR(square.right(), 200, 2);
    EXPECT_NEAR(square.bottom(), 200, 2);
    // The title line is text, its top 30 mm down, 7.5 mm high.
    EXPECT_TRUE(pdfText(pdfs.first()).contains(QStringLiteral("Name: _______________")));
    const QRect title = inkArea(page, QRect(150, 280, 1900, 120));
    EXPECT_GE(title.top(), 300);
    EXPECT_LE(title.bottom(), 375);
    EXPECT_NEAR(title.left(), 205, 8);
    page.save(QStringLiteral(TAVI_TEST_OUTPUT "/printed-page.png"));
}

TEST_F(PrinterTest, RecordingListsTheOperationsThePdfWasDrawnFrom)
{
    drawSquarePage(QStringLiteral("Quadrat"));
    const QList<QStringList> printed = printer().lastDocument().pageTexts();

    printer().setRecording(true);
    drawSquarePage(QStringLiteral("Quadrat"));
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(printer().recorded().first().pageTexts(), printed);
    EXPECT_EQ(pdfFiles(folder()).size(), 1); // the recording printed nothing
    EXPECT_EQ(printed,
        QList<QStringList>({ {
            QStringLiteral("TextOut 200,-300 \"Bereich bis 10          Name: _______________\" "
                           "font=\"arial\"/75/regular/#000000 align=left|top opaque=#ffffff 0.1mm"),
            QStringLiteral("Rectangle 100,-100,200,-200 pen=#000000/2/solid/copy brush=#000000/solid 0.1mm"),
        } }));
}

TEST_F(PrinterTest, CopiesFromThePrinterOrAsSeparateJobs)
{
    // The printer's copy count: one job, the sheet drawn once, three copies of its page.
    printer().setCopies(3);
    drawSquarePage(QStringLiteral("Blatt"));
    QStringList pdfs = pdfFiles(folder());
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pdfPageCount(pdfs.first()), 3);
    EXPECT_EQ(printer().lastDocument().copies, 3);

    // Separate jobs: a print procedure run once per copy, never setting the count.
    for (int i = 0; i < 3; ++i)
        drawSquarePage(QStringLiteral("Blatt"));
    ASSERT_EQ(pdfFiles(folder()).size(), 4);
    for (int n = 2; n <= 4; ++n)
        EXPECT_EQ(pdfPageCount(folder() + QStringLiteral("2026-12-07_09-00-00_Blatt (%1).pdf").arg(n)), 1);

    // An emptied copies field gives one copy.
    printer().setCopies(0);
    printer().setRecording(true);
    drawSquarePage(QStringLiteral("Blatt"));
    EXPECT_EQ(printer().recorded().first().copies, 1);
}

TEST_F(PrinterTest, EachDocumentStartsWithFreshPenFontAndPages)
{
    printer().setRecording(true);
    Printer& p = printer();
    p.beginDoc(QStringLiteral("eins"));
    p.canvas().pen.width = 7;
    p.canvas().font.height = 99;
    p.canvas().setTextAlign(TextAlign::Right);
    p.canvas().textOut(10, -10, QStringLiteral("a"));
    p.newPage();
    p.canvas().textOut(10, -20, QStringLiteral("b"));
    EXPECT_EQ(p.pageNumber(), 2);
    p.endDoc();
    p.beginDoc(QStringLiteral("zwei"));
    p.canvas().textOut(10, -10, QStringLiteral("c"));
    p.canvas().moveTo(0, 0);
    p.canvas().lineTo(100, 0);
    p.endDoc();

    ASSERT_EQ(p.recorded().size(), 2);
    EXPECT_EQ(p.recorded().at(0).pages.size(), 2);
    const QVector<DrawOp>& second = p.recorded().at(1).pages.first();
    EXPECT_EQ(second.at(0).font.height, -35);
    EXPECT_EQ(second.at(0).align, TextAlign::Left | TextAlign::Top);
    EXPECT_EQ(second.at(0).mapMode, MapMode::LoMetric);
    EXPECT_EQ(second.at(1).pen.width, 1);
}

TEST_F(PrinterTest, NothingPrintedIsDroppedSilently)
{
    // A document left open (its handler ended early) is printed when the next one begins.
    printer().setRecording(true);
    printer().beginDoc(QStringLiteral("offen"));
    printer().canvas().textOut(0, 0, QStringLiteral("x"));
    printer().beginDoc(QStringLiteral("neu"));
    printer().endDoc();
    ASSERT_EQ(printer().recorded().size(), 2);
    EXPECT_EQ(printer().recorded().at(0).title, QStringLiteral("offen"));
    EXPECT_EQ(printer().recorded().at(0).pages.first().size(), 1);

    // A drawing outside a document ends the handler with a message.
    runGuarded([] { printer().canvas().textOut(0, 0, QStringLiteral("x")); });
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), QStringLiteral("Es wird gerade nicht gedruckt."));

    // A PDF that cannot be written ends the handler with the file and the reason.
    printer().setRecording(false);
    writeBytes(folder() + QStringLiteral("kein-ordner"), "x");
    qputenv("TAVI_DRUCKORDNER", (folder() + QStringLiteral("kein-ordner/unter")).toUtf8());
    runGuarded([] { drawSquarePage(QStringLiteral("Liste 3a")); });
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors.at(1).startsWith(QStringLiteral("Der Ausdruck \u201EListe 3a\u201C konnte nicht als PDF-Datei "
                                                       "gespeichert werden: ")))
        << errors.at(1).toStdString();
    EXPECT_FALSE(printer().printing());
}

TEST_F(PrinterTest, APdfThatDidNotReachTheDiskWholeIsNoPrintoutAndRemovesNoOtherFile)
{
    drawSquarePage(QStringLiteral("Liste 3a"));
    const QStringList vorher = allEntries(folder());
    ASSERT_EQ(vorher.size(), 1);
    const QByteArray erster = readBytes(folder() + vorher.first());
    // The disk runs full as the next one of the same title, in the same second, is written.
    files::setWriteFailureForTests([](const QString& pfad) { return pfad.endsWith(QStringLiteral(".pdf")); });
    runGuarded([] { drawSquarePage(QStringLiteral("Liste 3a")); });
    files::setWriteFailureForTests({});
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(
        errors.first().contains(QStringLiteral(" (2).pdf (Das Laufwerk oder die Freigabe des Datenordners ist voll")))
        << errors.first().toStdString();
    // The cut file is gone; the earlier printout, whose name it met first, is whole.
    EXPECT_EQ(allEntries(folder()), vorher);
    EXPECT_EQ(readBytes(folder() + vorher.first()), erster);
}

TEST_F(PrinterTest, APrintoutWhoseNameTheShareStillSettlesTakesTheNextOne)
{
    // Another PC printed this title a moment ago: the share answers "I/O error" for its name for a while.
    files::setShareAnswerForTests([](const char* schritt, const QString& pfad) {
        return qstrcmp(schritt, "mkdir") == 0 && pfad.endsWith(QStringLiteral("_Liste 3a.pdf.neu")) ? EIO : 0;
    });
    QElapsedTimer uhr;
    uhr.start();
    drawSquarePage(QStringLiteral("Liste 3a"));
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    const QStringList dateien = allEntries(folder());
    ASSERT_EQ(dateien.size(), 1);
    EXPECT_TRUE(dateien.first().endsWith(QStringLiteral("_Liste 3a (2).pdf"))) << dateien.first().toStdString();

    // A share that answers so for every name does not work: that is said, within the bound.
    files::setShareAnswerForTests(
        [](const char* schritt, const QString&) { return qstrcmp(schritt, "mkdir") == 0 ? EIO : 0; });
    uhr.start();
    runGuarded([] { drawSquarePage(QStringLiteral("Liste 3b")); });
    files::setShareAnswerForTests({});
    EXPECT_LT(uhr.elapsed(), files::kInUseMs + 2000);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(IoError::reason(IoDiskWrite))) << errors.first().toStdString();
    EXPECT_EQ(allEntries(folder()), dateien);
}

TEST_F(PrinterTest, WithoutAPrintFolderThePdfGoesToAusdruckeInTheDataFolder)
{
    qunsetenv("TAVI_DRUCKORDNER");
    Printer::setDataFolder(dataFolder());
    // Only where the system has no printer: a test must not print on a real one.
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a default printer";
    drawSquarePage(QStringLiteral("Klasse 3a: Liste"));
    const QStringList pdfs = pdfFiles(dataFolder() + QStringLiteral("Ausdrucke"));
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(pdfs.first().endsWith(QStringLiteral("_Klasse 3a_ Liste.pdf"))) << pdfs.first().toStdString();
    Printer::setDataFolder(QString());
}

// A page with every primitive, to compare by eye (build/test-output/printed-primitives.pdf).
TEST_F(PrinterTest, PictureOfAPrintedPage)
{
    printer().setRecording(true);
    Printer& p = printer();
    p.beginDoc(QStringLiteral("Muster"));
    Canvas& c = p.canvas();
    c.pen.width = 2;
    c.font.height = 75;
    c.textOut(200, -130, QStringLiteral("Bereich bis 10                    Name: _______________"));
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.height = 50;
    const QString task = QStringLiteral(" 3 +  4 = __");
    for (int i = 1; i <= task.size(); ++i)
        c.textOut(300 + 36 * i, -400, task.mid(i - 1, 1));
    c.rectangle(200, -250, 600, -450);
    c.rectangle(210, -260, 590, -450);
    c.moveTo(400, -260);
    c.lineTo(400, -450);
    c.pen.width = 0;
    c.pen.style = PenStyle::Dash;
    c.moveTo(180, -2110);
    c.lineTo(1880, -2110);
    c.pen.style = PenStyle::Solid;
    c.pen.width = 8;
    c.arc(550, -600, 1300, -1350, 850, -700, 1000, -700);
    c.moveTo(825, -612);
    c.lineTo(720, -612);
    c.moveTo(825, -612);
    c.lineTo(750, -695);
    c.pen.width = 4;
    c.brush.color = QColor(166, 202, 240);
    c.ellipse(1400, -600, 1800, -900);
    c.pie(1400, -1000, 1800, -1400, 1800, -1200, 1600, -1000);
    c.brush.style = BrushStyle::DiagCross;
    c.brush.color = Qt::red;
    c.polygon({ { 300, -1500 }, { 500, -1800 }, { 100, -1800 } });
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.height = 65;
    c.brush.style = BrushStyle::Clear;
    c.textOut(930, -920, QStringLiteral("2 Nachbarn ergeben: 10"));
    c.font.name = QStringLiteral("wingdings");
    c.textOut(930, -1000, QStringLiteral("JKL \u00FC"));
    p.endDoc();
    const QString path = QStringLiteral(TAVI_TEST_OUTPUT "/printed-primitives.pdf");
    EXPECT_EQ(Printer::writePdf(p.lastDocument(), path), QString());
    EXPECT_TRUE(pdfText(path).contains(QStringLiteral("2 Nachbarn ergeben: 10")));
}
