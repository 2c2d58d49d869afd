#include "platform/files.h"

#include "platform/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace files {
namespace {

QString normalise(const QString& name)
{
    QString n = name;
    n.replace(u'\\', u'/');
    static const QRegularExpression doubled(QStringLiteral("/{2,}"));
    n.replace(doubled, QStringLiteral("/"));
    return n;
}

// The entry of dir whose name equals part without regard to case; an exact match wins.
QString matchEntry(const QString& dir, const QString& part)
{
    if (QFileInfo::exists(dir + u'/' + part)) return part;
    const QStringList entries
        = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(part, Qt::CaseInsensitive) == 0) return e;
    return {};
}

std::function<bool(const QString&)>& writeFailure()
{
    static std::function<bool(const QString&)> failsFor;
    return failsFor;
}

} // namespace

QString resolve(const QString& name)
{
    const QString n = normalise(name);
    if (n.isEmpty()) return n;
    const bool absolute = n.startsWith(u'/');
    const bool trailing = n.endsWith(u'/') && n.size() > 1;
    const QStringList parts = n.split(u'/', Qt::SkipEmptyParts);
    QString path = absolute ? QStringLiteral("/") : QString();
    QString dirForLookup = absolute ? QStringLiteral("/") : QStringLiteral(".");
    bool onDisk = true;
    for (int i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (onDisk && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString found = matchEntry(dirForLookup, part);
            if (found.isEmpty())
                onDisk = false;
            else
                part = found;
        }
        if (!path.isEmpty() && !path.endsWith(u'/')) path += u'/';
        path += part;
        dirForLookup = path;
    }
    if (trailing) path += u'/';
    return path;
}

bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString child(const QString& folder, const QString& name)
{
    if (!isSafeName(name)) return {};
    QString f = normalise(folder);
    if (!f.isEmpty() && !f.endsWith(u'/')) f += u'/';
    return f + name;
}

bool exists(const QString& name)
{
    return QFileInfo::exists(resolve(name));
}

bool fileExists(const QString& name)
{
    return QFileInfo(resolve(name)).isFile();
}

bool dirExists(const QString& name)
{
    return QFileInfo(resolve(name)).isDir();
}

bool forceDirectories(const QString& name)
{
    const QString r = resolve(name);
    return !r.isEmpty() && QDir().mkpath(r);
}

bool deleteFile(const QString& name)
{
    const QString r = resolve(name);
    return QFileInfo(r).isFile() && QFile::remove(r);
}

bool removeDir(const QString& name)
{
    const QString r = resolve(name);
    return QFileInfo(r).isDir() && QDir().rmdir(r);
}

QStringList findFiles(const QString& folder, const QString& pattern)
{
    QString p = pattern;
    // "*.*" means every file, also those without an extension.
    if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    QDir dir(resolve(folder));
    if (!dir.exists()) return {};
    dir.setNameFilters({ p });
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QStringList findDirs(const QString& folder)
{
    QDir dir(resolve(folder));
    if (!dir.exists()) return {};
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString currentDir()
{
    return QDir::currentPath() + u'/';
}

bool setCurrentDir(const QString& name)
{
    return QDir::setCurrent(resolve(name));
}

bool flushAll(QFileDevice& f)
{
    if (writeFailure() && writeFailure()(f.fileName())) return false;
    return f.flush() && f.error() == QFileDevice::NoError;
}

bool commitSave(QSaveFile& f)
{
    if (!flushAll(f)) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

int writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? IoAccessDenied : IoPathNotFound;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        f.commit();
        return IoDiskWrite;
    }
    return commitSave(f) ? 0 : IoDiskWrite;
}

void setWriteFailureForTests(std::function<bool(const QString& path)> failsFor)
{
    writeFailure() = std::move(failsFor);
}

} // namespace files

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace files {

QStringList listFiles(const QString& folder, int& err)
{
    err = 0;
    QStringList names;
    const QByteArray path = QFile::encodeName(resolve(folder));
    DIR* dir = ::opendir(path.constData());
    if (!dir) {
        err = errno;
        return names;
    }
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(dir);
        if (!e) {
            err = errno;
            break;
        }
        bool file = e->d_type == DT_REG;
        // Some file systems (network shares among them) do not say what an entry is; a link says it of its target.
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st { };
            file = ::stat((path + '/' + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (file) names << QFile::decodeName(e->d_name);
    }
    ::closedir(dir);
    if (err != 0) names.clear();
    return names;
}

} // namespace files
