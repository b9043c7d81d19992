#include "platform/startup_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14
#endif

namespace tessaro::platform {

namespace {

// The allocator's own default for the room kept at the top of the heap.
constexpr int kDefaultTopPad = 128 * 1024;

// Blocks below the allocator's threshold for separate mappings, so that
// they come from the heap and make it grow.
constexpr std::size_t kGrowthBlock = 64 * 1024;

} // namespace

StartupHeap::StartupHeap(std::size_t bytes)
{
    if (mallopt(M_TOP_PAD, int(bytes)) == 0)
        return;
    held_ = true;
    // The next growth of the heap adds `bytes` beyond the block asked for;
    // a few blocks make it happen now, and freed they stay as that room.
    auto* const start = static_cast<char*>(sbrk(0));
    std::vector<void*> blocks;
    blocks.reserve(16);
    while (static_cast<char*>(sbrk(0)) == start && blocks.size() < 16)
        blocks.push_back(std::malloc(kGrowthBlock));
    for (void* block : blocks)
        std::free(block);
    auto* const end = static_cast<char*>(sbrk(0));
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    auto* const from = reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(start) & ~(page - 1));
    // Older kernels refuse the request; the pages then come one by one.
    if (end > from)
        madvise(from, std::size_t(end - from), MADV_POPULATE_WRITE);
}

StartupHeap::~StartupHeap()
{
    release();
}

void StartupHeap::release()
{
    if (held_)
        mallopt(M_TOP_PAD, kDefaultTopPad);
    held_ = false;
}

} // namespace tessaro::platform
