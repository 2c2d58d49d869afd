#pragma once
#include <QByteArray>
#include <QString>

// Data folders are shared with PCs running Windows, so the data files stay Windows-1252.
namespace cp1252 {

// True when the character has a Windows-1252 byte (the five unassigned bytes 81 8D 8F 90 9D map to
// U+0081 ... and back, so every byte survives a read and a write).
bool canEncode(QChar c);
bool canEncode(const QString& text);

// Characters without a byte become '?'; callers that must not lose text check canEncode() first.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

} // namespace cp1252
