// Opening the four list reports, the statement of account and the income by month in their
// preview windows. Each report has at most one preview open: opening it again unloads the
// earlier one and lays the report out afresh from what the database holds now.
#pragma once

#include "reports/DataReport.h"

#include <QPointer>

class QWidget;

namespace reports {

class frmReportPreview;
class PageModel;

enum class ListReport { rptClientList, rptClientType, rptClient, rptAddress };

// The command the report is laid out from.
Command CommandOf(ListReport report);

// Runs the report's command and shows the report in a new, non-modal preview window owned
// by parent. A result of the command still open is closed and the report's earlier preview
// unloaded first. Null when the database could not be read (the user is told).
frmReportPreview *ShowReport(ListReport report, QWidget *parent);

// The report's open preview, or null.
frmReportPreview *OpenPreview(ListReport report);

// Closes the report's preview, if one is open.
void UnloadReport(ListReport report);

// The statement of account of one client: its invoices and payments with the running
// balance and the amount due. The income by month of one year, with a bar chart. Each opens
// a non-modal preview owned by parent; null when the database could not be read, when the
// client is not stored or the year cannot be reported on (the user is told each time).
frmReportPreview *ShowStatement(const QString &clientID, QWidget *parent);
frmReportPreview *ShowIncomeByMonth(int year, QWidget *parent);
// The open previews of the statement and the income by month, or null.
frmReportPreview *OpenStatement();
frmReportPreview *OpenIncomeByMonth();

// What opening any report shares: the earlier preview in `window` closed, the database's
// refusal told, and the laid-out report shown in a new preview kept in `window`.
void UnloadPreview(QPointer<frmReportPreview> &window);
void TellUnreadable(QWidget *parent, const QString &error);
frmReportPreview *ShowPreview(QPointer<frmReportPreview> &window, PageModel model, QWidget *parent);

} // namespace reports
