#include "controls/Messages.h"

#include "controls/AppInfo.h"
#include "controls/WaitPointer.h"

#include <QGridLayout>
#include <QWidget>

namespace messages {

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, const QString &title) {
    controls::ShowNormalPointer();
    QMessageBox box(icon, title.isEmpty() ? QString::fromLatin1(controls::AppTitle) : title, text, buttons,
                    parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    // A short message under a long title ("Record Saved Successfully") would make a box too
    // narrow for its title bar: keep the box at least as wide as the title needs.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool Refuse(QWidget *parent, const QString &text, QMessageBox::Icon icon, QWidget *focus) {
    ShowMessage(parent, text, icon);
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
    ShowMessage(parent, text, QMessageBox::Warning);
}

void SaveFailed(QWidget *parent, const QString &text) {
    ShowMessage(parent, text, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::NoButton,
                QStringLiteral(" ERROR"));
}

bool AskAnother(QWidget *parent, const QString &text, const QString &title) {
    return ShowMessage(parent, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No, title) == QMessageBox::Yes;
}

bool RunOutcome(QWidget *parent, bool succeeded, const SaveOutcome &outcome) {
    // The work that led here is over: what follows (the refill) shows its own hourglass.
    controls::ShowNormalPointer();
    if (!succeeded) {
        if (outcome.failureIcon == QMessageBox::Critical && !outcome.failure.isEmpty())
            SaveFailed(parent, outcome.failure);
        else if (!outcome.failure.isEmpty())
            ShowMessage(parent, outcome.failure, outcome.failureIcon);
        if (outcome.onFailure)
            outcome.onFailure();
        controls::ShowNormalPointer();
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
    controls::ShowNormalPointer();
    return true;
}

} // namespace messages
