#include "controls/OptionGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

namespace options {

QString ChosenCaption(std::span<QRadioButton *const> group) {
    for (QRadioButton *button : group) {
        if (button && button->isChecked())
            return button->text();
    }
    return QString();
}

void SwitchAllOff(std::span<QRadioButton *const> group) {
    for (QRadioButton *button : group) {
        if (!button)
            continue;
        // An exclusive group refuses to switch its last button off; lift that meanwhile.
        QButtonGroup *buttons = button->group();
        const bool exclusive = buttons && buttons->exclusive();
        if (exclusive)
            buttons->setExclusive(false);
        const bool autoExclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(autoExclusive);
        if (exclusive)
            buttons->setExclusive(true);
    }
}

void SwitchOnCaption(std::span<QRadioButton *const> group, const QString &text) {
    for (QRadioButton *button : group) {
        if (button && button->text() == text) {
            button->setChecked(true);
            return;
        }
    }
}

} // namespace options
