#include "shell/Unit1.h"

#include "autopick/Unit4.h"
#include "selfpick/Unit5.h"
#include "toolkit/Handler.h"
#include "ui_Unit1.h"
#include "toolkit/TApplication.h"

namespace kazuyomi {

TForm1::TForm1(QWidget* owner)
    : TForm(Position::poScreenCenter, owner)
    , ui(std::make_unique<Ui::Form1>())
{
    ui->setupUi(this);
    applyDesign();
    connectHandler(ui->Button1, &QPushButton::clicked, this, &TForm1::staOmakase);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &TForm1::staJiriki);
}

void TForm1::staOmakase(QObject*)
{
    TApplication::instance()->CreateForm<TOmakase2>()->Show();
}

void TForm1::staJiriki(QObject*)
{
    TApplication::instance()->CreateForm<TJiriki2>()->Show();
}

TForm1::~TForm1() = default;

}  // namespace kazuyomi
