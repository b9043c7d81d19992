// What the processor offers beyond the plain x86-64 the program is built
// for, asked once: the text scanners choose their widest code by it, and
// hand half of a large text to a second core.
#pragma once

#include <future>
#include <utility>

namespace tessaro {

// Starts `task` on a thread of its own. Where no thread can be made, the
// task runs when its result is asked for, on the thread that asks.
template <typename Task>
auto OnSecondCore(Task&& task)
{
    return std::async(std::launch::async | std::launch::deferred, std::forward<Task>(task));
}

#if defined(__x86_64__) && defined(__GNUC__)
#define TESSARO_X86_CHOICES 1

inline bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

inline bool HasBitCountInstruction()
{
    static const bool has = __builtin_cpu_supports("popcnt");
    return has;
}
#endif

} // namespace tessaro
