#include "TextContrast.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kazuyomi::uitest {

namespace {

// Entries and buttons draw frames, bevels and focus rings at their edges; their texts lie inside.
constexpr int entryInset = 3;
constexpr int buttonInset = 4;
// The close picture, a cross inked in every column it spans, ends at the first blank columns.
constexpr int pictureGap = 2;

double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

bool differs(QRgb a, QRgb b)
{
    constexpr int noise = 2;
    return std::abs(qRed(a) - qRed(b)) > noise || std::abs(qGreen(a) - qGreen(b)) > noise ||
           std::abs(qBlue(a) - qBlue(b)) > noise;
}

// The pixels of one control's text: what lies behind the text is, row by row, the colour most of
// the row has (buttons shade their faces from top to bottom); ink is whatever differs from it.
class TextArea {
public:
    TextArea(const QImage& image, const QRect& rect)
        : image(image)
        , rect(rect & image.rect())
    {
        for (int y = this->rect.top(); y <= this->rect.bottom(); ++y) {
            QHash<QRgb, int> counts;
            QRgb most = 0;
            int mostCount = 0;
            for (int x = this->rect.left(); x <= this->rect.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const int count = ++counts[pixel];
                if (count > mostCount) {
                    mostCount = count;
                    most = pixel;
                }
            }
            behind.push_back(most);
        }
    }

    int left() const { return rect.left(); }
    int right() const { return rect.right(); }

    bool inkInColumn(int x) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (differs(image.pixel(x, y), behind[y - rect.top()])) return true;
        }
        return false;
    }

    // The strongest ink between the columns stands for the text's colour.
    void measure(int from, int to, TextContrast& text) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const QRgb background = behind[y - rect.top()];
            if (!text.found) text.background = QColor(background);
            for (int x = from; x <= to; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!differs(pixel, background)) continue;
                const double ratio = wcagContrast(QColor(pixel), QColor(background));
                if (!text.found || ratio > text.ratio) {
                    text.found = true;
                    text.ratio = ratio;
                    text.ink = QColor(pixel);
                    text.background = QColor(background);
                }
            }
        }
    }

private:
    const QImage& image;
    const QRect rect;
    std::vector<QRgb> behind;
};

// The part of the control's rectangle that its parents leave visible, in window coordinates.
QRect visibleArea(const QWidget& control, const QWidget& window, const QRect& local)
{
    QRect area(control.mapTo(&window, local.topLeft()), local.size());
    for (const QWidget* parent = control.parentWidget(); parent != nullptr && parent != &window;
         parent = parent->parentWidget()) {
        area &= QRect(parent->mapTo(&window, QPoint()), parent->size());
    }
    return area & window.rect();
}

QRect inset(const QWidget& control, int pixels)
{
    return control.rect().adjusted(pixels, pixels, -pixels, -pixels);
}

QRect captionRect(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

TextContrast measured(const QWidget& control, const QString& what, const TextArea& area, int from, int to)
{
    TextContrast text;
    text.what = what;
    text.enabled = control.isEnabled();
    const QVariant designed = control.property("fontColor");
    if (designed.isValid()) text.designed = designed.value<QColor>();
    area.measure(from, to, text);
    return text;
}

TextContrast measured(const QWidget& control, const TextArea& area)
{
    return measured(control, control.objectName(), area, area.left(), area.right());
}

void measureButton(const QAbstractButton& button, const QWidget& window, const QImage& image,
                   std::vector<TextContrast>& texts)
{
    const TextArea area(image, visibleArea(button, window, inset(button, buttonInset)));
    if (button.icon().isNull()) {
        texts.push_back(measured(button, area));
        return;
    }
    // The picture is the first run of inked columns; the caption follows it.
    int first = area.left();
    while (first <= area.right() && !area.inkInColumn(first)) ++first;
    int end = first;
    int blank = 0;
    while (end <= area.right() && blank < pictureGap) {
        blank = area.inkInColumn(end) ? 0 : blank + 1;
        ++end;
    }
    const QString picture = button.objectName() + QStringLiteral(" picture");
    texts.push_back(measured(button, picture, area, first, end - blank - 1));
    texts.push_back(measured(button, button.objectName(), area, end, area.right()));
}

}  // namespace

QString TextContrast::describe() const
{
    if (!found) return QStringLiteral("%1: nothing drawn on %2").arg(what, background.name());
    return QStringLiteral("%1: %2:1, %3 on %4")
        .arg(what)
        .arg(ratio, 0, 'f', 2)
        .arg(ink.name(), background.name());
}

double wcagContrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::vector<TextContrast> measureTexts(QWidget& window)
{
    const QImage image =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<TextContrast> texts;
    const auto controls = window.findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        if (!control->isVisibleTo(&window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->text().isEmpty()) continue;
            texts.push_back(measured(*label, TextArea(image, visibleArea(*label, window, label->rect()))));
        } else if (const auto* entry = qobject_cast<const QLineEdit*>(control)) {
            if (entry->text().isEmpty()) continue;
            const QRect inside = inset(*entry, entryInset);
            texts.push_back(measured(*entry, TextArea(image, visibleArea(*entry, window, inside))));
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            if (box->title().isEmpty()) continue;
            texts.push_back(measured(*box, TextArea(image, visibleArea(*box, window, captionRect(*box)))));
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            measureButton(*button, window, image, texts);
        }
    }
    return texts;
}

}  // namespace kazuyomi::uitest
