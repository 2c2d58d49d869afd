#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Other PCs on one data folder, each a process of its own running `program` (the lock tests' helper).
class ChildProcesses {
public:
    explicit ChildProcesses(QString program)
        : m_program(std::move(program))
    {
    }
    // Ends those still running.
    ~ChildProcesses();
    ChildProcesses(const ChildProcesses&) = delete;
    ChildProcesses& operator=(const ChildProcesses&) = delete;

    // Starts one; `environment` ("NAME=value") adds to this process's, `withoutRights` runs it as a user without
    // rights where the test runs as root (a test run as another user has none there anyway).
    QProcess* start(const QStringList& arguments, const QStringList& environment = {}, bool withoutRights = false);
    // Waits for one to end: its exit code, or -1 when it did not end in time or crashed. Its output goes to
    // `output`.
    static int finish(QProcess* p, QString* output = nullptr, int ms = 60000);

private:
    QString m_program;
    std::vector<std::unique_ptr<QProcess>> m_children;
};
