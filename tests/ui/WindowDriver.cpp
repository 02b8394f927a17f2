#include "WindowDriver.h"

#include "toolkit/TApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kazuyomi::uitest {

TForm* clickForNewForm(QAbstractButton& button)
{
    const auto& forms = TApplication::instance()->Forms();
    const std::size_t before = forms.size();
    QTest::mouseClick(&button, Qt::LeftButton);
    if (forms.size() != before + 1) return nullptr;
    return forms.back().get();
}

QWidget* openToolWindow(QAbstractButton& launcherButton, const QString& formName)
{
    QWidget* const form = clickForNewForm(launcherButton);
    return form != nullptr && form->objectName() == formName && form->isVisible() ? form : nullptr;
}

bool activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

QString focusName()
{
    const QWidget* const focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(no focus)");
}

void retype(QLineEdit& entry, const QString& text)
{
    QTest::keyClick(&entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&entry, Qt::Key_Backspace);
    QTest::keyClicks(&entry, text);
}

bool fitsText(const QLabel& label)
{
    return label.width() >= label.fontMetrics().horizontalAdvance(label.text());
}

void closeToolWindows()
{
    const TApplication* const application = TApplication::instance();
    for (const auto& form : application->Forms()) {
        if (form.get() != application->MainForm() && form->isVisible()) form->close();
    }
}

}  // namespace kazuyomi::uitest
