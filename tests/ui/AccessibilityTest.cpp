// What a screen reader hears and what the keyboard reaches: every control has an accessible name,
// a box reads its controls in an order that makes sense and leaves its bullets out, and Tab alone
// gets to every entry and button that is enabled, also on a platform whose buttons would take Tab
// only at the user's request.

#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "autopick/Unit4.h"
#include "selfpick/Unit5.h"
#include "shell/Unit1.h"
#include "toolkit/TApplication.h"
#include "toolkit/VclStyle.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStringList>
#include <QStyleHints>
#include <QTest>

#include <memory>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

QWidget* formNamed(const QString& name)
{
    for (const auto& form : TApplication::instance()->Forms()) {
        if (form->objectName() == name) return form.get();
    }
    return nullptr;
}

QStringList numbered(const QString& pattern, int first, int last, int width = 0)
{
    QStringList names;
    for (int number = first; number <= last; ++number) {
        names.append(pattern.arg(number, width, 10, QLatin1Char('0')));
    }
    return names;
}

// The entries and buttons that can be used now.
QSet<QString> enabledControls(QWidget& window)
{
    QSet<QString> names;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool operable = qobject_cast<QLineEdit*>(control) != nullptr ||
                              qobject_cast<QAbstractButton*>(control) != nullptr;
        if (operable && control->isEnabled()) names.insert(control->objectName());
    }
    return names;
}

// Every control that the focus visits while Tab is pressed twice as often as there are controls.
QSet<QString> reachedByTab(QWidget& window, int controls)
{
    QSet<QString> reached;
    for (int press = 0; press < 2 * controls; ++press) {
        reached.insert(focusName());
        pressKey(window, Qt::Key_Tab);
    }
    return reached;
}

// The platform style, but buttons are made taking the focus by Tab alone, as macOS makes them.
class ButtonsTabOnlyStyle : public VclStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_Button_FocusPolicy) return Qt::TabFocus;
        return VclStyle::styleHint(hint, option, widget, data);
    }
};

// While it lives, the application behaves like macOS without full keyboard access: buttons are
// made with Tab focus alone, and Tab moves only between controls that a click also focuses.
class MacWithoutKeyboardAccess {
public:
    MacWithoutKeyboardAccess()
        : tabBehavior(QGuiApplication::styleHints()->tabFocusBehavior())
    {
        QApplication::setStyle(new ButtonsTabOnlyStyle);
        QGuiApplication::styleHints()->setTabFocusBehavior(Qt::TabFocusTextControls);
    }
    ~MacWithoutKeyboardAccess()
    {
        QGuiApplication::styleHints()->setTabFocusBehavior(tabBehavior);
        QApplication::setStyle(new VclStyle);
    }
    MacWithoutKeyboardAccess(const MacWithoutKeyboardAccess&) = delete;
    MacWithoutKeyboardAccess& operator=(const MacWithoutKeyboardAccess&) = delete;

private:
    Qt::TabFocusBehavior tabBehavior;
};

std::unique_ptr<TForm> makeForm(const QString& name)
{
    if (name == QLatin1String("Form1")) return std::make_unique<TForm1>();
    if (name == QLatin1String("Omakase2")) return std::make_unique<TOmakase2>();
    if (name == QLatin1String("Jiriki2")) return std::make_unique<TJiriki2>();
    return nullptr;
}

bool speaks(QWidget* widget)
{
    return qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QAbstractButton*>(widget) != nullptr || qobject_cast<QGroupBox*>(widget) != nullptr;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void controlsSayWhatTheyAre_data();
    void controlsSayWhatTheyAre();
    void boxesReadInOrderWithoutBullets_data();
    void boxesReadInOrderWithoutBullets();
    void tabReachesEveryEnabledControl_data();
    void tabReachesEveryEnabledControl();
    void buttonsTakeTabWhereThePlatformWouldNot_data();
    void buttonsTakeTabWhereThePlatformWouldNot();
};

void AccessibilityTest::initTestCase()
{
    TApplication& application = *TApplication::instance();
    application.CreateForm<TForm1>()->Show();
    application.CreateForm<TOmakase2>()->Show();
    application.CreateForm<TJiriki2>()->Show();
}

void AccessibilityTest::everyControlHasAName_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("launcher") << QStringLiteral("Form1");
    QTest::newRow("auto-pick") << QStringLiteral("Omakase2");
    QTest::newRow("self-pick") << QStringLiteral("Jiriki2");
}

void AccessibilityTest::everyControlHasAName()
{
    QFETCH(QString, form);
    QWidget* const window = formNamed(form);
    QVERIFY(window != nullptr);
    QVERIFY(!accessibleName(window).isEmpty());
    int named = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!speaks(control)) continue;
        QVERIFY2(!accessibleName(control).trimmed().isEmpty(), qPrintable(control->objectName()));
        ++named;
    }
    QVERIFY(named > 0);
}

void AccessibilityTest::controlsSayWhatTheyAre_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("launcher button") << "Form1" << "Button1" << "おまかせナンバーズ";
    QTest::newRow("launcher close button") << "Form1" << "BitBtn1" << "さよならナンバーズ";
    QTest::newRow("draw three back") << "Omakase2" << "Edit1" << "3回前の当選番号";
    QTest::newRow("draw two back") << "Omakase2" << "Edit2" << "2回前の当選番号";
    QTest::newRow("last draw") << "Omakase2" << "Edit3" << "前回の当選番号";
    QTest::newRow("evaluate button") << "Omakase2" << "Button2" << "評価＞＞";
    QTest::newRow("close button without its ampersand") << "Omakase2" << "BitBtn1" << "閉じる(C)";
    QTest::newRow("untitled box takes its title") << "Omakase2" << "GroupBox3" << "おまかせナンバーズ";
    QTest::newRow("score label reads its score") << "Omakase2" << "point_00" << "000";
    QTest::newRow("forecast entry") << "Jiriki2" << "Edit1" << "追加する予想";
    QTest::newRow("slot number entry") << "Jiriki2" << "Edit2" << "削除する予想の番号";
    QTest::newRow("add anyway") << "Jiriki2" << "soredemo" << "それでも追加";
    QTest::newRow("result label") << "Jiriki2" << "dspResult" << "チェック結果：";
    QTest::newRow("slot label") << "Jiriki2" << "yoso1" << " 1: ----";
    QTest::newRow("list box") << "Jiriki2" << "GroupBox2" << "予想リスト";
}

void AccessibilityTest::controlsSayWhatTheyAre()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget* const window = formNamed(form);
    QVERIFY(window != nullptr);
    QWidget* const widget = window->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(accessibleName(widget), name);
}

void AccessibilityTest::boxesReadInOrderWithoutBullets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("read");

    const QStringList captions{"Label43", "Label46", "Label47", "Label48", "Label49",
                               "Label50", "Label51", "Label52", "Label53", "Label54"};
    const QStringList units{"Label45", "Label64", "Label65", "Label66", "Label67",
                            "Label68", "Label69", "Label70", "Label71", "Label72"};
    QStringList scoreRow;
    for (int digit = 0; digit < 10; ++digit) {
        scoreRow << captions[digit] << QStringLiteral("point_%1").arg(digit, 2, 10, QLatin1Char('0'))
                 << units[digit];
    }
    QTest::newRow("each score between its caption and its unit") << "Omakase2" << "GroupBox4" << scoreRow;
    QTest::newRow("suggestions in label order, no bullets")
        << "Omakase2" << "GroupBox2" << numbered(QStringLiteral("kai_%1"), 1, 35, 2);
    QTest::newRow("slots in order") << "Jiriki2" << "GroupBox2" << numbered(QStringLiteral("yoso%1"), 1, 50);
    QTest::newRow("entry rows without their bullets")
        << "Jiriki2" << "GroupBox1"
        << QStringList{"Edit1", "Edit2", "Button1", "sakujo", "BitBtn1", "soredemo", "dspResult", "Label53",
                       "Label54"};
}

// Read as a screen reader walks the tree: the box's children in turn, each knowing its place.
void AccessibilityTest::boxesReadInOrderWithoutBullets()
{
    QFETCH(QString, form);
    QFETCH(QString, box);
    QFETCH(QStringList, read);
    QWidget* const window = formNamed(form);
    QVERIFY(window != nullptr);
    auto* const groupBox = window->findChild<QGroupBox*>(box);
    QVERIFY(groupBox != nullptr);
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(groupBox);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Grouping);

    QStringList names;
    for (int index = 0; index < accessible->childCount(); ++index) {
        QAccessibleInterface* const child = accessible->child(index);
        QVERIFY(child != nullptr);
        QCOMPARE(accessible->indexOfChild(child), index);
        QCOMPARE(child->parent(), accessible);
        QVERIFY2(!child->text(QAccessible::Name).contains(QStringLiteral("・")),
                 qPrintable(child->object()->objectName()));
        names.append(child->object()->objectName());
    }
    QCOMPARE(names, read);
}

void AccessibilityTest::tabReachesEveryEnabledControl_data()
{
    everyControlHasAName_data();
}

void AccessibilityTest::tabReachesEveryEnabledControl()
{
    QFETCH(QString, form);
    QWidget* const window = formNamed(form);
    QVERIFY(window != nullptr);
    QVERIFY(activate(*window));

    const QSet<QString> wanted = enabledControls(*window);
    QCOMPARE(reachedByTab(*window, int(wanted.size())), wanted);
}

void AccessibilityTest::buttonsTakeTabWhereThePlatformWouldNot_data()
{
    everyControlHasAName_data();
}

// A window made there still has every button on the Tab path, by the buttons' own policy.
void AccessibilityTest::buttonsTakeTabWhereThePlatformWouldNot()
{
    QFETCH(QString, form);
    const MacWithoutKeyboardAccess platform;
    const std::unique_ptr<TForm> window = makeForm(form);
    QVERIFY(window != nullptr);

    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QAbstractButton* button : buttons) {
        QVERIFY2((button->focusPolicy() & Qt::StrongFocus) == Qt::StrongFocus, qPrintable(button->objectName()));
    }

    window->Show();
    QVERIFY(activate(*window));
    const QSet<QString> wanted = enabledControls(*window);
    QCOMPARE(reachedByTab(*window, int(wanted.size())), wanted);
}

int main(int argc, char** argv)
{
    return runWindowTests<AccessibilityTest>(argc, argv);
}

#include "AccessibilityTest.moc"
