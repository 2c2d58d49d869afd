#include "support/xserver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

XServer::~XServer()
{
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}

bool XServer::start(const QString& geometry)
{
    int fds[2];
    if (pipe(fds) != 0) return false;
    const QByteArray screen = geometry.toLatin1() + "x24";
    const QByteArray fd = QByteArray::number(fds[1]);
    const pid_t testprozess = getpid();
    m_pid = fork();
    if (m_pid < 0) return false;
    if (m_pid == 0) {
        // The server ends with its test process however that ends (a crash, an abort, ctest's timeout), not
        // only through the destructor. The signal comes when the forking thread ends: main() starts the server.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != testprozess) _exit(1);
        close(fds[0]);
        const int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            dup2(devnull, 1);
            dup2(devnull, 2);
        }
        // -displayfd picks a free display number and writes it to the pipe once the server listens.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", screen.constData(), "-nolisten", "tcp",
            "-nolisten", "unix", "-dpi", "96", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    QByteArray number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.isEmpty()) return false;
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    return true;
}

bool onXServer()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool waitActive(QWidget* window)
{
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 2000);
}

QWidget* keyReceiver()
{
    if (QWidget* w = QApplication::focusWidget()) return w;
    return QApplication::activeWindow();
}

bool sendKey(Qt::Key key)
{
    // A key arrives at whatever window the window system made active; wait for one after a window closed.
    if (!QTest::qWaitFor([] { return keyReceiver() != nullptr; }, 2000)) return false;
    QTest::keyPress(keyReceiver(), key, Qt::NoModifier);
    // The press may have closed or hidden the receiver; the release goes where the keyboard is now.
    if (QWidget* w = keyReceiver()) QTest::keyRelease(w, key, Qt::NoModifier);
    return true;
}

Qt::Key randomKey(std::mt19937& generator)
{
    static const Qt::Key fixed[] = { Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Space, Qt::Key_Left,
        Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Backspace, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk };
    const unsigned n = unsigned(std::size(fixed));
    const unsigned k = generator() % (n + 6);
    if (k < n) return fixed[k];
    if (k < n + 3) return Qt::Key(Qt::Key_0 + int(generator() % 10));
    return Qt::Key(Qt::Key_A + int(generator() % 26));
}
