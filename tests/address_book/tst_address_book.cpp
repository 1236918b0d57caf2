// The address book window: adding, choosing, updating and deleting contacts, read back from
// the database file, with every message the window shows.
#include "AccessibleNames.h"
#include "AddressBookFixture.h"
#include "TestMain.h"

#include <QIcon>
#include <QPixmap>

namespace {

const QString CrLf2 = QStringLiteral("\r\n\r\n");

// Ten values for a panel, by field index.
QStringList contactValues(const QString &first, const QString &last, const QString &city,
                          const QString &state) {
    return {first,
            last,
            QStringLiteral("12 Elm St"),
            city,
            state,
            QStringLiteral("K1A 0B1"),
            "555-0101",
            "555-0102",
            "555-0103",
            "ann@example.com"};
}

template <typename Boxes> void fill(const Boxes &boxes, const QStringList &values) {
    for (int i = 0; i < int(boxes.size()); ++i)
        AddressBookFixture::type(boxes[std::size_t(i)], values.value(i));
}

template <typename Boxes> QStringList texts(const Boxes &boxes) {
    QStringList result;
    for (QLineEdit *box : boxes)
        result << box->text();
    return result;
}

const char *const Columns[] = {"FName", "LName",  "Address", "City",   "State",
                               "Zip",   "HPhone", "WPhone",  "CPhone", "Email"};

QStringList stored(const QVariantMap &row) {
    QStringList result;
    for (const char *column : Columns)
        result << row.value(QString::fromLatin1(column)).toString();
    return result;
}

} // namespace

class TestAddressBook : public QObject {
    Q_OBJECT
private slots:
    void loadStep_data();
    void loadStep();
    void firstIdentifier_data();
    void firstIdentifier();
    void lastNameOrder();
    void fullNameAndBlanks_data();
    void fullNameAndBlanks();
    void requiredFields_data();
    void requiredFields();
    void typingLimits_data();
    void typingLimits();
    void chooseContact_data();
    void chooseContact();
    void nothingChosen_data();
    void nothingChosen();
    void saveOutcome_data();
    void saveOutcome();
    void updateOutcome_data();
    void updateOutcome();
    void deleteContact_data();
    void deleteContact();
    void enterMovesOn_data();
    void enterMovesOn();
    void enterOnButtonPressesIt_data();
    void enterOnButtonPressesIt();
    void failedSaveKeepsTyped();
    void failedUpdateKeepsTyped();
    void unreadableIdentifierRefusesSave();
    void roundTrip_data();
    void roundTrip();
    void storedValueLongerThanItsBox();
    void closeSavesNothing();
    void controlsInsideWindow();
};

void TestAddressBook::loadStep_data() {
    QTest::addColumn<bool>("images");
    QTest::newRow("pictures delivered") << true;
    QTest::newRow("pictures missing") << false;
}

void TestAddressBook::loadStep() {
    QFETCH(bool, images);
    AddressBookFixture f(images);
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Ann"), QStringLiteral("Lee"),
                          QStringLiteral("Ottawa"), QStringLiteral("ON")));
    frmAddressBook &w = f.open();

    // A missing picture or icon changes nothing else: the window opens with its list.
    QCOMPARE(w.windowTitle(), QStringLiteral("Brisola - 2.0"));
    QCOMPARE(w.lvNames->topLevelItemCount(), 1);
    QVERIFY(w.lblID->text().isEmpty());
    QVERIFY(!w.lblID->isVisible());
    QVERIFY(modGlobal::objHouse);
    QCOMPARE(w.imgBox->pixmap().isNull(), !images);
    QCOMPARE(w.windowIcon().availableSizes().isEmpty(), !images);
    QCOMPARE(f.boxes.count(), 0);
    QVERIFY(!QApplication::overrideCursor());
}

void TestAddressBook::firstIdentifier_data() {
    QTest::addColumn<int>("seedId");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty table") << 0 << "A-1";
    // The number follows the ID counter, not the digits of the stored identifiers.
    QTest::newRow("counter at 56") << 56 << "A-57";
}

void TestAddressBook::firstIdentifier() {
    QFETCH(int, seedId);
    QFETCH(QString, expected);
    AddressBookFixture f;
    if (seedId)
        QVERIFY(f.seedContact(QStringLiteral("A-3"), QStringLiteral("Bob"), QStringLiteral("Ray"),
                              QStringLiteral("Hull"), QStringLiteral("QC"), seedId));
    frmAddressBook &w = f.open();
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.contact(expected).value("FName").toString(), QStringLiteral("Ann"));
    QVERIFY(AddressBookFixture::rowOf(w.lvNames, expected) >= 0);
}

void TestAddressBook::lastNameOrder() {
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    QVERIFY(f.seedContact(QStringLiteral("A-2"), QStringLiteral("Sam"), QStringLiteral("Baker"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    QVERIFY(f.seedContact(QStringLiteral("A-3"), QStringLiteral("Tom"), QStringLiteral("Smith"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    QCOMPARE(AddressBookFixture::column(w.lvNames, 3), QStringList({"Baker", "Moreau", "Smith"}));

    // A new contact takes its last-name place after the reload.
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    QCOMPARE(AddressBookFixture::column(w.lvNames, 3), QStringList({"Baker", "Lee", "Moreau", "Smith"}));

    // A header click sorts once and stops the list keeping itself in order: the next reload
    // shows the contacts as the library gives them.
    AddressBookFixture::clickHeader(w.lvNames, 1);
    QCOMPARE(AddressBookFixture::column(w.lvNames, 1),
             QStringList({"Tom Smith", "Sam Baker", "Eve Moreau", "Ann Lee"}));
    fill(w.txtBox, contactValues(QStringLiteral("Zoe"), QStringLiteral("Abbott"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    QCOMPARE(AddressBookFixture::column(w.lvNames, 3),
             QStringList({"Moreau", "Baker", "Smith", "Lee", "Abbott"}));
}

void TestAddressBook::fullNameAndBlanks_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("fullName");

    QTest::newRow("plain") << "Ann"
                           << "Lee"
                           << "Ottawa"
                           << "Ann Lee";
    QTest::newRow("blanks around every field") << "  Ann "
                                               << "  Lee  "
                                               << " Ottawa   "
                                               << "Ann Lee";
    QTest::newRow("blanks inside kept") << "Mary Ann"
                                        << "van  Dijk"
                                        << "Old  Town"
                                        << "Mary Ann van  Dijk";
}

void TestAddressBook::fullNameAndBlanks() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, city);
    QFETCH(QString, fullName);
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    QStringList values = contactValues(first, last, city, QStringLiteral(" ON "));
    values[9] = QStringLiteral("  ann@example.com ");
    fill(w.txtBox, values);
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    const QVariantMap row = f.contact(QStringLiteral("A-1"));
    QCOMPARE(row.value("FullName").toString(), fullName);
    QCOMPARE(row.value("FName").toString(), first.trimmed());
    QCOMPARE(row.value("LName").toString(), last.trimmed());
    QCOMPARE(row.value("City").toString(), city.trimmed());
    QCOMPARE(row.value("State").toString(), QStringLiteral("ON"));
    QCOMPARE(row.value("Email").toString(), QStringLiteral("ann@example.com"));
    const int at = AddressBookFixture::rowOf(w.lvNames, QStringLiteral("A-1"));
    QVERIFY(at >= 0);
    QCOMPARE(w.lvNames->Text(at, 1), fullName);
}

void TestAddressBook::requiredFields_data() {
    QTest::addColumn<bool>("updatePanel");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus"); // index of the field that takes the focus

    const QString blanks = QStringLiteral("   ");
    for (const bool update : {false, true}) {
        const char *panel = update ? "update: " : "new: ";
        auto row = [panel](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QString::fromLatin1(panel) + QString::fromLatin1(name)));
        };
        // Every field empty: the first check wins.
        row("all empty") << update << QStringList(10) << "Enter First Name! " << 0;
        row("first name of blanks") << update
                                    << contactValues(blanks, QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                                     QStringLiteral("ON"))
                                    << "Enter First Name! " << 0;
        row("last name missing, city too")
            << update << contactValues(QStringLiteral("Ann"), QString(), QString(), QStringLiteral("ON"))
            << "Enter Last Name! " << 1;
        row("city of blanks") << update
                              << contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), blanks,
                                               QStringLiteral("ON"))
                              << "Enter City Name! " << 3;
        row("state missing") << update
                             << contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"),
                                              QStringLiteral("Ottawa"), QString())
                             << "Enter State/Province! " << 4;
        // The address, postal code, telephones and e-mail may stay empty.
        row("only the four required")
            << update << QStringList({"Ann", "Lee", "", "Ottawa", "ON", "", "", "", "", ""}) << "" << -1;
    }
}

void TestAddressBook::requiredFields() {
    QFETCH(bool, updatePanel);
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    QFETCH(int, focus);

    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Bob"), QStringLiteral("Ray"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    const auto &boxes = updatePanel ? w.txtEdit : w.txtBox;
    if (updatePanel)
        AddressBookFixture::clickRow(w.lvNames, 0);
    fill(boxes, values);
    f.boxes.answer(message.isEmpty() ? QMessageBox::Yes : QMessageBox::Ok);
    QTest::mouseClick(updatePanel ? w.cmdUpdate : w.cmdSave, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    const ShownBox box = f.boxes.last();
    if (message.isEmpty()) {
        // Stored: the question after a save or an update.
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(f.contactCount(), updatePanel ? 1 : 2);
        const QVariantMap row = f.contact(updatePanel ? QStringLiteral("A-1") : QStringLiteral("A-2"));
        QCOMPARE(row.value("FullName").toString(), QStringLiteral("Ann Lee"));
        QVERIFY(row.value("Address").toString().isEmpty());
        return;
    }
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QStringLiteral("Brisola"));
    QCOMPARE(f.focusName(), boxes[std::size_t(focus)]->objectName());
    QVERIFY(!QApplication::overrideCursor());
    // Nothing stored or changed, and what was typed (trimmed) stays for another try.
    QCOMPARE(f.contactCount(), 1);
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("FName").toString(), QStringLiteral("Bob"));
    QStringList trimmed;
    for (const QString &value : values)
        trimmed << value.trimmed();
    QCOMPARE(texts(boxes), trimmed);
    if (updatePanel)
        QCOMPARE(w.lblID->text(), QStringLiteral("A-1"));
}

void TestAddressBook::typingLimits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");

    for (const char *panel : {"txtBox", "txtEdit"}) {
        const QString name = QString::fromLatin1(panel);
        QTest::newRow(qPrintable(name + "(4) state")) << name + "(4)" << 3;
        QTest::newRow(qPrintable(name + "(5) postal code")) << name + "(5)" << 10;
        QTest::newRow(qPrintable(name + "(9) e-mail")) << name + "(9)" << 45;
    }
}

void TestAddressBook::typingLimits() {
    QFETCH(QString, box);
    QFETCH(int, limit);
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    auto *edit = w.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    AddressBookFixture::type(edit, QStringLiteral("x").repeated(60));
    QCOMPARE(edit->text().size(), limit);
}

void TestAddressBook::chooseContact_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click") << false;
    QTest::newRow("character key") << true;
}

void TestAddressBook::chooseContact() {
    QFETCH(bool, byKey);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    // Columns without a value show empty.
    QVERIFY(f.seedContact(QStringLiteral("A-2"), QStringLiteral("Sam"), QStringLiteral("Baker"),
                          QStringLiteral("Aylmer"), QStringLiteral("QC"), 0, true));
    frmAddressBook &w = f.open();
    // Something typed before choosing is replaced by the contact.
    AddressBookFixture::type(w.txtEdit[2], QStringLiteral("typed"));
    if (byKey) {
        // The key moves the list to a row; that row is the one chosen.
        w.lvNames->setFocus();
        QTest::keyClick(w.lvNames, Qt::Key_A);
        QApplication::processEvents();
    } else {
        AddressBookFixture::clickRow(w.lvNames, 0); // Baker, by last name
    }
    const int chosen = w.lvNames->SelectedRow();
    QVERIFY(chosen >= 0);
    QCOMPARE(w.lblID->text(), w.lvNames->Key(chosen));
    QVERIFY(!w.lblID->isVisible());
    QCOMPARE(modGlobal::itmShared, modGlobal::ListRow(w.lvNames, w.lvNames->Key(chosen)));
    const QVariantMap row = f.contact(w.lblID->text());
    QStringList expected;
    for (const char *column : Columns)
        expected << row.value(QString::fromLatin1(column)).toString();
    QCOMPARE(texts(w.txtEdit), expected);
    if (w.lblID->text() == QLatin1String("A-2"))
        QVERIFY(w.txtEdit[2]->text().isEmpty());
    QCOMPARE(f.boxes.count(), 0);
    QVERIFY(!QApplication::overrideCursor());
}

void TestAddressBook::nothingChosen_data() {
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("message");
    QTest::newRow("update") << false << "Select a record to update! ";
    QTest::newRow("delete") << true << "Select a record to delete! ";
}

void TestAddressBook::nothingChosen() {
    QFETCH(bool, remove);
    QFETCH(QString, message);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    // Fields typed into without a contact chosen tie to no row.
    fill(w.txtEdit, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                  QStringLiteral("ON")));
    f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(remove ? w.cmdDelete : w.cmdUpdate, Qt::LeftButton);

    // Only the window's notice: the library was not asked to confirm anything.
    QCOMPARE(f.boxes.count(), 1);
    const ShownBox box = f.boxes.last();
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QStringLiteral("Brisola"));
    QCOMPARE(f.contactCount(), 1);
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("FName").toString(), QStringLiteral("Eve"));
    QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Ann"));
    QVERIFY(!f.closed());
}

void TestAddressBook::saveOutcome_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Yes: another") << int(QMessageBox::Yes) << true;
    QTest::newRow("No: window closes") << int(QMessageBox::No) << false;
}

void TestAddressBook::saveOutcome() {
    QFETCH(int, answer);
    QFETCH(bool, staysOpen);
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    // Something typed on the right stays there: the save is about the left panel.
    AddressBookFixture::type(w.txtEdit[0], QStringLiteral("Right"));
    f.boxes.answer(QMessageBox::StandardButton(answer));
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    const ShownBox box = f.boxes.last();
    QCOMPARE(box.text, QStringLiteral("New Address Entry Saved! ") + CrLf2 +
                           QStringLiteral("Do you want to add another Address? "));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(box.title, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(stored(f.contact(QStringLiteral("A-1"))),
             contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                           QStringLiteral("ON")));
    QVERIFY(f.contact(QStringLiteral("A-1")).value("ModDate").toString().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(!f.closed(), staysOpen);
    if (staysOpen) {
        QCOMPARE(texts(w.txtBox), QStringList(10));
        QCOMPARE(f.focusName(), QStringLiteral("txtBox(0)"));
        QCOMPARE(w.lvNames->topLevelItemCount(), 1);
        QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Right"));
    }
}

void TestAddressBook::updateOutcome_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Yes: another") << int(QMessageBox::Yes) << true;
    QTest::newRow("No: window closes") << int(QMessageBox::No) << false;
}

void TestAddressBook::updateOutcome() {
    QFETCH(int, answer);
    QFETCH(bool, staysOpen);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    QVERIFY(f.seedContact(QStringLiteral("A-2"), QStringLiteral("Sam"), QStringLiteral("Baker"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    AddressBookFixture::clickRow(w.lvNames, AddressBookFixture::rowOf(w.lvNames, QStringLiteral("A-1")));
    QCOMPARE(w.lblID->text(), QStringLiteral("A-1"));
    AddressBookFixture::type(w.txtEdit[0], QStringLiteral("Eva"));
    AddressBookFixture::type(w.txtEdit[3], QStringLiteral("Gatineau"));
    f.boxes.answer(QMessageBox::StandardButton(answer));
    QTest::mouseClick(w.cmdUpdate, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 1);
    const ShownBox box = f.boxes.last();
    QCOMPARE(box.text, QStringLiteral("Address Record Updated! ") + CrLf2 +
                           QStringLiteral("Do you want to update another Address Record? "));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(box.title, QStringLiteral("Record Updated Successfully"));
    // The identifier stays; the full name follows the new first name.
    const QVariantMap row = f.contact(QStringLiteral("A-1"));
    QCOMPARE(row.value("FName").toString(), QStringLiteral("Eva"));
    QCOMPARE(row.value("City").toString(), QStringLiteral("Gatineau"));
    QCOMPARE(row.value("FullName").toString(), QStringLiteral("Eva Moreau"));
    QCOMPARE(row.value("AddDate").toString(), QStringLiteral("2024-01-02 10:00:00"));
    QVERIFY(!row.value("ModDate").toString().isEmpty());
    QCOMPARE(f.contact(QStringLiteral("A-2")).value("FName").toString(), QStringLiteral("Sam"));
    QCOMPARE(f.contactCount(), 2);
    QCOMPARE(!f.closed(), staysOpen);
    if (staysOpen) {
        QCOMPARE(f.focusName(), QStringLiteral("lvNames"));
        QVERIFY(w.lblID->text().isEmpty());
        QCOMPARE(texts(w.txtEdit), QStringList(10));
        const int at = AddressBookFixture::rowOf(w.lvNames, QStringLiteral("A-1"));
        QCOMPARE(w.lvNames->Text(at, 5), QStringLiteral("Gatineau"));
    }
}

void TestAddressBook::deleteContact_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("again"); // the answer to "delete another", when asked
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("declined") << false << int(QMessageBox::NoButton) << true;
    QTest::newRow("confirmed, then another") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("confirmed, then no other: window closes") << true << int(QMessageBox::No) << false;
}

void TestAddressBook::deleteContact() {
    QFETCH(bool, confirm);
    QFETCH(int, again);
    QFETCH(bool, staysOpen);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    QVERIFY(f.seedContact(QStringLiteral("A-2"), QStringLiteral("Sam"), QStringLiteral("Baker"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    AddressBookFixture::clickRow(w.lvNames, AddressBookFixture::rowOf(w.lvNames, QStringLiteral("A-1")));
    f.boxes.answer(confirm ? QMessageBox::Yes : QMessageBox::No);
    f.boxes.answer(confirm ? QMessageBox::StandardButton(again) : QMessageBox::Ok);
    QTest::mouseClick(w.cmdDelete, Qt::LeftButton);

    // The library's confirmation first, then the window's message; no question of its own.
    QCOMPARE(f.boxes.count(), 2);
    QCOMPARE(f.boxes.shown().at(0).title, QStringLiteral("** WARNING **"));
    const ShownBox box = f.boxes.last();
    if (confirm) {
        QCOMPARE(box.text, QStringLiteral("Address Record Deleted! ") + CrLf2 +
                               QStringLiteral("Do you want to delete another Address record? "));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QCOMPARE(box.defaultButton, QMessageBox::No);
        QCOMPARE(box.title, QStringLiteral("Record Removed Successfully"));
        QVERIFY(f.contact(QStringLiteral("A-1")).isEmpty());
    } else {
        QCOMPARE(box.text, QStringLiteral("Address Record was NOT Deleted! "));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Brisola"));
        QCOMPARE(f.contact(QStringLiteral("A-1")).value("FName").toString(), QStringLiteral("Eve"));
    }
    QCOMPARE(f.contactCount(), confirm ? 1 : 2);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(!f.closed(), staysOpen);
    if (staysOpen) {
        // Either way the right panel is empty and nothing is chosen.
        QVERIFY(w.lblID->text().isEmpty());
        QCOMPARE(texts(w.txtEdit), QStringList(10));
        QCOMPARE(f.focusName(), QStringLiteral("lvNames"));
        QCOMPARE(w.lvNames->topLevelItemCount(), confirm ? 1 : 2);
        QVERIFY(!modGlobal::itmShared);
    }
}

void TestAddressBook::enterMovesOn_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("txtBox(0)") << "txtBox(0)"
                               << "txtBox(1)";
    QTest::newRow("txtBox(4)") << "txtBox(4)"
                               << "txtBox(5)";
    QTest::newRow("txtBox(8)") << "txtBox(8)"
                               << "txtBox(9)";
    QTest::newRow("txtBox(9): Save") << "txtBox(9)"
                                     << "cmdSave";
    QTest::newRow("txtEdit(0)") << "txtEdit(0)"
                                << "txtEdit(1)";
    QTest::newRow("txtEdit(8)") << "txtEdit(8)"
                                << "txtEdit(9)";
    QTest::newRow("txtEdit(9): Update") << "txtEdit(9)"
                                        << "cmdUpdate";
}

void TestAddressBook::enterMovesOn() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    AddressBookFixture::clickRow(w.lvNames, 0);
    // Every field filled, so that a save or an update would go through if Enter made one.
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    auto *box = w.findChild<QLineEdit *>(from);
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(f.focusName(), to);
    // Enter never saves by itself.
    QCOMPARE(f.boxes.count(), 0);
    QCOMPARE(f.contactCount(), 1);
}

void TestAddressBook::enterOnButtonPressesIt_data() {
    QTest::addColumn<bool>("updatePanel");
    QTest::newRow("Save") << false;
    QTest::newRow("Update") << true;
}

void TestAddressBook::enterOnButtonPressesIt() {
    QFETCH(bool, updatePanel);
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    frmAddressBook &w = f.open();
    if (updatePanel)
        AddressBookFixture::clickRow(w.lvNames, 0);
    const auto &boxes = updatePanel ? w.txtEdit : w.txtBox;
    fill(boxes, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                              QStringLiteral("ON")));
    // Enter from the last field to the button, and Enter again presses the button.
    QTest::keyClick(boxes[9], Qt::Key_Return);
    f.boxes.answer(QMessageBox::Yes);
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().icon, QMessageBox::Question);
    QCOMPARE(
        f.contact(updatePanel ? QStringLiteral("A-1") : QStringLiteral("A-2")).value("FullName").toString(),
        QStringLiteral("Ann Lee"));
}

void TestAddressBook::failedSaveKeepsTyped() {
    AddressBookFixture f;
    QVERIFY(f.folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblAddress BEGIN SELECT "
                                         "RAISE(ABORT, 'disk says no'); END;")));
    frmAddressBook &w = f.open();
    const QStringList values = contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"),
                                             QStringLiteral("Ottawa"), QStringLiteral("ON"));
    fill(w.txtBox, values);
    f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    // The library's own failure message first, then the window's.
    QCOMPARE(f.boxes.count(), 2);
    QVERIFY(f.boxes.shown().at(0).text.contains(QStringLiteral("AddAddress")));
    const ShownBox box = f.boxes.last();
    QCOMPARE(box.text, QStringLiteral("Address Record was NOT Saved! "));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QStringLiteral(" ERROR"));
    QCOMPARE(f.contactCount(), 0);
    QVERIFY(!QApplication::overrideCursor());
    // Nothing typed is lost.
    QCOMPARE(texts(w.txtBox), values);
    QVERIFY(!f.closed());
    QVERIFY(!f.folder.errorLog().isEmpty());
}

void TestAddressBook::failedUpdateKeepsTyped() {
    AddressBookFixture f;
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QC")));
    QVERIFY(f.folder.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tblAddress BEGIN SELECT RAISE(ABORT, 'locked'); END;")));
    frmAddressBook &w = f.open();
    AddressBookFixture::clickRow(w.lvNames, 0);
    AddressBookFixture::type(w.txtEdit[0], QStringLiteral("Eva"));
    f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(w.cmdUpdate, Qt::LeftButton);

    const ShownBox box = f.boxes.last();
    QCOMPARE(box.text, QStringLiteral("Address Record was NOT Updated! "));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QStringLiteral(" ERROR"));
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("FName").toString(), QStringLiteral("Eve"));
    // The change and the chosen contact stay, so that a second try can store them.
    QCOMPARE(w.lblID->text(), QStringLiteral("A-1"));
    QCOMPARE(w.txtEdit[0]->text(), QStringLiteral("Eva"));
    QCOMPARE(w.txtEdit[1]->text(), QStringLiteral("Moreau"));

    QVERIFY(f.folder.exec(QStringLiteral("DROP TRIGGER refuse")));
    f.boxes.clear();
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdUpdate, Qt::LeftButton);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Updated Successfully"));
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("FName").toString(), QStringLiteral("Eva"));
}

void TestAddressBook::unreadableIdentifierRefusesSave() {
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    // The number query fails: there is no address table to ask.
    QVERIFY(f.folder.exec(QStringLiteral("ALTER TABLE tblAddress RENAME TO tblMoved")));
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    QCOMPARE(f.boxes.count(), 2);
    QVERIFY(f.boxes.shown().at(0).text.contains(QStringLiteral("GetNewNameID")));
    QCOMPARE(f.boxes.last().text, QStringLiteral("Address Record was NOT Saved! "));
    QCOMPARE(f.boxes.last().title, QStringLiteral(" ERROR"));
    QCOMPARE(f.folder.value(QStringLiteral("SELECT COUNT(*) FROM tblMoved")).toInt(), 0);
    QCOMPARE(w.txtBox[0]->text(), QStringLiteral("Ann"));
}

void TestAddressBook::roundTrip_data() {
    QTest::addColumn<QStringList>("values");

    QTest::newRow("accents") << QStringList({"Zoë", "Bérubé-Núñez", "12 Rue de la Église", "Montréal", "QC",
                                             "H2X 1Y4", "514-555-0100", "", "", "zoë.bérubé@exemple.ca"});
    QTest::newRow("apostrophes") << QStringList({"D'Arcy", "O'Brien", "12 Rue de l'Église", "Coeur d'Alene",
                                                 "ID", "83814", "", "", "", "d'arcy@example.com"});
    QTest::newRow("45-character e-mail")
        << QStringList({"Ann", "Lee", "1 Main St", "Ottawa", "ON", "K1A 0B1", "", "", "",
                        QStringLiteral("a").repeated(33) + QStringLiteral("@example.com")});
    QTest::newRow("statement text") << QStringList(
        {"Bob'); --", "x' OR '1'='1", "'); DROP TABLE tblAddress; --", "Ottawa", "ON", "", "", "", "", ""});
}

void TestAddressBook::roundTrip() {
    QFETCH(QStringList, values);
    QCOMPARE(values.size(), 10);
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    fill(w.txtBox, values);
    QCOMPARE(texts(w.txtBox), values);
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(stored(f.contact(QStringLiteral("A-1"))), values);
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("FullName").toString(), values[0] + " " + values[1]);

    // Read back into the update panel exactly, and stored unchanged by an update.
    AddressBookFixture::clickRow(w.lvNames, 0);
    QCOMPARE(texts(w.txtEdit), values);
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdUpdate, Qt::LeftButton);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Updated Successfully"));
    QCOMPARE(stored(f.contact(QStringLiteral("A-1"))), values);
    QCOMPARE(f.contactCount(), 1);
}

void TestAddressBook::storedValueLongerThanItsBox() {
    AddressBookFixture f;
    // Stored by another program: longer than the box takes by typing.
    QVERIFY(f.seedContact(QStringLiteral("A-1"), QStringLiteral("Eve"), QStringLiteral("Moreau"),
                          QStringLiteral("Hull"), QStringLiteral("QUEB")));
    frmAddressBook &w = f.open();
    AddressBookFixture::clickRow(w.lvNames, 0);
    QCOMPARE(w.txtEdit[4]->text(), QStringLiteral("QUEB"));
    AddressBookFixture::type(w.txtEdit[3], QStringLiteral("Aylmer"));
    f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.cmdUpdate, Qt::LeftButton);
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("State").toString(), QStringLiteral("QUEB"));
    QCOMPARE(f.contact(QStringLiteral("A-1")).value("City").toString(), QStringLiteral("Aylmer"));
    // The emptied box takes no more than its limit again.
    AddressBookFixture::type(w.txtEdit[4], QStringLiteral("ABCDEF"));
    QCOMPARE(w.txtEdit[4]->text(), QStringLiteral("ABC"));
}

void TestAddressBook::closeSavesNothing() {
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    fill(w.txtBox, contactValues(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Ottawa"),
                                 QStringLiteral("ON")));
    QTest::mouseClick(w.cmdExit, Qt::LeftButton);
    QVERIFY(f.closed());
    QCOMPARE(f.boxes.count(), 0);
    QCOMPARE(f.contactCount(), 0);
}

void TestAddressBook::controlsInsideWindow() {
    AddressBookFixture f;
    frmAddressBook &w = f.open();
    QCOMPARE(w.size(), QSize(642, 529)); // 9630 x 7935 twips
    const auto widgets = w.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        // The window's own controls and those of its frame.
        if (!widget->isVisibleTo(&w) ||
            (widget->parentWidget() != &w && widget->parentWidget() != w.fraUpdate))
            continue;
        const QRect inParent = widget->geometry();
        QVERIFY2(widget->parentWidget()->rect().contains(inParent),
                 qPrintable(widget->objectName() + QStringLiteral(" leaves its parent")));
    }
    // Every field is named after its label, for the keyboard and for screen readers.
    for (int i = 0; i < frmAddressBook::FieldCount; ++i) {
        QCOMPARE(w.lblBox[std::size_t(i)]->buddy(), w.txtBox[std::size_t(i)]);
        QCOMPARE(w.lblEdit[std::size_t(i)]->buddy(), w.txtEdit[std::size_t(i)]);
        QVERIFY(!w.txtBox[std::size_t(i)]->accessibleName().isEmpty());
    }
    // The two panels' boxes are told apart by the panel.
    QCOMPARE(w.txtEdit[9]->accessibleName(), QStringLiteral("Email Address (update)"));
    QCOMPARE(AccessibleNameFaults(&w), QString());
}

BRISOLA_TEST_MAIN(TestAddressBook)
#include "tst_address_book.moc"
