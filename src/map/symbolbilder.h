// The pictures of the twelve field symbols and of the scroll buttons,
// painted here at the size asked for.
#pragma once

#include "map/kartenmodell.h"

#include <QIcon>
#include <QImage>

// The symbol's picture in pixels; transparent where the background shows.
QImage symbolBild(kartenmodell::Symbol art, QSize pixel);
// 16 x 16 arrow of a scroll button: 0 right, 1 left, 2 down, 3 up.
QIcon pfeilBild(int richtung);
