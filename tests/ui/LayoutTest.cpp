// Nothing is cut off or pushed over another control, in whichever face stands in and at whatever
// scale the screen has: every control lies inside its parent, every caption fits its control, and
// only the two title boxes that the forms lay over their neighbours overlap anything.

#include "WindowTestMain.h"

#include "autopick/Unit4.h"
#include "selfpick/Unit5.h"
#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace kazuyomi;
using namespace kazuyomi::uitest;

namespace {

QWidget* makeForm(const QString& name)
{
    TApplication& application = *TApplication::instance();
    if (name == QLatin1String("Form1")) return application.CreateForm<TForm1>();
    if (name == QLatin1String("Omakase2")) return application.CreateForm<TOmakase2>();
    return application.CreateForm<TJiriki2>();
}

QString withoutAccessKey(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The caption starts eight pixels in and needs the text's width.
bool titleFits(const QGroupBox& box)
{
    return box.title().isEmpty() || 8 + box.fontMetrics().horizontalAdvance(box.title()) <= box.width();
}

bool captionFits(const QAbstractButton& button)
{
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    return icon + button.fontMetrics().horizontalAdvance(withoutAccessKey(button.text())) + 8 <=
           button.width();
}

bool labelFits(const QLabel& label)
{
    return label.fontMetrics().horizontalAdvance(label.text()) <= label.width() &&
           label.fontMetrics().height() <= label.height();
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void nothingIsCutOffOrCovered_data();
    void nothingIsCutOffOrCovered();
};

void LayoutTest::nothingIsCutOffOrCovered_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("overlapping");
    QTest::newRow("launcher") << QStringLiteral("Form1") << QStringList();
    QTest::newRow("auto-pick") << QStringLiteral("Omakase2")
                               << QStringList{QStringLiteral("GroupBox1"), QStringLiteral("GroupBox3")};
    QTest::newRow("self-pick") << QStringLiteral("Jiriki2")
                               << QStringList{QStringLiteral("GroupBox1"), QStringLiteral("GroupBox3")};
}

void LayoutTest::nothingIsCutOffOrCovered()
{
    QFETCH(QString, form);
    QFETCH(QStringList, overlapping);
    QWidget* const window = makeForm(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents.prepend(window);
    for (QWidget* parent : parents) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < children.size(); ++i) {
            QWidget* const child = children[i];
            const QByteArray name = child->objectName().toUtf8();
            QVERIFY2(parent->rect().contains(child->geometry()), name);
            if (const auto* label = qobject_cast<QLabel*>(child)) QVERIFY2(labelFits(*label), name);
            if (const auto* button = qobject_cast<QAbstractButton*>(child)) QVERIFY2(captionFits(*button), name);
            if (const auto* box = qobject_cast<QGroupBox*>(child)) QVERIFY2(titleFits(*box), name);
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                const bool allowed = overlapping.contains(child->objectName()) &&
                                     overlapping.contains(children[j]->objectName());
                if (allowed) continue;
                QVERIFY2(!child->geometry().intersects(children[j]->geometry()),
                         qPrintable(child->objectName() + QStringLiteral(" and ") + children[j]->objectName()));
            }
        }
    }
}

int main(int argc, char** argv)
{
    return runWindowTests<LayoutTest>(argc, argv);
}

#include "LayoutTest.moc"
