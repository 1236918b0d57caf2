// Opening the four list reports in their preview windows. Each report has at most one
// preview open: opening it again unloads the earlier one and lays the report out afresh
// from what the database holds now.
#pragma once

#include "reports/DataReport.h"

class QWidget;

namespace reports {

class frmReportPreview;

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

} // namespace reports
