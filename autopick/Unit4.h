#pragma once

#include "toolkit/TForm.h"

#include <array>
#include <memory>

class QLabel;

namespace Ui {
class Omakase2;
}

namespace kazuyomi {

// The auto-pick window: three past draws in, ten scores and 35 suggestions out.
class TOmakase2 : public TForm {
    Q_OBJECT

public:
    explicit TOmakase2(QWidget* owner = nullptr);
    ~TOmakase2() override;

    void staYosou(QObject* sender);

private:
    std::unique_ptr<Ui::Omakase2> ui;
    std::array<QLabel*, 10> pointLabels{};      // point_00 .. point_09
    std::array<QLabel*, 35> suggestionLabels{}; // kai_01 .. kai_35
};

}  // namespace kazuyomi
