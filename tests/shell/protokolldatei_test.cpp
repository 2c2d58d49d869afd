#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "shell/klassenliste.h"
#include "shell/protokolldatei.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace protokoll;

class ProtokolldateiTest : public TaviTest { };

TEST_F(ProtokolldateiTest, PrefixesOfAidProtocols)
{
    EXPECT_EQ(hilfenpraefix(17), "H1_7_");
    EXPECT_EQ(hilfenpraefix(21), "H2_1_");
    EXPECT_EQ(hilfenpraefix(110), "H1_10_");
    EXPECT_EQ(hilfenpraefix(610), "H6_10_");
}

TEST_F(ProtokolldateiTest, TheFirstFreeNumberAndAFullFolder)
{
    const QString ordner = dataPath("OHNELIST/Anna/");
    QDir().mkpath(ordner);
    // Only two digits are a number: a sign before one is not.
    writeBytes(ordner + "H1_7_+1.txt", "");
    EXPECT_EQ(freienummer(ordner + "H1_7_"), 1);
    for (int i = 1; i <= 98; ++i)
        writeBytes(ordner + "H1_7_" + zweistellig(i) + (i % 2 ? ".txt" : ".TXT"), "");
    EXPECT_EQ(freienummer(ordner + "H1_7_"), 99);
    QString fehler;
    const QString pfad = anlegen(
        ordner + "H1_7_",
        [](const QString& p) {
            return QStringList { "eins", p };
        },
        fehler);
    EXPECT_EQ(pfad, ordner + "H1_7_99.txt");
    EXPECT_TRUE(istProtokollname(QFileInfo(pfad).fileName()));
    EXPECT_FALSE(istProtokollname("H1_7_+1.txt"));
    EXPECT_EQ(readBytes(pfad), ("eins\r\n" + pfad + "\r\n").toUtf8());
    EXPECT_EQ(freienummer(ordner + "H1_7_"), 0);
    EXPECT_TRUE(anlegen(
        ordner + "H1_7_", [](const QString&) { return QStringList(); }, fehler)
                    .isEmpty());
    EXPECT_TRUE(fehler.isEmpty());
}

// A protocol is one text in one encoding, so that an editor shows it right: Windows-1252 byte for byte as always where
// every line fits it, else UTF-8 as a whole, every line, also one Windows-1252 could hold ("nötig", the umlauts of the
// path). A line whose Windows-1252 bytes would read as another text ("Ã¼") needs UTF-8 as well. Read back, each line
// is the one written.
TEST_F(ProtokolldateiTest, AProtocolIsWholeInWindows1252OrWholeInUtf8AndEveryLineReadsBackAsWritten)
{
    struct Fall {
        QString ordner;
        QStringList zeilen;
        bool utf8;
    };
    const Fall faelle[] = {
        { "Klassen/KL3C/04 Jörg/", { "Leistungsprotokoll für Jörg", "nötig: 3 Aufgaben für 2 Minuten", "" }, false },
        { "Klassen/KL3C/05 Elif/", { "Leistungsprotokoll für Elif Yılmaz", "nötig: 3 Aufgaben für 2 Minuten", "" },
            true },
        { "Klassen/KL3C/06 Jörg/", { "Leistungsprotokoll für Jörg", "Ã¼" }, true },
        { "Klassen/KL3C/07 Łukas Jörg/", { "Leistungsprotokoll für Łukas Jörg", "nötig" }, true },
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.ordner.toStdString());
        const QString ordner = dataPath(fall.ordner);
        QDir().mkpath(ordner);
        QString fehler;
        const QString pfad = anlegen(
            ordner + "1x1___",
            [&](const QString& p) { return fall.zeilen + QStringList { "gespeichert unter: " + p }; }, fehler);
        ASSERT_EQ(pfad, ordner + "1x1___01.txt") << fehler.toStdString();
        const QStringList geschrieben = fall.zeilen + QStringList { "gespeichert unter: " + pfad };
        const QString text = geschrieben.join("\r\n") + "\r\n";
        EXPECT_EQ(readBytes(pfad), fall.utf8 ? text.toUtf8() : cp1252::encode(text));
        EXPECT_EQ(lesen(pfad), geschrieben);
    }
    // Windows-1252 as every release has written it.
    EXPECT_TRUE(readBytes(dataPath("Klassen/KL3C/04 Jörg/1x1___01.txt"))
                    .startsWith("Leistungsprotokoll f\xfcr J\xf6rg\r\nn\xf6tig: 3 Aufgaben f\xfcr 2 Minuten\r\n"));
    EXPECT_TRUE(lesen(dataPath("Klassen/KL3C/04 Jörg/1x1___02.txt")).isEmpty());
}

TEST_F(ProtokolldateiTest, ANumberTakenMeanwhileIsSkippedAndNothingIsOverwritten)
{
    const QString ordner = dataPath("OHNELIST/Ben/");
    QDir().mkpath(ordner);
    QString fehler;
    writeBytes(ordner + "H2_1_01.TXT", "fremd\r\n");
    const QString zweiter = anlegen(
        ordner + "h2_1_", [](const QString&) { return QStringList { "neu" }; }, fehler);
    EXPECT_EQ(zweiter, ordner + "h2_1_02.txt");
    EXPECT_EQ(readBytes(ordner + "H2_1_01.TXT"), QByteArray("fremd\r\n"));
}

TEST_F(ProtokolldateiTest, AFolderThatCannotBeWrittenIsReported)
{
    QString fehler;
    EXPECT_TRUE(anlegen(
        dataPath("fehlt/H1_7_"), [](const QString&) { return QStringList { "x" }; }, fehler)
                    .isEmpty());
    EXPECT_FALSE(fehler.isEmpty());
}

TEST_F(ProtokolldateiTest, OneLookFindsTheNumbersWhateverTheirLetterCaseAndTheSaveTakesTheNextOneLeftFree)
{
    const QString ordner = dataPath("Klassen/KL/01 Anna");
    QDir().mkpath(ordner);
    writeBytes(ordner + "/h1_7_01.TXT", "");
    writeBytes(ordner + "/H1_7_02.txt", "");
    QDir().mkpath(ordner + "/H1_7_03.TXT"); // not a file, but its number is not free
    writeBytes(ordner + "/H1_7_4.txt", ""); // other names take no number
    writeBytes(ordner + "/H1_7_05.txt.bak", "");
    writeBytes(ordner + "/H2_1_04.txt", "");
    writeBytes(ordner + "/.H1_7_04.txt.neu", "");
    Nummern nummern = nummernSuchen(ordner + "/H1_7_");
    EXPECT_EQ(nummern.erste(), 4);
    EXPECT_EQ(nummern.datei(4), ordner + "/H1_7_04.txt");

    // Another PC saves number 4 after the look: this save takes 5, and the number after it is 6, without a look.
    writeBytes(ordner + "/H1_7_04.txt", "fremd\r\n");
    QString fehler;
    EXPECT_EQ(anlegen(
                  nummern, [](const QString&) { return QStringList { "neu" }; }, fehler),
        ordner + "/H1_7_05.txt");
    EXPECT_EQ(readBytes(ordner + "/H1_7_04.txt"), "fremd\r\n");
    EXPECT_EQ(nummern.erste(), 6);

    // A folder as given in another letter case is found all the same.
    EXPECT_EQ(freienummer(dataPath("klassen/kl/01 anna/H1_7_")), 6);
}

TEST_F(ProtokolldateiTest, WhatAPcThatWentDownLeftWhileSavingIsRemovedByTheNextProtocolAndItsNumberIsFreeAgain)
{
    const QString ordner = dataPath("Klassen/KL/01 Anna");
    QDir().mkpath(ordner);
    writeBytes(ordner + "/H1_7_01.txt", "alt\r\n");
    // Number 2: claimed a minute ago and left with an empty file; number 3: claimed a second ago, a PC at work.
    QDir().mkpath(ordner + "/.H1_7_02.txt.neu");
    writeBytes(ordner + "/H1_7_02.txt", "");
    QDir().mkpath(ordner + "/.H1_7_03.txt.neu");
    ASSERT_TRUE(stampFromNow(ordner + "/.H1_7_02.txt.neu", -60));
    ASSERT_TRUE(stampFromNow(ordner + "/H1_7_02.txt", -60));
    ASSERT_TRUE(stampFromNow(ordner + "/.H1_7_03.txt.neu", -1));

    QString fehler;
    EXPECT_EQ(anlegen(
                  ordner + "/H1_7_", [](const QString&) { return QStringList { "neu" }; }, fehler),
        ordner + "/H1_7_02.txt")
        << fehler.toStdString();
    EXPECT_EQ(readBytes(ordner + "/H1_7_02.txt"), "neu\r\n");
    EXPECT_FALSE(QFileInfo::exists(ordner + "/.H1_7_02.txt.neu"));
    EXPECT_TRUE(QFileInfo(ordner + "/.H1_7_03.txt.neu").isDir());
    EXPECT_EQ(readBytes(ordner + "/H1_7_01.txt"), "alt\r\n");
}
