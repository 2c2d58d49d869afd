#pragma once
#include <QString>
#include <QStringList>

// File-system calls as the system uses them. Names are formed as datpfad + relative name; "\" and "/" are
// both separators and doubled separators collapse. Every component is matched without regard to letter
// case against what exists, so "wortlist" finds "WORTList" and "1b_03.txt" rewrites "1B_03.TXT".
namespace files {

// The real path that a name means: existing components as they are spelled on disk, the rest as given.
QString resolve(const QString& name);

// Joins a folder and one file or folder name taken from typed or stored data.
// Returns an empty string when the name could reach outside the folder (a separator, "..", ".", empty).
QString child(const QString& folder, const QString& name);
bool isSafeName(const QString& name);

bool exists(const QString& name); // file or folder
bool fileExists(const QString& name);
bool dirExists(const QString& name);

// Creates the folder and every missing parent.
bool forceDirectories(const QString& name);
bool deleteFile(const QString& name);
bool removeDir(const QString& name); // an empty folder only

// Names (not paths) of the regular files in folder that match pattern ("*.txt", "*.*", "ab??.txt"),
// case-insensitive, sorted.
QStringList findFiles(const QString& folder, const QString& pattern);
QStringList findDirs(const QString& folder);

QString currentDir();
bool setCurrentDir(const QString& name);

} // namespace files
