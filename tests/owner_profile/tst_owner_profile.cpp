// The two business-profile windows: the checks, Enter and the label highlight, what a save
// stores and tells, and how each window is left.
#include "AccessibleNames.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include "owner_profile/frmAddOwner.h"
#include "owner_profile/frmEditOwner.h"
#include "startup/modGlobal.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QStringList ValidProfile = {
    QStringLiteral("Smith"),         QStringLiteral("Ann"),         QStringLiteral("Shine Cleaning"),
    QStringLiteral("12 Elm Street"), QStringLiteral("Springfield"), QStringLiteral("IL"),
    QStringLiteral("62704"),         QStringLiteral("555-0134"),    QStringLiteral("ann@shine.example")};

void fill(OwnerProfileForm &window, const QStringList &values) {
    for (int i = 0; i < OwnerProfileForm::FieldCount; ++i)
        window.txtBox[i]->setText(values.value(i));
}

// The field that has the focus within the window (also while a message box is active).
int focusedField(const OwnerProfileForm &window) {
    for (int i = 0; i < OwnerProfileForm::FieldCount; ++i) {
        if (window.focusWidget() == window.txtBox[i])
            return i;
    }
    return -1;
}

QString ownerRow(TestAppFolder &folder, const QString &column) {
    return folder.value(QStringLiteral("SELECT %1 FROM tblOwner").arg(column)).toString();
}

} // namespace

class TestOwnerProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppFolder> folder;
    bool processEnded = false;
    int exitStatus = -1;

    // A profile window of the kind the row names, loaded and shown active.
    std::unique_ptr<OwnerProfileForm> openWindow(const QString &kind) {
        std::unique_ptr<OwnerProfileForm> window;
        if (kind == QLatin1String("add")) {
            auto add = std::make_unique<frmAddOwner>();
            add->Form_Load();
            window = std::move(add);
        } else {
            auto edit = std::make_unique<frmEditOwner>();
            edit->Form_Load();
            window = std::move(edit);
        }
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the profile window did not become active");
        return window;
    }

private slots:
    void init() {
        folder = std::make_unique<TestAppFolder>();
        folder->copyDelivered(QStringLiteral("images"));
        modGlobal::SetApplicationFolder(folder->path());
        processEnded = false;
        exitStatus = -1;
        modGlobal::SetProcessEnd([this](int status) {
            processEnded = true;
            exitStatus = status;
        });
        modGlobal::strOwnerName.clear();
        modGlobal::strCompany.clear();
    }

    void cleanup() {
        modGlobal::objHouse.reset();
        modGlobal::SetProcessEnd({});
        modGlobal::SetApplicationFolder(QString());
        QDir::setCurrent(QDir::tempPath());
        folder.reset();
    }

    void checks_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // empty: the profile passes and is saved
        QTest::addColumn<int>("focus");

        struct Row {
            const char *name;
            int field;
            const char *value;
            const char *message;
            int focus;
        };
        const Row rows[] = {
            {"last name empty", 0, "", "Last Name is missing! ", 0},
            {"last name only blanks", 0, "   ", "Last Name is missing! ", 0},
            {"first name empty", 1, "", "First Name is missing! ", 1},
            {"business name empty", 2, "", "Business Name is missing! ", 2},
            {"address empty", 3, "", "Address is missing! ", 3},
            {"city empty", 4, "", "City Name is missing! ", 4},
            {"city only blanks", 4, "  ", "City Name is missing! ", 4},
            {"state of one character", 5, "I", "State/Prov is incomplete! ", 5},
            {"state of one character in blanks", 5, " I ", "State/Prov is incomplete! ", 5},
            {"state of two characters", 5, "IL", "", -1},
            {"state of three characters", 5, "ONT", "", -1},
            {"postal code of four characters", 6, "6270", "Postal (ZIP) Code is incomplete! ", 6},
            {"postal code of five characters", 6, "62704", "", -1},
            {"postal code of five letters", 6, "ABCDE", "", -1},
            {"telephone of six characters", 7, "555-01", "Telephone Number is incomplete! ", 7},
            {"telephone of seven characters", 7, "5550134", "", -1},
            {"email empty", 8, "", "", -1},
        };
        for (const char *kind : {"add", "edit"}) {
            for (const Row &row : rows) {
                QTest::addRow("%s: %s", kind, row.name)
                    << QString::fromLatin1(kind) << row.field << QString::fromLatin1(row.value)
                    << QString::fromLatin1(row.message) << row.focus;
            }
        }
    }

    void checks() {
        QFETCH(QString, kind);
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(int, focus);

        if (kind == QLatin1String("edit")) {
            folder->exec(
                QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, AddDate) "
                               "VALUES ('Old - 431', 'Old', 'Owner', 'Old Co', '2024-01-02 03:04:05')"));
        }
        auto window = openWindow(kind);
        QStringList values = ValidProfile;
        values[field] = value;
        fill(*window, values);
        window->txtBox[8]->setFocus();

        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok); // the refusal, or the word that the profile was saved
        window->cmdSave->click();

        QCOMPARE(boxes.count(), 1);
        if (!message.isEmpty()) {
            EXPECT_BOX(boxes.last(), message, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
                       QStringLiteral("Brisola"));
            QCOMPARE(focusedField(*window), focus);
            QVERIFY(window->isVisible());
            // Nothing reached the database, and what was typed stays (trimmed).
            if (kind == QLatin1String("add"))
                QCOMPARE(folder->value(QStringLiteral("SELECT COUNT(*) FROM tblOwner")).toInt(), 0);
            else
                QCOMPARE(ownerRow(*folder, QStringLiteral("LName")), QStringLiteral("Old"));
            QCOMPARE(window->txtBox[field]->text(), modGlobal::TrimBlanks(value));
            // A refused profile was never offered for saving: the program's names stay.
            QVERIFY(modGlobal::strOwnerName.isEmpty());
            QVERIFY(modGlobal::strCompany.isEmpty());
        } else {
            EXPECT_BOX(boxes.last(), QStringLiteral("Profile Information Saved! "), QMessageBox::Warning,
                       QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Record Saved Successfully"));
            QCOMPARE(folder->value(QStringLiteral("SELECT COUNT(*) FROM tblOwner")).toInt(), 1);
            const char *const columns[] = {"LName", "FName", "Company", "Address", "City",
                                           "State", "Zip",   "Phone",   "Email"};
            QCOMPARE(ownerRow(*folder, QString::fromLatin1(columns[field])), value);
            QVERIFY(!window->isVisible());
        }
    }

    void enterMovesToTheNextField_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("field");
        for (const char *kind : {"add", "edit"}) {
            for (int i = 0; i < OwnerProfileForm::FieldCount; ++i)
                QTest::addRow("%s: field %d", kind, i) << QString::fromLatin1(kind) << i;
        }
    }

    void enterMovesToTheNextField() {
        QFETCH(QString, kind);
        QFETCH(int, field);
        auto window = openWindow(kind);
        fill(*window, ValidProfile);
        window->txtBox[field]->setFocus();
        QCOMPARE(focusedField(*window), field);

        MessageBoxHelper boxes;
        QTest::keyClick(window->txtBox[field], Qt::Key_Return);
        QTest::qWait(20);

        if (field + 1 < OwnerProfileForm::FieldCount)
            QCOMPARE(focusedField(*window), field + 1);
        else
            QCOMPARE(window->focusWidget(), static_cast<QWidget *>(window->cmdSave));
        // Enter never saves by itself, not even on the last field.
        QCOMPARE(boxes.count(), 0);
        QVERIFY(window->isVisible());
        QCOMPARE(folder->value(QStringLiteral("SELECT COUNT(*) FROM tblOwner")).toInt(), 0);
        // The keypad's Enter does the same.
        if (field + 1 < OwnerProfileForm::FieldCount) {
            window->txtBox[field]->setFocus();
            QTest::keyClick(window->txtBox[field], Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(focusedField(*window), field + 1);
        }
    }

    void otherKeysReachTheField() {
        auto window = openWindow(QStringLiteral("add"));
        window->txtBox[0]->setFocus();
        QTest::keyClicks(window->txtBox[0], QStringLiteral("Lee"));
        QCOMPARE(window->txtBox[0]->text(), QStringLiteral("Lee"));
        QCOMPARE(focusedField(*window), 0);
    }

    void labelHighlightFollowsFocus_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("add") << QStringLiteral("add");
        QTest::newRow("edit") << QStringLiteral("edit");
    }

    void labelHighlightFollowsFocus() {
        QFETCH(QString, kind);
        auto window = openWindow(kind);
        auto highlighted = [&](int i) {
            return window->lblData[i]->font().bold() &&
                   window->lblData[i]->palette().color(QPalette::WindowText) == QColor(0, 0, 255);
        };
        auto plain = [&](int i) {
            return !window->lblData[i]->font().bold() &&
                   window->lblData[i]->palette().color(QPalette::WindowText) == QColor(0, 0, 0);
        };
        window->txtBox[3]->setText(QStringLiteral("12 Elm Street"));
        window->txtBox[3]->setFocus();
        QTRY_VERIFY(highlighted(3));
        for (int i = 0; i < OwnerProfileForm::FieldCount; ++i) {
            if (i != 3)
                QVERIFY2(plain(i), qPrintable(QStringLiteral("label %1").arg(i)));
        }
        // The box itself is not touched: no selection.
        QVERIFY(!window->txtBox[3]->hasSelectedText());

        window->txtBox[4]->setFocus();
        QTRY_VERIFY(highlighted(4));
        QVERIFY(plain(3));
        window->cmdSave->setFocus();
        QTRY_VERIFY(plain(4));
    }

    void enteringAFieldSelectsNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("field");
        QTest::newRow("edit: the window opens") << QStringLiteral("edit") << QStringLiteral("open") << 0;
        QTest::newRow("edit: Tab") << QStringLiteral("edit") << QStringLiteral("tab") << 1;
        QTest::newRow("edit: Shift+Tab") << QStringLiteral("edit") << QStringLiteral("backtab") << 1;
        QTest::newRow("add: Tab") << QStringLiteral("add") << QStringLiteral("tab") << 1;
    }

    void enteringAFieldSelectsNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, how);
        QFETCH(int, field);
        folder->exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, "
            "Email, FullName, AddDate) VALUES ('Smith - 431', 'Smith', 'Ann', 'Shine Cleaning', "
            "'12 Elm Street', 'Springfield', 'IL', '62704', '555-0134', 'ann@shine.example', "
            "'Ann Smith', '2024-01-02 03:04:05')"));
        auto window = openWindow(kind);
        if (kind == QLatin1String("add"))
            fill(*window, ValidProfile);
        if (how == QLatin1String("tab")) {
            window->txtBox[field - 1]->setFocus();
            QTest::keyClick(window->txtBox[field - 1], Qt::Key_Tab);
        } else if (how == QLatin1String("backtab")) {
            window->txtBox[field + 1]->setFocus();
            QTest::keyClick(window->txtBox[field + 1], Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QTRY_COMPARE(focusedField(*window), field);
        QTRY_VERIFY(window->lblData[field]->font().bold());
        // Only the label changes: the text is neither selected nor touched, so the next key
        // typed does not wipe out the stored value.
        QVERIFY(!window->txtBox[field]->hasSelectedText());
        QCOMPARE(window->txtBox[field]->text(), ValidProfile[field]);
    }

    void typingStopsAtTheLimit_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("kept");
        // Business Name and Telephone take any length in the first-use window only.
        QTest::newRow("add: business name") << QStringLiteral("add") << 2 << 60;
        QTest::newRow("edit: business name") << QStringLiteral("edit") << 2 << 35;
        QTest::newRow("add: telephone") << QStringLiteral("add") << 7 << 60;
        QTest::newRow("edit: telephone") << QStringLiteral("edit") << 7 << 25;
        QTest::newRow("add: state") << QStringLiteral("add") << 5 << 3;
        QTest::newRow("edit: postal code") << QStringLiteral("edit") << 6 << 10;
        QTest::newRow("add: email") << QStringLiteral("add") << 8 << 45;
    }

    void typingStopsAtTheLimit() {
        QFETCH(QString, kind);
        QFETCH(int, field);
        QFETCH(int, kept);
        auto window = openWindow(kind);
        window->txtBox[field]->setFocus();
        QTest::keyClicks(window->txtBox[field], QString(60, QLatin1Char('x')));
        QCOMPARE(window->txtBox[field]->text().size(), qsizetype(kept));
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("order");
        // Telephone (field 7) comes after the buttons in the first-use window.
        QTest::newRow("add") << QStringLiteral("add")
                             << QStringList{"txtBox_0", "txtBox_1", "txtBox_2", "txtBox_3",
                                            "txtBox_4", "txtBox_5", "txtBox_6", "txtBox_8",
                                            "cmdSave",  "cmdExit",  "txtBox_7"};
        QTest::newRow("edit") << QStringLiteral("edit")
                              << QStringList{"txtBox_0", "txtBox_1", "txtBox_2", "txtBox_3",
                                             "txtBox_4", "txtBox_5", "txtBox_6", "txtBox_7",
                                             "txtBox_8", "cmdSave",  "cmdExit"};
    }

    void tabOrder() {
        QFETCH(QString, kind);
        QFETCH(QStringList, order);
        auto window = openWindow(kind);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txtBox[0]));
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, order);
    }

    void firstUseSaveStoresTheProfile() {
        auto window = openWindow(QStringLiteral("add"));
        auto *add = static_cast<frmAddOwner *>(window.get());
        QStringList values = ValidProfile;
        values[0] = QStringLiteral("  O'Neil ");
        values[1] = QStringLiteral(" Ann");
        fill(*window, values);

        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        window->cmdSave->click();

        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(), QStringLiteral("Profile Information Saved! "), QMessageBox::Warning,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Record Saved Successfully"));

        const auto rows = folder->rows(QStringLiteral("SELECT * FROM tblOwner"));
        QCOMPARE(rows.size(), 1);
        const QVariantMap row = rows.first();
        QCOMPARE(row.value("OwnerID").toString(), QStringLiteral("O'Neil - 431"));
        QCOMPARE(row.value("LName").toString(), QStringLiteral("O'Neil"));
        QCOMPARE(row.value("FName").toString(), QStringLiteral("Ann"));
        QCOMPARE(row.value("FullName").toString(), QStringLiteral("Ann O'Neil"));
        QCOMPARE(row.value("Company").toString(), QStringLiteral("Shine Cleaning"));
        QCOMPARE(row.value("Email").toString(), QStringLiteral("ann@shine.example"));
        const QDateTime added =
            QDateTime::fromString(row.value("AddDate").toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(added.isValid());
        QVERIFY(added >= before && added <= QDateTime::currentDateTime().addSecs(1));
        QVERIFY(!row.value("ModDate").isValid());

        // The names as typed (trimmed), not as escaped for the database.
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann O'Neil"));
        QCOMPARE(modGlobal::strCompany, QStringLiteral("Shine Cleaning"));
        // Hidden, not unloaded: the program goes on.
        QVERIFY(add->Saved());
        QVERIFY(!add->isVisible());
        QVERIFY(!processEnded);
    }

    void firstUseExitEndsTheProgram() {
        auto window = openWindow(QStringLiteral("add"));
        fill(*window, ValidProfile);
        // Escape does not leave the window: only its buttons do.
        QTest::keyClick(window->txtBox[0], Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QVERIFY(!processEnded);

        MessageBoxHelper boxes;
        window->cmdExit->click();
        QVERIFY(processEnded);
        QCOMPARE(exitStatus, 0);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(folder->value(QStringLiteral("SELECT COUNT(*) FROM tblOwner")).toInt(), 0);
    }

    void refusedSaveKeepsTheWindow_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("add") << QStringLiteral("add");
        QTest::newRow("edit") << QStringLiteral("edit");
    }

    void refusedSaveKeepsTheWindow() {
        QFETCH(QString, kind);
        if (kind == QLatin1String("edit")) {
            QVERIFY(folder->exec(
                QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, AddDate) "
                               "VALUES ('Old - 431', 'Old', 'Owner', 'Old Co', '2024-01-02 03:04:05')")));
        }
        auto window = openWindow(kind);
        fill(*window, ValidProfile);
        // Without its table the database refuses the profile.
        QVERIFY(folder->exec(QStringLiteral("DROP TABLE tblOwner")));

        MessageBoxHelper boxes;
        boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
        window->cmdSave->click();

        // First the library's own failure message, then the window's.
        QCOMPARE(boxes.count(), 2);
        const QString method =
            kind == QLatin1String("add") ? QStringLiteral("AddOwner") : QStringLiteral("UpdateOwner");
        EXPECT_BOX(boxes.shown().first(),
                   QStringLiteral("ERROR # 1\r\n\r\nno such table: tblOwner\r\nIn the Dynamic Link "
                                  "Library\r\nFunction: ") +
                       method,
                   QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
        EXPECT_BOX(boxes.last(), QStringLiteral("Profile Record was NOT Saved! "), QMessageBox::Critical,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        QVERIFY(window->isVisible());
        QCOMPARE(window->txtBox[0]->text(), QStringLiteral("Smith"));
        // The names are taken over whatever the result.
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann Smith"));
        QCOMPARE(modGlobal::strCompany, QStringLiteral("Shine Cleaning"));
        QVERIFY(!processEnded);
    }

    void updateWindowLoadsTheStoredProfile() {
        folder->exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, "
            "Phone, Email, FullName, AddDate) VALUES ('First - 431', 'First', 'F', 'First Co', "
            "'1 A St', 'Aton', 'AA', '11111', '1111111', 'a@a.example', 'F First', "
            "'2024-01-02 03:04:05')"));
        const QString longName = QStringLiteral("The Very Thorough Home and Office Cleaning Company");
        folder->exec(
            QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, "
                           "Phone, Email, FullName, AddDate) VALUES ('Lee - 431', 'Lee', 'Ann', '%1', "
                           "'2 B Rd', 'Bton', 'BC', 'V5K 0A1', '+1 604 555 0199 ext. 12', NULL, 'Ann Lee', "
                           "'2024-01-02 03:04:05')")
                .arg(longName));
        auto window = openWindow(QStringLiteral("edit"));
        // With several rows the last one stays in the fields; a Null shows as empty.
        const QStringList expected = {QStringLiteral("Lee"),
                                      QStringLiteral("Ann"),
                                      longName,
                                      QStringLiteral("2 B Rd"),
                                      QStringLiteral("Bton"),
                                      QStringLiteral("BC"),
                                      QStringLiteral("V5K 0A1"),
                                      QStringLiteral("+1 604 555 0199 ext. 12"),
                                      QString()};
        for (int i = 0; i < OwnerProfileForm::FieldCount; ++i)
            QCOMPARE(window->txtBox[i]->text(), expected[i]);
        // A business name wider than its box is seen from its start, not scrolled to its end.
        QVERIFY(window->txtBox[2]->fontMetrics().horizontalAdvance(longName) > window->txtBox[2]->width());
        QCOMPARE(window->txtBox[2]->cursorPosition(), 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("Brisola  -  2.0"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->lblTitle->text(), QStringLiteral("Update Business Profile"));
    }

    void updateWindowWithoutStoredProfileStoresTheTypedOne() {
        // The profile was removed after start-up: the window opens empty, and what is typed
        // is stored, not "saved" into a table that has no row to change.
        auto window = openWindow(QStringLiteral("edit"));
        for (int i = 0; i < OwnerProfileForm::FieldCount; ++i)
            QVERIFY(window->txtBox[i]->text().isEmpty());
        fill(*window, ValidProfile);

        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        window->cmdSave->click();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Profile Information Saved! ")});
        QVERIFY(!window->isVisible());

        const auto rows = folder->rows(QStringLiteral("SELECT * FROM tblOwner"));
        QCOMPARE(rows.size(), 1);
        const QVariantMap row = rows.first();
        QCOMPARE(row.value("OwnerID").toString(), QStringLiteral("Smith - 431"));
        QCOMPARE(row.value("FullName").toString(), QStringLiteral("Ann Smith"));
        QCOMPARE(row.value("Company").toString(), QStringLiteral("Shine Cleaning"));
        QCOMPARE(row.value("Email").toString(), QStringLiteral("ann@shine.example"));
        QVERIFY(!row.value("AddDate").toString().isEmpty());
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann Smith"));
        QVERIFY(!processEnded);
    }

    void updateSaveChangesTheProfile() {
        folder->exec(
            QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, "
                           "Phone, Email, FullName, AddDate) VALUES ('Lee - 431', 'Lee', 'Ann', 'Shine', "
                           "'2 B Rd', 'Bton', 'BC', '12345', '5550199', NULL, 'Ann Lee', "
                           "'2024-01-02 03:04:05')"));
        auto window = openWindow(QStringLiteral("edit"));
        window->txtBox[0]->setText(QStringLiteral("D'Angelo "));
        window->txtBox[4]->setText(QStringLiteral("Carton"));

        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        window->cmdSave->click();
        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(), QStringLiteral("Profile Information Saved! "), QMessageBox::Warning,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Record Saved Successfully"));
        QVERIFY(!window->isVisible());

        const QVariantMap row = folder->rows(QStringLiteral("SELECT * FROM tblOwner")).value(0);
        QCOMPARE(row.value("LName").toString(), QStringLiteral("D'Angelo"));
        QCOMPARE(row.value("City").toString(), QStringLiteral("Carton"));
        QCOMPARE(row.value("FullName").toString(), QStringLiteral("Ann D'Angelo"));
        // The identifier and the date of the first save stay; the change is dated.
        QCOMPARE(row.value("OwnerID").toString(), QStringLiteral("Lee - 431"));
        QCOMPARE(row.value("AddDate").toString(), QStringLiteral("2024-01-02 03:04:05"));
        QVERIFY(QDateTime::fromString(row.value("ModDate").toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    .isValid());
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann D'Angelo"));
        QVERIFY(!processEnded);
    }

    void updateKeepsALongStoredValueWhole() {
        // The first-use window takes a business name of any length; the update window must
        // not cut it short when it saves other changes.
        const QString longName = QStringLiteral("The Very Thorough Home and Office Cleaning Company");
        folder->exec(
            QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, "
                           "Phone, Email, FullName, AddDate) VALUES ('Lee - 431', 'Lee', 'Ann', '%1', "
                           "'2 B Rd', 'Bton', 'BC', '12345', '5550199', '', 'Ann Lee', "
                           "'2024-01-02 03:04:05')")
                .arg(longName));
        auto window = openWindow(QStringLiteral("edit"));
        window->txtBox[4]->setText(QStringLiteral("Carton"));
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        window->cmdSave->click();
        QCOMPARE(ownerRow(*folder, QStringLiteral("Company")), longName);
        QCOMPARE(ownerRow(*folder, QStringLiteral("City")), QStringLiteral("Carton"));
    }

    void updateExitDiscardsChanges() {
        folder->exec(QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, AddDate) "
                                    "VALUES ('Lee - 431', 'Lee', 'Ann', 'Shine', '2024-01-02 03:04:05')"));
        auto window = openWindow(QStringLiteral("edit"));
        window->txtBox[2]->setText(QStringLiteral("Changed"));
        MessageBoxHelper boxes;
        window->cmdExit->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(ownerRow(*folder, QStringLiteral("Company")), QStringLiteral("Shine"));
        QVERIFY(ownerRow(*folder, QStringLiteral("ModDate")).isEmpty());
        // Only the first-use window ends the program.
        QVERIFY(!processEnded);

        // The close box leaves it the same way.
        auto again = openWindow(QStringLiteral("edit"));
        again->txtBox[2]->setText(QStringLiteral("Changed"));
        again->close();
        QVERIFY(!again->isVisible());
        QCOMPARE(ownerRow(*folder, QStringLiteral("Company")), QStringLiteral("Shine"));
        QVERIFY(!processEnded);
    }

    void windowFrames() {
        frmAddOwner add;
        frmEditOwner edit;
        // The first-use window has no title bar and so no close box; the update window has
        // both, without minimize or maximize.
        QVERIFY(add.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!edit.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(edit.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!edit.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!edit.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(AccessibleNameFaults(&add), QString());
        QCOMPARE(AccessibleNameFaults(&edit), QString());
    }
};

BRISOLA_TEST_MAIN(TestOwnerProfile)
#include "tst_owner_profile.moc"
