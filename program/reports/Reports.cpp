#include "reports/Reports.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "reports/Paginator.h"
#include "reports/ReportLayout.h"
#include "reports/frmReportPreview.h"

#include <QPointer>

#include <array>

namespace reports {

namespace {

constexpr int ReportCount = 4;

std::array<QPointer<frmReportPreview>, ReportCount> &previews() {
    static std::array<QPointer<frmReportPreview>, ReportCount> windows;
    return windows;
}

QPointer<frmReportPreview> &previewOf(ListReport report) {
    return previews()[std::size_t(report)];
}

Layout layoutOf(ListReport report) {
    switch (report) {
    case ListReport::rptClientList:
        return rptClientList();
    case ListReport::rptClientType:
        return rptClientType();
    case ListReport::rptClient:
        return rptClient();
    case ListReport::rptAddress:
        break;
    }
    return rptAddress();
}

} // namespace

Command CommandOf(ListReport report) {
    switch (report) {
    case ListReport::rptClientList:
    case ListReport::rptClient:
        return Command::cmdClients;
    case ListReport::rptClientType:
        return Command::cmdClientByType_Grouping;
    case ListReport::rptAddress:
        break;
    }
    return Command::cmdAddress;
}

frmReportPreview *OpenPreview(ListReport report) {
    return previewOf(report).data();
}

void UnloadPreview(QPointer<frmReportPreview> &window) {
    if (window) {
        window->Unload();
        window.clear();
    }
}

void UnloadReport(ListReport report) {
    UnloadPreview(previewOf(report));
}

void TellUnreadable(QWidget *parent, const QString &error) {
    messages::ShowMessage(parent,
                          QStringLiteral("The report could not read the database:") + QStringLiteral("\r\n") +
                              error + QStringLiteral(" "),
                          QMessageBox::Critical);
}

frmReportPreview *ShowPreview(QPointer<frmReportPreview> &window, PageModel model, QWidget *parent) {
    window = new frmReportPreview(std::move(model), parent);
    window->show();
    return window;
}

frmReportPreview *ShowReport(ListReport report, QWidget *parent) {
    const Command command = CommandOf(report);
    DataReport &data = DataReport::Instance();
    if (data.IsOpen(command))
        data.Close(command);
    // Also a preview whose rows were already closed by the other report of the same command.
    UnloadReport(report);

    PageModel model;
    {
        const controls::WaitPointer wait;
        if (!data.Execute(command)) {
            TellUnreadable(parent, data.LastError());
            return nullptr;
        }
        model = Paginate(layoutOf(report), data.Result(command));
    }
    return ShowPreview(previewOf(report), std::move(model), parent);
}

} // namespace reports
