#include "ModalBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace kazuyomi::uitest {

ModalBoxCatcher::ModalBoxCatcher()
{
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [this] { answer(); });
    poll.start();
}

ModalBoxCatcher::~ModalBoxCatcher() { poll.stop(); }

void ModalBoxCatcher::answer()
{
    QWidget* const modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;

    Box box;
    box.parent = modal->parentWidget();
    box.modality = modal->windowModality();
    auto* const messageBox = qobject_cast<QMessageBox*>(modal);
    if (messageBox == nullptr) {
        seen.append(box);
        modal->close();
        return;
    }
    box.isMessageBox = true;
    box.text = messageBox->text();
    box.icon = messageBox->icon();
    const auto buttons = messageBox->buttons();
    for (QAbstractButton* button : buttons) box.buttons.append(messageBox->standardButton(button));
    seen.append(box);

    if (QAbstractButton* ok = messageBox->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        messageBox->reject();
    }
}

}  // namespace kazuyomi::uitest
