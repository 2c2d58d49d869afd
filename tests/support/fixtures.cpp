#include "support/fixtures.h"

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/random.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QWidget>

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
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QString grabToPng(QWidget* widget, const QString& name)
{
    const QString path = QStringLiteral(TAVI_TEST_OUTPUT "/") + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}
