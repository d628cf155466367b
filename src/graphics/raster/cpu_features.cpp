#include "graphics/raster/cpu_features.h"

bool CpuHasAvx2()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2;
#else
    return false;
#endif
}
