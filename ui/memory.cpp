#include "ui/memory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ui {

void KeepLargeAllocationsReturnable() {
#if defined(__GLIBC__)
    constexpr int kThreshold = 128 * 1024;  // glibc's own starting value, held fixed
    mallopt(M_MMAP_THRESHOLD, kThreshold);
#endif
}

}  // namespace ui
