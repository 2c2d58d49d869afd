#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QFileDevice;
class QSaveFile;

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

bool exists(const QString& name); // file or folder
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
// Ends a whole-file rewrite: the temporary file replaces the old one only when every byte was written;
// otherwise it is thrown away, the old file stays whole and the result is false.
bool commitSave(QSaveFile& f);
// Writes `bytes` as the whole new content of `path` (already resolved) through a temporary file beside it.
// Returns 0 or the I/O code of the failure (access denied, path not found, disk write error).
int writeWhole(const QString& path, const QByteArray& bytes);

// ---- Files that several PCs make and remove in one shared folder ----
// A data folder often lies on a school's share. There a file open on another PC cannot be deleted until it is
// closed (through FUSE one closed a moment ago may still count as open), an exclusive create is not exclusive
// on every mount (while making a folder is), and hard links are refused. What the layer does about it is here.

// How long a removal that meets a file in use tries again.
constexpr int kInUseMs = 2000;
// Removes the file or empty folder `path` (already resolved), trying again for up to kInUseMs while the share
// says it is in use. Returns 0, or the errno of the failure (ENOENT where it is gone already).
int removeShared(const QString& path);
// Makes `bytes` the whole content of the new file `name`, which must not exist: two PCs that make the same name
// at the same moment never both get it, also where the share's exclusive create is not exclusive (there the name
// is first claimed by making a folder beside it, which is). A file that was made but not written whole (a full
// share reports that only at its close) is removed again. Returns 0, IoFileExists where the name is taken (or
// being taken by another PC), or the I/O code of the failure.
int createNew(const QString& name, const QByteArray& bytes);
// Writes all of `bytes` to the open file `fd`; false with errno set when any of it did not reach the file.
bool writeAll(int fd, const QByteArray& bytes);
// Whether an errno says the file is in use on another PC (or was a moment ago), or being removed there.
bool inUse(int err);
// The I/O code that an errno of a step making or removing a file means (ioCodeFor, with a missing folder).
int ioCodeOf(int err);

// Tests: createNew claims every name first, as on a share whose exclusive create cannot be trusted.
void setClaimForTests(bool always);
// Tests: while set, a flush fails for every file whose real path the predicate accepts, as on a full disk.
void setWriteFailureForTests(std::function<bool(const QString& path)> failsFor);

} // namespace files

namespace files {

// The names of the regular files directly in `folder` (its path matched without regard to letter case), in the
// order the system gives them; folders, also links to folders, are left out. `err` gets 0, or the errno of a
// listing that failed, so that a folder that cannot be read is never taken for an empty one (ENOENT: there is
// no such folder).
QStringList listFiles(const QString& folder, int& err);
// Every name in the folder `path` (a real path, as on disk), folders included, unsorted; empty with `err` set
// where the listing failed.
QStringList listEntries(const QString& path, int& err);

} // namespace files
