#pragma once

class QColor;

namespace kazuyomi {

// Text that stands at least this far from its background reads for most people with low vision
// (WCAG 2, level AA for body text).
inline constexpr double readableContrast = 4.5;

// The WCAG 2 contrast ratio of two opaque colours: 1 for the same colour, 21 for black on white.
double contrastRatio(const QColor& first, const QColor& second);

// The colour to draw designed text in over the background: the designed colour wherever it reads,
// otherwise the desktop's own text colour for that background, unless that one reads even worse.
QColor readableTextColor(const QColor& designed, const QColor& background, const QColor& desktopText);

}  // namespace kazuyomi
