// A PC whose clock is wrong: preloaded into a process, it moves the time of day the process reads by
// TAVI_UHR_VERSATZ_S seconds. The monotonic clock, by which waits are timed, and the time stamps the file system
// gives files stay as they are.
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/time.h>

extern "C" int clock_gettime(clockid_t uhr, struct timespec* t) noexcept
{
    using Echt = int (*)(clockid_t, struct timespec*);
    static const Echt echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "clock_gettime"));
    static const long versatz = std::getenv("TAVI_UHR_VERSATZ_S") ? std::atol(std::getenv("TAVI_UHR_VERSATZ_S")) : 0;
    const int r = echt(uhr, t);
    if (r == 0 && (uhr == CLOCK_REALTIME || uhr == CLOCK_REALTIME_COARSE)) t->tv_sec += versatz;
    return r;
}

extern "C" int gettimeofday(struct timeval* __restrict t, void* __restrict zone) noexcept
{
    (void)zone;
    struct timespec s { };
    const int r = clock_gettime(CLOCK_REALTIME, &s);
    if (r == 0 && t) {
        t->tv_sec = s.tv_sec;
        t->tv_usec = s.tv_nsec / 1000;
    }
    return r;
}

extern "C" time_t time(time_t* t) noexcept
{
    struct timespec s { };
    clock_gettime(CLOCK_REALTIME, &s);
    if (t) *t = s.tv_sec;
    return s.tv_sec;
}
