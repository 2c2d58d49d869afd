#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Data folders are shared with PCs running Windows, so the data files stay Windows-1252.
namespace cp1252 {

// True when the character has a Windows-1252 byte (the five unassigned bytes 81 8D 8F 90 9D map to
// U+0081 ... and back, so every byte survives a read and a write).
bool canEncode(QChar c);
bool canEncode(const QString& text);

// Characters without a byte become '?'; callers that must not lose text check canEncode() first.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// One line of a data file (without its line end) as its text: UTF-8 where the bytes are valid UTF-8 and hold more
// than ASCII, else Windows-1252. The Windows-1252 bytes of an umlaut beside ASCII letters are never valid UTF-8, so
// a line the program wrote is never taken for UTF-8, while a line an editor or a terminal appended in UTF-8 is.
QString decodeLine(const QByteArray& bytes);
// Whether `text`, written as Windows-1252, reads back as itself: every character has a byte, and the bytes are not
// taken for UTF-8 by decodeLine().
bool roundTrips(const QString& text);
// One line of a data file (without its line end) as bytes that decodeLine() reads back as `line`: Windows-1252 where
// it round-trips, as every PC has always read it, else UTF-8, so that no letter becomes "?" and no name another.
QByteArray encodeLine(const QString& line);

// The lines of a data file as a teacher's editor may have saved it: UTF-16 with its byte-order mark, or UTF-8
// (with or without a mark) and Windows-1252 decided line by line; CR LF, LF or CR end a line, and the end of the
// file ends the last. `text` is false where the file holds a control character other than a tab (NUL bytes left by
// a PC that went down, UTF-16 without its mark): it is no text a reader can take.
struct Lines {
    QStringList lines;
    bool text = true;
};
Lines decodeLines(const QByteArray& bytes);

} // namespace cp1252
