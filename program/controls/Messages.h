// The one door through which the program shows its message boxes, the kinds of message the
// windows show, and what follows a save, an update or a delete. Every box opens under the
// normal pointer, never under the hourglass.
#pragma once

#include "controls/Refusal.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace messages {

// A message box with the given text, icon, buttons, default button and title; an empty
// title shows the program's title. Takes the hourglass down first. Returns the button pressed.
QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                        const QString &title = QString());

// Two line breaks, as the questions after a save join their two lines.
inline const QString LineBreaks = QStringLiteral("\r\n\r\n");

// An entry refused by a check: the message with its icon, then the focus into the offending
// field (none when focus is null). Always false, so a check can `return Refuse(...)`.
bool Refuse(QWidget *parent, const QString &text, QMessageBox::Icon icon = QMessageBox::Critical,
            QWidget *focus = nullptr);

// A rule's refusal, when it gives one, shown as Refuse shows it; the focus goes to the widget
// that fieldWidget gives for the refusal's field (none: the focus stays where it is). True
// when the rule refused.
bool ShowRefusal(QWidget *parent, const rules::Check &check,
                 const std::function<QWidget *(int field)> &fieldWidget);

// An action that needs a chosen record when none is chosen.
void ChooseFirst(QWidget *parent, const QString &text);

// A save, update or delete that the library refused.
void SaveFailed(QWidget *parent, const QString &text);

// "Do another?" after a success: true when the user answers Yes.
bool AskAnother(QWidget *parent, const QString &text, const QString &title);

// What a window does after a save, an update or a delete.
struct SaveOutcome {
    std::function<void()> clear;  // empties the entry fields; success only
    std::function<void()> refill; // refills the lists from the library; success only
    QString question;             // the "do another?" text
    QString title;                // "Record Saved Successfully", ...
    std::function<void()> onYes;  // what Yes does
    std::function<void()> onNo;   // what No does (the main window brings "Add Clients" forward)
    QString failure;              // the failure message; empty: nothing is shown
    // A refused save or update is an error (critical icon, title " ERROR"); a delete the
    // library did not carry out is a warning under the program's title.
    QMessageBox::Icon failureIcon = QMessageBox::Critical;
    std::function<void()> onFailure; // after the failure message
};

// On success: clear, refill, then ask; Yes runs onYes, No runs onNo. On failure nothing is
// cleared (unless onFailure does), so what the user typed stays for another try, and the
// failure text is shown. Returns `succeeded`.
bool RunOutcome(QWidget *parent, bool succeeded, const SaveOutcome &outcome);

} // namespace messages
