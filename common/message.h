#pragma once

#include "phrase.h"

// Style values of the message boxes: the icon they show.
enum MessageStyle : int {
    NoIcon = 0,
    StopIcon = 16,
    ExclamationIcon = 48,
    InformationIcon = 64,
};

// A modal message with one OK button, as the windows and the web page show it: its text in
// the player's language and its icon. No title of its own: the application's title.
struct Message {
    Phrase text;
    MessageStyle style = NoIcon;
};

// Shown when a count started by a click runs out of range: the results keep what they showed.
Message countOverflowMessage();
