#include "toolkit/CloseGlyph.h"

#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace kazuyomi {

namespace {

class CloseGlyphEngine : public QIconEngine {
public:
    CloseGlyphEngine(const QColor& ink, const QColor& disabledInk)
        : ink(ink)
        , disabledInk(disabledInk)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = std::min(rect.width(), rect.height());
        const QPointF topLeft = QRectF(rect).center() - QPointF(side / 2, side / 2);
        const qreal inset = side * 0.22;
        const QColor& pen = mode == QIcon::Disabled ? disabledInk : ink;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(pen, side * 0.15, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(topLeft + QPointF(inset, inset), topLeft + QPointF(side - inset, side - inset));
        painter->drawLine(topLeft + QPointF(side - inset, inset), topLeft + QPointF(inset, side - inset));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap((QSizeF(size) * scale).toSize());
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new CloseGlyphEngine(ink, disabledInk); }

private:
    QColor ink;
    QColor disabledInk;
};

}  // namespace

QIcon closeGlyph(const QPalette& palette)
{
    return QIcon(new CloseGlyphEngine(palette.color(QPalette::Active, QPalette::ButtonText),
                                      palette.color(QPalette::Disabled, QPalette::ButtonText)));
}

}  // namespace kazuyomi
