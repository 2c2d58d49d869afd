#include "support/fixtures.h"

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/random.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QUuid>
#include <QWidget>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

void TaviTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    QDir().mkpath(programFolder());
    QDir().mkpath(dataFolder());
    qputenv("TAVI_PROGRAMMORDNER", programFolder().toUtf8());
    qputenv("TAVI_DRUCKORDNER", (m_dir.path() + QStringLiteral("/druck/")).toUtf8());
    QDir().mkpath(m_dir.path() + QStringLiteral("/druck"));
    // 07.12.2026, 09:00
    clockx::TestClock::install(46363.0 + 9.0 / 24.0);
    PinRandomSeed(12345);
    setErrorReporter([this](const QString& m) { errors << m; });
}

void TaviTest::TearDown()
{
    setErrorReporter({});
    files::setWriteFailureForTests({});
    UnpinRandomSeed();
    clockx::TestClock::uninstall();
    qunsetenv("TAVI_PROGRAMMORDNER");
    qunsetenv("TAVI_DRUCKORDNER");
}

QString TaviTest::programFolder() const
{
    return m_dir.path() + QStringLiteral("/programm/");
}

QString TaviTest::dataFolder() const
{
    return m_dir.path() + QStringLiteral("/daten/");
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QRect changedArea(const QImage& before, const QImage& after)
{
    QRect r;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

QString grabToPng(QWidget* widget, const QString& name)
{
    const QString path = QStringLiteral(TAVI_TEST_OUTPUT "/") + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

bool showsWhole(const QLabel* label)
{
    const QRect raum = label->contentsRect();
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect noetig = QFontMetrics(label->font())
                             .boundingRect(QRect(raum.topLeft(), QSize(raum.width(), 100000)), flags, label->text());
    const QRect imFenster(label->mapTo(label->window(), QPoint()), label->size());
    // Measuring rounds fractions of a pixel up: one pixel over is the blank after the last character.
    return noetig.width() <= raum.width() + 1 && noetig.height() <= raum.height() + 1
        && label->window()->rect().contains(imFenster);
}

SmallFileSystem::SmallFileSystem(int kilobytes)
    : m_options(QByteArray("size=") + QByteArray::number(kilobytes) + "k")
{
    if (geteuid() != 0 || !m_dir.isValid()) return;
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, m_options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallFileSystem::path() const
{
    return m_dir.path() + QStringLiteral("/");
}

void SmallFileSystem::fill()
{
    QFile f(path() + QStringLiteral(".fuellung"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    const QByteArray block(512, 'x');
    while (f.write(block) == block.size() && f.flush()) { }
    // The last bytes that fit.
    while (f.write("x", 1) == 1 && f.flush()) { }
}

void SmallFileSystem::makeReadOnly()
{
    ::mount(
        nullptr, QFile::encodeName(m_dir.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, m_options.constData());
}

namespace {

int modus(const QString& pfad)
{
    struct stat st { };
    return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

void modusSetzen(const QString& pfad, int m)
{
    ::chmod(QFile::encodeName(pfad).constData(), mode_t(m));
}

} // namespace

UnlesbarerOrdner::UnlesbarerOrdner(const QString& ordner, const QString& oben)
    : m_ordner(QDir::cleanPath(ordner))
{
    m_fremd = ::geteuid() == 0;
    if (m_fremd) {
        // Every folder from the test's own down to the parent of `ordner`: passable and readable for "nobody".
        const QString grenze = QDir::cleanPath(oben);
        for (QString p = QFileInfo(m_ordner).absolutePath(); p.startsWith(grenze); p = QFileInfo(p).absolutePath()) {
            m_rechte.append({ p, modus(p) });
            modusSetzen(p, modus(p) | 0755);
            if (p == grenze) break;
        }
    }
    m_rechte.append({ m_ordner, modus(m_ordner) });
    modusSetzen(m_ordner, 0);
    if (m_fremd && (::setegid(65534) != 0 || ::seteuid(65534) != 0)) ADD_FAILURE() << "cannot act as nobody";
}

UnlesbarerOrdner::~UnlesbarerOrdner()
{
    if (m_fremd && (::seteuid(0) != 0 || ::setegid(0) != 0)) ADD_FAILURE() << "cannot act as root again";
    for (const auto& [pfad, m] : m_rechte)
        modusSetzen(pfad, m);
}

QStringList allEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool stampFromNow(const QString& path, qint64 seconds)
{
    struct timespec t { };
    clock_gettime(CLOCK_REALTIME, &t);
    t.tv_sec += seconds;
    const struct timespec times[2] = { t, t };
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

bool earlierVersionsLock(const QString& path, const QByteArray& word)
{
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray id = word.isEmpty() ? QUuid::createUuid().toString(QUuid::Id128).toLatin1() : word;
    writeBytes(path, "pc7 4711 2026-12-07T09:00:00 " + id + "\r\n");
    return stampFromNow(path, -60);
}

CreationCounter::CreationCounter(const QString& folder)
    : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_CREATE);
}

CreationCounter::~CreationCounter()
{
    ::close(m_fd);
}

QStringList CreationCounter::made()
{
    alignas(inotify_event) char buffer[65536];
    ssize_t n;
    while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0)
        for (char* p = buffer; p < buffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->len) m_names << QString::fromUtf8(e->name);
            p += sizeof(inotify_event) + e->len;
        }
    return m_names;
}
