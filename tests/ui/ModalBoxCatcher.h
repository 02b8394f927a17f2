#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace kazuyomi::uitest {

// While it lives, answers every modal window that comes up: a message box is noted and its OK
// button clicked; anything else modal is noted and closed, so a test never hangs on it.
class ModalBoxCatcher {
public:
    struct Box {
        bool isMessageBox = false;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
        const QWidget* parent = nullptr; // the window the box stands over
        Qt::WindowModality modality = Qt::NonModal;
    };

    ModalBoxCatcher();
    ~ModalBoxCatcher();
    ModalBoxCatcher(const ModalBoxCatcher&) = delete;
    ModalBoxCatcher& operator=(const ModalBoxCatcher&) = delete;

    const QList<Box>& boxes() const { return seen; }

private:
    void answer();

    QTimer poll;
    QList<Box> seen;
};

}  // namespace kazuyomi::uitest
