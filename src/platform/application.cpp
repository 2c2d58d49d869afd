#include "platform/application.h"

#include "platform/errors.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tavi"));
    setApplicationVersion(QStringLiteral(TAVI_VERSION));
    // The task bar shows the menu entry's icon, and the desktop matches the windows to that entry.
    setWindowIcon(QIcon(QStringLiteral(":/tavi-48.png")));
    setDesktopFileName(QStringLiteral("tavi"));
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    // Where Qt's translations are not installed, Qt's texts stay English; the program works all the same.
    m_qtTexts = new QTranslator(this);
    if (m_qtTexts->load(
            deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(m_qtTexts);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
