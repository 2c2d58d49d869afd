#include "platform/cp1252.h"
#include "platform/textfile.h"
#include "shell/einstellungsdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// The installation folder is what the first run copies into a new data folder, line for line. Its settings
// files must already hold every section that a window loads, in the shape the loaders read, because a
// loader that misses its keyword reads from the top of the file and its writer would overwrite the
// leading lines. The tables below are the sections the loaders and writers of each area rely on.

namespace {

QString installordner()
{
#ifdef TAVI_INSTALLORDNER_DIR
    return QStringLiteral(TAVI_INSTALLORDNER_DIR);
#else
    return QDir::cleanPath(QStringLiteral(TAVI_SOURCE_DIR "/installordner"));
#endif
}

QString installPath(const QString& relative)
{
    return installordner() + QLatin1Char('/') + relative;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Splits a file into its lines when every line ends with CR LF and no CR or LF stands alone; otherwise
// `problem` names the first offending byte.
QStringList crlfLines(const QByteArray& bytes, QString& problem)
{
    problem.clear();
    if (bytes.isEmpty()) {
        problem = QStringLiteral("empty or missing");
        return {};
    }
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\r' && (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n'))
            problem = QStringLiteral("lone CR at byte %1").arg(i);
        else if (bytes.at(i) == '\n' && (i == 0 || bytes.at(i - 1) != '\r'))
            problem = QStringLiteral("lone LF at byte %1").arg(i);
        if (!problem.isEmpty()) return {};
    }
    if (!bytes.endsWith("\r\n")) {
        problem = QStringLiteral("last line has no CR LF");
        return {};
    }
    QStringList lines = cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final line end
    return lines;
}

// Header texts are plain German; a UTF-8 "ä" read as Windows-1252 would show up here as "Ã¤".
bool plainGerman(const QString& text)
{
    static const QString umlauts = QStringLiteral("ÄÖÜäöüß");
    for (QChar c : text)
        if ((c.unicode() < 0x20 || c.unicode() > 0x7E) && !umlauts.contains(c)) return false;
    return true;
}

const QRegularExpression& valueLinePattern()
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9]+( -?[0-9]+)*$"));
    return re;
}

// A run of values inside a section: radio items in a range, or a selection list whose entry i holds
// first + i when item i is chosen and -1 when not.
struct Field {
    enum Kind { Choice, List, ByteList, Unused } kind;
    int count;
    int low; // Choice: smallest item; List: the value of entry 0
    int high; // Choice: largest item; List: most entries that may be chosen at once
};

Field choice(int low, int high)
{
    return { Field::Choice, 1, low, high };
}
Field list(int count, int first, int mostChosen = 0)
{
    return { Field::List, count, first, mostChosen > 0 ? mostChosen : count };
}
// Lists kept in unsigned bytes, where an item not chosen may also stand as 255.
Field byteList(int count, int first)
{
    return { Field::ByteList, count, first, count };
}
Field unused(int count)
{
    return { Field::Unused, count, 0, 0 };
}

struct Section {
    const char* keyword;
    std::vector<int> lineCounts; // values on each value line after the keyword
    std::vector<Field> fields; // in file order
};

struct SettingsFile {
    const char* name;
    bool workLimits; // "hw.ina": "limit" and the work limits stand between the leading lines and the sections
    std::vector<Section> sections;
};

std::vector<Field> twoLists(int count, int first, Field last)
{
    return { list(count, first), list(count, first), last };
}

std::vector<Field> quickSight(Field first, Field second)
{
    // grid, background, grid kept, tasks 1..50, minutes 1..99, the five presentation times
    return { first, second, choice(0, 1), choice(0, 1), choice(0, 1), choice(1, 50), choice(1, 99), list(5, 0) };
}

const std::vector<SettingsFile>& settingsFiles()
{
    static const std::vector<SettingsFile> files = {
        { "hw.ina", true,
            {
                { "wieviel", { 8 }, { byteList(7, 3), choice(0, 6) } },
                { "Strahl", { 1 }, { choice(0, 1) } },
                { "Schlangen", { 6 }, { byteList(5, 3), choice(0, 2) } },
                { "zr10", { 27 }, { list(9, 1), list(9, 1), list(9, 2) } },
                { "zr20", { 24 }, { list(8, 2), list(8, 2), list(8, 11) } },
                { "tab1p1", { 23 }, { list(10, 0), list(10, 0), choice(0, 1), choice(0, 1), choice(0, 2) } },
                { "tab1m1", { 25 }, { list(11, 0), list(11, 0), choice(0, 1), choice(0, 1), choice(0, 2) } },
                { "tab1x1", { 24 }, { list(11, 0), list(11, 0), choice(0, 1), choice(0, 1) } },
                // Start stays disabled with more than five divisors.
                { "tab1d1", { 12 }, { list(9, 2, 5), choice(0, 1), choice(0, 1), choice(0, 1) } },
                { "tab8x8", { 2 }, { choice(0, 1), choice(0, 1) } },
                { "h1x1", { 22 }, { list(11, 0), list(11, 0) } },
                { "h1d1", { 21 }, { list(10, 1), list(10, 1), choice(0, 1) } },
                { "m1x1", { 17 }, { list(8, 2), list(8, 2), choice(0, 2) } },
                { "mr", { 3 }, { choice(0, 7), choice(0, 1), choice(0, 2) } },
                { "pm100", { 9 },
                    { choice(0, 2), choice(0, 1), choice(0, 1), choice(0, 4), choice(0, 4), choice(0, 4), choice(0, 6),
                        choice(0, 6), choice(0, 6) } },
                { "hsv", { 5 }, { choice(0, 1), choice(0, 4), choice(0, 1), choice(0, 1), choice(0, 1) } },
                { "sv", { 6 }, { choice(0, 7), choice(0, 7), choice(0, 4), choice(0, 7), choice(0, 7), choice(0, 1) } },
            } },
        { "fw.ina", false,
            {
                // The basic-arithmetic set-up writes the two number lists and its radio choice on two lines.
                { "1p1", { 22, 1 }, twoLists(11, 0, choice(0, 2)) },
                { "gemzp", { 20, 1 }, twoLists(10, 0, choice(0, 2)) },
                { "1m1_10", { 22, 1 }, twoLists(11, 0, choice(0, 3)) },
                { "1m1_20", { 16, 1 }, { list(8, 11), list(8, 2), choice(0, 3) } },
                { "gemzm", { 20, 1 }, twoLists(10, 0, choice(0, 2)) },
                { "1x1", { 22, 1 }, twoLists(11, 0, choice(0, 2)) },
                { "1d1", { 21, 1 }, { list(10, 1), list(11, 0), choice(0, 2) } },
                // The quick-sight set-up writes seven value lines.
                { "ss_10", { 20, 1, 1, 1, 1, 1, 5 }, quickSight(list(10, 1), unused(10)) },
                { "ss20", { 20, 1, 1, 1, 1, 1, 5 }, quickSight(list(10, 1), list(10, 11)) },
                { "ss100", { 20, 1, 1, 1, 1, 1, 5 }, quickSight(list(10, 0), list(10, 0)) },
            } },
        { "aw.ina", false,
            {
                { "zehn", { 27 }, { list(9, 1), list(9, 1), list(9, 2) } },
                { "abl10_20", { 30 }, { list(10, 10), list(10, 1), list(10, 11) } },
                { "abl_zue", { 27 }, { list(9, 1), list(9, 1), list(9, 10) } },
                { "1x1felder", { 18 }, { list(9, 2), list(9, 2) } },
            } },
        { "sw.ina", false,
            {
                { "ziel", { 4 }, { choice(0, 1), choice(0, 2), choice(0, 10), choice(40, 50) } },
                { "tic", { 1 }, { choice(0, 17) } },
                { "vg100", { 1 }, { choice(0, 1) } },
                { "abr9", { 1 }, { choice(0, 1) } },
                { "lvr", { 6 }, { list(4, 0), choice(2, 9), choice(0, 3) } },
                { "zr", { 2 }, { choice(0, 3), choice(0, 3) } },
                { "bot", { 2 }, { choice(0, 7), choice(0, 3) } },
                { "flip", { 2 }, { choice(0, 7), choice(0, 3) } },
                { "wr", { 4 }, { choice(0, 14), choice(0, 3), choice(0, 1), choice(0, 1) } },
                { "zq", { 5 }, { choice(1, 100), choice(0, 100), choice(0, 1), choice(0, 1), choice(0, 1) } },
                { "bunt", { 2 }, { choice(0, 2), choice(0, 1) } },
                { "masch", { 14 }, { list(4, 0), list(10, 0) } },
                { "zfz", { 4 }, { list(4, 0) } },
                { "kette", { 2 }, { choice(0, 3), choice(0, 2) } },
                { "pyra", { 2 }, { choice(0, 3), choice(0, 2) } },
                { "2n", { 5 }, { list(4, 0), choice(0, 1) } },
            } },
    };
    return files;
}

// The fifteen lists in the order of the word-guessing categories 0..14.
const QStringList& wordLists()
{
    static const QStringList names = { QStringLiteral("zahlen"), QStringLiteral("namen"), QStringLiteral("tiere"),
        QStringLiteral("pflanzen"), QStringLiteral("essen"), QStringLiteral("mensch"), QStringLiteral("kleidung"),
        QStringLiteral("fussball"), QStringLiteral("haus"), QStringLiteral("werkzeug"), QStringLiteral("verkehr"),
        QStringLiteral("staedte"), QStringLiteral("laender"), QStringLiteral("kurz"), QStringLiteral("lang") };
    return names;
}

void checkField(const Field& field, const std::vector<int>& values, size_t from)
{
    int chosen = 0;
    for (int i = 0; i < field.count; ++i) {
        const int v = values[from + size_t(i)];
        SCOPED_TRACE(testing::Message() << "value " << (from + size_t(i) + 1) << " = " << v);
        switch (field.kind) {
        case Field::Choice:
            EXPECT_GE(v, field.low);
            EXPECT_LE(v, field.high);
            break;
        case Field::List:
        case Field::ByteList: {
            const bool notChosen = v == -1 || (field.kind == Field::ByteList && v == 255);
            EXPECT_TRUE(notChosen || v == field.low + i) << "entry " << i << " holds neither -1 nor " << field.low + i;
            if (!notChosen) ++chosen;
            break;
        }
        case Field::Unused:
            break;
        }
    }
    if (field.kind == Field::List || field.kind == Field::ByteList) {
        // With nothing chosen the window's Start (or "drucken") would stay disabled on first use.
        EXPECT_GE(chosen, 1) << "list at value " << from + 1 << " has nothing chosen";
        EXPECT_LE(chosen, field.high) << "list at value " << from + 1;
    }
}

// Reads a section the way the loaders do: the last line equal to the keyword, then free-format integers.
// The section as the program's loaders read it.
std::vector<int> readLikeALoader(const QString& path, const QString& keyword, int count)
{
    std::vector<int> values;
    EXPECT_TRUE(einstellungsdatei::abschnittladen(path, keyword, count, values)) << keyword.toStdString();
    return values;
}

} // namespace

TEST(Installordner, HoldsExactlyWhatTheFirstRunCopies)
{
    const QDir dir(installordner());
    ASSERT_TRUE(dir.exists()) << dir.path().toStdString();
    QStringList expected = { QStringLiteral("WORTList"), QStringLiteral("aw.ina"), QStringLiteral("dw.ina"),
        QStringLiteral("fw.ina"), QStringLiteral("hw.ina"), QStringLiteral("kl.ina"), QStringLiteral("sw.ina") };
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), expected);

    QStringList lists;
    for (const QString& name : wordLists())
        lists << name + QStringLiteral(".txt");
    lists.sort();
    EXPECT_EQ(QDir(installPath(QStringLiteral("WORTList")))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
        lists);
}

TEST(Installordner, ConfigurationAndPasswordFilesAreExact)
{
    // A fresh installation: first-run marker and no class list; administration without a password.
    EXPECT_EQ(bytesOf(installPath(QStringLiteral("kl.ina"))), QByteArray("x\r\nohne\r\n"));
    EXPECT_EQ(bytesOf(installPath(QStringLiteral("dw.ina"))), QByteArray("Dateiverwaltung\r\n\r\nEnde\r\n"));
}

TEST(Installordner, SettingsFilesHoldEverySectionInTheShapeTheLoadersRead)
{
    for (const SettingsFile& file : settingsFiles()) {
        SCOPED_TRACE(file.name);
        const QString path = installPath(QString::fromLatin1(file.name));
        QString problem;
        const QStringList lines = crlfLines(bytesOf(path), problem);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        EXPECT_LE(lines.size(), 60);

        QSet<QString> keywords;
        for (const Section& s : file.sections)
            keywords.insert(QString::fromLatin1(s.keyword));
        // The readers end a section only at a keyword they know.
        const QStringList known = einstellungsdatei::stichwoerter(QString::fromLatin1(file.name));
        EXPECT_EQ(QSet<QString>(known.begin(), known.end()),
            keywords + (file.workLimits ? QSet<QString> { QStringLiteral("limit") } : QSet<QString> {}));
        ASSERT_GE(lines.size(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "leading line " << i + 1;
            EXPECT_TRUE(plainGerman(lines[i])) << "leading line " << i + 1 << ": " << lines[i].toStdString();
            EXPECT_FALSE(keywords.contains(lines[i])) << "leading line " << i + 1 << " looks like a keyword";
        }

        int at = 2;
        if (file.workLimits) {
            ASSERT_GE(lines.size(), 4);
            EXPECT_EQ(lines[2], QStringLiteral("limit"));
            ASSERT_TRUE(valueLinePattern().match(lines[3]).hasMatch()) << lines[3].toStdString();
            const QStringList limits = lines[3].split(QLatin1Char(' '));
            ASSERT_EQ(limits.size(), 2);
            EXPECT_GE(limits[0].toInt(), 0);
            EXPECT_LE(limits[0].toInt(), 15);
            EXPECT_GE(limits[1].toInt(), 0);
            EXPECT_LE(limits[1].toInt(), 30);
            at = 4;
        }

        // Behind the header the file is nothing but the table's sections, each once, in any order.
        QSet<QString> seen;
        while (at < lines.size()) {
            const QString keyword = lines[at];
            const auto section = std::find_if(file.sections.begin(), file.sections.end(),
                [&](const Section& s) { return keyword == QString::fromLatin1(s.keyword); });
            ASSERT_TRUE(section != file.sections.end())
                << "line " << at + 1 << " is no keyword: \"" << keyword.toStdString() << "\"";
            SCOPED_TRACE(section->keyword);
            EXPECT_FALSE(seen.contains(keyword)) << "keyword twice";
            seen.insert(keyword);
            ++at;

            std::vector<int> values;
            for (int count : section->lineCounts) {
                ASSERT_LT(at, lines.size()) << "value line missing";
                const QString& line = lines[at];
                ASSERT_TRUE(valueLinePattern().match(line).hasMatch())
                    << "line " << at + 1 << " is no value line: \"" << line.toStdString() << "\"";
                const QStringList numbers = line.split(QLatin1Char(' '));
                EXPECT_EQ(numbers.size(), count) << "line " << at + 1;
                for (const QString& n : numbers)
                    values.push_back(n.toInt());
                ++at;
            }

            size_t total = 0;
            for (const Field& f : section->fields)
                total += size_t(f.count);
            ASSERT_EQ(total, values.size()) << "the fields do not cover the section";
            size_t from = 0;
            for (const Field& f : section->fields) {
                checkField(f, values, from);
                from += size_t(f.count);
            }
            EXPECT_EQ(readLikeALoader(path, keyword, int(values.size())), values);
        }
        for (const Section& s : file.sections)
            EXPECT_TRUE(seen.contains(QString::fromLatin1(s.keyword))) << "missing section " << s.keyword;
    }
}

TEST(Installordner, WordListsSuitTheLetterKeyboard)
{
    // The 29 letters of the word games' keyboard; "ß" has no key and is written SS.
    const QString keyboard = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
    for (const QString& name : wordLists()) {
        SCOPED_TRACE(name.toStdString());
        const QString path = installPath(QStringLiteral("WORTList/") + name + QStringLiteral(".txt"));
        QString problem;
        const QStringList words = crlfLines(bytesOf(path), problem);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        EXPECT_GE(words.size(), 40);
        EXPECT_LE(words.size(), 100);

        const int shortest = name == QLatin1String("lang") ? 10 : 3;
        const int longest = name == QLatin1String("kurz") ? 5 : 17;
        QSet<QString> seen;
        for (const QString& word : words) {
            EXPECT_GE(word.size(), shortest) << word.toStdString();
            EXPECT_LE(word.size(), longest) << word.toStdString();
            for (QChar c : word)
                EXPECT_TRUE(keyboard.contains(c))
                    << word.toStdString() << " has no key for U+" << std::hex << c.unicode() << std::dec;
            EXPECT_FALSE(seen.contains(word)) << word.toStdString() << " twice";
            seen.insert(word);
        }

        // The games read the lists through the text file, line by line.
        TextFile f;
        f.assign(path);
        f.reset();
        ASSERT_EQ(f.ioResult(), 0);
        QStringList read;
        while (!f.eof())
            read << f.readLine();
        f.close();
        EXPECT_EQ(read, words);
    }
}
