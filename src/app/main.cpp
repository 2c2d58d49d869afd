#include "app/programmkoerper.h"
#include "platform/application.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

enum class Auskunft { Keine, Version, Hilfe };

// Read before the application object exists, so that these answers need no display and touch no settings and
// no data folder. Qt's own options are single-dash words ("-platform", "-reverse"), so a single dash starts a
// word here, never letters run together; an option not asked about here goes on to Qt and the program as ever.
Auskunft gefragt(int argc, char** argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    if (argumente.isEmpty()) return Auskunft::Keine;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption version(QStringList { QStringLiteral("v"), QStringLiteral("version") });
    const QCommandLineOption hilfe(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOption(version);
    parser.addOption(hilfe);
    // An option it does not know makes it return false, yet the ones it knows are read all the same.
    parser.parse(argumente);
    if (parser.isSet(version)) return Auskunft::Version;
    if (parser.isSet(hilfe)) return Auskunft::Hilfe;
    return Auskunft::Keine;
}

const char* const kHilfe = "Aufruf: tavi [OPTION]\n"
                           "Mathematik der Grundschule lernen und lehren.\n"
                           "\n"
                           "Ohne Option öffnet TAVI sein Hauptfenster; beim ersten Start fragt es nach dem\n"
                           "Datenordner.\n"
                           "\n"
                           "Optionen:\n"
                           "  -h, --help     diese Hilfe anzeigen und beenden\n"
                           "  -v, --version  Version anzeigen und beenden\n";

// Output that cannot be written (to a full disk, say) ends as a failure, not as an answer given.
int ausgeben(const QByteArray& text)
{
    const bool geschrieben = std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size());
    return geschrieben && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    switch (gefragt(argc, argv)) {
    case Auskunft::Version:
        return ausgeben(QByteArrayLiteral("tavi " TAVI_VERSION "\n"));
    case Auskunft::Hilfe:
        return ausgeben(QByteArray(kHilfe));
    case Auskunft::Keine:
        break;
    }
    Application app(argc, argv);
    programmLaeuft();
    return 0;
}
