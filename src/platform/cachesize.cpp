#include "platform/cachesize.h"

#include <initializer_list>
#include <unistd.h>

std::size_t lastLevelCacheBytes() {
#if defined(_SC_LEVEL3_CACHE_SIZE) && defined(_SC_LEVEL2_CACHE_SIZE)
    for (const int level : {_SC_LEVEL3_CACHE_SIZE, _SC_LEVEL2_CACHE_SIZE}) {
        const long bytes = sysconf(level);
        if (bytes > 0)
            return static_cast<std::size_t>(bytes);
    }
#endif
    return 0;
}
