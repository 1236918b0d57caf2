// The four lists of the main window: what they show, choosing a client, header-click sorting.
#include "MainWindowFixture.h"
#include "TestMain.h"

#include "controls/ListViewSort.h"
#include "controls/OptionGroup.h"
#include "main_window/client_columns.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

std::span<QRadioButton *const> editGroup(MainWindowParts &w, const QString &name) {
    if (name == QLatin1String("Schedule"))
        return w.optScheduleEdit;
    if (name == QLatin1String("Service"))
        return w.optServiceEdit;
    if (name == QLatin1String("FeeType"))
        return w.optFeeEdit;
    if (name == QLatin1String("BSchedule"))
        return w.optBillingEdit;
    return w.optPetsEdit;
}

} // namespace

class TestClientLists : public QObject {
    Q_OBJECT
private slots:
    void listsShowEveryField();
    void invoiceAndNoteRows();
    void chooseClientFillsManageTab();
    void unknownCaptionLeavesGroup_data();
    void unknownCaptionLeavesGroup();
    void characterKeyChoosesArrowKeyDoesNot();
    void keyPressCopiesOnlyForCharacters_data();
    void keyPressCopiesOnlyForCharacters();
    void feeShownAsAmount_data();
    void feeShownAsAmount();
    void chooseInEmptyListChangesNothing();
    void headerClickSortsAsText_data();
    void headerClickSortsAsText();
    void directionAlternatesAcrossColumns();
    void onlyTheHeaderClickSorts();
    void refillAfterHeaderClickKeepsLibraryOrder();
    void sortedListPlacesNewRowsInOrder();
    void rowsStayOneLineHigh_data();
    void rowsStayOneLineHigh();
};

void TestClientLists::listsShowEveryField() {
    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral(
        "INSERT INTO tblClients "
        "(ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,BAdd1,BAdd2,"
        "BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,Notes) VALUES "
        "('QD-7','Retail','Zed "
        "Shop','a1','a2','c','st','z','p','ct','b1','b2','bc','bs','bz','Weekly','Home',"
        "'Friday',12.5,'Job','Monthly','Yes','2024-01-02 10:00:00','n')")));
    // A client with Null fields: the cells stay empty.
    QVERIFY(f.folder.exec(QStringLiteral(
        "INSERT INTO tblClients (ClientID,ClientType,Client,Fee) VALUES ('QD-8','Home','Amy',NULL)")));
    QVERIFY(f.seedClient(QStringLiteral("QD-9"), QStringLiteral("Apartment"), QStringLiteral("Moe"),
                         QStringLiteral("Hull"), QStringLiteral("25")));
    MainWindowParts &w = f.open();

    for (ListView *list : {w.lvClients, w.lvBilling}) {
        QCOMPARE(list->columnCount(), 23);
        QCOMPARE(list->topLevelItemCount(), 3);
        // Kept sorted by "Client" (the library gives type, then name).
        QCOMPARE(MainWindowFixture::column(list, 2), (QStringList{"Amy", "Moe", "Zed Shop"}));
        const int zed = 2;
        QCOMPARE(list->Key(zed), QStringLiteral("QD-7"));
        QStringList cells;
        for (int c = 0; c < 23; ++c)
            cells << list->Text(zed, c);
        QCOMPARE(cells, (QStringList{"QD-7",   "Retail", "Zed Shop", "a1",  "a2",      "c",   "st", "z",
                                     "p",      "ct",     "b1",       "b2",  "bc",      "bs",  "bz", "Friday",
                                     "Weekly", "Home",   "12.5",     "Job", "Monthly", "Yes", "n"}));
        const int amy = 0;
        QCOMPARE(list->Text(amy, 18), QString());
        QCOMPARE(list->Text(amy, 3), QString());
        QCOMPARE(list->Text(1, 18), QStringLiteral("25"));
        // Cells line up as their column does.
        auto alignment = [list](int row, int column) {
            return Qt::Alignment(list->model()->index(row, column).data(Qt::TextAlignmentRole).toInt());
        };
        QCOMPARE(alignment(zed, 18) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(alignment(zed, 6) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

void TestClientLists::invoiceAndNoteRows() {
    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES "
                                         "('INV-2', 'Bob', '2024-03-05'), ('INV-1', 'Ann', '2024-12-25')")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                         "('QDN-1', 'Buy soap', '2024-03-05 14:30:15'), "
                                         "('QDN-2', 'Call Ann', '2024-03-06 00:00:00')")));
    MainWindowParts &w = f.open();
    // Rows in the library's order; dates in the short form, a note's time when not midnight.
    QCOMPARE(MainWindowFixture::column(w.lvInvoices, 0), (QStringList{"INV-2", "INV-1"}));
    QCOMPARE(MainWindowFixture::column(w.lvInvoices, 1), (QStringList{"Bob", "Ann"}));
    const QLocale locale;
    QCOMPARE(w.lvInvoices->Text(0, 2), locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    QCOMPARE(MainWindowFixture::column(w.lvNotes, 1), (QStringList{"Buy soap", "Call Ann"}));
    const QString noteDate = w.lvNotes->Text(0, 2);
    QVERIFY2(noteDate.startsWith(locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat)) &&
                 noteDate.contains(QStringLiteral("2:30:15")),
             qPrintable(noteDate));
    QCOMPARE(w.lvNotes->Text(1, 2), locale.toString(QDate(2024, 3, 6), QLocale::ShortFormat));
}

void TestClientLists::chooseClientFillsManageTab() {
    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral(
        "INSERT INTO tblClients "
        "(ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,BAdd1,BAdd2,"
        "BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,Notes) VALUES "
        "('QD-3','Hospital','General','1 Rd','Wing B','Ottawa','ON','K2P','555','Dr Who','PO 1','Box','Hull',"
        "'QC','J8X','Bi-Monthly','Special','Mon-Wed',1234.5,'Contract','Other','Yes','2024-01-02 10:00:00',"
        "'Back door')")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);

    QCOMPARE(w.lblID->text(), QStringLiteral("QD-3"));
    QVERIFY(w.lblID->isHidden());
    QCOMPARE(w.cboBoxEdit->currentText(), QStringLiteral("Hospital"));
    const QStringList expected{"General", "1 Rd", "Wing B", "Ottawa", "ON",  "K2P",     "555",     "Dr Who",
                               "PO 1",    "Box",  "Hull",   "QC",     "J8X", "Mon-Wed", "1,234.50"};
    for (int i = 0; i < 15; ++i)
        QCOMPARE(w.txtEdit[std::size_t(i)]->text(), expected.at(i));
    QVERIFY(w.optScheduleEdit[4]->isChecked());
    QVERIFY(w.optServiceEdit[4]->isChecked());
    QVERIFY(w.optFeeEdit[2]->isChecked());
    QVERIFY(w.optBillingEdit[2]->isChecked());
    QVERIFY(w.optPetsEdit[0]->isChecked());
    QCOMPARE(w.rtBoxEdit->toPlainText(), QStringLiteral("Back door"));
    QCOMPARE(w.tabMain->currentIndex(), 1);
}

void TestClientLists::unknownCaptionLeavesGroup_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("unknown");
    QTest::addColumn<int>("keptIndex");

    // The first client's choice stays on when the second one's text matches no caption.
    QTest::newRow("schedule, lower case") << "Schedule"
                                          << "daily" << 1;
    QTest::newRow("service, extra blank") << "Service"
                                          << "Home " << 0;
    QTest::newRow("fee type, empty") << "FeeType"
                                     << "" << 1;
    QTest::newRow("billing, other word") << "BSchedule"
                                         << "Yearly" << 1;
    QTest::newRow("pets, upper case") << "Pets"
                                      << "NO" << 1;
}

void TestClientLists::unknownCaptionLeavesGroup() {
    QFETCH(QString, column);
    QFETCH(QString, unknown);
    QFETCH(int, keptIndex);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    // The second client differs from the first in every group; the one under test gets a
    // text no button carries.
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Hull"), QStringLiteral("30"), QStringLiteral("Monthly"),
                         QStringLiteral("Windows"), QStringLiteral("Hourly"), QStringLiteral("Weekly"),
                         QStringLiteral("Yes")));
    QVERIFY(f.folder.exec(
        QStringLiteral("UPDATE tblClients SET %1 = '%2' WHERE ClientID = 'QD-2'").arg(column, unknown)));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0); // Ann
    MainWindowFixture::clickRow(w.lvClients, 1); // Bob
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));

    const std::span<QRadioButton *const> group = editGroup(w, column);
    for (int i = 0; i < int(group.size()); ++i)
        QCOMPARE(group[std::size_t(i)]->isChecked(), i == keptIndex);
    // The other groups follow the second client.
    if (column != QLatin1String("Schedule"))
        QVERIFY(w.optScheduleEdit[3]->isChecked());
    if (column != QLatin1String("Pets"))
        QVERIFY(w.optPetsEdit[0]->isChecked());
}

void TestClientLists::characterKeyChoosesArrowKeyDoesNot() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Hull")));
    QVERIFY(f.seedClient(QStringLiteral("QD-3"), QStringLiteral("Home"), QStringLiteral("Cy"),
                         QStringLiteral("Kanata")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));

    // Keys without a character move the selection only.
    QTest::keyClick(w.lvClients, Qt::Key_Down);
    QCOMPARE(w.lvClients->Key(w.lvClients->SelectedRow()), QStringLiteral("QD-2"));
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));
    QCOMPARE(w.txtEdit[3]->text(), QStringLiteral("Ottawa"));

    // A character key copies the selected row.
    QTest::keyClick(w.lvClients, Qt::Key_X);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));
    QCOMPARE(w.txtEdit[3]->text(), QStringLiteral("Hull"));

    QTest::keyClick(w.lvClients, Qt::Key_End);
    QCOMPARE(w.lvClients->Key(w.lvClients->SelectedRow()), QStringLiteral("QD-3"));
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));
    QTest::keyClick(w.lvClients, Qt::Key_Space);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-3"));
    QCOMPARE(w.txtEdit[3]->text(), QStringLiteral("Kanata"));
}

void TestClientLists::keyPressCopiesOnlyForCharacters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text"); // what the keyboard sends along with the key
    QTest::addColumn<bool>("copies");

    QTest::newRow("letter") << int(Qt::Key_B) << 0 << "b" << true;
    QTest::newRow("capital letter") << int(Qt::Key_B) << int(Qt::ShiftModifier) << "B" << true;
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << true;
    QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << true;
    QTest::newRow("arrow down") << int(Qt::Key_Down) << 0 << "" << false;
    QTest::newRow("arrow up") << int(Qt::Key_Up) << 0 << "" << false;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << "" << false;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << "" << false;
    QTest::newRow("F2") << int(Qt::Key_F2) << 0 << "" << false;
    // X11 sends the DEL character along with the Delete key; it is no character typed.
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << false;
}

void TestClientLists::keyPressCopiesOnlyForCharacters() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(bool, copies);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Hull")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));
    // The selection moves on without being copied; the key decides whether it is copied now.
    w.lvClients->ChooseRow(1);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));

    w.lvClients->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(w.lvClients, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(w.lvClients, &release);

    const int selected = w.lvClients->SelectedRow();
    QVERIFY(selected >= 0);
    if (copies) {
        QCOMPARE(w.lblID->text(), w.lvClients->Key(selected));
        QCOMPARE(w.txtEdit[0]->text(), w.lvClients->Text(selected, 2));
    } else {
        QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));
        QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Ann"));
    }
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(f.boxes.count(), 0);
}

void TestClientLists::feeShownAsAmount_data() {
    QTest::addColumn<QString>("stored"); // SQL value of Fee
    QTest::addColumn<QString>("cell");   // the list's cell
    QTest::addColumn<QString>("shown");  // txtEdit(14) after choosing

    QTest::newRow("whole") << "25"
                           << "25"
                           << "25.00";
    QTest::newRow("one decimal") << "12.5"
                                 << "12.5"
                                 << "12.50";
    QTest::newRow("grouping") << "1234.5"
                              << "1234.5"
                              << "1,234.50";
    QTest::newRow("below one") << "0.5"
                               << "0.5"
                               << "0.50";
    QTest::newRow("zero") << "0"
                          << "0"
                          << "0.00";
    QTest::newRow("negative") << "-3"
                              << "-3"
                              << "-3.00";
    // Large amounts show every digit, so that nothing is rounded away.
    QTest::newRow("ten million") << "10000000"
                                 << "10000000"
                                 << "10,000,000.00";
    QTest::newRow("eight digits") << "12345678"
                                  << "12345678"
                                  << "12,345,678.00";
    QTest::newRow("cents of a large amount") << "99999.99"
                                             << "99999.99"
                                             << "99,999.99";
    QTest::newRow("no value") << "NULL"
                              << ""
                              << "";
    QTest::newRow("not a number") << "'call'"
                                  << "call"
                                  << "call";
}

void TestClientLists::feeShownAsAmount() {
    QFETCH(QString, stored);
    QFETCH(QString, cell);
    QFETCH(QString, shown);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.folder.exec(QStringLiteral("UPDATE tblClients SET Fee = %1").arg(stored)));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    QCOMPARE(w.lvClients->Text(0, 18), cell);
    w.txtEdit[14]->setText(QStringLiteral("99"));
    MainWindowFixture::clickRow(w.lvClients, 0);
    QCOMPARE(w.txtEdit[14]->text(), shown);
}

void TestClientLists::chooseInEmptyListChangesNothing() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    w.txtEdit[0]->setText(QStringLiteral("typed"));
    QTest::mouseClick(w.lvClients->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    w.lvClients->setFocus();
    QTest::keyClick(w.lvClients, Qt::Key_A);
    w.lvClients_Click();
    QCOMPARE(w.lblID->text(), QString());
    QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("typed"));
    QCOMPARE(f.boxes.count(), 0);
}

void TestClientLists::headerClickSortsAsText_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("descending"); // after the first click
    QTest::addColumn<QStringList>("ascending");  // after the second

    QTest::newRow("lvClients by Fee")
        << "lvClients" << 18 << QStringList{"9", "25", "100"} << QStringList{"100", "25", "9"};
    QTest::newRow("lvBilling by Fee")
        << "lvBilling" << 18 << QStringList{"9", "25", "100"} << QStringList{"100", "25", "9"};
    QTest::newRow("lvInvoices by Invoice ID")
        << "lvInvoices" << 0 << QStringList{"INV-9", "INV-25", "INV-100"}
        << QStringList{"INV-100", "INV-25", "INV-9"};
    QTest::newRow("lvNotes by Note ID") << "lvNotes" << 0 << QStringList{"QDN-9", "QDN-25", "QDN-100"}
                                        << QStringList{"QDN-100", "QDN-25", "QDN-9"};
}

void TestClientLists::headerClickSortsAsText() {
    QFETCH(QString, list);
    QFETCH(int, column);
    QFETCH(QStringList, descending);
    QFETCH(QStringList, ascending);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa"), QStringLiteral("25")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Hull"), QStringLiteral("100")));
    QVERIFY(f.seedClient(QStringLiteral("QD-3"), QStringLiteral("Home"), QStringLiteral("Cy"),
                         QStringLiteral("Kanata"), QStringLiteral("9")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES "
                                         "('INV-25','A','2024-01-01'),('INV-100','B','2024-01-02'),"
                                         "('INV-9','C','2024-01-03')")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                         "('QDN-25','a','2024-01-01'),('QDN-100','b','2024-01-02'),"
                                         "('QDN-9','c','2024-01-03')")));
    MainWindowParts &w = f.open();
    auto *view = w.findChild<ListView *>(list);
    QVERIFY(view);
    w.tabMain->setCurrentWidget(w.tabMain->widget(list == QLatin1String("lvClients")    ? 1
                                                  : list == QLatin1String("lvBilling")  ? 2
                                                  : list == QLatin1String("lvInvoices") ? 3
                                                                                        : 4));
    QApplication::processEvents();
    QCOMPARE(view->topLevelItemCount(), 3);

    // The list's direction starts ascending, so the first click sorts descending.
    MainWindowFixture::clickHeader(view, column);
    QCOMPARE(MainWindowFixture::column(view, column), descending);
    QCOMPARE(ListViewSort::Direction(view), Qt::DescendingOrder);
    QVERIFY(!view->isSortingEnabled());
    MainWindowFixture::clickHeader(view, column);
    QCOMPARE(MainWindowFixture::column(view, column), ascending);
    QCOMPARE(ListViewSort::Direction(view), Qt::AscendingOrder);
}

void TestClientLists::directionAlternatesAcrossColumns() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Toronto")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Albany")));
    QVERIFY(f.seedClient(QStringLiteral("QD-3"), QStringLiteral("Home"), QStringLiteral("Cy"),
                         QStringLiteral("Montreal")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    QApplication::processEvents();
    MainWindowFixture::clickHeader(w.lvClients, 2); // Client: descending
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Cy", "Bob", "Ann"}));
    MainWindowFixture::clickHeader(w.lvClients, 5); // City: the list's direction goes on: ascending
    QCOMPARE(MainWindowFixture::column(w.lvClients, 5), (QStringList{"Albany", "Montreal", "Toronto"}));
    MainWindowFixture::clickHeader(w.lvClients, 0); // Client ID: descending
    QCOMPARE(MainWindowFixture::column(w.lvClients, 0), (QStringList{"QD-3", "QD-2", "QD-1"}));
    // The billing list keeps its own direction.
    w.tabMain->setCurrentIndex(2);
    QApplication::processEvents();
    MainWindowFixture::clickHeader(w.lvBilling, 5);
    QCOMPARE(MainWindowFixture::column(w.lvBilling, 5), (QStringList{"Toronto", "Montreal", "Albany"}));
}

void TestClientLists::onlyTheHeaderClickSorts() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Albany")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob"),
                         QStringLiteral("Toronto")));
    MainWindowParts &w = f.open();
    // The header's own sort indicator moving must not re-sort a list that keeps itself
    // sorted: the list's direction and the click handler alone decide.
    w.lvClients->header()->setSortIndicator(5, Qt::DescendingOrder);
    QApplication::processEvents();
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Ann", "Bob"}));
    QCOMPARE(ListViewSort::Direction(w.lvClients), Qt::AscendingOrder);
    // One click, one sort, in the list's next direction.
    w.tabMain->setCurrentIndex(1);
    QApplication::processEvents();
    MainWindowFixture::clickHeader(w.lvClients, 2);
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Bob", "Ann"}));
}

void TestClientLists::refillAfterHeaderClickKeepsLibraryOrder() {
    MainWindowFixture f;
    // Library order is type, then name: Church/Zoe, Home/Ann, Retail/Bob.
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Retail"), QStringLiteral("Bob"),
                         QStringLiteral("Hull")));
    QVERIFY(f.seedClient(QStringLiteral("QD-3"), QStringLiteral("Church"), QStringLiteral("Zoe"),
                         QStringLiteral("Kanata")));
    MainWindowParts &w = f.open();
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Ann", "Bob", "Zoe"}));

    w.tabMain->setCurrentIndex(1);
    QApplication::processEvents();
    MainWindowFixture::clickHeader(w.lvClients, 5);
    QCOMPARE(MainWindowFixture::column(w.lvClients, 5), (QStringList{"Ottawa", "Kanata", "Hull"}));

    // An update refills both lists: the clicked list in library order, the other still
    // sorted by name.
    MainWindowFixture::clickRow(w.lvClients, 0);
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);
    EXPECT_BOX(
        f.boxes.last(),
        QStringLiteral("New Client Record Updated! \r\n\r\nDo you want to update another Client record? "),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        QStringLiteral("Record Saved Successfully"));
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Zoe", "Ann", "Bob"}));
    QCOMPARE(MainWindowFixture::column(w.lvBilling, 2), (QStringList{"Ann", "Bob", "Zoe"}));
}

void TestClientLists::sortedListPlacesNewRowsInOrder() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Church"), QStringLiteral("Mia"),
                         QStringLiteral("Ottawa")));
    MainWindowParts &w = f.open();
    // Saving a client on the Add tab refills both lists; they still keep themselves sorted.
    w.cboBoxAdd[0]->setCurrentIndex(w.cboBoxAdd[0]->findText(QStringLiteral("Retail")));
    const char *values[] = {"Abe", "1 Rd", "", "Hull", "QC", "J8X", "555", "Abe"};
    for (int i = 0; i < 8; ++i)
        w.txtAdd[std::size_t(i)]->setText(QString::fromLatin1(values[i]));
    w.optSchedule[0]->setChecked(true);
    w.optService[0]->setChecked(true);
    w.optFee[0]->setChecked(true);
    w.optBilling[0]->setChecked(true);
    w.optPets[0]->setChecked(true);
    f.boxes.answer(QMessageBox::No);
    w.cmdSaveAdd_Click();
    QCOMPARE(MainWindowFixture::column(w.lvClients, 2), (QStringList{"Abe", "Mia"}));
    QCOMPARE(MainWindowFixture::column(w.lvBilling, 2), (QStringList{"Abe", "Mia"}));
}

// Notes may hold line breaks; a list row still shows one line, so the list keeps its
// number of visible rows however the list was sorted or refilled.
void TestClientLists::rowsStayOneLineHigh_data() {
    QTest::addColumn<QString>("notes");
    QTest::newRow("carriage return and line feed") << QStringLiteral("Key under mat\r\nAlarm 1234");
    QTest::newRow("line feed") << QStringLiteral("Key under mat\nAlarm 1234\n\nDog");
    QTest::newRow("paragraph separator") << QStringLiteral("Key under mat\u2029Alarm 1234");
}

void TestClientLists::rowsStayOneLineHigh() {
    QFETCH(QString, notes);
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Retail"), QStringLiteral("Bob"),
                         QStringLiteral("Hull")));
    QVERIFY(f.folder.exec(QStringLiteral("UPDATE tblClients SET Notes = '%1' WHERE ClientID = 'QD-2'")
                              .arg(QString(notes).replace(QLatin1Char('\''), QStringLiteral("''")))));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    QApplication::processEvents();
    const int oneLine = w.lvClients->RowRect(0).height();
    QVERIFY(oneLine > 0);
    // The row shows the notes on one line; the value read back from it is the stored one.
    const int withBreaks = w.lvClients->RowOf(QStringLiteral("QD-2"));
    QVERIFY(withBreaks >= 0);
    QCOMPARE(w.lvClients->Value(withBreaks, client::ColNotes), QVariant(notes));

    // A header click, then a refill (after an update) rebuilds the rows.
    MainWindowFixture::clickHeader(w.lvClients, 2);
    MainWindowFixture::clickRow(w.lvClients, 0);
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Saved Successfully"));
    QApplication::processEvents();
    for (ListView *list : {w.lvClients, w.lvBilling}) {
        QCOMPARE(list->topLevelItemCount(), 2);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QCOMPARE(list->RowRect(row).height(), oneLine);
            for (int column = 0; column < list->columnCount(); ++column) {
                const QString text = list->Text(row, column);
                QVERIFY2(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
                             !text.contains(QChar(0x2029)),
                         qPrintable(text));
            }
        }
    }
}

BRISOLA_TEST_MAIN(TestClientLists)
#include "tst_client_lists.moc"
