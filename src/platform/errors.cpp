#include "platform/errors.h"

#include <QApplication>
#include <QMessageBox>

#include <cerrno>

IoError::IoError(int code, const QString& fileName)
    : RuntimeError(QStringLiteral("E/A-Fehler %1 bei \"%2\": %3").arg(code).arg(fileName, reason(code)))
    , m_code(code)
{
}

QString IoError::reason(int code)
{
    switch (code) {
    case IoFileNotFound:
        return QStringLiteral("Datei nicht gefunden");
    case IoPathNotFound:
        return QStringLiteral("Pfad nicht gefunden");
    case IoAccessDenied:
        return QStringLiteral("Zugriff verweigert");
    case IoFileExists:
        return QStringLiteral("Die Datei existiert bereits");
    case IoReadPastEnd:
        return QStringLiteral("Lesen über das Dateiende hinaus");
    case IoDiskWrite:
        return QStringLiteral("Fehler beim Schreiben auf den Datenträger");
    case IoNotAssigned:
        return QStringLiteral("Dateivariable nicht zugewiesen");
    case IoNotOpen:
        return QStringLiteral("Datei nicht geöffnet");
    case IoNotOpenForInput:
        return QStringLiteral("Datei nicht zum Lesen geöffnet");
    case IoNotOpenForOutput:
        return QStringLiteral("Datei nicht zum Schreiben geöffnet");
    case IoInvalidNumber:
        return QStringLiteral("Ungültige numerische Eingabe");
    case IoDiskFull:
        return QStringLiteral("Das Laufwerk oder die Freigabe des Datenordners ist voll; es wurde nichts gespeichert");
    case IoUnsafeName:
        return QStringLiteral("Ungültiger Datei- oder Ordnername");
    default:
        return QStringLiteral("E/A-Fehler");
    }
}

int ioCodeFor(int err)
{
    switch (err) {
    case 0:
        return IoOk;
    case EACCES:
    case EPERM:
    case EROFS:
        return IoAccessDenied;
    case ENOENT:
        return IoFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return IoPathNotFound;
    case EEXIST:
        return IoFileExists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoDiskFull;
    case EISDIR:
        return IoAccessDenied;
    default:
        return IoDiskWrite; // EIO, ENXIO, EHOSTDOWN, ETIMEDOUT, EBUSY ...: the medium or the share failed
    }
}

int StrToInt(const QString& text)
{
    bool ok = false;
    const QString t = text.trimmed();
    int v = 0;
    // Only plain decimal digits with an optional sign, as a pupil types them.
    bool plain = !t.isEmpty();
    for (int i = 0; i < t.size() && plain; ++i) {
        const QChar c = t.at(i);
        plain = (c >= u'0' && c <= u'9') || (i == 0 && (c == u'+' || c == u'-') && t.size() > 1);
    }
    if (plain) v = t.toInt(&ok);
    if (!ok) throw ConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return v;
}

namespace {
ErrorReporter& reporterSlot()
{
    static ErrorReporter r;
    return r;
}
} // namespace

void setErrorReporter(ErrorReporter reporter)
{
    reporterSlot() = std::move(reporter);
}

void reportError(const QString& message)
{
    if (reporterSlot()) {
        reporterSlot()(message);
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Fehler"), message);
    else
        qWarning("%s", qUtf8Printable(message));
}

void runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& e) {
        reportError(e.message());
    } catch (const std::exception& e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
}
