#include "support/beschaedigt.h"

#include "platform/cp1252.h"

#include <QRegularExpression>

namespace {

// The first number standing alone on a line after the two leading lines, replaced by `durch`.
QByteArray ersteZahl(const QByteArray& gut, const QByteArray& durch)
{
    QString text = QString::fromLatin1(gut);
    const int ab = int(text.indexOf(u'\n', text.indexOf(u'\n') + 1)) + 1;
    static const QRegularExpression zahl(QStringLiteral("(?<![\\w.])-?\\d+(?![\\w.])"));
    const QRegularExpressionMatch m = zahl.match(text, ab);
    if (!m.hasMatch()) return gut + durch + "\r\n";
    text.replace(m.capturedStart(), m.capturedLength(), QString::fromLatin1(durch));
    return text.toLatin1();
}

} // namespace

std::vector<Beschaedigung> beschaedigungen(const QByteArray& gut)
{
    const QString text = cp1252::decode(gut);
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : text) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    const int zeile1 = int(gut.indexOf('\n')) + 1;
    const int zeile2 = int(gut.indexOf('\n', zeile1)) + 1;
    const int haelfte = int(gut.indexOf('\n', gut.size() / 2)) + 1;
    QByteArray mitNul = gut;
    mitNul.insert(gut.size() / 2, QByteArray(16, '\0'));
    QByteArray zehntausend = gut;
    for (int i = 0; i < 10000; ++i)
        zehntausend += "1 2 3\r\n";
    QByteArray lf = gut;
    QByteArray tabs = gut;
    return {
        { "leer", {} },
        { "ein Byte", gut.left(1) },
        { "mitten in einer Zeile abgeschnitten", gut.left(zeile2 + 2) },
        { "eine Zeile von 1 MB", QByteArray(1 << 20, '7') + "\r\n" + gut.mid(zeile1) },
        { "nur LF", lf.replace("\r\n", "\n") },
        { "UTF-8 mit BOM", "\xEF\xBB\xBF" + text.toUtf8() },
        { "UTF-8 ohne BOM", text.toUtf8() },
        { "UTF-16", utf16 },
        { "NUL-Bytes mitten drin", mitNul },
        { "nur NUL-Bytes", QByteArray(gut.size(), '\0') },
        { "Tabs", tabs.replace(' ', '\t') },
        { "1e5", ersteZahl(gut, "1e5") },
        { "2^31", ersteZahl(gut, "2147483648") },
        { "2^31-1", ersteZahl(gut, "2147483647") },
        { "Abschnitte fehlen", haelfte > 0 ? gut.left(haelfte) : gut.left(zeile2) },
        { "Abschnitte doppelt", gut + gut.mid(zeile2) },
        { "10000 Zeilen", zehntausend },
    };
}
