// The yardstick of the start-up: a bare Qt window with one label, built from the same Qt.

#include "startmessung.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel fenster(QStringLiteral("TAVI"));
    fenster.resize(400, 300);
    ErsterPaint messung(&fenster, [&] {
        messung.bericht();
        QApplication::quit();
    });
    fenster.show();
    return app.exec();
}
