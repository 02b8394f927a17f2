#pragma once

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace kazuyomi::uitest {

// The launcher's buttons, found by name.
struct LauncherControls {
    QWidget* form = nullptr;
    QPushButton* Button1 = nullptr; // おまかせナンバーズ
    QPushButton* Button2 = nullptr; // 自力でナンバーズ
    QPushButton* BitBtn1 = nullptr; // さよならナンバーズ

    // Makes the launcher through the application, as the program does, shows it and binds it;
    // true once it is the active window.
    bool start()
    {
        TForm1* const launcher = TApplication::instance()->CreateForm<TForm1>();
        launcher->Show();
        return bind(launcher) && QTest::qWaitForWindowActive(launcher);
    }

    // True when the window has every control.
    bool bind(QWidget* window)
    {
        form = window;
        if (form == nullptr) return false;
        Button1 = form->findChild<QPushButton*>(QStringLiteral("Button1"));
        Button2 = form->findChild<QPushButton*>(QStringLiteral("Button2"));
        BitBtn1 = form->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        return Button1 != nullptr && Button2 != nullptr && BitBtn1 != nullptr;
    }
};

}  // namespace kazuyomi::uitest
