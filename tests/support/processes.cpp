#include "support/processes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <unistd.h>

ChildProcesses::~ChildProcesses()
{
    for (const auto& p : m_children)
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(2000);
        }
}

QProcess* ChildProcesses::start(const QStringList& arguments, const QStringList& environment, bool withoutRights)
{
    auto* p = new QProcess;
    m_children.emplace_back(p);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& e : environment)
        env.insert(e.section(u'=', 0, 0), e.section(u'=', 1));
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::MergedChannels);
    if (withoutRights && ::geteuid() == 0)
        p->start(QStringLiteral("setpriv"),
            QStringList { "--reuid=nobody", "--regid=nogroup", "--clear-groups", m_program } + arguments);
    else
        p->start(m_program, arguments);
    return p;
}

namespace {

// Where a child hangs: its threads' system calls and, where gdb is there, their stacks. A child stuck on a share
// waits in a call the mount never answers; this says which one.
QString whereItHangs(qint64 pid)
{
    QString where;
    const QString proc = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(proc + u'/' + task + QStringLiteral("/syscall"));
        if (f.open(QIODevice::ReadOnly)) where += task + QStringLiteral(": ") + QString::fromUtf8(f.readAll());
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("gdb")).isEmpty()) {
        QProcess gdb;
        gdb.setProcessChannelMode(QProcess::MergedChannels);
        gdb.start(QStringLiteral("gdb"),
            { "-p", QString::number(pid), "-batch", "-ex", "thread apply all bt" });
        if (gdb.waitForFinished(30000)) where += QString::fromUtf8(gdb.readAll());
        else gdb.kill();
    }
    return where;
}

} // namespace

int ChildProcesses::finish(QProcess* p, QString* output, int ms)
{
    const bool done = p->waitForFinished(ms);
    QString text = QString::fromUtf8(p->readAll()).trimmed();
    if (!done && p->state() == QProcess::Running)
        text += QStringLiteral("\n[hängt nach %1 ms]\n").arg(ms) + whereItHangs(p->processId());
    if (output) *output = text;
    else if (!done) fprintf(stderr, "%s\n", qPrintable(text));
    if (!done || p->exitStatus() != QProcess::NormalExit) return -1;
    return p->exitCode();
}
