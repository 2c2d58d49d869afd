#pragma once
#include <QString>
#include <exception>
#include <functional>

// The runtime errors that end an event handler: a failed checked file operation and a typed number that
// does not convert. What the handler did before the error stays done; the program goes on.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// I/O result codes; the numbers appear in the messages a teacher sees ("E/A-Fehler 5").
enum IoCode : int {
    IoOk = 0,
    IoFileNotFound = 2,
    IoPathNotFound = 3,
    IoAccessDenied = 5,
    IoFileExists = 80,
    IoReadPastEnd = 100,
    IoDiskWrite = 101,
    IoNotAssigned = 102,
    IoNotOpen = 103,
    IoNotOpenForInput = 104,
    IoNotOpenForOutput = 105,
    IoInvalidNumber = 106,
    // The drive or share of the file is full (also a user's quota used up).
    IoDiskFull = 112,
    IoUnsafeName = 123,
};

// The I/O code a failed system call's errno means: what a teacher can act on (no right, a missing folder, a full
// share) has its own code; a network or device failure is a failed write, never a refused access.
int ioCodeFor(int err);

class IoError : public RuntimeError {
public:
    IoError(int code, const QString& fileName);
    int code() const { return m_code; }
    static QString reason(int code);

private:
    int m_code;
};

class ConvertError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// StrToInt: decimal, optional sign, surrounding blanks allowed; anything else throws ConvertError with
// the standard message "'abc' ist kein gültiger Integerwert".
int StrToInt(const QString& text);

// Runs one event handler; a RuntimeError (or any other exception) is reported with the standard message
// and does not travel further.
void runGuarded(const std::function<void()>& handler);

// Wraps a parameterless handler for connecting to a Qt signal (Qt drops the signal's arguments).
template <typename F> auto guarded(F f)
{
    return [f]() { runGuarded(f); };
}

// Where the standard message goes: a message box by default; tests install a collector.
using ErrorReporter = std::function<void(const QString&)>;
void setErrorReporter(ErrorReporter reporter);
void reportError(const QString& message);
