#pragma once

#include <cstddef>

// Asks the system to give the whole pages of [begin, begin + bytes) their memory now, ready
// for writing, in one call instead of one page fault each as they are first written. Where the
// system cannot (not Linux, or a kernel before 5.14), nothing happens and the pages fault in as
// before.
void prefaultForWriting(const void* begin, std::size_t bytes);
