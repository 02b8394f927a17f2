#pragma once

#include <QLineEdit>

namespace kazuyomi {

// A single-line entry as the forms expect it. Its modified flag is set by every change the user
// makes, undoing included, and cleared when the program sets the text; QLineEdit on its own
// clears it again when an undo gets back to the text the program set. Its maximum length never
// keeps half of a character that needs two UTF-16 units.
class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);
};

}  // namespace kazuyomi
