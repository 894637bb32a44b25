#pragma once

// On the web, makes the window a dialog belongs to active again when the dialog closes, as a
// desktop's window manager does (webactivation.cpp). Call before the application object exists.
void useWebWindowActivation();
