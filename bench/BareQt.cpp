// The yardsticks for start-up: a Qt Widgets program with one window of the launcher's size and
// nothing in it, or, given "--label", with one label of Japanese text in the launcher's face.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(338, 255);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto* label = new QLabel(QStringLiteral("あなたはどのナンバーズ？"), &window);
        QFont face(QStringLiteral("IPAPGothic"));
        face.setPixelSize(27);
        label->setFont(face);
        label->move(13, 24);
        label->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
