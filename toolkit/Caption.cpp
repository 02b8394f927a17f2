#include "toolkit/Caption.h"

#include <QLabel>

namespace kazuyomi {

void setCaption(QLabel& label, const QString& text)
{
    label.setText(text);
    label.adjustSize();
}

}  // namespace kazuyomi
