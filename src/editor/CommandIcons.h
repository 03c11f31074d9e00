#pragma once

#include <QIcon>
#include <QImage>

// The 16 x 16 pictures of the commands on the tool bars and menus, painted by the program
// itself; the index is the command's image number. Cut commands are drawn in the dark red
// of cut outlines, print commands in black, so the two families read apart at a glance.
inline constexpr int commandImageSize = 16;

// A transparent 16 x 16 picture, or a null image for a number no command uses.
QImage commandImage(int index);
QIcon commandIcon(int index);
