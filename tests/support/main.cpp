#include "platform/application.h"
#include "platform/errors.h"

#include <QDir>
#include <gtest/gtest.h>

// Every test program runs under one application object, without a display, with errors collected
// instead of shown in a message box.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    Application app(argc, argv);
    QDir().mkpath(QStringLiteral(TAVI_TEST_OUTPUT));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
