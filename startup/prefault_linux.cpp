#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

#include "prefault.h"

void prefaultForWriting(const void* begin, std::size_t bytes)
{
    const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto address = reinterpret_cast<std::uintptr_t>(begin);
    // Whole pages inside the range only: a page it shares with other memory is not ours to touch.
    const std::uintptr_t first = (address + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t last = (address + bytes) & ~(pageSize - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
}
