#pragma once
// A lock on a shared file that is read, changed and written back: a folder beside it, made by one PC only also
// on a share whose exclusive file create is not exclusive, so that PCs sharing a data folder over a network
// change the file one at a time. A lock is never kept for good: one older than any real change could take is
// taken to be left behind by a PC that went down and is broken, by one PC at a time. Its age is read on the
// share's own clock, so PCs whose clocks disagree still agree on it. How, in filelock.cpp. A PC that gets the lock
// also removes, once in a while, what PCs that went down left beside it (files::removeStaleHelpers).

#include "platform/files.h"

#include <QString>
#include <functional>

class FileLock final {
public:
    // How long a PC waits for another one's change to end, and the age past which a lock counts as left behind.
    static constexpr int kWaitMs = 5000;
    static constexpr int kStaleMs = files::kStaleMs;
    // The pause between two tries while the lock is held elsewhere: the first one, and the longest. Each pause is
    // half as long again as the one before, so that a lock given back after a save of tens of milliseconds is taken
    // a few tens of milliseconds later, while a long wait touches the share no more than a few times a second
    // (each try is a round trip to the server there). The window is told of the wait every kPauseMs or so.
    static constexpr int kPauseMs = 20;
    static constexpr int kLongestPauseMs = 250;
    // How long a PC waits before it first looks at a lock held elsewhere: most changes end sooner, and then the
    // wait has touched the share with nothing but its tries.
    static constexpr int kLookAfterMs = 100;

    enum class Status {
        held,
        // Another PC held it for the whole wait: nothing may be changed.
        busy,
        // The lock could not be made (no folder, no right to write there, the disk full); the reason is in
        // error(), and readOnly() says whether the folder may not be written from this PC.
        failed,
    };

    // Makes `path`, waiting up to waitMs (negative: the wait set for the program) while another holder has it.
    explicit FileLock(const QString& path, int waitMs = -1, int staleMs = kStaleMs);
    // Gives the lock back when it is held.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Status status() const { return m_status; }
    bool held() const { return m_status == Status::held; }
    QString error() const { return m_error; }
    // Failed because the lock's folder may not be written (or a lock left behind in it may not be removed) from
    // this PC: a reader can only look without the lock there.
    bool readOnly() const { return m_readOnly; }
    // The folder the lock lies in, for messages: a teacher knows the folder, not the lock file.
    QString folder() const;

    // Told when a lock is first found held elsewhere, every kPauseMs or so while the wait pauses, and when the
    // wait ends, so that a window can show that the program waits. One for the whole program.
    enum class WaitPhase { begins, pauses, ends };
    static void setWaitObserver(std::function<void(WaitPhase)> observer);

    // Tests: the wait of locks made without one of their own; negative restores kWaitMs.
    static void setWaitForTests(int waitMs);
    // Tests: putting the holder's mark into the lock fails as on a full disk.
    static void setLineWriteFailureForTests(bool fails);
    // Tests: a pause of `ms` before each step on a lock file, as on a slow share. Also read once from the
    // environment variable TAVI_SPERRE_SCHRITTPAUSE_MS, for tests that run several processes.
    static void setStepPauseForTests(int ms);

private:
    enum class Outcome { made, exists, failed };
    Outcome make();
    Outcome failWith(int err);
    QString m_path;
    Status m_status = Status::failed;
    QString m_error;
    bool m_readOnly = false;
    // The name of this PC's mark in the lock, while it holds it.
    QString m_mark;
    // How the share answered the last try where it said neither yes nor "exists" (filelock.cpp, passing()).
    int m_passing = 0;
};
