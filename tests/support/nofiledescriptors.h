#pragma once

#include <sys/resource.h>
#include <unistd.h>

// While it lives no file or folder can be opened (every descriptor is
// taken), while status calls still work: a folder that is there but cannot
// be read, even for a test that runs as root.
class NoFreeFileDescriptors
{
public:
    NoFreeFileDescriptors()
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        const int lowestFree = dup(0);
        close(lowestFree);
        rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(lowestFree);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    ~NoFreeFileDescriptors() { setrlimit(RLIMIT_NOFILE, &m_saved); }
    NoFreeFileDescriptors(const NoFreeFileDescriptors &) = delete;
    NoFreeFileDescriptors &operator=(const NoFreeFileDescriptors &) = delete;

private:
    rlimit m_saved{};
};
