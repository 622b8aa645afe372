#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <thread>

// Memory of many megabytes about to be written for the first time, from its start on. The first
// touch of each page costs a page fault, which on some machines (virtual ones most of all) costs
// more than writing the page: large pages take far fewer, and a second thread takes them a little
// ahead of the writing.
class MemoryMappedAhead
{
public:
    // The memory given, not yet touched, is mapped in the system's large pages where it can, and
    // up to its first `ahead` bytes are mapped as the writing nears them.
    MemoryMappedAhead(const void* data, qsizetype bytes, qsizetype ahead);
    // Stops mapping, and lets go of the pages mapped past what was written: memory the writing
    // did not reach is not kept.
    ~MemoryMappedAhead();

    MemoryMappedAhead(const MemoryMappedAhead&) = delete;
    MemoryMappedAhead& operator=(const MemoryMappedAhead&) = delete;

    // How many bytes from the start are written now.
    void written(qsizetype bytes);

private:
    void mapAhead(std::uintptr_t from, std::uintptr_t to);

    std::uintptr_t begin_;
    std::uintptr_t mappedTo_;
    std::atomic<qsizetype> written_ = 0;
    std::atomic<bool> stop_ = false;
    std::thread mapper_;
};
