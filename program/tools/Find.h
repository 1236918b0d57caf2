// Find in a list: the next row that holds a text, in any column and whatever its case,
// chosen as a click on it would choose it. The find window asks for the text and finds
// again on each press of "Find Next", in whatever list its window shows at that moment.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class ListView;

namespace tools {

// The first row after the list's current row (from the top when none is current) that holds
// the text in any column, ignoring case, going round to the top after the last row; the
// current row itself is found last. -1 when no row holds it, and for an empty text.
int FindNextRow(const ListView *list, const QString &text);

// The list a find searches and what a click on its rows does (the list's click handler).
// A null list: the window shows no list just now.
struct FindScope {
    ListView *list = nullptr;
    std::function<void()> click;
};
using FindTarget = std::function<FindScope()>;

class frmFind : public QDialog {
    Q_OBJECT
public:
    frmFind(QWidget *parent, FindTarget target);

    QLabel *lblFind = nullptr;
    QLineEdit *txtFind = nullptr;
    QPushButton *cmdFindNext = nullptr;
    QPushButton *cmdClose = nullptr;

    // Finds the next row holding the text and chooses it; tells the user when none does.
    // True when a row was chosen.
    bool cmdFindNext_Click();
    void cmdClose_Click();

private:
    FindTarget m_target;
};

// Opens the find window of `host` (one per window, kept between uses with its text), or
// brings it forward with its text selected.
frmFind *OpenFind(QWidget *host, FindTarget target);

} // namespace tools
