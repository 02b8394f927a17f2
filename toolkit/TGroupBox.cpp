#include "toolkit/TGroupBox.h"

#include "toolkit/AccessibleGroupBox.h"

#include <QAccessible>

namespace kazuyomi {

TGroupBox::TGroupBox(QWidget* parent)
    : QGroupBox(parent)
{
    // Once, before anything asks for a box's accessible interface.
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&AccessibleGroupBox::create);
        return true;
    }();
}

}  // namespace kazuyomi
