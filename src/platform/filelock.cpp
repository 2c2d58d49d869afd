#include "platform/filelock.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// How a lock left behind is broken, and why no PC ever removes a lock another one holds.
//
// Every step uses plain POSIX calls on the lock's folder: create-new (O_EXCL), read, unlink. Nothing is ever
// renamed or copied onto a lock file, so no step can put a file in the place of one another PC has made.
//
// A lock L is "stale" when its time stamp lies more than kStaleMs before the time stamp the share gives a file
// made beside it at that moment: both stamps come from the share, so a PC's own clock plays no part. A lock's
// holder removes it after a change that takes milliseconds; one that is kStaleMs old belongs to a PC that went
// down, which will not touch it again. From then on nobody but a breaker removes it.
//
// To break L a PC first takes L's breaker: the file L + "~" + the mark of this very lock (the unique mark in its
// line, or, for a lock whose line was never written, its time stamp, size and file number), made with O_EXCL.
// Holding it, the PC opens L again; only where L still carries that mark does it unlink L.
//   - Two PCs that meet the same stale lock ask for the same breaker name: one of them gets it.
//   - Between the look under the breaker and the unlink, L stays that same stale lock: its holder is gone, and
//     any other breaker of it would need the breaker this PC holds. A breaker that looked at an older lock in
//     this place finds another mark under its breaker and leaves the file alone.
//   - A lock made anew after the unlink carries another mark, so a slow breaker of the old one never removes it.
// A breaker left by a PC that went down while breaking is itself stale after kStaleMs and is broken the same
// way (its own breaker is its name + "~" + its mark), up to a few levels.
namespace {

int& standardWait()
{
    static int wait = FileLock::kWaitMs;
    return wait;
}

bool& lineWriteFails()
{
    static bool fails = false;
    return fails;
}

int& stepPause()
{
    static int ms = qEnvironmentVariableIntValue("TAVI_SPERRE_SCHRITTPAUSE_MS");
    return ms;
}

std::function<void(FileLock::WaitPhase)>& waitObserver()
{
    static std::function<void(FileLock::WaitPhase)> observer;
    return observer;
}

void step()
{
    if (stepPause() > 0) QThread::msleep(ulong(stepPause()));
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

bool denied(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

int ioCode(int err)
{
    if (denied(err)) return IoAccessDenied;
    if (err == ENOENT || err == ENOTDIR) return IoPathNotFound;
    return IoDiskWrite;
}

qint64 nsOf(const struct timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Writes all of `bytes`; false with errno set when any of it did not reach the file.
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

// Makes `path` new with `content`. 0, or the errno of the failure; a file that was made but not written whole
// is removed again at once.
int createWith(const QString& path, const QByteArray& content, bool failWrite = false)
{
    step();
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    step();
    bool ok = !failWrite && writeAll(fd, content);
    int err = ok ? 0 : (failWrite ? ENOSPC : errno);
    if (::close(fd) != 0 && ok) { // a network share may report a full disk only now
        ok = false;
        err = errno;
    }
    if (!ok) ::unlink(native(path).constData());
    return err;
}

// A lock as one look found it.
struct Look {
    int err = 0; // errno of a failed look; ENOENT: there is no lock
    QByteArray content;
    struct stat st { };
};

Look look(const QString& path)
{
    Look l;
    step();
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        l.err = errno;
        return l;
    }
    if (::fstat(fd, &l.st) != 0) l.err = errno;
    char buffer[512];
    ssize_t n = 0;
    while (!l.err && (n = ::read(fd, buffer, sizeof buffer)) > 0 && l.content.size() < 4096)
        l.content.append(buffer, n);
    if (n < 0) l.err = errno;
    ::close(fd);
    return l;
}

// What names this very lock and no other: the mark in its line, or where the line was never written its time
// stamp, size and file number.
QByteArray markOf(const Look& l)
{
    const QByteArray mark = l.content.trimmed().split(' ').last();
    if (mark.size() == 32 && std::all_of(mark.begin(), mark.end(), [](char c) { return std::isxdigit(uchar(c)); }))
        return mark;
    return QByteArray::number(nsOf(l.st.st_mtim), 16) + 's' + QByteArray::number(qint64(l.st.st_size), 16) + 'i'
        + QByteArray::number(quint64(l.st.st_ino), 16);
}

// The age of the lock `l` (lying in `folder`) on the share's clock: the time stamp of a file made beside it
// now, less its own. Negative with `err` set where no file can be made there.
qint64 ageOnShare(const Look& l, const QString& folder, int& err)
{
    const QString probe = folder + QStringLiteral("/.uhr-") + QUuid::createUuid().toString(QUuid::Id128);
    step();
    const int fd = ::open(native(probe).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    // Some servers stamp a file at its first write rather than when it is made.
    const bool written = ::write(fd, "\r\n", 2) == 2;
    struct stat st { };
    const bool stamped = ::fstat(fd, &st) == 0;
    ::close(fd);
    ::unlink(native(probe).constData());
    if (!written || !stamped) {
        err = written ? errno : ENOSPC;
        return -1;
    }
    return (nsOf(st.st_mtim) - nsOf(l.st.st_mtim)) / 1000000;
}

QByteArray ownLine()
{
    // Who holds it, for a teacher who finds the file: the PC, the program's process and the time; and a mark of
    // this hold, so that a holder whose lock was broken never removes the one that replaced it.
    return QStringLiteral("%1 %2 %3 %4\r\n")
        .arg(QSysInfo::machineHostName())
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentDateTime().toString(Qt::ISODate))
        .arg(QUuid::createUuid().toString(QUuid::Id128))
        .toUtf8();
}

// Removes `path` only while it holds `content`.
void removeIfMine(const QString& path, const QByteArray& content)
{
    const Look l = look(path);
    if (l.err == 0 && l.content == content) {
        step();
        ::unlink(native(path).constData());
    }
}

enum class Broken {
    gone, // there is no such lock (any more): try to make it at once
    live, // held, or being broken by another PC: wait
    denied, // left behind, but this PC may not make or remove files there
    failed, // the folder cannot be looked at
};

constexpr int kBreakerLevels = 3;

// Breaks the lock `path` where it is stale, as described at the top of this file.
Broken breakIfStale(const QString& path, const QString& folder, int staleMs, int level, int& err)
{
    const Look first = look(path);
    if (first.err == ENOENT) return Broken::gone;
    if (first.err) {
        err = first.err;
        return denied(err) ? Broken::denied : Broken::failed;
    }
    const qint64 age = ageOnShare(first, folder, err);
    if (age < 0) return denied(err) ? Broken::denied : Broken::failed;
    if (age <= staleMs) return Broken::live;

    const QByteArray mark = markOf(first);
    const QString breaker = path + u'~' + QString::fromLatin1(mark);
    const QByteArray mine = ownLine();
    const int made = createWith(breaker, mine);
    if (made == EEXIST) {
        // Another PC breaks it just now, or went down while breaking it.
        if (level + 1 >= kBreakerLevels) return Broken::live;
        const Broken b = breakIfStale(breaker, folder, staleMs, level + 1, err);
        return b == Broken::denied || b == Broken::failed ? b : Broken::live;
    }
    if (made != 0) {
        err = made;
        return denied(err) ? Broken::denied : Broken::failed;
    }
    Broken result = Broken::gone;
    const Look again = look(path);
    if (again.err == 0 && markOf(again) == mark) {
        step();
        if (::unlink(native(path).constData()) != 0 && errno != ENOENT) {
            err = errno;
            result = denied(err) ? Broken::denied : Broken::failed;
        }
    } else if (again.err != 0 && again.err != ENOENT) {
        err = again.err;
        result = denied(err) ? Broken::denied : Broken::failed;
    }
    removeIfMine(breaker, mine);
    return result;
}

} // namespace

void FileLock::setWaitForTests(int waitMs)
{
    standardWait() = waitMs < 0 ? kWaitMs : waitMs;
}

void FileLock::setLineWriteFailureForTests(bool fails)
{
    lineWriteFails() = fails;
}

void FileLock::setStepPauseForTests(int ms)
{
    stepPause() = ms;
}

void FileLock::setWaitObserver(std::function<void(WaitPhase)> observer)
{
    waitObserver() = std::move(observer);
}

QString FileLock::folder() const
{
    return QFileInfo(m_path).absolutePath();
}

FileLock::Outcome FileLock::make()
{
    m_content = ownLine();
    const int err = createWith(m_path, m_content, lineWriteFails());
    if (err == 0) return Outcome::made;
    if (err == EEXIST) return Outcome::exists;
    // A lock whose line could not be written is gone again already, so no PC waits for it.
    m_readOnly = denied(err);
    m_error = IoError(ioCode(err), folder()).message();
    return Outcome::failed;
}

FileLock::FileLock(const QString& path, int waitMs, int staleMs)
    : m_path(path)
{
    if (waitMs < 0) waitMs = standardWait();
    QElapsedTimer waited;
    waited.start();
    bool waiting = false;
    // A lock this PC may not break, for want of the right to write there.
    int deniedErr = 0;
    // After a lock went, the next try comes at once, but only once before a pause: no path loops unpaused.
    bool triedAtOnce = false;
    for (;;) {
        const Outcome made = make();
        if (made != Outcome::exists) {
            m_status = made == Outcome::made ? Status::held : Status::failed;
            break;
        }
        int err = 0;
        const Broken b = breakIfStale(m_path, folder(), staleMs, 0, err);
        if (b == Broken::failed) {
            m_error = IoError(ioCode(err), folder()).message();
            m_status = Status::failed;
            break;
        }
        if (b == Broken::denied) deniedErr = err;
        if (b == Broken::gone && !triedAtOnce) {
            triedAtOnce = true;
            continue;
        }
        if (waited.elapsed() >= waitMs) {
            if (deniedErr) {
                m_readOnly = true;
                m_error = IoError(ioCode(deniedErr), folder()).message();
                m_status = Status::failed;
            } else {
                m_status = Status::busy;
            }
            break;
        }
        if (!waiting && waitObserver()) waitObserver()(WaitPhase::begins);
        waiting = true;
        if (waitObserver()) waitObserver()(WaitPhase::pauses);
        QThread::msleep(kPauseMs);
        triedAtOnce = false;
    }
    if (waiting && waitObserver()) waitObserver()(WaitPhase::ends);
    if (m_status != Status::held) m_content.clear();
}

FileLock::~FileLock()
{
    if (m_status == Status::held) removeIfMine(m_path, m_content);
}
