#include "platform/files.h"

#include "platform/errors.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QUuid>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
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

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

qint64 nsOf(const struct timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::function<bool(const QString&)>& writeFailure()
{
    static std::function<bool(const QString&)> failsFor;
    return failsFor;
}

std::function<int(const char*, const QString&)>& shareAnswer()
{
    static std::function<int(const char*, const QString&)> answer;
    return answer;
}

// The answer a test gives for a step instead of the system: 0 where it is done as usual.
int answered(const char* step, const QString& path)
{
    return shareAnswer() ? shareAnswer()(step, path) : 0;
}

int removeOnce(const QString& path)
{
    // Most that are removed so are folders: a folder is tried first, a file then.
    if (const int a = answered("rmdir", path)) return a;
    if (::rmdir(native(path).constData()) == 0) return 0;
    if (errno != ENOTDIR) return errno;
    if (const int a = answered("unlink", path)) return a;
    if (::unlink(native(path).constData()) == 0) return 0;
    // A folder again: the name was made anew between the two steps.
    return errno == EISDIR ? EBUSY : errno;
}

// Whether names in the folder (on device `dev`) that differ in letter case only are different names. A share
// matches names without regard to case itself, so that a name it does not find is not there in any case, and no
// listing is needed. Known once the folder's own name is found in the other case; until then (a local disk, where
// a look costs nothing, or a folder whose name has no letters or lies at a mount's root) case is taken to matter.
bool caseMatters(const QString& folder, dev_t dev)
{
    static QMutex mutex;
    static QSet<dev_t> caseBlind;
    {
        const QMutexLocker lock(&mutex);
        if (caseBlind.contains(dev)) return false;
    }
    const int cut = int(folder.lastIndexOf(u'/'));
    const QString own = folder.mid(cut + 1);
    QString other = own;
    for (QChar& c : other)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    struct stat st { };
    if (other == own || cut < 0 || ::stat(native(folder.left(cut + 1) + other).constData(), &st) != 0
        || st.st_dev != dev)
        return true;
    const QMutexLocker lock(&mutex);
    caseBlind.insert(dev);
    return false;
}

// The entry of the folder `dir` whose name equals `part` without regard to case, or an empty string.
QString matchEntry(const QString& dir, const QString& part)
{
    int err = 0;
    for (const QString& e : listEntries(dir, err))
        if (e.compare(part, Qt::CaseInsensitive) == 0) return e;
    return {};
}

// A name as found on disk: `whole` where every component is there (then `st` is what it is).
struct Found {
    QString path;
    bool whole = false;
    struct stat st { };
    // Why the last look failed, where it did.
    int err = 0;
};

// Looks the name up from its end: one look where it is spelled as on disk, a listing of a folder only where its
// file system tells letter case apart and the name as given is not in it.
Found find(const QString& n)
{
    Found f;
    if (::stat(native(n).constData(), &f.st) == 0) {
        f.path = n;
        f.whole = true;
        return f;
    }
    f.err = errno;
    const bool trailing = n.size() > 1 && n.endsWith(u'/');
    const QString body = trailing ? n.chopped(1) : n;
    const int cut = int(body.lastIndexOf(u'/'));
    const QString part = body.mid(cut + 1);
    Found dir;
    if (cut < 0) {
        dir.path = QStringLiteral(".");
        dir.whole = ::stat(".", &dir.st) == 0;
    } else if (cut == 0) {
        dir.path = QStringLiteral("/");
        dir.whole = ::stat("/", &dir.st) == 0;
    } else {
        dir = find(body.left(cut));
    }
    const QString prefix = cut < 0 ? QString() : cut == 0 ? QStringLiteral("/") : dir.path + u'/';
    f.path = prefix + part;
    if (dir.whole && S_ISDIR(dir.st.st_mode) && part != QLatin1String(".") && part != QLatin1String("..")) {
        if (dir.path != body.left(cut) && cut > 0) {
            // The folder is spelled otherwise on disk: the name as given may be in it.
            f.whole = ::stat(native(f.path).constData(), &f.st) == 0;
            f.err = f.whole ? 0 : errno;
        }
        if (!f.whole && caseMatters(dir.path, dir.st.st_dev)) {
            const QString found = matchEntry(dir.path, part);
            if (!found.isEmpty()) {
                f.path = prefix + found;
                f.whole = ::stat(native(f.path).constData(), &f.st) == 0;
                f.err = f.whole ? 0 : errno;
            }
        }
    } else if (!dir.whole)
        f.err = dir.err;
    if (trailing) f.path += u'/';
    return f;
}

// Whether `path` lies on a network share reached through FUSE or the kernel's SMB client, where a folder another
// PC is making or removing names in may be answered for as missing for a moment. Asked of the nearest folder
// that is there, only where a look has failed.
bool onShare(QString path)
{
    if (answered("share", path)) return true;
    for (;;) {
        struct statfs fs { };
        if (::statfs(native(path.isEmpty() ? QStringLiteral("/") : path).constData(), &fs) == 0) {
            const auto type = static_cast<unsigned long>(fs.f_type);
            return type == 0x65735546UL /* FUSE */ || type == 0xFE534D42UL /* SMB2 */ || type == 0xFF534D42UL /* CIFS */
                || type == 0x517BUL /* SMB */;
        }
        const int cut = int(path.lastIndexOf(u'/'));
        if (cut <= 0) return false;
        path.truncate(cut);
    }
}

// ---- The share's clock and what went stale ----

// The share's time for the device `dev`, read once by a probe in `folder` and carried on by the monotonic clock
// for a while: a clock probe costs three round trips, and a share's clock does not run away from the PC's within
// a minute.
int shareNow(const QString& folder, dev_t dev, qint64& nowNs)
{
    struct Reading {
        qint64 stampNs = 0;
        QElapsedTimer since;
    };
    static QMutex mutex;
    static QHash<dev_t, Reading> readings;
    constexpr qint64 kKeepMs = 60000;
    {
        const QMutexLocker lock(&mutex);
        const auto it = readings.constFind(dev);
        if (it != readings.constEnd() && it->since.elapsed() < kKeepMs) {
            nowNs = it->stampNs + it->since.nsecsElapsed();
            return 0;
        }
    }
    Reading r;
    if (const int err = probeShareTime(folder, r.stampNs)) return err;
    r.since.start();
    nowNs = r.stampNs;
    const QMutexLocker lock(&mutex);
    readings.insert(dev, r);
    return 0;
}

QString folderOf(const QString& path)
{
    const int cut = int(path.lastIndexOf(u'/'));
    return cut <= 0 ? (cut == 0 ? QStringLiteral("/") : QStringLiteral(".")) : path.left(cut);
}

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

bool isClaim(const QString& name)
{
    return name.size() > 5 && name.startsWith(u'.') && name.endsWith(QLatin1String(".neu"));
}

enum class Leftover {
    gone, // removed, or there is none (any more)
    fresh, // a PC at work, or one whose age cannot be told: left alone
    removing, // another PC removes it just now, or the share settles the name: look again in a moment
    failed, // cannot be removed from this PC
};

Leftover leftoverOf(int removed)
{
    if (removed == 0 || removed == ENOENT) return Leftover::gone;
    return passing(removed) ? Leftover::removing : Leftover::failed;
}

// Whether `st`, seen at `path`, is older than kStaleMs on the share's clock.
bool isStale(const QString& path, const struct stat& st)
{
    qint64 now = 0;
    // Where the share's time cannot be read (no right to make the probe) nothing is judged stale.
    return shareNow(folderOf(path), st.st_dev, now) == 0 && (now - nsOf(st.st_mtim)) / 1000000 > kStaleMs;
}

// Removes the stale claim `claim`, seen as `st`, under its breaker (as a lock left behind is broken: by one PC at a
// time, and only while it is still the claim judged), with what it holds and, where `unfinished`, an empty file its
// maker left under the claimed name (an earlier version made the file there before writing it).
Leftover removeClaim(const QString& claim, const struct stat& st, bool unfinished)
{
    const QString breaker = claim + u'~' + QString::number(nsOf(st.st_mtim), 16);
    const int made = makeDir(breaker);
    if (made == EEXIST) {
        // Another PC removes it just now, or went down while removing it.
        struct stat b { };
        if (lookAt(breaker, b) == 0 && isStale(breaker, b)) removeShared(breaker);
        return Leftover::removing;
    }
    if (made) return leftoverOf(made);
    Leftover result = Leftover::gone;
    struct stat again { };
    const int looked = lookAt(claim, again);
    if (looked == 0 && nsOf(again.st_mtim) == nsOf(st.st_mtim)) {
        int err = 0;
        for (const QString& inside : listEntries(claim, err))
            removeShared(claim + u'/' + inside);
        const QString file = folderOf(claim) + u'/' + nameOf(claim).mid(1).chopped(4);
        struct stat f { };
        if (unfinished && lookAt(file, f) == 0 && S_ISREG(f.st_mode) && f.st_size == 0) removeShared(file);
        result = leftoverOf(removeShared(claim));
    } else if (looked == 0) {
        result = Leftover::fresh; // a claim made anew
    } else {
        result = leftoverOf(looked);
    }
    removeShared(breaker);
    return result;
}

// Removes the helper `path` where it is stale. `unfinished`: a claim's empty file under its name too.
Leftover removeIfStale(const QString& path, bool unfinished)
{
    struct stat st { };
    const int looked = lookAt(path, st);
    if (looked) return leftoverOf(looked);
    if (!isStale(path, st)) return Leftover::fresh;
    if (S_ISDIR(st.st_mode) && isClaim(nameOf(path))) return removeClaim(path, st, unfinished);
    return leftoverOf(removeShared(path));
}

// Removes the stale helpers among `names` in `folder`: the names removed, the unfinished files of claims with them.
QStringList sweep(const QString& folder, const QStringList& names)
{
    QStringList removed;
    for (const QString& name : names) {
        if (!isHelperName(name)) continue;
        const QString path = folder + u'/' + name;
        const bool claim = isClaim(name);
        const QString file = name.mid(1).chopped(4);
        struct stat before { };
        const bool hadFile = claim && lookAt(folder + u'/' + file, before) == 0;
        if (removeIfStale(path, true) != Leftover::gone) continue;
        removed << name;
        struct stat after { };
        if (hadFile && lookAt(folder + u'/' + file, after) == ENOENT) removed << file;
    }
    return removed;
}

// ---- Making a new file ----

// Whether `path` is there: 0, ENOENT, or the errno of a look that failed. `anyCase`: in any letter case.
int lookForName(const QString& path, bool anyCase)
{
    struct stat st { };
    const int err = lookAt(path, st);
    if (err != ENOENT || !anyCase) return err;
    return matchEntry(folderOf(path), nameOf(path)).isEmpty() ? ENOENT : 0;
}

// Whether a rename of `temp` to `path` that a share answered with a failure was done all the same.
bool placedAnyway(const QString& temp, const QString& path)
{
    struct stat st { };
    return lookAt(temp, st) == ENOENT && lookAt(path, st) == 0;
}

// Writes `bytes` into `temp` inside the claim and renames it to `path`. 0 or an I/O code.
int writeAndPlace(const QString& temp, const QString& path, bool anyCase, const QByteArray& bytes, bool waitForName)
{
    Settling settling(path);
    for (;;) {
        const int err = lookForName(path, anyCase);
        if (err == 0) return IoFileExists;
        if (err == ENOENT) break;
        if (!passing(err)) return ioCodeOf(err);
        if (!waitForName) return kNameUnsettled;
        if (!settling.again()) return ioCodeOf(err);
    }
    int fd = -1;
    for (;;) {
        fd = ::open(native(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) break;
        const int err = errno;
        // The claim made a moment ago, not yet seen by the share's next step.
        if (!(passing(err) || err == ENOENT) || !settling.again()) {
            if (passing(err) && !waitForName) return kNameUnsettled;
            return ioCodeOf(err) == IoFileExists ? IoDiskWrite : ioCodeOf(err);
        }
        makeDir(folderOf(temp));
    }
    int err = 0;
    if (writeFailure() && writeFailure()(path))
        err = ENOSPC;
    else if (!writeAll(fd, bytes))
        err = errno;
    // A share may report a full disk only at the close.
    if (::close(fd) != 0 && err == 0) err = errno;
    for (bool plain = false; err == 0;) {
        // Where the file system cannot refuse to replace (FUSE says EINVAL), the claim keeps every maker of this
        // version away, and the look above found no file of another.
        int r = answered("rename", path);
        if (r == 0 && !plain) {
            r = ::renameat2(AT_FDCWD, native(temp).constData(), AT_FDCWD, native(path).constData(), RENAME_NOREPLACE)
                    == 0
                ? 0
                : errno;
            if (r == EINVAL || r == ENOSYS || r == ENOTSUP) {
                plain = true;
                continue;
            }
        } else if (r == 0) {
            r = ::rename(native(temp).constData(), native(path).constData()) == 0 ? 0 : errno;
        }
        if (r == 0) return 0;
        if (r == EEXIST || r == ENOTEMPTY) {
            removeShared(temp);
            return IoFileExists;
        }
        // A share may do the rename and still answer a failure; the claim keeps any other maker away.
        if (placedAnyway(temp, path)) return 0;
        if (!(passing(r) || r == ENOENT) || !settling.again()) err = r;
    }
    removeShared(temp);
    // Still settling: a caller that need not wait takes another name.
    if (passing(err) && !waitForName) return kNameUnsettled;
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

bool passing(int err)
{
    // A FUSE mount answers ESTALE where the name it knew was removed or made anew by another PC a moment ago.
    return inUse(err) || err == EIO || err == ESTALE;
}

int ioCodeOf(int err)
{
    // A file step meets ENOENT where the folder it makes or removes something in is missing.
    const int code = ioCodeFor(err);
    return code == IoFileNotFound ? IoPathNotFound : code;
}

qsizetype refusedCharacterAt(const QString& name)
{
    static const QString refused = QStringLiteral(":\"*?<>|\\");
    for (qsizetype i = 0; i < name.size(); ++i)
        if (name.at(i).unicode() < 0x20 || refused.contains(name.at(i))) return i;
    return -1;
}

QString refusedName(const QString& path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    for (;;) {
        const int cut = int(p.lastIndexOf(u'/'));
        const QString name = p.mid(cut + 1);
        // The last such name decides: the names below it hold none, and where it is there, so is every one above.
        if (refusedCharacterAt(name) >= 0) {
            struct stat st { };
            return lookAt(p, st) == 0 ? QString() : name;
        }
        if (cut <= 0) return {};
        p.truncate(cut);
    }
}

bool Settling::refuses()
{
    if (m_refuses < 0) m_refuses = !m_name.isEmpty() && !refusedName(m_name).isEmpty();
    return m_refuses == 1;
}

bool Settling::again()
{
    if (m_waited.elapsed() >= kInUseMs || refuses()) return false;
    QThread::msleep(ulong(m_pause));
    m_pause = qMin(m_pause * 2, 100);
    return true;
}

int makeDir(const QString& path)
{
    if (const int a = answered("mkdir", path)) return a;
    return ::mkdir(native(path).constData(), 0777) == 0 ? 0 : errno;
}

int lookAt(const QString& path, struct stat& st)
{
    if (const int a = answered("lstat", path)) return a;
    return ::lstat(native(path).constData(), &st) == 0 ? 0 : errno;
}

int removeFile(const QString& path)
{
    Settling settling(path);
    for (;;) {
        int err = answered("unlink", path);
        if (err == 0) err = ::unlink(native(path).constData()) == 0 ? 0 : errno;
        if (err == 0) return 0;
        if (!passing(err) || !settling.again()) return err;
    }
}

int removePlainFile(const QString& path, unsigned char listed)
{
    if (listed == DT_UNKNOWN) {
        struct stat st { };
        for (Settling settling(path);;) {
            const int err = lookAt(path, st);
            if (err == 0) break;
            if (!passing(err) || !settling.again()) return err;
        }
        if (!S_ISREG(st.st_mode)) return kNotPlainFile;
    } else if (listed != DT_REG) {
        return kNotPlainFile;
    }
    const int err = removeFile(path);
    // A folder made under the name since it was looked at.
    return err == EISDIR ? kNotPlainFile : err;
}

int replaceFile(const QString& temp, const QString& path)
{
    Settling settling(path);
    for (;;) {
        int err = answered("rename", path);
        if (err == 0) err = ::rename(native(temp).constData(), native(path).constData()) == 0 ? 0 : errno;
        if (err == 0 || placedAnyway(temp, path)) return 0;
        struct stat st { };
        const int left = lookAt(temp, st);
        const int old = lookAt(path, st);
        // A rename that replaces cannot find its name taken: "exists" is a share that could not remove the old
        // file just then (open on another PC), as "busy" is.
        if (!(passing(err) || err == EEXIST || passing(left) || old == ENOENT) || !settling.again()) return err;
    }
}

int removeShared(const QString& path)
{
    Settling settling(path);
    for (;;) {
        const int err = removeOnce(path);
        if (err == 0) return 0;
        if (!passing(err) || !settling.again()) return err;
    }
}

namespace {

// Whether a file that `path` could not be opened as may be on its way into place: its folder lists the name (the
// share answered for it while another PC replaced it), or a fresh temporary file of a new copy. One listing; a look
// at a temporary file only where there is one. A listing that fails with a passing answer counts too.
bool beingReplaced(const QString& path)
{
    int err = 0;
    const QString folder = folderOf(path);
    const QStringList names = listEntries(folder, err);
    if (err) return passing(err);
    const QString name = nameOf(path);
    QStringList temporary;
    for (const QString& n : names) {
        // A share matches names without regard to case, as the open did.
        if (n.compare(name, Qt::CaseInsensitive) == 0) return true;
        if (n.startsWith(QLatin1String(".neu-")) && isHelperName(n)) temporary << n;
    }
    for (const QString& t : temporary) {
        struct stat st { };
        const QString helper = folder + u'/' + t;
        const int looked = lookAt(helper, st);
        // Gone since the listing: renamed into place, most likely.
        if (looked == ENOENT || passing(looked)) return true;
        if (looked) continue;
        // One a PC that went down left is no new copy; the next that meets it removes it.
        if (!isStale(helper, st)) return true;
        removeShared(helper);
    }
    return false;
}

// How long after a new copy was renamed into a folder a share may still answer "no such file" for it and list
// neither it nor its temporary file: gvfs, where another PC renamed it, for about a quarter of a second, while the
// folder's stamp it shows lags up to a second behind.
constexpr qint64 kRenamedMs = 3000;

// Whether the folder of `path` was written a moment ago, on the share's clock: where a new copy has just been
// renamed into it. Where the share's time cannot be read (no right to make the probe), the PC's clock stands in:
// one that runs away from the share's only ever says "no", as before.
bool folderJustWritten(const QString& path)
{
    const QString folder = folderOf(path);
    struct stat st { };
    // Looked at before the share's time: a probe of it is made in this folder and would stamp it.
    if (lookAt(folder, st) != 0) return false;
    qint64 now = 0;
    if (shareNow(folder, st.st_dev, now) != 0) now = QDateTime::currentMSecsSinceEpoch() * 1000000;
    const qint64 age = (now - nsOf(st.st_mtim)) / 1000000;
    return age > -kRenamedMs && age < kRenamedMs;
}

// Whether a file that an open found missing may be on its way into place all the same: beingReplaced, or on a
// share a folder written a moment ago, where the name can be missing from the open and the listing alike while
// another PC renames a new copy over it. On a local disk "no such file" is the truth.
bool mayBeOnItsWay(const QString& path)
{
    return beingReplaced(path) || (onShare(path) && folderJustWritten(path));
}

// The size of the open file `fd` as the share has it now, past what the mount keeps: 0 or the errno.
int freshSize(int fd, qint64& size)
{
    struct statx sx { };
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &sx) != 0) return errno;
    size = qint64(sx.stx_size);
    return 0;
}

// One open and read of `path`: 0 with all its bytes, or the errno. A mount reads no further than the size it keeps
// of a file, and keeps the size it last saw for a while (gvfs and smbnetfs a second): where another PC put a longer
// copy in place meanwhile, the read would end short, with bytes of the new copy, so the size is asked of the share
// first. A read that ends short all the same, or reads nothing of a file that a second look finds bytes in (gvfs
// may say a file has none while another PC replaces it), is EAGAIN.
int readOnce(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    if (const int a = answered("open", path)) return a;
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    qint64 size = 0;
    int err = freshSize(fd, size);
    while (err == 0) {
        const qsizetype had = bytes.size();
        bytes.resize(had + 65536);
        ssize_t n = 0;
        if (const int a = answered("read", path); a > 0) {
            errno = a;
            n = -1;
        } else if (a == 0) {
            n = ::read(fd, bytes.data() + had, 65536);
        }
        bytes.resize(had + qMax<qsizetype>(n, 0));
        if (n > 0) continue;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        break;
    }
    if (err == 0 && bytes.isEmpty() && size == 0) err = freshSize(fd, size);
    if (err == 0 && bytes.size() < size) err = EAGAIN;
    ::close(fd);
    if (err) bytes.clear();
    return err;
}

} // namespace

int readShared(const QString& name, QByteArray& bytes)
{
    QString path = normalise(name);
    Settling settling(path);
    for (bool resolved = false;;) {
        const int err = readOnce(path, bytes);
        if (err == 0) return 0;
        // Spelled otherwise on disk: only where the name as given is not found is the real spelling looked for.
        if (err == ENOENT && !resolved) {
            resolved = true;
            const QString real = find(path).path;
            if (real != path) {
                path = real;
                continue;
            }
        }
        if (!(passing(err) || (err == ENOENT && mayBeOnItsWay(path))) || !settling.again()) return err;
    }
}

bool missingOnlyForNow(const QString& name)
{
    return mayBeOnItsWay(find(normalise(name)).path);
}

int probeShareTime(const QString& folder, qint64& nowNs)
{
    const QString probe = folder + QStringLiteral("/.uhr-") + QUuid::createUuid().toString(QUuid::Id128);
    int err = makeDir(probe);
    if (err) return err;
    struct stat st { };
    err = lookAt(probe, st);
    nowNs = nsOf(st.st_mtim);
    // A probe that stays would show up in the folder: where it cannot be removed, the reading counts as failed.
    const int removed = removeShared(probe);
    return err ? err : removed == ENOENT ? 0 : removed;
}

bool isHelperName(const QString& name)
{
    if (!name.startsWith(u'.')) return false;
    if (name.startsWith(QLatin1String(".uhr-"))) return name.size() > 5;
    if (name.startsWith(QLatin1String(".neu-")) && name.endsWith(QLatin1String(".tmp"))) return name.size() > 9;
    // A claim, or its breaker: ".<name>.neu~<stamp in hex>".
    static const QRegularExpression claim(QStringLiteral("^\\..+\\.neu(~[0-9a-f]+)?$"));
    return claim.match(name).hasMatch();
}

bool removeIfStaleHelper(const QString& path)
{
    return isHelperName(nameOf(path)) && removeIfStale(path, false) == Leftover::gone;
}

void removeStaleHelpers(const QString& folder)
{
    int err = 0;
    sweep(folder, listEntries(folder, err));
}

int createNew(const QString& name, const QByteArray& bytes, bool waitForName)
{
    const QString n = normalise(name);
    const int cut = int(n.lastIndexOf(u'/'));
    const QString leaf = n.mid(cut + 1);
    if (!isSafeName(leaf)) return IoPathNotFound;
    const QString given = cut < 0 ? QStringLiteral(".") : cut == 0 ? QStringLiteral("/") : n.left(cut);
    Found dir = find(given);
    // A share answers for a folder in which another PC makes or gives back a name as if it were gone, for a
    // moment: waited out there, never on a local disk, where "no such file" is the truth.
    for (Settling settling(given); !dir.whole && (passing(dir.err) || (dir.err == ENOENT && onShare(given)));) {
        if (!settling.again()) break;
        dir = find(given);
    }
    if (!dir.whole || !S_ISDIR(dir.st.st_mode)) return IoPathNotFound;
    // Where letter case tells names apart, one in another case is this name to the program all the same.
    const bool anyCase = caseMatters(dir.path, dir.st.st_dev);
    const QString folder = dir.path == QLatin1String("/") ? QString() : dir.path;
    const QString path = folder + u'/' + leaf;
    // The claim: a folder named after the file, made by one PC only. The other finds the name taken.
    const QString claim = folder + QStringLiteral("/.") + leaf + QStringLiteral(".neu");
    Settling settling(claim);
    for (;;) {
        const int err = makeDir(claim);
        if (err == 0) break;
        if (err == EEXIST) {
            // A PC at work on it, or one that went down while at it.
            const Leftover left = removeIfStale(claim, true);
            if ((left == Leftover::gone || left == Leftover::removing) && settling.again()) continue;
            return IoFileExists;
        }
        // The folder was found a moment ago: a "no such file" now is the share settling a name another PC made or
        // gave back (smbnetfs says so of the folder too, for a moment), waited out like its other passing answers.
        // A folder that is really gone is found so by the look at the start of the next try.
        if (!passing(err) && err != ENOENT) return ioCodeOf(err);
        // The share settles this name: another PC made it, or gave it back, just now.
        struct stat st { };
        if (lookAt(path, st) == 0) return IoFileExists;
        if (settling.refuses()) return IoUnsafeName;
        if (!waitForName) return kNameUnsettled;
        if (!settling.again()) return ioCodeOf(err);
    }
    const int result = writeAndPlace(claim + u'/' + leaf, path, anyCase, bytes, waitForName);
    removeShared(claim);
    return result;
}

void setShareAnswerForTests(std::function<int(const char* step, const QString& path)> answer)
{
    shareAnswer() = std::move(answer);
}

QString resolve(const QString& name)
{
    const QString n = normalise(name);
    if (n.isEmpty()) return n;
    return find(n).path;
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
    const QString n = normalise(name);
    return !n.isEmpty() && find(n).whole;
}

bool fileExists(const QString& name)
{
    const QString n = normalise(name);
    if (n.isEmpty()) return false;
    Found f = find(n);
    // A file another PC replaces just then is there all the same: no caller may take it for missing and act on that.
    for (Settling settling(f.path);
         !f.whole && (passing(f.err) || (f.err == ENOENT && beingReplaced(f.path))) && settling.again();)
        f = find(n);
    return f.whole && S_ISREG(f.st.st_mode);
}

bool dirExists(const QString& name)
{
    const QString n = normalise(name);
    const Found f = n.isEmpty() ? Found() : find(n);
    return f.whole && S_ISDIR(f.st.st_mode);
}

namespace {

// Makes the folder `path` (a real path) and its missing parents. A share may answer for a folder that another PC
// makes names in, or for one it makes at this moment, as if it were gone or not yet whole: waited out within the
// bound, while a real fault (no right, a full share, a file in the way) ends it at once.
bool makePath(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    for (Settling settling(path);;) {
        struct stat st { };
        int err = ::stat(native(path).constData(), &st) == 0 ? 0 : errno;
        if (err == 0) return S_ISDIR(st.st_mode);
        if (err == ENOENT) {
            const QString parent = folderOf(path);
            if (parent != path && parent != QLatin1String(".") && !makePath(parent)) return false;
            err = makeDir(path);
            if (err == 0) return true;
        }
        if (!(passing(err) || err == ENOENT || err == EEXIST) || !settling.again()) return false;
    }
}

} // namespace

bool forceDirectories(const QString& name)
{
    const QString r = resolve(name);
    return !r.isEmpty() && makePath(r);
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

namespace {

// Writes `bytes` into the open file `fd` and closes it: 0 or the errno. A share may tell of a full disk only when
// the file is flushed or closed; one that cannot flush says so, which is no failure.
int writeAndClose(int fd, const QString& path, const QByteArray& bytes, const struct stat* rights)
{
    if (rights) ::fchmod(fd, rights->st_mode & 07777);
    int err = writeFailure() && writeFailure()(path) ? ENOSPC : writeAll(fd, bytes) ? 0 : errno;
    if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

int writeNew(const QString& path, const QByteArray& bytes, const struct stat* rights)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    const int err = writeAndClose(fd, path, bytes, rights);
    if (err) ::unlink(native(path).constData());
    return err;
}

} // namespace

int writeNewFile(const QString& path, const QByteArray& bytes)
{
    return writeNew(path, bytes, nullptr);
}

WholeFile::WholeFile(const QString& path)
    : m_path(path)
{
}

WholeFile::~WholeFile()
{
    cancel();
}

int WholeFile::open()
{
    cancel();
    // The old file's rights go to the new one; a link is rewritten where it leads, and stays a link.
    m_hasOld = ::lstat(native(m_path).constData(), &m_old) == 0;
    if (m_hasOld && S_ISLNK(m_old.st_mode)) {
        const QString target = QFileInfo(m_path).canonicalFilePath();
        if (!target.isEmpty()) m_path = target;
        m_hasOld = ::stat(native(m_path).constData(), &m_old) == 0;
    }
    m_temp = folderOf(m_path) + QStringLiteral("/.neu-") + QUuid::createUuid().toString(QUuid::Id128)
        + QStringLiteral(".tmp");
    m_fd = ::open(native(m_temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd >= 0) return 0;
    m_temp.clear();
    return errno;
}

int WholeFile::commit()
{
    if (m_fd < 0) return EBADF;
    const struct stat* rights = m_hasOld ? &m_old : nullptr;
    int err = writeAndClose(m_fd, m_path, m_bytes, rights);
    m_fd = -1;
    if (err == 0) {
        err = replaceFile(m_temp, m_path);
        struct stat st { };
        if (err == 0)
            m_temp.clear();
        else if (lookAt(m_path, st) == ENOENT && (err = writeNew(m_path, m_bytes, rights)) != 0)
            m_temp.clear(); // the only whole copy of the content: kept
    }
    if (!m_temp.isEmpty()) removeFile(m_temp);
    m_temp.clear();
    m_bytes.clear();
    return err;
}

void WholeFile::cancel()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temp.isEmpty()) removeFile(m_temp);
    m_temp.clear();
    m_bytes.clear();
}

int replaceWhole(const QString& path, const QByteArray& bytes, bool* opened)
{
    WholeFile f(path);
    const int err = f.open();
    if (opened) *opened = err == 0;
    if (err) return err;
    f.add(bytes);
    return f.commit();
}

int writeWhole(const QString& path, const QByteArray& bytes)
{
    bool opened = false;
    if (replaceWhole(path, bytes, &opened) == 0) return 0;
    if (opened) return IoDiskWrite;
    return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? IoAccessDenied : IoPathNotFound;
}

void setWriteFailureForTests(std::function<bool(const QString& path)> failsFor)
{
    writeFailure() = std::move(failsFor);
}

} // namespace files

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace files {

namespace {

// Reads the folder `path`, handing every entry but "." and ".." to `take`; 0 or the errno of a listing that failed.
template <typename Take> int readFolder(const QByteArray& path, Take take)
{
    if (const int a = answered("opendir", QFile::decodeName(path))) return a;
    DIR* dir = ::opendir(path.constData());
    if (!dir) return errno;
    int err = 0;
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(dir);
        if (!e) {
            err = errno;
            break;
        }
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) take(*e);
    }
    ::closedir(dir);
    return err;
}

// One walk over a folder: every name but "." and "..", or its regular files only. Empty with `err` set where the
// listing failed, so that a failure never reads as an empty folder.
// `helpers` gets the names of the program's helpers that a walk over files only meets.
QStringList walk(const QByteArray& path, bool filesOnly, int& err, QStringList* helpers = nullptr)
{
    QStringList names;
    err = readFolder(path, [&](const dirent& e) {
        if (!filesOnly) {
            names << QFile::decodeName(e.d_name);
            return;
        }
        if (helpers && e.d_name[0] == '.' && isHelperName(QFile::decodeName(e.d_name)))
            *helpers << QFile::decodeName(e.d_name);
        bool file = e.d_type == DT_REG;
        // Some file systems (network shares among them) do not say what an entry is; a link says it of its target.
        if (e.d_type == DT_UNKNOWN || e.d_type == DT_LNK) {
            struct stat st { };
            file = ::stat((path + '/' + e.d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (file) names << QFile::decodeName(e.d_name);
    });
    if (err != 0) names.clear();
    return names;
}

} // namespace

QStringList listFiles(const QString& folder, int& err)
{
    const QString path = resolve(folder);
    QStringList helpers;
    QStringList names = walk(QFile::encodeName(path), true, err, &helpers);
    // What a PC that went down left is removed by the next that meets it; a file it left unfinished is no file.
    if (!helpers.isEmpty())
        for (const QString& removed : sweep(path, helpers))
            names.removeAll(removed);
    return names;
}

QStringList listEntries(const QString& path, int& err)
{
    return walk(QFile::encodeName(path), false, err);
}

QList<Entry> listTyped(const QString& path, int& err, bool lookUntold)
{
    return listTypedLooking(path, err, [lookUntold](const QString&) { return lookUntold; });
}

QList<Entry> listTypedLooking(const QString& path, int& err, const std::function<bool(const QString& name)>& lookUntold)
{
    QList<Entry> entries;
    const QByteArray folder = QFile::encodeName(path);
    err = readFolder(folder, [&](const dirent& e) {
        Entry entry { QFile::decodeName(e.d_name), e.d_type };
        if (entry.type == DT_UNKNOWN && !lookUntold(entry.name)) {
            entries << entry;
            return;
        }
        if (entry.type != DT_REG && entry.type != DT_DIR && entry.type != DT_LNK) {
            struct stat st { };
            const bool there = ::lstat((folder + '/' + e.d_name).constData(), &st) == 0;
            entry.type = !there       ? DT_UNKNOWN
                : S_ISREG(st.st_mode) ? DT_REG
                : S_ISDIR(st.st_mode) ? DT_DIR
                : S_ISLNK(st.st_mode) ? DT_LNK
                                      : DT_UNKNOWN;
        }
        entries << entry;
    });
    if (err != 0) entries.clear();
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

} // namespace files
