#include "platform/textfile.h"

#include "platform/cp1252.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

TextFile::TextFile() = default;
TextFile::~TextFile()
{
    m_checked = false;
    if (m_mode == Mode::Writing) close();
}

void TextFile::fail(int code)
{
    m_lastError = code;
    if (m_checked) {
        m_lastError = 0;
        // The handler ends here; a rewrite that failed half-way must not be committed later.
        if (m_mode == Mode::Writing && m_writeFailed) abandon();
        throw IoError(code, m_name);
    }
}

void TextFile::assign(const QString& name)
{
    if (m_mode != Mode::Closed) close();
    m_name = name;
    ok();
}

// Why opening failed. A file that is to be created cannot be missing: in an existing folder, the folder
// refuses it (no rights, a read-only medium).
static int openErrorCode(const QString& resolved, QFileDevice::FileError e, bool creating = false)
{
    const QFileInfo fi(resolved);
    if (!fi.dir().exists()) return IoPathNotFound;
    if (creating || e == QFileDevice::PermissionsError) return IoAccessDenied;
    if (!fi.exists()) return IoFileNotFound;
    return IoAccessDenied;
}

void TextFile::reset()
{
    if (m_mode != Mode::Closed) close();
    if (m_name.isEmpty()) return fail(IoNotAssigned);
    QByteArray bytes;
    if (const int err = files::readShared(m_name, bytes))
        return fail(err == ENOENT ? openErrorCode(files::resolve(m_name), QFileDevice::OpenError) : IoAccessDenied);
    m_content = cp1252::decode(bytes);
    m_pos = 0;
    m_mode = Mode::Reading;
    ok();
}

void TextFile::rewrite()
{
    if (m_mode != Mode::Closed) close();
    if (m_name.isEmpty()) return fail(IoNotAssigned);
    const QString path = files::resolve(m_name);
    auto whole = std::make_unique<files::WholeFile>(path);
    if (whole->open() != 0) return fail(openErrorCode(path, QFileDevice::OpenError, true));
    m_whole = std::move(whole);
    m_writeFailed = false;
    m_mode = Mode::Writing;
    ok();
}

void TextFile::append()
{
    if (m_mode != Mode::Closed) close();
    if (m_name.isEmpty()) return fail(IoNotAssigned);
    const QString path = files::resolve(m_name);
    if (!QFileInfo(path).isFile()) return fail(openErrorCode(path, QFileDevice::OpenError));
    auto f = std::make_unique<QFile>(path);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append)) return fail(openErrorCode(path, f->error()));
    m_plain = std::move(f);
    m_writeFailed = false;
    m_mode = Mode::Writing;
    ok();
}

bool TextFile::requireReading()
{
    if (m_mode == Mode::Reading) return true;
    fail(m_mode == Mode::Closed ? IoNotOpen : IoNotOpenForInput);
    return false;
}

bool TextFile::requireWriting()
{
    if (m_mode == Mode::Writing) return true;
    fail(m_mode == Mode::Closed ? IoNotOpen : IoNotOpenForOutput);
    return false;
}

QStringList TextFile::readAllLines(const QString& name)
{
    TextFile f;
    f.setChecked(true);
    f.assign(name);
    f.reset();
    QStringList lines;
    while (!f.eof())
        lines << f.readLine();
    f.close();
    return lines;
}

void TextFile::readLine(QString& line)
{
    if (!requireReading()) return;
    const int n = int(m_content.size());
    int end = m_pos;
    while (end < n && m_content.at(end) != u'\n' && m_content.at(end) != u'\r')
        ++end;
    line = m_content.mid(m_pos, end - m_pos);
    if (end < n && m_content.at(end) == u'\r') ++end;
    if (end < n && m_content.at(end) == u'\n') ++end;
    m_pos = end;
    ok();
}

QString TextFile::readLine()
{
    QString s;
    readLine(s);
    return s;
}

void TextFile::read(int& value)
{
    if (!requireReading()) return;
    const int n = int(m_content.size());
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (m_pos < n && blank(m_content.at(m_pos)))
        ++m_pos;
    if (m_pos >= n) {
        value = 0;
        return ok();
    }
    int end = m_pos;
    while (end < n && !blank(m_content.at(end)))
        ++end;
    const QString token = m_content.mid(m_pos, end - m_pos);
    m_pos = end;
    bool good = false;
    const qlonglong v = token.toLongLong(&good, 10);
    if (!good || v < INT32_MIN || v > INT32_MAX) return fail(IoInvalidNumber);
    value = int(v);
    ok();
}

void TextFile::write(const QString& text)
{
    if (!requireWriting()) return;
    const QByteArray bytes = cp1252::encode(text);
    if (m_whole) {
        m_whole->add(bytes);
    } else if (m_plain->write(bytes) != bytes.size()) {
        m_writeFailed = true;
        return fail(IoDiskWrite);
    }
    ok();
}

void TextFile::writeLine(const QString& line)
{
    write(line + QStringLiteral("\r\n"));
}

bool TextFile::eof() const
{
    if (m_mode != Mode::Reading) return true;
    return m_pos >= m_content.size();
}

void TextFile::close()
{
    if (m_mode == Mode::Closed) return fail(IoNotOpen);
    const Mode was = m_mode;
    m_mode = Mode::Closed;
    m_content.clear();
    m_pos = 0;
    if (was != Mode::Writing) return ok();
    bool good = !m_writeFailed;
    if (m_whole) {
        if (good)
            good = m_whole->commit() == 0;
        else
            m_whole->cancel();
        m_whole.reset();
    } else if (m_plain) {
        good = files::flushAll(*m_plain) && good;
        m_plain->close();
        m_plain.reset();
    }
    if (!good) return fail(IoDiskWrite);
    ok();
}

void TextFile::abandon()
{
    m_whole.reset();
    if (m_plain) {
        m_plain->close();
        m_plain.reset();
    }
    m_mode = Mode::Closed;
    m_content.clear();
    m_pos = 0;
}

int TextFile::ioResult()
{
    const int r = m_lastError;
    m_lastError = 0;
    return r;
}
