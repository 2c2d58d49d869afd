#pragma once
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <sys/stat.h>

class QFileDevice;

// File-system calls as the system uses them. Names are formed as datpfad + relative name; "\" and "/" are
// both separators and doubled separators collapse. Every component is matched without regard to letter
// case against what exists, so "wortlist" finds "WORTList" and "1b_03.txt" rewrites "1B_03.TXT".
namespace files {

// The real path that a name means: existing components as they are spelled on disk, the rest as given.
QString resolve(const QString& name);

// Joins a folder and one file or folder name taken from typed or stored data.
// Returns an empty string when the name could reach outside the folder (a separator, "..", ".", empty).
QString child(const QString& folder, const QString& name);
bool isSafeName(const QString& name);

bool exists(const QString& name); // file or folder; one look where the name is spelled as on disk
bool fileExists(const QString& name);
bool dirExists(const QString& name);

// Creates the folder and every missing parent.
bool forceDirectories(const QString& name);
bool deleteFile(const QString& name);
bool removeDir(const QString& name); // an empty folder only

// Names (not paths) of the regular files in folder that match pattern ("*.txt", "*.*", "ab??.txt"),
// case-insensitive, sorted.
QStringList findFiles(const QString& folder, const QString& pattern);
QStringList findDirs(const QString& folder);

QString currentDir();
bool setCurrentDir(const QString& name);

// ---- Writing to the end ----
// A full disk often shows only when the buffer is flushed, and a commit that ignores it would rename an
// empty temporary file over the old one. These check every byte before anything is replaced.

// Flushes a file being written; false when any byte did not reach the disk (or a test failure is set).
bool flushAll(QFileDevice& f);

// A whole-file rewrite: the new content is written whole into a temporary file beside the old one (".neu-<id>.tmp",
// which the next PC removes once it is stale), which then takes the old one's place and rights. A failure before
// that leaves the old file whole; a share that removed the old file and then failed to rename the new one gets the
// content written under the name anew; where that fails too, the temporary file, then the only copy, is not removed
// by this step.
class WholeFile {
public:
    explicit WholeFile(const QString& path); // already resolved
    ~WholeFile(); // cancels what was not committed
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    // Makes the temporary file, so that a folder that refuses it is told before anything is written: 0 or the errno.
    int open();
    void add(const QByteArray& bytes) { m_bytes += bytes; }
    // Writes what was added and puts it in the old file's place: 0 or the errno of the failure.
    int commit();
    // Throws away what was added; the old file stays as it is.
    void cancel();

private:
    QString m_path;
    QString m_temp;
    int m_fd = -1;
    QByteArray m_bytes;
    bool m_hasOld = false;
    struct stat m_old { };
};
// Writes `bytes` as the whole new content of `path` (already resolved) through a WholeFile: 0 or the errno of the
// failure; `opened`, where given, says whether its temporary file could be made.
int replaceWhole(const QString& path, const QByteArray& bytes, bool* opened = nullptr);
// The same, returning 0 or the I/O code of the failure (access denied, path not found, disk write error).
int writeWhole(const QString& path, const QByteArray& bytes);
// Writes `bytes` as the whole content of the new file `path` (already resolved), which is not replaced where it is
// there: 0 or the errno (EEXIST where it is there). What could not be written whole is removed again.
int writeNewFile(const QString& path, const QByteArray& bytes);

// ---- Reading a file another PC may replace ----
// While another PC puts a new copy of a file in place (WholeFile), a share answers a reader for a moment as if the
// file were busy, gone ("no such file") or empty, and a mount reads a longer new copy only as far as the old one's
// size it keeps for a second. The whole content of the file `name` (matched as resolve does): one open, one look at
// the size the share has now and the read, on the common path; 0, or the errno of the failure (ENOENT where there is
// no such file, EISDIR where it is a folder). Passing answers are waited out for up to kInUseMs: "no such file" only
// while its folder still lists the name or a fresh temporary file of a new copy beside it, or, on a share, while
// its folder was written a moment ago (a new copy renamed over the file is missing from the open and the listing
// alike for a moment); a read that ends short or empty only while the share's size says there is more. So a file
// that is missing or empty is said so after one more look, never after a wait, unless its folder on a share is being
// written just then.
int readShared(const QString& name, QByteArray& bytes);
// Whether a file that readShared said is missing may be missing only for the moment, so that it cannot be told
// from one not readable just now: its folder lists it or a new copy of it, or lies on a share and was written a
// moment ago. Asked after readShared's wait, it is that wait's second look; on a local disk, with the file neither
// listed nor on its way, it is false. For a caller to whom "not there" would open something.
bool missingOnlyForNow(const QString& name);

// ---- Files that several PCs make and remove in one shared folder ----
// A data folder often lies on a school's share. There a file open on another PC cannot be deleted until it is
// closed (through FUSE one closed a moment ago may still count as open), an exclusive create is not exclusive
// on every mount (while making a folder is), hard links are refused, and a name that another PC makes or gives
// back just then gets odd answers for a while. What the layer does about it is here.

// How long a step waits out the answers a share gives for a name another PC makes or gives back at that moment
// (smbnetfs says "I/O error" for over 3 s), and tries again a removal that meets a file in use.
constexpr int kInUseMs = 5000;
// The age, on the share's clock, past which one of the program's helpers (a lock, a claim, a probe, a temporary
// file) counts as left behind by a PC that went down: no real step takes that long.
constexpr int kStaleMs = 30000;

// Whether an errno is what a share answers for a name that another PC makes or removes at that moment (or a file
// in use there): "invalid argument" and "busy" on gvfs, "I/O error" on smbnetfs. Such an answer is waited out,
// never a step's end, unless the name is one the file system refuses (Settling). (A listing of a folder being
// removed may also say "not a folder": that is where it is listed.)
bool passing(int err);
// Whether an errno says the file is in use on another PC (or was a moment ago), or being removed there.
bool inUse(int err);
// The I/O code that an errno of a step making or removing a file means (ioCodeFor, with a missing folder).
int ioCodeOf(int err);

// The index of the first character in `name` (one file or folder name) that a Windows PC or an SMB share refuses in
// a name: : " * ? < > | \ or a control character; -1 where there is none.
qsizetype refusedCharacterAt(const QString& name);
// The name along `path` (a real path) that the file system refuses: the last one that holds such a character and is
// not there; empty where there is none. A share answers every step on such a name as it answers for a name another
// PC makes or gives back at that moment (gvfs "invalid argument", smbnetfs "I/O error"), but at every try: that
// answer is its refusal. A name that is there was taken (on a local disk, or the mount point of a share).
QString refusedName(const QString& path);

// Pauses between the tries of a step that waits out a share's passing answers, up to kInUseMs. A step on a name the
// file system refuses (refusedName) is not waited for: the answer is said at once, as for any folder or file that
// cannot be made.
class Settling {
public:
    // `name`: the path the step makes, looks at or removes.
    explicit Settling(QString name = {})
        : m_name(std::move(name))
    {
        m_waited.start();
    }
    // Whether the step's name is one the file system refuses; asked of the disk once, where a step has failed.
    bool refuses();
    // Pauses and says true, or says false once the time is up or where the name is refused.
    bool again();

private:
    QString m_name;
    int m_refuses = -1; // not asked yet
    QElapsedTimer m_waited;
    int m_pause = 5;
};

// Removes the file or empty folder `path` (already resolved), waiting out for up to kInUseMs the answers of a share
// that has it in use or is settling its name. Returns 0, or the errno of the failure (ENOENT where it is gone
// already).
int removeShared(const QString& path);
// Removes the file `path` (already resolved; never a folder) in one step, waiting out the same answers.
int removeFile(const QString& path);
// What removePlainFile answers for a name that is no plain file (a folder, a link, anything else): it stays.
constexpr int kNotPlainFile = -2;
// Removes `path` (already resolved) only where it is a plain file, waiting out the same answers. `listed` is what
// the listing of its folder said it is (Entry::type). Where the listing did not say (DT_UNKNOWN, as gvfs lists), the
// name is looked at right before it goes: through FUSE that look is the lookup the removal needs anyway, so it costs
// no round trip of its own, where a look at every name beforehand costs one each. 0, kNotPlainFile, or the errno of
// the failure.
int removePlainFile(const QString& path, unsigned char listed);
// Puts the whole file `temp` in the place of the file `path` (both resolved, in one folder). A share may replace
// in two steps, the old file removed and then the new one renamed, and answer a failure between them: the rename is
// tried again while the answer is a passing one (or "exists": the old file in use elsewhere) or the old file is gone
// already, and one the share did although it answered a failure counts as done. 0, or the errno of the failure;
// the caller must not remove `temp` while `path` is missing, for it then is the only whole copy.
int replaceFile(const QString& temp, const QString& path);

// What createNew answers, where the caller does not wait for a name the share has not settled yet.
constexpr int kNameUnsettled = -1;
// Makes `bytes` the whole content of the new file `name`, which must not exist (also not in another letter case),
// and returns 0, IoFileExists where the name is taken (or being taken by another PC), IoUnsafeName where the file
// system refuses the name (refusedName), or the I/O code of the failure. The name is claimed with the folder
// ".<name>.neu" beside it (making a folder is exclusive on every share), the file is written whole inside the claim and
// renamed into place, so that it appears under its name only whole and two PCs never both get one name; nothing lists
// the folder. A claim left behind by a PC that went down is removed, with an empty file it left under the name.
// `waitForName` false: where the share still answers for the name as for one being made or given back elsewhere,
// kNameUnsettled at once rather than a wait, so that the caller may take another name.
int createNew(const QString& name, const QByteArray& bytes, bool waitForName = true);
// Writes all of `bytes` to the open file `fd`; false with errno set when any of it did not reach the file.
bool writeAll(int fd, const QByteArray& bytes);

// ---- What a PC that went down left ----
// Whether `name` is one of the program's helper files or folders that the next PC removes once it is stale: a
// claim ".<name>.neu" and its breaker ".<name>.neu~<stamp>", a probe of the share's clock ".uhr-<id>", a class
// list's temporary file ".neu-<id>.tmp".
bool isHelperName(const QString& name);
// Removes `path` where it is such a helper older than kStaleMs (with what a claim holds); a fresh one is left
// alone. True where it is gone now. A claim's file under its name is left to the caller.
bool removeIfStaleHelper(const QString& path);
// Removes the stale helpers in `folder` (a real path), and the empty file under the name of each stale claim:
// what a PC left that went down while making it. One listing of the folder; a look at a helper only where there is
// one.
void removeStaleHelpers(const QString& folder);
// The share's own time (ns since 1970), read from the time stamp of a probe folder made in `folder` and removed at
// once. 0 or the errno of the failure.
int probeShareTime(const QString& folder, qint64& nowNs);

// ---- Single steps, one round trip each: 0 or the errno ----
int makeDir(const QString& path);
int lookAt(const QString& path, struct stat& st); // lstat

// Tests: while set, a step of the layer ("mkdir", "lstat", "opendir", "rmdir", "unlink", "rename", "open", "read")
// on a path that the function is asked about answers the errno it returns instead of being done (0: done as usual),
// as a share answers while another PC makes or gives back that name; "read" answering kReadsNothing reads no byte,
// as gvfs reads a file another PC replaces; "share" answering anything but 0 for a path has it lie on a network share.
constexpr int kReadsNothing = -3;
void setShareAnswerForTests(std::function<int(const char* step, const QString& path)> answer);
// Tests: while set, a flush fails for every file whose real path the predicate accepts, as on a full disk.
void setWriteFailureForTests(std::function<bool(const QString& path)> failsFor);

} // namespace files

namespace files {

// The names of the regular files directly in `folder` (its path matched without regard to letter case), in the
// order the system gives them; folders, also links to folders, are left out. The stale helpers it meets are removed
// on the way (removeStaleHelpers), and an empty file a stale claim held is not listed. `err` gets 0, or the errno of a
// listing that failed, so that a folder that cannot be read is never taken for an empty one (ENOENT: there is
// no such folder).
QStringList listFiles(const QString& folder, int& err);
// Every name in the folder `path` (a real path, as on disk), folders included, unsorted; empty with `err` set
// where the listing failed.
QStringList listEntries(const QString& path, int& err);
// A name in a folder and what it is: DT_REG, DT_DIR, DT_LNK, or DT_UNKNOWN for anything else.
struct Entry {
    QString name;
    unsigned char type = 0;
};
// Every name in the folder `path` (a real path) with what it is, sorted by name: from the listing where the file
// system says it there; where it does not, as some shares do, by one look at the name, or DT_UNKNOWN where
// `lookUntold` is false. Empty with `err` set where the listing failed.
QList<Entry> listTyped(const QString& path, int& err, bool lookUntold = true);
// The same, where a name the listing does not tell is looked at only where `lookUntold(name)` says so, and is
// DT_UNKNOWN otherwise, also where the look failed.
QList<Entry> listTypedLooking(
    const QString& path, int& err, const std::function<bool(const QString& name)>& lookUntold);

} // namespace files
