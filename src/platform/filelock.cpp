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

namespace {

// The age of a file by its own time stamp; negative when it is gone.
qint64 ageMs(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return -1;
    return info.lastModified().msecsTo(QDateTime::currentDateTime());
}

int& standardWait()
{
    static int wait = FileLock::kWaitMs;
    return wait;
}

} // namespace

void FileLock::setWaitForTests(int waitMs)
{
    standardWait() = waitMs < 0 ? kWaitMs : waitMs;
}

FileLock::FileLock(const QString& path, int waitMs, int staleMs)
    : m_path(path)
{
    if (waitMs < 0) waitMs = standardWait();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QFile f(m_path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // Who holds it, for a teacher who finds the file: the PC, the program's process and the time; and a
            // mark of this hold, so that a holder whose lock was taken over never removes the one that replaced it.
            m_content = QStringLiteral("%1 %2 %3 %4\r\n")
                            .arg(QSysInfo::machineHostName())
                            .arg(QCoreApplication::applicationPid())
                            .arg(QDateTime::currentDateTime().toString(Qt::ISODate))
                            .arg(QUuid::createUuid().toString(QUuid::Id128))
                            .toUtf8();
            f.write(m_content);
            f.close();
            m_status = Status::held;
            return;
        }
        if (!QFileInfo::exists(m_path)) {
            const bool folder = QFileInfo(QFileInfo(m_path).absolutePath()).isDir();
            m_error = IoError(folder ? IoAccessDenied : IoPathNotFound, m_path).message();
            m_status = Status::failed;
            return;
        }
        if (takeOverStale(staleMs)) continue;
        if (waited.elapsed() >= waitMs) {
            m_status = Status::busy;
            return;
        }
        QThread::msleep(20);
    }
}

bool FileLock::takeOverStale(int staleMs)
{
    if (ageMs(m_path) <= staleMs) return false;
    // Moved aside under a name of its own first: of several PCs that find the same lock left behind, only one
    // moves it, and none removes a lock that a quicker one has just made in its place.
    const QString aside = m_path + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128);
    if (!QFile::rename(m_path, aside)) return true; // another PC took it over first; try again
    if (ageMs(aside) > staleMs) {
        QFile::remove(aside);
        return true;
    }
    // It was made anew between the look and the move: it goes back to its holder.
    if (!QFile::rename(aside, m_path)) QFile::remove(aside);
    return false;
}

FileLock::~FileLock()
{
    if (m_status != Status::held) return;
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly)) return;
    const bool mine = f.readAll() == m_content;
    f.close();
    if (mine) f.remove();
}
