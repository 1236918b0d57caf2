// The option-button arrays of the client tabs: at most one button of a group is on.
#pragma once

#include <QString>

#include <span>

class QRadioButton;

namespace options {

// The caption of the button that is on; the lowest index wins should several be on.
// Empty text when none is on.
QString ChosenCaption(std::span<QRadioButton *const> group);
// Switches every button off, so that the group shows no choice at all.
void SwitchAllOff(std::span<QRadioButton *const> group);
// Switches on the button whose caption is exactly the text (letter case counts), which
// switches the others off. With no such caption the group stays as it is.
void SwitchOnCaption(std::span<QRadioButton *const> group, const QString &text);

} // namespace options
