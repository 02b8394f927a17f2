// The yardstick for start-up: a Qt Widgets program with one window of the launcher's size and
// nothing in it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(338, 255);
    window.show();
    return QApplication::exec();
}
