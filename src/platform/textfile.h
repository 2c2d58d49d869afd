#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace files {
class WholeFile;
}
class QFile;

// A text file as the program reads and writes its data: assign a name, open it for reading (reset), writing
// (rewrite) or appending, read and write lines, read integers free-format, close. Every operation sets the
// I/O result; in the unchecked form the caller reads ioResult(), in the checked form a failure throws IoError.
//
// Text is Windows-1252 with CR LF on disk, since data folders are shared with PCs running Windows; reading
// accepts CR LF or LF. rewrite() writes to a temporary file
// beside the target and renames it over the old one at close(), so a failure never leaves a half file.
class TextFile {
public:
    TextFile();
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    void setChecked(bool on) { m_checked = on; }
    bool checked() const { return m_checked; }

    void assign(const QString& name);
    const QString& name() const { return m_name; }

    void reset();
    void rewrite();
    void append();

    // Every line of the file, read checked: throws IoError when it cannot be read.
    static QStringList readAllLines(const QString& name);

    void readLine(QString& line); // at the end of the file: empty line, no error
    QString readLine();
    // Skips blanks, tabs and line ends, then reads one integer; a non-number is I/O error 106.
    // At the end of the file the value is 0 and there is no error.
    void read(int& value);
    template <typename T>
    void readInto(T& value) // byte and shortint variables keep the low bits, as the runtime stores them
    {
        int v = 0;
        read(v);
        if (m_lastError == 0) value = static_cast<T>(v);
    }
    void write(const QString& text);
    void writeLine(const QString& line = QString());

    bool eof() const;
    void close();
    // Drops what was written since rewrite(): the old file stays as it was.
    void abandon();

    // Returns the result of the last operation and clears it, like IOResult.
    int ioResult();
    bool isOpen() const { return m_mode != Mode::Closed; }

private:
    enum class Mode { Closed, Reading, Writing };
    void fail(int code);
    void ok() { m_lastError = 0; }
    bool requireWriting();
    bool requireReading();

    QString m_name;
    Mode m_mode = Mode::Closed;
    bool m_checked = false;
    int m_lastError = 0;
    QString m_content; // decoded file while reading
    int m_pos = 0;
    std::unique_ptr<files::WholeFile> m_whole;
    std::unique_ptr<QFile> m_plain;
    bool m_writeFailed = false;
};
