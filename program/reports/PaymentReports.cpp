// Opening the statement of account and the income by month, each in its one preview.
#include "reports/Reports.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "reports/Paginator.h"
#include "reports/ReportLayout.h"
#include "reports/frmReportPreview.h"

namespace reports {

namespace {

QPointer<frmReportPreview> &statementPreview() {
    static QPointer<frmReportPreview> window;
    return window;
}

QPointer<frmReportPreview> &incomePreview() {
    static QPointer<frmReportPreview> window;
    return window;
}

// The years a stored date (four-digit year) can fall in.
constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

} // namespace

frmReportPreview *OpenStatement() {
    return statementPreview().data();
}

frmReportPreview *OpenIncomeByMonth() {
    return incomePreview().data();
}

frmReportPreview *ShowStatement(const QString &clientID, QWidget *parent) {
    if (clientID.trimmed().isEmpty()) {
        messages::ChooseFirst(parent, QStringLiteral("Select a client to print a statement for! "));
        return nullptr;
    }
    UnloadPreview(statementPreview());
    PageModel model;
    {
        const controls::WaitPointer wait;
        DataReport &data = DataReport::Instance();
        const std::optional<ReportRows> statement = data.Statement(clientID);
        if (!statement) {
            TellUnreadable(parent, data.LastError());
            return nullptr;
        }
        if (!statement->known) {
            messages::ShowMessage(
                parent,
                QStringLiteral("The client ") + clientID +
                    QStringLiteral(" has no record, invoice or payment stored, so there is no "
                                   "statement to show. "),
                QMessageBox::Warning);
            return nullptr;
        }
        model = Paginate(rptStatement(statement->values->Value(0, QStringLiteral("Client")).toString()),
                         statement->rows, statement->values);
    }
    return ShowPreview(statementPreview(), std::move(model), parent);
}

frmReportPreview *ShowIncomeByMonth(int year, QWidget *parent) {
    if (year < FirstYear || year > LastYear) {
        messages::ShowMessage(parent,
                              QStringLiteral("Income can be shown for the years ") +
                                  QString::number(FirstYear) + QStringLiteral(" to ") +
                                  QString::number(LastYear) + QStringLiteral(", not for ") +
                                  QString::number(year) + QStringLiteral(". "),
                              QMessageBox::Warning);
        return nullptr;
    }
    UnloadPreview(incomePreview());
    PageModel model;
    {
        const controls::WaitPointer wait;
        DataReport &data = DataReport::Instance();
        const std::optional<ReportRows> income = data.IncomeByMonth(year);
        if (!income) {
            TellUnreadable(parent, data.LastError());
            return nullptr;
        }
        model = Paginate(rptIncomeByMonth(year), income->rows, income->values);
    }
    return ShowPreview(incomePreview(), std::move(model), parent);
}

} // namespace reports
