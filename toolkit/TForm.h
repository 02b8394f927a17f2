#pragma once

#include <QSize>
#include <QWidget>

namespace kazuyomi {

// A top-level window built from a form design. The design's size is the window's outer size,
// frame and title bar included; closing a window hides it, and closing the application's main
// window ends the program.
class TForm : public QWidget {
    Q_OBJECT

public:
    enum class Position {
        poDefaultPosOnly, // the window system places the window
        poScreenCenter,   // centred on the screen
    };

    explicit TForm(Position position, QWidget* owner = nullptr);

    // Shows the window without blocking, in front of the others.
    void Show();

protected:
    // Applies what the form design holds beyond Qt's own properties; call right after setupUi.
    void applyDesign();

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitOuterSize();

    Position position;
    QSize outerSize;
    bool frameFitted = false;
    bool shownBefore = false;
};

}  // namespace kazuyomi
