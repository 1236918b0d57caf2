// Find in a list: the next row holding the text in any column, whatever its case, going
// round to the top; chosen with the same effect as a click in each list of the main window
// and in the address book; Ctrl+F opening it; what the user is told when nothing is found.
#include "../address_book/AddressBookFixture.h"
#include "../main_window/MainWindowFixture.h"
#include "TestMain.h"

#include "tools/Find.h"

#include <QMenuBar>

namespace {

// A list of rows given as "cell|cell|cell".
void fillRows(ListView &list, const QStringList &rows) {
    for (int column = 0; column < 3; ++column)
        list.AddColumn(QString(), 1000);
    for (const QString &row : rows) {
        const QStringList cells = row.split(QLatin1Char('|'));
        const int item = list.AddRow(cells.value(0));
        for (int column = 1; column < cells.size(); ++column)
            list.SetCell(item, column, cells[column]);
    }
}

tools::frmFind *findWindow(QWidget *host) {
    return host->findChild<tools::frmFind *>(QStringLiteral("frmFind"), Qt::FindDirectChildrenOnly);
}

QStringList actionTexts(const QMenu *menu) {
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestFind : public QObject {
    Q_OBJECT

    // Seeds two clients, two invoices and two notes and opens the main window.
    static MainWindowParts &openWithRecords(MainWindowFixture &f) {
        f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Anna Berg"),
                     QStringLiteral("Oakville"));
        f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Commercial"), QStringLiteral("Bert Lund"),
                     QStringLiteral("Maple Bay"));
        f.folder.exec(
            QStringLiteral("INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client) VALUES "
                           "('INV-1', 'QD-1', '2024-03-04', 'Anna Berg'), "
                           "('INV-2', 'QD-2', '2024-03-05', 'Bert Lund')"));
        f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                     "('QDN-1', 'Buy mop heads', '2024-03-01 09:00:00'), "
                                     "('QDN-2', 'Call Bert about keys', '2024-03-02 09:00:00')"));
        return f.open();
    }

private slots:
    void findNextRow_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("current"); // -1: no current row
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("found"); // -1: none
        const QStringList fruit{QStringLiteral("QD-1|Apple|red"), QStringLiteral("QD-2|Banana|yellow"),
                                QStringLiteral("QD-3|Cherry|dark red")};
        QTest::newRow("first row holding it") << fruit << -1 << QStringLiteral("an") << 1;
        QTest::newRow("case is ignored") << fruit << -1 << QStringLiteral("cHERRY") << 2;
        QTest::newRow("any column") << fruit << -1 << QStringLiteral("yellow") << 1;
        QTest::newRow("the key column too") << fruit << -1 << QStringLiteral("qd-3") << 2;
        QTest::newRow("after the current row") << fruit << 0 << QStringLiteral("red") << 2;
        QTest::newRow("round to the top") << fruit << 2 << QStringLiteral("red") << 0;
        QTest::newRow("the current row itself last") << fruit << 1 << QStringLiteral("banana") << 1;
        QTest::newRow("no row holds it") << fruit << 0 << QStringLiteral("plum") << -1;
        QTest::newRow("empty text finds nothing") << fruit << -1 << QString() << -1;
        QTest::newRow("accented letters in either case")
            << QStringList{QStringLiteral("A-1|Élodie|Côté"), QStringLiteral("A-2|Zoë|Ångström")} << 0
            << QStringLiteral("éLODIE") << 0;
        QTest::newRow("accents matter") << QStringList{QStringLiteral("A-1|Zoe"), QStringLiteral("A-2|Zoë")}
                                        << -1 << QStringLiteral("zoë") << 1;
        QTest::newRow("empty list") << QStringList() << -1 << QStringLiteral("a") << -1;
    }

    // A find after the rows changed searches the rows as they are now, not as the last find
    // met them.
    void findSeesChangedRows() {
        ListView list;
        fillRows(list, {QStringLiteral("QD-1|Ann"), QStringLiteral("QD-2|Bob")});
        QCOMPARE(tools::FindNextRow(&list, QStringLiteral("Cleo")), -1);
        list.SetCell(1, 1, QStringLiteral("Cleo"));
        QCOMPARE(tools::FindNextRow(&list, QStringLiteral("Cleo")), 1);
        list.SortRows(1, Qt::DescendingOrder);
        QCOMPARE(tools::FindNextRow(&list, QStringLiteral("Cleo")), 0);
        list.clear();
        QCOMPARE(tools::FindNextRow(&list, QStringLiteral("Cleo")), -1);
    }

    void findNextRow() {
        QFETCH(QStringList, rows);
        QFETCH(int, current);
        QFETCH(QString, text);
        QFETCH(int, found);
        ListView list;
        fillRows(list, rows);
        if (current >= 0)
            list.ChooseRow(current);
        QCOMPARE(tools::FindNextRow(&list, text), found);
    }

    void toolsMenuBetweenFileAndHelp() {
        MainWindowFixture f;
        MainWindowParts &w = f.open();
        QStringList menus;
        for (const QAction *action : w->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus,
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Tools"), QStringLiteral("&Help")}));
        // File and Help stay as they were.
        QCOMPARE(actionTexts(w.mnuFile), (QStringList{QStringLiteral("Address Book"), QStringLiteral("-"),
                                                      QStringLiteral("Update Business Profile"),
                                                      QStringLiteral("-"), QStringLiteral("eXit")}));
        QCOMPARE(actionTexts(w.mnuHelp), (QStringList{QStringLiteral("Brisola Help"), QStringLiteral("-"),
                                                      QStringLiteral("About Brisola")}));
        const QStringList tools = actionTexts(w.mnuTools);
        QCOMPARE(
            tools,
            (QStringList{QStringLiteral("&Find..."), QStringLiteral("-"), QStringLiteral("&Export to CSV..."),
                         QStringLiteral("&Preview Chosen Invoice"), QStringLiteral("Pa&yments..."),
                         QStringLiteral("-"), QStringLiteral("&Restore a Safety Copy...")}));
        // Every entry has an access key of its own.
        QSet<QChar> keys;
        for (const QString &text : tools) {
            if (text == QLatin1String("-"))
                continue;
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            keys.insert(text.at(amp + 1).toLower());
        }
        QCOMPARE(keys.size(), 5);
        QCOMPARE(w.mnuToolsFind->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    }

    void findChoosesAsAClick_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("Manage Clients") << 1 << QStringLiteral("maple bay") << QStringLiteral("QD-2");
        QTest::newRow("Billing") << 2 << QStringLiteral("LUND") << QStringLiteral("QD-2");
        QTest::newRow("Utilities: invoices") << 3 << QStringLiteral("inv-2") << QStringLiteral("INV-2");
        QTest::newRow("Clipboard: notes") << 4 << QStringLiteral("keys") << QStringLiteral("QDN-2");
    }

    void findChoosesAsAClick() {
        QFETCH(int, tab);
        QFETCH(QString, text);
        QFETCH(QString, key);
        MainWindowFixture f;
        MainWindowParts &w = openWithRecords(f);
        w.tabMain->setCurrentIndex(tab);
        QTest::keyClick(&w.w, Qt::Key_F, Qt::ControlModifier);
        tools::frmFind *find = findWindow(&w.w);
        QVERIFY(find && find->isVisible());
        QTest::keyClicks(find->txtFind, text);
        QTest::keyClick(find->txtFind, Qt::Key_Return);

        ListView *list = tab == 1   ? w.lvClients
                         : tab == 2 ? w.lvBilling
                         : tab == 3 ? w.lvInvoices
                                    : w.lvNotes;
        const int chosen = list->SelectedRow();
        QVERIFY(chosen >= 0);
        QCOMPARE(list->Key(chosen), key);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list->currentIndex().row(), chosen);

        // What a click on that row shows, in the tab's own fields.
        switch (tab) {
        case 1:
            QCOMPARE(w.lblID->text(), key);
            QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Bert Lund"));
            QCOMPARE(w.cboBoxEdit->currentText(), QStringLiteral("Commercial"));
            break;
        case 2:
            QCOMPARE(w.lblBillID->text(), key);
            QCOMPARE(w.lblClient[0]->text(), QStringLiteral("Bert Lund "));
            break;
        case 3:
            QCOMPARE(w.lblInvoice[0]->text(), key);
            QCOMPARE(w.lblInvoice[1]->text(), QStringLiteral("Bert Lund "));
            break;
        default:
            QCOMPARE(w.lblNoteID->text(), key);
            QCOMPARE(w.rtNotes->toPlainText().trimmed(), QStringLiteral("Call Bert about keys"));
        }
        QCOMPARE(f.boxes.count(), 0);
    }

    void findNextGoesRoundTheMatches() {
        MainWindowFixture f;
        for (const auto &[id, name] :
             {std::pair{"QD-1", "Ann Lee"}, {"QD-2", "Bo Dean"}, {"QD-3", "Cy Hanna"}})
            f.seedClient(QString::fromLatin1(id), QStringLiteral("Home"), QString::fromLatin1(name),
                         QStringLiteral("Town"));
        MainWindowParts &w = f.open();
        w.tabMain->setCurrentIndex(1);
        w.mnuToolsFind->trigger();
        tools::frmFind *find = findWindow(&w.w);
        QVERIFY(find);
        find->txtFind->setText(QStringLiteral("ANN"));
        QStringList chosen;
        for (int press = 0; press < 3; ++press) {
            find->cmdFindNext->click();
            chosen << w.lblID->text();
        }
        QCOMPARE(chosen,
                 (QStringList{QStringLiteral("QD-1"), QStringLiteral("QD-3"), QStringLiteral("QD-1")}));
        // A row clicked by the user is where the next find starts.
        MainWindowFixture::clickRow(w.lvClients,
                                    MainWindowFixture::rowOf(w.lvClients, QStringLiteral("QD-2")));
        QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));
        find->cmdFindNext->click();
        QCOMPARE(w.lblID->text(), QStringLiteral("QD-3"));
        // Ctrl+F again brings the same window forward with its text.
        w.mnuToolsFind->trigger();
        QCOMPARE(findWindow(&w.w), find);
        QCOMPARE(find->txtFind->text(), QStringLiteral("ANN"));
        QCOMPARE(w.findChildren<tools::frmFind *>().size(), 1);
    }

    void nothingFoundOrNoList_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("no row holds it")
            << 1 << QStringLiteral("zebra") << QStringLiteral("No row of the list holds \"zebra\". ")
            << int(QMessageBox::Information);
        QTest::newRow("Add Clients has no list")
            << 0 << QStringLiteral("Anna")
            << QStringLiteral(
                   "This tab has no list to search. \r\nBring a tab with a list to the front first. ")
            << int(QMessageBox::Warning);
    }

    void nothingFoundOrNoList() {
        QFETCH(int, tab);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, icon);
        MainWindowFixture f;
        MainWindowParts &w = openWithRecords(f);
        MainWindowFixture::clickRow(w.lvClients, 0);
        const QString before = w.lblID->text();
        w.tabMain->setCurrentIndex(tab);
        w.mnuToolsFind->trigger();
        tools::frmFind *find = findWindow(&w.w);
        find->txtFind->setText(text);
        f.boxes.answer(QMessageBox::Ok);
        QVERIFY(!find->cmdFindNext_Click());
        QCOMPARE(f.boxes.count(), 1);
        EXPECT_BOX(f.boxes.last(), message, QMessageBox::Icon(icon), QMessageBox::Ok, QMessageBox::Ok,
                   QStringLiteral("Brisola"));
        // What was chosen stays chosen.
        QCOMPARE(w.lblID->text(), before);
        QCOMPARE(w.lvClients->Key(w.lvClients->SelectedRow()), before);
    }

    void emptyTextCannotBeSought() {
        MainWindowFixture f;
        MainWindowParts &w = openWithRecords(f);
        w.tabMain->setCurrentIndex(1);
        w.mnuToolsFind->trigger();
        tools::frmFind *find = findWindow(&w.w);
        QVERIFY(!find->cmdFindNext->isEnabled());
        QTest::keyClicks(find->txtFind, QStringLiteral("a"));
        QVERIFY(find->cmdFindNext->isEnabled());
        find->txtFind->clear();
        QVERIFY(!find->cmdFindNext->isEnabled());
        QVERIFY(!find->cmdFindNext_Click());
        QVERIFY(w.lblID->text().isEmpty());
    }

    void addressBookFindsOnCtrlF() {
        AddressBookFixture f;
        f.seedContact(QStringLiteral("A-1"), QStringLiteral("Ann"), QStringLiteral("Berg"),
                      QStringLiteral("Oslo"), QStringLiteral("ON"));
        f.seedContact(QStringLiteral("A-2"), QStringLiteral("Cleo"), QStringLiteral("Smith"),
                      QStringLiteral("Québec"), QStringLiteral("QC"));
        frmAddressBook &w = f.open();
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        tools::frmFind *find = findWindow(&w);
        QVERIFY(find && find->isVisible());
        QTest::keyClicks(find->txtFind, QStringLiteral("QUÉBEC"));
        QTest::keyClick(find->txtFind, Qt::Key_Return);
        QCOMPARE(w.lvNames->Key(w.lvNames->SelectedRow()), QStringLiteral("A-2"));
        // As a click: the contact is in the update panel.
        QCOMPARE(w.lblID->text(), QStringLiteral("A-2"));
        QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Cleo"));
        QCOMPARE(w.txtEdit[1]->text(), QStringLiteral("Smith"));
        QCOMPARE(f.boxes.count(), 0);
    }
};

BRISOLA_TEST_MAIN(TestFind)
#include "tst_find.moc"
