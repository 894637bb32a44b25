#include "webpagefont.h"

#include <cmath>

#include <QApplication>
#include <QFont>

#include <emscripten.h>

namespace {

// The windows were drawn for 8 point window text, 11 pixels at 96 dpi; a browser's body text
// is 16 pixels until the player makes it larger.
constexpr double windowTextToPageText = 11.0 / 16.0;

} // namespace

void usePageFont()
{
    // clang-format off
    const double pagePixels = EM_ASM_DOUBLE({
        return parseFloat(getComputedStyle(document.body).fontSize) || 0;
    });
    // clang-format on
    if (!(pagePixels > 0))
        return;
    QFont font = QApplication::font();
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(pagePixels * windowTextToPageText))));
    QApplication::setFont(font);
}
