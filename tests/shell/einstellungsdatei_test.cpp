#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "support/fixtures.h"

using namespace einstellungsdatei;

class EinstellungsdateiTest : public TaviTest {
protected:
    QString datei() const { return dataPath("hw.ina"); }
};

TEST_F(EinstellungsdateiTest, LoadsTheLastOccurrenceAndReadsValuesAcrossLines)
{
    writeBytes(datei(),
        "Kopf 1\r\nKopf 2\r\nlimit\r\n5 10\r\nStrahl\r\n1\r\nwieviel \r\n9 9\r\nwieviel\r\n3 4\r\n-1 6\r\n2\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "wieviel", 4, w));
    EXPECT_EQ(w, (std::vector<int> { 3, 4, -1, 6 })); // the line with a trailing blank does not match
    EXPECT_EQ(stichwortzeile, 9);
    EXPECT_EQ(zeilenzahl, 12);
    EXPECT_EQ(zeilenpuffer[1], "Kopf 1");

    int mm = 0, ma = 0;
    ASSERT_TRUE(kopfladen(datei(), mm, ma));
    EXPECT_EQ(mm, 5);
    EXPECT_EQ(ma, 10);
}

TEST_F(EinstellungsdateiTest, AMissingFileOrKeywordChangesNothing)
{
    std::vector<int> w { 7, 7 };
    EXPECT_FALSE(abschnittladen(datei(), "Strahl", 1, w));
    writeBytes(datei(), "a\r\nb\r\nlimit\r\n0 0\r\n");
    EXPECT_FALSE(abschnittladen(datei(), "Strahl", 1, w));
    EXPECT_FALSE(abschnittladen(datei(), "limit ", 1, w));
    EXPECT_EQ(w, (std::vector<int> { 7, 7 }));
    EXPECT_EQ(stichwortzeile, 0);
}

TEST_F(EinstellungsdateiTest, ANonNumberStopsTheLoaderWithTheIoError)
{
    writeBytes(datei(), "a\r\nb\r\nStrahl\r\nzwei\r\n");
    std::vector<int> w;
    try {
        abschnittladen(datei(), "Strahl", 1, w);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoInvalidNumber);
    }
}

TEST_F(EinstellungsdateiTest, TheWriterPutsTheSectionOnOneLineAndKeepsEverythingElse)
{
    // The section was spread over two lines, and a damaged line follows: none of them stays behind.
    writeBytes(datei(), "Kopf\xE4\r\nzwei\r\nlimit\r\n0 0\r\nzr10\r\n1 2\r\n3 4\r\nx 1\r\nStrahl\r\n2\r\n");
    abschnittschreiben(datei(), "zr10", { 5, -1, 255 });
    EXPECT_EQ(
        readBytes(datei()), QByteArray("Kopf\xE4\r\nzwei\r\nlimit\r\n0 0\r\nzr10\r\n5 -1 255\r\nStrahl\r\n2\r\n"));
}

TEST_F(EinstellungsdateiTest, TheWriterUsesTheSecondOfTwoKeywords)
{
    writeBytes(datei(), "a\r\nb\r\nStrahl\r\n1\r\nStrahl\r\n2\r\nx\r\n");
    abschnittschreiben(datei(), "Strahl", { 0 });
    EXPECT_EQ(readBytes(datei()), QByteArray("a\r\nb\r\nStrahl\r\n1\r\nStrahl\r\n0\r\nx\r\n"));
}

TEST_F(EinstellungsdateiTest, AMissingSectionIsAppended)
{
    writeBytes(datei(), "a\r\nb\r\nlimit\r\n0 0");
    abschnittschreiben(datei(), "Strahl", { 2 });
    EXPECT_EQ(readBytes(datei()), QByteArray("a\r\nb\r\nlimit\r\n0 0\r\nStrahl\r\n2\r\n"));
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "Strahl", 1, w));
    EXPECT_EQ(w[0], 2);
}

TEST_F(EinstellungsdateiTest, TheWriterSeesWhatAnotherPcWroteAfterTheLoad)
{
    writeBytes(datei(), "a\r\nb\r\nzr10\r\n1\r\nStrahl\r\n1\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "Strahl", 1, w));
    // Another PC rewrites the file in between and puts a section before ours.
    writeBytes(datei(), "a\r\nb\r\nneu\r\n7\r\nzr10\r\n9\r\nStrahl\r\n1\r\n");
    abschnittschreiben(datei(), "Strahl", { 2 });
    EXPECT_EQ(readBytes(datei()), QByteArray("a\r\nb\r\nneu\r\n7\r\nzr10\r\n9\r\nStrahl\r\n2\r\n"));
}

TEST_F(EinstellungsdateiTest, LongFilesKeepAllTheirLinesAndTheBufferIsBounded)
{
    QByteArray inhalt = "a\r\nb\r\n";
    for (int i = 0; i < 40; ++i)
        inhalt += "s" + QByteArray::number(i) + "\r\n" + QByteArray::number(i) + "\r\n";
    writeBytes(datei(), inhalt);
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "s39", 1, w));
    EXPECT_EQ(w[0], 39);
    EXPECT_EQ(zeilenzahl, 60);
    abschnittschreiben(datei(), "s39", { 1 });
    QByteArray erwartet = inhalt;
    erwartet.replace("s39\r\n39\r\n", "s39\r\n1\r\n");
    EXPECT_EQ(readBytes(datei()), erwartet);
}

TEST_F(EinstellungsdateiTest, TheHeaderRewriteKeepsEverySection)
{
    writeBytes(datei(), "eins\r\nzwei\r\nlimit\r\n0 0\r\nwieviel\r\n3 4 5 6 7 8 9 1\r\nStrahl\r\n1\r\n");
    kopfschreiben(datei(), 15, 30);
    EXPECT_EQ(readBytes(datei()),
        QByteArray("eins\r\nzwei\r\nlimit\r\n15 30\r\nwieviel\r\n3 4 5 6 7 8 9 1\r\nStrahl\r\n1\r\n"));
}

TEST_F(EinstellungsdateiTest, WritersReportAMissingFile)
{
    EXPECT_THROW(abschnittschreiben(datei(), "Strahl", { 1 }), IoError);
    EXPECT_THROW(kopfschreiben(datei(), 1, 1), IoError);
}

TEST(SharedState, ShortTextsCutAndListsStartEmpty)
{
    aktivliste = QStringLiteral("Klasse10b");
    EXPECT_EQ(aktivliste.str(), "Klasse10");
    EXPECT_TRUE(protzeilen[210].isEmpty());
    EXPECT_EQ(programmcode, 0);
    EXPECT_EQ(fehlertabelle[11][12], 0);
}

TEST_F(EinstellungsdateiTest, ASectionOfSeveralLinesIsReplacedWhole)
{
    writeBytes(datei(), "a\r\nb\r\nss_10\r\n1 2\r\n1\r\n0\r\nzr10\r\n5\r\n");
    abschnittschreibenZeilen(datei(), "ss_10", std::vector<std::vector<int>> { { 3, 4 }, { 0 }, { 1 } });
    EXPECT_EQ(readBytes(datei()), QByteArray("a\r\nb\r\nss_10\r\n3 4\r\n0\r\n1\r\nzr10\r\n5\r\n"));
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "ss_10", 4, w));
    EXPECT_EQ(w, (std::vector<int> { 3, 4, 0, 1 }));
}

TEST_F(EinstellungsdateiTest, MissingValueLinesAreInsertedBeforeTheNextKeyword)
{
    writeBytes(datei(), "a\r\nb\r\nzr10\r\nStrahl\r\n1\r\nss_10\r\n1 2\r\nzr20\r\n5\r\n");
    abschnittschreiben(datei(), "zr10", { 7, 8 });
    abschnittschreibenZeilen(datei(), "ss_10", std::vector<std::vector<int>> { { 3, 4 }, { 0 }, { 1 } });
    EXPECT_EQ(readBytes(datei()),
        QByteArray("a\r\nb\r\nzr10\r\n7 8\r\nStrahl\r\n1\r\nss_10\r\n3 4\r\n0\r\n1\r\nzr20\r\n5\r\n"));
}

TEST_F(EinstellungsdateiTest, AFailedWriteKeepsTheFileAndThrows)
{
    const QByteArray alt = "a\r\nb\r\nlimit\r\n0 0\r\nStrahl\r\n1\r\n";
    writeBytes(datei(), alt);
    files::setWriteFailureForTests([](const QString&) { return true; });
    EXPECT_THROW(abschnittschreiben(datei(), "Strahl", { 2 }), IoError);
    EXPECT_THROW(kopfschreiben(datei(), 1, 1), IoError);
    files::setWriteFailureForTests({});
    EXPECT_EQ(readBytes(datei()), alt);
}

TEST_F(EinstellungsdateiTest, ValuesAreNeverReadPastTheNextKeyword)
{
    struct Fall {
        QByteArray datei;
        Abschnittstand stand;
        std::vector<int> werte;
    };
    const Fall faelle[] = {
        { "a\r\nb\r\nzr10\r\n1\r\n\r\n 2 \r\nStrahl\r\n", Abschnittstand::gelesen, { 1, 2 } },
        { "a\r\nb\r\nzr10\r\n1\r\nStrahl\r\n2\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1\r\n1x1\r\n2\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1 zwei\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1 2 x\r\n", Abschnittstand::gelesen, { 1, 2 } },
        { "a\r\nb\r\nzr1\r\n1 2\r\n", Abschnittstand::fehlt, { 7, 7 } },
    };
    for (const Fall& f : faelle) {
        writeBytes(datei(), f.datei);
        std::vector<int> w { 7, 7 };
        EXPECT_EQ(abschnittlesen(datei(), "zr10", 2, w), f.stand) << f.datei.data();
        EXPECT_EQ(w, f.werte) << f.datei.data();
    }
    // The loaders of the other areas: the end of the file reads 0, a keyword is the I/O error.
    std::vector<int> w;
    writeBytes(datei(), "a\r\nb\r\nzr10\r\n1");
    ASSERT_TRUE(abschnittladen(datei(), "zr10", 2, w));
    EXPECT_EQ(w, (std::vector<int> { 1, 0 }));
    writeBytes(datei(), "a\r\nb\r\nzr10\r\n1\r\nStrahl\r\n2\r\n");
    EXPECT_THROW(abschnittladen(datei(), "zr10", 2, w), IoError);
}

TEST_F(EinstellungsdateiTest, AnEmptiedFileGetsTheInstalledLeadingLinesBack)
{
    const QByteArray kopf = readBytes(folders::installFolder() + "hw.ina")
                                .left(readBytes(folders::installFolder() + "hw.ina").indexOf("limit"));
    ASSERT_EQ(kopf.count('\n'), 2);
    writeBytes(datei(), {});
    abschnittschreiben(datei(), "Strahl", { 1 });
    EXPECT_EQ(readBytes(datei()), kopf + "Strahl\r\n1\r\n");
    writeBytes(datei(), {});
    kopfschreiben(datei(), 1, 2);
    EXPECT_EQ(readBytes(datei()), kopf + "limit\r\n1 2\r\n");
}
