#include "platform/clock.h"

#include <QDateTime>
#include <cmath>

namespace clockx {
namespace {
bool g_test = false;
double g_testNow = 0;
// Day 0 is 30.12.1899: times written into protocols and settings as day numbers keep their meaning on every
// PC that shares the data folder.
const QDate kEpoch(1899, 12, 30);
} // namespace

double now()
{
    if (g_test) return g_testNow;
    const QDateTime t = QDateTime::currentDateTime();
    const double day = double(kEpoch.daysTo(t.date()));
    return day + double(t.time().msecsSinceStartOfDay()) / kMillisecondsPerDay;
}

double timeOfDay()
{
    const double n = now();
    return n - std::floor(n);
}

QDate today()
{
    return kEpoch.addDays(qint64(std::floor(now())));
}

QString dateText()
{
    return today().toString(QStringLiteral("dd.MM.yyyy"));
}

TimeParts decode(double span)
{
    // Rounded to whole milliseconds first, so 2 min 5.7 s does not come out as 5 s 699 ms.
    const auto total = std::llround(std::fabs(span) * kMillisecondsPerDay);
    TimeParts p;
    p.milliseconds = std::uint16_t(total % 1000);
    p.seconds = std::uint16_t(total / 1000 % 60);
    p.minutes = std::uint16_t(total / 60000 % 60);
    p.hours = std::uint16_t(total / 3600000 % 24);
    return p;
}

void decode(double span, std::uint16_t& h, std::uint16_t& m, std::uint16_t& s, std::uint16_t& ms)
{
    const TimeParts p = decode(span);
    h = p.hours;
    m = p.minutes;
    s = p.seconds;
    ms = p.milliseconds;
}

void TestClock::install(double startDays)
{
    g_test = true;
    g_testNow = startDays;
}
void TestClock::uninstall()
{
    g_test = false;
}
bool TestClock::installed()
{
    return g_test;
}
void TestClock::set(double nowDays)
{
    g_testNow = nowDays;
}
void TestClock::advance(double spanDays)
{
    g_testNow += spanDays;
}

} // namespace clockx
