#pragma once

// The windows are designed in twips; 15 twips make one pixel at 96 dpi, and Qt's own
// high-DPI scaling takes it from there.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}
