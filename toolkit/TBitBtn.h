#pragma once

#include <QPushButton>

namespace kazuyomi {

// A push button of a standard kind: the close kind shows the close picture and closes its window.
class TBitBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(Kind kind READ kind WRITE setKind)

public:
    enum Kind { bkCustom, bkClose };
    Q_ENUM(Kind)

    explicit TBitBtn(QWidget* parent = nullptr);

    Kind kind() const { return currentKind; }
    void setKind(Kind kind);

protected:
    void changeEvent(QEvent* event) override;

private:
    void updatePicture();

    Kind currentKind = bkCustom;
};

}  // namespace kazuyomi
