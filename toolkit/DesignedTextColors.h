#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace kazuyomi {

// The text colours of one form's design, mapped onto the desktop's palette. A designed colour is
// drawn as it stands wherever it reads against what lies behind it, so a light desktop shows the
// design exactly; where it does not (the designs' black on a dark or high-contrast desktop), the
// desktop's own text colour for that background stands in. The choice is made again whenever the
// palette changes while the program runs.
class DesignedTextColors : public QObject {
    Q_OBJECT

public:
    // Lives as long as the form, as its child.
    explicit DesignedTextColors(QWidget& form);

    // Draws the widget's text in the designed colour where it reads.
    void add(QWidget& widget, const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Designed {
        QPointer<QWidget> widget;
        QColor color;
    };

    void applyAll();

    std::vector<Designed> designed;
    bool applying = false;
    bool pending = false;
};

}  // namespace kazuyomi
