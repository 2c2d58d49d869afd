#pragma once
#include <QApplication>

// The application object: the last guard where events are dispatched, so that an error escaping a handler
// shows the standard message and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
