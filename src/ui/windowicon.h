#pragma once

#include <QIcon>

// The window's icon: a crosshair over a shield, in the sizes from 16 to 128 pixels.
QIcon RostermakerIcon();
