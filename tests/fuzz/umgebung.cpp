#include "umgebung.h"

#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

QString datenordner()
{
    static const QString ordner = [] {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = { name, nullptr };
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
        static QTemporaryDir tmp;
        const QString programm = tmp.path() + QStringLiteral("/programm/");
        const QString daten = tmp.path() + QStringLiteral("/daten/");
        QDir().mkpath(programm);
        QDir().mkpath(daten + QStringLiteral("WORTList"));
        qputenv("TAVI_PROGRAMMORDNER", programm.toUtf8());
        // A message a reader gives goes nowhere: there is no one to read it.
        setErrorReporter([](const QString&) {});
        return daten;
    }();
    datpfad = ordner;
    return ordner;
}

QString datei(const QString& name, const uint8_t* data, size_t size)
{
    const QString pfad = datenordner() + name;
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) pruefen(false, "the input cannot be written");
    f.write(reinterpret_cast<const char*>(data), qint64(size));
    return pfad;
}

QByteArray bytes(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void pruefen(bool gut, const char* was)
{
    if (gut) return;
    std::fprintf(stderr, "fuzz: %s\n", was);
    std::abort();
}

} // namespace fuzz
