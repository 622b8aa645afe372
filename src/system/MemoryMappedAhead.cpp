#include "system/MemoryMappedAhead.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <system_error>

namespace {

constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
// How far ahead of the writing pages are mapped: far enough to stay ahead, near enough that
// little is mapped in vain when the writing stops early.
constexpr std::uintptr_t kAhead = 8 * kLargePage;

std::uintptr_t roundUp(std::uintptr_t at, std::uintptr_t page)
{
    return (at + page - 1) & ~(page - 1);
}

std::uintptr_t roundDown(std::uintptr_t at, std::uintptr_t page)
{
    return at & ~(page - 1);
}

} // namespace

MemoryMappedAhead::MemoryMappedAhead(const void* data, qsizetype bytes, qsizetype ahead)
    : begin_(reinterpret_cast<std::uintptr_t>(data)), mappedTo_(begin_)
{
    // The advice applies to whole large pages within the memory.
    const std::uintptr_t from = roundUp(begin_, kLargePage);
    const std::uintptr_t to = roundDown(begin_ + std::uintptr_t(bytes), kLargePage);
    if (to <= from)
        return;
    ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    const std::uintptr_t aheadTo =
        std::min(to, roundDown(begin_ + std::uintptr_t(ahead), kLargePage));
    if (aheadTo <= from)
        return;
    try {
        mapper_ = std::thread([this, from, aheadTo] { mapAhead(from, aheadTo); });
    } catch (const std::system_error&) {
        // No thread to spare: the writing maps the pages itself.
    }
}

void MemoryMappedAhead::mapAhead(std::uintptr_t from, std::uintptr_t to)
{
    for (std::uintptr_t at = from; at < to && !stop_; at += kLargePage) {
        // Mapping a page does not write to it: the writer's own touch finds it mapped or maps it.
        for (qsizetype seen = written_; !stop_ && at - begin_ >= std::uintptr_t(seen) + kAhead;
             seen = written_)
            written_.wait(seen);
        if (!stop_)
            ::madvise(reinterpret_cast<void*>(at), kLargePage, MADV_POPULATE_WRITE);
        mappedTo_ = at + kLargePage;
    }
}

void MemoryMappedAhead::written(qsizetype bytes)
{
    written_ = bytes;
    written_.notify_one();
}

MemoryMappedAhead::~MemoryMappedAhead()
{
    if (!mapper_.joinable())
        return;
    const qsizetype written = written_;
    stop_ = true;
    written_ = std::numeric_limits<qsizetype>::max(); // wakes the thread
    written_.notify_one();
    mapper_.join();
    const std::uintptr_t page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t keep = roundUp(begin_ + std::uintptr_t(written), page);
    if (mappedTo_ > keep)
        ::madvise(reinterpret_cast<void*>(keep), mappedTo_ - keep, MADV_DONTNEED);
}
