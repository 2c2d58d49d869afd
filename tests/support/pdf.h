#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// Looking into printed PDF files (needs poppler-utils).

// The page (1-based) as an image at the given resolution; a null image when it cannot be rendered.
QImage pdfPageImage(const QString& pdfPath, int page, int dotsPerInch);
int pdfPageCount(const QString& pdfPath);
// The text of all pages, with the layout kept.
QString pdfText(const QString& pdfPath);
// The PDF files in a folder, oldest name first.
QStringList pdfFiles(const QString& folder);
