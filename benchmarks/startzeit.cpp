// What a teacher waits for: the first paint of the main window, the program started as main() starts it;
// the peak memory once every window exists. scripts/startzeit runs it beside a bare Qt window (leerfenster).

#include "app/programmkoerper.h"
#include "platform/application.h"
#include "platform/form.h"
#include "startmessung.h"

#include <memory>

int main(int argc, char** argv)
{
    Application app(argc, argv);
    std::unique_ptr<ErsterPaint> messung;
    Form* haupt = nullptr;
    programmLaeuft(
        [&](Form* f) {
            haupt = f;
            messung = std::make_unique<ErsterPaint>(f);
        },
        [&] {
            messung->bericht();
            haupt->Close();
        });
    return 0;
}
