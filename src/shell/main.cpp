#include "platform/application.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("TAVI"));
    w.showMaximized();
    return app.exec();
}
