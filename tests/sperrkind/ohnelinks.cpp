// A share that refuses hard links, as SMB shares mounted on Linux do: preloaded into a process, every link()
// fails with EPERM.
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

extern "C" int link(const char*, const char*) noexcept
{
    errno = EPERM;
    return -1;
}

extern "C" int linkat(int, const char*, int, const char*, int) noexcept
{
    errno = EPERM;
    return -1;
}
