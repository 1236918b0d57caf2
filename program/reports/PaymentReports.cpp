// Opening the statement of account and the income by month, each in its one preview.
#include "reports/Reports.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "reports/Paginator.h"
#include "reports/ReportLayout.h"
#include "reports/frmReportPreview.h"

#include <functional>

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

// Reads the report, lays it out and shows it in place of its earlier preview. Null when the
// database could not be read, or when `layout` gives no layout (it has told the user why).
frmReportPreview *showReport(QPointer<frmReportPreview> &window, QWidget *parent,
                             const std::function<std::optional<ReportRows>(DataReport &)> &read,
                             const std::function<std::optional<Layout>(const ReportRows &)> &layout) {
    UnloadPreview(window);
    PageModel model;
    {
        const controls::WaitPointer wait;
        DataReport &data = DataReport::Instance();
        const std::optional<ReportRows> report = read(data);
        if (!report) {
            TellUnreadable(parent, data.LastError());
            return nullptr;
        }
        const std::optional<Layout> laidOut = layout(*report);
        if (!laidOut)
            return nullptr;
        model = Paginate(*laidOut, report->rows, report->values);
    }
    return ShowPreview(window, std::move(model), parent);
}

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
    return showReport(
        statementPreview(), parent, [&](DataReport &data) { return data.Statement(clientID); },
        [&](const ReportRows &statement) -> std::optional<Layout> {
            if (!statement.known) {
                messages::ShowMessage(
                    parent,
                    QStringLiteral("The client ") + clientID +
                        QStringLiteral(" has no record, invoice or payment stored, so there is "
                                       "no statement to show. "),
                    QMessageBox::Warning);
                return std::nullopt;
            }
            return rptStatement(statement.values->Value(0, QStringLiteral("Client")).toString());
        });
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
    return showReport(
        incomePreview(), parent, [&](DataReport &data) { return data.IncomeByMonth(year); },
        [&](const ReportRows &) -> std::optional<Layout> { return rptIncomeByMonth(year); });
}

} // namespace reports
