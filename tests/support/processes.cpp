#include "support/processes.h"

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

int ChildProcesses::finish(QProcess* p, QString* output, int ms)
{
    const bool done = p->waitForFinished(ms);
    const QString text = QString::fromUtf8(p->readAll()).trimmed();
    if (output) *output = text;
    if (!done || p->exitStatus() != QProcess::NormalExit) return -1;
    return p->exitCode();
}
