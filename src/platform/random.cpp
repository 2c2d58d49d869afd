#include "platform/random.h"

#include "platform/clock.h"

#include <random>

namespace {
std::mt19937& engine()
{
    static std::mt19937 e(0);
    return e;
}
bool g_pinned = false;
} // namespace

void RandSeed(std::uint32_t seed)
{
    engine().seed(seed);
}

void Randomize()
{
    if (g_pinned)
        return;
    const double t = clockx::now();
    RandSeed(std::uint32_t(std::uint64_t(t * clockx::kMillisecondsPerDay) ^ std::random_device {}()));
}

int Random(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

double RandomFloat()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine());
}

void PinRandomSeed(std::uint32_t seed)
{
    RandSeed(seed);
    g_pinned = true;
}

void UnpinRandomSeed()
{
    g_pinned = false;
}
