#include "tools/frmRestore.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "reports/DataReport.h"
#include "startup/modGlobal.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace tools {

namespace {

constexpr int ClientWidth = 8400;
constexpr int ClientHeight = 4800;
constexpr int Margin = 120;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 375;

const QString crlf = QStringLiteral("\r\n");

std::function<QDateTime()> &clock() {
    static std::function<QDateTime()> now;
    return now;
}

QDateTime now() {
    return clock() ? clock()() : QDateTime::currentDateTime();
}

QString countText(const SafetyCopy &copy, qint64 RecordCounts::*count) {
    return copy.counts ? QLocale().toString(*copy.counts.*count) : QString();
}

QString stepText(RestoreStep step) {
    switch (step) {
    case RestoreStep::CheckCopy:
        return QStringLiteral("The safety copy cannot be used: ");
    case RestoreStep::CopyAside:
        return QStringLiteral("The records as they are could not be copied aside: ");
    case RestoreStep::Restore:
        return QStringLiteral("The safety copy could not be written over the records: ");
    case RestoreStep::Verify:
        return QStringLiteral("The restored records did not read back whole: ");
    }
    return QString();
}

} // namespace

frmRestore::frmRestore(QWidget *parent, std::function<void()> afterRestore)
    : QDialog(parent), m_afterRestore(std::move(afterRestore)) {
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(QStringLiteral("Restore a Safety Copy"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    lblCopies = controls::Label(this, QStringLiteral("&Safety copies, newest first:"),
                                Twips::Rect(Margin, Margin, ClientWidth - 2 * Margin, controls::RowHeight));
    lblCopies->setObjectName(QStringLiteral("lblCopies"));
    lvCopies = new ListView(this);
    lvCopies->setObjectName(QStringLiteral("lvCopies"));
    lvCopies->setGeometry(Twips::Rect(Margin, Margin + controls::RowHeight + 60, ClientWidth - 2 * Margin,
                                      ClientHeight - 3 * Margin - controls::RowHeight - 60 - ButtonHeight));
    lvCopies->setFont(QFont(QStringLiteral("Arial"), 8));
    lvCopies->AddColumn(QStringLiteral("Safety Copy Of"), 2800);
    lvCopies->AddColumn(QStringLiteral("Clients"), 1100, Qt::AlignRight);
    lvCopies->AddColumn(QStringLiteral("Invoices"), 1100, Qt::AlignRight);
    lvCopies->AddColumn(QStringLiteral("Notes"), 1100, Qt::AlignRight);
    lvCopies->AddColumn(QStringLiteral("Address Entries"), 1600, Qt::AlignRight);
    controls::NameAfterLabel(lblCopies, lvCopies);

    const int buttonTop = ClientHeight - Margin - ButtonHeight;
    cmdRestore = controls::Button(
        this, QStringLiteral("cmdRestore"), QStringLiteral("&Restore"),
        Twips::Rect(ClientWidth - 2 * (ButtonWidth + Margin), buttonTop, ButtonWidth, ButtonHeight));
    cmdClose = controls::Button(
        this, QStringLiteral("cmdClose"), QStringLiteral("&Close"),
        Twips::Rect(ClientWidth - ButtonWidth - Margin, buttonTop, ButtonWidth, ButtonHeight));
    connect(cmdRestore, &QPushButton::clicked, this, &frmRestore::cmdRestore_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRestore::cmdClose_Click);
}

void frmRestore::Form_Load() {
    FillList();
}

void frmRestore::SetClock(std::function<QDateTime()> now) {
    clock() = std::move(now);
}

QString frmRestore::CopyCaption(const SafetyCopy &copy) {
    const QLocale locale;
    if (!copy.beforeRestore)
        return locale.toString(copy.taken.date(), QLocale::ShortFormat);
    return locale.toString(copy.taken, QLocale::ShortFormat) + QStringLiteral(" (before a restore)");
}

void frmRestore::FillList() {
    const controls::WaitPointer wait;
    lvCopies->clear();
    m_copies = ListSafetyCopies();
    for (const SafetyCopy &copy : std::as_const(m_copies)) {
        const int row = lvCopies->AddRow(copy.path);
        lvCopies->SetCell(row, 0, CopyCaption(copy));
        if (copy.counts) {
            lvCopies->SetCell(row, 1, countText(copy, &RecordCounts::clients));
            lvCopies->SetCell(row, 2, countText(copy, &RecordCounts::invoices));
            lvCopies->SetCell(row, 3, countText(copy, &RecordCounts::notes));
            lvCopies->SetCell(row, 4, countText(copy, &RecordCounts::addresses));
        } else {
            lvCopies->SetCell(row, 1, QStringLiteral("cannot be read"));
        }
    }
}

void frmRestore::cmdRestore_Click() {
    const int row = lvCopies->SelectedRow();
    if (row < 0) {
        messages::ChooseFirst(this, QStringLiteral("Select a safety copy to restore! "));
        return;
    }
    const QString path = lvCopies->Key(row);
    const auto chosen = std::find_if(m_copies.cbegin(), m_copies.cend(),
                                     [&path](const SafetyCopy &copy) { return copy.path == path; });
    if (chosen == m_copies.cend())
        return;
    const QString caption = CopyCaption(*chosen);
    const QDateTime moment = now();
    if (messages::ShowMessage(this,
                              QStringLiteral("Restore the safety copy of ") + caption + QStringLiteral("? ") +
                                  crlf + crlf +
                                  QStringLiteral("The records as they are now are first copied to ") +
                                  QDir::toNativeSeparators(BeforeRestorePath(moment)) +
                                  QStringLiteral(", so that this restore can be undone. "),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                              windowTitle()) != QMessageBox::Yes)
        return;

    const RestoreResult result = [&path, &moment] {
        const controls::WaitPointer wait;
        // The reports' connection would keep reading the records as they were.
        reports::DataReport::Release();
        modGlobal::CloseSharedRecordset();
        return RestoreSafetyCopy(path, moment);
    }();

    if (!result.restored) {
        QString text = QStringLiteral("The safety copy was NOT restored! ") + crlf + crlf +
                       stepText(result.failedStep) + result.failure.description + QStringLiteral(". ") +
                       crlf + crlf + QStringLiteral("The records are as they were. ");
        if (!result.asidePath.isEmpty())
            text += crlf + QStringLiteral("A copy of them is in ") +
                    QDir::toNativeSeparators(result.asidePath) + QStringLiteral(". ");
        messages::SaveFailed(this, text);
        FillList();
        return;
    }

    if (m_afterRestore)
        m_afterRestore();
    FillList();
    const QLocale locale;
    const QString payments =
        result.upgrade.result == ordwen::UpgradeResult::Refused
            ? crlf + crlf + QStringLiteral("Payments can't be recorded in the restored records: ") +
                  result.upgrade.reason + QStringLiteral(". ")
            : QString();
    messages::ShowMessage(this,
                          QStringLiteral("The safety copy of ") + caption +
                              QStringLiteral(" was restored: ") + locale.toString(result.counts.clients) +
                              QStringLiteral(" clients, ") + locale.toString(result.counts.invoices) +
                              QStringLiteral(" invoices, ") + locale.toString(result.counts.notes) +
                              QStringLiteral(" notes and ") + locale.toString(result.counts.addresses) +
                              QStringLiteral(" address entries. ") + crlf + crlf +
                              QStringLiteral("The records as they were before are kept in ") +
                              QDir::toNativeSeparators(result.asidePath) + QStringLiteral(". ") + payments,
                          QMessageBox::Information, QMessageBox::Ok, QMessageBox::NoButton, windowTitle());
}

void frmRestore::cmdClose_Click() {
    close();
}

} // namespace tools
