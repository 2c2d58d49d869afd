#include "platform/errors.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tav_i_logik.h"
#include "support/beschaedigt.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

using namespace tavi;

TEST(Skalierung, WorkedValuesAndTheBoundary)
{
    const Skalierung a = skalierung(1032, 776);
    EXPECT_FLOAT_EQ(a.x, 1.031f);
    EXPECT_NEAR(a.y, 0.71930, 1e-5);
    const Skalierung b = skalierung(1928, 1088);
    EXPECT_FLOAT_EQ(b.y, 1.038f);
    EXPECT_NEAR(b.x, 1.48434, 1e-5);
    // H / W exactly 0.75 takes the first rule.
    const Skalierung c = skalierung(1000, 750);
    EXPECT_FLOAT_EQ(c.x, 0.999f);
}

class TaviLogikTest : public TaviTest {
protected:
    // A small installation folder of our own, so a test can break it.
    QString installordner()
    {
        const QString d = programFolder() + "install/";
        QDir().mkpath(d + "WORTList");
        for (const char* n : { "hw.ina", "fw.ina", "aw.ina", "sw.ina", "dw.ina" })
            writeBytes(d + n, QByteArray("Kopf ") + n + "\r\nzwei\r\nabschnitt\r\n1 2\r\n");
        writeBytes(d + "kl.ina", "x\r\nohne\r\n");
        for (const char* n : kWortlisten)
            writeBytes(d + "WORTList/" + n + ".txt", "HUND\r\nKATZE\r\n");
        return d;
    }
};

TEST_F(TaviLogikTest, KlInaReadsUncheckedAndWritesBothLines)
{
    const KlIna fehlt = klinaLesen(dataPath("kl.ina"));
    EXPECT_TRUE(fehlt.datpfad.isEmpty());
    EXPECT_TRUE(erststart(fehlt));
    writeBytes(dataPath("kl.ina"), "/daten/\r\nKlasse1bneu\r\n");
    const KlIna k = klinaLesen(dataPath("kl.ina"));
    EXPECT_EQ(k.datpfad, "/daten/");
    EXPECT_EQ(k.aktivliste, "Klasse1b");
    EXPECT_FALSE(erststart(k));
    EXPECT_TRUE(erststart({ "x", "ohne" }));
    EXPECT_FALSE(erststart({ "X", "ohne" }));

    klinaSchreiben(dataPath("KL.INA"), dataFolder(), "2c");
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n2c\r\n").toUtf8());

    // A write that fails is said, and the file stays as it was.
    files::setWriteFailureForTests([](const QString&) { return true; });
    EXPECT_THROW(klinaSchreiben(dataPath("kl.ina"), dataFolder(), "3d"), IoError);
    files::setWriteFailureForTests({});
    EXPECT_EQ(readBytes(dataPath("kl.ina")), (dataFolder() + "\r\n2c\r\n").toUtf8());
}

// The program writes kl.ina in Windows-1252; an editor may save it in UTF-8, with or without a byte-order mark.
// Either way the folder and the list read back as written, also a list named with umlauts only.
TEST_F(TaviLogikTest, KlInaReadsUmlautsInEitherEncoding)
{
    const QString pfad = QStringLiteral("/srv/Schüler/daten/");
    for (const QString& liste : { QStringLiteral("4ä"), QStringLiteral("ÄÖÜ") }) {
        const QString text = pfad + "\r\n" + liste + "\r\n";
        const QByteArray cp1252 = QByteArray("/srv/Sch\xFCler/daten/\r\n")
            + (liste == QStringLiteral("4ä") ? QByteArray("4\xE4") : QByteArray("\xC4\xD6\xDC")) + "\r\n";
        const QMap<QString, QByteArray> faelle { { "Windows-1252", cp1252 }, { "UTF-8", text.toUtf8() },
            { "UTF-8 mit BOM", "\xEF\xBB\xBF" + text.toUtf8() } };
        for (auto f = faelle.begin(); f != faelle.end(); ++f) {
            SCOPED_TRACE(f.key().toStdString() + " " + liste.toStdString());
            writeBytes(dataPath("kl.ina"), f.value());
            const KlIna k = klinaLesen(dataPath("kl.ina"));
            EXPECT_EQ(k.datpfad, pfad);
            EXPECT_EQ(k.aktivliste, liste);
        }
        klinaSchreiben(dataPath("kl.ina"), pfad, liste);
        EXPECT_EQ(readBytes(dataPath("kl.ina")), cp1252);
        const KlIna k = klinaLesen(dataPath("kl.ina"));
        EXPECT_EQ(k.datpfad, pfad);
        EXPECT_EQ(k.aktivliste, liste);
    }
}

TEST_F(TaviLogikTest, FirstRunCopiesEverythingAndWritesTheProgramCopyLast)
{
    const QString inst = installordner();
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    writeBytes(inst + "WORTList/tiere.txt", "ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n" + QByteArray("HUND\r\n").repeated(349));
    const QString ziel = dataFolder() + "neu/tiefer"; // no trailing separator, parents missing
    QString datpfadNeu;
    EXPECT_EQ(datenordnerEinrichten(ziel, inst, programFolder(), datpfadNeu), "");
    EXPECT_EQ(datpfadNeu, ziel + "/");
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), (ziel + "/\r\nohne\r\n").toUtf8());
    EXPECT_EQ(readBytes(ziel + "/kl.ina"), (ziel + "/\r\nohne\r\n").toUtf8());
    EXPECT_EQ(readBytes(ziel + "/hw.ina"), readBytes(inst + "hw.ina"));
    EXPECT_EQ(readBytes(ziel + "/dw.ina"), readBytes(inst + "dw.ina"));
    const QByteArray tiere = readBytes(ziel + "/WORTList/tiere.txt");
    EXPECT_EQ(tiere.count("\r\n"), 300);
    EXPECT_TRUE(tiere.startsWith("ABCDEFGHIJKLMNOPQ\r\nHUND\r\n"));
}

TEST_F(TaviLogikTest, FirstRunOnAFolderInUseKeepsEveryFileAndMakesTheMissingOnes)
{
    const QString inst = installordner();
    // The folder of a first PC, its names in other letter case, with "fw.ina" and one word list lost.
    QMap<QString, QByteArray> vorher {
        { "dw.ina", "Dateiverwaltung\r\ngeheim\r\nEnde\r\n" },
        { "HW.INA", "Kopf\r\nzwei\r\n15\r\n1\r\n" },
        { "aw.ina", "eigen" }, // no line end: byte for byte, not line for line
        { "sw.ina", "eigen\r\n" },
        { "kl.ina", "Z:\\Tirmosak_Daten\\\r\nKL3A\r\n" },
        { "k_liste/KL3A.txt", "01 Anna\r\n" },
        { "Klassen/KL3A/01 Anna/H1_7_01.txt", "x\r\n" },
    };
    for (const char* n : kWortlisten)
        if (QLatin1String(n) != QLatin1String("kurz")) vorher.insert(QString("wortlist/%1.txt").arg(n), "Igel\r\n");
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it) {
        QDir().mkpath(QFileInfo(dataPath(it.key())).path());
        writeBytes(dataPath(it.key()), it.value());
    }
    const QString zweiterPc = programFolder() + "pc2/";
    QDir().mkpath(zweiterPc);
    writeBytes(zweiterPc + "kl.ina", "x\r\nohne\r\n");

    QString neu;
    EXPECT_EQ(datenordnerEinrichten(dataFolder(), inst, zweiterPc, neu), "");
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it)
        EXPECT_EQ(readBytes(dataPath(it.key())), it.value()) << it.key().toStdString();
    EXPECT_EQ(readBytes(dataPath("fw.ina")), readBytes(inst + "fw.ina"));
    EXPECT_EQ(readBytes(dataPath("wortlist/kurz.txt")), "HUND\r\nKATZE\r\n");
    EXPECT_FALSE(QFileInfo::exists(dataPath("WORTList")));
    // This PC works with the folder and the list the others share.
    EXPECT_EQ(readBytes(zweiterPc + "kl.ina"), (dataFolder() + "\r\nKL3A\r\n").toUtf8());
}

// A word list as an editor saved it: UTF-8 with a byte-order mark that is no part of the first word.
TEST_F(TaviLogikTest, AWordListReadsItsWordsWithoutTheByteOrderMark)
{
    writeBytes(dataPath("tiere.txt"), "\xEF\xBB\xBF\xC3\x84pfel\r\nB\xC3\xA4r\r\nIgel");
    ASSERT_EQ(wortlisteLesen(dataPath("tiere.txt"), false), 3);
    EXPECT_EQ(wortpuffer[1].str(), QStringLiteral("Äpfel"));
    EXPECT_EQ(wortpuffer[2].str(), QStringLiteral("Bär"));
    EXPECT_EQ(wortpuffer[3].str(), QStringLiteral("Igel"));
    EXPECT_EQ(wortlisteLesen(dataPath("fehlt.txt"), false), 0);
    EXPECT_THROW(wortlisteLesen(dataPath("fehlt.txt"), true), IoError);
}

TEST_F(TaviLogikTest, FirstRunRefusesARelativeOrEmptyPath)
{
    const QString inst = installordner();
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    QString neu;
    EXPECT_NE(datenordnerEinrichten("", inst, programFolder(), neu), "");
    EXPECT_NE(datenordnerEinrichten("Daten", inst, programFolder(), neu), "");
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), QByteArray("x\r\nohne\r\n"));
}

TEST_F(TaviLogikTest, AFailedCopyLeavesTheFirstRunState)
{
    const QString inst = installordner();
    QFile::remove(inst + "WORTList/lang.txt");
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    QString neu;
    EXPECT_THROW(datenordnerEinrichten(dataPath("d"), inst, programFolder(), neu), IoError);
    EXPECT_EQ(readBytes(programFolder() + "kl.ina"), QByteArray("x\r\nohne\r\n"));
}

// A program-folder "kl.ina" in every damage: it is read without a byte changed, and what does not name an
// existing folder is no data folder, said with the file and what it read; a byte-order mark or LF line ends
// change nothing.
TEST_F(TaviLogikTest, AKlInaThatNamesNoFolderIsNoDataFolder)
{
    const QString datei = programFolder() + "kl.ina";
    writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\nohne\r\n").toUtf8());
    const QByteArray gut = (dataFolder() + "\r\nohne\r\n").toUtf8();
    const QStringList gueltig { "mitten in einer Zeile abgeschnitten", "nur LF", "UTF-8 mit BOM", "UTF-8 ohne BOM",
        "Tabs", "1e5", "2^31", "2^31-1", "Abschnitte fehlen", "Abschnitte doppelt", "10000 Zeilen" };
    for (const Beschaedigung& b : beschaedigungen(gut)) {
        const QString fall = QString::fromUtf8(b.name);
        SCOPED_TRACE(b.name);
        writeBytes(datei, b.inhalt);
        const KlIna k = klinaLesen(datei);
        const Startordner ordner = datenordnerAusKlina(datei, k);
        EXPECT_EQ(readBytes(datei), b.inhalt);
        if (fall == "leer") {
            EXPECT_TRUE(erststart(k));
            EXPECT_EQ(ordner.start, Start::erststart);
        } else if (fall == "ein Byte") {
            EXPECT_EQ(ordner.start, Start::unerreichbar); // "/", which holds nothing of a data folder
        } else if (gueltig.contains(fall)) {
            EXPECT_EQ(ordner.start, Start::datenordner);
            EXPECT_EQ(ordner.datpfad, dataFolder());
            EXPECT_TRUE(ordner.meldung.isEmpty());
        } else {
            EXPECT_EQ(ordner.start, Start::keinOrdner);
            EXPECT_TRUE(ordner.datpfad.isEmpty());
            EXPECT_TRUE(
                ordner.meldung.startsWith(QStringLiteral("Die Datei \"%1\" nennt keinen Datenordner").arg(datei)))
                << ordner.meldung.toStdString();
            EXPECT_LT(ordner.meldung.size(), 300);
        }
    }
    const auto ordner = [&](const QByteArray& inhalt) {
        writeBytes(datei, inhalt);
        return datenordnerAusKlina(datei, klinaLesen(datei));
    };
    EXPECT_TRUE(ordner("garbage\x01\r\nohne\r\n").meldung.contains("\"garbage?\""));
    // A long line is shown by its first 40 characters.
    const QByteArray lang = QByteArray("abcdefghij").repeated(5);
    EXPECT_TRUE(ordner(lang + "\r\nohne\r\n").meldung.contains("\"" + lang.left(40) + "...\""));
    EXPECT_TRUE(ordner(lang.left(40) + "\r\nohne\r\n").meldung.contains("\"" + lang.left(40) + "\""));
    QFile::remove(dataPath("datei"));
    writeBytes(dataPath("datei"), "x");
    EXPECT_EQ(ordner((dataFolder() + "datei\r\nohne\r\n").toUtf8()).start, Start::keinOrdner);
    // Nor is a file the program could run: only a folder holds the data.
    QFile(dataPath("datei")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ordner((dataFolder() + "datei\r\nohne\r\n").toUtf8()).start, Start::keinOrdner);
    // A folder named without its closing "/" is still the folder, never a prefix of file names.
    const Startordner ohneSchraegstrich = ordner(dataFolder().chopped(1).toUtf8() + "\r\nohne\r\n");
    EXPECT_EQ(ohneSchraegstrich.start, Start::datenordner);
    EXPECT_EQ(ohneSchraegstrich.datpfad, dataFolder());

    // What a start makes of the first line: the first run only where nothing is known of a data folder; a full
    // path that is not there now, or a mount point before its share comes, is waited for, never set up anew.
    const QString vorher = files::currentDir();
    ASSERT_TRUE(files::setCurrentDir(testFolder()));
    QDir().mkpath(dataPath("leer"));
    QDir().mkpath(dataPath("nurKlassen/klassen"));
    struct Fall {
        QString zeile;
        Start start;
        QString meldung;
    };
    const QList<Fall> faelle {
        { "x", Start::erststart, "" },
        { dataFolder() + "fehlt/", Start::unerreichbar,
            QStringLiteral("Der Datenordner „%1fehlt/“ kann nicht erreicht werden: er ist zur Zeit nicht da.\n\n"
                           "Ist das Netzlaufwerk verbunden? Sobald der Ordner da ist, klicken Sie auf „Erneut "
                           "versuchen“. Bis dahin wird nichts gespeichert.\n\n(Der Datenordner ist in der Datei „%2“ "
                           "eingetragen.)")
                .arg(dataFolder(), datei) },
        { dataFolder() + "leer", Start::unerreichbar, "in ihm ist nichts von einem Datenordner." },
        { dataFolder() + "nurKlassen", Start::datenordner, "" },
        // It is there, as seen from the folder the program was started in, but every PC must find it from anywhere.
        { "daten/", Start::keinOrdner, "Ihre erste Zeile \"daten/\" ist kein vollständiger Pfad." },
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile.toStdString());
        const QStringList eintraege = allEntries(dataFolder());
        const Startordner s = ordner((f.zeile + "\r\nohne\r\n").toUtf8());
        EXPECT_EQ(s.start, f.start);
        EXPECT_TRUE(f.meldung.isEmpty() ? s.meldung.isEmpty() : s.meldung.contains(f.meldung))
            << s.meldung.toStdString();
        EXPECT_EQ(allEntries(dataFolder()), eintraege);
    }
    files::setCurrentDir(vorher);
}

TEST_F(TaviLogikTest, AnActiveListIsAPlainNameOrNone)
{
    QString meldung;
    for (const char* gut : { "ohne", "1A", "Klasse1b", "gibtsnie" })
        EXPECT_TRUE(aktivlisteGueltig("kl.ina", gut, meldung)) << gut;
    for (const char* keine : { "../../x", "..", "a/b", "a\\b", "x\x01" }) {
        EXPECT_FALSE(aktivlisteGueltig(dataPath("kl.ina"), keine, meldung)) << keine;
        EXPECT_TRUE(
            meldung.startsWith(QStringLiteral("Die Datei \"%1\" nennt als aktive Liste").arg(dataPath("kl.ina"))));
    }
    EXPECT_TRUE(aktivlisteGueltig("kl.ina", "1A", meldung));
    EXPECT_TRUE(meldung.isEmpty());
}
