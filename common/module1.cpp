#include "module1.h"

namespace Module1 {

std::int32_t points = 0;
std::int32_t tablelimit = 0;
std::int32_t flowercount = 0;
std::int32_t fancount = 0;
std::array<std::string, tileCount> tilestate;

void reset()
{
    points = tablelimit = flowercount = fancount = 0;
    for (auto& flag : tilestate)
        flag.clear();
}

} // namespace Module1
