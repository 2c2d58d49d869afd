// Feeds each file of the given corpus folders (or files) to the fuzz target once, as a plain test does: the
// corpus of damaged files runs with every build, the sanitizer build included, also where no libFuzzer is.

#include "umgebung.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList dateien;
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                dateien << it.next();
            dateien.sort();
        } else {
            dateien << arg;
        }
        for (const QString& d : dateien) {
            QFile f(d);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(d));
                return 1;
            }
            const QByteArray b = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
            ++anzahl;
        }
    }
    std::printf("%d inputs replayed\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
