#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Name, state and parent of a process from /proc/<pid>/stat: "pid (name) state ppid ...".
struct Prozess {
    QByteArray name;
    char zustand = 0;
    qint64 eltern = 0;
};

Prozess prozess(const QString& pid)
{
    QFile f(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray s = f.readAll();
    const int auf = s.indexOf('('), zu = s.lastIndexOf(')');
    const QList<QByteArray> rest = s.mid(zu + 2).split(' ');
    if (auf < 0 || zu < auf || rest.size() < 2) return {};
    return { s.mid(auf + 1, zu - auf - 1), rest[0].at(0), rest[1].toLongLong() };
}

// A process that has ended may stay a zombie until its new parent collects it.
bool laeuft(const QString& pid)
{
    const Prozess p = prozess(pid);
    return p.zustand != 0 && p.zustand != 'Z';
}

} // namespace

// A keyboard test that crashes, aborts or is killed by ctest's timeout leaves no X server behind: a test process
// of this program, killed once its X server runs, takes the server with it.
TEST(XServerTest, EndsWithItsTestProcessEvenWhenThatIsKilled)
{
    if (qEnvironmentVariableIsSet("TAVI_XSERVER_KIND")) {
        std::puts("bereit");
        std::fflush(stdout);
        // Until the parent test closes its end of the pipe, as it does when it ends or dies: a child left
        // behind would keep its X server up.
        while (std::fgetc(stdin) != EOF) { }
        return;
    }
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("TAVI_XSERVER_KIND"), QStringLiteral("1"));
    umgebung.insert(QStringLiteral("TAVI_X11_SCREEN"), QStringLiteral("640x480"));
    kind.setProcessEnvironment(umgebung);
    kind.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--gtest_filter=XServerTest.EndsWithItsTestProcessEvenWhenThatIsKilled") });
    QByteArray ausgabe;
    while (!ausgabe.contains("bereit") && kind.waitForReadyRead(20000))
        ausgabe += kind.readAllStandardOutput();
    ASSERT_TRUE(ausgabe.contains("bereit")) << ausgabe.constData();

    QStringList server;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
        if (const Prozess p = prozess(pid); p.name == "Xvfb" && p.eltern == kind.processId()) server << pid;
    ASSERT_EQ(server.size(), 1);
    kill(pid_t(kind.processId()), SIGKILL);
    kind.waitForFinished();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !laeuft(server[0]); }, 5000));
    if (laeuft(server[0])) kill(pid_t(server[0].toInt()), SIGTERM);
}
