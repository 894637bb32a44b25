#pragma once

#include <array>

// One information dialog as designed: a fixed frame holding a single text box. Sizes and
// places are in twips, measured from the top-left corner of the client area.
struct DialogDesign {
    const char* name;
    const char* caption; // the caption and the text are translated in the context "InfoDialog"
    int clientWidth;
    int clientHeight;
    int textLeft;
    int textTop;
    int textWidth;
    int textHeight;
    bool readOnly;
    const char* text; // lines end with '\n', the last one included
};

// Form2, Form4, Form5, Form6 and Form7, in that order.
extern const std::array<DialogDesign, 5> dialogDesigns;
