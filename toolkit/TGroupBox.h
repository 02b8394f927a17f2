#pragma once

#include <QGroupBox>

namespace kazuyomi {

// A group box of the forms. A screen reader hears its controls in the order the form design
// lists them, and does not hear the ones the design marks as mere decoration (a bullet "・" in
// front of a row): see AccessibleGroupBox.
class TGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TGroupBox(QWidget* parent = nullptr);
};

}  // namespace kazuyomi
