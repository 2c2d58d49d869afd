#pragma once
#include <QString>
#include <Qt>
#include <random>
#include <sys/types.h>

class QWidget;

// A private X server (Xvfb) for one test program: windows there are shown and become active as on a desktop,
// and the focus moves as the window system moves it, which the offscreen platform never does.
class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts Xvfb with a screen of `geometry` ("1366x768"), and points DISPLAY and Qt's platform at it. The
    // server ends when the calling thread does, so call it from the main thread.
    bool start(const QString& geometry);

private:
    pid_t m_pid = 0;
};

// True while the tests run on an X server (the keyboard tests); offscreen they are skipped.
bool onXServer();
// Waits until `window` is the active window (at most two seconds); false when it never became active.
bool waitActive(QWidget* window);
// The widget a key press goes to now: the application's focus widget, else its active window; null when no
// window is active.
QWidget* keyReceiver();
// A key press and release sent to whatever has the focus now, as the keyboard would; false when no window is
// active (the key would go nowhere).
bool sendKey(Qt::Key key);

// A key a pupil might press at any moment: Enter and Space (twice as often), the arrows, Backspace, a digit,
// a letter or a sign key; never Tab, Esc or a key with a modifier.
Qt::Key randomKey(std::mt19937& generator);
