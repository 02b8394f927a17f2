#include "toolkit/DesignedTextColors.h"

#include "toolkit/Contrast.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace kazuyomi {

namespace {

// What shows through behind a widget that paints no background of its own: the nearest ancestor
// that does, or the window.
const QWidget& backgroundOwner(const QWidget& widget)
{
    const QWidget* owner = &widget;
    while (!owner->isWindow() && !owner->autoFillBackground() && owner->parentWidget() != nullptr) {
        owner = owner->parentWidget();
    }
    return *owner;
}

// Each text role is drawn over its own background: a label's or a group box's caption over what
// lies behind the control, an entry's text over its base, a button's caption over its face.
void apply(QWidget& widget, const QColor& color)
{
    const QPalette desktop = QApplication::palette(&widget);
    const QWidget& behind = backgroundOwner(widget);
    const bool button = qobject_cast<QAbstractButton*>(&widget) != nullptr;
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor window = behind.palette().color(group, behind.backgroundRole());
        palette.setColor(group, QPalette::WindowText,
                         readableTextColor(color, window, desktop.color(group, QPalette::WindowText)));
        palette.setColor(group, QPalette::Text,
                         readableTextColor(color, palette.color(group, QPalette::Base),
                                           desktop.color(group, QPalette::Text)));
        if (button) {
            palette.setColor(group, QPalette::ButtonText,
                             readableTextColor(color, palette.color(group, QPalette::Button),
                                               desktop.color(group, QPalette::ButtonText)));
        }
    }
    // Setting the same palette again would still repaint and notify the children.
    if (palette != widget.palette() || palette.resolveMask() != widget.palette().resolveMask()) {
        widget.setPalette(palette);
    }
}

}  // namespace

DesignedTextColors::DesignedTextColors(QWidget& form)
    : QObject(&form)
{
    form.installEventFilter(this);
}

void DesignedTextColors::add(QWidget& widget, const QColor& color)
{
    designed.push_back({&widget, color});
    applying = true;
    apply(widget, color);
    applying = false;
    widget.installEventFilter(this);
}

bool DesignedTextColors::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool paletteChanged = type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange;
    // A change of the desktop's palette reaches the widgets one by one; the colours are chosen once
    // it has reached them all, and the palettes set here notify nobody twice.
    if (paletteChanged && !applying && !pending) {
        pending = true;
        QMetaObject::invokeMethod(this, &DesignedTextColors::applyAll, Qt::QueuedConnection);
    }
    return false;
}

void DesignedTextColors::applyAll()
{
    pending = false;
    applying = true;
    for (const Designed& entry : designed) {
        if (entry.widget != nullptr) apply(*entry.widget, entry.color);
    }
    applying = false;
}

}  // namespace kazuyomi
