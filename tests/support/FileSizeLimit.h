#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes every write that would take a file past `bytes` fail, as a full disk would, for as
// long as it lives. Tests run as root, which no folder permission stops; this does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN); // fail the write, don't kill us
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};
