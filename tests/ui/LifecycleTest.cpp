// The launcher and the windows it opens: every click makes a new, independent window; closing a
// tool window only hides it; keys on the launcher; an error report leaves everything usable.

#include "AutoPickControls.h"
#include "LauncherControls.h"
#include "ModalBoxCatcher.h"
#include "SelfPickControls.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

const QString emptyResult = QStringLiteral("チェック結果：");
const QString boxWarning = QStringLiteral("チェック結果：【警告】ﾎﾞｯｸｽ重複");
const QStringList designPoints(10, QStringLiteral("000"));
const QStringList designSuggestions(35, QStringLiteral("----"));

bool isOwnedByApplication(const QWidget* window)
{
    for (const auto& form : TApplication::instance()->Forms()) {
        if (form.get() == window) return true;
    }
    return false;
}

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void launcherShowsItsDesign();
    void keyPressesTheFocusedLauncherButton_data();
    void keyPressesTheFocusedLauncherButton();
    void tabWalksTheLauncherButtons_data();
    void tabWalksTheLauncherButtons();
    void escapeClosesNoWindow();

    void autoPickWindowsStayIndependent();
    void selfPickWindowsKeepSeparateLists();
    void closeHidesAToolWindow_data();
    void closeHidesAToolWindow();
    void closedToolWindowIsNotReused_data();
    void closedToolWindowIsNotReused();

    void conversionErrorLeavesEveryWindowUsable();

private:
    // A launcher seen for the first time, as right after start; it is not the main window, so
    // closing it only hides it.
    TForm* freshLauncher();

    LauncherControls launcher;
};

void LifecycleTest::initTestCase()
{
    QVERIFY(launcher.start());
    QCOMPARE(TApplication::instance()->MainForm(), launcher.form);
    QCOMPARE(focusName(), QStringLiteral("Button1"));
}

void LifecycleTest::init()
{
    QVERIFY(activate(*launcher.form));
}

void LifecycleTest::cleanup()
{
    closeToolWindows();
}

TForm* LifecycleTest::freshLauncher()
{
    TForm1* const form = TApplication::instance()->CreateForm<TForm1>();
    form->Show();
    return QTest::qWaitForWindowActive(form) ? form : nullptr;
}

void LifecycleTest::launcherShowsItsDesign()
{
    QCOMPARE(launcher.form->windowTitle(), QStringLiteral("カズヨミ"));
    QCOMPARE(launcher.Button1->text(), QStringLiteral("おまかせナンバーズ"));
    QCOMPARE(launcher.Button2->text(), QStringLiteral("自力でナンバーズ"));
    // The close kind keeps the designed caption, not a standard one of its own.
    QCOMPARE(launcher.BitBtn1->text(), QStringLiteral("さよならナンバーズ"));
}

void LifecycleTest::keyPressesTheFocusedLauncherButton_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opened");

    QTest::newRow("Return right after start opens auto-pick") << 0 << int(Qt::Key_Return) << "Omakase2";
    QTest::newRow("keypad Enter right after start opens auto-pick") << 0 << int(Qt::Key_Enter) << "Omakase2";
    QTest::newRow("Space right after start opens auto-pick") << 0 << int(Qt::Key_Space) << "Omakase2";
    QTest::newRow("Return after one Tab opens self-pick") << 1 << int(Qt::Key_Return) << "Jiriki2";
    QTest::newRow("Space after one Tab opens self-pick") << 1 << int(Qt::Key_Space) << "Jiriki2";
}

void LifecycleTest::keyPressesTheFocusedLauncherButton()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, opened);

    TForm* const fresh = freshLauncher();
    QVERIFY(fresh != nullptr);
    QCOMPARE(focusName(), QStringLiteral("Button1"));
    for (int i = 0; i < tabs; ++i) pressKey(*fresh, Qt::Key_Tab);

    const auto& forms = TApplication::instance()->Forms();
    const std::size_t before = forms.size();
    pressKey(*fresh, Qt::Key(key));
    QCOMPARE(forms.size(), before + 1);
    QCOMPARE(forms.back()->objectName(), opened);
    QVERIFY(forms.back()->isVisible());
    QVERIFY(fresh->isVisible());
}

void LifecycleTest::tabWalksTheLauncherButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("walk");

    QTest::newRow("Tab goes down and wraps")
        << int(Qt::Key_Tab) << QStringList{"Button2", "BitBtn1", "Button1"};
    QTest::newRow("Shift+Tab goes up and wraps")
        << int(Qt::Key_Backtab) << QStringList{"BitBtn1", "Button2", "Button1"};
}

void LifecycleTest::tabWalksTheLauncherButtons()
{
    QFETCH(int, key);
    QFETCH(QStringList, walk);

    TForm* const fresh = freshLauncher();
    QVERIFY(fresh != nullptr);
    QCOMPARE(focusName(), QStringLiteral("Button1"));
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QStringList walked;
    for (int i = 0; i < walk.size(); ++i) {
        pressKey(*fresh, Qt::Key(key), modifiers);
        walked.append(focusName());
    }
    QCOMPARE(walked, walk);
}

void LifecycleTest::escapeClosesNoWindow()
{
    AutoPickControls autoPick;
    QVERIFY(autoPick.openFrom(launcher));
    SelfPickControls selfPick;
    QVERIFY(selfPick.openFrom(launcher));
    const std::size_t windows = TApplication::instance()->Forms().size();

    for (QWidget* window : {launcher.form, autoPick.form, selfPick.form}) {
        QVERIFY(activate(*window));
        pressKey(*window, Qt::Key_Escape);
    }
    QApplication::processEvents();

    QVERIFY(launcher.form->isVisible());
    QVERIFY(autoPick.form->isVisible());
    QVERIFY(selfPick.form->isVisible());
    QCOMPARE(TApplication::instance()->Forms().size(), windows);
}

void LifecycleTest::autoPickWindowsStayIndependent()
{
    std::array<AutoPickControls, 3> windows;
    for (AutoPickControls& window : windows) QVERIFY(window.openFrom(launcher));
    QVERIFY(windows[0].form != windows[1].form && windows[1].form != windows[2].form &&
            windows[0].form != windows[2].form);
    for (const AutoPickControls& window : windows) QVERIFY(window.form->isVisible());

    windows[1].evaluate("1234", "5678", "9012");
    const QStringList scores{"275", "250", "100", "250", "375", "200", "575", "375", "325", "325"};
    QCOMPARE(windows[1].pointTexts(), scores);
    for (const std::size_t other : {0U, 2U}) {
        QCOMPARE(windows[other].pointTexts(), designPoints);
        QCOMPARE(windows[other].suggestionTexts(), designSuggestions);
        for (const QLineEdit* entry : windows[other].entries) QCOMPARE(entry->text(), QString());
    }

    // An evaluation in another window leaves the first results where they are.
    const QStringList suggestions = windows[1].suggestionTexts();
    windows[0].evaluate("0000", "0000", "0000");
    QCOMPARE(windows[0].points[4]->text(), QStringLiteral("800"));
    QCOMPARE(windows[1].pointTexts(), scores);
    QCOMPARE(windows[1].suggestionTexts(), suggestions);
    QCOMPARE(windows[1].entries[0]->text(), QStringLiteral("1234"));
    QCOMPARE(windows[2].pointTexts(), designPoints);
}

void LifecycleTest::selfPickWindowsKeepSeparateLists()
{
    SelfPickControls first;
    QVERIFY(first.openFrom(launcher));
    SelfPickControls second;
    QVERIFY(second.openFrom(launcher));
    QVERIFY(first.form != second.form);

    first.add("123");
    QCOMPARE(first.yoso[0]->text(), QStringLiteral(" 1: 123"));
    QCOMPARE(second.slotTexts(), SelfPickControls::emptySlotTexts());

    // The same forecast again, in the other window's list, is no straight duplicate.
    second.add("123");
    QCOMPARE(second.dspResult->text(), emptyResult);
    QCOMPARE(second.yoso[0]->text(), QStringLiteral(" 1: 123"));
    QCOMPARE(second.Edit1->text(), QString());
    second.add("456");
    QCOMPARE(second.yoso[1]->text(), QStringLiteral(" 2: 456"));
    QCOMPARE(first.yoso[1]->text(), QStringLiteral(" 2: ----"));

    // A box warning in one window enables only its own それでも追加.
    first.add("321");
    QCOMPARE(first.dspResult->text(), boxWarning);
    QVERIFY(first.soredemo->isEnabled());
    QCOMPARE(second.dspResult->text(), emptyResult);
    QVERIFY(!second.soredemo->isEnabled());
}

void LifecycleTest::closeHidesAToolWindow_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("key"); // 0: a mouse click on 閉じる
    QTest::addColumn<int>("modifiers");

    QTest::newRow("auto-pick 閉じる clicked") << "Omakase2" << 0 << 0;
    QTest::newRow("auto-pick 閉じる by its access key Alt+C") << "Omakase2" << int(Qt::Key_C) << int(Qt::AltModifier);
    QTest::newRow("self-pick 閉じる clicked") << "Jiriki2" << 0 << 0;
    QTest::newRow("self-pick 閉じる by its access key Alt+C") << "Jiriki2" << int(Qt::Key_C) << int(Qt::AltModifier);
}

void LifecycleTest::closeHidesAToolWindow()
{
    QFETCH(QString, tool);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    QPushButton* const opener = tool == QLatin1String("Omakase2") ? launcher.Button1 : launcher.Button2;
    TForm* const form = clickForNewForm(*opener);
    QVERIFY(form != nullptr);
    QCOMPARE(form->objectName(), tool);
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto* const close = form->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(close != nullptr);
    QCOMPARE(close->text(), QStringLiteral("閉じる(&C)"));

    const std::size_t windows = TApplication::instance()->Forms().size();
    if (key == 0) {
        QTest::mouseClick(close, Qt::LeftButton);
    } else {
        pressKey(*form, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QTRY_VERIFY(!form->isVisible());

    // Hidden, not destroyed: the application object still owns it.
    QVERIFY(isOwnedByApplication(form));
    QCOMPARE(TApplication::instance()->Forms().size(), windows);
    QVERIFY(launcher.form->isVisible());
}

void LifecycleTest::closedToolWindowIsNotReused_data()
{
    QTest::addColumn<QString>("tool");
    QTest::newRow("auto-pick closed after an evaluation") << "Omakase2";
    QTest::newRow("self-pick closed holding forecasts") << "Jiriki2";
}

void LifecycleTest::closedToolWindowIsNotReused()
{
    QFETCH(QString, tool);

    if (tool == QLatin1String("Omakase2")) {
        AutoPickControls closed;
        QVERIFY(closed.openFrom(launcher));
        closed.evaluate("1234", "5678", "9012");
        QTest::mouseClick(closed.BitBtn1, Qt::LeftButton);
        QVERIFY(!closed.form->isVisible());

        AutoPickControls next;
        QVERIFY(next.openFrom(launcher));
        QVERIFY(next.form != closed.form);
        QVERIFY(!closed.form->isVisible());
        QCOMPARE(next.pointTexts(), designPoints);
        QCOMPARE(next.suggestionTexts(), designSuggestions);
        for (const QLineEdit* entry : next.entries) QCOMPARE(entry->text(), QString());
        // The closed one kept its texts as they stood.
        QCOMPARE(closed.points[6]->text(), QStringLiteral("575"));
    } else {
        SelfPickControls closed;
        QVERIFY(closed.openFrom(launcher));
        closed.add("123");
        closed.add("4567");
        closed.add("321");
        QVERIFY(closed.soredemo->isEnabled());
        QTest::mouseClick(closed.BitBtn1, Qt::LeftButton);
        QVERIFY(!closed.form->isVisible());

        SelfPickControls next;
        QVERIFY(next.openFrom(launcher));
        QVERIFY(next.form != closed.form);
        QVERIFY(!closed.form->isVisible());
        QCOMPARE(next.slotTexts(), SelfPickControls::emptySlotTexts());
        QCOMPARE(next.dspResult->text(), emptyResult);
        QVERIFY(!next.soredemo->isEnabled());
        QCOMPARE(next.Edit1->text(), QString());
        // The new list is empty, not the closed one's: 123 files without a straight error.
        next.add("123");
        QCOMPARE(next.dspResult->text(), emptyResult);
        QCOMPARE(next.yoso[0]->text(), QStringLiteral(" 1: 123"));
        QCOMPARE(closed.yoso[1]->text(), QStringLiteral(" 2: 4567"));
    }
}

void LifecycleTest::conversionErrorLeavesEveryWindowUsable()
{
    AutoPickControls autoPick;
    QVERIFY(autoPick.openFrom(launcher));
    SelfPickControls selfPick;
    QVERIFY(selfPick.openFrom(launcher));
    QVERIFY(QTest::qWaitForWindowActive(selfPick.form));

    // A box warning first, so the reset that 追加＞＞ does before converting shows.
    selfPick.add("123");
    selfPick.add("321");
    QVERIFY(selfPick.soredemo->isEnabled());

    // Three characters pass the length test, so the text reaches the conversion.
    retype(*selfPick.Edit1, "12a");
    {
        ModalBoxCatcher catcher;
        QTest::mouseClick(selfPick.Button1, Qt::LeftButton);
        QCOMPARE(catcher.boxes().size(), 1);
        const ModalBoxCatcher::Box& box = catcher.boxes().front();
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.text, QStringLiteral("'12a' は整数ではありません."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        // It blocks every window while it is up and stands over the active one, which is
        // active again once it goes.
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QCOMPARE(box.parent, selfPick.form);
    }
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(QTest::qWaitForWindowActive(selfPick.form));
    QVERIFY(launcher.form->isVisible());
    QVERIFY(autoPick.form->isVisible());
    QVERIFY(selfPick.form->isVisible());
    QCOMPARE(selfPick.dspResult->text(), emptyResult);
    QVERIFY(!selfPick.soredemo->isEnabled());
    QCOMPARE(selfPick.Edit1->text(), QStringLiteral("12a"));
    QCOMPARE(selfPick.yoso[1]->text(), QStringLiteral(" 2: ----"));

    // Everything still works: the self-pick window files, the auto-pick window evaluates and
    // the launcher opens windows.
    selfPick.add("456");
    QCOMPARE(selfPick.yoso[1]->text(), QStringLiteral(" 2: 456"));
    autoPick.evaluate("1234", "5678", "9012");
    QCOMPARE(autoPick.points[6]->text(), QStringLiteral("575"));
    AutoPickControls another;
    QVERIFY(another.openFrom(launcher));
    SelfPickControls yetAnother;
    QVERIFY(yetAnother.openFrom(launcher));
}

int main(int argc, char* argv[])
{
    return runWindowTests<LifecycleTest>(argc, argv);
}

#include "LifecycleTest.moc"
