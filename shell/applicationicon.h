#pragma once

#include <QIcon>

// The program's one icon, a plain window, in every size it carries.
QIcon applicationIcon();

// The sizes a title bar and a task bar use. Desktops that show the program larger take the
// icon from the installed theme (the desktop entry names it), so the windows need not carry
// the large images in memory.
QIcon windowIcon();
