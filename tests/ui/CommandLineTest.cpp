// The program reads no command line: options that Qt would take for itself change nothing.
// Each row makes an application object of its own from the given arguments, so the test runs
// without one of its own.

#include "LauncherControls.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>

#include <vector>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void qtOptionsChangeNothing_data();
    void qtOptionsChangeNothing();

private:
    // A style sheet that would paint the buttons' text in a colour the forms never use.
    QTemporaryFile styleSheet;
};

namespace {

const QString programName = QStringLiteral("kazuyomi");
const QColor styleSheetColour(0x12, 0x34, 0x56);

}  // namespace

void CommandLineTest::initTestCase()
{
    QVERIFY(styleSheet.open());
    styleSheet.write("QPushButton { color: #123456; }\n");
    styleSheet.flush();
}

void CommandLineTest::qtOptionsChangeNothing_data()
{
    QTest::addColumn<QStringList>("options");
    const QString sheet = styleSheet.fileName();
    QTest::newRow("-qwindowtitle renames no window")
        << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("X")};
    QTest::newRow("-stylesheet=FILE reads no file") << QStringList{QStringLiteral("-stylesheet=") + sheet};
    QTest::newRow("-stylesheet FILE reads no file") << QStringList{QStringLiteral("-stylesheet"), sheet};
    QTest::newRow("-platform picks no other platform")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("minimal")};
    QTest::newRow("a file name reaches nobody") << QStringList{QStringLiteral("forecasts.txt")};
    // Late: a direction Qt took from -reverse would stay with the process, in every later row.
    QTest::newRow("-reverse mirrors no window") << QStringList{QStringLiteral("-reverse")};
    QTest::newRow("all of them at once")
        << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("X"), QStringLiteral("-reverse"),
                       QStringLiteral("-stylesheet=") + sheet};
}

void CommandLineTest::qtOptionsChangeNothing()
{
    QFETCH(QStringList, options);
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
    qputenv("QT_QPA_PLATFORM", platform.toUtf8());

    // The vector the system hands to main: the program's name, the options, a null.
    std::vector<QByteArray> texts{programName.toUtf8()};
    for (const QString& option : options) texts.push_back(option.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);

    int argc = int(texts.size());
    TApplication application(argc, argv.data());
    application.Initialize();
    TForm1* const form = application.CreateForm<TForm1>();
    LauncherControls launcher;
    QVERIFY(launcher.bind(form));
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(launcher.form));

    QCOMPARE(QCoreApplication::arguments(), QStringList{programName});
    QCOMPARE(QGuiApplication::platformName(), platform);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(launcher.form->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(launcher.Button1->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(launcher.form->windowTitle(), QStringLiteral("カズヨミ"));
    QCOMPARE(launcher.form->windowHandle()->title(), QStringLiteral("カズヨミ"));
    QCOMPARE(qApp->styleSheet(), QString());
    QVERIFY(launcher.Button1->palette().color(QPalette::ButtonText) != styleSheetColour);
}

QTEST_APPLESS_MAIN(CommandLineTest)

#include "CommandLineTest.moc"
