#pragma once

#include <QImage>

// How the picture may use colour.
enum class PictureColours {
    Full,       // antialiased, any colour
    SixteenVga, // no antialiasing, colours of the standard 16-colour palette only
    Mono,       // no antialiasing, black and white only
};

// The icon's picture: a plain window seen slightly from the side, a white body under a cyan
// title bar, with a grey shadow behind it; transparent around it.
QImage drawWindowPicture(int size, PictureColours colours);
