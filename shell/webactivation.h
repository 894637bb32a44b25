#pragma once

// On the web, makes the window a dialog belongs to active again when the dialog closes, as a
// desktop's window manager does. Called by useWebEventHandling(), before the application exists.
void useWebWindowActivation();
