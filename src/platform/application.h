#pragma once
#include <QApplication>

class QTranslator;

// The application object: the last guard where events are dispatched, so that an error escaping a handler
// shows the standard message and the program goes on. Qt's own texts (edit menus, standard buttons) are
// German like every other text of the program, whatever the account's language.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator* m_qtTexts = nullptr;
};
