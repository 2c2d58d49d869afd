#pragma once
// Where a benchmark that writes files makes its folder: a temporary folder on the local disk, or in the folder
// TAVI_BENCH_ORDNER names (a share's mount, for the same steps on a school's file share).
#include <QDir>
#include <QString>

inline QString benchordner()
{
    const QString ordner = qEnvironmentVariable("TAVI_BENCH_ORDNER");
    return (ordner.isEmpty() ? QDir::tempPath() : ordner) + QStringLiteral("/tavi-XXXXXX");
}
