#include "platform/application.h"
#include "platform/form.h"
#include "app/programmkoerper.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Form* hauptfenster = fensterErzeugen();
    // The main window runs until it closes itself; then the program ends.
    hauptfenster->showModal();
    return 0;
}
