#include "common/free_memory.h"

#include <cstdlib>  // defines __GLIBC__ where glibc is the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tarnix {

void returnFreeMemoryToSystem()
{
#if defined(__GLIBC__)
    // glibc returns only the top of its heaps on free; the trim also gives
    // back the free pages inside them.
    malloc_trim(0);
#endif
}

}  // namespace tarnix
