#include "toolkit/VclStyle.h"

#include <QPainter>
#include <QRegion>
#include <QStyleOptionGroupBox>

namespace kazuyomi {

namespace {

constexpr int captionIndent = 8;

const QStyleOptionGroupBox* plainGroupBox(QStyle::ComplexControl control, const QStyleOptionComplex* option)
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != QStyle::CC_GroupBox || box == nullptr) return nullptr;
    if (box->subControls & QStyle::SC_GroupBoxCheckBox) return nullptr;
    return box;
}

}  // namespace

VclStyle::VclStyle() = default;

void VclStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const QStyleOptionGroupBox* box = plainGroupBox(control, option);
    if (box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }

    // An etched frame, a light line beside a dark one; it stops where the caption stands on it.
    const QRect caption = subControlRect(control, box, SC_GroupBoxLabel, widget);
    const QRect frame = subControlRect(control, box, SC_GroupBoxFrame, widget);
    painter->save();
    painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(box->palette.color(QPalette::Light));
    painter->drawRect(frame.adjusted(1, 1, -1, -1));
    painter->setPen(box->palette.color(QPalette::Dark));
    painter->drawRect(frame.adjusted(0, 0, -2, -2));
    painter->restore();

    if (!caption.isEmpty()) {
        proxy()->drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                              box->palette, box->state & State_Enabled, box->text,
                              QPalette::WindowText);
    }
}

QRect VclStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                               SubControl subControl, const QWidget* widget) const
{
    const QStyleOptionGroupBox* box = plainGroupBox(control, option);
    if (box == nullptr) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }

    const QRect whole = box->rect;
    const int textHeight = box->fontMetrics.height();
    const QRect frame = whole.adjusted(0, textHeight / 2 - 1, 0, 0);
    switch (subControl) {
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxContents:
        return frame.adjusted(1, textHeight / 2 + 1, -1, -1);
    case SC_GroupBoxLabel:
        if (box->text.isEmpty()) return {};
        return {whole.left() + captionIndent, whole.top(),
                box->fontMetrics.horizontalAdvance(box->text) + 1, textHeight};
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

}  // namespace kazuyomi
