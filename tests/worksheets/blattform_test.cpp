#include "blattfixture.h"
#include "support/pdf.h"
#include "testblatt.h"
#include "worksheets/blattform.h"

#include <QTextLayout>

class BlattformTest : public BlattTest {
protected:
    void SetUp() override
    {
        BlattTest::SetUp();
        writeBytes(dataPath("aw.ina"),
            kopf + "zehn\r\n1 2 -1 -1 -1 -1 -1 -1 -1 1 2 3 -1 -1 -1 -1 -1 -1 -1 3 4 -1 -1 -1 -1 -1 -1\r\n");
    }
    // The installed file's leading lines, which a rewrite puts on top.
    const QByteArray kopf = readBytes(QStringLiteral(TAVI_INSTALLORDNER "/aw.ina"))
                                .left(readBytes(QStringLiteral(TAVI_INSTALLORDNER "/aw.ina")).indexOf("zehn"));
};

TEST_F(BlattformTest, CountsEnableDruckenFromTenTasksGivenAPool)
{
    Testblatt blatt;
    zeigen(blatt, [&] {
        EXPECT_EQ(blatt.vorrat().codes(), (std::vector<int> { 12, 13, 21, 22 }));
        EXPECT_EQ(blatt.vorratslabel()->caption(), "aus dem Zahlenvorrat bildbare Aufgaben: 4");
        tippen(blatt.anzahledits()[0], "4x");
        tippen(blatt.anzahledits()[2], "5");
        EXPECT_EQ(blatt.anzahledits()[0]->text(), "4");
        EXPECT_EQ(blatt.zaehllabel()->caption(), " 9 gewählt ");
        EXPECT_FALSE(blatt.druckknopf()->isEnabled());
        tippen(blatt.anzahledits()[6], "1");
        EXPECT_EQ(blatt.zaehllabel()->caption(), " 10 gewählt ");
        EXPECT_TRUE(blatt.druckknopf()->isEnabled());
        // No sum ticked: an empty pool keeps "drucken" off whatever the counts.
        for (int i = 0; i < blatt.listen()[2]->count(); ++i)
            blatt.listen()[2]->setSelected(i, false);
        QTest::mouseClick(blatt.listen()[2]->viewport(), Qt::LeftButton, {},
            blatt.listen()[2]->visualItemRect(blatt.listen()[2]->item(8)).center());
        EXPECT_EQ(blatt.vorratslabel()->caption(), "aus dem Zahlenvorrat bildbare Aufgaben: 0");
        EXPECT_FALSE(blatt.druckknopf()->isEnabled());
        grabToPng(&blatt, "testblatt");
        blatt.zurueckknopf()->Click();
    });
    EXPECT_EQ(typzahlen[1], 0);
    EXPECT_EQ(blatt.anzahledits()[0]->text(), "");
}

TEST_F(BlattformTest, DruckenDrawsSavesPrintsTheCopiesShownAndClears)
{
    Testblatt blatt;
    zeigen(blatt, [&] {
        tippen(blatt.anzahledits()[0], "10");
        tippen(blatt.kopienedit(), "");
        EXPECT_EQ(wieoft, 0);
        blatt.listen()[0]->setSelected(8, true); // a 9 that no ticked sum can take
        blatt.druckknopf()->Click();
        EXPECT_EQ(blatt.kopienedit()->text(), "1");
        EXPECT_EQ(wieoft, 1);
    });
    ASSERT_EQ(printer().recorded().size(), 1);
    EXPECT_EQ(printer().recorded().first().copies, 1);
    EXPECT_EQ(blatt.gedruckt.size(), 10u);
    EXPECT_EQ(typzahlen[1], 0);
    EXPECT_FALSE(blatt.druckknopf()->isEnabled());
    EXPECT_EQ(blatt.vorrat().offen(), 4);
    EXPECT_EQ(readBytes(dataPath("aw.ina")),
        kopf + "zehn\r\n1 2 -1 -1 -1 -1 -1 -1 9 1 2 3 -1 -1 -1 -1 -1 -1 -1 3 4 -1 -1 -1 -1 -1 -1\r\n");
}

TEST_F(BlattformTest, ActivationShowsTheSavedListsOnlyAndOneCopy)
{
    Testblatt blatt;
    blatt.listen()[0]->setSelected(7, true);
    blatt.kopienedit()->setText("5");
    zeigen(blatt, [&] {
        EXPECT_FALSE(blatt.listen()[0]->Selected(7));
        EXPECT_TRUE(blatt.listen()[0]->Selected(1));
        EXPECT_EQ(auswahl1[7], -1);
        EXPECT_EQ(auswahl3[2], 4);
        EXPECT_EQ(blatt.kopienedit()->text(), "1");
        EXPECT_EQ(wieoft, 1);
    });
}

TEST_F(BlattformTest, WithoutTheSettingsFileTheSheetPrintsAndCreatesNone)
{
    QFile::remove(dataPath("aw.ina"));
    Testblatt blatt;
    zeigen(blatt, [&] {
        EXPECT_EQ(blatt.vorrat().groesse(), 0);
        for (int l = 0; l < 3; ++l)
            blatt.listen()[l]->setSelected(l == 2 ? 6 : 3, true); // 4 + 4 = 8
        blatt.listen()[0]->OnClick();
        tippen(blatt.anzahledits()[1], "12");
        blatt.druckknopf()->Click();
    });
    EXPECT_EQ(blatt.gedruckt, std::vector<int>(10, 44));
    EXPECT_EQ(printer().recorded().size(), 1);
    EXPECT_FALSE(QFile::exists(dataPath("aw.ina")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(BlattformTest, TheTestSheetAsPdf)
{
    printer().setRecording(false);
    qputenv("CI", "1");
    Testblatt blatt;
    zeigen(blatt, [&] {
        tippen(blatt.anzahledits()[0], "10");
        blatt.druckknopf()->Click();
    });
    const QStringList pdfs = pdfFiles(qEnvironmentVariable("TAVI_DRUCKORDNER"));
    ASSERT_EQ(pdfs.size(), 1);
    QFile::copy(pdfs.first(), QStringLiteral(TAVI_TEST_OUTPUT "/testblatt.pdf"));
    const QString text = pdfText(pdfs.first());
    EXPECT_TRUE(text.contains("Testblatt")) << text.toStdString();
    EXPECT_TRUE(text.contains("Ergebnisse:"));
}

TEST(UmbrechenNach, TheFirstLineEndsAtTheWholeWord)
{
    struct Fall {
        QString text, bis, ersteZeile;
    };
    const Fall faelle[] = {
        { "für Aufgaben im Zahlbereich bis 20 eine Zahl   1 ...   9   ein.", "Zahl",
            "für Aufgaben im Zahlbereich bis 20 eine Zahl" },
        { "die Verwandtschaft der Plusaufgabe:  8 + 7 = 15", ":", "die Verwandtschaft der Plusaufgabe:" },
    };
    QWidget fenster;
    for (const Fall& f : faelle) {
        Label l(&fenster, f.text, 0, 0);
        l.setWordWrap(true);
        place(&l, 0, 0, 600, 60);
        umbrechenNach(&l, f.bis);
        QTextLayout layout(f.text, l.font());
        layout.beginLayout();
        QTextLine zeile = layout.createLine();
        zeile.setLineWidth(l.contentsRect().width());
        layout.endLayout();
        EXPECT_EQ(f.text.left(zeile.textLength()).trimmed().toStdString(), f.ersteZeile.toStdString());
    }
}
