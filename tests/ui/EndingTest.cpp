// How the program ends: the exit code of start-up, and closing the launcher ending the event loop
// while tool windows are open. These run the application's own event loop, so they have a program
// of their own, in this order: a failed start creates no window, then the launcher is made.

#include "LauncherControls.h"
#include "ModalBoxCatcher.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

// What the event loop returns when nothing ended it in time.
constexpr int loopNeverEnded = 99;

// Ends the event loop with loopNeverEnded should the test's own way of ending it fail.
class Watchdog {
public:
    Watchdog()
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [] { QCoreApplication::exit(loopNeverEnded); });
        timer.start(5000);
    }

private:
    QTimer timer;
};

}  // namespace

class EndingTest : public QObject {
    Q_OBJECT

private slots:
    void failedStartUpIsReportedAndExitsWithOne();
    void closingTheLauncherEndsTheProgramWithZero_data();
    void closingTheLauncherEndsTheProgramWithZero();

private:
    // Runs in the event loop: opens tool windows from the launcher, then closes the launcher.
    void openToolWindowsAndClose(bool byButton);

    bool toolWindowsWereOpen = false;
    bool noModalWindow = false;
};

void EndingTest::failedStartUpIsReportedAndExitsWithOne()
{
    TApplication& application = *TApplication::instance();
    ModalBoxCatcher catcher;
    const int exitCode = application.Execute([] { throw std::runtime_error("boom"); });

    QCOMPARE(exitCode, 1);
    QCOMPARE(catcher.boxes().size(), 1);
    QVERIFY(catcher.boxes().front().isMessageBox);
    QCOMPARE(catcher.boxes().front().text, QStringLiteral("boom."));
    QCOMPARE(catcher.boxes().front().icon, QMessageBox::Critical);
    QCOMPARE(catcher.boxes().front().buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(application.Forms().empty());
}

void EndingTest::closingTheLauncherEndsTheProgramWithZero_data()
{
    QTest::addColumn<bool>("byButton");
    // The first row starts the program the way main does; later rows run the loop again.
    QTest::newRow("さよならナンバーズ, right after start") << true;
    QTest::newRow("the window's own close, as by its close box or Alt+F4") << false;
    QTest::newRow("さよならナンバーズ, once more") << true;
}

void EndingTest::closingTheLauncherEndsTheProgramWithZero()
{
    QFETCH(bool, byButton);

    TApplication& application = *TApplication::instance();
    toolWindowsWereOpen = false;
    noModalWindow = false;
    const Watchdog watchdog;
    QTimer::singleShot(0, [this, byButton] { openToolWindowsAndClose(byButton); });

    int exitCode = -1;
    if (application.MainForm() == nullptr) {
        exitCode = application.Execute([&application] { application.CreateForm<TForm1>(); });
    } else {
        exitCode = application.Run();
    }

    QCOMPARE(exitCode, 0);
    QVERIFY(toolWindowsWereOpen);
    QVERIFY(noModalWindow);
    QVERIFY(!application.MainForm()->isVisible());
}

void EndingTest::openToolWindowsAndClose(bool byButton)
{
    TApplication& application = *TApplication::instance();
    LauncherControls launcher;
    if (!launcher.bind(application.MainForm()) || !QTest::qWaitForWindowExposed(launcher.form)) return;

    TForm* const autoPick = clickForNewForm(*launcher.Button1);
    TForm* const selfPick = clickForNewForm(*launcher.Button2);
    TForm* const secondAutoPick = clickForNewForm(*launcher.Button1);
    toolWindowsWereOpen = autoPick != nullptr && selfPick != nullptr && secondAutoPick != nullptr &&
                          autoPick->isVisible() && selfPick->isVisible() && secondAutoPick->isVisible();

    if (byButton) {
        QTest::mouseClick(launcher.BitBtn1, Qt::LeftButton);
    } else {
        launcher.form->close();
    }
    // Nothing is asked before the program ends.
    noModalWindow = QApplication::activeModalWidget() == nullptr;
}

int main(int argc, char* argv[])
{
    return runWindowTests<EndingTest>(argc, argv);
}

#include "EndingTest.moc"
