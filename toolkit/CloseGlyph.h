#pragma once

#include <QIcon>

namespace kazuyomi {

// The picture of the close-kind button, drawn at whatever size and scale it is shown: a cross,
// greyed when the button is disabled. Drawing it costs less than looking up a theme's icon.
QIcon closeGlyph();

}  // namespace kazuyomi
