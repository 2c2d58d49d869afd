// Measures what a teacher waits for: the time from process start to the first paint of the main window,
// with every window of the program created, and the peak memory. Run it several times (scripts/startzeit).

#include "platform/application.h"
#include "platform/form.h"
#include "app/programmkoerper.h"

#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Milliseconds since this process started, from the kernel's start time.
double msSeitProzessstart()
{
    std::ifstream stat("/proc/self/stat");
    std::string inhalt((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream rest(inhalt.substr(inhalt.rfind(')') + 2));
    std::string feld;
    for (int i = 3; i <= 22 && rest >> feld; ++i) { }
    const double startTicks = std::stod(feld);
    std::ifstream uptime("/proc/uptime");
    double jetzt = 0;
    uptime >> jetzt;
    return (jetzt - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

class ErsterPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == ziel && !gemessen) {
            gemessen = true;
            QTimer::singleShot(0, [this] {
                const double ms = msSeitProzessstart();
                rusage r {};
                getrusage(RUSAGE_SELF, &r);
                std::printf("erstes Bild nach %.0f ms (grob, /proc-Takt), %d Fenster, Spitze %.1f MB\n", ms,
                    fensterAnzahl(), double(r.ru_maxrss) / 1024.0);
                std::printf("Zeit im Programm bis zum ersten Bild: %.1f ms\n",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count());
                std::fflush(stdout);
                ziel->Close();
            });
        }
        return false;
    }
    Form* ziel = nullptr;
    bool gemessen = false;
    std::chrono::steady_clock::time_point beginn;
};

} // namespace

int main(int argc, char** argv)
{
    const auto beginn = std::chrono::steady_clock::now();
    Application app(argc, argv);
    Form* haupt = fensterErzeugen();
    ErsterPaint messung;
    messung.ziel = haupt;
    messung.beginn = beginn;
    haupt->installEventFilter(&messung);
    haupt->showModal();
    return 0;
}
