#pragma once

#include <QtGlobal>

#include <atomic>
#include <thread>

// Memory of many megabytes about to be written for the first time. The first touch of each page
// costs a page fault, which on some machines (virtual ones most of all) costs more than writing
// the page: large pages take far fewer, and a second thread takes them while the first writes.
class MemoryMappedAhead
{
public:
    // The memory given, not yet touched, is mapped in the system's large pages where it can, and
    // its first `ahead` bytes are mapped on a thread of their own while the caller writes them.
    MemoryMappedAhead(const void* data, qsizetype bytes, qsizetype ahead);
    // Waits for the thread.
    ~MemoryMappedAhead();

    MemoryMappedAhead(const MemoryMappedAhead&) = delete;
    MemoryMappedAhead& operator=(const MemoryMappedAhead&) = delete;

private:
    std::atomic<bool> stop_ = false;
    std::thread mapper_;
};
