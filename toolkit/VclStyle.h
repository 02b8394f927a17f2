#pragma once

#include <QProxyStyle>

namespace kazuyomi {

// The platform's style with the group box geometry the form designs assume: the frame starts half
// a text line below the box's top and the caption sits on the frame line, eight pixels in.
class VclStyle : public QProxyStyle {
    Q_OBJECT

public:
    VclStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
};

}  // namespace kazuyomi
