#include "prefault.h"

void prefaultForWriting(const void*, std::size_t) {}
