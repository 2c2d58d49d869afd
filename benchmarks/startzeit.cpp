// What a teacher waits for: the first paint of the main window, with every window of the program created.
// scripts/startzeit runs it beside a bare Qt window (leerfenster) and compares the two.

#include "app/programmkoerper.h"
#include "platform/application.h"
#include "platform/form.h"
#include "startmessung.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Form* haupt = fensterErzeugen();
    ErsterPaint messung(haupt, [haupt] { haupt->Close(); });
    haupt->showModal();
    return 0;
}
