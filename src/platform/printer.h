#pragma once
#include "platform/canvas.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class QFile;
class QIODevice;

// The default printer as the program uses it: begin a document, draw on a canvas in 0.1 mm (origin at the
// top-left of the printable area, y negative downward; an A4 portrait page is 2100 x 2970), new page, copies,
// end. Pen, brush, font and alignment start afresh with each document.
//
// Where the output goes is chosen when a document begins:
// - Recording (tests): nothing is printed; each document's operations are kept (recorded()).
// - When $TAVI_DRUCKORDNER names a folder: a PDF file in that folder.
// - When the system has a default printer: that printer.
// - Otherwise: a PDF file in "Ausdrucke" in the data folder.
// A PDF is named by date, time and title and opened in the desktop's viewer when there is a display and $CI is
// not set; where no viewer can show it, a message names the file. A printer that fails gets the document as a PDF
// instead, with a message; when even that fails the document's end throws (the handler ends with the message), so
// nothing is dropped silently.
class Printer {
public:
    static Printer& instance();

    // The data folder (datpfad), for "Ausdrucke": the program body gives the printer where to ask for it, so
    // that every document goes to the folder the program uses at the moment it ends. An empty or relative
    // answer (before the first run has made one) falls back to "Ausdrucke" in the home folder.
    static void setDataFolderSource(std::function<QString()> source);
    // A fixed data folder (tests).
    static void setDataFolder(const QString& path);

    // Copies made by the printer (the sheet is drawn once). A PDF holds the pages that many times.
    void setCopies(int copies) { m_copies = copies; }
    int copies() const { return m_copies; }
    void setTitle(const QString& title) { m_title = title; }
    QString title() const { return m_title; }

    void beginDoc();
    void beginDoc(const QString& title);
    void newPage();
    void endDoc();
    // Drops the document being drawn.
    void abort();
    bool printing() const { return m_printing; }
    int pageNumber() const { return m_pages.size(); }

    Canvas& canvas();

    struct Document {
        QString title;
        int copies = 1;
        QVector<QVector<DrawOp>> pages;
        QString file; // the PDF written, empty for a printer or a recording
        QList<QStringList> pageTexts() const; // the operations of each page as text lines
    };
    // Tests: keep documents instead of printing them.
    void setRecording(bool on);
    bool recording() const { return m_recording; }
    const QList<Document>& recorded() const { return m_recorded; }
    void clearRecorded() { m_recorded.clear(); }
    // The last document ended, whatever its output.
    const Document& lastDocument() const { return m_last; }

    // Writes a document to a PDF file (A4 portrait, no margins, the pages times its copies).
    // Returns an empty string when it worked, else the reason.
    static QString writePdf(const Document& doc, const QString& path);
    static QString writePdf(const Document& doc, QIODevice& device);

private:
    Printer();
    void output(Document& doc);
    bool printOnSystemPrinter(const Document& doc, QString& reason);
    QString pdfFolder() const;
    // Makes the document's file, new and holding `pdf` whole, named by date, time and title, and returns its
    // name; where it cannot, `reason` says why and no file of it is left.
    QString createPdfFile(const QString& folder, const QString& title, const QByteArray& pdf, QString& reason) const;

    std::unique_ptr<Canvas> m_canvas;
    QVector<QVector<DrawOp>> m_pages;
    QString m_title;
    QString m_docTitle;
    int m_copies = 1;
    bool m_printing = false;
    bool m_recording = false;
    QList<Document> m_recorded;
    Document m_last;

    friend class PrinterTarget;
};

// The shared printer, as the program writes Printer.
inline Printer& printer()
{
    return Printer::instance();
}
