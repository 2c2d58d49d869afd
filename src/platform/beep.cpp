#include "platform/beep.h"

#include <QApplication>

void beep()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}
