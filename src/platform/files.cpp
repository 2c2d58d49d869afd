#include "platform/files.h"

#include "platform/errors.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace files {
namespace {

QString normalise(const QString& name)
{
    QString n = name;
    n.replace(u'\\', u'/');
    static const QRegularExpression doubled(QStringLiteral("/{2,}"));
    n.replace(doubled, QStringLiteral("/"));
    return n;
}

// The entry of dir whose name equals part without regard to case; an exact match wins.
QString matchEntry(const QString& dir, const QString& part)
{
    if (QFileInfo::exists(dir + u'/' + part)) return part;
    const QStringList entries
        = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(part, Qt::CaseInsensitive) == 0) return e;
    return {};
}

std::function<bool(const QString&)>& writeFailure()
{
    static std::function<bool(const QString&)> failsFor;
    return failsFor;
}

bool& claimAlways()
{
    static bool always = false;
    return always;
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Where an exclusive create cannot be trusted: a FUSE file system, which makes a file in two steps (a look, then
// a create that the daemon may pass on without the exclusive flag). A kernel mount of a share and a local disk
// create exclusively on the server or disk itself.
bool createMayNotBeExclusive(const QString& folder)
{
    if (claimAlways()) return true;
    constexpr long kFuseMagic = 0x65735546;
    struct statfs fs { };
    return ::statfs(native(folder).constData(), &fs) == 0 && long(fs.f_type) == kFuseMagic;
}

// Runs `make` (0, or the errno of its failure) until it succeeds or the name `path` shows as taken. A share
// answers a make of a name that another PC makes, or gives back, at that moment with an odd error (an invalid
// argument, an I/O error) rather than "exists", and may show that PC's file only a moment later: such an answer
// is tried again for a while. 0, IoFileExists, or the I/O code of the failure.
int makeUnlessTaken(const QString& path, const std::function<int()>& make)
{
    QElapsedTimer waited;
    waited.start();
    for (int pause = 5;; pause = qMin(pause * 2, 100)) {
        const int err = make();
        if (err == 0) return 0;
        if (err == EEXIST) return IoFileExists;
        struct stat st { };
        if (::lstat(native(path).constData(), &st) == 0) return IoFileExists;
        if (!(inUse(err) || err == EIO) || waited.elapsed() >= kInUseMs) return ioCodeOf(err);
        QThread::msleep(ulong(pause));
    }
}

// Makes `path` new with `bytes`, under the claim where one is needed. 0 or an I/O code.
int writeNew(const QString& path, const QByteArray& bytes)
{
    struct stat st { };
    if (::lstat(native(path).constData(), &st) == 0) return IoFileExists;
    int fd = -1;
    const int made = makeUnlessTaken(path, [&] {
        fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd < 0 ? errno : 0;
    });
    if (made != 0) return made;
    // A file that holds something already is another PC's, opened by a create that was not exclusive.
    if (::fstat(fd, &st) == 0 && st.st_size != 0) {
        ::close(fd);
        return IoFileExists;
    }
    int err = 0;
    if (writeFailure() && writeFailure()(path))
        err = ENOSPC;
    else if (!writeAll(fd, bytes))
        err = errno;
    // A share may report a full disk only at the close.
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) return 0;
    // A cut file would take the name and pass for a whole one.
    removeShared(path);
    return ioCodeOf(err) == IoFileExists ? IoDiskWrite : ioCodeOf(err);
}

} // namespace

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

bool inUse(int err)
{
    // A share reports a name whose removal another PC has begun ("delete pending") as an invalid argument.
    return err == EBUSY || err == ETXTBSY || err == EAGAIN || err == EINVAL;
}

int ioCodeOf(int err)
{
    // A file step meets ENOENT where the folder it makes or removes something in is missing.
    const int code = ioCodeFor(err);
    return code == IoFileNotFound ? IoPathNotFound : code;
}

int removeShared(const QString& path)
{
    QElapsedTimer waited;
    waited.start();
    for (int pause = 5;; pause = qMin(pause * 2, 100)) {
        // Most that are removed so are folders: a folder is tried first, a file then.
        int r = ::rmdir(native(path).constData());
        if (r != 0 && errno == ENOTDIR) r = ::unlink(native(path).constData());
        if (r == 0) return 0;
        const int err = errno;
        if (!inUse(err) || waited.elapsed() >= kInUseMs) return err;
        QThread::msleep(ulong(pause));
    }
}

int createNew(const QString& name, const QByteArray& bytes)
{
    const QString path = resolve(name);
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir()) return IoPathNotFound;
    if (!createMayNotBeExclusive(info.absolutePath())) return writeNew(path, bytes);
    // The claim: a folder named after the file, made by one PC only. The other finds the name taken.
    const QString claim = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".neu");
    const int claimed
        = makeUnlessTaken(path, [&] { return ::mkdir(native(claim).constData(), 0777) == 0 ? 0 : errno; });
    if (claimed != 0) return claimed;
    const int result = writeNew(path, bytes);
    removeShared(claim);
    return result;
}

void setClaimForTests(bool always)
{
    claimAlways() = always;
}

QString resolve(const QString& name)
{
    const QString n = normalise(name);
    if (n.isEmpty()) return n;
    // Spelled as on disk all through: every component is its own exact match. One look instead of one per
    // component, which on a share is one round trip each.
    if (QFileInfo::exists(n)) return n;
    const bool absolute = n.startsWith(u'/');
    const bool trailing = n.endsWith(u'/') && n.size() > 1;
    const QStringList parts = n.split(u'/', Qt::SkipEmptyParts);
    QString path = absolute ? QStringLiteral("/") : QString();
    QString dirForLookup = absolute ? QStringLiteral("/") : QStringLiteral(".");
    bool onDisk = true;
    for (int i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (onDisk && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString found = matchEntry(dirForLookup, part);
            if (found.isEmpty())
                onDisk = false;
            else
                part = found;
        }
        if (!path.isEmpty() && !path.endsWith(u'/')) path += u'/';
        path += part;
        dirForLookup = path;
    }
    if (trailing) path += u'/';
    return path;
}

bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString child(const QString& folder, const QString& name)
{
    if (!isSafeName(name)) return {};
    QString f = normalise(folder);
    if (!f.isEmpty() && !f.endsWith(u'/')) f += u'/';
    return f + name;
}

bool exists(const QString& name)
{
    return QFileInfo::exists(resolve(name));
}

bool fileExists(const QString& name)
{
    return QFileInfo(resolve(name)).isFile();
}

bool dirExists(const QString& name)
{
    return QFileInfo(resolve(name)).isDir();
}

bool forceDirectories(const QString& name)
{
    const QString r = resolve(name);
    return !r.isEmpty() && QDir().mkpath(r);
}

bool deleteFile(const QString& name)
{
    const QString r = resolve(name);
    return QFileInfo(r).isFile() && QFile::remove(r);
}

bool removeDir(const QString& name)
{
    const QString r = resolve(name);
    return QFileInfo(r).isDir() && QDir().rmdir(r);
}

QStringList findFiles(const QString& folder, const QString& pattern)
{
    QString p = pattern;
    // "*.*" means every file, also those without an extension.
    if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    QDir dir(resolve(folder));
    if (!dir.exists()) return {};
    dir.setNameFilters({ p });
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QStringList findDirs(const QString& folder)
{
    QDir dir(resolve(folder));
    if (!dir.exists()) return {};
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString currentDir()
{
    return QDir::currentPath() + u'/';
}

bool setCurrentDir(const QString& name)
{
    return QDir::setCurrent(resolve(name));
}

bool flushAll(QFileDevice& f)
{
    if (writeFailure() && writeFailure()(f.fileName())) return false;
    return f.flush() && f.error() == QFileDevice::NoError;
}

bool commitSave(QSaveFile& f)
{
    if (!flushAll(f)) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

int writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? IoAccessDenied : IoPathNotFound;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        f.commit();
        return IoDiskWrite;
    }
    return commitSave(f) ? 0 : IoDiskWrite;
}

void setWriteFailureForTests(std::function<bool(const QString& path)> failsFor)
{
    writeFailure() = std::move(failsFor);
}

} // namespace files

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace files {

namespace {

// One walk over a folder: every name but "." and "..", or its regular files only. Empty with `err` set where the
// listing failed, so that a failure never reads as an empty folder.
QStringList walk(const QByteArray& path, bool filesOnly, int& err)
{
    err = 0;
    QStringList names;
    DIR* dir = ::opendir(path.constData());
    if (!dir) {
        err = errno;
        return names;
    }
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(dir);
        if (!e) {
            err = errno;
            break;
        }
        if (!filesOnly) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names << QFile::decodeName(e->d_name);
            continue;
        }
        bool file = e->d_type == DT_REG;
        // Some file systems (network shares among them) do not say what an entry is; a link says it of its target.
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st { };
            file = ::stat((path + '/' + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (file) names << QFile::decodeName(e->d_name);
    }
    ::closedir(dir);
    if (err != 0) names.clear();
    return names;
}

} // namespace

QStringList listFiles(const QString& folder, int& err)
{
    return walk(QFile::encodeName(resolve(folder)), true, err);
}

QStringList listEntries(const QString& path, int& err)
{
    return walk(QFile::encodeName(path), false, err);
}

} // namespace files
