#include "toolkit/TBitBtn.h"

#include "toolkit/CloseGlyph.h"

#include <QEvent>

namespace kazuyomi {

TBitBtn::TBitBtn(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (currentKind == bkClose) window()->close();
    });
}

void TBitBtn::setKind(Kind kind)
{
    currentKind = kind;
    updatePicture();
}

// The picture is drawn in the button's text colour, so it follows the desktop's palette.
void TBitBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && currentKind == bkClose) updatePicture();
    QPushButton::changeEvent(event);
}

void TBitBtn::updatePicture()
{
    setIcon(currentKind == bkClose ? closeGlyph(palette()) : QIcon());
}

}  // namespace kazuyomi
