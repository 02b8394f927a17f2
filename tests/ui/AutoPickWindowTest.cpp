// The auto-pick window as the launcher opens it: three past draws typed in, 評価＞＞ clicked or
// pressed, ten scores and 35 suggestions shown.

#include "AutoPickControls.h"
#include "LauncherControls.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QTest>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

const QStringList designPoints(10, QStringLiteral("000"));
const QStringList designSuggestions(35, QStringLiteral("----"));

// The 35 suggestions made of the seven best digits, given in rank order: every choice of four
// rank positions in lexicographic order, digits in rank order.
QStringList suggestionsOf(const QString& bestSeven)
{
    QStringList texts;
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            for (int c = b + 1; c < 7; ++c)
                for (int d = c + 1; d < 7; ++d)
                    texts.append(QString(bestSeven[a]) + bestSeven[b] + bestSeven[c] + bestSeven[d]);
    return texts;
}

}  // namespace

class AutoPickWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newWindowShowsItsDesign();
    void evaluationShowsScoresAndSuggestions_data();
    void evaluationShowsScoresAndSuggestions();
    void incompleteEntriesChangeNothing_data();
    void incompleteEntriesChangeNothing();
    void evaluatingAgainReplacesEveryLabel();
    void scoreLabelWidensWithItsText();
    void fifthCharacterCannotBeTyped_data();
    void fifthCharacterCannotBeTyped();
    void tabWalksTheControls_data();
    void tabWalksTheControls();
    void keyPressesOnlyTheFocusedButton_data();
    void keyPressesOnlyTheFocusedButton();
    void escapeKeepsTheWindowOpen();

private:
    LauncherControls launcher;
    AutoPickControls window;
};

void AutoPickWindowTest::initTestCase()
{
    QVERIFY(launcher.start());
}

// Every test starts from a window just opened by the launcher and active.
void AutoPickWindowTest::init()
{
    QVERIFY(activate(*launcher.form));
    QVERIFY(window.openFrom(launcher));
    QVERIFY(QTest::qWaitForWindowActive(window.form));
}

void AutoPickWindowTest::cleanup()
{
    closeToolWindows();
}

void AutoPickWindowTest::newWindowShowsItsDesign()
{
    QCOMPARE(window.form->windowTitle(), QStringLiteral("おまかせナンバーズ"));
    QCOMPARE(window.pointTexts(), designPoints);
    QCOMPARE(window.suggestionTexts(), designSuggestions);
    for (const QLineEdit* entry : window.entries) QCOMPARE(entry->text(), QString());
    QCOMPARE(window.Button2->text(), QStringLiteral("評価＞＞"));
    QCOMPARE(focusName(), QStringLiteral("Edit1"));
}

void AutoPickWindowTest::evaluationShowsScoresAndSuggestions_data()
{
    QTest::addColumn<QString>("draw3Ago");
    QTest::addColumn<QString>("draw2Ago");
    QTest::addColumn<QString>("drawLast");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QString>("bestSeven");

    QTest::newRow("1234 5678 9012: ties go to the lower digit")
        << "1234" << "5678" << "9012"
        << QStringList{"275", "250", "100", "250", "375", "200", "575", "375", "325", "325"} << "6478901";
    QTest::newRow("0000 three times: a suggestion keeps its leading zero")
        << "0000" << "0000" << "0000"
        << QStringList{"600", "550", "650", "500", "800", "575", "600", "600", "475", "600"} << "4206795";
    QTest::newRow("9999 three times")
        << "9999" << "9999" << "9999"
        << QStringList{"375", "325", "250", "225", "275", "275", "325", "375", "525", "225"} << "8071645";
    QTest::newRow("3333 1111 6666: a zero score shows as 0, not 000")
        << "3333" << "1111" << "6666"
        << QStringList{"200", "0", "300", "175", "150", "400", "225", "150", "250", "300"} << "5298603";
}

void AutoPickWindowTest::evaluationShowsScoresAndSuggestions()
{
    QFETCH(QString, draw3Ago);
    QFETCH(QString, draw2Ago);
    QFETCH(QString, drawLast);
    QFETCH(QStringList, points);
    QFETCH(QString, bestSeven);

    window.evaluate(draw3Ago, draw2Ago, drawLast);

    QCOMPARE(window.pointTexts(), points);
    QCOMPARE(window.suggestionTexts(), suggestionsOf(bestSeven));
    // The entries stay as typed.
    QCOMPARE(window.entries[0]->text(), draw3Ago);
    QCOMPARE(window.entries[1]->text(), draw2Ago);
    QCOMPARE(window.entries[2]->text(), drawLast);
    for (const QLabel* label : window.points) QVERIFY2(fitsText(*label), qPrintable(label->objectName()));
    for (const QLabel* label : window.kai) QVERIFY2(fitsText(*label), qPrintable(label->objectName()));
}

void AutoPickWindowTest::incompleteEntriesChangeNothing_data()
{
    QTest::addColumn<QString>("draw3Ago");
    QTest::addColumn<QString>("draw2Ago");
    QTest::addColumn<QString>("drawLast");

    QTest::newRow("3回前 empty") << "" << "5678" << "9012";
    QTest::newRow("2回前 empty") << "1234" << "" << "9012";
    QTest::newRow("前回 empty") << "1234" << "5678" << "";
    QTest::newRow("all three empty") << "" << "" << "";
    QTest::newRow("two characters 12") << "12" << "5678" << "9012";
    QTest::newRow("a letter 12a4") << "1234" << "12a4" << "9012";
    QTest::newRow("a blank 90 2") << "1234" << "5678" << "90 2";
}

void AutoPickWindowTest::incompleteEntriesChangeNothing()
{
    QFETCH(QString, draw3Ago);
    QFETCH(QString, draw2Ago);
    QFETCH(QString, drawLast);

    // On a new window the design texts stay.
    window.evaluate(draw3Ago, draw2Ago, drawLast);
    QCOMPARE(window.pointTexts(), designPoints);
    QCOMPARE(window.suggestionTexts(), designSuggestions);

    // After an evaluation its results stay.
    window.evaluate("0000", "0000", "0000");
    const QStringList points = window.pointTexts();
    const QStringList suggestions = window.suggestionTexts();
    QVERIFY(points != designPoints);
    window.evaluate(draw3Ago, draw2Ago, drawLast);
    QCOMPARE(window.pointTexts(), points);
    QCOMPARE(window.suggestionTexts(), suggestions);
    QCOMPARE(window.entries[0]->text(), draw3Ago);
    QCOMPARE(window.entries[1]->text(), draw2Ago);
    QCOMPARE(window.entries[2]->text(), drawLast);
}

void AutoPickWindowTest::evaluatingAgainReplacesEveryLabel()
{
    window.evaluate("1234", "5678", "9012");
    const QStringList firstPoints = window.pointTexts();
    const QStringList firstSuggestions = window.suggestionTexts();
    QTest::mouseClick(window.Button2, Qt::LeftButton);
    QCOMPARE(window.pointTexts(), firstPoints);
    QCOMPARE(window.suggestionTexts(), firstSuggestions);

    // Other draws: the 45 labels read exactly as in a window that never saw the first ones.
    window.evaluate("9999", "9999", "9999");
    AutoPickControls unused;
    QVERIFY(unused.openFrom(launcher));
    unused.evaluate("9999", "9999", "9999");
    QCOMPARE(window.pointTexts(), unused.pointTexts());
    QCOMPARE(window.suggestionTexts(), unused.suggestionTexts());
    for (int k = 0; k < 35; ++k) QVERIFY(window.kai[k]->text() != firstSuggestions[k]);
}

void AutoPickWindowTest::scoreLabelWidensWithItsText()
{
    QLabel& nine = *window.points[9];
    const int designWidth = nine.width();
    QVERIFY(fitsText(nine));

    // The draws on which 9 scores its highest possible score.
    window.evaluate("5026", "1007", "3702");
    QCOMPARE(nine.text(), QStringLiteral("1225"));
    QVERIFY2(nine.width() > designWidth,
             qPrintable(QStringLiteral("width %1, was %2").arg(nine.width()).arg(designWidth)));
    QVERIFY2(fitsText(nine), qPrintable(QStringLiteral("width %1 for text width %2")
                                            .arg(nine.width())
                                            .arg(nine.fontMetrics().horizontalAdvance(nine.text()))));
}

void AutoPickWindowTest::fifthCharacterCannotBeTyped_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("3回前") << 0;
    QTest::newRow("2回前") << 1;
    QTest::newRow("前回") << 2;
}

void AutoPickWindowTest::fifthCharacterCannotBeTyped()
{
    QFETCH(int, entry);
    QTest::keyClicks(window.entries[entry], "12345");
    QCOMPARE(window.entries[entry]->text(), QStringLiteral("1234"));
}

void AutoPickWindowTest::tabWalksTheControls_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("walk");

    QTest::newRow("Tab from 3回前 to 閉じる and round")
        << int(Qt::Key_Tab) << QStringList{"Edit2", "Edit3", "Button2", "BitBtn1", "Edit1"};
    QTest::newRow("Shift+Tab the other way round")
        << int(Qt::Key_Backtab) << QStringList{"BitBtn1", "Button2", "Edit3", "Edit2", "Edit1"};
}

void AutoPickWindowTest::tabWalksTheControls()
{
    QFETCH(int, key);
    QFETCH(QStringList, walk);

    QCOMPARE(focusName(), QStringLiteral("Edit1"));
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QStringList walked;
    for (int i = 0; i < walk.size(); ++i) {
        pressKey(*window.form, Qt::Key(key), modifiers);
        walked.append(focusName());
    }
    QCOMPARE(walked, walk);
}

void AutoPickWindowTest::keyPressesOnlyTheFocusedButton_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("evaluates");

    QTest::newRow("Space on 評価＞＞ evaluates") << 3 << int(Qt::Key_Space) << true;
    QTest::newRow("Return on 評価＞＞ evaluates") << 3 << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on 評価＞＞ evaluates") << 3 << int(Qt::Key_Enter) << true;
    QTest::newRow("Return in 3回前 presses nothing") << 0 << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter in 前回 presses nothing") << 2 << int(Qt::Key_Enter) << false;
}

void AutoPickWindowTest::keyPressesOnlyTheFocusedButton()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, evaluates);

    QTest::keyClicks(window.entries[0], "1234");
    QTest::keyClicks(window.entries[1], "5678");
    QTest::keyClicks(window.entries[2], "9012");
    QCOMPARE(focusName(), QStringLiteral("Edit1"));
    for (int i = 0; i < tabs; ++i) pressKey(*window.form, Qt::Key_Tab);
    const QString focused = focusName();

    pressKey(*window.form, Qt::Key(key));

    QCOMPARE(window.points[6]->text(), evaluates ? QStringLiteral("575") : QStringLiteral("000"));
    QCOMPARE(window.kai[0]->text(), evaluates ? QStringLiteral("6478") : QStringLiteral("----"));
    QVERIFY(window.form->isVisible());
    QCOMPARE(focusName(), focused);
}

void AutoPickWindowTest::escapeKeepsTheWindowOpen()
{
    pressKey(*window.form, Qt::Key_Escape);
    pressKey(*window.form, Qt::Key_Tab);
    pressKey(*window.form, Qt::Key_Tab);
    pressKey(*window.form, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Button2"));
    pressKey(*window.form, Qt::Key_Escape);
    QApplication::processEvents();
    QVERIFY(window.form->isVisible());
    QCOMPARE(window.pointTexts(), designPoints);
}

int main(int argc, char* argv[])
{
    return runWindowTests<AutoPickWindowTest>(argc, argv);
}

#include "AutoPickWindowTest.moc"
