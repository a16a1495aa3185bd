#pragma once

#include <QRect>

class QWidget;

// Where the windows open: inside the part of their screen that the desktop
// leaves to windows, whatever the screen's size and scale.
namespace placement {

// The frame that a window whose frame would be `voulu` takes inside `zone`: no
// larger than the zone, moved left and up (or right and down) only as far as
// needed to lie inside it.
QRect dans_la_zone(const QRect& voulu, const QRect& zone);

// Moves the window, and shrinks it when its screen is too small, so that its
// frame lies inside its screen's available geometry; a window the program
// never placed is only shrunk, the window manager places it. Called as a
// window is shown; before the window system has framed a window for the first
// time, the frame of another window of the program stands for its own.
void garde_dans_ecran(QWidget& fenetre);

} // namespace placement
