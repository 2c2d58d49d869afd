#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace folders {
namespace {
QString withSlash(QString p)
{
    if (!p.endsWith(u'/'))
        p += u'/';
    return p;
}
} // namespace

QString programFolder()
{
    const QString env = qEnvironmentVariable("TAVI_PROGRAMMORDNER");
    if (!env.isEmpty())
        return withSlash(env);
    return withSlash(QCoreApplication::applicationDirPath());
}

QString installFolder()
{
    const QString installed = QStringLiteral(TAVI_INSTALLORDNER_INSTALLED);
    const QString source = QStringLiteral(TAVI_INSTALLORDNER_SOURCE);
    const QString exeDir = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString prefix = QDir(installed + QStringLiteral("/../../..")).canonicalPath();
    const bool runsInstalled = !prefix.isEmpty() && exeDir.startsWith(prefix + u'/') && QFileInfo(installed).isDir();
    if (!runsInstalled && QFileInfo(source).isDir())
        return withSlash(source);
    return withSlash(installed);
}

QString proposedDataFolder()
{
    return withSlash(QDir::homePath() + QStringLiteral("/Tirmosak_Daten"));
}

QString programFileName()
{
    const QString exe = QCoreApplication::applicationFilePath();
    return exe.isEmpty() ? QStringLiteral("tavi") : QFileInfo(exe).fileName();
}

} // namespace folders
