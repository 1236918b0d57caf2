// The help window: the program's help file (HTML, help/ordwen.hlp) beside a list of its
// contents and an index of its terms, opened at the table of contents. One window serves
// every choice of the help menu; it deletes itself when closed.
#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget *parent = nullptr);
    ~frmHelp() override;

    // Reads the help file and shows its table of contents. A file that is missing, too
    // big or not text shows a short notice instead; false then.
    bool Open(const QString &file);
    // Back to the table of contents: the Contents tab and the top of the text.
    void ShowContents();
    // Shows the place a topic or index entry names (an anchor of the help text).
    void ShowAnchor(const QString &anchor);
    // Shows a place of the help text by its character position.
    void ShowPosition(int position);

    // The largest help file read.
    static constexpr qint64 MaxHelpBytes = 8 * 1024 * 1024;

    QTabWidget *tabTopics = nullptr;
    QTreeWidget *tvContents = nullptr; // the headings, topics with their sub-topics
    QLineEdit *txtIndex = nullptr;     // typing finds the first index entry that begins so
    QListWidget *lstIndex = nullptr;   // terms, alphabetical, each naming its place
    QTextBrowser *txtTopic = nullptr;

private:
    void BuildLists();
    void ShowNotice(const QString &file);
    void tvContents_Click(QTreeWidgetItem *item);
    void lstIndex_Activated(QListWidgetItem *item);
    void txtIndex_Change(const QString &text);
    void txtTopic_AnchorClicked(const QUrl &url);
};
