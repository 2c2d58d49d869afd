#include "platform/printer.h"

#include "platform/canvasdevices.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

namespace {

constexpr double kPdfDotsPerInch = 600;
// The pause before the next name where the share was still settling one.
constexpr int kUnsettledPauseMs = 20;

std::function<QString()>& dataFolderSource()
{
    static std::function<QString()> source;
    return source;
}

QString quoted(const QString& s)
{
    return QStringLiteral("\u201E") + s + QStringLiteral("\u201C");
}

// A file name part that every file system takes.
QString safeFileName(const QString& title)
{
    QString s = title;
    s.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    s = s.simplified();
    while (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    // Room for an aid's name and a pupil's whole class-list line (35 characters); with the date and time before
    // it, still well inside the 255 bytes a file system takes for a name, umlauts and all.
    if (s.size() > 100) s = s.left(100).trimmed();
    return s.isEmpty() ? QStringLiteral("Ausdruck") : s;
}

bool canShowViewer()
{
    if (qEnvironmentVariableIsSet("CI")) return false;
    const QString platform = QGuiApplication::platformName();
    if (platform.isEmpty() || platform == QLatin1String("offscreen") || platform.startsWith(QLatin1String("minimal")))
        return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// A printout that reached its file but no viewer: the teacher is told where it lies, or it would be lost from
// sight with nothing but a line in the error output.
void notShown(const QString& title, const QString& file)
{
    reportError(QStringLiteral("Der Ausdruck %1 kann nicht angezeigt werden: Auf diesem Rechner ist kein Programm "
                               "zum Anzeigen von PDF-Dateien eingerichtet. Er ist als PDF-Datei gespeichert:\n%2")
                    .arg(quoted(title), QDir::toNativeSeparators(file)));
}

// Opens the PDF in the desktop's viewer, without waiting for it. The desktop's opener says only by its end
// whether anything could show the file (none set up for PDF files, none at all); it is watched for that, and a
// message names the file then.
void showPdf(const QString& title, const QString& file)
{
    if (!canShowViewer()) return;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) notShown(title, file);
        return;
    }
    // Not a child of the application: one still waiting on a viewer when the program ends is left to run, and
    // so is its viewer, with no message at the program's end.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({ file });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(process, &QProcess::finished, [process, title, file](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) notShown(title, file);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, [process, title, file](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        notShown(title, file);
        process->deleteLater();
    });
    process->start();
}

} // namespace

// The printer's canvas: collects the operations of the current page.
class PrinterTarget final : public CanvasTarget {
public:
    explicit PrinterTarget(Printer& printer)
        : m_printer(printer)
    {
    }
    void draw(const DrawOp& op) override
    {
        if (!m_printer.m_printing) throw RuntimeError(QStringLiteral("Es wird gerade nicht gedruckt."));
        m_printer.m_pages.last().append(op);
    }
    double pixelsPerUnit(MapMode mode) const override { return PageRenderer::pixelsPerUnit(mode, kPdfDotsPerInch); }
    bool printerMetrics() const override { return true; }

private:
    Printer& m_printer;
};

QList<QStringList> Printer::Document::pageTexts() const
{
    QList<QStringList> out;
    for (const auto& page : pages) {
        QStringList lines;
        for (const DrawOp& op : page)
            lines << op.toString();
        out << lines;
    }
    return out;
}

Printer& Printer::instance()
{
    static Printer p;
    return p;
}

Printer::Printer()
    : m_canvas(std::make_unique<Canvas>(std::make_unique<PrinterTarget>(*this)))
{
}

void Printer::setDataFolderSource(std::function<QString()> source)
{
    dataFolderSource() = std::move(source);
}

void Printer::setDataFolder(const QString& path)
{
    setDataFolderSource([path] { return path; });
}

Canvas& Printer::canvas()
{
    return *m_canvas;
}

void Printer::setRecording(bool on)
{
    m_recording = on;
    m_recorded.clear();
}

void Printer::beginDoc()
{
    beginDoc(m_title);
}

void Printer::beginDoc(const QString& title)
{
    // A document left open by a handler that ended early is printed before the next one begins, so it is
    // neither lost nor keeps the printer busy for good.
    if (m_printing) endDoc();
    m_docTitle = title.trimmed().isEmpty() ? QStringLiteral("Ausdruck") : title.trimmed();
    m_pages = { {} };
    m_printing = true;
    m_canvas->reset(TextAlign::Left | TextAlign::Top, MapMode::LoMetric);
    m_canvas->font.height = -35;
}

void Printer::newPage()
{
    if (!m_printing) throw RuntimeError(QStringLiteral("Es wird gerade nicht gedruckt."));
    m_pages.append(QVector<DrawOp>());
}

void Printer::abort()
{
    m_printing = false;
    m_pages.clear();
    m_copies = 1;
}

void Printer::endDoc()
{
    if (!m_printing) throw RuntimeError(QStringLiteral("Es wird gerade nicht gedruckt."));
    Document doc;
    doc.title = m_docTitle;
    // No copies (an emptied copies field) still print the sheet once. The count applies to this document
    // only: a sheet that prints its copies as separate jobs never sets it.
    doc.copies = qMax(1, m_copies);
    doc.pages = m_pages;
    m_printing = false;
    m_pages.clear();
    m_copies = 1;
    output(doc);
}

void Printer::output(Document& doc)
{
    if (m_recording) {
        m_last = doc;
        m_recorded.append(doc);
        return;
    }
    QString printerFailure;
    const bool toFolder = !qEnvironmentVariable("TAVI_DRUCKORDNER").trimmed().isEmpty();
    if (!toFolder && !QPrinterInfo::defaultPrinter().isNull()) {
        if (printOnSystemPrinter(doc, printerFailure)) {
            m_last = doc;
            return;
        }
    }
    const QString folder = pdfFolder();
    QString failed;
    if (!files::forceDirectories(folder)) {
        doc.file = folder;
        failed = QStringLiteral("Der Ordner kann nicht angelegt werden.");
    } else {
        // Drawn whole first, so that the file is made in one step with all of it: only a PDF that reached the
        // disk whole (a share tells of a full disk only when the file is closed) is a printout.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        failed = writePdf(doc, pdf);
        if (failed.isEmpty())
            doc.file = createPdfFile(folder, doc.title, pdf.data(), failed);
        else
            doc.file = folder;
    }
    m_last = doc;
    if (!failed.isEmpty()) {
        if (!printerFailure.isEmpty())
            throw RuntimeError(QStringLiteral("Der Drucker hat den Ausdruck %1 nicht angenommen (%2), und er konnte "
                                              "auch nicht als PDF-Datei gespeichert werden: %3 (%4)")
                                   .arg(quoted(doc.title), printerFailure, doc.file, failed));
        throw RuntimeError(QStringLiteral("Der Ausdruck %1 konnte nicht als PDF-Datei gespeichert werden: %2 (%3)")
                               .arg(quoted(doc.title), doc.file, failed));
    }
    if (!printerFailure.isEmpty())
        reportError(QStringLiteral("Der Drucker hat den Ausdruck %1 nicht angenommen (%2). Er ist als PDF-Datei "
                                   "gespeichert: %3")
                        .arg(quoted(doc.title), printerFailure, doc.file));
    showPdf(doc.title, doc.file);
}

bool Printer::printOnSystemPrinter(const Document& doc, QString& reason)
{
    // Only now, and only with a default printer known: building a printer where the print system is missing
    // can hang.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        reason = QStringLiteral("kein Drucker eingerichtet");
        return false;
    }
    QPrinter device(info, QPrinter::HighResolution);
    device.setDocName(doc.title);
    device.setCopyCount(doc.copies);
    device.setFullPage(false);
    QPainter p;
    if (!device.isValid() || !p.begin(&device)) {
        reason = QStringLiteral("Drucker %1 nicht bereit").arg(quoted(info.printerName()));
        return false;
    }
    PageRenderer renderer(p, device.resolution());
    for (int i = 0; i < doc.pages.size(); ++i) {
        if (i > 0) device.newPage();
        for (const DrawOp& op : doc.pages.at(i))
            renderer.draw(op);
    }
    if (!p.end() || device.printerState() == QPrinter::Error) {
        reason = QStringLiteral("Fehler beim Drucken auf %1").arg(quoted(info.printerName()));
        return false;
    }
    return true;
}

QString Printer::writePdf(const Document& doc, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
    QString failed = writePdf(doc, file);
    file.close();
    if (failed.isEmpty() && file.error() != QFileDevice::NoError)
        failed = QStringLiteral("Die Datei kann nicht geschrieben werden.");
    return failed;
}

QString Printer::writePdf(const Document& doc, QIODevice& device)
{
    {
        QPdfWriter writer(&device);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(int(kPdfDotsPerInch));
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("TAVI"));
        QPainter p;
        if (!p.begin(&writer)) return QStringLiteral("Die Datei kann nicht geschrieben werden.");
        PageRenderer renderer(p, kPdfDotsPerInch);
        bool first = true;
        for (int copy = 0; copy < doc.copies; ++copy)
            for (const auto& page : doc.pages) {
                if (!first) writer.newPage();
                first = false;
                for (const DrawOp& op : page)
                    renderer.draw(op);
            }
        if (!p.end()) return QStringLiteral("Die Datei kann nicht geschrieben werden.");
    }
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (device.size() == 0 || (file && !file->flush()))
        return QStringLiteral("Die Datei kann nicht geschrieben werden.");
    return {};
}

QString Printer::pdfFolder() const
{
    QString folder = qEnvironmentVariable("TAVI_DRUCKORDNER").trimmed();
    if (folder.isEmpty()) {
        const QString data = dataFolderSource() ? dataFolderSource()().trimmed() : QString();
        folder = data.isEmpty() || QDir::isRelativePath(data) ? QDir::homePath() + QStringLiteral("/Ausdrucke")
                                                              : files::resolve(data + QStringLiteral("/Ausdrucke"));
    }
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString Printer::createPdfFile(
    const QString& folder, const QString& title, const QByteArray& pdf, QString& reason) const
{
    const clockx::TimeParts t = clockx::decode(clockx::timeOfDay());
    const QString stamp = QStringLiteral("%1_%2-%3-%4")
                              .arg(clockx::today().toString(QStringLiteral("yyyy-MM-dd")))
                              .arg(t.hours, 2, 10, QLatin1Char('0'))
                              .arg(t.minutes, 2, 10, QLatin1Char('0'))
                              .arg(t.seconds, 2, 10, QLatin1Char('0'));
    const QString base = folder + stamp + QLatin1Char('_') + safeFileName(title);
    // Several jobs in one second (copies as separate jobs, or two PCs printing into one shared folder) each get
    // a file of their own: the name is taken by making the file, which fails where another job made it first. A
    // name the share is still settling (another PC made or gave it back just now) is passed over for the next,
    // for as long as a step waits out such answers: after that the share does not work.
    QElapsedTimer unsettled;
    for (int n = 1; n <= 999; ++n) {
        const QString path = base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + QStringLiteral(".pdf");
        const int result = files::createNew(path, pdf, false);
        if (result == 0) return path;
        if (result == files::kNameUnsettled) {
            if (!unsettled.isValid()) unsettled.start();
            if (unsettled.elapsed() < files::kInUseMs) {
                QThread::msleep(kUnsettledPauseMs);
                continue;
            }
            reason = IoError::reason(IoDiskWrite);
            return path;
        }
        if (result != IoFileExists) {
            reason = IoError::reason(result);
            return path;
        }
    }
    reason = QStringLiteral("Es gibt schon zu viele Ausdrucke dieses Namens.");
    return base + QStringLiteral(".pdf");
}
