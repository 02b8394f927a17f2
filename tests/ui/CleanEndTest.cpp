// Closing the launcher with many tool windows about, some hidden and some just back from an
// error box, ends the program with 0 and destroys every window the application made. The
// application object lives inside the test here, so that its end can be watched.

#include "LauncherControls.h"
#include "ModalBoxCatcher.h"
#include "SelfPickControls.h"
#include "WindowDriver.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

constexpr int toolWindowsOfEachKind = 15;

struct Scenario {
    std::vector<QPointer<QWidget>> windows;
    int hidden = 0;
    int errorBoxes = 0;
};

// Runs in the event loop: opens the windows, hides some, raises errors in others, then closes
// the launcher.
void openManyAndClose(TApplication& application, Scenario& scenario)
{
    LauncherControls launcher;
    if (!launcher.bind(application.MainForm())) return;
    scenario.windows.emplace_back(launcher.form);
    ModalBoxCatcher catcher;
    for (int made = 0; made < toolWindowsOfEachKind; ++made) {
        for (QPushButton* button : {launcher.Button1, launcher.Button2}) {
            TForm* const window = clickForNewForm(*button);
            if (window == nullptr) return;
            scenario.windows.emplace_back(window);
            SelfPickControls selfPick;
            if (made % 3 == 1 && selfPick.bind(window)) selfPick.add(QStringLiteral("12a"));
            if (made % 3 == 2) {
                window->close();
                ++scenario.hidden;
            }
        }
    }
    scenario.errorBoxes = static_cast<int>(catcher.boxes().size());
    QTest::mouseClick(launcher.BitBtn1, Qt::LeftButton);
}

}  // namespace

class CleanEndTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowIsDestroyedAndTheExitCodeIsZero();
};

void CleanEndTest::everyWindowIsDestroyedAndTheExitCodeIsZero()
{
    Scenario scenario;
    int exitCode = -1;
    {
        int argc = 1;
        char name[] = "kazuyomi";
        char* argv[] = {name, nullptr};
        TApplication application(argc, argv);
        QTimer::singleShot(0, [&] { openManyAndClose(application, scenario); });
        // Should the launcher fail to end the loop, the test ends it and fails.
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        exitCode = application.Execute([&application] {
            application.Initialize();
            application.CreateForm<TForm1>();
        });
        QCOMPARE(application.Forms().size(), scenario.windows.size());
    }

    QCOMPARE(exitCode, 0);
    QCOMPARE(scenario.windows.size(), std::size_t{1 + 2 * toolWindowsOfEachKind});
    QCOMPARE(scenario.hidden, 2 * (toolWindowsOfEachKind / 3));
    QCOMPARE(scenario.errorBoxes, toolWindowsOfEachKind / 3);
    for (const QPointer<QWidget>& window : scenario.windows) QVERIFY(window.isNull());
}

QTEST_APPLESS_MAIN(CleanEndTest)

#include "CleanEndTest.moc"
