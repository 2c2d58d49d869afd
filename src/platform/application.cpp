#include "platform/application.h"

#include "platform/errors.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tavi"));
    setApplicationVersion(QStringLiteral("1.0"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
