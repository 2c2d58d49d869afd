#include "platform/filelock.h"

#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// How a lock is made, left and broken, and why no PC ever removes a lock another one holds.
//
// A lock L is a folder, made with mkdir: on every share tried, also where an exclusive file create is not
// exclusive, only one PC makes a folder of a name. Into it its holder puts its mark, a folder named by the PC,
// the process and a unique id. A PC holds the lock only where, reading L back after its mark is in, it finds
// its mark alone: two PCs that both think they made L (a share whose mkdir were not exclusive after all, or an
// L removed and remade between the two steps) see each other's mark, and the one that finds another mark takes
// its own out again. Nobody needs to open a file to learn who holds L, so no look of a waiting PC can keep the
// holder from removing it (a share refuses to delete a file open on another PC). The holder gives L back by
// removing its mark and then L; a removal that meets "in use", or L still counted as holding the mark just
// removed while another PC's look at it ends, is tried again for a while. A step that meets a lock being given
// back elsewhere at that moment takes it for one still there. A folder left without a mark (its maker went down
// between the two steps) counts as left behind after kEmptyStaleMs already.
//
// L is "stale" when its mark's time stamp lies more than kStaleMs before the share's own time: both come from
// the share, so a PC's clock plays no part. The share's time is read once per wait, from a folder made beside L
// and removed at once (the probe); from then on the time waited is added to it, so a wait for a held lock makes
// one probe, not one per try. A lock stamped at or after the share's time is live. The mark is a name made for
// this one hold, so its stamp cannot be an earlier lock's, which a share may keep showing for a moment.
//
// To break L a PC first makes L's breaker, the folder L + "~" + the mark (for an L whose mark was never put in,
// "e" and its stamp), with mkdir: two PCs that meet the same stale lock ask for the same breaker, one gets it.
// Holding it, the PC removes L's mark by its name, which fails where that mark is gone, and then L, which fails
// where another mark is in it. So a lock made anew after the old one went is never touched. A breaker left by a
// PC that went down while breaking is itself stale after kStaleMs and is broken the same way, up to a few
// levels.
//
// PCs running the earlier version of this program made L as a plain file with a line holding its mark, and
// broke it under the file L + "~" + that mark made exclusively. Such a lock is waited for while it is fresh and
// broken when stale under the same breaker name, so that such a PC and this one never break it both. Its line
// is read only when it is stale, when no holder will remove it any more.
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

bool denied(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

// What a share answers for a name whose removal another PC has begun a moment ago: gvfs says it is an invalid
// argument, smbnetfs an I/O error. A step that meets it tries again.
bool passing(int err)
{
    return files::passing(err);
}

int makeFolder(const QString& path)
{
    step();
    return files::makeDir(path);
}

int lookStep(const QString& path, struct stat& st)
{
    step();
    return files::lookAt(path, st);
}

int removeStep(const QString& path)
{
    step();
    return files::removeShared(path);
}

qint64 nsOf(const struct timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The names in a folder, sorted, or the errno of a failed listing.
int listFolder(const QString& path, QStringList& names)
{
    step();
    int err = 0;
    names = files::listEntries(path, err);
    names.sort();
    return err;
}

// The mark of this hold: who holds it, for a teacher who finds the folder (the PC and the program's process),
// and an id of its own.
QString ownMark()
{
    QString host = QSysInfo::machineHostName();
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9-]"));
    host.replace(unsafe, QStringLiteral("_"));
    if (host.isEmpty()) host = QStringLiteral("pc");
    return QStringLiteral("%1_%2_%3")
        .arg(host.left(40))
        .arg(QCoreApplication::applicationPid())
        .arg(QUuid::createUuid().toString(QUuid::Id128));
}

// A lock (or a breaker) as one look found it.
struct Look {
    enum class Kind { none, folder, file } kind = Kind::none;
    int err = 0; // a failed look: nothing is known
    // What names this very lock: its mark; "e" + the stamp of a folder without one; the earlier version's mark
    // of a file, read only when it is needed.
    QString mark;
    qint64 stampNs = 0; // on the share's clock
    bool empty = false; // a folder without a mark
    struct stat st { };
};

// How long a lock folder may be without its holder's mark. Its maker puts the mark in at once; one that stays
// without one was left by a PC that went down between the two steps, or by a release cut short. Removing it
// early is safe: only an empty folder is removed so, and a maker that meets its folder gone, or another mark in
// it, tries again.
constexpr int kEmptyStaleMs = 3000;

// The age past which `seen` is taken as left behind.
qint64 staleAfterMs(const Look& seen, int staleMs, int level)
{
    return level == 0 && seen.empty ? std::min(staleMs, kEmptyStaleMs) : staleMs;
}

// The mark in a lock file of the earlier version: the last word of its line where that is a 32-digit id, else
// its time stamp, size and file number, as that version named it.
QString fileMark(const QString& path, const struct stat& st)
{
    QByteArray content;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) content = f.read(4096);
    f.close();
    const QByteArray mark = content.trimmed().split(' ').last();
    if (mark.size() == 32 && std::all_of(mark.begin(), mark.end(), [](char c) { return std::isxdigit(uchar(c)); }))
        return QString::fromLatin1(mark);
    return QString::fromLatin1(QByteArray::number(nsOf(st.st_mtim), 16) + 's'
        + QByteArray::number(qint64(st.st_size), 16) + 'i' + QByteArray::number(quint64(st.st_ino), 16));
}

// Looks at `path` by its name and listing only. `withFileMark`: read the mark of an earlier version's file too.
Look look(const QString& path, bool withFileMark)
{
    Look l;
    if (const int err = lookStep(path, l.st)) {
        if (err != ENOENT) l.err = err;
        return l;
    }
    if (!S_ISDIR(l.st.st_mode)) {
        l.kind = Look::Kind::file;
        l.stampNs = nsOf(l.st.st_mtim);
        if (withFileMark) l.mark = fileMark(path, l.st);
        return l;
    }
    QStringList marks;
    if (const int err = listFolder(path, marks)) {
        // Gone between the two looks: there is no lock. A share may say of a folder removed a moment ago that it is
        // no folder.
        if (err != ENOENT && err != ENOTDIR) l.err = err;
        return l;
    }
    l.kind = Look::Kind::folder;
    if (marks.isEmpty()) {
        l.empty = true;
        l.stampNs = nsOf(l.st.st_mtim);
        l.mark = QStringLiteral("e") + QString::number(l.stampNs, 16);
        return l;
    }
    l.mark = marks.first();
    struct stat mark { };
    if (const int err = lookStep(path + u'/' + l.mark, mark)) {
        if (err == ENOENT) return look(path, withFileMark); // given back just now: look again
        l.err = err;
        return l;
    }
    l.stampNs = nsOf(mark.st_mtim);
    return l;
}

// The share's time, read once from a probe folder made beside the lock and then carried on by the local
// monotonic clock.
class ShareClock {
public:
    explicit ShareClock(QString folder)
        : m_folder(std::move(folder))
    {
    }
    // Reads the share's time, once. False where that cannot be done; err() says why.
    bool read()
    {
        if (m_read) return m_err == 0;
        m_read = true;
        step();
        // A probe that cannot be removed would stay beside the lists; rather than leave more, this PC stops probing.
        m_err = files::probeShareTime(m_folder, m_stampNs);
        m_since.start();
        return m_err == 0;
    }
    bool known() const { return m_read && m_err == 0; }
    int err() const { return m_err; }
    qint64 nowNs() const { return m_stampNs + m_since.nsecsElapsed(); }

private:
    QString m_folder;
    bool m_read = false;
    int m_err = 0;
    qint64 m_stampNs = 0;
    QElapsedTimer m_since;
};

enum class Broken {
    gone, // there is no such lock (any more): try to make it at once
    live, // held, or being broken by another PC: wait
    denied, // left behind, but this PC may not make or remove what breaking it needs
    failed, // the folder cannot be looked at
};

constexpr int kBreakerLevels = 3;

Broken fromErr(int err)
{
    if (passing(err)) return Broken::live;
    return denied(err) ? Broken::denied : Broken::failed;
}

// Removes the lock folder `path` once the mark `removed` (empty: none) is out of it. A share may still count a
// mark removed a moment ago as there while another PC's look at it ends; that is waited out within a bound. A
// folder that holds another mark is left alone. 0, or the errno of the failure.
int giveBack(const QString& path, const QString& removed)
{
    QElapsedTimer waited;
    waited.start();
    for (int pause = 5;; pause = std::min(pause * 2, 100)) {
        const int err = removeStep(path);
        if (err == ENOENT) return 0;
        if (err != ENOTEMPTY && err != EEXIST) return err;
        QStringList left;
        if (removed.isEmpty() || listFolder(path, left) != 0 || left != QStringList { removed }
            || waited.elapsed() >= files::kInUseMs)
            return err;
        QThread::msleep(ulong(pause));
    }
}

// Removes the lock `path` that `seen` found, only where it is still that lock.
int removeSeen(const QString& path, const Look& seen)
{
    if (seen.kind == Look::Kind::file) {
        const Look again = look(path, true);
        if (again.err) return again.err;
        if (again.kind != Look::Kind::file || again.mark != seen.mark) return 0;
        return removeStep(path);
    }
    // The mark by its name: a lock made anew carries another one. A folder without a mark goes only while it is
    // still without one.
    const bool marked = !seen.empty;
    if (marked) {
        const int err = removeStep(path + u'/' + seen.mark);
        if (err == ENOENT) return 0;
        if (err) return err;
    }
    const int err = giveBack(path, marked ? seen.mark : QString());
    return err == ENOTEMPTY || err == EEXIST ? 0 : err;
}

// Breaks the lock `path` that `seen` found where it is stale, as described at the top of this file.
Broken breakIfStale(const QString& path, Look seen, ShareClock& clock, int staleMs, int level, int& err)
{
    if (seen.kind == Look::Kind::none) return Broken::gone;
    if (!clock.read()) {
        err = clock.err();
        // A share that kept answering the probe so while PCs make and remove names beside it tells nothing of the
        // lock: it is waited for as a live one, and the wait ends busy, not as a failure of the share.
        return passing(err) ? Broken::live : Broken::denied;
    }
    // Zero or a negative age (a stamp after the share's time) is a live lock.
    if ((clock.nowNs() - seen.stampNs) / 1000000 <= staleAfterMs(seen, staleMs, level)) return Broken::live;
    if (seen.kind == Look::Kind::file && seen.mark.isEmpty()) {
        seen = look(path, true);
        if (seen.err) {
            err = seen.err;
            return fromErr(err);
        }
        if (seen.kind != Look::Kind::file) return Broken::live;
    }
    const QString breaker = path + u'~' + seen.mark;
    const int made = makeFolder(breaker);
    if (made == EEXIST) {
        // Another PC breaks it just now, or went down while breaking it.
        const Look b = look(breaker, false);
        if (b.err) {
            err = b.err;
            return fromErr(err);
        }
        if (level + 1 >= kBreakerLevels) {
            // The last breaker has none of its own. One this old was left by a PC that went down; left there, it
            // would keep the lock from ever being taken again. Being an empty folder, it goes only while empty.
            if (b.kind != Look::Kind::none && (clock.nowNs() - b.stampNs) / 1000000 > staleMs) removeStep(breaker);
            return Broken::live;
        }
        const Broken r = breakIfStale(breaker, b, clock, staleMs, level + 1, err);
        return r == Broken::denied || r == Broken::failed ? r : Broken::live;
    }
    if (made) {
        err = made;
        return fromErr(err);
    }
    Broken result = Broken::gone;
    if (const int removed = removeSeen(path, seen)) {
        err = removed;
        result = fromErr(err);
    }
    removeStep(breaker);
    return result;
}

// Removes what PCs that went down left in `folder` (files::removeStaleHelpers), looking at a folder no more
// than once in a while: what is left becomes stale only after kStaleMs anyway.
void removeLeftovers(const QString& folder)
{
    static QMutex mutex;
    static QHash<QString, QElapsedTimer> swept;
    {
        const QMutexLocker lock(&mutex);
        QElapsedTimer& last = swept[folder];
        if (last.isValid() && last.elapsed() < files::kStaleMs / 3) return;
        last.start();
    }
    files::removeStaleHelpers(folder);
}

// How often a long wait checks whether the lock has changed hands.
constexpr int kCheckHolderMs = 1000;

// Whether `path` is still the lock `seen` found, by one look at its name: a lock made anew is another folder (or
// file), with a time stamp of its own.
bool sameLock(const QString& path, const Look& seen)
{
    struct stat st { };
    if (lookStep(path, st) != 0) return seen.kind == Look::Kind::none;
    return seen.kind != Look::Kind::none && st.st_ino == seen.st.st_ino && nsOf(st.st_mtim) == nsOf(seen.st.st_mtim);
}

// Pauses `ms` between two tries, telling the window every kPauseMs or so, so that it goes on showing the wait
// while the share is left alone.
void pause(int ms)
{
    ms = std::max(ms, 0);
    const int slices = std::max(1, ms / FileLock::kPauseMs);
    for (int i = 0; i < slices; ++i) {
        if (waitObserver()) waitObserver()(FileLock::WaitPhase::pauses);
        QThread::msleep(ulong(ms / slices + (i < ms % slices ? 1 : 0)));
    }
}

int ioCode(int err)
{
    // A lock that is never made has nothing to do with a file of that name existing.
    const int code = files::ioCodeOf(err);
    return code == IoFileExists ? IoDiskWrite : code;
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
    const int made = makeFolder(m_path);
    m_passing = passing(made) ? made : 0;
    // A lock being given back on another PC just now is one still there.
    if (made == EEXIST || m_passing) return Outcome::exists;
    if (made) return failWith(made);
    m_mark = ownMark();
    const int marked = lineWriteFails() ? ENOSPC : makeFolder(m_path + u'/' + m_mark);
    if (marked == ENOENT || passing(marked)) {
        // A breaker of a lock without a mark took this one for it, or the share was still removing the one
        // before: try again.
        if (marked != ENOENT) giveBack(m_path, {});
        m_mark.clear();
        return Outcome::exists;
    }
    if (marked) {
        // A lock without a mark would be waited for by every PC until it is stale.
        giveBack(m_path, {});
        m_mark.clear();
        return failWith(marked);
    }
    QStringList marks;
    const int listed = listFolder(m_path, marks);
    if (listed == 0 && marks == QStringList { m_mark }) return Outcome::made;
    // Another PC made it at the same moment, or this PC cannot read it back: not held.
    if (removeStep(m_path + u'/' + m_mark) == 0) giveBack(m_path, m_mark);
    m_mark.clear();
    if (listed && listed != ENOENT && listed != ENOTDIR && !passing(listed)) return failWith(listed);
    return Outcome::exists;
}

FileLock::Outcome FileLock::failWith(int err)
{
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
    ShareClock clock(folder());
    // The lock as last looked at, and when this PC last looked or checked that it is still that lock.
    Look seen;
    bool looked = false;
    QElapsedTimer checked;
    // A lock this PC may not break (no right to make or remove files there, a probe that could not be removed):
    // it is waited for, and not looked at again.
    int cannotBreak = 0;
    // After a lock went, the next try comes at once, but only once before a pause: no path loops unpaused.
    bool triedAtOnce = false;
    // Whether a try or a look met the lock held: then a wait that ends on a passing answer ended on a busy lock.
    bool metHeld = false;
    int nextPauseMs = kPauseMs;
    for (;;) {
        const Outcome made = make();
        if (made != Outcome::exists) {
            m_status = made == Outcome::made ? Status::held : Status::failed;
            break;
        }
        metHeld = metHeld || !m_passing;
        Broken b = Broken::live;
        if (!cannotBreak && waited.elapsed() >= std::min(kLookAfterMs, waitMs)) {
            // A try that finds the lock held looks at it again only where the last look may be out of date:
            // the first time, or once the lock seen might be stale by now. Anything else is one mkdir per try.
            const bool mayBeStale
                = looked && clock.known() && (clock.nowNs() - seen.stampNs) / 1000000 > staleAfterMs(seen, staleMs, 0);
            // Where the pauses have grown long, one step now and then tells whether the lock has changed hands:
            // then PCs save one after the other, and this one tries often again so as to get its turn among them.
            if (looked && !seen.err && nextPauseMs >= kLongestPauseMs && checked.elapsed() >= kCheckHolderMs) {
                checked.start();
                if (!sameLock(m_path, seen)) {
                    nextPauseMs = kPauseMs;
                    looked = false;
                }
            }
            if (!looked || mayBeStale) {
                seen = look(m_path, false);
                looked = true;
                checked.start();
            }
            int err = seen.err;
            metHeld = metHeld || (!err && seen.kind != Look::Kind::none);
            if (passing(err))
                looked = false; // being given back or broken on another PC just now: look again at the next try
            else
                b = err ? fromErr(err) : breakIfStale(m_path, seen, clock, staleMs, 0, err);
            if (b == Broken::failed) {
                failWith(err);
                m_status = Status::failed;
                break;
            }
            if (b == Broken::denied) cannotBreak = err;
            if (b == Broken::gone) looked = false;
        }
        if (b == Broken::gone && !triedAtOnce) {
            triedAtOnce = true;
            continue;
        }
        if (waited.elapsed() >= waitMs) {
            // A lock this PC could not judge or break: where that is for want of rights, a reader may go on
            // without it; a share that ran full says so; one that kept a probe in use is a busy lock.
            if (cannotBreak && !files::inUse(cannotBreak)) {
                failWith(cannotBreak);
                m_status = Status::failed;
            } else if (m_passing && !metHeld) {
                // The share answered so to every try: no lock seen, a share that does not work.
                failWith(m_passing);
                m_status = Status::failed;
            } else {
                m_error.clear();
                m_status = Status::busy;
            }
            break;
        }
        if (!waiting && waitObserver()) waitObserver()(WaitPhase::begins);
        waiting = true;
        // The last try comes when the wait is up, not a long pause after it.
        pause(int(std::min<qint64>(nextPauseMs, waitMs - waited.elapsed())));
        nextPauseMs = std::min(kLongestPauseMs, nextPauseMs * 3 / 2);
        triedAtOnce = false;
    }
    if (waiting && waitObserver()) waitObserver()(WaitPhase::ends);
    if (m_status != Status::held) m_mark.clear();
    if (held()) removeLeftovers(folder());
}

FileLock::~FileLock()
{
    if (m_status != Status::held || m_mark.isEmpty()) return;
    // Only a lock that still carries this PC's mark is this PC's: one broken meanwhile has another in it.
    const int err = removeStep(m_path + u'/' + m_mark);
    if (err == 0) giveBack(m_path, m_mark);
}
