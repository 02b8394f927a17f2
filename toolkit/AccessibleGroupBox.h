#pragma once

#include <QAccessibleWidget>

class QGroupBox;

namespace kazuyomi {

// What assistive technology sees of a TGroupBox: a grouping named by its title, as Qt gives every
// group box, whose children are the box's widgets in their design order less those whose dynamic
// property "decorative" is true. A decorative widget still draws; it is only not read out.
class AccessibleGroupBox : public QAccessibleWidget {
public:
    explicit AccessibleGroupBox(QGroupBox* box);

    // The factory for QAccessible::installFactory; it answers for TGroupBox only.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    QGroupBox* box() const;
    QList<QWidget*> readChildren() const;
};

}  // namespace kazuyomi
