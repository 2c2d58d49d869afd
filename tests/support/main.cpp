#include "platform/application.h"
#include "platform/errors.h"
#include "support/xserver.h"

#include <QDir>
#include <cstring>
#include <gtest/gtest.h>

// Every test program runs under one application object, with errors collected instead of shown in a message
// box: without a display, or, for the keyboard tests (TAVI_X11_SCREEN set), on an X server of its own.
int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strncmp(argv[i], "--gtest_list_tests", 18) == 0;
    XServer x;
    if (!qEnvironmentVariableIsEmpty("TAVI_X11_SCREEN") && !listing) {
        if (!x.start(qEnvironmentVariable("TAVI_X11_SCREEN"))) {
            std::fprintf(stderr, "Xvfb could not be started; the keyboard tests need it (package xvfb).\n");
            return 1;
        }
    } else {
        qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    }
    // As on the CI machine: no printout is shown in a viewer (nor is it said that none can show it).
    if (qEnvironmentVariableIsEmpty("CI")) qputenv("CI", "1");
    Application app(argc, argv);
    QDir().mkpath(QStringLiteral(TAVI_TEST_OUTPUT));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
