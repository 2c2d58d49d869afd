#include "support/pdf.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

} // namespace

QImage pdfPageImage(const QString& pdfPath, int page, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.path() + QStringLiteral("/page");
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"), QString::number(page),
            QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath,
            prefix });
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int pdfPageCount(const QString& pdfPath)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), { pdfPath }));
    const auto m
        = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString pdfText(const QString& pdfPath)
{
    return QString::fromUtf8(
        run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdfPath, QStringLiteral("-") }));
}

QStringList pdfFiles(const QString& folder)
{
    QStringList out;
    for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name))
        out << QDir(folder).filePath(name);
    return out;
}
