#include "AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>

#include <algorithm>

namespace {

// "|<" is read out as symbols, if at all.
bool sayable(const QString &name) {
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

bool isInput(QWidget *widget) {
    // A button with a caption is named by it.
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return !sayable(button->text());
    // A header is part of its list.
    if (qobject_cast<QHeaderView *>(widget))
        return false;
    return qobject_cast<QLineEdit *>(widget) || qobject_cast<QTextEdit *>(widget) ||
           qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QCalendarWidget *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget);
}

// The line of a drop-down or spin box is spoken as the box itself.
bool isPartOfBox(const QWidget *widget, const QWidget *root) {
    for (const QWidget *up = widget->parentWidget(); up && up != root; up = up->parentWidget())
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    return false;
}

QString heardName(QWidget *widget) {
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString shownAs(const QWidget *widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

QString AccessibleNameFaults(QWidget *root) {
    QStringList faults;
    QMap<QString, QStringList> inputsByName;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!isInput(widget) || !widget->isVisibleTo(root) || isPartOfBox(widget, root))
            continue;
        const QString name = heardName(widget);
        if (sayable(name))
            inputsByName[name] << shownAs(widget);
        else
            faults << shownAs(widget) + QStringLiteral(": no name \"") + name + QLatin1Char('"');
    }
    for (auto it = inputsByName.cbegin(); it != inputsByName.cend(); ++it)
        if (it.value().size() > 1)
            faults << QLatin1Char('"') + it.key() + QStringLiteral("\" shared by ") +
                          it.value().join(QStringLiteral(", "));
    return faults.join(QLatin1Char('\n'));
}
