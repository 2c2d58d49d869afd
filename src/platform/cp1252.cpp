#include "platform/cp1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80..0x9F; the unassigned ones keep their own code point so that they round-trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace cp1252 {

bool canEncode(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

bool canEncode(const QString& text)
{
    for (QChar c : text)
        if (!canEncode(c))
            return false;
    return true;
}

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteOf(c.unicode());
        out.append(char(b < 0 ? '?' : b));
    }
    return out;
}

QString decode(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kHigh[b - 0x80]) : QChar(b));
    }
    return out;
}

namespace {

bool ascii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t';
}

// Hands each line of `text` from `start` on to `line`: CR LF, LF or CR end a line, and the end of the
// text ends the last.
template <typename Text, typename F> void forEachLine(const Text& text, int start, F line)
{
    const auto endsAt = [&](int i, char c) { return i < int(text.size()) && text.at(i) == c; };
    for (int pos = start; pos < int(text.size());) {
        int end = pos;
        while (end < int(text.size()) && !endsAt(end, '\n') && !endsAt(end, '\r'))
            ++end;
        line(text.mid(pos, end - pos));
        if (endsAt(end, '\r')) ++end;
        if (endsAt(end, '\n')) ++end;
        pos = end;
    }
}

} // namespace

QString decodeLine(const QByteArray& bytes)
{
    if (ascii(bytes)) return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decode(bytes) : text;
}

bool roundTrips(const QString& text)
{
    return canEncode(text) && decodeLine(encode(text)) == text;
}

QByteArray encodeLine(const QString& line)
{
    return roundTrips(line) ? encode(line) : line.toUtf8();
}

Lines decodeLines(const QByteArray& bytes)
{
    Lines result;
    const auto add = [&](const QString& line) {
        if (std::any_of(line.begin(), line.end(), isControl)) result.text = false;
        result.lines << line;
    };
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        const QString text = QStringDecoder(QStringDecoder::Utf16)(bytes);
        forEachLine(text, 0, [&](const QString& line) { add(line); });
    } else {
        forEachLine(
            bytes, bytes.startsWith("\xef\xbb\xbf") ? 3 : 0, [&](const QByteArray& line) { add(decodeLine(line)); });
    }
    return result;
}

} // namespace cp1252
