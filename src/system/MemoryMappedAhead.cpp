#include "system/MemoryMappedAhead.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;

std::uintptr_t roundUp(std::uintptr_t at)
{
    return (at + kLargePage - 1) & ~(kLargePage - 1);
}

std::uintptr_t roundDown(std::uintptr_t at)
{
    return at & ~(kLargePage - 1);
}

} // namespace

MemoryMappedAhead::MemoryMappedAhead(const void* data, qsizetype bytes, qsizetype ahead)
{
    // The advice applies to whole large pages within the memory.
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = roundUp(begin);
    const std::uintptr_t to = roundDown(begin + std::uintptr_t(bytes));
    if (to <= from)
        return;
    ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    const std::uintptr_t aheadTo = std::min(to, roundDown(begin + std::uintptr_t(ahead)));
    // Mapped a large page at a time from the front, where the writing begins; mapping a page does
    // not write to it, so the writer's own touch of a page mapped or not yet mapped is the same.
    mapper_ = std::thread([this, from, aheadTo] {
        for (std::uintptr_t at = from; at < aheadTo && !stop_; at += kLargePage)
            ::madvise(reinterpret_cast<void*>(at), kLargePage, MADV_POPULATE_WRITE);
    });
}

MemoryMappedAhead::~MemoryMappedAhead()
{
    stop_ = true;
    if (mapper_.joinable())
        mapper_.join();
}
