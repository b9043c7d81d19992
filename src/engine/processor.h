// What the processor offers beyond the plain x86-64 the program is built
// for, asked once: the text scanners choose their widest code by it.
#pragma once

namespace tessaro {

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
