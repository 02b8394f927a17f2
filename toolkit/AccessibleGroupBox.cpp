#include "toolkit/AccessibleGroupBox.h"

#include "toolkit/TGroupBox.h"

#include <QFocusFrame>
#include <QGroupBox>
#include <QKeySequence>

namespace kazuyomi {

namespace {

// Set in a form design on a widget that only decorates, such as a bullet in front of a row.
constexpr const char* decorativeProperty = "decorative";

// A title's text as read out: an access key's ampersand goes, "&&" stands for "&".
QString withoutAccessKeys(const QString& title)
{
    QString text;
    text.reserve(title.size());
    for (qsizetype at = 0; at < title.size(); ++at) {
        if (title.at(at) == QLatin1Char('&') && ++at == title.size()) break;
        text.append(title.at(at));
    }
    return text;
}

}  // namespace

AccessibleGroupBox::AccessibleGroupBox(QGroupBox* box)
    : QAccessibleWidget(box, QAccessible::Grouping)
{
}

QAccessibleInterface* AccessibleGroupBox::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(TGroupBox::staticMetaObject.className())) return nullptr;
    auto* const box = qobject_cast<TGroupBox*>(object);
    return box != nullptr ? new AccessibleGroupBox(box) : nullptr;
}

QGroupBox* AccessibleGroupBox::box() const { return static_cast<QGroupBox*>(widget()); }

QString AccessibleGroupBox::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (!text.isEmpty()) return text;
    switch (t) {
    case QAccessible::Name:
        return withoutAccessKeys(box()->title());
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(box()->title()).toString(QKeySequence::NativeText);
    default:
        return text;
    }
}

// The widgets Qt would list, in the same order (the order the form design creates them), less the
// decorative ones.
QList<QWidget*> AccessibleGroupBox::readChildren() const
{
    QList<QWidget*> children;
    for (QObject* object : box()->children()) {
        auto* const child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow() || qobject_cast<QFocusFrame*>(child) != nullptr) continue;
        if (child->property(decorativeProperty).toBool()) continue;
        children.append(child);
    }
    return children;
}

int AccessibleGroupBox::childCount() const { return static_cast<int>(readChildren().size()); }

QAccessibleInterface* AccessibleGroupBox::child(int index) const
{
    const QList<QWidget*> children = readChildren();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int AccessibleGroupBox::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr) return -1;
    return static_cast<int>(readChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

// A titled box labels each control it reads out, as Qt's own group boxes do.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleGroupBox::relations(QAccessible::Relation match) const
{
    auto relations = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) && !box()->title().isEmpty()) {
        for (QWidget* child : readChildren()) {
            if (QAccessibleInterface* labelled = QAccessible::queryAccessibleInterface(child)) {
                relations.append({labelled, QAccessible::Labelled});
            }
        }
    }
    return relations;
}

}  // namespace kazuyomi
