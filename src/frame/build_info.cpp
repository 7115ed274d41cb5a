#include "frame/build_info.h"

const char* BuildArchitectureName()
{
#if defined(_M_ARM64) || defined(__aarch64__)
    return "ARM64";
#elif defined(_M_X64) || defined(__x86_64__)
    return "x64";
#elif defined(_M_ARM) || defined(__arm__)
    return "ARM";
#else
    return "x86";
#endif
}

int BuildArchitectureCode()
{
#if defined(_M_ARM64) || defined(__aarch64__)
    return 2;
#elif defined(_M_X64) || defined(__x86_64__)
    return 1;
#elif defined(_M_ARM) || defined(__arm__)
    return 4;
#else
    return 0;
#endif
}
