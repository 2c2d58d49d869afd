#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace folders {
namespace {
QString withSlash(QString p)
{
    if (!p.endsWith(u'/')) p += u'/';
    return p;
}

int g_writableForTest = -1;

bool programFolderWritable(const QString& folder)
{
    if (g_writableForTest >= 0) return g_writableForTest == 1;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// The installation folder as the executable's own installation lays it out (<prefix>/bin/tavi and
// <prefix>/share/tavi/installordner/), so that a program installed under any prefix finds its files.
QString besideProgram()
{
    return withSlash(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(TAVI_INSTALLORDNER_RELATIVE)));
}

bool installedBesideProgram()
{
    return QFileInfo(besideProgram()).isDir();
}

// An installed program keeps no settings beside its executable, not even where the account could write there.
bool runsInstalled()
{
    return qEnvironmentVariable("TAVI_PROGRAMMORDNER").isEmpty() && installedBesideProgram();
}
} // namespace

void setProgramFolderWritableForTest(int writable)
{
    g_writableForTest = writable;
}

QString settingsFolder()
{
    const QString programm = programFolder();
    const bool installiert = runsInstalled();
    if (!installiert && programFolderWritable(programm)) return programm;
    const QString eigen
        = withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) + QStringLiteral("tavi/");
    const QString klina = eigen + QStringLiteral("kl.ina");
    if (!QFileInfo::exists(klina)) {
        QDir().mkpath(eigen);
        // The user's own folder comes first in the lookup but holds no copy yet, so this finds the
        // administrator's preset in the system folders, if any.
        QString vorlage = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("tavi/kl.ina"));
        if (vorlage.isEmpty())
            vorlage = !installiert && QFileInfo::exists(programm + QStringLiteral("kl.ina"))
                ? programm + QStringLiteral("kl.ina")
                : installFolder() + QStringLiteral("kl.ina");
        // Copied under a temporary name first, so that a failed copy never leaves a half file that would be
        // taken for this PC's settings.
        const QString temp = klina + QStringLiteral(".neu");
        QFile::remove(temp);
        if (QFile::copy(vorlage, temp)) {
            QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            if (!QFile::rename(temp, klina)) QFile::remove(temp);
        }
    }
    return eigen;
}

QString programFolder()
{
    const QString env = qEnvironmentVariable("TAVI_PROGRAMMORDNER");
    if (!env.isEmpty()) return withSlash(env);
    return withSlash(QCoreApplication::applicationDirPath());
}

QString installFolder()
{
    if (installedBesideProgram()) return besideProgram();
    const QString source = QStringLiteral(TAVI_INSTALLORDNER_SOURCE);
    if (QFileInfo(source).isDir()) return withSlash(source);
    return withSlash(QStringLiteral(TAVI_INSTALLORDNER_INSTALLED));
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
