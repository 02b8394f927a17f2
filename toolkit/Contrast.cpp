#include "toolkit/Contrast.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace kazuyomi {

namespace {

// Relative luminance of an sRGB colour.
double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColor(const QColor& designed, const QColor& background, const QColor& desktopText)
{
    const double designedContrast = contrastRatio(designed, background);
    if (designedContrast >= readableContrast) return designed;
    return contrastRatio(desktopText, background) > designedContrast ? desktopText : designed;
}

}  // namespace kazuyomi
