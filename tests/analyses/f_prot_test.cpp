#include "analyses/f_prot.h"
#include "analyses/f_prot_logik.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

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
    EXPECT_EQ(s.texte.last().y, -1450);
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

TEST_F(FProtTest, AnUnreadableFileGivesOnePageWithTheFrame)
{
    EXPECT_EQ(prot::lesen(dataPath("fehlt.txt")), 0);
    const auto seiten = prot::druckseiten(17, 0);
    ASSERT_EQ(seiten.size(), 1);
    EXPECT_EQ(zeilen(seiten[0]), 0);
    EXPECT_EQ(seiten[0].striche[1].x1, 295);
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
    Form::setModalDriver([&](Form&) {
        fenster.Button1->Click();
        fenster.Button2->Click();
    });
    fenster.showModal();
    Form::setModalDriver({});
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
