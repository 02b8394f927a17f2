#pragma once

#include "toolkit/TForm.h"

#include <memory>

namespace Ui {
class Form1;
}

namespace kazuyomi {

// The launcher: every click of a tool button opens one more window of that tool.
class TForm1 : public TForm {
    Q_OBJECT

public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    void staOmakase(QObject* sender);
    void staJiriki(QObject* sender);

private:
    std::unique_ptr<Ui::Form1> ui;
};

}  // namespace kazuyomi
