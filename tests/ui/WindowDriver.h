#pragma once

#include <Qt>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace kazuyomi {
class TForm;
}

namespace kazuyomi::uitest {

// Clicks the button and gives the one window that the click made, or nullptr when it made none
// or more than one.
TForm* clickForNewForm(QAbstractButton& button);

// Clicks the launcher's button and gives the one visible window named formName that it made, or
// nullptr.
QWidget* openToolWindow(QAbstractButton& launcherButton, const QString& formName);

// Activates the window and waits until it is the active window.
[[nodiscard]] bool activate(QWidget& window);

// A key pressed and released on the keyboard: the window system hands it to the window, which
// gives it to its focus control, so shortcuts, Tab and access keys work as for a user.
void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The object name of the control that has the keyboard focus.
QString focusName();

// Replaces the entry's text as a user does: select all, delete, type.
void retype(QLineEdit& entry, const QString& text);

// Whether the label is wide enough for all of its text.
bool fitsText(const QLabel& label);

// Closes every visible window but the main one.
void closeToolWindows();

}  // namespace kazuyomi::uitest
