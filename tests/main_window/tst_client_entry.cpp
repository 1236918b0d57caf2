// Adding, updating and deleting clients through the main window, read back from the
// database file.
#include "MainWindowFixture.h"
#include "TestMain.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString CrLf2 = QStringLiteral("\r\n\r\n");
// The questions after a client was saved from either tab.
const QString SavedText = QStringLiteral("New Client Record Saved! ") + CrLf2 +
                          QStringLiteral("Do you want to add another Client record? ");
const QString UpdatedText = QStringLiteral("New Client Record Updated! ") + CrLf2 +
                            QStringLiteral("Do you want to update another Client record? ");

void choose(QComboBox *box, const QString &text) {
    box->setCurrentIndex(box->findText(text));
}

// A click on the button's round indicator, as a user picks an option.
void clickOption(QRadioButton *button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Types into a box the way a user does: click into it, type.
void type(QLineEdit *box, const QString &text) {
    box->clear();
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

// Fills the Add Clients tab so that the first `upTo` checks pass and every later one
// fails; upTo 14 gives a client that may be saved. The fee box holds letters until the
// fee check is meant to pass.
void fillAddTab(MainWindowParts &w, int upTo) {
    if (upTo >= 1)
        choose(w.cboBoxAdd[0], QStringLiteral("Home"));
    const std::pair<int, const char *> required[] = {{0, "Ann Lee"}, {1, "12 Elm St"}, {3, "Ottawa"},
                                                     {4, "ON"},      {5, "K1A 0B1"},   {6, "555-0199"},
                                                     {7, "Ann"}};
    for (int i = 0; i < 7; ++i)
        type(w.txtAdd[std::size_t(required[i].first)],
             upTo >= i + 2 ? QString::fromLatin1(required[i].second) : QStringLiteral("   "));
    if (upTo >= 9)
        clickOption(w.optSchedule[1]);
    if (upTo >= 10)
        clickOption(w.optService[0]);
    if (upTo >= 11)
        clickOption(w.optFee[1]);
    if (upTo >= 12)
        clickOption(w.optBilling[1]);
    type(w.txtAdd[14], upTo >= 13 ? QStringLiteral("12.50") : QStringLiteral("12a"));
    if (upTo >= 14)
        clickOption(w.optPets[0]);
}

QString focusName(const MainWindowParts &w) {
    return w.focusWidget() ? w.focusWidget()->objectName() : QString();
}

int clientCount(TestAppFolder &folder) {
    return folder.value(QStringLiteral("SELECT COUNT(*) FROM tblClients")).toInt();
}

QVariantMap clientRow(TestAppFolder &folder, const QString &clientID) {
    const auto rows =
        folder.rows(QStringLiteral("SELECT * FROM tblClients WHERE ClientID = '%1'").arg(clientID));
    return rows.isEmpty() ? QVariantMap() : rows.first();
}

} // namespace

class TestClientEntry : public QObject {
    Q_OBJECT
private slots:
    void addChecks_data();
    void addChecks();
    void editChecks_data();
    void editChecks();
    void addClient_data();
    void addClient();
    void addAnswerYesKeepsEntering();
    void identifierFollowsLargestCounter();
    void everyTypedTextStoredExactly();
    void failedAddLeavesNothing();
    void optionScanTakesLowestIndex();
    void unreadableIdentifierRefusesSave();
    void updateClient_data();
    void updateClient();
    void updateStoresUnmatchedGroupsEmpty();
    void storedValueSurvivesUpdate_data();
    void storedValueSurvivesUpdate();
    void failedUpdate();
    void deleteClient_data();
    void deleteClient();
    void updateOrDeleteWithoutChoice_data();
    void updateOrDeleteWithoutChoice();
    void clearEditForgetsClient();
};

void TestClientEntry::addChecks_data() {
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // empty: the focus stays on the Save button

    QTest::newRow("1 client type") << 1 << "Select a Client Type "
                                   << "cboBoxAdd(0)";
    QTest::newRow("2 client name") << 2 << "Enter a Client name "
                                   << "txtAdd(0)";
    QTest::newRow("3 address") << 3 << "Enter Client's address "
                               << "txtAdd(1)";
    QTest::newRow("4 city") << 4 << "Enter Client's city "
                            << "txtAdd(3)";
    QTest::newRow("5 state") << 5 << "Enter Client's state or province "
                             << "txtAdd(4)";
    QTest::newRow("6 postal code") << 6 << "Enter Client's postal (Zip) code "
                                   << "txtAdd(5)";
    QTest::newRow("7 telephone") << 7 << "Enter Client's telephone number "
                                 << "txtAdd(6)";
    QTest::newRow("8 contact") << 8 << "Enter Contact name "
                               << "txtAdd(7)";
    QTest::newRow("9 schedule") << 9 << "Select a Service Schedule! "
                                << "";
    QTest::newRow("10 service") << 10 << "Select a Service Type! "
                                << "";
    QTest::newRow("11 fee type") << 11 << "Select a Fee Type! "
                                 << "";
    QTest::newRow("12 billing schedule") << 12 << "Select a Billing Schedule! "
                                         << "";
    QTest::newRow("13 fee amount") << 13 << "Fee Amount contains invalid characters! "
                                   << "txtAdd(14)";
    QTest::newRow("14 pets") << 14 << "Select Pets (Yes or No)! "
                             << "";
}

void TestClientEntry::addChecks() {
    QFETCH(int, check);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    MainWindowFixture f;
    MainWindowParts &w = f.open();
    // Everything before the check passes, the check and everything after it fail: the first
    // failure in the fixed order is the one shown.
    fillAddTab(w, check - 1);
    // A refusal puts the normal pointer back before its message, whatever was showing.
    modGlobal::SetBusyPointer();
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!MainWindowFixture::pointerBusy());
    EXPECT_BOX(f.boxes.last(), message, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Brisola"));
    QCOMPARE(focusName(w), focus.isEmpty() ? QStringLiteral("cmdSaveAdd") : focus);
    QCOMPARE(clientCount(f.folder), 0);
    // A refused save keeps what was typed.
    if (check > 2)
        QCOMPARE(w.txtAdd[0]->text(), QStringLiteral("Ann Lee"));
}

void TestClientEntry::editChecks_data() {
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("1 client type") << 1 << "Select a Client Type "
                                   << "cboBoxEdit";
    QTest::newRow("2 client name") << 2 << "Enter a Client name "
                                   << "txtEdit(0)";
    QTest::newRow("3 address") << 3 << "Enter Client's address "
                               << "txtEdit(1)";
    QTest::newRow("4 city") << 4 << "Enter Client's city "
                            << "txtEdit(3)";
    QTest::newRow("5 state") << 5 << "Enter Client's state or province "
                             << "txtEdit(4)";
    QTest::newRow("6 postal code") << 6 << "Enter Client's postal (Zip) code "
                                   << "txtEdit(5)";
    QTest::newRow("7 telephone") << 7 << "Enter Client's telephone number "
                                 << "txtEdit(6)";
    QTest::newRow("8 contact") << 8 << "Enter Contact name "
                               << "txtEdit(7)";
    QTest::newRow("13 fee amount") << 13 << "Fee Amount contains invalid characters! "
                                   << "txtEdit(14)";
}

void TestClientEntry::editChecks() {
    QFETCH(int, check);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));

    // Break the check and every later one.
    const int boxes[] = {0, 1, 3, 4, 5, 6, 7};
    if (check <= 1)
        w.cboBoxEdit->setCurrentIndex(-1);
    for (int i = 0; i < 7; ++i) {
        if (check <= i + 2)
            type(w.txtEdit[std::size_t(boxes[i])], QStringLiteral("  "));
    }
    type(w.txtEdit[14], QStringLiteral("1.2.3"));
    modGlobal::SetBusyPointer();
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!MainWindowFixture::pointerBusy());
    EXPECT_BOX(f.boxes.last(), message, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Brisola"));
    QCOMPARE(focusName(w), focus);
    // Nothing changed in the database, and the client is still chosen.
    QCOMPARE(clientRow(f.folder, QStringLiteral("QD-1")).value(QStringLiteral("Client")).toString(),
             QStringLiteral("Ann Lee"));
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));
}

void TestClientEntry::addClient_data() {
    QTest::addColumn<QStringList>("billingTyped");  // txtAdd(8) to (12)
    QTest::addColumn<QStringList>("billingStored"); // BAdd1, BAdd2, BCity, BState, BZip

    QTest::newRow("billing all blank: service address")
        << QStringList{"", "", "", "", ""} << QStringList{"12 Elm St", "Unit 4", "Ottawa", "ON", "K1A 0B1"};
    QTest::newRow("only billing city typed")
        << QStringList{"", "", "Hull", "", ""} << QStringList{"12 Elm St", "Unit 4", "Hull", "ON", "K1A 0B1"};
    QTest::newRow("billing street of its own, blanks count as empty")
        << QStringList{"PO Box 9", "   ", "", "QC", ""}
        << QStringList{"PO Box 9", "Unit 4", "Ottawa", "QC", "K1A 0B1"};
}

void TestClientEntry::addClient() {
    QFETCH(QStringList, billingTyped);
    QFETCH(QStringList, billingStored);

    MainWindowFixture f;
    MainWindowParts &w = f.open();
    QCOMPARE(w.tabMain->currentIndex(), 0);

    choose(w.cboBoxAdd[0], QStringLiteral("Restaurant"));
    type(w.txtAdd[0], QStringLiteral("  Siobhan O'Brien "));
    type(w.txtAdd[1], QStringLiteral("12 Elm St"));
    type(w.txtAdd[2], QStringLiteral("Unit 4"));
    type(w.txtAdd[3], QStringLiteral("Ottawa"));
    type(w.txtAdd[4], QStringLiteral("ON"));
    type(w.txtAdd[5], QStringLiteral("K1A 0B1"));
    type(w.txtAdd[6], QStringLiteral("613-555-0199"));
    type(w.txtAdd[7], QStringLiteral("Mrs O'Brien"));
    for (int i = 0; i < 5; ++i)
        type(w.txtAdd[std::size_t(8 + i)], billingTyped.at(i));
    type(w.txtAdd[13], QStringLiteral("Tuesday"));
    type(w.txtAdd[14], QStringLiteral("1,212.50"));
    clickOption(w.optSchedule[2]);
    clickOption(w.optService[1]);
    clickOption(w.optFee[0]);
    clickOption(w.optBilling[2]);
    clickOption(w.optPets[1]);
    w.rtBoxAdd->setFocus();
    QTest::keyClicks(w.rtBoxAdd, QStringLiteral("Side door; don't ring"));

    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    EXPECT_BOX(f.boxes.last(), SavedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(w.tabMain->currentIndex(), 0);

    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    QVERIFY2(!row.isEmpty(), "the new client is stored as QD-1");
    QCOMPARE(row.value("ClientType").toString(), QStringLiteral("Restaurant"));
    QCOMPARE(row.value("Client").toString(), QStringLiteral("Siobhan O'Brien"));
    QCOMPARE(row.value("Add1").toString(), QStringLiteral("12 Elm St"));
    QCOMPARE(row.value("Add2").toString(), QStringLiteral("Unit 4"));
    QCOMPARE(row.value("City").toString(), QStringLiteral("Ottawa"));
    QCOMPARE(row.value("State").toString(), QStringLiteral("ON"));
    QCOMPARE(row.value("Zip").toString(), QStringLiteral("K1A 0B1"));
    QCOMPARE(row.value("Phone").toString(), QStringLiteral("613-555-0199"));
    QCOMPARE(row.value("Contact").toString(), QStringLiteral("Mrs O'Brien"));
    const QStringList billingColumns{"BAdd1", "BAdd2", "BCity", "BState", "BZip"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(row.value(billingColumns.at(i)).toString(), billingStored.at(i));
    QCOMPARE(row.value("Schedule").toString(), QStringLiteral("Bi-Weekly"));
    QCOMPARE(row.value("Service").toString(), QStringLiteral("Office"));
    QCOMPARE(row.value("DayOfWeek").toString(), QStringLiteral("Tuesday"));
    QCOMPARE(row.value("Fee").toDouble(), 1212.5);
    QCOMPARE(row.value("FeeType").toString(), QStringLiteral("Hourly"));
    QCOMPARE(row.value("BSchedule").toString(), QStringLiteral("Other"));
    QCOMPARE(row.value("Pets").toString(), QStringLiteral("No"));
    QCOMPARE(row.value("Notes").toString(), QStringLiteral("Side door; don't ring"));
    QVERIFY(!row.value("AddDate").toString().isEmpty());

    // The tab is empty again, with no option on, and both lists show the new client.
    QCOMPARE(w.cboBoxAdd[0]->currentText(), QString());
    for (QLineEdit *b : w.txtAdd)
        QCOMPARE(b->text(), QString());
    QVERIFY(w.rtBoxAdd->toPlainText().isEmpty());
    for (auto group :
         {std::span<QRadioButton *const>(w.optSchedule), std::span<QRadioButton *const>(w.optService),
          std::span<QRadioButton *const>(w.optFee), std::span<QRadioButton *const>(w.optBilling),
          std::span<QRadioButton *const>(w.optPets)}) {
        for (QRadioButton *b : group)
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    }
    QCOMPARE(MainWindowFixture::column(w.lvClients, 0), QStringList{"QD-1"});
    QCOMPARE(MainWindowFixture::column(w.lvBilling, 2), QStringList{"Siobhan O'Brien"});
}

void TestClientEntry::addAnswerYesKeepsEntering() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    fillAddTab(w, 14);
    type(w.txtAdd[14], QString()); // an empty fee is allowed and stored as 0
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().answer, QMessageBox::Yes);
    QCOMPARE(w.tabMain->currentIndex(), 0);
    QCOMPARE(focusName(w), QStringLiteral("cboBoxAdd(0)"));
    QCOMPARE(f.folder.value(QStringLiteral("SELECT Fee FROM tblClients WHERE ClientID = 'QD-1'")).toDouble(),
             0.0);

    // The next one gets the next number.
    fillAddTab(w, 14);
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);
    QCOMPARE(f.folder.value(QStringLiteral("SELECT Fee FROM tblClients WHERE ClientID = 'QD-2'")).toDouble(),
             12.5);
}

void TestClientEntry::identifierFollowsLargestCounter() {
    MainWindowFixture f;
    // The identifiers' text plays no part: only the largest ID counter does.
    QVERIFY(f.seedClient(QStringLiteral("QD-900"), QStringLiteral("Home"), QStringLiteral("Old"),
                         QStringLiteral("Ottawa"), QStringLiteral("25"), QStringLiteral("Weekly"),
                         QStringLiteral("Home"), QStringLiteral("Job"), QStringLiteral("Monthly"),
                         QStringLiteral("No"), 41));
    MainWindowParts &w = f.open();
    QCOMPARE(w.NewClientID(), QStringLiteral("QD-42"));
    fillAddTab(w, 14);
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);
    QCOMPARE(f.folder.value(QStringLiteral("SELECT ClientID FROM tblClients WHERE ID = 42")).toString(),
             QStringLiteral("QD-42"));
    // The other builders share the scheme.
    QCOMPARE(w.NewInvoiceID(), QStringLiteral("INV-1"));
    QCOMPARE(w.NewNoteID(), QStringLiteral("QDN-1"));
    QVERIFY(
        f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, ID) VALUES ('x', 'y', 7)")));
    QCOMPARE(w.NewNoteID(), QStringLiteral("QDN-8"));
}

void TestClientEntry::everyTypedTextStoredExactly() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    fillAddTab(w, 14);
    const QString hostile[] = {
        QStringLiteral("O'Brien'); DROP TABLE tblClients; --"),
        QStringLiteral("1 'Quoted' Rd"),
        QStringLiteral("\"Double\" & 'single'"),
        QStringLiteral("St-Jean-sur-l'Eau"),
        QStringLiteral("Q'C"),
        QStringLiteral("K1'0"),
        QStringLiteral("555' OR '1'='1"),
        QStringLiteral("D'Arcy"),
        QStringLiteral("Bill's Rd"),
        QStringLiteral("%_\\"),
        QStringLiteral("L'Île"),
        QStringLiteral("';"),
        QStringLiteral("''"),
        QStringLiteral("Mon'Wed"),
    };
    for (int i = 0; i < 14; ++i) {
        w.txtAdd[std::size_t(i)]->clear();
        w.txtAdd[std::size_t(i)]->setFocus();
        QTest::keyClicks(w.txtAdd[std::size_t(i)], hostile[i]);
    }
    w.rtBoxAdd->setPlainText(QStringLiteral("It's fine'); --"));
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);
    EXPECT_BOX(f.boxes.last(), SavedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));

    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    const QStringList columns{"Client",  "Add1",  "Add2",  "City",  "State",  "Zip",  "Phone",
                              "Contact", "BAdd1", "BAdd2", "BCity", "BState", "BZip", "DayOfWeek"};
    for (int i = 0; i < 14; ++i) {
        // The boxes cut what is typed at their limit, like the user sees it.
        const QString expected = hostile[i].left(w.txtAdd[std::size_t(i)]->maxLength());
        QCOMPARE(row.value(columns.at(i)).toString(), expected);
    }
    QCOMPARE(row.value("Notes").toString(), QStringLiteral("It's fine'); --"));
    QCOMPARE(clientCount(f.folder), 1);
}

void TestClientEntry::failedAddLeavesNothing() {
    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblClients BEGIN SELECT "
                                         "RAISE(ABORT, 'disk says no'); END;")));
    MainWindowParts &w = f.open();
    fillAddTab(w, 14);
    f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);

    // The library's own failure message first, then the window's.
    QCOMPARE(f.boxes.count(), 2);
    QVERIFY(f.boxes.shown().at(0).text.contains(QStringLiteral("AddClient")));
    QVERIFY(!f.busyAtBox(0));
    EXPECT_BOX(f.boxes.last(), QStringLiteral("Client Record was NOT Saved! "), QMessageBox::Critical,
               QMessageBox::Ok, QMessageBox::Ok, QStringLiteral(" ERROR"));
    QVERIFY(!f.busyAtBox(1));
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(clientCount(f.folder), 0);
    // Nothing typed is lost: the tab keeps its values for another try.
    QCOMPARE(w.txtAdd[0]->text(), QStringLiteral("Ann Lee"));
    QVERIFY(w.optPets[0]->isChecked());
    QCOMPARE(w.tabMain->currentIndex(), 0);
    QVERIFY(!f.folder.errorLog().isEmpty());
}

void TestClientEntry::optionScanTakesLowestIndex() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    fillAddTab(w, 14); // Weekly, Home, Job, Monthly, Yes
    // Should two buttons of a group ever be on, the one with the lower index is stored.
    auto alsoOn = [](QRadioButton *button) {
        QButtonGroup *group = button->group();
        group->setExclusive(false);
        button->setChecked(true);
        group->setExclusive(true);
    };
    alsoOn(w.optSchedule[4]);
    alsoOn(w.optService[5]);
    alsoOn(w.optFee[2]);
    alsoOn(w.optBilling[2]);
    alsoOn(w.optPets[1]);
    QVERIFY(w.optSchedule[1]->isChecked() && w.optSchedule[4]->isChecked());
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);

    EXPECT_BOX(f.boxes.last(), SavedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));
    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    QCOMPARE(row.value("Schedule").toString(), QStringLiteral("Weekly"));
    QCOMPARE(row.value("Service").toString(), QStringLiteral("Home"));
    QCOMPARE(row.value("FeeType").toString(), QStringLiteral("Job"));
    QCOMPARE(row.value("BSchedule").toString(), QStringLiteral("Monthly"));
    QCOMPARE(row.value("Pets").toString(), QStringLiteral("Yes"));
}

void TestClientEntry::unreadableIdentifierRefusesSave() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    // The number query fails: there is no client table to ask.
    QVERIFY(f.folder.exec(QStringLiteral("ALTER TABLE tblClients RENAME TO tblMoved")));
    fillAddTab(w, 14);
    f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(w.cmdSaveAdd, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 2);
    QVERIFY(f.boxes.shown().at(0).text.contains(QStringLiteral("GetNewClientID")));
    QVERIFY(!f.busyAtBox(0));
    EXPECT_BOX(f.boxes.last(), QStringLiteral("Client Record was NOT Saved! "), QMessageBox::Critical,
               QMessageBox::Ok, QMessageBox::Ok, QStringLiteral(" ERROR"));
    QVERIFY(!f.busyAtBox(1));
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(f.folder.value(QStringLiteral("SELECT COUNT(*) FROM tblMoved")).toInt(), 0);
    // What was typed is still there for another try.
    QCOMPARE(w.txtAdd[0]->text(), QStringLiteral("Ann Lee"));
    QVERIFY(w.optPets[0]->isChecked());
}

void TestClientEntry::updateClient_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("tabAfter");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("Yes: back to the list") << int(QMessageBox::Yes) << 1 << "lvClients";
    QTest::newRow("No: Add Clients in front") << int(QMessageBox::No) << 0 << "";
}

void TestClientEntry::updateClient() {
    QFETCH(int, answer);
    QFETCH(int, tabAfter);
    QFETCH(QString, focusAfter);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa"), QStringLiteral("1234.5")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Church"), QStringLiteral("St Mary"),
                         QStringLiteral("Hull")));
    const QString addDate = clientRow(f.folder, QStringLiteral("QD-1")).value("AddDate").toString();
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, MainWindowFixture::rowOf(w.lvClients, QStringLiteral("QD-1")));
    QCOMPARE(w.txtEdit[14]->text(), QStringLiteral("1,234.50"));

    type(w.txtEdit[3], QStringLiteral("Kanata"));
    type(w.txtEdit[10], QString()); // billing city falls back to the service city
    type(w.txtEdit[0], QStringLiteral("Ann O'Leary "));
    choose(w.cboBoxEdit, QStringLiteral("Apartment"));
    clickOption(w.optServiceEdit[3]);
    f.boxes.answer(QMessageBox::StandardButton(answer));
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    EXPECT_BOX(f.boxes.last(), UpdatedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!MainWindowFixture::pointerBusy());

    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    QCOMPARE(row.value("Fee").toDouble(), 1234.5);
    QCOMPARE(row.value("Client").toString(), QStringLiteral("Ann O'Leary"));
    QCOMPARE(row.value("ClientType").toString(), QStringLiteral("Apartment"));
    QCOMPARE(row.value("City").toString(), QStringLiteral("Kanata"));
    QCOMPARE(row.value("BCity").toString(), QStringLiteral("Kanata"));
    QCOMPARE(row.value("Service").toString(), QStringLiteral("Floors"));
    QCOMPARE(row.value("Schedule").toString(), QStringLiteral("Weekly"));
    QCOMPARE(row.value("AddDate").toString(), addDate);
    // The other client is untouched.
    QCOMPARE(clientRow(f.folder, QStringLiteral("QD-2")).value("Client").toString(),
             QStringLiteral("St Mary"));

    QCOMPARE(w.tabMain->currentIndex(), tabAfter);
    if (!focusAfter.isEmpty())
        QCOMPARE(focusName(w), focusAfter);
    QCOMPARE(w.lblID->text(), QString());
    QVERIFY(w.txtEdit[0]->text().isEmpty());
    QCOMPARE(w.lvClients->topLevelItemCount(), 2);
    QCOMPARE(w.lvBilling->topLevelItemCount(), 2);
    QVERIFY(MainWindowFixture::column(w.lvClients, 2).contains(QStringLiteral("Ann O'Leary")));
}

void TestClientEntry::updateStoresUnmatchedGroupsEmpty() {
    MainWindowFixture f;
    // A schedule no button carries: the group shows nothing and the update stores nothing.
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa"), QStringLiteral("25"), QStringLiteral("daily")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);
    EXPECT_BOX(f.boxes.last(), UpdatedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));
    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    QCOMPARE(row.value("Schedule").toString(), QString());
    QCOMPARE(row.value("Service").toString(), QStringLiteral("Home"));
    QCOMPARE(row.value("Fee").toDouble(), 25.0);
}

void TestClientEntry::storedValueSurvivesUpdate_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored"); // SQL value
    QTest::addColumn<int>("box");        // txtEdit index that shows it
    QTest::addColumn<QString>("shown");

    const QString longName = QStringLiteral("Abcdefghij").repeated(5);
    QTest::newRow("name longer than the box takes") << "Client"
                                                    << "'" + longName + "'" << 0 << longName;
    QTest::newRow("state longer than the box takes") << "State"
                                                     << "'ONTA'" << 4 << "ONTA";
    QTest::newRow("fee wider than the fee box") << "Fee"
                                                << "123456.5" << 14 << "123,456.50";
    QTest::newRow("fee of ten million") << "Fee"
                                        << "10000000" << 14 << "10,000,000.00";
    QTest::newRow("fee of eight digits") << "Fee"
                                         << "12345678" << 14 << "12,345,678.00";
}

void TestClientEntry::storedValueSurvivesUpdate() {
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QFETCH(int, box);
    QFETCH(QString, shown);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.folder.exec(QStringLiteral("UPDATE tblClients SET %1 = %2").arg(column, stored)));
    const QVariant before = clientRow(f.folder, QStringLiteral("QD-1")).value(column);
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    // Shown whole: an update must not store a value cut at the box's typing limit.
    QCOMPARE(w.txtEdit[std::size_t(box)]->text(), shown);
    QCOMPARE(w.txtEdit[std::size_t(box)]->cursorPosition(), 0); // read from its start

    type(w.txtEdit[3], QStringLiteral("Kanata")); // the change the user came for
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);
    QCOMPARE(f.boxes.count(), 1);
    EXPECT_BOX(f.boxes.last(), UpdatedText, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QStringLiteral("Record Saved Successfully"));
    const QVariantMap row = clientRow(f.folder, QStringLiteral("QD-1"));
    QCOMPARE(row.value("City").toString(), QStringLiteral("Kanata"));
    if (column == QLatin1String("Fee"))
        QCOMPARE(row.value(column).toDouble(), before.toDouble());
    else
        QCOMPARE(row.value(column).toString(), before.toString());
    // The cleared box takes no more than its limit again.
    w.tabMain->setCurrentIndex(1);
    w.txtEdit[std::size_t(box)]->setFocus();
    QTest::keyClicks(w.txtEdit[std::size_t(box)], QStringLiteral("x").repeated(60));
    QVERIFY(w.txtEdit[std::size_t(box)]->text().size() < 60);
}

void TestClientEntry::failedUpdate() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.folder.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tblClients BEGIN SELECT RAISE(ABORT, 'locked'); END;")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    type(w.txtEdit[0], QStringLiteral("Changed"));
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);

    // The library logs the failure without a box of its own; the window tells the user.
    QCOMPARE(f.boxes.count(), 1);
    EXPECT_BOX(f.boxes.last(), QStringLiteral("Client Record was NOT Updated! "), QMessageBox::Critical,
               QMessageBox::Ok, QMessageBox::Ok, QStringLiteral(" ERROR"));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(w.tabMain->currentIndex(), 1);
    QCOMPARE(clientRow(f.folder, QStringLiteral("QD-1")).value("Client").toString(),
             QStringLiteral("Ann Lee"));
    // The changes typed and the chosen client stay for another try.
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-1"));
    QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Changed"));
}

void TestClientEntry::deleteClient_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("again"); // the answer to "delete another", when asked
    QTest::addColumn<int>("tabAfter");

    QTest::newRow("Yes, then delete another") << true << int(QMessageBox::Yes) << 1;
    QTest::newRow("Yes, then no other") << true << int(QMessageBox::No) << 0;
    QTest::newRow("declined") << false << int(QMessageBox::NoButton) << 1;
}

void TestClientEntry::deleteClient() {
    QFETCH(bool, confirm);
    QFETCH(int, again);
    QFETCH(int, tabAfter);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bob Roy"),
                         QStringLiteral("Hull")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, MainWindowFixture::rowOf(w.lvClients, QStringLiteral("QD-2")));
    QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));

    if (confirm)
        f.boxes.answer({QMessageBox::Yes, QMessageBox::StandardButton(again)});
    else
        f.boxes.answer({QMessageBox::No, QMessageBox::Ok});
    QTest::mouseClick(w.cmdDelete, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 2);
    // The library's confirmation comes first, under the normal pointer.
    EXPECT_BOX(f.boxes.shown().at(0),
               QStringLiteral("Delete this Client Record?\r\n\r\nOnce deleted it can't be recovered!"),
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("** WARNING **"));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(!f.busyAtBox(1));
    if (confirm) {
        EXPECT_BOX(f.boxes.last(),
                   QStringLiteral("Client Record Deleted! ") + CrLf2 +
                       QStringLiteral("Do you want to delete another Client record? "),
                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                   QStringLiteral("Record Removed Successfully"));
        QCOMPARE(clientCount(f.folder), 1);
        QVERIFY(clientRow(f.folder, QStringLiteral("QD-2")).isEmpty());
        QCOMPARE(MainWindowFixture::column(w.lvClients, 0), QStringList{"QD-1"});
        QCOMPARE(MainWindowFixture::column(w.lvBilling, 0), QStringList{"QD-1"});
    } else {
        EXPECT_BOX(f.boxes.last(), QStringLiteral("Client Record was NOT Deleted! "), QMessageBox::Warning,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        QCOMPARE(clientCount(f.folder), 2);
    }
    QCOMPARE(w.tabMain->currentIndex(), tabAfter);
    // Deleting another starts from the list; the emptied tab leaves the focus there too.
    if (tabAfter == 1)
        QCOMPARE(focusName(w), QStringLiteral("lvClients"));
    QVERIFY(!MainWindowFixture::pointerBusy());
    QCOMPARE(w.lblID->text(), QString());
    QVERIFY(w.lblID->isHidden());
    QCOMPARE(w.txtEdit[0]->text(), QString());
}

void TestClientEntry::updateOrDeleteWithoutChoice_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("update") << "cmdSaveEdit"
                            << "Select a Client record to update! ";
    QTest::newRow("delete") << "cmdDelete"
                            << "Select a Client record to delete! ";
}

void TestClientEntry::updateOrDeleteWithoutChoice() {
    QFETCH(QString, button);
    QFETCH(QString, message);

    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    w.txtEdit[0]->setText(QStringLiteral("  padded  "));
    modGlobal::SetBusyPointer();
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    EXPECT_BOX(f.boxes.last(), message, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Brisola"));
    QVERIFY(!f.busyAtBox(0));
    QCOMPARE(focusName(w), button);
    QCOMPARE(w.tabMain->currentIndex(), 1);
    // Nothing happened: not even the boxes were trimmed.
    QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("  padded  "));
    QCOMPARE(clientCount(f.folder), 1);
}

void TestClientEntry::clearEditForgetsClient() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa"), QStringLiteral("25")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(1);
    MainWindowFixture::clickRow(w.lvClients, 0);
    QVERIFY(w.optScheduleEdit[1]->isChecked());
    QTest::mouseClick(w.cmdClearEdit, Qt::LeftButton);
    QCOMPARE(w.lblID->text(), QString());
    QVERIFY(w.lblID->isHidden());
    QCOMPARE(w.cboBoxEdit->currentText(), QString());
    for (QLineEdit *b : w.txtEdit)
        QCOMPARE(b->text(), QString());
    QCOMPARE(w.rtBoxEdit->toPlainText(), QString());
    for (auto group :
         {std::span<QRadioButton *const>(w.optScheduleEdit), std::span<QRadioButton *const>(w.optServiceEdit),
          std::span<QRadioButton *const>(w.optFeeEdit), std::span<QRadioButton *const>(w.optBillingEdit),
          std::span<QRadioButton *const>(w.optPetsEdit)}) {
        for (QRadioButton *b : group)
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    }
    QCOMPARE(focusName(w), QStringLiteral("lvClients"));
    QCOMPARE(w.lvClients->SelectedRow(), -1);
    // Now nothing is chosen: update refuses.
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(w.cmdSaveEdit, Qt::LeftButton);
    QCOMPARE(f.boxes.last().text, QStringLiteral("Select a Client record to update! "));
}

BRISOLA_TEST_MAIN(TestClientEntry)
#include "tst_client_entry.moc"
