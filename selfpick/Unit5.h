#pragma once

#include "selfpick/ForecastAdd.h"
#include "selfpick/ForecastList.h"
#include "toolkit/TForm.h"

#include <array>
#include <memory>

class QLabel;

namespace Ui {
class Jiriki2;
}

namespace kazuyomi {

// The self-pick window: a list of up to fifty forecasts of the user's own.
class TJiriki2 : public TForm {
    Q_OBJECT

public:
    explicit TJiriki2(QWidget* owner = nullptr);
    ~TJiriki2() override;

    void init_jiriki(QObject* sender);
    void addYoso(QObject* sender);
    void addSoredemo(QObject* sender);
    void staSakujo(QObject* sender);

private:
    void apply(const AddOutcome& outcome);

    std::unique_ptr<Ui::Jiriki2> ui;
    std::array<QLabel*, 50> slotLabels{}; // yoso1 .. yoso50
    ForecastList list;
};

}  // namespace kazuyomi
