#pragma once

#include <QColor>
#include <QString>

#include <vector>

class QWidget;

namespace kazuyomi::uitest {

// One text of a window as the screen shows it: its strongest ink pixel against what lies behind it.
struct TextContrast {
    QString what;         // the control's name; "BitBtn1 picture" for a button's close picture
    bool found = false;   // whether any pixel differs from the background at all
    double ratio = 1.0;   // WCAG 2 contrast of the ink against the background
    QColor ink;
    QColor background;
    QColor designed;      // the design's own text colour, when the control has one
    bool enabled = true;  // inactive controls are exempt from the contrast rule

    QString describe() const;
};

// The WCAG 2 contrast ratio of two colours, measured here on its own rather than taken from the
// program's code.
double wcagContrast(const QColor& first, const QColor& second);

// Grabs the window from the screen, as the window system shows it, and measures every text on it:
// labels, entries, group box captions, button captions and the close picture.
std::vector<TextContrast> measureTexts(QWidget& window);

}  // namespace kazuyomi::uitest
