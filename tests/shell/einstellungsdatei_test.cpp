#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "support/beschaedigt.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>

using namespace einstellungsdatei;

class EinstellungsdateiTest : public TaviTest {
protected:
    QString datei() const { return dataPath("hw.ina"); }
    // The installed file's leading lines, which every rewrite leaves on top.
    static QByteArray kopf(const QString& name = QStringLiteral("hw.ina"))
    {
        const QByteArray installiert = readBytes(folders::installFolder() + name);
        return installiert.left(installiert.indexOf('\n', installiert.indexOf('\n') + 1) + 1);
    }
};

TEST_F(EinstellungsdateiTest, LoadsTheLastOccurrenceAndReadsValuesAcrossLines)
{
    writeBytes(datei(),
        "Kopf 1\r\nKopf 2\r\nlimit\r\n5 10\r\nStrahl\r\n1\r\nwieviel \r\n9 9\r\nwieviel\r\n3 4\r\n-1 6\r\n2\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "wieviel", 4, w));
    EXPECT_EQ(w, (std::vector<int> { 3, 4, -1, 6 })); // the last of the two, one with a trailing blank
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
    writeBytes(datei(), kopf() + "limit\r\n0 0\r\nzr10\r\n1 2\r\n3 4\r\nx 1\r\nStrahl\r\n2\r\n");
    abschnittschreiben(datei(), "zr10", { 5, -1, 255 });
    EXPECT_EQ(readBytes(datei()), kopf() + "limit\r\n0 0\r\nzr10\r\n5 -1 255\r\nStrahl\r\n2\r\n");
}

TEST_F(EinstellungsdateiTest, TheWriterUsesTheSecondOfTwoKeywords)
{
    writeBytes(datei(), kopf() + "Strahl\r\n1\r\nstrahl \r\n2\r\nzr10\r\n5\r\n");
    abschnittschreiben(datei(), "Strahl", { 0 });
    EXPECT_EQ(readBytes(datei()), kopf() + "Strahl\r\n1\r\nStrahl\r\n0\r\nzr10\r\n5\r\n");
}

TEST_F(EinstellungsdateiTest, AMissingSectionIsAppended)
{
    writeBytes(datei(), kopf() + "limit\r\n0 0");
    abschnittschreiben(datei(), "Strahl", { 2 });
    EXPECT_EQ(readBytes(datei()), kopf() + "limit\r\n0 0\r\nStrahl\r\n2\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "Strahl", 1, w));
    EXPECT_EQ(w[0], 2);
}

TEST_F(EinstellungsdateiTest, TheWriterSeesWhatAnotherPcWroteAfterTheLoad)
{
    writeBytes(datei(), kopf() + "zr10\r\n1\r\nStrahl\r\n1\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), "Strahl", 1, w));
    // Another PC rewrites the file in between and puts a section before ours.
    writeBytes(datei(), kopf() + "mr\r\n7\r\nzr10\r\n9\r\nStrahl\r\n1\r\n");
    abschnittschreiben(datei(), "Strahl", { 2 });
    EXPECT_EQ(readBytes(datei()), kopf() + "mr\r\n7\r\nzr10\r\n9\r\nStrahl\r\n2\r\n");
}

TEST_F(EinstellungsdateiTest, LongFilesKeepAllTheirLinesAndTheBufferIsBounded)
{
    // Every keyword two or three times; the last section of the file is the last of its keyword.
    const QStringList woerter = stichwoerter(QStringLiteral("hw.ina"));
    QByteArray inhalt = kopf();
    for (int i = 0; i < 40; ++i)
        inhalt += woerter[i % woerter.size()].toLatin1() + "\r\n" + QByteArray::number(i) + "\r\n";
    const QString letztes = woerter[39 % woerter.size()];
    writeBytes(datei(), inhalt);
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(datei(), letztes, 1, w));
    EXPECT_EQ(w[0], 39);
    EXPECT_EQ(zeilenzahl, 60);
    abschnittschreiben(datei(), letztes, { 1 });
    QByteArray erwartet = inhalt;
    erwartet.replace(letztes.toLatin1() + "\r\n39\r\n", letztes.toLatin1() + "\r\n1\r\n");
    EXPECT_EQ(readBytes(datei()), erwartet);
}

TEST_F(EinstellungsdateiTest, TheHeaderRewriteKeepsEverySection)
{
    writeBytes(datei(), kopf() + "limit\r\n0 0\r\nwieviel\r\n3 4 5 6 7 8 9 1\r\nStrahl\r\n1\r\n");
    kopfschreiben(datei(), 15, 30);
    EXPECT_EQ(readBytes(datei()), kopf() + "limit\r\n15 30\r\nwieviel\r\n3 4 5 6 7 8 9 1\r\nStrahl\r\n1\r\n");
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
    const QString fwina = dataPath("fw.ina");
    writeBytes(fwina, kopf("fw.ina") + "ss_10\r\n1 2\r\n1\r\n0\r\n1x1\r\n5\r\n");
    abschnittschreibenZeilen(fwina, "ss_10", std::vector<std::vector<int>> { { 3, 4 }, { 0 }, { 1 } });
    EXPECT_EQ(readBytes(fwina), kopf("fw.ina") + "ss_10\r\n3 4\r\n0\r\n1\r\n1x1\r\n5\r\n");
    std::vector<int> w;
    ASSERT_TRUE(abschnittladen(fwina, "ss_10", 4, w));
    EXPECT_EQ(w, (std::vector<int> { 3, 4, 0, 1 }));
}

TEST_F(EinstellungsdateiTest, MissingValueLinesAreInsertedBeforeTheNextKeyword)
{
    writeBytes(datei(), kopf() + "zr10\r\nStrahl\r\n1\r\nmr\r\n1 2\r\nzr20\r\n5\r\n");
    abschnittschreiben(datei(), "zr10", { 7, 8 });
    abschnittschreibenZeilen(datei(), "mr", std::vector<std::vector<int>> { { 3, 4 }, { 0 }, { 1 } });
    EXPECT_EQ(readBytes(datei()), kopf() + "zr10\r\n7 8\r\nStrahl\r\n1\r\nmr\r\n3 4\r\n0\r\n1\r\nzr20\r\n5\r\n");
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
        { "a\r\nb\r\nzr10\r\n1\r\n Tab1x1\r\n2\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nZR10 \r\n1\r\nzr20 \r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nZR10 \r\n1\r\nvier\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\n\tzr10\r\n1\r\n2\r\nvier\r\n", Abschnittstand::gelesen, { 1, 2 } },
        { "a\r\nb\r\nzr10\r\n1", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1 zwei\r\n", Abschnittstand::beschaedigt, { 7, 7 } },
        { "a\r\nb\r\nzr10\r\n1 2 x\r\n", Abschnittstand::gelesen, { 1, 2 } },
        { "a\r\nb\r\nzr1\r\n1 2\r\n", Abschnittstand::fehlt, { 7, 7 } },
        { "zr10\r\n1 2\r\n", Abschnittstand::gelesen, { 1, 2 } }, // its leading lines lost
    };
    for (const Fall& f : faelle) {
        writeBytes(datei(), f.datei);
        std::vector<int> w { 7, 7 };
        EXPECT_EQ(abschnittlesen(datei(), "zr10", 2, w), f.stand) << f.datei.data();
        EXPECT_EQ(w, f.werte) << f.datei.data();
    }
    // The loaders of the other areas: the end of the file reads 0, a keyword is the I/O error.
    std::vector<int> w;
    writeBytes(datei(), "zr10\r\n3 4\r\n");
    ASSERT_TRUE(abschnittladen(datei(), "zr10", 2, w));
    EXPECT_EQ(w, (std::vector<int> { 3, 4 }));
    EXPECT_EQ(stichwortzeile, 1);
    writeBytes(datei(), "a\r\nb\r\nzr10\r\n1");
    ASSERT_TRUE(abschnittladen(datei(), "zr10", 2, w));
    EXPECT_EQ(w, (std::vector<int> { 1, 0 }));
    writeBytes(datei(), "a\r\nb\r\nzr10\r\n1\r\nStrahl\r\n2\r\n");
    EXPECT_THROW(abschnittladen(datei(), "zr10", 2, w), IoError);
}

// A damaged file, each of its sections read and then rewritten with the installed values as the windows do:
// no rewrite loses a section that read before, and in the end the file is the installed one again.
TEST_F(EinstellungsdateiTest, ADamagedFileGetsItsHeaderAndEverySectionBack)
{
    using Schaden = std::function<QByteArray(QByteArray)>;
    const auto ersetzen
        = [](QByteArray alt, QByteArray neu) { return [=](QByteArray d) { return d.replace(alt, neu); }; };
    const auto nur = [](QByteArray inhalt) { return [=](const QByteArray&) { return inhalt; }; };
    const struct {
        const char* name;
        Schaden schaden;
    } faelle[] = {
        { "sw.ina", ersetzen("tic\r\n6\r\n", "tic\r\nsechs\r\n") },
        { "sw.ina", ersetzen("tic\r\n", "tic \r\n") },
        { "sw.ina", ersetzen("tic\r\n", "tic\xA0\r\n") },
        { "fw.ina", ersetzen("ss_10\r\n", QByteArray("ss_10\0\r\n", 8)) },
        { "aw.ina", ersetzen("abl_zue\r\n", " Abl_Zue\r\n") },
        { "fw.ina", [](QByteArray d) { return "Einstellungen" + d.mid(d.indexOf('\r')); } },
        { "hw.ina", [](QByteArray d) { return d.mid(d.indexOf("limit")); } },
        { "hw.ina", nur({}) },
        { "hw.ina", nur("\r\n") },
        { "hw.ina", nur(QByteArray(64, '\0')) },
    };
    for (const auto& fall : faelle) {
        const QString name = QString::fromLatin1(fall.name);
        const QByteArray installiert = readBytes(folders::installFolder() + name);
        const QString pfad = dataPath(name);
        writeBytes(pfad, fall.schaden(installiert));
        SCOPED_TRACE(name.toStdString() + ": " + readBytes(pfad).toStdString());

        // The installed sections with their value lines, the work limits last: they go back under the
        // leading lines whatever was appended before them.
        std::vector<std::pair<QString, QStringList>> abschnitte;
        for (const QString& zeile : QString::fromLatin1(installiert).split(QStringLiteral("\r\n")).mid(2))
            if (stichwoerter(name).contains(zeile))
                abschnitte.push_back({ zeile, {} });
            else if (!zeile.isEmpty())
                abschnitte.back().second << zeile;
        std::stable_partition(abschnitte.begin(), abschnitte.end(), [](const auto& a) { return a.first != "limit"; });
        const auto anzahl = [](const QStringList& zeilen) { return int(zeilen.join(u' ').split(u' ').size()); };

        std::map<QString, std::vector<int>> gelesen;
        for (const auto& [wort, zeilen] : abschnitte) {
            std::vector<int> w;
            if (abschnittlesen(pfad, wort, anzahl(zeilen), w) == Abschnittstand::gelesen) gelesen[wort] = w;
        }
        for (const auto& [wort, zeilen] : abschnitte) {
            if (wort == "limit")
                kopfschreiben(pfad, zeilen[0].section(u' ', 0, 0).toInt(), zeilen[0].section(u' ', 1, 1).toInt());
            else
                abschnittschreibenTexte(pfad, wort, zeilen);
            gelesen.erase(wort);
            for (const auto& [anderes, werte] : gelesen) {
                std::vector<int> w;
                EXPECT_EQ(abschnittlesen(pfad, anderes, int(werte.size()), w), Abschnittstand::gelesen)
                    << anderes.toStdString() << " after " << wort.toStdString();
                EXPECT_EQ(w, werte) << anderes.toStdString() << " after " << wort.toStdString();
            }
        }
        EXPECT_EQ(readBytes(pfad), installiert);
    }
}

// Every settings file in every damage: reading never changes a byte, a file damaged as a whole is said once
// and works with the defaults, tabs read as blanks, a number that is none damages its section only, and the
// first write keeps the damaged bytes beside the file.
TEST_F(EinstellungsdateiTest, DamagedSettingsFilesAreSaidKeptAndNeverUsed)
{
    const QStringList ganzBeschaedigt { "ein Byte", "mitten in einer Zeile abgeschnitten", "UTF-16", "nur NUL-Bytes" };
    int nr = 0;
    for (const QString name : { "hw.ina", "fw.ina", "aw.ina", "sw.ina" }) {
        const QByteArray gut = readBytes(folders::installFolder() + name);
        // The installed sections and how many values each holds.
        std::vector<std::pair<QString, int>> abschnitte;
        for (const QString& zeile : QString::fromLatin1(gut).split(QStringLiteral("\r\n")).mid(2))
            if (stichwoerter(name).contains(zeile))
                abschnitte.push_back({ zeile, 0 });
            else
                abschnitte.back().second += int(zeile.split(u' ', Qt::SkipEmptyParts).size());
        const QString erstes = abschnitte.front().first;
        const auto lesen = [&](const QString& pfad, const QString& wort, int n) {
            std::vector<int> w;
            const Abschnittstand stand = abschnittlesen(pfad, wort, n, w);
            return std::make_pair(stand, w);
        };
        std::map<QString, std::vector<int>> soll;
        {
            const QString pfad = dataPath(QStringLiteral("gut/") + name);
            QDir().mkpath(QFileInfo(pfad).path());
            writeBytes(pfad, gut);
            for (const auto& [wort, n] : abschnitte)
                soll[wort] = lesen(pfad, wort, n).second;
        }

        for (const Beschaedigung& b : beschaedigungen(gut)) {
            const QString fall = QString::fromUtf8(b.name);
            SCOPED_TRACE(name.toStdString() + ": " + b.name);
            const QString pfad = dataPath(QStringLiteral("v%1/").arg(++nr) + name);
            QDir().mkpath(QFileInfo(pfad).path());
            writeBytes(pfad, b.inhalt);
            errors.clear();
            const bool ganz = ganzBeschaedigt.contains(fall);
            for (const auto& [wort, n] : abschnitte) {
                const auto [stand, werte] = lesen(pfad, wort, n);
                if (ganz || fall == "leer") {
                    EXPECT_EQ(stand, Abschnittstand::fehlt) << wort.toStdString();
                } else if ((fall == "1e5" || fall == "2^31") && wort == erstes) {
                    EXPECT_EQ(stand, Abschnittstand::beschaedigt);
                } else if (fall == "NUL-Bytes mitten drin" && stand != Abschnittstand::gelesen) {
                    EXPECT_EQ(stand, Abschnittstand::beschaedigt); // the section that holds them
                } else if (fall != "Abschnitte fehlen" && fall != "2^31-1") {
                    EXPECT_EQ(werte, soll[wort]) << wort.toStdString();
                }
            }
            if (name == "hw.ina") {
                int minuten = -7, aufgaben = -7;
                EXPECT_TRUE(kopfladen(pfad, minuten, aufgaben));
                if (fall == "2^31-1") {
                    EXPECT_EQ(minuten, kMaxMindestminuten);
                }
                if (ganz || fall == "1e5" || fall == "2^31") {
                    EXPECT_EQ(std::make_pair(minuten, aufgaben), std::make_pair(0, 0));
                }
            }
            EXPECT_EQ(readBytes(pfad), b.inhalt);
            if (ganz) {
                ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
                EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Die Datei \"%1\" ist beschädigt").arg(pfad)));
            } else if (name == "hw.ina" && (fall == "1e5" || fall == "2^31")) {
                ASSERT_EQ(errors.size(), 1);
                EXPECT_EQ(errors[0], beschaedigtMeldung(pfad, "limit"));
            } else {
                EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
            }

            // The first save: a damaged file's bytes stay beside it, and the file reads again.
            const auto& [letztes, n] = abschnitte.back();
            abschnittschreiben(pfad, letztes, soll[letztes]);
            EXPECT_EQ(lesen(pfad, letztes, n), std::make_pair(Abschnittstand::gelesen, soll[letztes]));
            EXPECT_EQ(QFile::exists(pfad + ".beschaedigt"), ganz);
            if (ganz) {
                EXPECT_EQ(readBytes(pfad + ".beschaedigt"), b.inhalt);
            }
            EXPECT_EQ(errors.size(), ganz || (name == "hw.ina" && (fall == "1e5" || fall == "2^31")) ? 1 : 0);
        }
    }
}

TEST_F(EinstellungsdateiTest, AnEarlierDamagedCopyIsNeverOverwritten)
{
    writeBytes(datei(), "\xFF\xFE?");
    writeBytes(datei() + ".beschaedigt", "aelter");
    abschnittschreiben(datei(), "Strahl", { 1 });
    EXPECT_EQ(readBytes(datei() + ".beschaedigt"), "aelter");
    EXPECT_EQ(readBytes(datei() + ".beschaedigt2"), "\xFF\xFE?");
    // Once it reads again, a new damage is said again.
    int m = 0, a = 0;
    kopfladen(datei(), m, a);
    writeBytes(datei(), "kaputt");
    kopfladen(datei(), m, a);
    EXPECT_EQ(errors.size(), 2) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors.last().contains("\"hw.ina.beschaedigt3\""));
    // So it is after a save that rewrote it whole, before anything read it.
    abschnittschreiben(datei(), "Strahl", { 1 });
    writeBytes(datei(), "wieder kaputt");
    kopfladen(datei(), m, a);
    EXPECT_EQ(errors.size(), 3) << errors.join('\n').toStdString();
    // And after the teacher put a whole file back by hand.
    writeBytes(datei(), "a\r\nb\r\nlimit\r\n1 1\r\n");
    kopfladen(datei(), m, a);
    writeBytes(datei(), "zum dritten Mal kaputt");
    kopfladen(datei(), m, a);
    EXPECT_EQ(errors.size(), 4) << errors.join('\n').toStdString();
}

TEST_F(EinstellungsdateiTest, AnyRunOfBlanksAndTabsSeparatesValues)
{
    writeBytes(datei(), "a\r\nb\r\nlimit\r\n\t3 \t 99\t\r\nStrahl\r\n1e5\r\nzr10\r\n99999999999 1\r\n");
    int m = 0, a = 0;
    kopfladen(datei(), m, a);
    EXPECT_EQ(std::make_pair(m, a), std::make_pair(3, kMaxMindestaufgaben));
    std::vector<int> w;
    EXPECT_EQ(abschnittlesen(datei(), "Strahl", 1, w), Abschnittstand::beschaedigt);
    EXPECT_EQ(abschnittlesen(datei(), "zr10", 2, w), Abschnittstand::beschaedigt);
    EXPECT_THROW(abschnittladen(datei(), "zr10", 2, w), IoError);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EinstellungsdateiTest, TheWorkLimitsReadBoundedAtBothEnds)
{
    const struct {
        const char* zeile;
        int minuten, aufgaben;
    } faelle[] = {
        { "0 0", 0, 0 },
        { "-5 -1", 0, 0 },
        { "1 1", 1, 1 },
        { "15 30", kMaxMindestminuten, kMaxMindestaufgaben },
        { "16 31", kMaxMindestminuten, kMaxMindestaufgaben },
        { "14 29", 14, 29 },
    };
    for (const auto& f : faelle) {
        writeBytes(datei(), QByteArray("a\r\nb\r\nlimit\r\n") + f.zeile + "\r\n");
        int m = -7, a = -7;
        EXPECT_TRUE(kopfladen(datei(), m, a));
        EXPECT_EQ(std::make_pair(m, a), std::make_pair(f.minuten, f.aufgaben)) << f.zeile;
    }
    int m = -7, a = -7;
    // Also where they stand on the first line, the file's leading lines lost.
    writeBytes(datei(), "limit\r\n5 10\r\n");
    EXPECT_TRUE(kopfladen(datei(), m, a));
    EXPECT_EQ(std::make_pair(m, a), std::make_pair(5, 10));
    m = a = -7;
    EXPECT_FALSE(kopfladen(dataPath("fehlt.ina"), m, a));
    EXPECT_EQ(std::make_pair(m, a), std::make_pair(-7, -7));
    // A file holding nothing but blanks and empty lines is empty, not damaged: nothing is said or kept.
    writeBytes(datei(), "  \r\n\r\n ");
    EXPECT_TRUE(kopfladen(datei(), m, a));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    abschnittschreiben(datei(), "Strahl", { 1 });
    EXPECT_FALSE(QFileInfo::exists(datei() + ".beschaedigt"));
}
