#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <thread>

class FilesTest : public TaviTest { };

TEST_F(FilesTest, WindowsBytesSurviveAWriteAndARead)
{
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    const QString text = cp1252::decode(all);
    EXPECT_EQ(text.at(0x80 - 0x20), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0xE4 - 0x20), QChar(u'ä'));

    TextFile f;
    f.assign(dataPath("bytes.txt"));
    f.rewrite();
    f.writeLine(text);
    f.writeLine(QStringLiteral("Größe Übung"));
    f.close();
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ(readBytes(dataPath("bytes.txt")),
        all
            + "\r\nGr\xF6\xDF"
              "e \xDC"
              "bung\r\n");

    f.reset();
    EXPECT_EQ(f.readLine(), text);
    EXPECT_EQ(f.readLine(), QStringLiteral("Größe Übung"));
    EXPECT_TRUE(f.eof());
    f.close();
}

TEST_F(FilesTest, CharactersOutsideWindows1252AreRecognised)
{
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("Müller €")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("Łukasz")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("😀")));
}

TEST_F(FilesTest, LinesEndedByLfOrCrLfReadAlike)
{
    writeBytes(dataPath("mixed.txt"), "eins\r\nzwei\nDrei\r\n\r\nletzte");
    TextFile f;
    f.assign(dataPath("mixed.txt"));
    f.reset();
    QStringList lines;
    while (!f.eof())
        lines << f.readLine();
    EXPECT_EQ(lines, (QStringList { "eins", "zwei", "Drei", "", "letzte" }));
}

TEST_F(FilesTest, NamesMatchWithoutRegardToCase)
{
    QDir().mkpath(dataPath("WORTList"));
    writeBytes(dataPath("WORTList/TIERE.TXT"), "Hund\r\n");
    EXPECT_TRUE(files::dirExists(dataPath("wortlist")));
    EXPECT_TRUE(files::fileExists(dataPath("wortlist\\tiere.txt")));
    EXPECT_TRUE(files::fileExists(dataFolder() + "\\\\WortList//Tiere.txt"));

    // Creating "wortlist/neu" goes into the existing folder, not a second one.
    EXPECT_TRUE(files::forceDirectories(dataPath("wortlist/neu/tiefer")));
    EXPECT_TRUE(QFileInfo(dataPath("WORTList/neu/tiefer")).isDir());
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList { "WORTList" });

    // Rewriting "tiere.txt" replaces "TIERE.TXT" instead of adding a second file.
    TextFile f;
    f.assign(dataPath("wortlist/tiere.txt"));
    f.rewrite();
    f.writeLine("Katze");
    f.close();
    EXPECT_EQ(files::findFiles(dataPath("WORTList"), "*.*"), QStringList { "TIERE.TXT" });
    EXPECT_EQ(readBytes(dataPath("WORTList/TIERE.TXT")), QByteArray("Katze\r\n"));
}

TEST_F(FilesTest, SearchFindsRegularFilesByPatternIgnoringCase)
{
    writeBytes(dataPath("1A.TXT"), "");
    writeBytes(dataPath("2b.txt"), "");
    writeBytes(dataPath("kl.ina"), "");
    writeBytes(dataPath("ohne_punkt"), "");
    QDir().mkpath(dataPath("ordner.txt"));
    EXPECT_EQ(files::findFiles(dataFolder(), "*.txt"), (QStringList { "1A.TXT", "2b.txt" }));
    EXPECT_EQ(files::findFiles(dataFolder(), "*.*").size(), 4);
    EXPECT_TRUE(files::findFiles(dataPath("fehlt"), "*.*").isEmpty());
}

TEST_F(FilesTest, DeletionRemovesFilesAndOnlyEmptyFolders)
{
    QDir().mkpath(dataPath("Klassen/1A/Anna"));
    writeBytes(dataPath("Klassen/1A/Anna/x.txt"), "1");
    EXPECT_FALSE(files::removeDir(dataPath("klassen/1a/anna")));
    EXPECT_TRUE(files::deleteFile(dataPath("klassen/1a/anna/X.TXT")));
    EXPECT_TRUE(files::removeDir(dataPath("klassen/1a/anna")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Klassen/1A/Anna")));
}

TEST_F(FilesTest, NamesFromTypedDataCannotLeaveTheFolder)
{
    EXPECT_TRUE(files::child(dataFolder(), "..").isEmpty());
    EXPECT_TRUE(files::child(dataFolder(), "../x").isEmpty());
    EXPECT_TRUE(files::child(dataFolder(), "a\\b").isEmpty());
    EXPECT_TRUE(files::child(dataFolder(), "").isEmpty());
    EXPECT_EQ(files::child(dataFolder(), "Anna Ä"), dataFolder() + "Anna Ä");
}

TEST_F(FilesTest, IntegersAreReadAcrossBlanksAndLineEnds)
{
    writeBytes(dataPath("hw.ina"), "kopf\r\n3 -1  5\r\n\r\n 7\n255 \r\nx1\r\n");
    TextFile f;
    f.assign(dataPath("hw.ina"));
    f.reset();
    f.readLine();
    int a = 0, b = 0, c = 0, d = 0;
    f.read(a);
    f.read(b);
    f.read(c);
    f.read(d);
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ((std::vector<int> { a, b, c, d }), (std::vector<int> { 3, -1, 5, 7 }));
    unsigned char byte = 0;
    f.readInto(byte);
    EXPECT_EQ(byte, 255);
    signed char small = 0;
    f.readInto(small);
    EXPECT_EQ(f.ioResult(), IoInvalidNumber);
    f.close();

    f.setChecked(true);
    f.reset();
    f.readLine();
    for (int i = 0; i < 5; ++i)
        f.read(a);
    EXPECT_THROW(f.read(a), IoError);
}

TEST_F(FilesTest, UncheckedFailuresLeaveTheResultCheckedOnesThrow)
{
    TextFile f;
    f.assign(dataPath("fehlt.txt"));
    f.reset();
    EXPECT_EQ(f.ioResult(), IoFileNotFound);
    EXPECT_EQ(f.ioResult(), 0); // reading the result clears it
    f.assign(dataPath("kein/ordner.txt"));
    f.reset();
    EXPECT_EQ(f.ioResult(), IoPathNotFound);

    f.setChecked(true);
    f.assign(dataPath("fehlt.txt"));
    try {
        f.reset();
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoFileNotFound);
        EXPECT_TRUE(e.message().contains("fehlt.txt"));
        EXPECT_TRUE(e.message().contains("Datei nicht gefunden"));
    }
}

TEST_F(FilesTest, ARewriteThatFailsLeavesTheOldFile)
{
    writeBytes(dataPath("kl.ina"), "alt\r\n");
    TextFile f;
    f.assign(dataPath("kl.ina"));
    f.rewrite();
    f.writeLine("halb");
    f.abandon(); // a write error or crash before close
    EXPECT_EQ(readBytes(dataPath("kl.ina")), QByteArray("alt\r\n"));

    // A rewrite in progress is invisible until close.
    f.rewrite();
    f.writeLine("neu");
    EXPECT_EQ(readBytes(dataPath("kl.ina")), QByteArray("alt\r\n"));
    f.close();
    EXPECT_EQ(readBytes(dataPath("kl.ina")), QByteArray("neu\r\n"));
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files), QStringList { "kl.ina" });
}

TEST_F(FilesTest, ARewriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    QDir().mkpath(dataPath("ro"));
    writeBytes(dataPath("ro/a.txt"), "alt\r\n");
    QFile::setPermissions(dataPath("ro"), QFile::ReadOwner | QFile::ExeOwner);
    TextFile f;
    f.assign(dataPath("ro/a.txt"));
    f.rewrite();
    EXPECT_NE(f.ioResult(), 0);
    QFile::setPermissions(dataPath("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(dataPath("ro/a.txt")), QByteArray("alt\r\n"));
}

TEST_F(FilesTest, ANewFileIsMadeWholeOnlyWhereTheNameIsFree)
{
    // Whether or not the name is claimed first, as on a share whose exclusive create is not exclusive.
    for (const bool claim : { false, true }) {
        files::setClaimForTests(claim);
        const QString ordner = dataPath(claim ? "mit/" : "ohne/");
        QDir().mkpath(ordner);
        writeBytes(ordner + "1+1___01.TXT", "fremd\r\n");
        EXPECT_EQ(files::createNew(ordner + "1+1___01.txt", "neu\r\n"), IoFileExists);
        EXPECT_EQ(readBytes(ordner + "1+1___01.TXT"), QByteArray("fremd\r\n"));

        EXPECT_EQ(files::createNew(ordner + "1+1___02.txt", "Protokoll\r\n"), 0);
        EXPECT_EQ(readBytes(ordner + "1+1___02.txt"), QByteArray("Protokoll\r\n"));
        EXPECT_EQ(files::createNew(ordner + "fehlt/1+1___01.txt", "x"), IoPathNotFound);
        // The claim is given back.
        EXPECT_EQ(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({ "1+1___01.TXT", "1+1___02.txt" }));
    }
    // A name another PC claims just now is taken: its file is being made.
    QDir().mkpath(dataPath("mit/.1+1___03.txt.neu"));
    EXPECT_EQ(files::createNew(dataPath("mit/1+1___03.txt"), "x"), IoFileExists);
    EXPECT_FALSE(QFileInfo::exists(dataPath("mit/1+1___03.txt")));
    files::setClaimForTests(false);
}

TEST_F(FilesTest, ManyMakersOfOneNameGetItOnce)
{
    files::setClaimForTests(true);
    std::atomic<int> gemacht { 0 };
    std::vector<std::thread> macher;
    for (int i = 0; i < 8; ++i)
        macher.emplace_back([&, i] {
            if (files::createNew(dataPath("H1_7_01.txt"), QByteArray::number(i)) == 0) ++gemacht;
        });
    for (std::thread& t : macher)
        t.join();
    files::setClaimForTests(false);
    EXPECT_EQ(gemacht, 1);
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter("H1_7"),
        QStringList({ "H1_7_01.txt" }));
}

TEST_F(FilesTest, AppendAddsLinesAtTheEnd)
{
    writeBytes(dataPath("a.txt"), "1\r\n");
    TextFile f;
    f.assign(dataPath("A.TXT"));
    f.append();
    f.writeLine("2");
    f.close();
    EXPECT_EQ(readBytes(dataPath("a.txt")), QByteArray("1\r\n2\r\n"));
    f.assign(dataPath("fehlt.txt"));
    f.append();
    EXPECT_EQ(f.ioResult(), IoFileNotFound);
}

TEST_F(FilesTest, WritingOnAFileOpenForReadingIsAnError)
{
    writeBytes(dataPath("a.txt"), "1\r\n");
    TextFile f;
    f.assign(dataPath("a.txt"));
    f.reset();
    f.writeLine("x");
    EXPECT_EQ(f.ioResult(), IoNotOpenForOutput);
    f.close();
    f.readLine();
    EXPECT_EQ(f.ioResult(), IoNotOpen);
}

namespace {

// Every way the program replaces a whole file, each on a full disk: the old file must stay whole and the
// failure must be said.
void rewritesOnAFullDiskKeepTheOldFile(const QString& folder, const std::function<void()>& diskFull)
{
    const QByteArray alt = "alt\r\nzweite Zeile\r\n";
    const std::vector<std::pair<const char*, std::function<int(const QString&)>>> wege = {
        { "rewrite",
            [](const QString& pfad) {
                TextFile f;
                f.assign(pfad);
                f.rewrite();
                f.writeLine("neu");
                f.close();
                return f.ioResult();
            } },
        { "rewrite checked",
            [](const QString& pfad) {
                TextFile f;
                f.setChecked(true);
                f.assign(pfad);
                try {
                    f.rewrite();
                    f.writeLine("neu");
                    f.close();
                } catch (const IoError& e) {
                    return e.code();
                }
                return 0;
            } },
        { "writeWhole", [](const QString& pfad) { return files::writeWhole(pfad, "neu\r\n"); } },
    };
    auto pfad = [&](const char* name) { return folder + QString::fromLatin1(name).replace(' ', '_') + ".ina"; };
    for (const auto& weg : wege)
        writeBytes(pfad(weg.first), alt);
    diskFull();
    for (const auto& [name, weg] : wege) {
        EXPECT_EQ(weg(pfad(name)), IoDiskWrite) << name;
        EXPECT_EQ(readBytes(pfad(name)), alt) << name;
    }
    EXPECT_FALSE(QDir(folder).entryList(QDir::Files | QDir::Hidden).join(' ').contains("ina.")); // no temporary files

    // A new protocol file reports the failure too, and leaves no cut file that would take its number.
    EXPECT_EQ(files::createNew(folder + "H1_7_01.txt", "Zeile\r\n"), IoDiskFull);
    EXPECT_FALSE(QFileInfo::exists(folder + "H1_7_01.txt"));
    files::setWriteFailureForTests({});
}

} // namespace

TEST_F(FilesTest, AWriteFailureKeepsTheOldFileAndIsReported)
{
    rewritesOnAFullDiskKeepTheOldFile(
        dataFolder(), [] { files::setWriteFailureForTests([](const QString&) { return true; }); });
}

TEST_F(FilesTest, AFullDiskKeepsTheOldFileAndIsReported)
{
    SmallFileSystem klein;
    if (!klein.mounted()) GTEST_SKIP() << "a small file system needs root to be mounted";
    rewritesOnAFullDiskKeepTheOldFile(klein.path(), [&] { klein.fill(); });
}

TEST_F(FilesTest, CreatingInAReadOnlyFolderIsAccessDenied)
{
    SmallFileSystem klein;
    if (!klein.mounted()) GTEST_SKIP() << "a read-only file system needs root to be mounted";
    klein.makeReadOnly();
    EXPECT_EQ(files::createNew(klein.path() + "H1_7_01.txt", "x"), IoAccessDenied);
    TextFile f;
    f.assign(klein.path() + "kl.ina");
    f.rewrite();
    EXPECT_EQ(f.ioResult(), IoAccessDenied);
}
