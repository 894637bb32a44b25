#pragma once

// Installs what a page lacks for the program's events, before the application object exists:
// the web's event dispatcher (webeventdispatcher.cpp) and the window activation a desktop's
// window manager gives (webactivation.cpp). The program and the test program both use it.
void useWebEventHandling();
