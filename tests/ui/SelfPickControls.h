#pragma once

#include "LauncherControls.h"
#include "WindowDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <array>

namespace kazuyomi::uitest {

// The controls of a self-pick window, found by name.
struct SelfPickControls {
    QWidget* form = nullptr;
    QLineEdit* Edit1 = nullptr;     // the forecast
    QLineEdit* Edit2 = nullptr;     // the slot number to delete
    QPushButton* Button1 = nullptr; // 追加＞＞
    QPushButton* sakujo = nullptr;  // 削除
    QPushButton* BitBtn1 = nullptr; // 閉じる
    QPushButton* soredemo = nullptr; // それでも追加
    QLabel* dspResult = nullptr;
    std::array<QLabel*, 50> yoso{}; // yoso1 .. yoso50

    // Opens a new window from the launcher; true when it opened one with every control.
    bool openFrom(const LauncherControls& launcher)
    {
        return bind(openToolWindow(*launcher.Button2, QStringLiteral("Jiriki2")));
    }

    // True when the window has every control.
    bool bind(QWidget* window)
    {
        form = window;
        if (form == nullptr) return false;
        Edit1 = form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        Edit2 = form->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        Button1 = form->findChild<QPushButton*>(QStringLiteral("Button1"));
        sakujo = form->findChild<QPushButton*>(QStringLiteral("sakujo"));
        BitBtn1 = form->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        soredemo = form->findChild<QPushButton*>(QStringLiteral("soredemo"));
        dspResult = form->findChild<QLabel*>(QStringLiteral("dspResult"));
        bool complete = Edit1 != nullptr && Edit2 != nullptr && Button1 != nullptr && sakujo != nullptr &&
                        BitBtn1 != nullptr && soredemo != nullptr && dspResult != nullptr;
        for (std::size_t slot = 1; slot <= yoso.size(); ++slot) {
            yoso[slot - 1] = form->findChild<QLabel*>(QStringLiteral("yoso%1").arg(slot));
            complete = complete && yoso[slot - 1] != nullptr;
        }
        return complete;
    }

    QStringList slotTexts() const
    {
        QStringList texts;
        for (const QLabel* label : yoso) texts.append(label->text());
        return texts;
    }

    // The texts of an empty list, " 1: ----" to "50: ----".
    static QStringList emptySlotTexts()
    {
        QStringList texts;
        for (int slot = 1; slot <= 50; ++slot) texts.append(QStringLiteral("%1: ----").arg(slot, 2));
        return texts;
    }

    // Types the forecast into the emptied entry and clicks 追加＞＞.
    void add(const QString& forecast) const
    {
        retype(*Edit1, forecast);
        QTest::mouseClick(Button1, Qt::LeftButton);
    }

    // Types the slot number into the emptied entry and clicks 削除.
    void remove(const QString& slot) const
    {
        retype(*Edit2, slot);
        QTest::mouseClick(sakujo, Qt::LeftButton);
    }
};

}  // namespace kazuyomi::uitest
