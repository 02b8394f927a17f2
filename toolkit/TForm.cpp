#include "toolkit/TForm.h"

#include "toolkit/DesignedTextColors.h"
#include "toolkit/TApplication.h"

#include <QCloseEvent>
#include <QColor>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kazuyomi {

namespace {

// Form designs carry the face's character height as a negative pixel count, and a text colour.
constexpr const char* fontHeightProperty = "fontHeight";
constexpr const char* fontColorProperty = "fontColor";

void applyFontHeight(QWidget& widget)
{
    const QVariant height = widget.property(fontHeightProperty);
    if (!height.isValid()) return;
    QFont font = widget.font();
    font.setPixelSize(-height.toInt());
    widget.setFont(font);
}

void applyFontColor(QWidget& widget, DesignedTextColors& colors)
{
    const QVariant color = widget.property(fontColorProperty);
    if (!color.isValid()) return;
    colors.add(widget, color.value<QColor>());
}

}  // namespace

TForm::TForm(Position position, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , position(position)
{
}

void TForm::applyDesign()
{
    outerSize = size();

    auto* const colors = new DesignedTextColors(*this);
    // Parents come before their children here, so a child's own height overrides the
    // inherited one.
    applyFontHeight(*this);
    applyFontColor(*this, *colors);
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        applyFontHeight(*child);
        applyFontColor(*child, *colors);
    }

    for (QWidget* child : children) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            // Labels are as wide as their text, in whichever face stands in.
            label->setTextFormat(Qt::PlainText);
            label->adjustSize();
        } else if (auto* button = qobject_cast<QPushButton*>(child)) {
            // Enter presses the focused button; outside a dialog this makes no button the
            // window's default.
            button->setAutoDefault(true);
            // Tab reaches the buttons in the designed order on every platform; macOS would
            // otherwise skip them unless full keyboard access is on.
            button->setFocusPolicy(Qt::StrongFocus);
        }
    }
}

void TForm::Show()
{
    if (!shownBefore && position == Position::poScreenCenter) {
        const QRect screen = this->screen()->geometry();
        move(screen.x() + (screen.width() - outerSize.width()) / 2,
             screen.y() + (screen.height() - outerSize.height()) / 2);
    }
    shownBefore = true;
    show();
    raise();
    activateWindow();
}

bool TForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::WindowActivate:
        // The window system makes the frame known only once the window is up.
        fitOuterSize();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// Once only, when the frame first becomes known: later the frame changes as the window is
// maximised or restored, and the size is then the user's or the window system's.
void TForm::fitOuterSize()
{
    if (frameFitted || !isWindow() || outerSize.isEmpty()) return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull()) return;
    frameFitted = true;
    resize(outerSize - frame);
}

void TForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    const TApplication* application = TApplication::instance();
    if (application != nullptr && application->MainForm() == this) QCoreApplication::exit(0);
}

}  // namespace kazuyomi
