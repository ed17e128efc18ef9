#pragma once

#include <QIcon>

// The designer's icon, the one the desktop entry names: the scalable picture compiled into the
// program, so that the windows show it whether or not the icon theme has it.
QIcon ApplicationIcon();
