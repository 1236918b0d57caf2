#include "about/frmHelp.h"

#include "controls/AppInfo.h"
#include "controls/Builders.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The help text marks an index term with an anchor named "k:" and the term, placed where
// the term is explained; its headings make the contents.
const QString IndexMark = QStringLiteral("k:");
constexpr int PositionRole = Qt::UserRole; // where in the text an entry leads

} // namespace

frmHelp::frmHelp(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(controls::AppTitle) + QStringLiteral(" Help"));
    setFont(QFont(QStringLiteral("Verdana"), 8));

    tabTopics = new QTabWidget;
    tabTopics->setObjectName(QStringLiteral("tabTopics"));

    tvContents = new QTreeWidget;
    tvContents->setObjectName(QStringLiteral("tvContents"));
    tvContents->setHeaderHidden(true);
    tvContents->setColumnCount(1);
    controls::NameInput(tvContents, QStringLiteral("Contents"));
    tabTopics->addTab(tvContents, QStringLiteral("&Contents"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    auto *indexLabel =
        new QLabel(QStringLiteral("&Type the first few letters of the word you are looking for:"));
    indexLabel->setWordWrap(true);
    txtIndex = new QLineEdit;
    txtIndex->setObjectName(QStringLiteral("txtIndex"));
    indexLabel->setBuddy(txtIndex);
    controls::NameInput(txtIndex, QStringLiteral("Index word"));
    lstIndex = new QListWidget;
    lstIndex->setObjectName(QStringLiteral("lstIndex"));
    controls::NameInput(lstIndex, QStringLiteral("Index"));
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(txtIndex);
    indexLayout->addWidget(lstIndex);
    tabTopics->addTab(indexPage, QStringLiteral("&Index"));

    txtTopic = new QTextBrowser;
    txtTopic->setObjectName(QStringLiteral("txtTopic"));
    controls::NameInput(txtTopic, QStringLiteral("Help topic"));
    // Only places inside the help text are followed; the browser never loads another file.
    txtTopic->setOpenLinks(false);
    txtTopic->setOpenExternalLinks(false);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabTopics);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);
    resize(900, 620);

    connect(tvContents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { tvContents_Click(item); });
    connect(tvContents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { tvContents_Click(item); });
    connect(lstIndex, &QListWidget::itemActivated, this, &frmHelp::lstIndex_Activated);
    connect(lstIndex, &QListWidget::itemClicked, this, &frmHelp::lstIndex_Activated);
    connect(txtIndex, &QLineEdit::textChanged, this, &frmHelp::txtIndex_Change);
    connect(txtIndex, &QLineEdit::returnPressed, this,
            [this] { lstIndex_Activated(lstIndex->currentItem()); });
    connect(txtTopic, &QTextBrowser::anchorClicked, this, &frmHelp::txtTopic_AnchorClicked);
}

frmHelp::~frmHelp() = default;

bool frmHelp::Open(const QString &file) {
    tvContents->clear();
    lstIndex->clear();
    QFile help(file);
    QByteArray html;
    if (help.open(QIODevice::ReadOnly) && help.size() <= MaxHelpBytes)
        html = help.read(MaxHelpBytes);
    // Bytes with NUL characters are no help text, whatever the file is called.
    if (html.trimmed().isEmpty() || html.contains('\0')) {
        ShowNotice(file);
        ShowContents();
        return false;
    }
    txtTopic->setSearchPaths({QFileInfo(file).absolutePath()});
    txtTopic->setHtml(QString::fromUtf8(html));
    BuildLists();
    ShowContents();
    return true;
}

void frmHelp::ShowNotice(const QString &file) {
    const QString shown = file.isEmpty() ? QStringLiteral("help/ordwen.hlp") : file;
    txtTopic->setHtml(QStringLiteral("<h2>%1 Help</h2><p>The help file could not be read:</p><p><b>%2</b></p>"
                                     "<p>It belongs in the folder <b>help</b> beside the program. "
                                     "Everything else in %1 works without it.</p>")
                          .arg(QString::fromLatin1(controls::AppTitle), shown.toHtmlEscaped()));
}

void frmHelp::BuildLists() {
    QTextDocument *document = txtTopic->document();
    // Contents: every heading, a topic's sub-headings under it.
    QTreeWidgetItem *topic = nullptr;
    struct Entry {
        QString term;
        int position;
    };
    QList<Entry> entries;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        const QString text = block.text().simplified();
        if (level > 0 && !text.isEmpty()) {
            QTreeWidgetItem *item = nullptr;
            if (level <= 2 || !topic) {
                item = new QTreeWidgetItem(tvContents, {text});
                topic = item;
            } else {
                item = new QTreeWidgetItem(topic, {text});
            }
            item->setData(0, PositionRole, block.position());
            // Topics are index entries of their own; the title of the contents is not.
            if (level > 1)
                entries.append({text, block.position()});
        }
        // Index terms marked in the text, where they are marked.
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QStringList names = it.fragment().charFormat().anchorNames();
            for (const QString &name : names) {
                const QString term = name.mid(IndexMark.size()).simplified();
                if (name.startsWith(IndexMark) && !term.isEmpty())
                    entries.append({term, it.fragment().position()});
            }
        }
    }
    tvContents->expandAll();

    // Alphabetical whatever the letter case, the same on every machine.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.term.compare(b.term, Qt::CaseInsensitive) < 0;
    });
    for (const Entry &entry : entries) {
        auto *item = new QListWidgetItem(entry.term, lstIndex);
        item->setData(PositionRole, entry.position);
    }
}

void frmHelp::ShowContents() {
    tabTopics->setCurrentWidget(tvContents);
    QTextCursor top(txtTopic->document());
    txtTopic->setTextCursor(top);
    txtTopic->verticalScrollBar()->setValue(0);
    if (tvContents->topLevelItemCount() > 0)
        tvContents->setCurrentItem(tvContents->topLevelItem(0));
}

void frmHelp::ShowAnchor(const QString &anchor) {
    if (anchor.isEmpty())
        return;
    QTextDocument *document = txtTopic->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                ShowPosition(it.fragment().position());
                return;
            }
        }
    }
}

void frmHelp::ShowPosition(int position) {
    QTextDocument *document = txtTopic->document();
    if (position < 0 || position >= document->characterCount())
        return;
    // The caret goes to the place too, so that the keyboard reads on from there; the
    // place's paragraph comes to the top of the view.
    QTextCursor cursor(document);
    cursor.setPosition(position);
    txtTopic->setTextCursor(cursor);
    const QTextBlock block = document->findBlock(position);
    const qreal top = document->documentLayout()->blockBoundingRect(block).top();
    txtTopic->verticalScrollBar()->setValue(int(top));
}

void frmHelp::tvContents_Click(QTreeWidgetItem *item) {
    if (item)
        ShowPosition(item->data(0, PositionRole).toInt());
}

void frmHelp::lstIndex_Activated(QListWidgetItem *item) {
    if (item)
        ShowPosition(item->data(PositionRole).toInt());
}

void frmHelp::txtIndex_Change(const QString &text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return;
    for (int i = 0; i < lstIndex->count(); ++i) {
        QListWidgetItem *item = lstIndex->item(i);
        if (item->text().startsWith(wanted, Qt::CaseInsensitive)) {
            lstIndex->setCurrentItem(item);
            lstIndex->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void frmHelp::txtTopic_AnchorClicked(const QUrl &url) {
    // Links within the help text name a place by its fragment alone.
    if (url.scheme().isEmpty() && url.path().isEmpty())
        ShowAnchor(url.fragment());
}
