#include "controls/Messages.h"

#include "startup/modGlobal.h"

#include <QWidget>

namespace messages {

bool Refuse(QWidget *parent, const QString &text, QMessageBox::Icon icon, QWidget *focus) {
    modGlobal::SetDefaultPointer();
    modGlobal::ShowMessage(parent, text, icon);
    if (focus)
        focus->setFocus();
    return false;
}

bool ShowRefusal(QWidget *parent, const rules::Check &check,
                 const std::function<QWidget *(int field)> &fieldWidget) {
    if (!check)
        return false;
    Refuse(parent, check->message, check->icon, fieldWidget ? fieldWidget(check->field) : nullptr);
    return true;
}

void ChooseFirst(QWidget *parent, const QString &text) {
    modGlobal::SetDefaultPointer();
    modGlobal::ShowMessage(parent, text, QMessageBox::Warning);
}

void SaveFailed(QWidget *parent, const QString &text) {
    modGlobal::SetDefaultPointer();
    modGlobal::ShowMessage(parent, text, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::NoButton,
                           QStringLiteral(" ERROR"));
}

bool AskAnother(QWidget *parent, const QString &text, const QString &title) {
    modGlobal::SetDefaultPointer();
    return modGlobal::ShowMessage(parent, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No, title) == QMessageBox::Yes;
}

bool RunOutcome(QWidget *parent, bool succeeded, const SaveOutcome &outcome) {
    modGlobal::SetDefaultPointer();
    if (!succeeded) {
        if (outcome.failureIcon == QMessageBox::Critical && !outcome.failure.isEmpty())
            SaveFailed(parent, outcome.failure);
        else if (!outcome.failure.isEmpty())
            modGlobal::ShowMessage(parent, outcome.failure, outcome.failureIcon);
        if (outcome.onFailure)
            outcome.onFailure();
        modGlobal::SetDefaultPointer();
        return false;
    }
    if (outcome.clear)
        outcome.clear();
    if (outcome.refill)
        outcome.refill();
    const bool another = AskAnother(parent, outcome.question, outcome.title);
    const auto &then = another ? outcome.onYes : outcome.onNo;
    if (then)
        then();
    modGlobal::SetDefaultPointer();
    return true;
}

} // namespace messages
