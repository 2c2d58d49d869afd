#pragma once
#include <QDate>
#include <QString>
#include <cstdint>

// Times are days as doubles. now() runs on across midnight, so a difference of two values is always
// the elapsed time; timeOfDay() is the fraction alone.
namespace clockx {

double now();
double timeOfDay();
QDate today();
QString dateText(); // "dd.mm.yyyy"

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr double days(double milliseconds) { return milliseconds / kMillisecondsPerDay; }

struct TimeParts {
    std::uint16_t hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
};

// Decodes a time span by its magnitude (a negative span decodes as its absolute value).
TimeParts decode(double span);
void decode(double span, std::uint16_t& h, std::uint16_t& m, std::uint16_t& s, std::uint16_t& ms);

// A clock for tests: while installed, now() returns what the test set, and pauses advance it.
class TestClock {
public:
    static void install(double startDays);
    static void uninstall();
    static bool installed();
    static void set(double nowDays);
    static void advance(double spanDays);
};

} // namespace clockx
