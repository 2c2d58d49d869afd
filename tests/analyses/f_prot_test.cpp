#include "analyses/f_prot.h"
#include "analyses/f_prot_logik.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/scrollview.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

class FProtTest : public TaviTest {
protected:
    // A protocol file of n lines "Zeile 1" .. "Zeile n".
    QString protokoll(int n, const QString& name = "p.txt")
    {
        QByteArray text;
        for (int i = 1; i <= n; ++i)
            text += "Zeile " + QByteArray::number(i) + "\r\n";
        const QString pfad = dataPath(name);
        writeBytes(pfad, text);
        return pfad;
    }
    static int zeilen(const prot::Seite& s)
    {
        int n = 0;
        for (const auto& t : s.texte)
            if (t.text.startsWith("Zeile") && !t.text.contains("Seite")) ++n;
        return n;
    }
};

TEST_F(FProtTest, ReadingFillsTheRecordAndForgetsTheLastProtocol)
{
    EXPECT_EQ(prot::lesen(protokoll(80)), 80);
    EXPECT_EQ(protokoll(3, "kurz.txt"), dataPath("kurz.txt"));
    EXPECT_EQ(prot::lesen(dataPath("kurz.txt")), 3);
    EXPECT_EQ(protzeilenzahl, 3);
    EXPECT_EQ(protzeilen[3].str(), "Zeile 3");
    EXPECT_EQ(protzeilen[4].str(), "");
    EXPECT_EQ(protzeilen[80].str(), "");

    writeBytes(dataPath("lang.txt"), QByteArray(150, 'x') + "\r\n");
    EXPECT_EQ(prot::lesen(dataPath("lang.txt")), 1);
    EXPECT_EQ(protzeilen[1].length(), 100);

    EXPECT_EQ(prot::lesen(protokoll(250, "riesig.txt")), 210);
    EXPECT_EQ(protzeilen[210].str(), "Zeile 210");
    EXPECT_EQ(prot::lesen(dataPath("fehlt.txt")), 0);
}

TEST_F(FProtTest, QuickSightIsCutOnTheScreenAfter34Lines)
{
    prot::lesen(protokoll(34));
    prot::Seite s = prot::bildschirm(2, 34);
    EXPECT_EQ(zeilen(s), 34);
    EXPECT_EQ(s.texte.last().text, "Zeile 34");
    EXPECT_EQ(s.texte.last().y, 30 - 45 * 34);

    prot::lesen(protokoll(35));
    s = prot::bildschirm(1, 35);
    EXPECT_EQ(zeilen(s), 34);
    EXPECT_EQ(s.texte.last().text, prot::kWeitereAufgaben);
    EXPECT_EQ(s.texte.last().x, 1);
    // In the place of line 35, right below line 34.
    EXPECT_EQ(s.texte.last().y, 30 - 45 * 35);
    EXPECT_TRUE(s.striche.isEmpty());

    // Basic arithmetic: every line and the table frame; an unknown code draws nothing.
    s = prot::bildschirm(14, 35);
    EXPECT_EQ(zeilen(s), 35);
    EXPECT_EQ(s.striche.size(), 2);
    EXPECT_EQ(zeilen(prot::bildschirm(20, 35)), 35);
    EXPECT_TRUE(prot::bildschirm(5, 35).texte.isEmpty());
}

TEST_F(FProtTest, PagesBreakAt67And133AndGoOnPast200)
{
    prot::lesen(protokoll(67));
    auto seiten = prot::druckseiten(2, 67);
    ASSERT_EQ(seiten.size(), 1);
    EXPECT_EQ(zeilen(seiten[0]), 67);
    EXPECT_EQ(seiten[0].texte[66].y, -100 - 40 * 67);

    prot::lesen(protokoll(68));
    seiten = prot::druckseiten(2, 68);
    ASSERT_EQ(seiten.size(), 2);
    EXPECT_EQ(seiten[1].texte[0].text, "Zeile 1     Seite  2");
    EXPECT_EQ(seiten[1].texte[0].y, -100);
    EXPECT_EQ(seiten[1].texte[1].text, "Zeile 68");
    EXPECT_EQ(seiten[1].texte[1].y, -180);

    prot::lesen(protokoll(133));
    EXPECT_EQ(prot::druckseiten(2, 133).size(), 2);
    prot::lesen(protokoll(134));
    seiten = prot::druckseiten(12, 134);
    ASSERT_EQ(seiten.size(), 3);
    EXPECT_EQ(seiten[2].texte[0].text, "Zeile 1     Seite  3");
    EXPECT_EQ(seiten[2].texte[0].x, 202);
    EXPECT_EQ(seiten[2].texte[1].text, "Zeile 134");
    // The frame of the table goes on its page only.
    EXPECT_TRUE(seiten[2].striche.isEmpty());
    ASSERT_EQ(seiten[0].striche.size(), 2);
    EXPECT_EQ(seiten[0].striche[0].x2, 1740);
    EXPECT_EQ(seiten[0].striche[1].y2, -1920);

    // Every line of a long protocol is printed, on a fourth page in the layout of the third.
    prot::lesen(protokoll(210));
    seiten = prot::druckseiten(20, 210);
    ASSERT_EQ(seiten.size(), 4);
    EXPECT_EQ(zeilen(seiten[0]) + zeilen(seiten[1]) + zeilen(seiten[2]) + zeilen(seiten[3]), 210);
    EXPECT_EQ(seiten[3].texte[0].text, "Zeile 1     Seite  4");
    EXPECT_EQ(seiten[3].texte[1].text, "Zeile 201");
    EXPECT_EQ(seiten[3].texte[1].y, -180);
    EXPECT_EQ(seiten[3].texte.last().text, "Zeile 210");
}

TEST_F(FProtTest, ThePrintoutIsTitledByTheAnalysisAndThePupil)
{
    EXPECT_EQ(prot::drucktitel(3, "Anna"), "schnelles Sehen im 100er-Feld Protokoll Anna");
    EXPECT_EQ(prot::drucktitel(14, "02 Ülrike Ärmel"), "kleines 1 - 1 (Zehnerübergang) Protokoll 02 Ülrike Ärmel");
    // No colon, which a file name cannot hold; every analysis has a name of its own.
    QStringList titel;
    for (int code : { 1, 2, 3, 11, 12, 13, 14, 15, 16, 17, 20 }) {
        const QString t = prot::drucktitel(code, "Anna");
        EXPECT_FALSE(t.contains(':')) << code;
        EXPECT_FALSE(titel.contains(t)) << code;
        titel << t;
    }
}

TEST_F(FProtTest, AnUnreadableFileGivesOnePageWithTheFrame)
{
    EXPECT_EQ(prot::lesen(dataPath("fehlt.txt")), 0);
    const auto seiten = prot::druckseiten(17, 0);
    ASSERT_EQ(seiten.size(), 1);
    EXPECT_EQ(zeilen(seiten[0]), 0);
    EXPECT_EQ(seiten[0].striche[1].x1, 295);
    // The frame stands where a whole protocol's frame stands: an empty or short file moves nothing down.
    const auto rahmenDruck = seiten[0].striche;
    const auto rahmenSchirm = prot::bildschirm(17, 0).striche;
    for (const int n : { 1, 2, 40 }) {
        prot::lesen(protokoll(n));
        const auto druck = prot::druckseiten(17, n)[0].striche;
        const auto schirm = prot::bildschirm(17, n).striche;
        ASSERT_EQ(druck.size(), rahmenDruck.size());
        ASSERT_EQ(schirm.size(), rahmenSchirm.size());
        for (int i = 0; i < druck.size(); ++i)
            EXPECT_EQ(druck[i].y1, rahmenDruck[i].y1) << n;
        for (int i = 0; i < schirm.size(); ++i)
            EXPECT_EQ(schirm[i].y1, rahmenSchirm[i].y1) << n;
    }
}

TEST_F(FProtTest, TheWindowShowsPrintsOnceAndCloses)
{
    TForm36 fenster;
    protdatei = protokoll(70);
    programmcode = 3;
    printer().setRecording(true);
    printer().clearRecorded();
    Form::setModalDriver([&](Form& f) {
        EXPECT_TRUE(fenster.Button1->isEnabled());
        grabToPng(&f, "f_prot_fenster");
        fenster.Button1->Click();
        EXPECT_FALSE(fenster.Button1->isEnabled());
        fenster.Button2->Click();
    });
    fenster.showModal();
    Form::setModalDriver({});
    EXPECT_FALSE(fenster.isVisible());
    ASSERT_EQ(printer().recorded().size(), 1);
    const Printer::Document doc = printer().recorded().first();
    printer().setRecording(false);
    ASSERT_EQ(doc.pages.size(), 2);
    EXPECT_TRUE(doc.pageTexts()[1].join("\n").contains("Zeile 1     Seite  2"));
    EXPECT_TRUE(doc.pageTexts()[1].join("\n").contains("Zeile 70"));

    // A long protocol with a result grid: the grid's frame is printed on the grid's page.
    protdatei = protokoll(140);
    programmcode = 12;
    printer().setRecording(true);
    printer().clearRecorded();
    Form::setModalDriver([&](Form&) {
        fenster.Button1->Click();
        fenster.Button2->Click();
    });
    fenster.showModal();
    Form::setModalDriver({});
    const Printer::Document lang = printer().recorded().first();
    printer().setRecording(false);
    ASSERT_EQ(lang.pages.size(), 3);
    auto striche = [&](int seite) {
        return std::count_if(lang.pages[seite].begin(), lang.pages[seite].end(),
            [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line; });
    };
    EXPECT_EQ(striche(0), 2);
    EXPECT_EQ(striche(2), 0);
}

TEST_F(FProtTest, ThePrintoutAsPdf)
{
    TForm36 fenster;
    protdatei = protokoll(140);
    programmcode = 11;
    // Each pupil's printout named by the analysis and the pupil, as an aid's protocol is.
    QStringList dateien;
    for (const char* name : { "02 Ülrike Ärmel", "Ben" }) {
        schuelername = QString::fromUtf8(name);
        Form::setModalDriver([&](Form&) {
            fenster.Button1->Click();
            fenster.Button2->Click();
        });
        fenster.showModal();
        Form::setModalDriver({});
        dateien << QFileInfo(printer().lastDocument().file).fileName();
    }
    ASSERT_EQ(dateien.size(), 2);
    EXPECT_TRUE(dateien[0].endsWith("_kleines 1 + 1 Protokoll 02 Ülrike Ärmel.pdf")) << dateien[0].toStdString();
    EXPECT_TRUE(dateien[1].endsWith("_kleines 1 + 1 Protokoll Ben.pdf")) << dateien[1].toStdString();
    const QString pdf = printer().lastDocument().file;
    QFile::remove(QStringLiteral(TAVI_TEST_OUTPUT "/f_prot_druck.pdf"));
    QFile::copy(pdf, QStringLiteral(TAVI_TEST_OUTPUT "/f_prot_druck.pdf"));
    ASSERT_FALSE(pdf.isEmpty());
    QProcess p;
    p.start("pdftotext", { "-layout", pdf, "-" });
    if (!p.waitForFinished(10000) || p.exitCode() != 0) GTEST_SKIP() << "pdftotext not available";
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Zeile 67\n"));
    EXPECT_TRUE(text.contains(QRegularExpression("Zeile 1 +Seite +3")));
    EXPECT_TRUE(text.contains("Zeile 140"));
    EXPECT_EQ(text.count(QChar('\f')), 3);
}

namespace {

// A quick-sight protocol of the 100 field as the runner writes it: eight lines of head, then one line a task.
QByteArray schnellesSehen(int aufgaben)
{
    QByteArray text = "Anna                                   07.12.2026 schnelles Sehen im 100er-Feld\r\n"
                      "/daten/OHNELIST/Anna/ss_100_01.txt\r\n"
                      "Zeit: 4:05 min      Aufgaben: "
        + QByteArray::number(aufgaben)
        + "   Punkte: 60\r\n"
          "Vorgaben:  Hintergrund: hell, mit Raster, max. 5 Minuten, max. 50 Aufgaben\r\n\r\n"
          "vorg      Zeit 1     Zeit 2      ok?     P\r\n"
          "Zahl     Zahl/Zeit  Zahl/Zeit    Zeit\r\n\r\n";
    for (int k = 1; k <= aufgaben; ++k)
        text += QByteArray::number(10 + k).rightJustified(3) + "    " + QByteArray::number(10 + k) + " 1,0      "
            + QByteArray::number(10 + k) + " 1,4    2,4    2\r\n";
    return text;
}

} // namespace

// A quick-sight protocol longer than the screen shows lines 1 to 34 and then the note; no task line lies under
// the note, and each line stands clear of the others.
TEST_F(FProtTest, TheNoteAboutFurtherTasksComesAfterTheLastLineShown)
{
    TForm36 fenster;
    writeBytes(dataPath("ss.txt"), schnellesSehen(31)); // 39 lines
    protdatei = dataPath("ss.txt");
    programmcode = 3;
    Surface::setRecordingTexts(true);
    QVector<Surface::PlacedText> texte;
    Form::setModalDriver([&](Form& f) {
        texte = fenster.blatt->surface().placedTexts();
        grabToPng(&f, "f_prot_schnelles_sehen");
    });
    fenster.showModal();
    Form::setModalDriver({});
    Surface::setRecordingTexts(false);

    std::sort(texte.begin(), texte.end(),
        [](const Surface::PlacedText& a, const Surface::PlacedText& b) { return a.box.top() < b.box.top(); });
    QStringList gezeigt;
    for (const auto& t : texte)
        gezeigt << t.text;
    QStringList erwartet;
    for (int i = 1; i <= 34; ++i)
        if (!protzeilen[i].str().trimmed().isEmpty()) erwartet << protzeilen[i].str();
    erwartet << prot::kWeitereAufgaben;
    EXPECT_EQ(gezeigt, erwartet);
    for (int i = 1; i < texte.size(); ++i)
        EXPECT_FALSE(texte[i].box.intersects(texte[i - 1].box)) << texte[i].text.toStdString();
    // The task of record line 33 is among them, readable.
    EXPECT_TRUE(gezeigt.contains(protzeilen[33].str()));
}

// A result longer than the window scrolls: the drawing keeps its size and places, and the keys of the window
// bring its end into view; printing is not touched by it.
TEST_F(FProtTest, ALongResultScrollsInTheWindow)
{
    TForm36 fenster;
    protdatei = protokoll(53);
    programmcode = 16;
    Form::setModalDriver([&](Form& f) {
        f.resize(800, 500);
        QCoreApplication::processEvents();
        QScrollBar* balken = fenster.blatt->verticalScrollBar();
        // 53 lines of 4.5 mm and the table's frame reach lower than 500 pixels.
        ASSERT_GT(balken->maximum(), 0);
        EXPECT_EQ(balken->value(), 0);
        EXPECT_TRUE(fenster.blatt->scrollKey(Qt::Key_End, Qt::NoModifier));
        EXPECT_EQ(balken->value(), balken->maximum());
        // The last line is then in view, above the window's lower edge.
        const QImage bild = f.grab().toImage();
        const int zeile53 = fenster.blatt->viewport()->mapTo(&f, QPoint(0, 0)).y()
            + int(std::lround(45 * 53 * 96 / 254.0)) - balken->value();
        EXPECT_LT(zeile53, bild.height());
        EXPECT_TRUE(fenster.blatt->scrollKey(Qt::Key_Home, Qt::NoModifier));
        EXPECT_EQ(balken->value(), 0);
        // Left and Right stay with the buttons.
        EXPECT_FALSE(fenster.blatt->scrollKey(Qt::Key_Right, Qt::NoModifier));
        fenster.Button2->Click();
    });
    fenster.showModal();
    Form::setModalDriver({});

    // A short protocol fits: nothing to scroll, and the keys stay with the window.
    protdatei = protokoll(12);
    programmcode = 20;
    Form::setModalDriver([&](Form& f) {
        f.resize(800, 500);
        QCoreApplication::processEvents();
        EXPECT_EQ(fenster.blatt->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(fenster.blatt->scrollKey(Qt::Key_End, Qt::NoModifier));
    });
    fenster.showModal();
    Form::setModalDriver({});
}
