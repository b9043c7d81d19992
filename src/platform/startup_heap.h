// The heap the start-up fills, made resident in one step instead of one
// page fault at a time.
//
// The first touch of each fresh page is a page fault. On a virtual machine
// without hardware-assisted paging one costs about 10 us, ten times as much
// as mapping the same page among others in one request, and the start-up
// fills well over a megabyte of heap in small blocks. While this object
// lives, the allocator grows and trims the heap with that much room at the
// top, so the room made resident here is neither handed back nor faulted
// in page by page.
#pragma once

#include <cstddef>

namespace tessaro::platform {

class StartupHeap {
public:
    explicit StartupHeap(std::size_t bytes);
    ~StartupHeap();
    StartupHeap(const StartupHeap&) = delete;
    StartupHeap& operator=(const StartupHeap&) = delete;

    // Back to the allocator's usual growth and trimming, which hands
    // unused room at the top of the heap back to the system.
    void release();

private:
    bool held_ = false;
};

} // namespace tessaro::platform
