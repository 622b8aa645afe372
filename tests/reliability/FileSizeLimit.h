#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, every write of this process that would take a file past `bytes` fails, as on a
// full disk. The file-size limit holds even for root, which permissions do not. SIGXFSZ is
// ignored meanwhile, so that the write returns an error instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    struct sigaction previousAction_
    {
    };
};
