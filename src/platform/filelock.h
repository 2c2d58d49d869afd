#pragma once
// A lock on a shared file that is read, changed and written back: a plain file beside it, made with
// create-new semantics, so that PCs sharing a data folder over a network (Windows PCs among them) change the
// file one at a time. A lock is never kept for good: one whose file is older than any real change could take
// is taken to be left behind by a PC that went down and is taken over.

#include <QByteArray>
#include <QString>

class FileLock final {
public:
    // How long a PC waits for another one's change to end, and the age past which a lock counts as left behind.
    static constexpr int kWaitMs = 5000;
    static constexpr int kStaleMs = 30000;

    enum class Status {
        held,
        // Another PC held it for the whole wait: nothing may be changed.
        busy,
        // The lock file could not be made (no folder, no right to write); the reason is in error().
        failed,
    };

    // Makes `path`, waiting up to waitMs (negative: the wait set for the program) while another holder has it.
    explicit FileLock(const QString& path, int waitMs = -1, int staleMs = kStaleMs);
    // Removes the lock file when it is held.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Status status() const { return m_status; }
    bool held() const { return m_status == Status::held; }
    QString error() const { return m_error; }

    // Tests: the wait of locks made without one of their own; negative restores kWaitMs.
    static void setWaitForTests(int waitMs);

private:
    bool takeOverStale(int staleMs);
    QString m_path;
    Status m_status = Status::failed;
    QString m_error;
    QByteArray m_content;
};
