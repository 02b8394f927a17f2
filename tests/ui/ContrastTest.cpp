// Readable on the desktop's palette, as a user sees it: the real windows on an X server, with the
// worked examples typed in, and every text measured from the pixels the screen shows. Each text's
// strongest ink stands at least 4.5:1 (WCAG 2) from what lies behind it; where a design's own
// colour reads, it is drawn exactly as designed. The wrapper that starts the X server names the
// desktop's palette in KAZUYOMI_TEST_DESKTOP: light, dark or high-contrast.

#include "AutoPickControls.h"
#include "LauncherControls.h"
#include "SelfPickControls.h"
#include "TextContrast.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

constexpr double readable = 4.5;
// Letters are smoothed at their edges: a text's strongest ink may fall a shade short of its colour.
constexpr double smoothing = 1.1;

QString desktopName()
{
    return qEnvironmentVariable("KAZUYOMI_TEST_DESKTOP", QStringLiteral("unnamed"));
}

double luminanceOf(const QColor& color)
{
    return (wcagContrast(color, Qt::black) - 1.0) * 0.05;
}

// The one window on the screen, active and repainted, so the screen shows all of it and nothing
// of another window.
bool showAlone(QWidget& window, const std::vector<QWidget*>& forms)
{
    for (QWidget* other : forms) {
        if (other != &window) other->hide();
    }
    window.show();
    window.raise();
    if (!QTest::qWaitForWindowExposed(&window) || !activate(window)) return false;
    QTest::qWait(150);
    return true;
}

// Every text that fails: too faint, or not in the designed colour where that colour reads.
QStringList faults(const QWidget& window, const std::vector<TextContrast>& texts)
{
    QStringList found;
    for (const TextContrast& text : texts) {
        if (!text.enabled) continue;  // an inactive control need not stand out
        const QString where =
            QStringLiteral("%1 %2/%3").arg(desktopName(), window.objectName(), text.describe());
        if (!text.found || text.ratio < readable) {
            found.append(where);
        } else if (text.designed.isValid() && wcagContrast(text.designed, text.background) >= readable &&
                   wcagContrast(text.ink, text.designed) > smoothing) {
            found.append(where + QStringLiteral(", designed %1").arg(text.designed.name()));
        }
    }
    return found;
}

// The faintest text that a user has to read.
QString weakest(const std::vector<TextContrast>& texts)
{
    const TextContrast* weakest = nullptr;
    for (const TextContrast& text : texts) {
        if (text.enabled && (weakest == nullptr || text.ratio < weakest->ratio)) weakest = &text;
    }
    return weakest != nullptr ? weakest->describe() : QStringLiteral("none");
}

QByteArray report(const QStringList& found)
{
    const QString heading = QStringLiteral("below %1:1 or off the design:\n").arg(readable);
    return (heading + found.join(QLatin1Char('\n'))).toUtf8();
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void desktopGivesItsPalette();
    void everyTextReadable_data();
    void everyTextReadable();
    void followsPaletteChange_data();
    void followsPaletteChange();

private:
    QWidget* window(const QString& name) const;
    bool showAlone(QWidget& window) const;

    LauncherControls launcher;
    AutoPickControls autoPick;
    SelfPickControls selfPick;
    QPalette desktopPalette;
};

// The three windows with results on view: the worked example evaluated, and a list that holds
// forecasts and ends on a box warning, so それでも追加 is enabled and both entries hold digits.
void ContrastTest::initTestCase()
{
    desktopPalette = QApplication::palette();
    TForm1* const form = TApplication::instance()->CreateForm<TForm1>();
    QVERIFY(launcher.bind(form));
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form));

    QVERIFY(autoPick.openFrom(launcher));
    autoPick.evaluate(QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("9012"));
    QCOMPARE(autoPick.kai[0]->text(), QStringLiteral("6478"));

    QVERIFY(selfPick.openFrom(launcher));
    for (const char* forecast : {"123", "0123", "4567", "321"}) {
        selfPick.add(QString::fromLatin1(forecast));
    }
    QVERIFY(selfPick.soredemo->isEnabled());
    QTest::keyClicks(selfPick.Edit2, QStringLiteral("12"));
}

// The test means nothing unless Qt really took the palette the desktop names.
void ContrastTest::desktopGivesItsPalette()
{
    const QColor window = desktopPalette.color(QPalette::Window);
    const QColor windowText = desktopPalette.color(QPalette::WindowText);
    const QColor base = desktopPalette.color(QPalette::Base);
    const QColor text = desktopPalette.color(QPalette::Text);
    const QString seen = QStringLiteral("Window %1, WindowText %2, Base %3, Text %4")
                             .arg(window.name(), windowText.name(), base.name(), text.name());
    const QString desktop = desktopName();
    if (desktop == QLatin1String("light")) {
        QVERIFY2(luminanceOf(window) > 0.7, qPrintable(seen));
    } else if (desktop == QLatin1String("dark")) {
        QVERIFY2(luminanceOf(window) < 0.1 && luminanceOf(windowText) > 0.5, qPrintable(seen));
    } else if (desktop == QLatin1String("high-contrast")) {
        QVERIFY2(wcagContrast(window, windowText) >= 15 && wcagContrast(base, text) >= 15 &&
                     luminanceOf(window) < 0.1,
                 qPrintable(seen));
    } else {
        QFAIL(qPrintable(QStringLiteral("KAZUYOMI_TEST_DESKTOP names no known desktop: ") + desktop));
    }
    qInfo("%s palette: %s", qPrintable(desktop), qPrintable(seen));
}

void ContrastTest::everyTextReadable_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("launcher") << QStringLiteral("Form1");
    QTest::newRow("auto-pick, worked example evaluated") << QStringLiteral("Omakase2");
    QTest::newRow("self-pick, forecasts and a box warning") << QStringLiteral("Jiriki2");
}

void ContrastTest::everyTextReadable()
{
    QFETCH(QString, form);
    QWidget* const shown = window(form);
    QVERIFY(shown != nullptr);
    QVERIFY(showAlone(*shown));

    const std::vector<TextContrast> texts = measureTexts(*shown);
    QVERIFY(texts.size() >= 5);
    qInfo("%s %s: %zu texts, weakest %s", qPrintable(desktopName()), qPrintable(form), texts.size(),
          qPrintable(weakest(texts)));
    const QStringList found = faults(*shown, texts);
    QVERIFY2(found.isEmpty(), report(found).constData());
}

// The desktop's palette changes while the program runs: every window follows, to a light palette
// (the designs' black drawn black again), to a dark one, and back.
void ContrastTest::followsPaletteChange_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("to a light palette") << QPalette(QColor(0xef, 0xef, 0xef));
    QTest::newRow("to a dark palette") << QPalette(QColor(0x32, 0x32, 0x32));
    QTest::newRow("back to the desktop's") << desktopPalette;
}

void ContrastTest::followsPaletteChange()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    QStringList found;
    for (const char* form : {"Form1", "Omakase2", "Jiriki2"}) {
        QWidget* const shown = window(QString::fromLatin1(form));
        QVERIFY(shown != nullptr);
        QVERIFY(showAlone(*shown));
        const std::vector<TextContrast> texts = measureTexts(*shown);
        qInfo("%s: weakest %s", form, qPrintable(weakest(texts)));
        found += faults(*shown, texts);
    }
    QVERIFY2(found.isEmpty(), report(found).constData());
}

bool ContrastTest::showAlone(QWidget& shown) const
{
    return ::showAlone(shown, {launcher.form, autoPick.form, selfPick.form});
}

QWidget* ContrastTest::window(const QString& name) const
{
    for (QWidget* form : {launcher.form, autoPick.form, selfPick.form}) {
        if (form != nullptr && form->objectName() == name) return form;
    }
    return nullptr;
}

int main(int argc, char** argv)
{
    return runWindowTests<ContrastTest>(argc, argv);
}

#include "ContrastTest.moc"
