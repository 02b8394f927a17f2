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

// The controls of an auto-pick window, found by name.
struct AutoPickControls {
    QWidget* form = nullptr;
    std::array<QLineEdit*, 3> entries{}; // Edit1 3回前, Edit2 2回前, Edit3 前回
    QPushButton* Button2 = nullptr;      // 評価＞＞
    QPushButton* BitBtn1 = nullptr;      // 閉じる
    std::array<QLabel*, 10> points{};    // point_00 .. point_09
    std::array<QLabel*, 35> kai{};       // kai_01 .. kai_35

    // Opens a new window from the launcher; true when it opened one with every control.
    bool openFrom(const LauncherControls& launcher)
    {
        return bind(openToolWindow(*launcher.Button1, QStringLiteral("Omakase2")));
    }

    // True when the window has every control.
    bool bind(QWidget* window)
    {
        form = window;
        if (form == nullptr) return false;
        bool complete = true;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = form->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
            complete = complete && entries[i] != nullptr;
        }
        Button2 = form->findChild<QPushButton*>(QStringLiteral("Button2"));
        BitBtn1 = form->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        complete = complete && Button2 != nullptr && BitBtn1 != nullptr;
        for (std::size_t digit = 0; digit < points.size(); ++digit) {
            points[digit] = form->findChild<QLabel*>(QStringLiteral("point_%1").arg(digit, 2, 10, QLatin1Char('0')));
            complete = complete && points[digit] != nullptr;
        }
        for (std::size_t k = 0; k < kai.size(); ++k) {
            kai[k] = form->findChild<QLabel*>(QStringLiteral("kai_%1").arg(k + 1, 2, 10, QLatin1Char('0')));
            complete = complete && kai[k] != nullptr;
        }
        return complete;
    }

    QStringList pointTexts() const
    {
        QStringList texts;
        for (const QLabel* label : points) texts.append(label->text());
        return texts;
    }

    QStringList suggestionTexts() const
    {
        QStringList texts;
        for (const QLabel* label : kai) texts.append(label->text());
        return texts;
    }

    // Types the three draws, each into an emptied entry, and clicks 評価＞＞.
    void evaluate(const QString& draw3Ago, const QString& draw2Ago, const QString& drawLast) const
    {
        retype(*entries[0], draw3Ago);
        retype(*entries[1], draw2Ago);
        retype(*entries[2], drawLast);
        QTest::mouseClick(Button2, Qt::LeftButton);
    }
};

}  // namespace kazuyomi::uitest
