// A long seeded run of random clicks, keys and typing over the launcher and many tool windows at
// once. After every action it checks what must always hold, and every self-pick window against
// the test's own shadow of its list.
//
// KAZUYOMI_SOAK_SEED and KAZUYOMI_SOAK_ACTIONS set the seed and the number of actions;
// KAZUYOMI_SOAK_TRACE=1 prints every action as it is done. A run is repeated exactly by its seed
// and its number of actions on the same machine (where a click lands in an entry depends on its
// font).

#include "AutoPickControls.h"
#include "ForecastShadow.h"
#include "LauncherControls.h"
#include "ModalBoxCatcher.h"
#include "SelfPickControls.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <unordered_map>
#include <vector>

using namespace kazuyomi;
using namespace kazuyomi::uitest;
using Outcome = ForecastShadow::Outcome;

namespace {

constexpr std::uint32_t defaultSeed = 20240607;
constexpr int defaultActions = 30000;

constexpr int traceLinesShown = 40;

// Open tool windows of each kind: the launcher opens more while fewer are open, and closes one
// before it opens one more beyond the most.
constexpr std::size_t fewestAutoPick = 1;
constexpr std::size_t mostAutoPick = 4;
constexpr std::size_t fewestSelfPick = 2;
constexpr std::size_t mostSelfPick = 5;

const QStringList designPoints(10, QStringLiteral("000"));
const QStringList designSuggestions(35, QStringLiteral("----"));

const std::array<const char*, ForecastShadow::outcomeCount> outcomeNames = {
    "追加＞＞ filed",
    "追加＞＞ too short",
    "追加＞＞ straight duplicate",
    "追加＞＞ empty value -1 refused",
    "追加＞＞ box warning",
    "追加＞＞ list full",
    "追加＞＞ conversion error",
    "それでも追加 filed",
    "それでも追加 entry not modified",
    "それでも追加 list full",
    "それでも追加 empty value -1 refused",
    "それでも追加 conversion error",
    "それでも追加 disabled, nothing happens",
    "削除 cleared a forecast",
    "削除 cleared an empty slot",
    "削除 named no slot",
    "削除 conversion error",
};

QtMessageHandler testLogHandler = nullptr;

// The offscreen platform says so every time a window is raised or fitted to its size; thousands
// of windows would bury the test's own output.
void quietPlatformHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (testLogHandler != nullptr) testLogHandler(type, context, message);
}

std::optional<unsigned long> fromEnvironment(const char* name)
{
    const char* const text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (*end != '\0') return std::nullopt;
    return value;
}

// The text as the window hands it to the logic: through UTF-8, where half of a surrogate pair
// that the entry's maximum length cut off becomes "?".
QString handedOver(const QLineEdit& entry) { return QString::fromStdString(entry.text().toStdString()); }

QString conversionReport(const QString& text) { return QStringLiteral("'%1' は整数ではありません.").arg(text); }

bool isAsciiDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Decimal digits without a leading zero, or "0".
bool isPlainDecimal(const QString& text)
{
    return !text.isEmpty() && isAsciiDigits(text) && (text.size() == 1 || text.front() != u'0');
}

bool isDraw(const QString& text) { return text.size() == 4 && isAsciiDigits(text); }

// One of the three forms of the slot's text.
bool isSlotForm(const QString& text, int slot)
{
    const QString prefix = QString::asprintf("%2d: ", slot);
    if (!text.startsWith(prefix)) return false;
    const QString rest = text.mid(prefix.size());
    if (rest == QLatin1String("----")) return true;
    bool ok = false;
    const int number = rest.toInt(&ok);
    return ok && (rest == QString::asprintf("%04d", number) || rest == QString::asprintf("%03d", number));
}

// The 35 suggestions that the ten scores make: the digits ranked by score, the lower digit first
// on a tie, and every choice of four of the best seven in lexicographic order of rank.
QStringList suggestionsFor(const QStringList& points)
{
    std::array<int, 10> ranking{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::stable_sort(ranking.begin(), ranking.end(),
                     [&](int a, int b) { return points[a].toInt() > points[b].toInt(); });
    QStringList texts;
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            for (int c = b + 1; c < 7; ++c)
                for (int d = c + 1; d < 7; ++d)
                    texts.append(QString::asprintf("%d%d%d%d", ranking[a], ranking[b], ranking[c], ranking[d]));
    return texts;
}

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QStringList labelTexts(const AutoPickControls& controls) { return controls.pointTexts() + controls.suggestionTexts(); }

struct AutoPickUnderTest {
    QString name; // A1, A2, ... in the order the launcher made them
    AutoPickControls controls;
    std::array<QString, 3> entries; // as last seen
};

struct SelfPickUnderTest {
    QString name; // J1, J2, ...
    SelfPickControls controls;
    ForecastShadow model;
    QString edit1; // as last seen
    QString edit2;
    bool userChangedEdit1 = false; // since the window last set the text
    bool hoarder = false;          // deletes seldom, so that its list fills
    QString pool;                  // the digits its forecasts are mostly made of
    bool full = false;
};

enum class Opens { nothing, autoPick, selfPick };

// What the test knows one action must do.
struct Expectation {
    const QAbstractButton* click = nullptr; // the one button that reports a click, if any
    SelfPickUnderTest* selfPick = nullptr;  // whose 追加＞＞, それでも追加 or 削除 is pressed
    std::optional<Outcome> outcome;
    QString report;                         // the error report the action brings up; empty: none
    QWidget* closes = nullptr;              // the window the action closes
    Opens opens = Opens::nothing;
    AutoPickUnderTest* evaluates = nullptr; // whose 評価＞＞ is pressed
    QStringList labelsBefore;
    std::array<QString, 3> drawsBefore;
    bool byKey = false;
};

struct Deviation {
    int count = 0;
    int firstAction = 0;
    QString message;
    QStringList trace;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActionsKeepEveryWindowConsistent();
    void cleanupTestCase();

private:
    unsigned below(unsigned n) { return n == 0 ? 0 : unsigned(rng() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }
    std::size_t weighted(std::initializer_list<unsigned> weights);
    template <class T>
    T anyOf(std::initializer_list<T> items) { return items.begin()[below(unsigned(items.size()))]; }

    // Actions.
    void act();
    void chooseTarget();
    void actOnLauncher();
    void actOnAutoPick(AutoPickUnderTest& window);
    void actOnSelfPick(SelfPickUnderTest& window);
    void open(Opens kind);
    void closeOneOf(Opens kind);
    void click(QAbstractButton& button);
    void clickEntry(const QString& window, QLineEdit& entry);
    void pressKey(QWidget& form);
    void type(QLineEdit& entry, const QString& text, bool replace);
    void clearEntry(QLineEdit& entry);
    void expectPress(QAbstractButton& button);

    // Texts.
    QString forecastText(SelfPickUnderTest& window);
    QString textAfterWarning(SelfPickUnderTest& window);
    QString slotNumberText(const SelfPickUnderTest& window);
    QString drawText();
    QString oddText();
    QString digitsFrom(const QString& pool, int count);
    QString shuffled(QString text);

    // Checks.
    void settle();
    void verifyAction();
    void verifySelfPick(SelfPickUnderTest& window);
    void verifyAutoPick(AutoPickUnderTest& window);
    void verifyDesign(const AutoPickUnderTest& window);
    void verifyDesign(const SelfPickUnderTest& window);
    void verifyEveryWindow();
    void fail(const QString& message);
    void deviate(const QString& kind, const QString& message);
    QString lastActions(int lines) const;
    void note(const QString& what);
    void count(const char* what) { ++counts[what]; }

    std::mt19937 rng;
    std::uint32_t seed = defaultSeed;
    int actions = defaultActions;
    bool traceEveryAction = false;

    LauncherControls launcher;
    std::unique_ptr<ModalBoxCatcher> catcher;
    std::vector<std::unique_ptr<AutoPickUnderTest>> autoPicks; // every one made, open or closed
    std::vector<std::unique_ptr<SelfPickUnderTest>> selfPicks;
    std::vector<AutoPickUnderTest*> openAutoPicks;
    std::vector<SelfPickUnderTest*> openSelfPicks;
    AutoPickUnderTest* autoTarget = nullptr; // the window the next actions go to, or the launcher
    SelfPickUnderTest* selfTarget = nullptr;

    // Every click any button reports, by button.
    std::unordered_map<const QAbstractButton*, int> clicks;
    int clicksSeen = 0;
    std::map<QString, QStringList> evaluations; // the labels of each complete evaluation, by its draws

    int action = 0;
    Expectation expected;
    int clicksBefore = 0;
    qsizetype reportsBefore = 0;
    std::size_t formsBefore = 0;
    QStringList trace;
    QString failure;
    std::map<QString, Deviation> deviations;

    std::array<int, ForecastShadow::outcomeCount> outcomes{};
    std::map<QString, int> counts;
};

void SoakTest::initTestCase()
{
    seed = std::uint32_t(fromEnvironment("KAZUYOMI_SOAK_SEED").value_or(defaultSeed));
    actions = int(fromEnvironment("KAZUYOMI_SOAK_ACTIONS").value_or(defaultActions));
    traceEveryAction = fromEnvironment("KAZUYOMI_SOAK_TRACE").value_or(0) != 0;
    rng.seed(seed);
    testLogHandler = qInstallMessageHandler(quietPlatformHandler);
    std::printf("soak: seed %u, %d actions (KAZUYOMI_SOAK_SEED, KAZUYOMI_SOAK_ACTIONS)\n", unsigned(seed), actions);
    std::fflush(stdout);

    QVERIFY(launcher.start());
    QCOMPARE(TApplication::instance()->MainForm(), launcher.form);
    for (QAbstractButton* button : {launcher.Button1, launcher.Button2, launcher.BitBtn1}) {
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            ++clicks[button];
            ++clicksSeen;
        });
    }
}

void SoakTest::randomActionsKeepEveryWindowConsistent()
{
    catcher = std::make_unique<ModalBoxCatcher>();
    QElapsedTimer clock;
    clock.start();

    // Three of each to start with.
    for (int i = 0; i < 3; ++i) {
        for (const Opens kind : {Opens::autoPick, Opens::selfPick}) {
            expected = {};
            clicksBefore = clicksSeen;
            reportsBefore = catcher->boxes().size();
            formsBefore = TApplication::instance()->Forms().size();
            open(kind);
            settle();
            verifyAction();
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }
    note(QStringLiteral("-- opened A1-A3 and J1-J3"));

    for (action = 1; action <= actions; ++action) {
        expected = {};
        clicksBefore = clicksSeen;
        reportsBefore = catcher->boxes().size();
        formsBefore = TApplication::instance()->Forms().size();
        act();
        settle();
        verifyAction();
        // Every open window in full, not only the one acted on: that costs a fraction of a
        // millisecond, and it catches an action that changes a window it was not aimed at.
        verifyEveryWindow();
        if (!failure.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 of %3: %4\nlast actions:\n%5")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(actions)
                                 .arg(failure, lastActions(traceLinesShown))));
        }
    }
    verifyEveryWindow();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    std::printf("soak: %d actions in %.1f s\n", actions, double(clock.elapsed()) / 1000.0);
    for (int i = 0; i < ForecastShadow::outcomeCount; ++i) {
        std::printf("soak: %6d  %s\n", outcomes[std::size_t(i)], outcomeNames[std::size_t(i)]);
    }
    for (const auto& [what, times] : counts) std::printf("soak: %6d  %s\n", times, qPrintable(what));
    std::fflush(stdout);

    QStringList problems;
    for (const auto& [kind, deviation] : deviations) {
        problems.append(QStringLiteral("%1: %2 times, first at action %3 (seed %4): %5\nthe actions before it:\n%6")
                            .arg(kind)
                            .arg(deviation.count)
                            .arg(deviation.firstAction)
                            .arg(seed)
                            .arg(deviation.message, deviation.trace.join(QLatin1Char('\n'))));
    }

    // A run of the full length must have met every outcome, or it tested less than it claims.
    // Except an unmodified entry for それでも追加: the button is enabled only after the user typed,
    // and the window sets the entry's text only when it files, which disables the button.
    if (actions >= defaultActions) {
        QStringList missing;
        for (int i = 0; i < ForecastShadow::outcomeCount; ++i) {
            if (Outcome(i) == Outcome::AnywayNotModified) continue;
            if (outcomes[std::size_t(i)] == 0) missing.append(QString::fromUtf8(outcomeNames[std::size_t(i)]));
        }
        for (const char* what : {"lists filled to 50 slots", "error reports answered", "evaluations of three draws",
                                 "buttons pressed by a key", "tool windows closed by 閉じる",
                                 "self-pick windows opened", "auto-pick windows opened"}) {
            if (counts[what] == 0) missing.append(QString::fromUtf8(what));
        }
        if (!missing.isEmpty()) problems.append(QStringLiteral("never happened: ") + missing.join(QStringLiteral(", ")));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    catcher.reset();
}

void SoakTest::cleanupTestCase()
{
    qInstallMessageHandler(testLogHandler);
}

std::size_t SoakTest::weighted(std::initializer_list<unsigned> weights)
{
    unsigned total = 0;
    for (const unsigned weight : weights) total += weight;
    unsigned pick = below(total);
    std::size_t index = 0;
    for (const unsigned weight : weights) {
        if (pick < weight) return index;
        pick -= weight;
        ++index;
    }
    return weights.size() - 1;
}

// ---- Actions ------------------------------------------------------------------------------

void SoakTest::act()
{
    if (openSelfPicks.size() < fewestSelfPick) return open(Opens::selfPick);
    if (openAutoPicks.size() < fewestAutoPick) return open(Opens::autoPick);

    // A few actions in a row go to the same tool window, so that typing, adding and adding
    // anyway follow each other as a user's would; the launcher gets one action at a time.
    if ((autoTarget == nullptr && selfTarget == nullptr) || chance(15)) chooseTarget();
    if (selfTarget != nullptr) return actOnSelfPick(*selfTarget);
    if (autoTarget != nullptr) return actOnAutoPick(*autoTarget);
    actOnLauncher();
}

void SoakTest::chooseTarget()
{
    autoTarget = nullptr;
    selfTarget = nullptr;
    const unsigned launcherWeight = 1;
    const unsigned autoWeight = 3 * unsigned(openAutoPicks.size());
    const unsigned selfWeight = 7 * unsigned(openSelfPicks.size());
    switch (weighted({launcherWeight, autoWeight, selfWeight})) {
    case 1: autoTarget = openAutoPicks[below(unsigned(openAutoPicks.size()))]; break;
    case 2: selfTarget = openSelfPicks[below(unsigned(openSelfPicks.size()))]; break;
    default: break;
    }
}

// The launcher's さよならナンバーズ ends the program, which the soak checks never happens, so
// the soak never presses it; neither does it send keys to the launcher, whose focus may stand
// on that button.
void SoakTest::actOnLauncher()
{
    const Opens kind = chance(45) ? Opens::autoPick : Opens::selfPick;
    const std::size_t openOfKind = kind == Opens::autoPick ? openAutoPicks.size() : openSelfPicks.size();
    const std::size_t most = kind == Opens::autoPick ? mostAutoPick : mostSelfPick;
    if (openOfKind >= most) return closeOneOf(kind);
    open(kind);
}

void SoakTest::open(Opens kind)
{
    QPushButton* const button = kind == Opens::autoPick ? launcher.Button1 : launcher.Button2;
    note(QStringLiteral("launcher: click %1").arg(button->text()));
    click(*button);
}

void SoakTest::closeOneOf(Opens kind)
{
    if (kind == Opens::autoPick) {
        AutoPickUnderTest& window = *openAutoPicks[below(unsigned(openAutoPicks.size()))];
        note(window.name + QStringLiteral(": click 閉じる"));
        return click(*window.controls.BitBtn1);
    }
    // A window that deletes seldom is kept, so that its list can fill.
    std::vector<SelfPickUnderTest*> candidates;
    for (SelfPickUnderTest* window : openSelfPicks) {
        if (!window->hoarder) candidates.push_back(window);
    }
    if (candidates.empty()) candidates = openSelfPicks;
    SelfPickUnderTest& window = *candidates[below(unsigned(candidates.size()))];
    note(window.name + QStringLiteral(": click 閉じる"));
    click(*window.controls.BitBtn1);
}

void SoakTest::actOnAutoPick(AutoPickUnderTest& window)
{
    AutoPickControls& c = window.controls;
    QLineEdit& entry = *c.entries[below(3)];
    const QString entryName = entry.objectName();
    switch (weighted({400, 250, 200, 50, 50, 4})) {
    case 0: {
        const QString text = chance(85) ? drawText() : oddText();
        const bool replace = chance(75);
        note(QStringLiteral("%1: type %2 into %3%4").arg(window.name, quoted(text), entryName,
                                                          replace ? QStringLiteral(", replacing its text") : QString()));
        return type(entry, text, replace);
    }
    case 1:
        note(window.name + QStringLiteral(": click 評価＞＞"));
        return click(*c.Button2);
    case 2: return pressKey(*c.form);
    case 3:
        note(QStringLiteral("%1: select all in %2 and delete").arg(window.name, entryName));
        return clearEntry(entry);
    case 4: return clickEntry(window.name, entry);
    default:
        note(window.name + QStringLiteral(": click 閉じる"));
        return click(*c.BitBtn1);
    }
}

void SoakTest::actOnSelfPick(SelfPickUnderTest& window)
{
    SelfPickControls& c = window.controls;
    const unsigned anywayWeight = window.model.soredemo ? 150 : 40;
    const unsigned deleteWeight = window.hoarder ? 12 : 60;
    const unsigned closeWeight = window.hoarder ? 0 : 2;
    switch (weighted({220, 200, anywayWeight, 60, deleteWeight, 140, 30, 30, closeWeight})) {
    case 0: {
        if (window.pool.isEmpty() || chance(3)) {
            window.pool.clear();
            const int size = 3 + int(below(3));
            if (chance(40)) window.pool += QLatin1Char('0');
            while (window.pool.size() < size) window.pool += QChar(u'0' + char16_t(below(10)));
        }
        const QString text = forecastText(window);
        const bool replace = chance(80);
        note(QStringLiteral("%1: type %2 into Edit1%3").arg(window.name, quoted(text),
                                                            replace ? QStringLiteral(", replacing its text") : QString()));
        return type(*c.Edit1, text, replace);
    }
    case 1:
        note(window.name + QStringLiteral(": click 追加＞＞"));
        return click(*c.Button1);
    case 2:
        note(window.name + QStringLiteral(": click それでも追加") +
             (c.soredemo->isEnabled() ? QString() : QStringLiteral(" (disabled)")));
        return click(*c.soredemo);
    case 3: {
        const QString text = slotNumberText(window);
        const bool replace = chance(80);
        note(QStringLiteral("%1: type %2 into Edit2%3").arg(window.name, quoted(text),
                                                            replace ? QStringLiteral(", replacing its text") : QString()));
        return type(*c.Edit2, text, replace);
    }
    case 4:
        note(window.name + QStringLiteral(": click 削除"));
        return click(*c.sakujo);
    case 5: return pressKey(*c.form);
    case 6: {
        QLineEdit& entry = chance(70) ? *c.Edit1 : *c.Edit2;
        note(QStringLiteral("%1: select all in %2 and delete").arg(window.name, entry.objectName()));
        return clearEntry(entry);
    }
    case 7: return clickEntry(window.name, chance(70) ? *c.Edit1 : *c.Edit2);
    default:
        note(window.name + QStringLiteral(": click 閉じる"));
        return click(*c.BitBtn1);
    }
}

void SoakTest::click(QAbstractButton& button)
{
    expectPress(button);
    QTest::mouseClick(&button, Qt::LeftButton);
}

// A click somewhere along the entry: it takes the focus and the cursor goes there.
void SoakTest::clickEntry(const QString& window, QLineEdit& entry)
{
    const QPoint at(int(below(unsigned(std::max(1, entry.width())))), entry.height() / 2);
    note(QStringLiteral("%1: click into %2 at x %3").arg(window, entry.objectName()).arg(at.x()));
    QTest::mouseClick(&entry, Qt::LeftButton, Qt::NoModifier, at);
}

// A key as the keyboard gives it: the window system hands it to the window, which gives it to
// its focus control. Return, Enter and Space press a focused button.
void SoakTest::pressKey(QWidget& form)
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const std::array<Key, 14> keys = {{
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Return, Qt::NoModifier, "Return"},
        {Qt::Key_Enter, Qt::NoModifier, "Enter"},
        {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Home, Qt::NoModifier, "Home"},
        {Qt::Key_End, Qt::NoModifier, "End"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    }};
    const Key& key = keys[weighted({14, 10, 8, 5, 8, 4, 10, 6, 6, 6, 4, 4, 3, 4})];

    form.activateWindow();
    settle();
    QWidget* const focus = form.focusWidget();
    const QString window = autoTarget != nullptr ? autoTarget->name : selfTarget->name;
    note(QStringLiteral("%1: key %2 (focus on %3)")
             .arg(window, QLatin1String(key.name), focus != nullptr ? focus->objectName() : QStringLiteral("nothing")));
    auto* const button = qobject_cast<QAbstractButton*>(focus);
    const bool presses = key.modifiers == Qt::NoModifier &&
                         (key.key == Qt::Key_Return || key.key == Qt::Key_Enter || key.key == Qt::Key_Space);
    if (button != nullptr && presses) {
        expectPress(*button);
        expected.byKey = true;
    }
    kazuyomi::uitest::pressKey(form, key.key, key.modifiers);
}

// Typed one character at a time, as key events with their text; a character outside the BMP
// comes as one event with both halves, as a keyboard or an input method gives it.
void SoakTest::type(QLineEdit& entry, const QString& text, bool replace)
{
    if (replace) clearEntry(entry);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        const char16_t first = character.front().unicode();
        const Qt::Key key = first < 0x80 ? Qt::Key(QChar(first).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, &entry, key, character, Qt::NoModifier);
        i += length;
    }
}

void SoakTest::clearEntry(QLineEdit& entry)
{
    QTest::keyClick(&entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&entry, chance(50) ? Qt::Key_Backspace : Qt::Key_Delete);
}

// Notes what pressing the button must do, before it is pressed, from the same texts and flag
// that the window hands to its logic.
void SoakTest::expectPress(QAbstractButton& button)
{
    if (&button == launcher.Button1) expected.opens = Opens::autoPick;
    if (&button == launcher.Button2) expected.opens = Opens::selfPick;
    for (AutoPickUnderTest* window : openAutoPicks) {
        if (&button == window->controls.Button2) {
            expected.evaluates = window;
            expected.labelsBefore = labelTexts(window->controls);
            for (std::size_t i = 0; i < 3; ++i) expected.drawsBefore[i] = window->controls.entries[i]->text();
        }
        if (&button == window->controls.BitBtn1) expected.closes = window->controls.form;
    }
    for (SelfPickUnderTest* window : openSelfPicks) {
        SelfPickControls& c = window->controls;
        if (&button == c.BitBtn1) expected.closes = c.form;
        QString entryText;
        if (&button == c.Button1) {
            entryText = handedOver(*c.Edit1);
            expected.outcome = window->model.add(entryText);
        } else if (&button == c.soredemo) {
            entryText = handedOver(*c.Edit1);
            expected.outcome = window->model.addAnyway(entryText, c.Edit1->isModified());
        } else if (&button == c.sakujo) {
            entryText = handedOver(*c.Edit2);
            expected.outcome = window->model.remove(entryText);
        } else {
            continue;
        }
        expected.selfPick = window;
        if (ForecastShadow::raisesConversionError(*expected.outcome)) expected.report = conversionReport(entryText);
        const QLineEdit& entry = &button == c.sakujo ? *c.Edit2 : *c.Edit1;
        if (entryText != entry.text()) count("presses with half a surrogate pair in the entry");
    }
    if (!button.isEnabled()) {
        expected.closes = nullptr;
        expected.opens = Opens::nothing;
        expected.evaluates = nullptr;
        return;
    }
    expected.click = &button;
}

// ---- Texts --------------------------------------------------------------------------------

QString SoakTest::digitsFrom(const QString& pool, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) text += pool[below(unsigned(pool.size()))];
    return text;
}

QString SoakTest::shuffled(QString text)
{
    for (qsizetype i = text.size() - 1; i > 0; --i) std::swap(text[i], text[below(unsigned(i + 1))]);
    return text;
}

// Mostly three and four digits from the window's few digits, so that the same digits come
// again in the same and in another order; then signs, too short texts and texts that are no
// whole number.
QString SoakTest::forecastText(SelfPickUnderTest& window)
{
    if (window.model.soredemo && chance(60)) return textAfterWarning(window);
    switch (weighted({30, 25, 15, 7, 6, 12, 5, 4})) {
    case 0: return digitsFrom(window.pool, 3);
    case 1: return digitsFrom(window.pool, 4);
    case 2: {
        const std::optional<QString> held = window.model.heldForecast(unsigned(rng()));
        if (!held) return digitsFrom(window.pool, 3 + int(below(2)));
        return chance(50) || held->startsWith(QLatin1Char('-')) ? *held : shuffled(*held);
    }
    case 3: {
        if (chance(50)) {
            // The empty value -1, and -10, -010 and -100, whose keys are those of empty slots.
            return anyOf<QString>({"-1", "-01", "-001", "-1", "-01", "-001", "-10", "-010", "-100", "-010", "-100", "+1",
                                   "-0", "-00", "-000", "+000", "-12", "+12", "+123", "-123", "-999", "+999", "-0001"});
        }
        // One draw after the other: the order in which operands are evaluated is the compiler's.
        const QString sign = chance(60) ? QStringLiteral("-") : QStringLiteral("+");
        return sign + digitsFrom(window.pool, 1 + int(below(3)));
    }
    case 4: return anyOf<QString>({"", "1", "12", "0", "00", "-5", "+5", "ab", "1a", "１", "ｴ", "ｴﾗ", "😀"});
    case 5: return oddText();
    case 6: {
        // Random characters of every sort.
        static const QString alphabet = QStringLiteral("0123456789012345+- azAZ１２３ｴﾗｰｱ数予想😀🎲");
        QString text;
        const int length = 1 + int(below(5));
        const QList<uint> characters = alphabet.toUcs4();
        for (int i = 0; i < length; ++i) {
            const char32_t c = characters[below(unsigned(characters.size()))];
            text += QString::fromUcs4(&c, 1);
        }
        return text;
    }
    default:
        // The empty value, and the four-digit forecasts whose key is that of a slot emptied by
        // deleting a four-digit forecast.
        return anyOf<QString>({"-010", "-100", "-001", "-01", "-1"});
    }
}

// After a box warning: what a user may make of the warned entry before それでも追加.
QString SoakTest::textAfterWarning(SelfPickUnderTest& window)
{
    switch (weighted({25, 15, 15, 15, 10, 10, 10})) {
    case 0: return anyOf<QString>({"-1", "-01", "-001", "-0001"});
    case 1: return anyOf<QString>({"", "5", "-5", "+5", "12", "0", "-0"});
    case 2: return window.model.heldForecast(unsigned(rng())).value_or(QStringLiteral("123"));
    case 3: return anyOf<QString>({"1a", "１２", "ｴﾗｰ", "-", "+", "😀", "12 "});
    case 4: return digitsFrom(window.pool, 3);
    case 5: return digitsFrom(window.pool, 4);
    default: return shuffled(digitsFrom(window.pool, 3));
    }
}

QString SoakTest::slotNumberText(const SelfPickUnderTest& window)
{
    switch (weighted({55, 8, 15, 12, 10})) {
    case 0: return QString::number(below(56));
    case 1: return QString::asprintf("%02u", below(10));
    case 2: {
        // A slot that holds a forecast.
        std::vector<int> held;
        for (int slot = 1; slot <= 50; ++slot) {
            if (window.model.number[slot] != -1) held.push_back(slot);
        }
        if (held.empty()) return QString::number(1 + below(50));
        return QString::number(held[below(unsigned(held.size()))]);
    }
    case 3: return anyOf<QString>({"5a", "a", " 5", "+5", "-1", "１", "5 ", "0x", "ｴ", "😀", "5😀", "１２", "٣", "1-"});
    default: return QString();
    }
}

QString SoakTest::drawText()
{
    static const QString digits = QStringLiteral("0123456789");
    return digitsFrom(digits, 4);
}

// Texts that are no whole number, or not wholly one.
QString SoakTest::oddText()
{
    return anyOf<QString>({"1a", "12a", "abc", "a123", " 12", "12 ", "1 2", "１２", "１２３", "１２３４", "ｴﾗｰ", "ｱｲｳｴ",
                           "ｴ1", "数字", "予想", "三四五", "😀", "1😀", "12😀", "123😀", "😀😀", "0x12", "12-", "++1",
                           "+-1", "1.5", "1e3", "٣٤٥", "²³⁴", "12345", "-", "+", "    "});
}

// ---- Checks -------------------------------------------------------------------------------

void SoakTest::settle()
{
    QCoreApplication::processEvents();
}

void SoakTest::fail(const QString& message)
{
    if (failure.isEmpty()) failure = message;
}

// Something the program does differently from its own rules, which leaves the shadow in step:
// the run goes on and reports it at the end.
void SoakTest::deviate(const QString& kind, const QString& message)
{
    Deviation& deviation = deviations[kind];
    if (deviation.count++ == 0) {
        deviation.firstAction = action;
        deviation.message = message;
        deviation.trace = lastActions(12).split(QLatin1Char('\n'));
    }
}

void SoakTest::note(const QString& what)
{
    const QString line = QStringLiteral("#%1 %2").arg(action).arg(what);
    trace.append(line);
    if (traceEveryAction) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }
}

QString SoakTest::lastActions(int lines) const
{
    const qsizetype from = std::max<qsizetype>(0, trace.size() - lines);
    return trace.mid(from).join(QLatin1Char('\n'));
}

void SoakTest::verifyAction()
{
    const TApplication& application = *TApplication::instance();

    // The program goes on, with its launcher, and no box is left standing.
    if (!launcher.form->isVisible()) fail(QStringLiteral("the launcher is no longer open"));
    if (application.MainForm() != launcher.form) fail(QStringLiteral("the launcher is no longer the main window"));
    if (QApplication::activeModalWidget() != nullptr) fail(QStringLiteral("a modal window is still up"));

    // Exactly the button pressed reports a click.
    if (expected.click != nullptr) {
        if (clicksSeen != clicksBefore + 1 || clicks[expected.click] == 0) {
            fail(QStringLiteral("%1 clicks where one on %2 was due").arg(clicksSeen - clicksBefore).arg(expected.click->objectName()));
        }
        if (expected.byKey) count("buttons pressed by a key");
    } else if (clicksSeen != clicksBefore) {
        fail(QStringLiteral("%1 clicks where none was due").arg(clicksSeen - clicksBefore));
    }

    // An error report exactly for a refused conversion, with the text that was handed over.
    const QList<ModalBoxCatcher::Box>& boxes = catcher->boxes();
    const qsizetype newReports = boxes.size() - reportsBefore;
    if (newReports != (expected.report.isEmpty() ? 0 : 1)) {
        fail(QStringLiteral("%1 error reports where %2 was due").arg(newReports).arg(expected.report.isEmpty() ? 0 : 1));
    } else if (newReports == 1) {
        const ModalBoxCatcher::Box& box = boxes.back();
        if (!box.isMessageBox || box.text != expected.report || box.icon != QMessageBox::Critical) {
            fail(QStringLiteral("the error report reads %1, not %2").arg(quoted(box.text), quoted(expected.report)));
        }
        count("error reports answered");
    }

    // A new window from the launcher, in its design state.
    const std::size_t forms = application.Forms().size();
    const std::size_t formsDue = formsBefore + (expected.opens != Opens::nothing ? 1 : 0);
    if (forms != formsDue) fail(QStringLiteral("%1 windows where %2 were due").arg(forms).arg(formsDue));
    if (expected.opens != Opens::nothing && forms == formsDue) {
        TForm* const form = application.Forms().back().get();
        if (!form->isVisible()) fail(QStringLiteral("the new window is not shown"));
        if (expected.opens == Opens::autoPick) {
            auto window = std::make_unique<AutoPickUnderTest>();
            window->name = QStringLiteral("A%1").arg(autoPicks.size() + 1);
            if (form->objectName() != QLatin1String("Omakase2") || !window->controls.bind(form)) {
                return fail(QStringLiteral("the launcher's おまかせナンバーズ made no auto-pick window"));
            }
            for (QAbstractButton* button : {window->controls.Button2, window->controls.BitBtn1}) {
                connect(button, &QAbstractButton::clicked, this, [this, button] {
                    ++clicks[button];
                    ++clicksSeen;
                });
            }
            verifyDesign(*window);
            openAutoPicks.push_back(window.get());
            autoPicks.push_back(std::move(window));
            count("auto-pick windows opened");
        } else {
            auto window = std::make_unique<SelfPickUnderTest>();
            window->name = QStringLiteral("J%1").arg(selfPicks.size() + 1);
            window->hoarder = chance(50);
            if (form->objectName() != QLatin1String("Jiriki2") || !window->controls.bind(form)) {
                return fail(QStringLiteral("the launcher's 自力でナンバーズ made no self-pick window"));
            }
            const SelfPickControls& c = window->controls;
            for (QAbstractButton* button : {c.Button1, c.soredemo, c.sakujo, c.BitBtn1}) {
                connect(button, &QAbstractButton::clicked, this, [this, button] {
                    ++clicks[button];
                    ++clicksSeen;
                });
            }
            verifyDesign(*window);
            openSelfPicks.push_back(window.get());
            selfPicks.push_back(std::move(window));
            count("self-pick windows opened");
        }
    }

    // Windows close only by their own 閉じる; a closed one stays closed.
    const auto closedHere = [&](QWidget* form, const QString& name) {
        if (form == expected.closes) {
            if (form->isVisible()) fail(name + QStringLiteral(" did not close"));
            count("tool windows closed by 閉じる");
            if (expected.byKey) count("tool windows closed by a key on 閉じる");
            return true;
        }
        if (!form->isVisible()) fail(name + QStringLiteral(" closed by itself"));
        return false;
    };
    for (auto it = openAutoPicks.begin(); it != openAutoPicks.end();) {
        if (closedHere((*it)->controls.form, (*it)->name)) {
            if (autoTarget == *it) autoTarget = nullptr;
            it = openAutoPicks.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = openSelfPicks.begin(); it != openSelfPicks.end();) {
        if (closedHere((*it)->controls.form, (*it)->name)) {
            if (selfTarget == *it) selfTarget = nullptr;
            it = openSelfPicks.erase(it);
        } else {
            ++it;
        }
    }

    // What a self-pick button did to the entries.
    if (expected.outcome) ++outcomes[std::size_t(*expected.outcome)];
    if (SelfPickUnderTest* const window = expected.selfPick) {
        const SelfPickControls& c = window->controls;
        const Outcome outcome = *expected.outcome;
        if (ForecastShadow::clearsForecastEntry(outcome)) {
            if (!c.Edit1->text().isEmpty() || c.Edit1->isModified()) {
                fail(QStringLiteral("%1: a filed forecast leaves Edit1 as %2, modified %3")
                         .arg(window->name, quoted(c.Edit1->text()))
                         .arg(c.Edit1->isModified()));
            }
            window->edit1.clear();
            window->userChangedEdit1 = false;
        }
        if (ForecastShadow::clearsSlotEntry(outcome)) {
            if (!c.Edit2->text().isEmpty()) fail(window->name + QStringLiteral(": a delete leaves Edit2 as ") + quoted(c.Edit2->text()));
            window->edit2.clear();
        }
        if (outcome == Outcome::DeleteClearedForecast) window->full = false;
        if (!window->full && window->model.filledSlots() == 50) {
            window->full = true;
            count("lists filled to 50 slots");
        }
    }

    // Nothing but the action's own window changes its entries; a change there by the user sets
    // the forecast entry's modified flag.
    for (SelfPickUnderTest* window : openSelfPicks) {
        const SelfPickControls& c = window->controls;
        const bool actedOn = window == selfTarget;
        if (c.Edit1->text() != window->edit1) {
            if (!actedOn || expected.selfPick == window) {
                fail(QStringLiteral("%1: Edit1 went from %2 to %3").arg(window->name, quoted(window->edit1), quoted(c.Edit1->text())));
            }
            window->edit1 = c.Edit1->text();
            window->userChangedEdit1 = true;
        }
        if (c.Edit2->text() != window->edit2) {
            if (!actedOn || expected.selfPick == window) {
                fail(QStringLiteral("%1: Edit2 went from %2 to %3").arg(window->name, quoted(window->edit2), quoted(c.Edit2->text())));
            }
            window->edit2 = c.Edit2->text();
        }
        if (window->userChangedEdit1 && !c.Edit1->isModified()) {
            deviate(QStringLiteral("modified flag lost"),
                    QStringLiteral("%1: the user changed Edit1 since the window last set it, now %2, but its modified "
                                   "flag is clear, so それでも追加 takes it as unchanged")
                        .arg(window->name, quoted(c.Edit1->text())));
            window->userChangedEdit1 = false; // reported once per change
        }
    }
    for (AutoPickUnderTest* window : openAutoPicks) {
        for (std::size_t i = 0; i < 3; ++i) {
            const QString text = window->controls.entries[i]->text();
            if (text == window->entries[i]) continue;
            if (window != autoTarget || expected.evaluates == window) {
                fail(QStringLiteral("%1: Edit%2 went from %3 to %4").arg(window->name).arg(i + 1).arg(quoted(window->entries[i]), quoted(text)));
            }
            window->entries[i] = text;
        }
    }

    // 評価＞＞: an empty entry changes nothing; three draws always give the same 45 texts.
    if (AutoPickUnderTest* const window = expected.evaluates) {
        const QStringList labels = labelTexts(window->controls);
        const auto& draws = expected.drawsBefore;
        if (draws[0].isEmpty() || draws[1].isEmpty() || draws[2].isEmpty()) {
            if (labels != expected.labelsBefore) fail(window->name + QStringLiteral(": 評価＞＞ with an empty entry changed the labels"));
            count("evaluations with an empty entry");
        } else if (isDraw(draws[0]) && isDraw(draws[1]) && isDraw(draws[2])) {
            const QString key = draws[0] + QLatin1Char('/') + draws[1] + QLatin1Char('/') + draws[2];
            const auto [known, isNew] = evaluations.try_emplace(key, labels);
            if (!isNew && known->second != labels) {
                fail(window->name + QStringLiteral(": the draws %1 gave other labels than before").arg(key));
            }
            if (labels.mid(0, 10).contains(QStringLiteral("000"))) fail(window->name + QStringLiteral(": three draws left a score at 000"));
            count("evaluations of three draws");
        } else {
            count("evaluations of other entries");
        }
    }
}

void SoakTest::verifySelfPick(SelfPickUnderTest& window)
{
    const SelfPickControls& c = window.controls;
    if (!c.form->isVisible()) return;
    for (int slot = 1; slot <= 50; ++slot) {
        const QString text = c.yoso[std::size_t(slot - 1)]->text();
        if (!isSlotForm(text, slot)) {
            return fail(QStringLiteral("%1: yoso%2 shows %3, which is no slot text").arg(window.name).arg(slot).arg(quoted(text)));
        }
        const QString due = window.model.slotText(slot);
        if (text != due) {
            return fail(QStringLiteral("%1: yoso%2 shows %3 where the list holds %4").arg(window.name).arg(slot).arg(quoted(text), quoted(due)));
        }
    }
    if (c.dspResult->text() != window.model.result) {
        fail(QStringLiteral("%1: dspResult shows %2, not %3").arg(window.name, quoted(c.dspResult->text()), quoted(window.model.result)));
    }
    if (c.soredemo->isEnabled() != window.model.soredemo) {
        fail(QStringLiteral("%1: それでも追加 is %2").arg(window.name, c.soredemo->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    }
    if (c.Edit1->maxLength() != 4 || c.Edit1->text().size() > 4) fail(window.name + QStringLiteral(": Edit1 holds more than 4"));
    if (c.Edit2->maxLength() != 2 || c.Edit2->text().size() > 2) fail(window.name + QStringLiteral(": Edit2 holds more than 2"));
}

void SoakTest::verifyAutoPick(AutoPickUnderTest& window)
{
    const AutoPickControls& c = window.controls;
    if (!c.form->isVisible()) return;
    const QStringList points = c.pointTexts();
    const QStringList suggestions = c.suggestionTexts();
    const bool design = points == designPoints && suggestions == designSuggestions;
    if (!design) {
        for (const QString& text : points) {
            if (!isPlainDecimal(text)) return fail(window.name + QStringLiteral(": a score label shows ") + quoted(text));
        }
        for (const QString& text : suggestions) {
            if (!isDraw(text)) return fail(window.name + QStringLiteral(": a suggestion label shows ") + quoted(text));
        }
        if (suggestions != suggestionsFor(points)) {
            fail(window.name + QStringLiteral(": the suggestions do not follow from the scores ") + points.join(QLatin1Char(' ')));
        }
    }
    for (const QLineEdit* entry : c.entries) {
        if (entry->maxLength() != 4 || entry->text().size() > 4) fail(window.name + QStringLiteral(": an entry holds more than 4"));
    }
}

void SoakTest::verifyDesign(const AutoPickUnderTest& window)
{
    const AutoPickControls& c = window.controls;
    if (c.pointTexts() != designPoints || c.suggestionTexts() != designSuggestions) {
        fail(window.name + QStringLiteral(": a new auto-pick window shows results"));
    }
    for (const QLineEdit* entry : c.entries) {
        if (!entry->text().isEmpty()) fail(window.name + QStringLiteral(": a new auto-pick window has text in an entry"));
    }
}

void SoakTest::verifyDesign(const SelfPickUnderTest& window)
{
    const SelfPickControls& c = window.controls;
    if (c.slotTexts() != SelfPickControls::emptySlotTexts() || c.dspResult->text() != ForecastShadow::emptyResult ||
        c.soredemo->isEnabled() || !c.Edit1->text().isEmpty() || !c.Edit2->text().isEmpty() || c.Edit1->isModified()) {
        fail(window.name + QStringLiteral(": a new self-pick window is not empty"));
    }
}

void SoakTest::verifyEveryWindow()
{
    for (SelfPickUnderTest* window : openSelfPicks) verifySelfPick(*window);
    for (AutoPickUnderTest* window : openAutoPicks) verifyAutoPick(*window);
    std::size_t visible = 0;
    for (const auto& form : TApplication::instance()->Forms()) visible += form->isVisible() ? 1 : 0;
    if (visible != 1 + openSelfPicks.size() + openAutoPicks.size()) {
        fail(QStringLiteral("%1 windows are shown, where the launcher and %2 tool windows are open")
                 .arg(visible)
                 .arg(openSelfPicks.size() + openAutoPicks.size()));
    }
}

int main(int argc, char* argv[])
{
    return runWindowTests<SoakTest>(argc, argv);
}

#include "SoakTest.moc"
