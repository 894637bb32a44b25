#pragma once

#include <string_view>

// UTF-8 text without the white space at either end, as the windows' text boxes trim it: blank,
// tab, the line and page breaks, and the Unicode spaces and separators (U+0085, U+00A0, U+1680,
// U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F, U+3000). Text that is not UTF-8 is trimmed
// of its ASCII white space only.
std::string_view trimBlanks(std::string_view text);
