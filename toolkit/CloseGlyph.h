#pragma once

#include <QIcon>

class QPalette;

namespace kazuyomi {

// The picture of the close-kind button, drawn at whatever size and scale it is shown: a cross in
// the palette's button text colour, in its disabled one when the button is disabled, so it reads
// on the button face of every desktop. Drawing it costs less than looking up a theme's icon.
QIcon closeGlyph(const QPalette& palette);

}  // namespace kazuyomi
