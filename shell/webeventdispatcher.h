#pragma once

// Installs the program's event dispatcher for the web (webeventdispatcher.cpp), before the
// application object exists.
void useWebEventDispatcher();
