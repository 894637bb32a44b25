#pragma once

#include <QIcon>

// The program's one icon, a plain window, in every size it carries.
QIcon applicationIcon();
