// The first rule a record breaks: which field to put the focus on, and the message that says
// why the record is refused. Rule modules return one; the window shows it.
#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

namespace rules {

struct Refusal {
    int field = -1; // the rule module's own field number; -1: no field takes the focus
    QString message;
    QMessageBox::Icon icon = QMessageBox::Critical;

    friend bool operator==(const Refusal &, const Refusal &) = default;
};

using Check = std::optional<Refusal>;

} // namespace rules
