#include "app/programmkoerper.h"
#include "platform/application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    programmLaeuft();
    return 0;
}
