#pragma once

#include <QPushButton>
#include <QWidget>

namespace kazuyomi::uitest {

// The launcher's buttons, found by name.
struct LauncherControls {
    QWidget* form = nullptr;
    QPushButton* Button1 = nullptr; // おまかせナンバーズ
    QPushButton* Button2 = nullptr; // 自力でナンバーズ
    QPushButton* BitBtn1 = nullptr; // さよならナンバーズ

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
