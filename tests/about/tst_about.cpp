// The About window and the help window, on the delivered files and on missing or
// damaged ones.
#include "AccessibleNames.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include "about/frmAbout.h"
#include "about/frmHelp.h"
#include "startup/modGlobal.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// An application folder holding the delivered files the two windows read.
class WindowsFixture {
public:
    WindowsFixture() {
        modGlobal::SetApplicationFolder(folder.path());
        for (const char *delivered : {"images", "text", "help"})
            folder.copyDelivered(QString::fromLatin1(delivered));
    }
    ~WindowsFixture() { modGlobal::SetApplicationFolder(QString()); }

    bool write(const QString &relative, const QByteArray &bytes) {
        QFile file(folder.filePath(relative));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    TestAppFolder folder{false};
};

bool anyBold(const QTextDocument *document) {
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                return true;
        }
    }
    return false;
}

QTreeWidgetItem *contentsEntry(const QTreeWidget *tree, const QString &text) {
    QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree));
    for (; *it; ++it) {
        if ((*it)->text(0).contains(text, Qt::CaseInsensitive))
            return *it;
    }
    return nullptr;
}

// The paragraph the help text's caret is in.
QString caretParagraph(const frmHelp &w) {
    return w.txtTopic->textCursor().block().text();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void aboutWindow();
    void aboutWithoutItsFiles_data();
    void aboutWithoutItsFiles();
    void okClosesTheWindow();
    void helpOpensAtContents();
    void helpCoversEveryTopic_data();
    void helpCoversEveryTopic();
    void helpContentsLeadToTopics();
    void helpIndex_data();
    void helpIndex();
    void helpLinks();
    void helpFileUnreadable_data();
    void helpFileUnreadable();
};

void TestAbout::aboutWindow() {
    WindowsFixture f;
    frmAbout w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QCOMPARE(w.windowTitle(), QStringLiteral("About Brisola"));
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Brisola"));
    QCOMPARE(w.lblVersion->text(), QStringLiteral("v2.0"));
    QVERIFY(!w.windowIcon().availableSizes().isEmpty());
    QVERIFY(!w.isModal());
    QCOMPARE(w.size(), QSize(325, 250)); // 4875 x 3750 twips
    // The text shows formatted, read from its top.
    QVERIFY(w.rtBox->toPlainText().contains(QStringLiteral("keeps the records")));
    QVERIFY(anyBold(w.rtBox->document()));
    QVERIFY(w.rtBox->isReadOnly());
    QCOMPARE(w.rtBox->textCursor().position(), 0);
    QCOMPARE(w.rtBox->verticalScrollBar()->value(), 0);
    QCOMPARE(AccessibleNameFaults(&w), QString());
}

void TestAbout::aboutWithoutItsFiles_data() {
    QTest::addColumn<QString>("remove");
    QTest::addColumn<QByteArray>("replacement"); // written in place of the removed file, when given
    QTest::addColumn<bool>("textShown");

    QTest::newRow("no About text") << "text/About.rtf" << QByteArray() << false;
    QTest::newRow("About text empty") << "text/About.rtf" << QByteArray("") << false;
    QTest::newRow("About text too big")
        << "text/About.rtf" << QByteArray(int(frmAbout::MaxTextBytes) + 1, 'x') << false;
    QTest::newRow("no icon") << "images/earth.ico" << QByteArray() << true;
    QTest::newRow("icon not a picture") << "images/earth.ico" << QByteArray("not an icon") << true;
}

void TestAbout::aboutWithoutItsFiles() {
    QFETCH(QString, remove);
    QFETCH(QByteArray, replacement);
    QFETCH(bool, textShown);
    WindowsFixture f;
    QVERIFY(QFile::remove(f.folder.filePath(remove)));
    if (!replacement.isNull())
        QVERIFY(f.write(remove, replacement));
    frmAbout w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // The window opens all the same, with its caption and version.
    QCOMPARE(w.windowTitle(), QStringLiteral("About Brisola"));
    QCOMPARE(w.lblVersion->text(), QStringLiteral("v2.0"));
    QCOMPARE(w.rtBox->toPlainText().contains(QStringLiteral("keeps the records")), textShown);
    if (!textShown)
        QVERIFY(w.rtBox->toPlainText().contains(QStringLiteral("could not be read")));
    if (remove.endsWith(QLatin1String(".ico")))
        QVERIFY(w.windowIcon().availableSizes().isEmpty());
}

void TestAbout::okClosesTheWindow() {
    WindowsFixture f;
    QWidget owner;
    owner.show();
    QPointer<frmAbout> w = new frmAbout(&owner);
    w->Form_Load();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(owner.isVisible());
}

void TestAbout::helpOpensAtContents() {
    WindowsFixture f;
    frmHelp w;
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.tabTopics->currentWidget(), w.tvContents);
    QCOMPARE(w.txtTopic->verticalScrollBar()->value(), 0);
    QCOMPARE(caretParagraph(w), QStringLiteral("Brisola Help: Contents"));
    QCOMPARE(w.tvContents->currentItem()->text(0), QStringLiteral("Brisola Help: Contents"));
    QCOMPARE(AccessibleNameFaults(&w), QString());

    // Opened again after reading elsewhere, it is back at the contents.
    w.ShowAnchor(QStringLiteral("copying"));
    QVERIFY(w.txtTopic->verticalScrollBar()->value() > 0);
    w.tabTopics->setCurrentIndex(1);
    QCOMPARE(AccessibleNameFaults(&w), QString());
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    QCOMPARE(w.tabTopics->currentWidget(), w.tvContents);
    QCOMPARE(w.txtTopic->verticalScrollBar()->value(), 0);
}

void TestAbout::helpCoversEveryTopic_data() {
    QTest::addColumn<QString>("topic");
    for (const char *topic :
         {"Add Clients", "Manage Clients", "Billing", "Utilities", "Clipboard", "The reports",
          "The address book", "The business profile", "Where your data lives", "Copying your data safely",
          "The Tools menu", "Export to CSV", "Preview Chosen Invoice", "Restore a Safety Copy",
          "Automatic safety copies"})
        QTest::newRow(topic) << QString::fromLatin1(topic);
}

void TestAbout::helpCoversEveryTopic() {
    QFETCH(QString, topic);
    WindowsFixture f;
    frmHelp w;
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    QTreeWidgetItem *entry = contentsEntry(w.tvContents, topic);
    QVERIFY2(entry, qPrintable(topic));
    // Every topic is in the index under its own title too.
    QVERIFY(!w.lstIndex->findItems(entry->text(0), Qt::MatchExactly).isEmpty());
}

void TestAbout::helpContentsLeadToTopics() {
    WindowsFixture f;
    frmHelp w;
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Sub-topics hang under their topic.
    QTreeWidgetItem *book = contentsEntry(w.tvContents, QStringLiteral("The address book"));
    QVERIFY(book);
    QCOMPARE(book->childCount(), 2);
    QCOMPARE(book->child(0)->text(0), QStringLiteral("A new contact"));

    QTreeWidgetItemIterator it(w.tvContents);
    for (; *it; ++it) {
        QTreeWidgetItem *item = *it;
        w.tvContents->scrollToItem(item);
        QTest::mouseClick(w.tvContents->viewport(), Qt::LeftButton, {},
                          w.tvContents->visualItemRect(item).center());
        QCOMPARE(caretParagraph(w), item->text(0));
    }
}

void TestAbout::helpIndex_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("leadsTo"); // the start of the paragraph shown

    QTest::newRow("backup") << "back"
                            << "backup"
                            << "Make a copy regularly";
    QTest::newRow("restore") << "RESTO"
                             << "restore"
                             << "To put a copy back";
    QTest::newRow("data file") << "home."
                               << "home.qd"
                               << "Everything Brisola stores";
    QTest::newRow("a topic") << "the address"
                             << "The address book"
                             << "The address book";
    QTest::newRow("CSV") << "csv"
                         << "CSV"
                         << "Choose Export to CSV...";
    QTest::newRow("safety copies") << "safety c"
                                   << "safety copies"
                                   << "At the first start of each day";
    QTest::newRow("printer") << "printer"
                             << "printer"
                             << "Invoices and notes go straight";
}

void TestAbout::helpIndex() {
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    QFETCH(QString, leadsTo);
    WindowsFixture f;
    frmHelp w;
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.tabTopics->setCurrentIndex(1);

    // Alphabetical, whatever the letter case.
    QStringList terms;
    for (int i = 0; i < w.lstIndex->count(); ++i)
        terms << w.lstIndex->item(i)->text();
    QStringList sorted = terms;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(terms, sorted);

    QTest::keyClicks(w.txtIndex, typed);
    QVERIFY(w.lstIndex->currentItem());
    QCOMPARE(w.lstIndex->currentItem()->text(), entry);
    QTest::keyClick(w.txtIndex, Qt::Key_Return);
    QVERIFY2(caretParagraph(w).startsWith(leadsTo), qPrintable(caretParagraph(w)));
}

void TestAbout::helpLinks() {
    WindowsFixture f;
    frmHelp w;
    QVERIFY(w.Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp"))));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    emit w.txtTopic->anchorClicked(QUrl(QStringLiteral("#copying")));
    QCOMPARE(caretParagraph(w), QStringLiteral("Copying your data safely"));
    // Links out of the help text lead nowhere: the text stays where it was.
    const QString before = w.txtTopic->toPlainText();
    emit w.txtTopic->anchorClicked(QUrl(QStringLiteral("https://example.com/#copying")));
    emit w.txtTopic->anchorClicked(QUrl(QStringLiteral("other.html#data")));
    QCOMPARE(caretParagraph(w), QStringLiteral("Copying your data safely"));
    QCOMPARE(w.txtTopic->toPlainText(), before);
    // A place the text does not have changes nothing either.
    w.ShowAnchor(QStringLiteral("no-such-place"));
    QCOMPARE(caretParagraph(w), QStringLiteral("Copying your data safely"));
}

void TestAbout::helpFileUnreadable_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file at all

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18);
    QTest::newRow("too big") << QByteArray(int(frmHelp::MaxHelpBytes) + 1, 'x');
}

void TestAbout::helpFileUnreadable() {
    QFETCH(QByteArray, content);
    WindowsFixture f;
    const QString file = QStringLiteral("help/ordwen.hlp");
    QVERIFY(QFile::remove(f.folder.filePath(file)));
    if (!content.isNull())
        QVERIFY(f.write(file, content));
    frmHelp w;
    QVERIFY(!w.Open(modGlobal::AppPath(file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The window opens with a short notice that names the file, and nothing to choose.
    QVERIFY(w.txtTopic->toPlainText().contains(QStringLiteral("could not be read")));
    QVERIFY(w.txtTopic->toPlainText().contains(QStringLiteral("ordwen.hlp")));
    QCOMPARE(w.tvContents->topLevelItemCount(), 0);
    QCOMPARE(w.lstIndex->count(), 0);
    QTest::keyClicks(w.txtIndex, QStringLiteral("backup"));
    QTest::keyClick(w.txtIndex, Qt::Key_Return);
}

BRISOLA_TEST_MAIN(TestAbout)
#include "tst_about.moc"
