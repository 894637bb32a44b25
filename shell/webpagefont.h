#pragma once

// On the web: the program's font from the page's, in place of Qt's fixed 12 point default,
// so that the design scale follows the size the player's browser gives text.
void usePageFont();
