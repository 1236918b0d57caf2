// A House created where the database driver cannot be loaded: the user is told, the failure
// is logged in its own form, and the object still answers every call without crashing.
// A program of its own, because hiding the driver lasts for the whole process.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

class tst_InitializeFailure : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void creationFailureIsShownAndLogged();

private:
    QTemporaryDir m_noPlugins;
};

void tst_InitializeFailure::initTestCase() {
    // The platform plugin is loaded already; from now on no database driver can be found.
    QCoreApplication::setLibraryPaths({m_noPlugins.path()});
    if (QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        QSKIP("The SQLite driver is built into Qt here and cannot be hidden");
}

void tst_InitializeFailure::creationFailureIsShownAndLogged() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QFile database(folder.databasePath());
    QVERIFY(database.open(QIODevice::ReadOnly));
    const QByteArray before = database.readAll();
    database.close();

    boxes.answer(QMessageBox::Ok);
    HousePtr house = makeHouse();
    QVERIFY(house);
    QCOMPARE(boxes.count(), 1);
    const QString notFound = QStringLiteral("The database cannot be found!  If the database has been \r\n"
                                            "moved it must be relocated back to the original folder! ");
    EXPECT_BOX(boxes.last(), notFound, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Ordwen"));
    QVERIFY(!house->conDataBase());

    QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[0], ruleLine());
    QCOMPARE(lines[1], bannerLine(14));
    QCOMPARE(lines[2], ruleLine());
    QCOMPARE(lines[3], blankFrameLine());
    verifyTimeLine(lines[4], QStringLiteral(" Error: -?\\d+"));
    QCOMPARE(lines[5], QByteArray("Initialize Database Connection"));
    QCOMPARE(lines[6], ruleLine());
    QVERIFY(!lines[7].isEmpty());
    QCOMPARE(lines[8], shortRuleLine());

    // A second object appends the longer form, with its information line.
    boxes.answer(QMessageBox::Ok);
    HousePtr second = makeHouse();
    QVERIFY(second);
    QCOMPARE(boxes.count(), 2);
    EXPECT_BOX(boxes.last(), notFound, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Ordwen"));
    lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 16);
    QCOMPARE(lines[9], blankFrameLine());
    QCOMPARE(lines[10], QByteArray("% Error Information %"));
    verifyTimeLine(lines[11], QStringLiteral("Error: -?\\d+"));
    QCOMPARE(lines[12], QByteArray("Initialize Database Connection"));
    QCOMPARE(lines[13], ruleLine());
    QCOMPARE(lines[14], lines[7]);
    QCOMPARE(lines[15], shortRuleLine());
    boxes.clear();

    // Every later call fails in its own way, without touching the file.
    QVERIFY(!house->LoadClients());
    QVERIFY(!house->LoadOwner());
    QCOMPARE(boxes.count(), 0);

    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->GetNewClientID());
    QCOMPARE(boxes.count(), 1);
    QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\nFunction: GetNewClientID")));
    QCOMPARE(house->strFunction(), QStringLiteral("GetNewClientID"));

    QStringList note = {"QDN-1", "text"};
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->AddNotes(note));
    QCOMPARE(boxes.count(), 2);
    QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\nFunction: AddNotes")));
    lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[16], blankFrameLine());
    verifyTimeLine(lines[17], QStringLiteral("Error: -?\\d+"));
    QCOMPARE(lines[18], QByteArray("AddNotes - DLL Function"));
    QCOMPARE(lines[21], ruleLine());

    boxes.answer(QMessageBox::Yes);
    QVERIFY(!house->DeleteNote(QStringLiteral("QDN-1")));

    house.reset();
    second.reset();
    QVERIFY(database.open(QIODevice::ReadOnly));
    QCOMPARE(database.readAll(), before);
}

BRISOLA_TEST_MAIN(tst_InitializeFailure)
#include "tst_initialize_failure.moc"
