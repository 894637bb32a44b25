#pragma once

#include <span>
#include <stdexcept>

#include <QFont>
#include <QSize>

#include "twips.h"

// A control whose caption has to fit it: a label or a push button, as designed in twips.
struct DesignedCaption {
    enum class Kind { Label, Button };
    enum class Font {
        Application, // the system font, whatever its size
        Heading,     // bold 9.75 point, whatever the system font's size
    };

    Kind kind = Kind::Label;
    int number = 0; // Label<number> or Command<number>
    const char* caption = "";
    const char* context = nullptr; // where the caption is translated; nullptr: never
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Font font = Font::Application;
};

// A window's caption by designer name. Asking for one the design does not have is a compile
// error where the answer is a constant, and throws otherwise.
constexpr const DesignedCaption& designedCaption(std::span<const DesignedCaption> captions,
                                                 DesignedCaption::Kind kind, int number)
{
    for (const DesignedCaption& caption : captions) {
        if (caption.kind == kind && caption.number == number)
            return caption;
    }
    throw std::out_of_range("no such caption in the design");
}

// Every figure a multiple of 15 twips, so that at a scale of 1 nothing moves by a pixel.
constexpr bool onWholePixels(std::span<const DesignedCaption> captions)
{
    for (const DesignedCaption& caption : captions) {
        for (int figure : {caption.left, caption.top, caption.width, caption.height}) {
            if (figure % 15 != 0)
                return false;
        }
    }
    return true;
}

// The caption in the language the program speaks now.
QString captionText(const DesignedCaption& caption);

// The headings' font: the family of the application font, bold, 9.75 point.
QFont headingFont(QFont applicationFont);

// The smallest design scale, at least 1, at which every caption, in the language the program
// speaks now, fits its designed rectangle with this application font: a label's text as it is, a
// button's text with the style's margin and frame on either side of it and its frame above and
// below it. (The design leaves a button no more height than that: 13 pixel text in 17 pixel
// buttons.)
double scaleToFit(std::span<const DesignedCaption> captions, const QFont& applicationFont);
