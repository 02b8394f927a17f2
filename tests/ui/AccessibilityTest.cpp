// What a screen reader hears and what the keyboard reaches: every control has an accessible name,
// and Tab alone gets to every entry and button that is enabled.

#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "autopick/Unit4.h"
#include "selfpick/Unit5.h"
#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

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
    void tabReachesEveryEnabledControl_data();
    void tabReachesEveryEnabledControl();
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

    QSet<QString> wanted;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool operable = qobject_cast<QLineEdit*>(control) != nullptr ||
                              qobject_cast<QAbstractButton*>(control) != nullptr;
        if (operable && control->isEnabled()) wanted.insert(control->objectName());
    }
    QSet<QString> reached;
    for (int press = 0; press < 2 * wanted.size(); ++press) {
        reached.insert(focusName());
        pressKey(*window, Qt::Key_Tab);
    }
    QCOMPARE(reached, wanted);
}

int main(int argc, char** argv)
{
    return runWindowTests<AccessibilityTest>(argc, argv);
}

#include "AccessibilityTest.moc"
