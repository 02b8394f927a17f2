#include "toolkit/TBitBtn.h"

#include "toolkit/CloseGlyph.h"

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
    setIcon(kind == bkClose ? closeGlyph() : QIcon());
}

}  // namespace kazuyomi
