// The window of Tools > Restore a Safety Copy...: the safety copies, newest first, with
// their date and what they hold, and the restore of the chosen one over the records.
#pragma once

#include "tools/SafetyCopies.h"

#include <QDialog>

#include <functional>

class ListView;
class QLabel;
class QPushButton;

namespace tools {

class frmRestore : public QDialog {
    Q_OBJECT
public:
    // afterRestore runs once a copy has been restored: the caller refills what it shows.
    explicit frmRestore(QWidget *parent, std::function<void()> afterRestore);

    // Fills lvCopies from the safety-copy folder.
    void Form_Load();

    QLabel *lblCopies = nullptr;
    ListView *lvCopies = nullptr;
    QPushButton *cmdRestore = nullptr;
    QPushButton *cmdClose = nullptr;

    void cmdRestore_Click();
    void cmdClose_Click();

    // How a copy is named in the list and in messages: its day, or the moment of the
    // restore before which it was taken.
    static QString CopyCaption(const SafetyCopy &copy);

    // The clock a restore names its aside copy by; tests set their own.
    static void SetClock(std::function<QDateTime()> clock); // empty: the real clock

private:
    void FillList();

    std::function<void()> m_afterRestore;
    QList<SafetyCopy> m_copies;
};

} // namespace tools
