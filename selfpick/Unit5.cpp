#include "selfpick/Unit5.h"

#include "toolkit/Caption.h"
#include "toolkit/Handler.h"
#include "ui_Unit5.h"

namespace kazuyomi {

TJiriki2::TJiriki2(QWidget* owner)
    : TForm(Position::poDefaultPosOnly, owner)
    , ui(std::make_unique<Ui::Jiriki2>())
    , list([this](int32_t slot, const std::string& text) {
        setCaption(*slotLabels.at(static_cast<std::size_t>(slot - 1)), QString::fromStdString(text));
    })
{
    ui->setupUi(this);
    applyDesign();
    for (std::size_t slot = 1; slot <= slotLabels.size(); ++slot) {
        slotLabels[slot - 1] = findChild<QLabel*>(QStringLiteral("yoso%1").arg(slot));
    }
    connectHandler(ui->Button1, &QPushButton::clicked, this, &TJiriki2::addYoso);
    connectHandler(ui->soredemo, &QPushButton::clicked, this, &TJiriki2::addSoredemo);
    connectHandler(ui->sakujo, &QPushButton::clicked, this, &TJiriki2::staSakujo);
    init_jiriki(this);
}

void TJiriki2::init_jiriki(QObject*)
{
    list.initYoso();
}

void TJiriki2::addYoso(QObject*)
{
    setCaption(*ui->dspResult, QString::fromUtf8(checkResultText));
    ui->soredemo->setEnabled(false);
    apply(kazuyomi::addYoso(list, ui->Edit1->text().toStdString()));
}

void TJiriki2::addSoredemo(QObject*)
{
    apply(kazuyomi::addSoredemo(list, ui->Edit1->text().toStdString(), ui->Edit1->isModified()));
}

void TJiriki2::staSakujo(QObject*)
{
    if (list.delYoso(ui->Edit2->text().toStdString())) ui->Edit2->setText(QString());
}

void TJiriki2::apply(const AddOutcome& outcome)
{
    if (outcome.resultText) setCaption(*ui->dspResult, QString::fromStdString(*outcome.resultText));
    if (outcome.soredemoEnabled) ui->soredemo->setEnabled(*outcome.soredemoEnabled);
    // setText, not clear(): clear() counts as the user's edit and would set the modified flag.
    if (outcome.clearEntry) ui->Edit1->setText(QString());
}

TJiriki2::~TJiriki2() = default;

}  // namespace kazuyomi
