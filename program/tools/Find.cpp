#include "tools/Find.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "controls/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringMatcher>

namespace tools {

namespace {

constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 1260;
constexpr int Margin = 120;
constexpr int LabelWidth = 1000;
constexpr int ButtonWidth = 1300;
constexpr int ButtonHeight = 375;

} // namespace

int FindNextRow(const ListView *list, const QString &text) {
    if (!list || text.isEmpty())
        return -1;
    const int rows = list->topLevelItemCount();
    if (rows == 0)
        return -1;
    // The text is prepared for searching once, not once per row.
    const QStringMatcher matcher(text, Qt::CaseInsensitive);
    const int current = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
    // Round the list once from the row after the current one; the current row comes last.
    for (int step = 1; step <= rows; ++step) {
        const int row = (current + step) % rows;
        if (matcher.indexIn(list->SearchText(row)) >= 0)
            return row;
    }
    return -1;
}

frmFind::frmFind(QWidget *parent, FindTarget target) : QDialog(parent), m_target(std::move(target)) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    lblFind = controls::Label(this, QStringLiteral("Fi&nd what:"),
                              Twips::Rect(Margin, Margin + 30, LabelWidth, controls::RowHeight));
    lblFind->setObjectName(QStringLiteral("lblFind"));
    txtFind = controls::TextBox(
        this, QStringLiteral("txtFind"),
        Twips::Rect(Margin + LabelWidth, Margin, ClientWidth - 2 * Margin - LabelWidth, controls::RowHeight),
        0);
    controls::NameAfterLabel(lblFind, txtFind);

    const int buttonTop = ClientHeight - Margin - ButtonHeight;
    cmdFindNext = controls::Button(
        this, QStringLiteral("cmdFindNext"), QStringLiteral("&Find Next"),
        Twips::Rect(ClientWidth - 2 * (ButtonWidth + Margin), buttonTop, ButtonWidth, ButtonHeight));
    cmdClose = controls::Button(
        this, QStringLiteral("cmdClose"), QStringLiteral("&Close"),
        Twips::Rect(ClientWidth - ButtonWidth - Margin, buttonTop, ButtonWidth, ButtonHeight));
    // Enter finds the next row.
    cmdFindNext->setDefault(true);
    cmdFindNext->setEnabled(false);
    connect(txtFind, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmdFindNext->setEnabled(!text.isEmpty()); });
    connect(cmdFindNext, &QPushButton::clicked, this, [this] { cmdFindNext_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &frmFind::cmdClose_Click);
}

bool frmFind::cmdFindNext_Click() {
    const QString text = txtFind->text();
    if (text.isEmpty())
        return false;
    const FindScope scope = m_target ? m_target() : FindScope{};
    if (!scope.list) {
        messages::ShowMessage(this,
                              QStringLiteral("This tab has no list to search. ") + QStringLiteral("\r\n") +
                                  QStringLiteral("Bring a tab with a list to the front first. "),
                              QMessageBox::Warning);
        return false;
    }
    const int row = FindNextRow(scope.list, text);
    if (row < 0) {
        messages::ShowMessage(this,
                              QStringLiteral("No row of the list holds \"") + text + QStringLiteral("\". "),
                              QMessageBox::Information);
        return false;
    }
    scope.list->ChooseRow(row);
    if (scope.click)
        scope.click();
    return true;
}

void frmFind::cmdClose_Click() {
    close();
}

frmFind *OpenFind(QWidget *host, FindTarget target) {
    auto *find = host->findChild<frmFind *>(QStringLiteral("frmFind"), Qt::FindDirectChildrenOnly);
    if (!find)
        find = new frmFind(host, std::move(target));
    find->show();
    find->raise();
    find->activateWindow();
    find->txtFind->setFocus();
    find->txtFind->selectAll();
    return find;
}

} // namespace tools
