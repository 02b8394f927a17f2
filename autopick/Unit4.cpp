#include "autopick/Unit4.h"

#include "autopick/DrawEvaluation.h"
#include "toolkit/Caption.h"
#include "toolkit/Handler.h"
#include "ui_Unit4.h"

namespace kazuyomi {

TOmakase2::TOmakase2(QWidget* owner)
    : TForm(Position::poDefaultPosOnly, owner)
    , ui(std::make_unique<Ui::Omakase2>())
{
    ui->setupUi(this);
    applyDesign();
    for (std::size_t digit = 0; digit < pointLabels.size(); ++digit) {
        pointLabels[digit] = findChild<QLabel*>(QStringLiteral("point_%1").arg(digit, 2, 10, QLatin1Char('0')));
    }
    for (std::size_t k = 0; k < suggestionLabels.size(); ++k) {
        suggestionLabels[k] = findChild<QLabel*>(QStringLiteral("kai_%1").arg(k + 1, 2, 10, QLatin1Char('0')));
    }
    connectHandler(ui->Button2, &QPushButton::clicked, this, &TOmakase2::staYosou);
}

void TOmakase2::staYosou(QObject*)
{
    const auto evaluation = evaluateDraws(ui->Edit1->text().toStdString(), ui->Edit2->text().toStdString(),
                                          ui->Edit3->text().toStdString());
    if (!evaluation) return;
    for (std::size_t digit = 0; digit < pointLabels.size(); ++digit) {
        setCaption(*pointLabels[digit], QString::number(evaluation->points[digit]));
    }
    for (std::size_t k = 0; k < suggestionLabels.size(); ++k) {
        setCaption(*suggestionLabels[k], QString::fromStdString(evaluation->suggestions[k]));
    }
}

TOmakase2::~TOmakase2() = default;

}  // namespace kazuyomi
