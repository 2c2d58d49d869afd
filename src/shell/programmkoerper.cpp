#include "shell/programmkoerper.h"

#include "shell/fenster.h"

Form* fensterErzeugen()
{
    return Form1;
}
