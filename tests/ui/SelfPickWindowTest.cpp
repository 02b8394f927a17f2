// The self-pick window as the launcher opens it: forecasts typed and filed with 追加＞＞, the
// box warning and それでも追加, deletes by slot number, conversion errors and keys.

#include "LauncherControls.h"
#include "ModalBoxCatcher.h"
#include "SelfPickControls.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QTest>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

const QString emptyResult = QStringLiteral("チェック結果：");
const QString tooShort = QStringLiteral("チェック結果：【ｴﾗｰ】桁数不足");
const QString straightError = QStringLiteral("チェック結果：【ｴﾗｰ】ｽﾄﾚｰﾄ重複");
const QString boxWarning = QStringLiteral("チェック結果：【警告】ﾎﾞｯｸｽ重複");

// Fifty three-digit forecasts, no two with the same digits: 123, 124, ... 189, 234, ... 345.
QStringList fiftyDistinctForecasts()
{
    QStringList forecasts;
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            for (int c = b + 1; c <= 9; ++c)
                if (forecasts.size() < 50) forecasts.append(QStringLiteral("%1%2%3").arg(a).arg(b).arg(c));
    return forecasts;
}

}  // namespace

class SelfPickWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newWindowShowsItsDesign();
    void filedForecastShowsInItsSlot_data();
    void filedForecastShowsInItsSlot();
    void checksShowTheirResult_data();
    void checksShowTheirResult();
    void addAnywayFilesWhatTheEntryHolds_data();
    void addAnywayFilesWhatTheEntryHolds();
    void addAnywayOfAnUnmodifiedEntryOnlyDisablesIt();
    void addAnywayOfARefusedTextKeepsTheWarning_data();
    void addAnywayOfARefusedTextKeepsTheWarning();
    void fullListStoresNothingMore();
    void deleteBySlotNumber_data();
    void deleteBySlotNumber();
    void deleteOfARefusedTextChangesNothing();
    void entriesStopAtTheirLength_data();
    void entriesStopAtTheirLength();
    void modifiedFlagFollowsTheUser();
    void tabWalksTheControls_data();
    void tabWalksTheControls();
    void keyPressesOnlyTheFocusedButton_data();
    void keyPressesOnlyTheFocusedButton();
    void escapeKeepsTheWindowOpen();

private:
    LauncherControls launcher;
    SelfPickControls window;
};

void SelfPickWindowTest::initTestCase()
{
    QVERIFY(launcher.start());
}

// Every test starts from a window just opened by the launcher and active.
void SelfPickWindowTest::init()
{
    QVERIFY(activate(*launcher.form));
    QVERIFY(window.openFrom(launcher));
    QVERIFY(QTest::qWaitForWindowActive(window.form));
}

void SelfPickWindowTest::cleanup()
{
    closeToolWindows();
}

void SelfPickWindowTest::newWindowShowsItsDesign()
{
    QCOMPARE(window.form->windowTitle(), QStringLiteral("自力でナンバーズ"));
    QCOMPARE(window.slotTexts(), SelfPickControls::emptySlotTexts());
    QCOMPARE(window.dspResult->text(), emptyResult);
    QVERIFY(!window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), QString());
    QCOMPARE(window.Edit2->text(), QString());
    QVERIFY(!window.Edit1->isModified());
    QCOMPARE(window.Button1->text(), QStringLiteral("追加＞＞"));
    QCOMPARE(window.sakujo->text(), QStringLiteral("削除"));
    QCOMPARE(window.soredemo->text(), QStringLiteral("それでも追加"));
    QCOMPARE(focusName(), QStringLiteral("Edit1"));
}

void SelfPickWindowTest::filedForecastShowsInItsSlot_data()
{
    QTest::addColumn<QString>("forecast");
    QTest::addColumn<QString>("slotText");

    QTest::newRow("three digits 123") << "123" << " 1: 123";
    QTest::newRow("four digits with a leading zero 0123") << "0123" << " 1: 0123";
    QTest::newRow("four digits 9876") << "9876" << " 1: 9876";
    QTest::newRow("a negative number -12") << "-12" << " 1: -12";
}

void SelfPickWindowTest::filedForecastShowsInItsSlot()
{
    QFETCH(QString, forecast);
    QFETCH(QString, slotText);

    QTest::keyClicks(window.Edit1, forecast);
    QVERIFY(window.Edit1->isModified());
    QTest::mouseClick(window.Button1, Qt::LeftButton);

    QCOMPARE(window.yoso[0]->text(), slotText);
    QVERIFY(fitsText(*window.yoso[0]));
    QCOMPARE(window.Edit1->text(), QString());
    QVERIFY(!window.Edit1->isModified());
    QCOMPARE(window.dspResult->text(), emptyResult);
    QVERIFY(!window.soredemo->isEnabled());
    QStringList rest = SelfPickControls::emptySlotTexts();
    rest[0] = slotText;
    QCOMPARE(window.slotTexts(), rest);
}

void SelfPickWindowTest::checksShowTheirResult_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("soredemoEnabled");
    QTest::addColumn<QString>("slot3"); // the next free slot's text afterwards

    QTest::newRow("straight duplicate 123 is refused") << "123" << straightError << false << " 3: ----";
    QTest::newRow("straight duplicate 1234 is no box warning") << "1234" << straightError << false << " 3: ----";
    QTest::newRow("box duplicate 312 warns") << "312" << boxWarning << true << " 3: ----";
    QTest::newRow("two characters 12 are too short") << "12" << tooShort << false << " 3: ----";
    QTest::newRow("an empty entry is too short") << "" << tooShort << false << " 3: ----";
    QTest::newRow("1a is too short before it is converted") << "1a" << tooShort << false << " 3: ----";
    QTest::newRow("0123 is of the other kind and filed") << "0123" << emptyResult << false << " 3: 0123";
    QTest::newRow("a new forecast 456 is filed") << "456" << emptyResult << false << " 3: 456";
}

// Every row starts from a box warning, so each add shows that it starts afresh.
void SelfPickWindowTest::checksShowTheirResult()
{
    QFETCH(QString, entry);
    QFETCH(QString, result);
    QFETCH(bool, soredemoEnabled);
    QFETCH(QString, slot3);

    window.add("123");
    window.add("1234");
    window.add("4321");
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());

    window.add(entry);

    QCOMPARE(window.dspResult->text(), result);
    QVERIFY(fitsText(*window.dspResult));
    QCOMPARE(window.soredemo->isEnabled(), soredemoEnabled);
    const bool filed = slot3 != QLatin1String(" 3: ----");
    QCOMPARE(window.Edit1->text(), filed ? QString() : entry);
    QCOMPARE(window.yoso[0]->text(), QStringLiteral(" 1: 123"));
    QCOMPARE(window.yoso[1]->text(), QStringLiteral(" 2: 1234"));
    QCOMPARE(window.yoso[2]->text(), slot3);
    QCOMPARE(window.yoso[3]->text(), QStringLiteral(" 4: ----"));
}

void SelfPickWindowTest::addAnywayFilesWhatTheEntryHolds_data()
{
    QTest::addColumn<QString>("retyped"); // what the user makes of the warned 321; "-" leaves it
    QTest::addColumn<QString>("slot2");

    QTest::newRow("the warned 321 as typed") << "-" << " 2: 321";
    QTest::newRow("a straight duplicate 123 typed after the warning") << "123" << " 2: 123";
    QTest::newRow("0123 typed after the warning") << "0123" << " 2: 0123";
}

void SelfPickWindowTest::addAnywayFilesWhatTheEntryHolds()
{
    QFETCH(QString, retyped);
    QFETCH(QString, slot2);

    window.add("123");
    window.add("321");
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), QStringLiteral("321"));
    QVERIFY(window.Edit1->isModified());
    if (retyped != QLatin1String("-")) retype(*window.Edit1, retyped);

    QTest::mouseClick(window.soredemo, Qt::LeftButton);

    QCOMPARE(window.yoso[1]->text(), slot2);
    QCOMPARE(window.yoso[0]->text(), QStringLiteral(" 1: 123"));
    QCOMPARE(window.Edit1->text(), QString());
    QVERIFY(!window.Edit1->isModified());
    QCOMPARE(window.dspResult->text(), emptyResult);
    QVERIFY(!window.soredemo->isEnabled());
}

void SelfPickWindowTest::addAnywayOfAnUnmodifiedEntryOnlyDisablesIt()
{
    window.add("123");
    // Text the program put there, not the user: the entry stays unmodified.
    window.Edit1->setText(QStringLiteral("321"));
    QVERIFY(!window.Edit1->isModified());
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());

    QTest::mouseClick(window.soredemo, Qt::LeftButton);

    QVERIFY(!window.soredemo->isEnabled());
    QCOMPARE(window.dspResult->text(), boxWarning);
    QCOMPARE(window.Edit1->text(), QStringLiteral("321"));
    QCOMPARE(window.yoso[1]->text(), QStringLiteral(" 2: ----"));
}

void SelfPickWindowTest::addAnywayOfARefusedTextKeepsTheWarning_data()
{
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<QString>("message");

    QTest::newRow("letters 1a") << "1a" << "'1a' は整数ではありません.";
    QTest::newRow("an entry the user emptied") << "" << "'' は整数ではありません.";
}

void SelfPickWindowTest::addAnywayOfARefusedTextKeepsTheWarning()
{
    QFETCH(QString, retyped);
    QFETCH(QString, message);

    window.add("123");
    window.add("321");
    QVERIFY(window.soredemo->isEnabled());
    retype(*window.Edit1, retyped);
    QVERIFY(window.Edit1->isModified());

    {
        ModalBoxCatcher catcher;
        QTest::mouseClick(window.soredemo, Qt::LeftButton);
        QCOMPARE(catcher.boxes().size(), 1);
        QCOMPARE(catcher.boxes().front().text, message);
        QCOMPARE(catcher.boxes().front().icon, QMessageBox::Critical);
    }

    QVERIFY(window.form->isVisible());
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), retyped);
    QCOMPARE(window.yoso[1]->text(), QStringLiteral(" 2: ----"));
}

void SelfPickWindowTest::fullListStoresNothingMore()
{
    const QStringList forecasts = fiftyDistinctForecasts();
    QStringList full;
    for (int slot = 1; slot <= 50; ++slot) {
        window.add(forecasts[slot - 1]);
        full.append(QStringLiteral("%1: %2").arg(slot, 2).arg(forecasts[slot - 1]));
    }
    QCOMPARE(window.slotTexts(), full);
    QCOMPARE(window.dspResult->text(), emptyResult);

    // No duplicate, and no room: nothing is said and nothing stored.
    window.add("987");
    QCOMPARE(window.dspResult->text(), emptyResult);
    QVERIFY(!window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), QStringLiteral("987"));
    QCOMPARE(window.slotTexts(), full);

    // A box duplicate still warns; adding it anyway then changes nothing at all.
    window.add("321");
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QTest::mouseClick(window.soredemo, Qt::LeftButton);
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), QStringLiteral("321"));
    QCOMPARE(window.slotTexts(), full);
}

void SelfPickWindowTest::deleteBySlotNumber_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("clears");

    QTest::newRow("5 clears slot 5") << "5" << true;
    QTest::newRow("05 clears slot 5") << "05" << true;
    QTest::newRow("0 names no slot") << "0" << false;
    QTest::newRow("51 names no slot") << "51" << false;
    QTest::newRow("an empty entry names no slot") << "" << false;
}

// The list holds six forecasts and the window shows the box warning that slot 5 caused.
void SelfPickWindowTest::deleteBySlotNumber()
{
    QFETCH(QString, slot);
    QFETCH(bool, clears);

    const QStringList forecasts{"123", "124", "125", "126", "127", "128"};
    for (const QString& forecast : forecasts) window.add(forecast);
    window.add("721");
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QStringList before = window.slotTexts();

    window.remove(slot);

    QStringList after = before;
    if (clears) after[4] = QStringLiteral(" 5: ----");
    QCOMPARE(window.slotTexts(), after);
    QCOMPARE(window.Edit2->text(), clears ? QString() : slot);
    // Nothing else in the window changes.
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
    QCOMPARE(window.Edit1->text(), QStringLiteral("721"));

    if (clears) {
        // The emptied slot is the first free one again.
        window.add("789");
        QCOMPARE(window.yoso[4]->text(), QStringLiteral(" 5: 789"));
        QCOMPARE(window.yoso[6]->text(), QStringLiteral(" 7: ----"));
    }
}

void SelfPickWindowTest::deleteOfARefusedTextChangesNothing()
{
    window.add("123");
    window.add("321");
    const QStringList before = window.slotTexts();
    retype(*window.Edit2, "5a");

    {
        ModalBoxCatcher catcher;
        QTest::mouseClick(window.sakujo, Qt::LeftButton);
        QCOMPARE(catcher.boxes().size(), 1);
        QCOMPARE(catcher.boxes().front().text, QStringLiteral("'5a' は整数ではありません."));
        QCOMPARE(catcher.boxes().front().icon, QMessageBox::Critical);
    }

    QVERIFY(window.form->isVisible());
    QCOMPARE(window.Edit2->text(), QStringLiteral("5a"));
    QCOMPARE(window.slotTexts(), before);
    QCOMPARE(window.dspResult->text(), boxWarning);
    QVERIFY(window.soredemo->isEnabled());
}

void SelfPickWindowTest::entriesStopAtTheirLength_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("the forecast takes four characters") << "Edit1" << "12345" << "1234";
    QTest::newRow("the slot number takes two characters") << "Edit2" << "123" << "12";
    // 😀 needs two UTF-16 units: as a fourth character no half of it is kept.
    QTest::newRow("no half of a character that does not fit") << "Edit1" << "123😀" << "123";
}

void SelfPickWindowTest::entriesStopAtTheirLength()
{
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    QLineEdit* const edit = entry == QLatin1String("Edit1") ? window.Edit1 : window.Edit2;
    // One key a character, as an input method hands them over; keyClicks knows Latin-1 only.
    for (const char32_t character : typed.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
    }
    QCOMPARE(edit->text(), kept);
}

void SelfPickWindowTest::modifiedFlagFollowsTheUser()
{
    QVERIFY(!window.Edit1->isModified());
    QTest::keyClicks(window.Edit1, "12");
    QVERIFY(window.Edit1->isModified());
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QCOMPARE(window.dspResult->text(), tooShort);
    QVERIFY(window.Edit1->isModified());
    QTest::keyClicks(window.Edit1, "3");
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QCOMPARE(window.yoso[0]->text(), QStringLiteral(" 1: 123"));
    QVERIFY(!window.Edit1->isModified());
    // Undoing back to the text the window set is a change of the user's too.
    QTest::keyClicks(window.Edit1, "4");
    QTest::keyClick(window.Edit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.Edit1->text(), QString());
    QVERIFY(window.Edit1->isModified());
}

void SelfPickWindowTest::tabWalksTheControls_data()
{
    QTest::addColumn<bool>("warned");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("walk");

    QTest::newRow("Tab skips a disabled それでも追加")
        << false << int(Qt::Key_Tab) << QStringList{"Edit2", "Button1", "sakujo", "BitBtn1", "Edit1"};
    QTest::newRow("Shift+Tab skips a disabled それでも追加")
        << false << int(Qt::Key_Backtab) << QStringList{"BitBtn1", "sakujo", "Button1", "Edit2", "Edit1"};
    QTest::newRow("Tab reaches それでも追加 after 閉じる once it is enabled")
        << true << int(Qt::Key_Tab) << QStringList{"Edit2", "Button1", "sakujo", "BitBtn1", "soredemo", "Edit1"};
    QTest::newRow("Shift+Tab reaches an enabled それでも追加 first")
        << true << int(Qt::Key_Backtab)
        << QStringList{"soredemo", "BitBtn1", "sakujo", "Button1", "Edit2", "Edit1"};
}

void SelfPickWindowTest::tabWalksTheControls()
{
    QFETCH(bool, warned);
    QFETCH(int, key);
    QFETCH(QStringList, walk);

    QCOMPARE(focusName(), QStringLiteral("Edit1"));
    if (warned) {
        window.add("123");
        window.add("321");
        QVERIFY(window.soredemo->isEnabled());
        QTest::mouseClick(window.Edit1, Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QStringList walked;
    for (int i = 0; i < walk.size(); ++i) {
        pressKey(*window.form, Qt::Key(key), modifiers);
        walked.append(focusName());
    }
    QCOMPARE(walked, walk);
}

void SelfPickWindowTest::keyPressesOnlyTheFocusedButton_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("files");

    QTest::newRow("Return on 追加＞＞ files") << 2 << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on 追加＞＞ files") << 2 << int(Qt::Key_Enter) << true;
    QTest::newRow("Space on 追加＞＞ files") << 2 << int(Qt::Key_Space) << true;
    QTest::newRow("Return in the forecast entry files nothing") << 0 << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter in the slot number entry presses nothing") << 1 << int(Qt::Key_Enter) << false;
}

void SelfPickWindowTest::keyPressesOnlyTheFocusedButton()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, files);

    QTest::keyClicks(window.Edit1, "123");
    QCOMPARE(focusName(), QStringLiteral("Edit1"));
    for (int i = 0; i < tabs; ++i) pressKey(*window.form, Qt::Key_Tab);

    pressKey(*window.form, Qt::Key(key));

    QCOMPARE(window.yoso[0]->text(), files ? QStringLiteral(" 1: 123") : QStringLiteral(" 1: ----"));
    QCOMPARE(window.Edit1->text(), files ? QString() : QStringLiteral("123"));
    QCOMPARE(window.dspResult->text(), emptyResult);
    QVERIFY(window.form->isVisible());
}

void SelfPickWindowTest::escapeKeepsTheWindowOpen()
{
    QTest::keyClicks(window.Edit1, "123");
    pressKey(*window.form, Qt::Key_Escape);
    QTest::keyClicks(window.Edit2, "1");
    pressKey(*window.form, Qt::Key_Tab);
    pressKey(*window.form, Qt::Key_Escape);
    QApplication::processEvents();
    QVERIFY(window.form->isVisible());
    QCOMPARE(window.Edit1->text(), QStringLiteral("123"));
    QCOMPARE(window.Edit2->text(), QStringLiteral("1"));
    QCOMPARE(window.slotTexts(), SelfPickControls::emptySlotTexts());
}

int main(int argc, char* argv[])
{
    return runWindowTests<SelfPickWindowTest>(argc, argv);
}

#include "SelfPickWindowTest.moc"
