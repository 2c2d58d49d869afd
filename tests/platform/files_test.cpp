#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "support/fixtures.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <thread>

class FilesTest : public TaviTest { };

namespace {

// Rewrites `pfad` whole with the line "neu" through a text file; its I/O result.
int neuUeberschreiben(const QString& pfad)
{
    TextFile f;
    f.assign(pfad);
    f.rewrite();
    f.writeLine("neu");
    f.close();
    return f.ioResult();
}

} // namespace

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
    // A folder is no file, and a file no folder.
    EXPECT_FALSE(files::fileExists(dataPath("wortlist")));
    EXPECT_FALSE(files::dirExists(dataPath("wortlist/tiere.txt")));

    // Creating "wortlist/neu" goes into the existing folder, not a second one.
    EXPECT_TRUE(files::forceDirectories(dataPath("wortlist/neu/tiefer")));
    EXPECT_TRUE(QFileInfo(dataPath("WORTList/neu/tiefer")).isDir());
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList { "WORTList" });
    // A file in the way is a fault at once, not a share to wait out.
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_FALSE(files::forceDirectories(dataPath("wortlist/tiere.txt/neu")));
    EXPECT_LT(uhr.elapsed(), 1000);

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

TEST_F(FilesTest, OnlyAPlainFileIsRemovedAsOneAlsoWhereTheListingDidNotSayWhatANameIs)
{
    // A share's listing may leave every name's kind unsaid; a folder or a link must stay all the same.
    const QString ordner = dataPath("Klassen/1A/01 Anna/");
    QDir().mkpath(ordner + "Bilder");
    writeBytes(ordner + "H1_7_01.txt", "x");
    writeBytes(ordner + "H1_7_02.txt", "x");
    writeBytes(dataPath("notiz.txt"), "x");
    QFile::link(dataPath("notiz.txt"), ordner + "verweis");
    QFile::link(dataPath("Klassen"), ordner + "ordnerverweis");
    struct Fall {
        const char* name;
        unsigned char gelistet;
        int antwort;
    };
    for (const Fall& f : { Fall { "H1_7_01.txt", DT_UNKNOWN, 0 }, Fall { "H1_7_02.txt", DT_REG, 0 },
             Fall { "Bilder", DT_UNKNOWN, files::kNotPlainFile }, Fall { "Bilder", DT_DIR, files::kNotPlainFile },
             Fall { "verweis", DT_UNKNOWN, files::kNotPlainFile }, Fall { "verweis", DT_LNK, files::kNotPlainFile },
             Fall { "ordnerverweis", DT_UNKNOWN, files::kNotPlainFile }, Fall { "fehlt.txt", DT_UNKNOWN, ENOENT } })
        EXPECT_EQ(files::removePlainFile(ordner + f.name, f.gelistet), f.antwort) << f.name << " " << int(f.gelistet);
    EXPECT_EQ(allEntries(ordner), QStringList({ "Bilder", "ordnerverweis", "verweis" }));
    EXPECT_TRUE(QFileInfo::exists(dataPath("notiz.txt")));
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

    // An integer holds 32 bits: one past either end is no number.
    writeBytes(dataPath("grenzen.ina"), "2147483647 -2147483648 2147483648 -2147483649\r\n");
    f.assign(dataPath("grenzen.ina"));
    f.reset();
    f.read(a);
    f.read(b);
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(INT32_MAX, INT32_MIN));
    f.read(c);
    EXPECT_EQ(f.ioResult(), IoInvalidNumber);
    f.read(d);
    EXPECT_EQ(f.ioResult(), IoInvalidNumber);
    f.close();
    f.assign(dataPath("hw.ina"));

    f.setChecked(true);
    f.reset();
    f.readLine();
    for (int i = 0; i < 5; ++i)
        f.read(a);
    EXPECT_THROW(f.read(a), IoError);
    f.close();

    // Past the last number, up to the end of the file, a read gives 0 and is no error.
    writeBytes(dataPath("kurz.ina"), "7 \r\n");
    f.setChecked(false);
    f.assign(dataPath("kurz.ina"));
    f.reset();
    a = 1;
    b = 1;
    f.read(a);
    f.read(b);
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(7, 0));
    f.close();
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
    // Opened again once it is there, the earlier failure not asked for: no failure.
    f.assign(dataPath("spaeter.txt"));
    f.reset();
    writeBytes(dataPath("spaeter.txt"), "da\r\n");
    f.reset();
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ(f.readLine(), "da");
    f.close();
    // Reading a whole file is checked.
    EXPECT_THROW(TextFile::readAllLines(dataPath("fehlt.txt")), IoError);

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

// A failure nobody asked about is not reported again by a later step that succeeds: the result is the last
// step's, as a caller that opens a file it found missing, or reads on past a bad number, relies on.
TEST_F(FilesTest, TheResultIsTheLastStepsNotAnEarlierUnreadFailure)
{
    TextFile f;
    f.assign(dataPath("neu.txt"));
    f.reset();
    f.rewrite();
    EXPECT_EQ(f.ioResult(), 0);
    f.writeLine("x1 2");
    f.writeLine("drei");
    f.readLine(); // no reading from a file being written, but the close that follows succeeds
    f.close();
    EXPECT_EQ(f.ioResult(), 0);

    f.reset();
    int zahl = 0;
    f.read(zahl);
    EXPECT_EQ(f.readLine(), " 2");
    EXPECT_EQ(f.ioResult(), 0);
    f.read(zahl);
    EXPECT_EQ(f.ioResult(), IoInvalidNumber);
    f.close();
    // A number read after a bad one, the failure not asked for, is read as any other.
    f.reset();
    f.read(zahl);
    f.read(zahl);
    EXPECT_EQ(zahl, 2);
    EXPECT_EQ(f.ioResult(), 0);
    f.close();
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

TEST_F(FilesTest, ARewriteTheShareDoesInTwoStepsNeverLosesTheFile)
{
    const QString pfad = dataPath("dw.ina");
    const auto daneben = [&] { return QDir(dataFolder()).entryList(QDir::Files | QDir::Hidden).filter(".neu-"); };
    const auto neuUeberAlt = [&](const char* weg) {
        writeBytes(pfad, "alt\r\n");
        return qstrcmp(weg, "writeWhole") == 0 ? files::writeWhole(pfad, "neu\r\n") : neuUeberschreiben(pfad);
    };
    // The share removes the old file first; `antwort` then answers the rename of the new one in its place.
    int umbenennungen = 0;
    const auto teilt = [&](int antwort, bool getan, int wieOft) {
        umbenennungen = 0;
        files::setShareAnswerForTests([=, &umbenennungen](const char* schritt, const QString& p) {
            if (qstrcmp(schritt, "rename") != 0 || p != pfad || ++umbenennungen > wieOft) return 0;
            QFile::remove(p);
            const QStringList tmp = daneben();
            if (getan && !tmp.isEmpty())
                std::rename(QFile::encodeName(dataPath(tmp.first())).constData(), QFile::encodeName(p).constData());
            return antwort;
        });
    };
    for (const char* weg : { "rewrite", "writeWhole" }) {
        SCOPED_TRACE(weg);
        // A passing answer: the rename is tried again.
        teilt(EIO, false, 1);
        EXPECT_EQ(neuUeberAlt(weg), 0);
        EXPECT_EQ(umbenennungen, 2);
        EXPECT_EQ(readBytes(pfad), "neu\r\n");
        EXPECT_TRUE(daneben().isEmpty());
        // The old file open on another PC for a moment, so that the share cannot replace it.
        files::setShareAnswerForTests([&](const char* schritt, const QString& p) {
            return qstrcmp(schritt, "rename") == 0 && p == pfad && ++umbenennungen <= 1 ? EEXIST : 0;
        });
        umbenennungen = 0;
        EXPECT_EQ(neuUeberAlt(weg), 0);
        EXPECT_EQ(umbenennungen, 2);
        EXPECT_EQ(readBytes(pfad), "neu\r\n");
        // Done, but answered as failed: done.
        teilt(EIO, true, 1);
        EXPECT_EQ(neuUeberAlt(weg), 0);
        EXPECT_EQ(umbenennungen, 1);
        EXPECT_EQ(readBytes(pfad), "neu\r\n");
        EXPECT_TRUE(daneben().isEmpty());
    }
    // Every rename refused after the old file went: the content is written under the name anew.
    teilt(EACCES, false, 1000);
    EXPECT_EQ(neuUeberAlt("writeWhole"), 0);
    EXPECT_GT(umbenennungen, 2);
    EXPECT_EQ(readBytes(pfad), "neu\r\n");
    EXPECT_TRUE(daneben().isEmpty());
    // And where that fails too, the temporary file is kept: it holds the only whole copy.
    int geschrieben = 0;
    files::setWriteFailureForTests([&](const QString&) { return ++geschrieben > 1; });
    EXPECT_EQ(neuUeberAlt("writeWhole"), IoDiskWrite);
    files::setWriteFailureForTests({});
    files::setShareAnswerForTests({});
    EXPECT_FALSE(QFileInfo::exists(pfad));
    ASSERT_EQ(daneben().size(), 1);
    EXPECT_EQ(readBytes(dataPath(daneben().first())), "neu\r\n");
}

TEST_F(FilesTest, AFileRewrittenThroughALinkChangesWhereItLeadsAndStaysALink)
{
    QDir().mkpath(dataPath("echt"));
    writeBytes(dataPath("echt/kl.ina"), "alt\r\n");
    ASSERT_TRUE(QFile::link(dataPath("echt/kl.ina"), dataPath("kl.ina")));
    TextFile f;
    f.assign(dataPath("kl.ina"));
    f.rewrite();
    f.writeLine("neu");
    f.close();
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_TRUE(QFileInfo(dataPath("kl.ina")).isSymLink());
    EXPECT_EQ(readBytes(dataPath("echt/kl.ina")), "neu\r\n");
    EXPECT_EQ(files::writeWhole(dataPath("kl.ina"), "neuer\r\n"), 0);
    EXPECT_TRUE(QFileInfo(dataPath("kl.ina")).isSymLink());
    EXPECT_EQ(readBytes(dataPath("echt/kl.ina")), "neuer\r\n");
}

TEST_F(FilesTest, ANewFileIsMadeWholeOnlyWhereTheNameIsFree)
{
    const QString ordner = dataPath("mit/");
    QDir().mkpath(ordner);
    writeBytes(ordner + "1+1___01.TXT", "fremd\r\n");
    EXPECT_EQ(files::createNew(ordner + "1+1___01.txt", "neu\r\n"), IoFileExists);
    EXPECT_EQ(readBytes(ordner + "1+1___01.TXT"), QByteArray("fremd\r\n"));

    // Under its name the file is only ever whole: it is written inside its claim.
    QStringList unterwegs;
    files::setWriteFailureForTests([&](const QString& pfad) {
        unterwegs = allEntries(ordner + ".1+1___02.txt.neu");
        EXPECT_FALSE(QFileInfo::exists(pfad)) << pfad.toStdString();
        return false;
    });
    EXPECT_EQ(files::createNew(ordner + "1+1___02.txt", "Protokoll\r\n"), 0);
    files::setWriteFailureForTests({});
    EXPECT_EQ(unterwegs, QStringList({ "1+1___02.txt" }));
    EXPECT_EQ(readBytes(ordner + "1+1___02.txt"), QByteArray("Protokoll\r\n"));
    // A folder missing on a local disk is said at once: no share settles a name there.
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(files::createNew(ordner + "fehlt/1+1___01.txt", "x"), IoPathNotFound);
    EXPECT_LT(uhr.elapsed(), 1000);
    // The claim is given back.
    EXPECT_EQ(allEntries(ordner), QStringList({ "1+1___01.TXT", "1+1___02.txt" }));

    // A file put under the name while this one is written (by a PC of the earlier version, which makes no claim)
    // is kept, and this one gives the name up without leaving anything behind.
    files::setWriteFailureForTests([&](const QString& pfad) {
        writeBytes(pfad, "frueher\r\n");
        return false;
    });
    EXPECT_EQ(files::createNew(ordner + "1+1___04.txt", "neu\r\n"), IoFileExists);
    files::setWriteFailureForTests({});
    EXPECT_EQ(readBytes(ordner + "1+1___04.txt"), QByteArray("frueher\r\n"));
    EXPECT_EQ(allEntries(ordner), QStringList({ "1+1___01.TXT", "1+1___02.txt", "1+1___04.txt" }));

    // A name another PC claims just now is taken: its file is being made.
    QDir().mkpath(ordner + ".1+1___03.txt.neu");
    EXPECT_EQ(files::createNew(ordner + "1+1___03.txt", "x"), IoFileExists);
    EXPECT_FALSE(QFileInfo::exists(ordner + "1+1___03.txt"));
    EXPECT_TRUE(QFileInfo::exists(ordner + ".1+1___03.txt.neu"));
}

TEST_F(FilesTest, ManyMakersOfOneNameGetItOnce)
{
    std::atomic<int> gemacht { 0 };
    std::vector<std::thread> macher;
    for (int i = 0; i < 8; ++i)
        macher.emplace_back([&, i] {
            if (files::createNew(dataPath("H1_7_01.txt"), QByteArray::number(i)) == 0) ++gemacht;
        });
    for (std::thread& t : macher)
        t.join();
    EXPECT_EQ(gemacht, 1);
    EXPECT_EQ(QDir(dataFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter("H1_7"),
        QStringList({ "H1_7_01.txt" }));
}

namespace {

// A share that answers `fehler` to the step `schritt` on names ending in `endung` for `ms` after it is set, as
// while another PC makes or gives back that name; the number of such answers in `gesagt`.
void teilen(const char* schritt, const QString& endung, int fehler, int ms, std::atomic<int>& gesagt)
{
    auto seit = std::make_shared<QElapsedTimer>();
    seit->start();
    files::setShareAnswerForTests([=, &gesagt](const char* s, const QString& pfad) {
        if (qstrcmp(s, schritt) != 0 || !pfad.endsWith(endung) || seit->elapsed() >= ms) return 0;
        ++gesagt;
        return fehler;
    });
}

} // namespace

TEST_F(FilesTest, ASharesPassingAnswersAreWaitedOutAndARealFaultIsSaid)
{
    std::atomic<int> gesagt { 0 };
    // smbnetfs answers "I/O error" for over three seconds after another PC gave the name back.
    teilen("mkdir", ".H1_7_01.txt.neu", EIO, 3500, gesagt);
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(files::createNew(dataPath("H1_7_01.txt"), "a\r\n"), 0);
    EXPECT_GE(uhr.elapsed(), 3500);
    EXPECT_GT(gesagt, 1);
    EXPECT_EQ(readBytes(dataPath("H1_7_01.txt")), "a\r\n");

    // A caller with other names to try is told at once.
    teilen("mkdir", ".H1_7_02.txt.neu", EIO, 60000, gesagt);
    uhr.start();
    EXPECT_EQ(files::createNew(dataPath("H1_7_02.txt"), "b\r\n", false), files::kNameUnsettled);
    EXPECT_LT(uhr.elapsed(), 1000);
    // One who waits is told of a share that never settles, within the bound.
    uhr.start();
    EXPECT_EQ(files::createNew(dataPath("H1_7_02.txt"), "b\r\n"), IoDiskWrite);
    EXPECT_LT(uhr.elapsed(), files::kInUseMs + 1000);

    // A file being removed on another PC, and a name the share settles as the file is put in place; a folder just
    // seen that the share says is not there while another PC makes names in it.
    teilen("rename", "H1_7_03.txt", EBUSY, 300, gesagt);
    EXPECT_EQ(files::createNew(dataPath("H1_7_03.txt"), "c\r\n"), 0);
    teilen("mkdir", ".H1_7_05.txt.neu", ENOENT, 300, gesagt);
    EXPECT_EQ(files::createNew(dataPath("H1_7_05.txt"), "e\r\n"), 0);

    // A rename into place that keeps meeting the settling: a caller with other names takes another, and nothing is
    // left under this one; a rename the share did although it answered a failure is done.
    teilen("rename", "H1_7_06.txt", EIO, 60000, gesagt);
    EXPECT_EQ(files::createNew(dataPath("H1_7_06.txt"), "f\r\n", false), files::kNameUnsettled);
    EXPECT_EQ(allEntries(dataFolder()).filter("H1_7_06"), QStringList());
    const QString tmp = dataPath(".H1_7_07.txt.neu/H1_7_07.txt");
    files::setShareAnswerForTests([tmp](const char* s, const QString& pfad) {
        if (qstrcmp(s, "rename") != 0 || !pfad.endsWith("H1_7_07.txt")) return 0;
        std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(pfad).constData());
        return EIO;
    });
    EXPECT_EQ(files::createNew(dataPath("H1_7_07.txt"), "g\r\n", false), 0);
    EXPECT_EQ(readBytes(dataPath("H1_7_07.txt")), "g\r\n");
    EXPECT_EQ(allEntries(dataFolder()).filter("H1_7_07"), QStringList({ "H1_7_07.txt" }));

    // A probe of the share's clock whose removal meets an I/O error is removed all the same.
    gesagt = 0;
    auto seit = std::make_shared<QElapsedTimer>();
    seit->start();
    files::setShareAnswerForTests([&, seit](const char* s, const QString& pfad) {
        if (qstrcmp(s, "rmdir") != 0 || !pfad.contains("/.uhr-") || seit->elapsed() >= 400) return 0;
        ++gesagt;
        return EIO;
    });
    qint64 jetzt = 0;
    EXPECT_EQ(files::probeShareTime(dataFolder(), jetzt), 0);
    EXPECT_GT(gesagt, 0);
    EXPECT_NEAR(double(jetzt / 1000000), double(QDateTime::currentMSecsSinceEpoch()), 5000.0);

    // A settling name in a folder whose name holds ":", as a share's mount point does, is waited out as any other.
    QDir().mkpath(dataPath("smb-share:server=schule"));
    teilen("mkdir", ".H1_7_08.txt.neu", EINVAL, 300, gesagt);
    EXPECT_EQ(files::createNew(dataPath("smb-share:server=schule/H1_7_08.txt"), "h\r\n"), 0);

    // No right to write, or a full share, ends the step at once, saying which; so does a name the share refuses at
    // every try, as gvfs and smbnetfs answer a name that holds ":", with one try.
    uhr.start();
    teilen("mkdir", ".H1_7_04.txt.neu", EACCES, 60000, gesagt);
    EXPECT_EQ(files::createNew(dataPath("H1_7_04.txt"), "d\r\n"), IoAccessDenied);
    teilen("mkdir", ".H1_7_04.txt.neu", ENOSPC, 60000, gesagt);
    EXPECT_EQ(files::createNew(dataPath("H1_7_04.txt"), "d\r\n"), IoDiskFull);
    for (const int fehler : { EINVAL, EIO }) {
        gesagt = 0;
        teilen("mkdir", "Kim: Lee", fehler, 60000, gesagt);
        EXPECT_FALSE(files::forceDirectories(dataPath("Klassen/KL/Kim: Lee")));
        EXPECT_EQ(gesagt, 1);
        teilen("mkdir", ".Kim: Lee.txt.neu", fehler, 60000, gesagt);
        EXPECT_EQ(files::createNew(dataPath("Kim: Lee.txt"), "i\r\n"), IoUnsafeName);
        EXPECT_EQ(gesagt, 2);
    }
    EXPECT_LT(uhr.elapsed(), 1000);
    files::setShareAnswerForTests({});
    EXPECT_EQ(allEntries(dataFolder()),
        QStringList(
            { "H1_7_01.txt", "H1_7_03.txt", "H1_7_05.txt", "H1_7_07.txt", "Klassen", "smb-share:server=schule" }));
}

TEST_F(FilesTest, AReadWhileAnotherPcReplacesTheFileWaitsAndAMissingOrEmptyFileIsSaidAtOnce)
{
    std::atomic<int> gesagt { 0 };
    writeBytes(dataPath("hw.ina"), "Hilfe\r\n");
    QByteArray gelesen;
    // gvfs says "busy" or "no such file" while the name is listed, or reads nothing of a file that has bytes.
    for (const int antwort : { EBUSY, EIO, ENOENT, files::kReadsNothing }) {
        gesagt = 0;
        teilen(antwort == files::kReadsNothing ? "read" : "open", "hw.ina", antwort, 200, gesagt);
        EXPECT_EQ(files::readShared(dataPath("HW.INA"), gelesen), 0) << antwort;
        EXPECT_EQ(gelesen, "Hilfe\r\n") << antwort;
        EXPECT_GT(gesagt, 1) << antwort;
    }
    teilen("read", "hw.ina", files::kReadsNothing, 200, gesagt);
    EXPECT_EQ(TextFile::readAllLines(dataPath("hw.ina")), QStringList({ "Hilfe" }));
    // A share that answers "busy" at every try is said so within the wait, never a hang.
    QElapsedTimer warten;
    warten.start();
    teilen("open", "hw.ina", EBUSY, 60000, gesagt);
    EXPECT_EQ(files::readShared(dataPath("hw.ina"), gelesen), EBUSY);
    EXPECT_LT(warten.elapsed(), 7000);

    // Found empty while another PC fills it: looked at again.
    writeBytes(dataPath("hw.ina"), "");
    int mal = 0;
    files::setShareAnswerForTests([&mal](const char* s, const QString& pfad) {
        if (qstrcmp(s, "read") != 0 || !pfad.endsWith("hw.ina") || ++mal > 1) return 0;
        writeBytes(pfad, "voll\r\n");
        return files::kReadsNothing;
    });
    EXPECT_EQ(files::readShared(dataPath("hw.ina"), gelesen), 0);
    EXPECT_EQ(gelesen, "voll\r\n");

    // On a share, a new copy another PC renames over the file is missing from the open and from the listing alike
    // for a moment: looked at again, as its folder was written a moment ago.
    mal = 0;
    files::setShareAnswerForTests([&mal](const char* s, const QString& pfad) {
        if (qstrcmp(s, "share") == 0) return 1;
        if (qstrcmp(s, "open") != 0 || !pfad.endsWith("hw.ina")) return 0;
        if (++mal <= 2)
            QFile::remove(pfad);
        else if (!QFile::exists(pfad))
            writeBytes(pfad, "Hilfe\r\n");
        return 0;
    });
    EXPECT_EQ(files::readShared(dataPath("hw.ina"), gelesen), 0);
    EXPECT_EQ(gelesen, "Hilfe\r\n");
    EXPECT_EQ(mal, 3);

    // The old file removed, the new copy not yet renamed into place: its temporary file beside it is waited for, by a
    // text file's read too (kl.ina, a word list).
    auto seit = std::make_shared<QElapsedTimer>();
    files::setShareAnswerForTests([seit](const char* s, const QString& pfad) {
        if (qstrcmp(s, "open") == 0 && pfad.endsWith("fw.ina") && seit->elapsed() >= 200)
            std::rename(QFile::encodeName(pfad.section(u'/', 0, -2) + "/.neu-0f3c9a.tmp").constData(),
                QFile::encodeName(pfad).constData());
        return 0;
    });
    writeBytes(dataPath(".neu-0f3c9a.tmp"), "neu\r\n");
    seit->start();
    EXPECT_EQ(files::readShared(dataPath("fw.ina"), gelesen), 0);
    EXPECT_EQ(gelesen, "neu\r\n");
    QFile::remove(dataPath("fw.ina"));
    writeBytes(dataPath(".neu-0f3c9a.tmp"), "neu\r\n");
    seit->start();
    EXPECT_EQ(TextFile::readAllLines(dataPath("fw.ina")), QStringList({ "neu" }));

    // Missing, or empty, is said after one more look; so is no right to read, at the first. A temporary file a PC
    // that went down left is no new copy on its way.
    writeBytes(dataPath(".neu-1d2e.tmp"), "alt\r\n");
    ASSERT_TRUE(stampFromNow(dataPath(".neu-1d2e.tmp"), -60));
    writeBytes(dataPath("leer.txt"), "");
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(files::readShared(dataPath("aw.ina"), gelesen), ENOENT);
    EXPECT_EQ(files::readShared(dataPath("WORTList/tiere.txt"), gelesen), ENOENT);
    EXPECT_EQ(files::readShared(dataPath("leer.txt"), gelesen), 0);
    EXPECT_TRUE(gelesen.isEmpty());
    EXPECT_EQ(files::readShared(dataFolder(), gelesen), EISDIR);
    gesagt = 0;
    teilen("open", "hw.ina", EACCES, 60000, gesagt);
    EXPECT_EQ(files::readShared(dataPath("hw.ina"), gelesen), EACCES);
    EXPECT_EQ(gesagt, 1);
    // On a share too, where the folder was not written since.
    ASSERT_TRUE(stampFromNow(dataFolder(), -60));
    files::setShareAnswerForTests([](const char* s, const QString&) { return qstrcmp(s, "share") == 0 ? 1 : 0; });
    EXPECT_EQ(files::readShared(dataPath("aw.ina"), gelesen), ENOENT);
    EXPECT_LT(uhr.elapsed(), 1000);
    files::setShareAnswerForTests({});
    EXPECT_EQ(allEntries(dataFolder()), QStringList({ "fw.ina", "hw.ina", "leer.txt" }));
}

TEST_F(FilesTest, AFolderAnotherPcMakesAtTheSameMomentCountsAsMade)
{
    // Between our look and our mkdir another PC makes the class folder: the share says it exists.
    int gesagt = 0;
    files::setShareAnswerForTests([&](const char* s, const QString& pfad) {
        if (qstrcmp(s, "mkdir") != 0 || !pfad.endsWith("/4B")) return 0;
        ++gesagt;
        QDir().mkpath(pfad);
        return EEXIST;
    });
    const bool gemacht = files::forceDirectories(dataPath("Klassen/4B"));
    files::setShareAnswerForTests({});
    EXPECT_TRUE(gemacht);
    EXPECT_EQ(gesagt, 1);
    EXPECT_TRUE(QFileInfo(dataPath("Klassen/4B")).isDir());
}

TEST_F(FilesTest, WhatAPcThatWentDownLeftIsRemovedOnceStaleAndAFreshClaimStays)
{
    const QString schueler = dataPath("Klassen/3A/01 Anna/");
    const QString klisten = dataPath("k_liste/");
    QDir().mkpath(schueler);
    QDir().mkpath(klisten);
    auto alt = [](const QString& pfad, qint64 sekunden) { ASSERT_TRUE(stampFromNow(pfad, sekunden)); };
    // A protocol cut short by an earlier version: its claim and an empty file under its name; one cut short while
    // being written in its claim; one being made just now; a whole one whose maker went down before it gave its
    // claim back.
    writeBytes(schueler + "H1_7_01.txt", "");
    QDir().mkpath(schueler + ".H1_7_01.txt.neu");
    QDir().mkpath(schueler + ".H1_7_02.txt.neu");
    writeBytes(schueler + ".H1_7_02.txt.neu/H1_7_02.txt", "halb");
    QDir().mkpath(schueler + ".H1_7_03.txt.neu");
    writeBytes(schueler + "H1_7_04.txt", "ganz\r\n");
    QDir().mkpath(schueler + ".H1_7_04.txt.neu");
    for (const char* n : { "H1_7_01.txt", ".H1_7_01.txt.neu", ".H1_7_02.txt.neu", ".H1_7_04.txt.neu" })
        alt(schueler + n, -60);
    alt(schueler + ".H1_7_03.txt.neu", -1);
    // A class list's rewrite and a probe of the clock, cut short; and a fresh probe.
    writeBytes(klisten + ".neu-0f3c9a.tmp", "01 Cem\r\n");
    QDir().mkpath(klisten + ".uhr-pc7_4711_1");
    QDir().mkpath(klisten + ".uhr-pc7_4711_2");
    writeBytes(klisten + "3A.TXT", "01 Anna\r\n");
    alt(klisten + ".neu-0f3c9a.tmp", -60);
    alt(klisten + ".uhr-pc7_4711_1", -60);

    // A listing meets them: what went stale goes, and an empty file of a stale claim is not there.
    int err = -1;
    QStringList dateien = files::listFiles(schueler, err);
    dateien.sort();
    EXPECT_EQ(err, 0);
    EXPECT_EQ(dateien, QStringList({ "H1_7_04.txt" }));
    EXPECT_EQ(allEntries(schueler), QStringList({ ".H1_7_03.txt.neu", "H1_7_04.txt" }));
    EXPECT_EQ(readBytes(schueler + "H1_7_04.txt"), "ganz\r\n");
    EXPECT_EQ(files::listFiles(klisten, err), QStringList({ "3A.TXT" }));
    EXPECT_EQ(allEntries(klisten), QStringList({ ".uhr-pc7_4711_2", "3A.TXT" }));

    // A new file meets a stale claim of its own name and takes the name; a fresh one it leaves.
    QDir().mkpath(schueler + ".H1_7_05.txt.neu");
    writeBytes(schueler + "H1_7_05.txt", "");
    alt(schueler + ".H1_7_05.txt.neu", -60);
    EXPECT_EQ(files::createNew(schueler + "H1_7_05.txt", "neu\r\n"), 0);
    EXPECT_EQ(readBytes(schueler + "H1_7_05.txt"), "neu\r\n");
    EXPECT_EQ(files::createNew(schueler + "H1_7_03.txt", "neu\r\n"), IoFileExists);
    EXPECT_TRUE(QFileInfo(schueler + ".H1_7_03.txt.neu").isDir());

    // One by one, as a deletion meets them: only the program's own helpers, and only when stale.
    EXPECT_FALSE(files::removeIfStaleHelper(schueler + ".H1_7_03.txt.neu"));
    EXPECT_FALSE(files::removeIfStaleHelper(schueler + "H1_7_04.txt"));
    writeBytes(schueler + ".fremd", "");
    alt(schueler + ".fremd", -60);
    EXPECT_FALSE(files::removeIfStaleHelper(schueler + ".fremd"));
    alt(schueler + ".H1_7_03.txt.neu", -60);
    EXPECT_TRUE(files::removeIfStaleHelper(schueler + ".H1_7_03.txt.neu"));
    EXPECT_EQ(allEntries(schueler), QStringList({ ".fremd", "H1_7_04.txt", "H1_7_05.txt" }));
}

TEST_F(FilesTest, AStaleClaimWhoseBreakerWasLeftBehindTooGivesItsNameBack)
{
    // A PC went down while making the file, another while removing what the first left.
    const QString ordner = dataPath("Klassen/3A/01 Anna/");
    QDir().mkpath(ordner + ".H1_7_06.txt.neu");
    ASSERT_TRUE(stampFromNow(ordner + ".H1_7_06.txt.neu", -90));
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(ordner + ".H1_7_06.txt.neu").constData(), &st), 0);
    const QString brecher = ordner + ".H1_7_06.txt.neu~"
        + QString::number(qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, 16);
    QDir().mkpath(brecher);
    ASSERT_TRUE(stampFromNow(brecher, -60));
    EXPECT_EQ(files::createNew(ordner + "H1_7_06.txt", "neu\r\n"), 0);
    EXPECT_EQ(readBytes(ordner + "H1_7_06.txt"), "neu\r\n");
    EXPECT_EQ(allEntries(ordner), QStringList({ "H1_7_06.txt" }));
}

TEST_F(FilesTest, TheProgramsHelperNamesAreKnown)
{
    for (const char* ja : { ".H1_7_01.txt.neu", ".2026-12-09_10-00-00_Liste 3a (2).pdf.neu", ".H1_7_01.txt.neu~18a2f",
             ".uhr-pc7_4711_0a1b", ".neu-0f3c9a.tmp", ".uhr-a", ".neu-a.tmp" })
        EXPECT_TRUE(files::isHelperName(QString::fromUtf8(ja))) << ja;
    for (const char* nein : { "H1_7_01.txt", ".neu", ".uhr-", ".neu-.tmp", "kl.ina.neu", "KL3A.LCK", ".fremd",
             ".H1_7_01.txt.neu~xyz", "3A.TXT" })
        EXPECT_FALSE(files::isHelperName(QString::fromUtf8(nein))) << nein;
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

    // One file variable, first rewriting a file whole, then adding to it.
    f.assign(dataPath("b.txt"));
    f.rewrite();
    f.writeLine("1");
    f.close();
    f.append();
    f.writeLine("2");
    f.close();
    EXPECT_EQ(f.ioResult(), 0);
    EXPECT_EQ(readBytes(dataPath("b.txt")), QByteArray("1\r\n2\r\n"));

    // Lines that do not reach the disk are a failure of the close.
    f.assign(dataPath("a.txt"));
    f.append();
    f.writeLine("3");
    files::setWriteFailureForTests([](const QString&) { return true; });
    f.close();
    files::setWriteFailureForTests({});
    EXPECT_EQ(f.ioResult(), IoDiskWrite);
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
        { "rewrite", neuUeberschreiben },
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
    // No temporary file is left beside.
    const QString daneben = QDir(folder).entryList(QDir::Files | QDir::Hidden).join(' ');
    EXPECT_FALSE(daneben.contains("ina.") || daneben.contains(".neu-")) << daneben.toStdString();

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

TEST_F(FilesTest, AOneByteFileIsWrittenAndReportedAsWritten)
{
    EXPECT_EQ(files::createNew(dataPath("H1_7_01.txt"), "1"), 0);
    EXPECT_EQ(readBytes(dataPath("H1_7_01.txt")), QByteArray("1"));
    // With the rights any new file gets, so that the other PCs' users can read it.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(dataPath("H1_7_01.txt")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666 & ~maske);

    for (const QByteArray& inhalt : { QByteArray("x"), QByteArray(), QByteArray("zwei\r\n") }) {
        QFile f(dataPath("offen.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_TRUE(files::writeAll(f.handle(), inhalt)) << inhalt.size();
        f.close();
        EXPECT_EQ(readBytes(dataPath("offen.txt")), inhalt);
    }
    // A write that fails is said.
    EXPECT_FALSE(files::writeAll(-1, "x"));
}
