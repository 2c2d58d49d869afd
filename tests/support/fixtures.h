#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class QLabel;
class QWidget;

// A test's own program folder and data folder, a test clock and a pinned random seed; errors that a
// handler reports are collected in `errors` instead of shown.
class TaviTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString programFolder() const; // ends with "/"
    QString dataFolder() const; // ends with "/"
    QString dataPath(const QString& relative) const { return dataFolder() + relative; }
    QString testFolder() const { return m_dir.path(); }

    QStringList errors;

private:
    QTemporaryDir m_dir;
};

// Bytes of a file, or empty when it cannot be read.
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Every name in a folder, hidden ones too, sorted: what the program leaves behind there.
QStringList allEntries(const QString& folder);
// Sets a file's or folder's time stamps to `seconds` from now: a lock left behind, or one stamped ahead.
bool stampFromNow(const QString& path, qint64 seconds);
// The earlier version's lock file `path`, left behind a minute ago, its line ending in `word` (a fresh 32-digit id
// where empty). False where it could not be stamped.
bool earlierVersionsLock(const QString& path, const QByteArray& word = {});

// The names made directly in a folder (on the machine that holds it) while this lives, as the kernel saw them.
class CreationCounter {
public:
    explicit CreationCounter(const QString& folder);
    ~CreationCounter();
    CreationCounter(const CreationCounter&) = delete;
    CreationCounter& operator=(const CreationCounter&) = delete;
    QStringList made();

private:
    int m_fd = -1;
    QStringList m_names;
};

// A file system of its own (a tmpfs of `kilobytes`), for what a full disk or a read-only medium does to the
// program. Mounting needs root; without it mounted() is false and the test skips.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes = 64);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const; // ends with "/"
    void fill(); // takes every free byte
    void makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QByteArray m_options;
};

// A folder that cannot be listed from this PC, as where a pupil's account has no right to read it: its rights are
// taken away, and where the test runs as root (for whom rights do not count) the process acts as "nobody" until
// this ends, with the folders above it opened for that user to pass through. Everything as before afterwards.
class UnlesbarerOrdner {
public:
    // `oben`: the test's own folder, the highest that is opened for passing through.
    UnlesbarerOrdner(const QString& ordner, const QString& oben);
    ~UnlesbarerOrdner();
    UnlesbarerOrdner(const UnlesbarerOrdner&) = delete;
    UnlesbarerOrdner& operator=(const UnlesbarerOrdner&) = delete;

private:
    QString m_ordner;
    QList<QPair<QString, int>> m_rechte; // folders and their modes before
    bool m_fremd = false;
};

// Grabs a widget into TAVI_TEST_OUTPUT/<name>.png so that one can look at what a pupil would see.
QString grabToPng(QWidget* widget, const QString& name);
// The pixels in which two pictures of the same size differ, as their bounding box; a null rectangle where none do.
QRect changedArea(const QImage& before, const QImage& after);

// True when a label's text shows whole: as it wraps in the label's font and width it fits the label's height,
// and the label lies inside its window.
bool showsWhole(const QLabel* label);
